<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hu_HU" sourcelanguage="en">
<context>
    <name>MainWindow</name>
    <message>
        <source>Clear errors</source>
        <comment>ClearErrors</comment>
        <translation>Hibák törlése</translation>
    </message>
    <message>
        <source>Connect</source>
        <comment>Connect</comment>
        <translation>Csatlakozás</translation>
    </message>
    <message>
        <source>Save As...</source>
        <comment>SaveAs</comment>
        <translation>Mentés másként...</translation>
    </message>
    <message>
        <source>Open...</source>
        <comment>Open</comment>
        <translation>Megnyitás...</translation>
    </message>
    <message>
        <source>Close</source>
        <comment>Close</comment>
        <translation>Bezárás</translation>
    </message>
    <message>
        <source>Exit</source>
        <comment>Exit</comment>
        <translation>Kilépés</translation>
    </message>
    <message>
        <source>Number of DTCs:</source>
        <comment>NumberOfDtcs</comment>
        <translation>Hibakódok száma:</translation>
    </message>
    <message>
        <source>Engine</source>
        <comment>TabEngine</comment>
        <translation>Motor</translation>
    </message>
    <message>
        <source>Transmission</source>
        <comment>TabTransmission</comment>
        <translation>Sebességváltó</translation>
    </message>
    <message>
        <source>Engine &amp; Transmission</source>
        <comment>TabEngineTransmission</comment>
        <translation>Motor &amp; váltó</translation>
    </message>
    <message>
        <source>Error codes</source>
        <comment>TabErrorCodes</comment>
        <translation>Hibakódok</translation>
    </message>
    <message>
        <source>Show data when trouble</source>
        <comment>TabShowDataWhenTrouble</comment>
        <translation>Hibakori adatok</translation>
    </message>
    <message>
        <source>Active tests</source>
        <comment>TabActiveTests</comment>
        <translation>Aktuátortesztek</translation>
    </message>
    <message>
        <source>About</source>
        <comment>About</comment>
        <translation>Névjegy</translation>
    </message>
    <message>
        <source>Hardware ID:</source>
        <comment>HardwareId</comment>
        <translation>Hardver-azonosító:</translation>
    </message>
    <message>
        <source>Hardware SN:</source>
        <comment>HardwareSn</comment>
        <translation>Hardver gyári szám:</translation>
    </message>
    <message>
        <source>ECM ID:</source>
        <comment>EcmId</comment>
        <translation>ECM-azonosító:</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <comment>Disconnect</comment>
        <translation>Leválasztás</translation>
    </message>
    <message>
        <source>Communication failed</source>
        <comment>CommunicationFailed</comment>
        <translation>Sikertelen kommunikáció</translation>
    </message>
    <message>
        <source>Error</source>
        <comment>Error</comment>
        <translation>Hiba</translation>
    </message>
    <message>
        <source>Communication error occurred</source>
        <comment>CommunicationError</comment>
        <translation>Kommunikációs hiba történt</translation>
    </message>
    <message>
        <source>Pause</source>
        <comment>Pause</comment>
        <translation>Szünet</translation>
    </message>
    <message>
        <source>Play</source>
        <comment>Play</comment>
        <translation>Lejátszás</translation>
    </message>
    <message>
        <source>Time:</source>
        <comment>Time</comment>
        <translation>Idő:</translation>
    </message>
    <message>
        <source> sec</source>
        <comment>Seconds</comment>
        <extracomment>Keep the blank at the start.</extracomment>
        <translation> mp</translation>
    </message>
    <message>
        <source>Help</source>
        <comment>Help</comment>
        <translation>Súgó</translation>
    </message>
    <message>
        <source>New version available...
<byte value="xd"/>Would you like to install now?</source>
        <comment>NewVersionQuestion</comment>
        <extracomment>Keep every line break where the sentence allows it.</extracomment>
        <translation>Új verzió érhető el...
<byte value="xd"/>Telepíti most?</translation>
    </message>
    <message>
        <source>Attention</source>
        <comment>Attention</comment>
        <translation>Figyelem</translation>
    </message>
    <message>
        <source>Download error 
<byte value="xd"/>Please try again later</source>
        <comment>DownloadError</comment>
        <extracomment>Keep every line break where the sentence allows it.</extracomment>
        <translation>Letöltési hiba 
<byte value="xd"/>Kérjük, próbálja újra később</translation>
    </message>
    <message>
        <source>Error codes will be cleared. Continue?</source>
        <comment>ClearErrorsQuestion</comment>
        <translation>A hibakódok törlődnek. Folytatja?</translation>
    </message>
    <message>
        <source>Last session was not saved!
<byte value="xd"/>Would you like to continue?</source>
        <comment>UnsavedContinueQuestion</comment>
        <extracomment>Keep every line break where the sentence allows it.</extracomment>
        <translation>Az utolsó munkamenet nincs mentve!
<byte value="xd"/>Mégis folytatja?</translation>
    </message>
    <message>
        <source>Attention</source>
        <comment>AttentionUnsaved</comment>
        <translation>Figyelem</translation>
    </message>
    <message>
        <source>FAQ page has been updated.</source>
        <comment>FaqUpdated</comment>
        <translation>A GYIK oldal frissült.</translation>
    </message>
    <message>
        <source>Note</source>
        <comment>Note</comment>
        <translation>Megjegyzés</translation>
    </message>
    <message>
        <source>Last session was not saved!
<byte value="xd"/>Would you like to exit anyway?</source>
        <comment>UnsavedExitQuestion</comment>
        <extracomment>Keep every line break where the sentence allows it.</extracomment>
        <translation>Az utolsó munkamenet nincs mentve!
<byte value="xd"/>Mégis kilép?</translation>
    </message>
    <message>
        <source>Settings</source>
        <comment>Settings</comment>
        <translation>Beállítások</translation>
    </message>
    <message>
        <source>Models</source>
        <comment>Models</comment>
        <translation>Modellek</translation>
    </message>
    <message>
        <source>FAQ</source>
        <comment>Faq</comment>
        <translation>GYIK</translation>
    </message>
    <message>
        <source>Graph view</source>
        <comment>GraphView</comment>
        <translation>Grafikonok</translation>
    </message>
    <message>
        <source>Offline mode</source>
        <comment>OfflineMode</comment>
        <translation>Offline mód</translation>
    </message>
    <message>
        <source>File is locked by another application.</source>
        <comment>FileLocked</comment>
        <translation>A fájlt egy másik alkalmazás használja.</translation>
    </message>
    <message>
        <source>File is corrupted, load skipped.</source>
        <comment>FileCorrupted</comment>
        <translation>A fájl sérült, a betöltés elmaradt.</translation>
    </message>
    <message>
        <source>Actual sensor data:</source>
        <comment>ActualSensorData</comment>
        <translation>Aktuális érzékelőadatok:</translation>
    </message>
    <message>
        <source>Date: </source>
        <comment>Date</comment>
        <extracomment>Keep the blank at the end.</extracomment>
        <translation>Dátum: </translation>
    </message>
    <message>
        <source>Time: </source>
        <comment>TimeOfDay</comment>
        <extracomment>Keep the blank at the end.</extracomment>
        <translation>Időpont: </translation>
    </message>
    <message>
        <source>Print</source>
        <comment>Print</comment>
        <translation>Nyomtatás</translation>
    </message>
    <message>
        <source>Please wait while downloading...</source>
        <comment>PleaseWait</comment>
        <translation>Letöltés folyamatban, kérjük, várjon...</translation>
    </message>
    <message>
        <source>The file could not be written:
%1</source>
        <comment>FileNotWritten</comment>
        <extracomment>Keep %1 and %2: they become numbers.</extracomment>
        <translation>A fájl írása nem sikerült:
%1</translation>
    </message>
    <message>
        <source>The report was saved as %1.
No program to show PDF files was found.</source>
        <comment>ReportSavedNoViewer</comment>
        <extracomment>Keep %1 and %2: they become numbers.</extracomment>
        <translation>A jelentés mentve: %1.
Nem található PDF-fájlok megjelenítésére alkalmas program.</translation>
    </message>
    <message>
        <source>The FAQ document is %1.
No program to show PDF files was found.</source>
        <comment>FaqNoViewer</comment>
        <extracomment>Keep %1 and %2: they become numbers.</extracomment>
        <translation>A GYIK-dokumentum helye: %1.
Nem található PDF-fájlok megjelenítésére alkalmas program.</translation>
    </message>
    <message>
        <source>Another Quilldar uses the module</source>
        <comment>OtherCopyUsesModule</comment>
        <translation>Egy másik Quilldar használja a modult</translation>
    </message>
    <message>
        <source>The last session was not saved. Discard its records and continue?</source>
        <comment>DiscardLeftoverQuestion</comment>
        <translation>Az utolsó munkamenet nincs mentve. Elveti az adatait, és folytatja?</translation>
    </message>
    <message>
        <source>The recording could not be saved: %1
It is kept; try another folder or name.</source>
        <comment>RecordingNotSaved</comment>
        <extracomment>Keep %1 and %2: they become numbers.</extracomment>
        <translation>A felvételt nem sikerült menteni: %1
A felvétel megmarad; próbáljon másik mappát vagy nevet.</translation>
    </message>
    <message>
        <source>The recording %1 cannot be opened: %2</source>
        <comment>RecordingNotOpened</comment>
        <extracomment>Keep %1 and %2: they become numbers.</extracomment>
        <translation>A(z) %1 felvétel nem nyitható meg: %2</translation>
    </message>
    <message>
        <source>it is not a recording</source>
        <comment>NotARecording</comment>
        <translation>ez nem felvétel</translation>
    </message>
    <message>
        <source>there are no unsaved records</source>
        <comment>NoUnsavedRecords</comment>
        <translation>nincsenek mentetlen adatok</translation>
    </message>
    <message>
        <source>Session ended at %1: %2.</source>
        <comment>SessionEnded</comment>
        <extracomment>Keep %1 and %2: they become numbers.</extracomment>
        <translation>A munkamenet véget ért (%1): %2.</translation>
    </message>
    <message>
        <source> %1 records kept for Save As.</source>
        <comment>RecordsKeptForSaveAs</comment>
        <extracomment>Keep %1 and %2: they become numbers. Keep the blank at the start.</extracomment>
        <translation> A &apos;&apos;Mentés másként&apos;&apos; számára megőrzött rekordok száma: %1.</translation>
    </message>
    <message>
        <source>Module unplugged</source>
        <comment>ModuleUnplugged</comment>
        <translation>Modul kihúzva</translation>
    </message>
    <message>
        <source>No reply from the module</source>
        <comment>ModuleSilent</comment>
        <translation>A modul nem válaszol</translation>
    </message>
    <message>
        <source>The control unit disconnected</source>
        <comment>UnitDisconnected</comment>
        <translation>A vezérlőegység bontotta a kapcsolatot</translation>
    </message>
    <message>
        <source>The folder %1 cannot be created.</source>
        <comment>ReportFolderNotCreated</comment>
        <extracomment>Keep %1 and %2: they become numbers.</extracomment>
        <translation>A mappa nem hozható létre: %1.</translation>
    </message>
    <message>
        <source>The PDF library could not create a document.</source>
        <comment>PdfLibraryFailed</comment>
        <translation>A PDF-könyvtár nem tudta létrehozni a dokumentumot.</translation>
    </message>
    <message>
        <source>The report could not be written to %1.</source>
        <comment>ReportNotWritten</comment>
        <extracomment>Keep %1 and %2: they become numbers.</extracomment>
        <translation>A jelentés nem írható ide: %1.</translation>
    </message>
    <message>
        <source>%1. This copy opens, plays, graphs and prints recordings; close the other copy to use the module here.</source>
        <comment>OfflineExplanation</comment>
        <extracomment>Keep %1 and %2: they become numbers.</extracomment>
        <translation>%1. Ez a példány megnyitja, lejátssza, grafikonon megjeleníti és kinyomtatja a felvételeket; a modul itteni használatához zárja be a másik példányt.</translation>
    </message>
    <message>
        <source>The unit tried was %1, the unit of the selected tab. To connect to another unit, select its tab first, then press Connect.</source>
        <comment>WrongTabHint</comment>
        <extracomment>Keep %1 and %2: they become numbers.</extracomment>
        <translation>A megszólított vezérlőegység: &apos;&apos;%1&apos;&apos;, a kijelölt fül vezérlőegysége. Másik vezérlőegységhez való csatlakozáshoz először jelölje ki annak fülét, majd nyomja meg a &apos;&apos;Csatlakozás&apos;&apos; gombot.</translation>
    </message>
    <message>
        <source>The session cannot be recorded to disk: %1
Live data is still shown but no longer recorded. What was recorded before is kept: save it with Save As after Disconnect.</source>
        <comment>RecordingStopped</comment>
        <extracomment>Keep %1 and %2: they become numbers.</extracomment>
        <translation>A munkamenet nem rögzíthető lemezre: %1
Az élő adatok továbbra is megjelennek, de rögzítésük leállt. A korábban rögzített adatok megmaradnak: a &apos;&apos;Leválasztás&apos;&apos; után mentse őket a &apos;&apos;Mentés másként&apos;&apos; gombbal.</translation>
    </message>
    <message>
        <source>HID library</source>
        <comment>CheckLibrary</comment>
        <translation>HID-könyvtár</translation>
    </message>
    <message>
        <source>USB device %1</source>
        <comment>CheckDevice</comment>
        <extracomment>Keep %1 and %2: they become numbers.</extracomment>
        <translation>USB-eszköz (%1)</translation>
    </message>
    <message>
        <source>Device permission</source>
        <comment>CheckPermission</comment>
        <translation>Eszközjogosultság</translation>
    </message>
    <message>
        <source>Other Quilldar</source>
        <comment>CheckOtherInstance</comment>
        <translation>Másik Quilldar</translation>
    </message>
    <message>
        <source>Module answers</source>
        <comment>CheckModuleAnswers</comment>
        <translation>Modul válasza</translation>
    </message>
    <message>
        <source>Vehicle power</source>
        <comment>CheckVehiclePower</comment>
        <translation>Jármű tápellátása</translation>
    </message>
    <message>
        <source>Fix:</source>
        <comment>CheckFix</comment>
        <translation>Megoldás:</translation>
    </message>
    <message>
        <source>%1 loads.</source>
        <comment>CheckLibraryLoads</comment>
        <extracomment>Keep %1 and %2: they become numbers.</extracomment>
        <translation>%1 betölthető.</translation>
    </message>
    <message>
        <source>not needed by the simulated module.</source>
        <comment>CheckLibraryNotNeeded</comment>
        <translation>a szimulált modulhoz nem szükséges.</translation>
    </message>
    <message>
        <source>No library</source>
        <comment>CheckWordNoLibrary</comment>
        <translation>Nincs könyvtár</translation>
    </message>
    <message>
        <source>%1 cannot be loaded.</source>
        <comment>CheckLibraryMissing</comment>
        <extracomment>Keep %1 and %2: they become numbers.</extracomment>
        <translation>%1 nem tölthető be.</translation>
    </message>
    <message>
        <source>Install it with: sudo apt-get install libhidapi-hidraw0</source>
        <comment>CheckLibraryFix</comment>
        <translation>Telepítse ezzel: sudo apt-get install libhidapi-hidraw0</translation>
    </message>
    <message>
        <source>plugged in.</source>
        <comment>CheckDeviceFound</comment>
        <translation>csatlakoztatva.</translation>
    </message>
    <message>
        <source>No USB</source>
        <comment>CheckWordNoUsb</comment>
        <translation>Nincs USB</translation>
    </message>
    <message>
        <source>not found among the USB HID devices.</source>
        <comment>CheckDeviceMissing</comment>
        <translation>nem található az USB HID-eszközök között.</translation>
    </message>
    <message>
        <source>Plug the interface module in; try another USB port or cable. lsusb should list %1.</source>
        <comment>CheckDeviceFix</comment>
        <extracomment>Keep %1 and %2: they become numbers.</extracomment>
        <translation>Csatlakoztassa az interfészmodult; próbáljon másik USB-portot vagy kábelt. Az lsusb parancsnak ezt kell listáznia: %1.</translation>
    </message>
    <message>
        <source>this user may read and write the module.</source>
        <comment>CheckAccessGranted</comment>
        <translation>ez a felhasználó olvashatja és írhatja a modult.</translation>
    </message>
    <message>
        <source>No access</source>
        <comment>CheckWordNoAccess</comment>
        <translation>Nincs hozzáférés</translation>
    </message>
    <message>
        <source>the module is plugged in but this user may not open it%1.</source>
        <comment>CheckAccessDenied</comment>
        <extracomment>Keep %1 and %2: they become numbers.</extracomment>
        <translation>a modul csatlakoztatva van, de ez a felhasználó nem nyithatja meg%1.</translation>
    </message>
    <message>
        <source>Install the Quilldar package, which brings the udev rule, or install the rule by hand: sudo cp packaging/linux/%1 /etc/udev/rules.d/ &amp;&amp; sudo udevadm control --reload-rules &amp;&amp; sudo udevadm trigger; then unplug and replug the module.</source>
        <comment>CheckRuleMissingFix</comment>
        <extracomment>Keep %1 and %2: they become numbers.</extracomment>
        <translation>Telepítse a Quilldar csomagot, amely tartalmazza az udev-szabályt, vagy telepítse a szabályt kézzel: sudo cp packaging/linux/%1 /etc/udev/rules.d/ &amp;&amp; sudo udevadm control --reload-rules &amp;&amp; sudo udevadm trigger; ezután húzza ki, majd dugja vissza a modult.</translation>
    </message>
    <message>
        <source>The udev rule %1 is installed: unplug and replug the module. If it still fails (for example when not logged in at this computer&apos;s own screen), join the plugdev group with: sudo adduser %2 plugdev, then log out and in again.</source>
        <comment>CheckJoinGroupFix</comment>
        <extracomment>Keep %1 and %2: they become numbers.</extracomment>
        <translation>A(z) %1 udev-szabály telepítve van: húzza ki, majd dugja vissza a modult. Ha továbbra sem működik (például ha nem ennek a számítógépnek a saját képernyőjén jelentkezett be), lépjen be a plugdev csoportba ezzel: sudo adduser %2 plugdev, majd jelentkezzen ki és újra be.</translation>
    </message>
    <message>
        <source>The udev rule %1 is installed and %2 is in the plugdev group: unplug and replug the module; if that does not help, run: sudo udevadm control --reload-rules &amp;&amp; sudo udevadm trigger.</source>
        <comment>CheckReloadRulesFix</comment>
        <extracomment>Keep %1 and %2: they become numbers.</extracomment>
        <translation>A(z) %1 udev-szabály telepítve van, és %2 tagja a plugdev csoportnak: húzza ki, majd dugja vissza a modult; ha ez nem segít, futtassa: sudo udevadm control --reload-rules &amp;&amp; sudo udevadm trigger.</translation>
    </message>
    <message>
        <source>none is using the module.</source>
        <comment>CheckNoOtherInstance</comment>
        <translation>egyik sem használja a modult.</translation>
    </message>
    <message>
        <source>In use</source>
        <comment>CheckWordInUse</comment>
        <translation>Foglalt</translation>
    </message>
    <message>
        <source>another copy of Quilldar owns the module.</source>
        <comment>CheckOtherInstanceFound</comment>
        <translation>a Quilldar egy másik példánya foglalja a modult.</translation>
    </message>
    <message>
        <source>Close the other Quilldar window (or use it), then try again.</source>
        <comment>CheckOtherInstanceFix</comment>
        <translation>Zárja be a másik Quilldar ablakot (vagy használja azt), majd próbálja újra.</translation>
    </message>
    <message>
        <source>hardware ID %1, serial number %2, type %3.</source>
        <comment>CheckModuleAnswered</comment>
        <extracomment>Keep %1 and %2: they become numbers.</extracomment>
        <translation>hardver-azonosító: %1, gyári szám: %2, típus: %3.</translation>
    </message>
    <message>
        <source>No reply</source>
        <comment>CheckWordNoReply</comment>
        <translation>Nincs válasz</translation>
    </message>
    <message>
        <source>the module did not answer.</source>
        <comment>CheckModuleSilent</comment>
        <translation>a modul nem válaszolt.</translation>
    </message>
    <message>
        <source>Unplug the module, wait a few seconds, plug it in again and retry.</source>
        <comment>CheckModuleSilentFix</comment>
        <translation>Húzza ki a modult, várjon néhány másodpercet, dugja vissza, és próbálja újra.</translation>
    </message>
    <message>
        <source>Wrong type</source>
        <comment>CheckWordWrongType</comment>
        <translation>Rossz típus</translation>
    </message>
    <message>
        <source>the module is of another type; Quilldar works only with type &apos;1&apos;.</source>
        <comment>CheckModuleOtherType</comment>
        <translation>a modul más típusú; a Quilldar csak az &apos;1&apos; típussal működik.</translation>
    </message>
    <message>
        <source>the module is of type &apos;%1&apos;; Quilldar works only with type &apos;1&apos;.</source>
        <comment>CheckModuleTypeIs</comment>
        <extracomment>Keep %1 and %2: they become numbers.</extracomment>
        <translation>a modul típusa &apos;%1&apos;; a Quilldar csak az &apos;1&apos; típussal működik.</translation>
    </message>
    <message>
        <source>Use a Quilldar interface module; this one is meant for another program.</source>
        <comment>CheckWrongTypeFix</comment>
        <translation>Quilldar interfészmodult használjon; ez egy másik programhoz készült.</translation>
    </message>
    <message>
        <source>stable (%1 power reports in a row).</source>
        <comment>CheckPowerStable</comment>
        <extracomment>Keep %1 and %2: they become numbers.</extracomment>
        <translation>stabil (%1 egymást követő tápjelentés).</translation>
    </message>
    <message>
        <source>No power</source>
        <comment>CheckWordNoPower</comment>
        <translation>Nincs táp</translation>
    </message>
    <message>
        <source>not stable within %1.</source>
        <comment>CheckPowerUnstable</comment>
        <extracomment>Keep %1 and %2: they become numbers.</extracomment>
        <translation>%1 alatt nem stabilizálódott.</translation>
    </message>
    <message>
        <source>%1 seconds</source>
        <comment>CheckSeconds</comment>
        <extracomment>Keep %1 and %2: they become numbers.</extracomment>
        <translation>%1 másodperc</translation>
    </message>
    <message>
        <source>%1 polls</source>
        <comment>CheckPolls</comment>
        <extracomment>Keep %1 and %2: they become numbers.</extracomment>
        <translation>%1 lekérdezés</translation>
    </message>
    <message>
        <source>Switch the ignition on, check the battery and that the diagnostic connector sits firmly.</source>
        <comment>CheckPowerFix</comment>
        <translation>Kapcsolja be a gyújtást, ellenőrizze az akkumulátort, és hogy a diagnosztikai csatlakozó szorosan illeszkedik-e.</translation>
    </message>
    <message>
        <source>the module stopped answering while power was polled.</source>
        <comment>CheckPowerPollLost</comment>
        <translation>a modul a tápellátás lekérdezése közben abbahagyta a válaszadást.</translation>
    </message>
    <message>
        <source>Check the USB cable; unplug and replug the module.</source>
        <comment>CheckUsbCableFix</comment>
        <translation>Ellenőrizze az USB-kábelt; húzza ki, majd dugja vissza a modult.</translation>
    </message>
    <message>
        <source>not checked (an earlier check failed).</source>
        <comment>CheckNotChecked</comment>
        <translation>nincs ellenőrizve (egy korábbi ellenőrzés sikertelen volt).</translation>
    </message>
    <message>
        <source>The update check could not save its version file in %1 (%2).
No update was fetched: your program and your FAQ documents stay as they are.</source>
        <comment>UpdateVersionFileNotStored</comment>
        <extracomment>Keep %1 and %2: they become numbers.</extracomment>
        <translation>A frissítéskeresés nem tudta menteni a verziófájlt ide: %1 (%2).
Nem történt letöltés: a program és a GYIK-dokumentumok változatlanok maradnak.</translation>
    </message>
    <message>
        <source>The new version could not be saved in %1 (%2).
Your installed version stays as it is.</source>
        <comment>UpdateInstallerNotStored</comment>
        <extracomment>Keep %1 and %2: they become numbers.</extracomment>
        <translation>Az új verziót nem sikerült menteni ide: %1 (%2).
A telepített verzió változatlan marad.</translation>
    </message>
    <message>
        <source>The new FAQ documents could not be saved in %1 (%2).
Your current FAQ documents are kept.</source>
        <comment>UpdateFaqNotStored</comment>
        <extracomment>Keep %1 and %2: they become numbers.</extracomment>
        <translation>Az új GYIK-dokumentumokat nem sikerült menteni ide: %1 (%2).
A jelenlegi GYIK-dokumentumok megmaradnak.</translation>
    </message>
    <message>
        <source>The server sent something other than a PDF document for %1.
Your current FAQ documents are kept.</source>
        <comment>UpdateFaqNotPdf</comment>
        <extracomment>Keep %1 and %2: they become numbers.</extracomment>
        <translation>A szerver nem PDF-dokumentumot küldött ehhez: %1.
A jelenlegi GYIK-dokumentumok megmaradnak.</translation>
    </message>
    <message>
        <source>the folder cannot be created</source>
        <comment>UpdateFolderNotCreated</comment>
        <translation>a mappa nem hozható létre</translation>
    </message>
    <message>
        <source>a document cannot be renamed</source>
        <comment>UpdateDocumentNotRenamed</comment>
        <translation>egy dokumentum nem nevezhető át</translation>
    </message>
    <message>
        <source>The downloaded update could not be verified and was discarded.</source>
        <comment>UpdateNotVerified</comment>
        <translation>A letöltött frissítést nem sikerült ellenőrizni, ezért el lett vetve.</translation>
    </message>
</context>
<context>
    <name>EnginePage</name>
    <message>
        <source>Engine speed</source>
        <comment>EngineSpeed</comment>
        <translation>Motorfordulatszám</translation>
    </message>
    <message>
        <source>Throttle position</source>
        <comment>ThrottlePosition</comment>
        <translation>Fojtószelep-állás</translation>
    </message>
    <message>
        <source>Secondary throttle position</source>
        <comment>SecondaryThrottlePosition</comment>
        <translation>Másodlagos fojtószelep-állás</translation>
    </message>
    <message>
        <source>Engine coolant / oil temperature</source>
        <comment>CoolantTemperature</comment>
        <translation>Hűtőfolyadék-/olajhőmérséklet</translation>
    </message>
    <message>
        <source>Intake air temperature</source>
        <comment>IntakeAirTemperature</comment>
        <translation>Szívólevegő-hőmérséklet</translation>
    </message>
    <message>
        <source>Manifold absolute pressure 1</source>
        <comment>ManifoldPressure1</comment>
        <translation>Szívócsőnyomás 1</translation>
    </message>
    <message>
        <source>Manifold absolute pressure 2</source>
        <comment>ManifoldPressure2</comment>
        <translation>Szívócsőnyomás 2</translation>
    </message>
    <message>
        <source>Atmospheric pressure</source>
        <comment>AtmosphericPressure</comment>
        <translation>Légköri nyomás</translation>
    </message>
    <message>
        <source>Battery voltage</source>
        <comment>BatteryVoltage</comment>
        <translation>Akkumulátorfeszültség</translation>
    </message>
    <message>
        <source>Vehicle speed</source>
        <comment>VehicleSpeed</comment>
        <translation>Járműsebesség</translation>
    </message>
    <message>
        <source>Exhaust control valve actuator</source>
        <comment>ExhaustValveActuator</comment>
        <translation>Kipufogószelep-állítómotor</translation>
    </message>
    <message>
        <source>O2 sensor Bank 1 - Sensor 1</source>
        <comment>O2SensorBank1</comment>
        <translation>Lambdaszonda 1. bank - 1. szonda</translation>
    </message>
    <message>
        <source>O2 sensor Bank 2 - Sensor 2</source>
        <comment>O2SensorBank2</comment>
        <translation>Lambdaszonda 2. bank - 2. szonda</translation>
    </message>
    <message>
        <source>Target idle speed</source>
        <comment>TargetIdleSpeed</comment>
        <translation>Előírt alapjárati fordulatszám</translation>
    </message>
    <message>
        <source>Steering damper solenoid current</source>
        <comment>SteeringDamperCurrent</comment>
        <translation>Kormánycsillapító mágnesszelep árama</translation>
    </message>
    <message>
        <source>Cylinder 1 injection time</source>
        <comment>Cylinder1Injection</comment>
        <translation>Befecskendezési idő, 1. henger</translation>
    </message>
    <message>
        <source>Cylinder 2 injection time</source>
        <comment>Cylinder2Injection</comment>
        <translation>Befecskendezési idő, 2. henger</translation>
    </message>
    <message>
        <source>Cylinder 3 injection time</source>
        <comment>Cylinder3Injection</comment>
        <translation>Befecskendezési idő, 3. henger</translation>
    </message>
    <message>
        <source>Cylinder 4 injection time</source>
        <comment>Cylinder4Injection</comment>
        <translation>Befecskendezési idő, 4. henger</translation>
    </message>
    <message>
        <source>Advance</source>
        <comment>Advance</comment>
        <translation>Előgyújtás</translation>
    </message>
    <message>
        <source>ISC valve position</source>
        <comment>IscValvePosition</comment>
        <translation>ISC-szelep állása</translation>
    </message>
    <message>
        <source>Gear position</source>
        <comment>GearPosition</comment>
        <translation>Sebességfokozat</translation>
    </message>
    <message>
        <source>ISC duty</source>
        <comment>IscDuty</comment>
        <translation>ISC kitöltési tényező</translation>
    </message>
    <message>
        <source>Exhaust valve control select terminal</source>
        <comment>ExhaustValveSelectTerminal</comment>
        <translation>Kipufogószelep-vezérlés választókapocs</translation>
    </message>
    <message>
        <source>O2 sensor control select terminal</source>
        <comment>O2SensorSelectTerminal</comment>
        <translation>Lambdaszabályozás választókapocs</translation>
    </message>
    <message>
        <source>Neutral switch signal</source>
        <comment>NeutralSwitch</comment>
        <translation>Üresfokozat-kapcsoló jele</translation>
    </message>
    <message>
        <source>Driving mode selection 1</source>
        <comment>DrivingMode1</comment>
        <translation>Menetmód-választás 1</translation>
    </message>
    <message>
        <source>Driving mode selection 2</source>
        <comment>DrivingMode2</comment>
        <translation>Menetmód-választás 2</translation>
    </message>
    <message>
        <source>Ignition switch signal</source>
        <comment>IgnitionSwitch</comment>
        <translation>Gyújtáskapcsoló jele</translation>
    </message>
    <message>
        <source>Clutch switch signal</source>
        <comment>ClutchSwitch</comment>
        <translation>Kuplungkapcsoló jele</translation>
    </message>
    <message>
        <source>Starter signal</source>
        <comment>StarterSignal</comment>
        <translation>Önindító jele</translation>
    </message>
    <message>
        <source>EVAP purge valve</source>
        <comment>EvapPurgeValve</comment>
        <translation>EVAP öblítőszelep</translation>
    </message>
    <message>
        <source>Tip over sensor</source>
        <comment>TipOverSensor</comment>
        <translation>Borulásérzékelő</translation>
    </message>
    <message>
        <source>Cooling fan relay</source>
        <comment>CoolingFanRelay</comment>
        <translation>Hűtőventilátor-relé</translation>
    </message>
    <message>
        <source>PAIR control solenoid valve</source>
        <comment>PairSolenoidValve</comment>
        <translation>PAIR mágnesszelep</translation>
    </message>
    <message>
        <source>Side stand switch</source>
        <comment>SideStandSwitch</comment>
        <translation>Oldaltámasz-kapcsoló</translation>
    </message>
    <message>
        <source>Load cut off relay</source>
        <comment>LoadCutOffRelay</comment>
        <translation>Terheléslekapcsoló relé</translation>
    </message>
    <message>
        <source>Shift switch signal</source>
        <comment>ShiftSwitch</comment>
        <translation>Váltókapcsoló jele</translation>
    </message>
    <message>
        <source>Engine speed limiter signal</source>
        <comment>SpeedLimiter</comment>
        <translation>Fordulatszám-határoló jele</translation>
    </message>
    <message>
        <source>Steps</source>
        <comment>Steps</comment>
        <translation>Lépés</translation>
    </message>
    <message>
        <source>Open</source>
        <comment>Open</comment>
        <translation>Nyitott</translation>
    </message>
    <message>
        <source>GND</source>
        <comment>Gnd</comment>
        <translation>Test</translation>
    </message>
    <message>
        <source>Normal</source>
        <comment>Normal</comment>
        <translation>Normál</translation>
    </message>
    <message>
        <source>Abnormal</source>
        <comment>Abnormal</comment>
        <translation>Hibás</translation>
    </message>
    <message>
        <source>On</source>
        <comment>On</comment>
        <translation>Be</translation>
    </message>
    <message>
        <source>Off</source>
        <comment>Off</comment>
        <translation>Ki</translation>
    </message>
</context>
<context>
    <name>TransmissionPage</name>
    <message>
        <source>Vehicle speed</source>
        <comment>VehicleSpeed</comment>
        <translation>Járműsebesség</translation>
    </message>
    <message>
        <source>Throttle position</source>
        <comment>ThrottlePosition</comment>
        <translation>Fojtószelep-állás</translation>
    </message>
    <message>
        <source>Engine coolant / oil temperature</source>
        <comment>CoolantTemperature</comment>
        <translation>Hűtőfolyadék-/olajhőmérséklet</translation>
    </message>
    <message>
        <source>Engine speed</source>
        <comment>EngineSpeed</comment>
        <translation>Motorfordulatszám</translation>
    </message>
    <message>
        <source>Secondary pulley speed sensor</source>
        <comment>SecondaryPulleySpeed</comment>
        <translation>Szekunder szíjtárcsa fordulatszáma</translation>
    </message>
    <message>
        <source>Pulley position sensor ratio</source>
        <comment>PulleyPositionRatio</comment>
        <translation>Áttétel (helyzetérzékelő)</translation>
    </message>
    <message>
        <source>Pulley speed ratio</source>
        <comment>PulleySpeedRatio</comment>
        <translation>Áttétel (fordulatszámok)</translation>
    </message>
    <message>
        <source>Battery voltage</source>
        <comment>BatteryVoltage</comment>
        <translation>Akkumulátorfeszültség</translation>
    </message>
    <message>
        <source>Relay contact voltage</source>
        <comment>RelayContactVoltage</comment>
        <translation>Reléérintkező-feszültség</translation>
    </message>
    <message>
        <source>Motor terminal voltage A</source>
        <comment>MotorTerminalVoltageA</comment>
        <translation>Motorkapocs-feszültség A</translation>
    </message>
    <message>
        <source>Motor terminal voltage B</source>
        <comment>MotorTerminalVoltageB</comment>
        <translation>Motorkapocs-feszültség B</translation>
    </message>
    <message>
        <source>Motor current</source>
        <comment>MotorCurrent</comment>
        <translation>Motoráram</translation>
    </message>
    <message>
        <source>Gear position</source>
        <comment>GearPosition</comment>
        <translation>Sebességfokozat</translation>
    </message>
    <message>
        <source>Motor lock</source>
        <comment>MotorLock</comment>
        <translation>Motor beragadt</translation>
    </message>
    <message>
        <source>Motor short</source>
        <comment>MotorShort</comment>
        <translation>Motor zárlat</translation>
    </message>
    <message>
        <source>Motor disconnection</source>
        <comment>MotorDisconnection</comment>
        <translation>Motor szakadás</translation>
    </message>
    <message>
        <source>Relay contact welding</source>
        <comment>RelayContactWelding</comment>
        <translation>Reléérintkező összehegedt</translation>
    </message>
    <message>
        <source>Relay contact failure</source>
        <comment>RelayContactFailure</comment>
        <translation>Reléérintkező hibás</translation>
    </message>
    <message>
        <source>Power mode switch circuit malfunction</source>
        <comment>PowerModeSwitchMalfunction</comment>
        <translation>Power mód kapcsoló - áramköri hiba</translation>
    </message>
    <message>
        <source>Auto shift switch circuit malfunction</source>
        <comment>AutoShiftSwitchMalfunction</comment>
        <translation>Automata kapcsoló - áramköri hiba</translation>
    </message>
    <message>
        <source>Up shift switch circuit malfunction</source>
        <comment>UpShiftSwitchMalfunction</comment>
        <translation>Felváltó kapcsoló - áramköri hiba</translation>
    </message>
    <message>
        <source>Down shift switch circuit malfunction</source>
        <comment>DownShiftSwitchMalfunction</comment>
        <translation>Leváltó kapcsoló - áramköri hiba</translation>
    </message>
    <message>
        <source>Motor lock (History)</source>
        <comment>MotorLockHistory</comment>
        <translation>Motor beragadt (tárolt)</translation>
    </message>
    <message>
        <source>Motor short (History)</source>
        <comment>MotorShortHistory</comment>
        <translation>Motor zárlat (tárolt)</translation>
    </message>
    <message>
        <source>Motor disconnection (History)</source>
        <comment>MotorDisconnectionHistory</comment>
        <translation>Motor szakadás (tárolt)</translation>
    </message>
    <message>
        <source>Center stand switch</source>
        <comment>CenterStandSwitch</comment>
        <translation>Középtámasz-kapcsoló</translation>
    </message>
    <message>
        <source>Brake switch</source>
        <comment>BrakeSwitch</comment>
        <translation>Féklámpakapcsoló</translation>
    </message>
    <message>
        <source>Power mode switch</source>
        <comment>PowerModeSwitch</comment>
        <translation>Power mód kapcsoló</translation>
    </message>
    <message>
        <source>Auto shift mode switch</source>
        <comment>AutoShiftModeSwitch</comment>
        <translation>Automata mód kapcsoló</translation>
    </message>
    <message>
        <source>Up shift switch</source>
        <comment>UpShiftSwitch</comment>
        <translation>Felváltó kapcsoló</translation>
    </message>
    <message>
        <source>Down shift switch</source>
        <comment>DownShiftSwitch</comment>
        <translation>Leváltó kapcsoló</translation>
    </message>
    <message>
        <source>Shift control switch</source>
        <comment>ShiftControlSwitch</comment>
        <translation>Váltásvezérlő kapcsoló</translation>
    </message>
    <message>
        <source>Normal mode</source>
        <comment>NormalMode</comment>
        <translation>Normál mód</translation>
    </message>
    <message>
        <source>Power mode</source>
        <comment>PowerMode</comment>
        <translation>Power mód</translation>
    </message>
    <message>
        <source>Auto shift mode</source>
        <comment>AutoShiftMode</comment>
        <translation>Automata váltási mód</translation>
    </message>
    <message>
        <source>Manual shift mode</source>
        <comment>ManualShiftMode</comment>
        <translation>Kézi váltási mód</translation>
    </message>
    <message>
        <source>Auto mode</source>
        <comment>AutoMode</comment>
        <translation>Automata mód</translation>
    </message>
</context>
<context>
    <name>EngineTransmissionPage</name>
    <message>
        <source>Engine speed</source>
        <comment>EngineSpeed</comment>
        <translation>Motorfordulatszám</translation>
    </message>
    <message>
        <source>Throttle position</source>
        <comment>ThrottlePosition</comment>
        <translation>Fojtószelep-állás</translation>
    </message>
    <message>
        <source>Secondary throttle actuator</source>
        <comment>SecondaryThrottleActuator</comment>
        <translation>Másodlagos fojtószelep-állítómotor</translation>
    </message>
    <message>
        <source>Engine coolant / oil temperature</source>
        <comment>CoolantTemperature</comment>
        <translation>Hűtőfolyadék-/olajhőmérséklet</translation>
    </message>
    <message>
        <source>Intake air temperature</source>
        <comment>IntakeAirTemperature</comment>
        <translation>Szívólevegő-hőmérséklet</translation>
    </message>
    <message>
        <source>Manifold absolute pressure 1</source>
        <comment>ManifoldPressure1</comment>
        <translation>Szívócsőnyomás 1</translation>
    </message>
    <message>
        <source>Atmospheric pressure</source>
        <comment>AtmosphericPressure</comment>
        <translation>Légköri nyomás</translation>
    </message>
    <message>
        <source>Battery voltage</source>
        <comment>BatteryVoltage</comment>
        <translation>Akkumulátorfeszültség</translation>
    </message>
    <message>
        <source>Vehicle speed</source>
        <comment>VehicleSpeed</comment>
        <translation>Járműsebesség</translation>
    </message>
    <message>
        <source>O2 sensor Bank 1 - Sensor 1</source>
        <comment>O2SensorBank1</comment>
        <translation>Lambdaszonda 1. bank - 1. szonda</translation>
    </message>
    <message>
        <source>Target idle speed</source>
        <comment>TargetIdleSpeed</comment>
        <translation>Előírt alapjárati fordulatszám</translation>
    </message>
    <message>
        <source>ISC valve position</source>
        <comment>IscValvePosition</comment>
        <translation>ISC-szelep állása</translation>
    </message>
    <message>
        <source>O2 sensor control select terminal</source>
        <comment>O2SensorSelectTerminal</comment>
        <translation>Lambdaszabályozás választókapocs</translation>
    </message>
    <message>
        <source>Ignition switch signal</source>
        <comment>IgnitionSwitch</comment>
        <translation>Gyújtáskapcsoló jele</translation>
    </message>
    <message>
        <source>Starter signal</source>
        <comment>StarterSignal</comment>
        <translation>Önindító jele</translation>
    </message>
    <message>
        <source>Tip over sensor</source>
        <comment>TipOverSensor</comment>
        <translation>Borulásérzékelő</translation>
    </message>
    <message>
        <source>PAIR control solenoid valve</source>
        <comment>PairSolenoidValve</comment>
        <translation>PAIR mágnesszelep</translation>
    </message>
    <message>
        <source>Secondary pulley speed sensor</source>
        <comment>SecondaryPulleySpeed</comment>
        <translation>Szekunder szíjtárcsa fordulatszáma</translation>
    </message>
    <message>
        <source>Pulley position sensor ratio</source>
        <comment>PulleyPositionRatio</comment>
        <translation>Áttétel (helyzetérzékelő)</translation>
    </message>
    <message>
        <source>Pulley speed ratio</source>
        <comment>PulleySpeedRatio</comment>
        <translation>Áttétel (fordulatszámok)</translation>
    </message>
    <message>
        <source>Relay contact voltage</source>
        <comment>RelayContactVoltage</comment>
        <translation>Reléérintkező-feszültség</translation>
    </message>
    <message>
        <source>Motor terminal voltage A</source>
        <comment>MotorTerminalVoltageA</comment>
        <translation>Motorkapocs-feszültség A</translation>
    </message>
    <message>
        <source>Motor terminal voltage B</source>
        <comment>MotorTerminalVoltageB</comment>
        <translation>Motorkapocs-feszültség B</translation>
    </message>
    <message>
        <source>Motor current</source>
        <comment>MotorCurrent</comment>
        <translation>Motoráram</translation>
    </message>
    <message>
        <source>Gear position</source>
        <comment>GearPosition</comment>
        <translation>Sebességfokozat</translation>
    </message>
    <message>
        <source>Motor lock</source>
        <comment>MotorLock</comment>
        <translation>Motor beragadt</translation>
    </message>
    <message>
        <source>Motor short</source>
        <comment>MotorShort</comment>
        <translation>Motor zárlat</translation>
    </message>
    <message>
        <source>Motor disconnection</source>
        <comment>MotorDisconnection</comment>
        <translation>Motor szakadás</translation>
    </message>
    <message>
        <source>Relay contact welding</source>
        <comment>RelayContactWelding</comment>
        <translation>Reléérintkező összehegedt</translation>
    </message>
    <message>
        <source>Center stand switch</source>
        <comment>CenterStandSwitch</comment>
        <translation>Középtámasz-kapcsoló</translation>
    </message>
    <message>
        <source>Brake switch</source>
        <comment>BrakeSwitch</comment>
        <translation>Féklámpakapcsoló</translation>
    </message>
    <message>
        <source>Power mode switch</source>
        <comment>PowerModeSwitch</comment>
        <translation>Power mód kapcsoló</translation>
    </message>
    <message>
        <source>Mode select switch</source>
        <comment>ModeSelectSwitch</comment>
        <translation>Módválasztó kapcsoló</translation>
    </message>
    <message>
        <source>Up shift switch</source>
        <comment>UpShiftSwitch</comment>
        <translation>Felváltó kapcsoló</translation>
    </message>
    <message>
        <source>Down shift switch</source>
        <comment>DownShiftSwitch</comment>
        <translation>Leváltó kapcsoló</translation>
    </message>
    <message>
        <source>Drive mode</source>
        <comment>DriveMode</comment>
        <translation>Menetmód</translation>
    </message>
    <message>
        <source>Power mode</source>
        <comment>PowerMode</comment>
        <translation>Power mód</translation>
    </message>
    <message>
        <source>CVT shift mode</source>
        <comment>CvtShiftMode</comment>
        <translation>CVT mód</translation>
    </message>
    <message>
        <source>7MT shift mode</source>
        <comment>SevenSpeedShiftMode</comment>
        <translation>7MT váltási mód</translation>
    </message>
    <message>
        <source>Auto mode</source>
        <comment>AutoMode</comment>
        <translation>Automata mód</translation>
    </message>
</context>
<context>
    <name>AbsPage</name>
    <message>
        <source>Brake switch</source>
        <comment>BrakeSwitch</comment>
        <translation>Féklámpakapcsoló</translation>
    </message>
    <message>
        <source>Wheel speed sensor (Front)</source>
        <comment>WheelSpeedFront</comment>
        <translation>Kerékfordulatszám-érzékelő (első)</translation>
    </message>
    <message>
        <source>Wheel speed sensor (Rear)</source>
        <comment>WheelSpeedRear</comment>
        <translation>Kerékfordulatszám-érzékelő (hátsó)</translation>
    </message>
    <message>
        <source>Monitoring voltage</source>
        <comment>MonitoringVoltage</comment>
        <translation>Felügyeleti feszültség</translation>
    </message>
    <message>
        <source>ABS solenoid IN/V open or short (F)</source>
        <comment>InletValveFrontFault</comment>
        <translation>ABS beömlőszelep szakadás/zárlat (első)</translation>
    </message>
    <message>
        <source>ABS solenoid OUT/V open or short (F)</source>
        <comment>OutletValveFrontFault</comment>
        <translation>ABS kiömlőszelep szakadás/zárlat (első)</translation>
    </message>
    <message>
        <source>ABS solenoid IN/V open or short (R)</source>
        <comment>InletValveRearFault</comment>
        <translation>ABS beömlőszelep szakadás/zárlat (hátsó)</translation>
    </message>
    <message>
        <source>ABS solenoid OUT/V open or short (R)</source>
        <comment>OutletValveRearFault</comment>
        <translation>ABS kiömlőszelep szakadás/zárlat (hátsó)</translation>
    </message>
    <message>
        <source>ABS solenoid valve relay lock</source>
        <comment>ValveRelayLock</comment>
        <translation>ABS szeleprelé beragadt</translation>
    </message>
    <message>
        <source>ABS motor</source>
        <comment>Motor</comment>
        <translation>ABS szivattyúmotor</translation>
    </message>
    <message>
        <source>ABS motor relay lock (Off)</source>
        <comment>MotorRelayLockOff</comment>
        <translation>ABS motorrelé beragadt (Ki)</translation>
    </message>
    <message>
        <source>ABS motor relay lock (On)</source>
        <comment>MotorRelayLockOn</comment>
        <translation>ABS motorrelé beragadt (Be)</translation>
    </message>
    <message>
        <source>Service check signal position</source>
        <comment>ServiceCheckSignal</comment>
        <translation>Szervizellenőrző jel állása</translation>
    </message>
    <message>
        <source>ABS solenoid valve relay operate</source>
        <comment>ValveRelayOperate</comment>
        <translation>ABS szeleprelé működtetése</translation>
    </message>
    <message>
        <source>ABS solenoid IN/V (F) operate</source>
        <comment>InletValveFrontOperate</comment>
        <translation>ABS beömlőszelep (első) működtetése</translation>
    </message>
    <message>
        <source>ABS solenoid OUT/V (F) operate</source>
        <comment>OutletValveFrontOperate</comment>
        <translation>ABS kiömlőszelep (első) működtetése</translation>
    </message>
    <message>
        <source>ABS solenoid IN/V (R) operate</source>
        <comment>InletValveRearOperate</comment>
        <translation>ABS beömlőszelep (hátsó) működtetése</translation>
    </message>
    <message>
        <source>ABS solenoid OUT/V (R) operate</source>
        <comment>OutletValveRearOperate</comment>
        <translation>ABS kiömlőszelep (hátsó) működtetése</translation>
    </message>
    <message>
        <source>ABS motor operate</source>
        <comment>MotorOperate</comment>
        <translation>ABS szivattyúmotor működtetése</translation>
    </message>
</context>
<context>
    <name>EpsPage</name>
    <message>
        <source>Battery voltage</source>
        <comment>BatteryVoltage</comment>
        <translation>Akkumulátorfeszültség</translation>
    </message>
    <message>
        <source>Motor current target</source>
        <comment>MotorCurrentTarget</comment>
        <translation>Motoráram, előírt</translation>
    </message>
    <message>
        <source>Motor current detection</source>
        <comment>MotorCurrentDetection</comment>
        <translation>Motoráram, mért</translation>
    </message>
    <message>
        <source>Steering torque sensor power supply</source>
        <comment>TorqueSensorSupply</comment>
        <translation>Kormánynyomaték-érzékelő tápfeszültség</translation>
    </message>
    <message>
        <source>Steering torque main</source>
        <comment>TorqueMain</comment>
        <translation>Kormánynyomaték (fő)</translation>
    </message>
    <message>
        <source>Steering torque sub</source>
        <comment>TorqueSub</comment>
        <translation>Kormánynyomaték (segéd)</translation>
    </message>
    <message>
        <source>Steering control torque</source>
        <comment>ControlTorque</comment>
        <translation>Kormányszabályozási nyomaték</translation>
    </message>
    <message>
        <source>Motor terminal voltage</source>
        <comment>MotorTerminalVoltage</comment>
        <translation>Motorkapocs-feszültség</translation>
    </message>
    <message>
        <source>Vehicle speed</source>
        <comment>VehicleSpeed</comment>
        <translation>Járműsebesség</translation>
    </message>
    <message>
        <source>Engine speed</source>
        <comment>EngineSpeed</comment>
        <translation>Motorfordulatszám</translation>
    </message>
    <message>
        <source>Ignition switch</source>
        <comment>IgnitionSwitch</comment>
        <translation>Gyújtáskapcsoló</translation>
    </message>
    <message>
        <source>System power</source>
        <comment>SystemPower</comment>
        <translation>Rendszer tápellátás</translation>
    </message>
    <message>
        <source>Relay output</source>
        <comment>RelayOutput</comment>
        <translation>Relékimenet</translation>
    </message>
</context>
<context>
    <name>ErrorCodesPage</name>
    <message>
        <source>DTC No.:;Detected failure condition:;Current/Past:;</source>
        <comment>Header</comment>
        <extracomment>Column names separated by &apos;;&apos;: keep every &apos;;&apos;, the last one too.</extracomment>
        <translation>Hibakód:;Észlelt hibaállapot:;Aktív/Tárolt:;</translation>
    </message>
    <message>
        <source>Past</source>
        <comment>Past</comment>
        <translation>Tárolt</translation>
    </message>
    <message>
        <source>Pending</source>
        <comment>Pending</comment>
        <translation>Függő</translation>
    </message>
    <message>
        <source>Current</source>
        <comment>Current</comment>
        <translation>Aktív</translation>
    </message>
</context>
<context>
    <name>ShowDataWhenTroublePage</name>
    <message>
        <source>Fault 1#;Pre-detect;Detect point;Post-detect;Fix point;Cycle min;Cycle max;Unit;</source>
        <comment>Fault1Header</comment>
        <extracomment>Column names separated by &apos;;&apos;: keep every &apos;;&apos;, the last one too.</extracomment>
        <translation>Hiba 1#;Előtte;Észleléskor;Utána;Rögzítéskor;Ciklus min;Ciklus max;Egység;</translation>
    </message>
    <message>
        <source>Fault 2#;Pre-detect;Detect point;Post-detect;Fix point;Cycle min;Cycle max;Unit;</source>
        <comment>Fault2Header</comment>
        <extracomment>Column names separated by &apos;;&apos;: keep every &apos;;&apos;, the last one too.</extracomment>
        <translation>Hiba 2#;Előtte;Észleléskor;Utána;Rögzítéskor;Ciklus min;Ciklus max;Egység;</translation>
    </message>
    <message>
        <source>Engine speed</source>
        <comment>EngineSpeed</comment>
        <translation>Motorfordulatszám</translation>
    </message>
    <message>
        <source>Throttle position</source>
        <comment>ThrottlePosition</comment>
        <translation>Fojtószelep-állás</translation>
    </message>
    <message>
        <source>Manifold absolute pressure 1</source>
        <comment>ManifoldPressure</comment>
        <translation>Szívócsőnyomás 1</translation>
    </message>
    <message>
        <source>Engine coolant / oil temperature</source>
        <comment>CoolantTemperature</comment>
        <translation>Hűtőfolyadék-/olajhőmérséklet</translation>
    </message>
    <message>
        <source>Gear position</source>
        <comment>GearPosition</comment>
        <translation>Sebességfokozat</translation>
    </message>
    <message>
        <source>Secondary throttle position</source>
        <comment>SecondaryThrottlePosition</comment>
        <translation>Másodlagos fojtószelep-állás</translation>
    </message>
    <message>
        <source>Low</source>
        <comment>GearLow</comment>
        <translation>Lassú</translation>
    </message>
    <message>
        <source>High</source>
        <comment>GearHigh</comment>
        <translation>Gyors</translation>
    </message>
</context>
<context>
    <name>ActiveTestsPage</name>
    <message>
        <source>Steering damper solenoid operating control</source>
        <comment>SteeringDamperControl</comment>
        <translation>Kormánycsillapító mágnesszelep működtetése</translation>
    </message>
    <message>
        <source>Secondary throttle operating control</source>
        <comment>SecondaryThrottleControl</comment>
        <translation>Másodlagos fojtószelep működtetése</translation>
    </message>
    <message>
        <source>Exhaust valve operating control</source>
        <comment>ExhaustValveControl</comment>
        <translation>Kipufogószelep működtetése</translation>
    </message>
    <message>
        <source>ISC air volume control</source>
        <comment>IscAirVolumeControl</comment>
        <translation>ISC levegőmennyiség-szabályozás</translation>
    </message>
    <message>
        <source>ISC rpm control</source>
        <comment>IscRpmControl</comment>
        <translation>ISC fordulatszám-szabályozás</translation>
    </message>
    <message>
        <source>EVAP purge valve operating control</source>
        <comment>EvapPurgeControl</comment>
        <translation>EVAP öblítőszelep működtetése</translation>
    </message>
    <message>
        <source>PAIR solenoid operating control</source>
        <comment>PairSolenoidControl</comment>
        <translation>PAIR mágnesszelep működtetése</translation>
    </message>
    <message>
        <source>Cooling fan relay control</source>
        <comment>CoolingFanControl</comment>
        <translation>Hűtőventilátor-relé vezérlése</translation>
    </message>
    <message>
        <source>PPS learned value reset</source>
        <comment>PpsLearnedReset</comment>
        <translation>PPS tanult érték nullázása</translation>
    </message>
    <message>
        <source>ISC learned value reset</source>
        <comment>IscLearnedReset</comment>
        <translation>ISC tanult érték nullázása</translation>
    </message>
    <message>
        <source>TP learned valve reset</source>
        <comment>TpLearnedReset</comment>
        <translation>TP tanult érték nullázása</translation>
    </message>
    <message>
        <source>On</source>
        <comment>On</comment>
        <translation>Be</translation>
    </message>
    <message>
        <source>Off</source>
        <comment>Off</comment>
        <translation>Ki</translation>
    </message>
    <message>
        <source>Close</source>
        <comment>Close</comment>
        <translation>Zár</translation>
    </message>
    <message>
        <source>Open</source>
        <comment>Open</comment>
        <translation>Nyit</translation>
    </message>
    <message>
        <source>Start</source>
        <comment>Start</comment>
        <translation>Indítás</translation>
    </message>
    <message>
        <source>Stop</source>
        <comment>Stop</comment>
        <translation>Leállítás</translation>
    </message>
    <message>
        <source>Reset</source>
        <comment>Reset</comment>
        <translation>Nullázás</translation>
    </message>
    <message>
        <source>Can not execute because engine coolant temp is out of executable condition</source>
        <comment>CoolantOutOfCondition</comment>
        <translation>Nem hajtható végre: a hűtőfolyadék-hőmérséklet a megengedett tartományon kívül esik</translation>
    </message>
    <message>
        <source>Can not execute because engine speed is out of executable condition</source>
        <comment>SpeedOutOfCondition</comment>
        <translation>Nem hajtható végre: a motorfordulatszám a megengedett tartományon kívül esik</translation>
    </message>
    <message>
        <source>Can not execute because this ECM does not support this function</source>
        <comment>NotSupported</comment>
        <translation>Nem hajtható végre: ez az ECM nem támogatja ezt a funkciót</translation>
    </message>
    <message>
        <source>Reset has been performed successfully.</source>
        <comment>ResetDone</comment>
        <translation>A nullázás sikeresen megtörtént.</translation>
    </message>
    <message>
        <source>Execute ISC learned value reset?</source>
        <comment>IscResetQuestion</comment>
        <translation>Nullázza az ISC tanult értéket?</translation>
    </message>
</context>
<context>
    <name>AboutDialog</name>
    <message>
        <source>This software along with the hardware interface module allows the user to quickly determine the cause of the FI light coming on. The user is able to read the error codes and clear them after the repair. Sensor values are shown in real time, enabling a trained personnel for extended fault and engine performance analysis. Test functions are also included.
<byte value="xd"/><byte value="xd"/>The measurements are captured automatically and can be saved and played back from file. The program can run in multiple copies at the same time, which makes it possible to compare live readings to previously recorded values, or compare two recordings.
<byte value="xd"/><byte value="xd"/>The USB connection, compact size and auto setup make this product portable and extremely easy to use. The interface module is completely sealed (waterproof) and covered by our 2 year warranty. Software updates are offered free of charge for the lifetime of this product.</source>
        <comment>Description</comment>
        <extracomment>Keep every line break where the sentence allows it.</extracomment>
        <translation>Ez a szoftver a hardveres interfészmodullal együtt lehetővé teszi, hogy gyorsan megállapítsa az FI visszajelző lámpa kigyulladásának okát. A hibakódok kiolvashatók, és a javítás után törölhetők. Az érzékelők értékei valós időben jelennek meg, így a képzett szakember részletes hiba- és motorteljesítmény-elemzést végezhet. A szoftver tesztfunkciókat is tartalmaz.
<byte value="xd"/><byte value="xd"/>A mért értékeket a program automatikusan rögzíti, ezek menthetők és fájlból visszajátszhatók. A program egyszerre több példányban is futhat, így az élő mérési értékek összevethetők korábban rögzített értékekkel, vagy két felvétel egymással.
<byte value="xd"/><byte value="xd"/>Az USB-csatlakozás, a kis méret és az automatikus beállítás révén a termék hordozható és rendkívül egyszerűen használható. Az interfészmodul teljesen zárt (vízálló), és 2 év garanciát vállalunk rá. A szoftverfrissítések a termék teljes élettartama alatt ingyenesek.</translation>
    </message>
    <message>
        <source>Close</source>
        <comment>Close</comment>
        <translation>Bezárás</translation>
    </message>
    <message>
        <source>About</source>
        <comment>About</comment>
        <translation>Névjegy</translation>
    </message>
</context>
<context>
    <name>ModelsDialog</name>
    <message>
        <source>Close</source>
        <comment>Close</comment>
        <translation>Bezárás</translation>
    </message>
    <message>
        <source>MOTORCYCLES:</source>
        <comment>Motorcycles</comment>
        <translation>MOTORKERÉKPÁROK:</translation>
    </message>
</context>
<context>
    <name>SettingsDialog</name>
    <message>
        <source>Settings</source>
        <comment>Caption</comment>
        <translation>Beállítások</translation>
    </message>
    <message>
        <source>Speed</source>
        <comment>Speed</comment>
        <translation>Sebesség</translation>
    </message>
    <message>
        <source>Temperature</source>
        <comment>Temperature</comment>
        <translation>Hőmérséklet</translation>
    </message>
    <message>
        <source>Pressure</source>
        <comment>Pressure</comment>
        <translation>Nyomás</translation>
    </message>
    <message>
        <source>Airflow</source>
        <comment>Airflow</comment>
        <translation>Légtömegáram</translation>
    </message>
    <message>
        <source>Language</source>
        <comment>Language</comment>
        <translation>Nyelv</translation>
    </message>
    <message>
        <source>Highlighting period (sec)</source>
        <comment>HighlightingPeriod</comment>
        <translation>Kiemelés időtartama (sec)</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <comment>IntegerRange</comment>
        <extracomment>Keep %1 and %2: they become numbers.</extracomment>
        <translation>Adjon meg egy egész számot %1 és %2 között.</translation>
    </message>
</context>
<context>
    <name>FileBrowser</name>
    <message>
        <source>You do not have permission to save to this folder.</source>
        <comment>NoPermission</comment>
        <translation>Nincs jogosultsága ebbe a mappába menteni.</translation>
    </message>
    <message>
        <source>File not found.</source>
        <comment>FileNotFound</comment>
        <translation>A fájl nem található.</translation>
    </message>
    <message>
        <source>The file</source>
        <comment>TheFile</comment>
        <translation>A fájl</translation>
    </message>
    <message>
        <source>already exists.
<byte value="xd"/>Would you like to overwrite this file ?</source>
        <comment>AlreadyExists</comment>
        <extracomment>Keep every line break where the sentence allows it.</extracomment>
        <translation>már létezik.
<byte value="xd"/>Felülírja a fájlt?</translation>
    </message>
    <message>
        <source>Open</source>
        <comment>Open</comment>
        <translation>Megnyitás</translation>
    </message>
    <message>
        <source>Filter :</source>
        <comment>Filter</comment>
        <translation>Szűrő :</translation>
    </message>
    <message>
        <source>File name:</source>
        <comment>FileName</comment>
        <translation>Fájlnév:</translation>
    </message>
    <message>
        <source>Save</source>
        <comment>Save</comment>
        <translation>Mentés</translation>
    </message>
    <message>
        <source>Save as</source>
        <comment>SaveAs</comment>
        <translation>Mentés másként</translation>
    </message>
    <message>
        <source>Rename selected file or folder</source>
        <comment>RenameTip</comment>
        <translation>A kijelölt fájl vagy mappa átnevezése</translation>
    </message>
    <message>
        <source>Delete selected file or folder</source>
        <comment>DeleteTip</comment>
        <translation>A kijelölt fájl vagy mappa törlése</translation>
    </message>
    <message>
        <source>Create new folder</source>
        <comment>NewFolderTip</comment>
        <translation>Új mappa létrehozása</translation>
    </message>
    <message>
        <source>Drive not available.</source>
        <comment>DriveNotAvailable</comment>
        <translation>A meghajtó nem érhető el.</translation>
    </message>
    <message>
        <source>New</source>
        <comment>New</comment>
        <translation>Új</translation>
    </message>
    <message>
        <source>Access to the selected file or folder was denied.</source>
        <comment>AccessDenied</comment>
        <translation>A kijelölt fájlhoz vagy mappához való hozzáférés megtagadva.</translation>
    </message>
    <message>
        <source>Do you really want to delete the selected folder</source>
        <comment>DeleteFolderQuestion</comment>
        <translation>Biztosan törli a kijelölt mappát</translation>
    </message>
    <message>
        <source>Do you really want to delete the selected file</source>
        <comment>DeleteFileQuestion</comment>
        <translation>Biztosan törli a kijelölt fájlt</translation>
    </message>
    <message>
        <source>Cancel</source>
        <comment>Cancel</comment>
        <translation>Mégse</translation>
    </message>
    <message>
        <source>Drive :</source>
        <comment>Drive</comment>
        <translation>Meghajtó :</translation>
    </message>
    <message>
        <source>Path :</source>
        <comment>Path</comment>
        <translation>Elérési út :</translation>
    </message>
    <message>
        <source>File type :</source>
        <comment>FileType</comment>
        <translation>Fájltípus :</translation>
    </message>
    <message>
        <source>Rename</source>
        <comment>RenameTitle</comment>
        <translation>Átnevezés</translation>
    </message>
    <message>
        <source>New folder</source>
        <comment>NewFolderTitle</comment>
        <translation>Új mappa</translation>
    </message>
</context>
<context>
    <name>GraphView</name>
    <message>
        <source>Graph view</source>
        <comment>Title</comment>
        <translation>Grafikonok</translation>
    </message>
    <message>
        <source>Minimum:</source>
        <comment>Minimum</comment>
        <translation>Minimum:</translation>
    </message>
    <message>
        <source>Maximum:</source>
        <comment>Maximum</comment>
        <translation>Maximum:</translation>
    </message>
    <message>
        <source>Actual:</source>
        <comment>Actual</comment>
        <translation>Aktuális:</translation>
    </message>
    <message>
        <source>Pause</source>
        <comment>Pause</comment>
        <translation>Szünet</translation>
    </message>
    <message>
        <source>Resume</source>
        <comment>Resume</comment>
        <translation>Folytatás</translation>
    </message>
    <message>
        <source>Reset view</source>
        <comment>ResetView</comment>
        <translation>Nézet visszaállítása</translation>
    </message>
    <message>
        <source>Export</source>
        <comment>Export</comment>
        <translation>Exportálás</translation>
    </message>
    <message>
        <source>Change the Time scale:
<byte value="xd"/>Click with the left or right mouse button anywhere on the graphs to zoom the time scale in or out.
<byte value="xd"/>Press the left mouse button and move the mouse left or right to move the time scale.
<byte value="xd"/>Press &apos;&apos;Reset view&apos;&apos; to reset the time scale.
<byte value="xd"/>Zooming is meant for recorded measurements.
<byte value="xd"/>
<byte value="xd"/>Several instances of the program can run at the same time, so that graphs can be compared.
<byte value="xd"/>
<byte value="xd"/>During a live measurement, selecting another sensor erases the graphs while the recording continues.</source>
        <comment>HelpText</comment>
        <extracomment>Keep every line break where the sentence allows it. &apos;&apos; (two apostrophes) is a quote mark.</extracomment>
        <translation>Az időtengely módosítása:
<byte value="xd"/>A grafikonok bármely pontjára a bal vagy a jobb egérgombbal kattintva az időtengely nagyítható vagy kicsinyíthető.
<byte value="xd"/>A bal egérgombot lenyomva tartva és az egeret balra vagy jobbra húzva az időtengely eltolható.
<byte value="xd"/>A &apos;&apos;Nézet visszaállítása&apos;&apos; gomb visszaállítja az eredeti időtengelyt.
<byte value="xd"/>A nagyítás rögzített mérésekhez készült.
<byte value="xd"/>
<byte value="xd"/>A program egyszerre több példányban is futhat, így a grafikonok összehasonlíthatók.
<byte value="xd"/>
<byte value="xd"/>Élő mérés közben egy másik érzékelő kiválasztása törli a grafikonokat, a rögzítés közben tovább folytatódik.</translation>
    </message>
    <message>
        <source>Compare...</source>
        <comment>Compare</comment>
        <translation>Összehasonlítás...</translation>
    </message>
    <message>
        <source>Clear reference</source>
        <comment>ClearReference</comment>
        <translation>Referencia törlése</translation>
    </message>
    <message>
        <source>Offset:</source>
        <comment>Offset</comment>
        <translation>Eltolás:</translation>
    </message>
    <message>
        <source>Align at engine start</source>
        <comment>AlignAtEngineStart</comment>
        <translation>Igazítás a motorindításhoz</translation>
    </message>
    <message>
        <source>Solid: %1   Dashed: %2</source>
        <comment>Legend</comment>
        <extracomment>Keep %1 and %2: they become numbers.</extracomment>
        <translation>Folytonos: %1   Szaggatott: %2</translation>
    </message>
    <message>
        <source>live session</source>
        <comment>LiveSession</comment>
        <translation>élő mérés</translation>
    </message>
    <message>
        <source>Not in the reference: %1</source>
        <comment>NotInReference</comment>
        <extracomment>Keep %1 and %2: they become numbers.</extracomment>
        <translation>Nincs a referenciában: %1</translation>
    </message>
    <message>
        <source>The engine does not start in both rides; the offset stays as it is.</source>
        <comment>NoEngineStart</comment>
        <translation>A motor nem indul mindkét menetben; az eltolás nem változik.</translation>
    </message>
</context>
<context>
    <name>TroubleCodes</name>
    <message>
        <source>Unknown error</source>
        <comment>Unknown</comment>
        <extracomment>Description of a trouble code that has no text of its own.</extracomment>
        <translation>Ismeretlen hiba</translation>
    </message>
    <message>
        <source>Manifold absolute pressure circuit malfunction 1</source>
        <comment>P0105</comment>
        <extracomment>Description of trouble code P0105.</extracomment>
        <translation>Szívócsőnyomás-érzékelő 1 - áramköri hiba</translation>
    </message>
    <message>
        <source>Intake air temperature circuit malfunction</source>
        <comment>P0110</comment>
        <extracomment>Description of trouble code P0110.</extracomment>
        <translation>Szívólevegő-hőmérséklet-érzékelő - áramköri hiba</translation>
    </message>
    <message>
        <source>Engine coolant / oil temperature circuit malfunction</source>
        <comment>P0115</comment>
        <extracomment>Description of trouble code P0115.</extracomment>
        <translation>Hűtőfolyadék-/olajhőmérséklet-érzékelő - áramköri hiba</translation>
    </message>
    <message>
        <source>Throttle position sensor A circuit malfunction</source>
        <comment>P0120</comment>
        <extracomment>Description of trouble code P0120.</extracomment>
        <translation>Fojtószelep-helyzetérzékelő A - áramköri hiba</translation>
    </message>
    <message>
        <source>O2 sensor circuit malfunction (Bank1 Sensor 1)</source>
        <comment>P0130</comment>
        <extracomment>Description of trouble code P0130.</extracomment>
        <translation>Lambdaszonda - áramköri hiba (1. bank, 1. szonda)</translation>
    </message>
    <message>
        <source>O2 sensor heater circuit malfunction (Bank1 Sensor 1)</source>
        <comment>P0135</comment>
        <extracomment>Description of trouble code P0135.</extracomment>
        <translation>Lambdaszonda-fűtés - áramköri hiba (1. bank, 1. szonda)</translation>
    </message>
    <message>
        <source>O2 sensor circuit malfunction (Bank2 Sensor 2)</source>
        <comment>P0156</comment>
        <extracomment>Description of trouble code P0156.</extracomment>
        <translation>Lambdaszonda - áramköri hiba (2. bank, 2. szonda)</translation>
    </message>
    <message>
        <source>O2 sensor heater circuit malfunction (Bank2 Sensor 2)</source>
        <comment>P0161</comment>
        <extracomment>Description of trouble code P0161.</extracomment>
        <translation>Lambdaszonda-fűtés - áramköri hiba (2. bank, 2. szonda)</translation>
    </message>
    <message>
        <source>Injector circuit cylinder 1 malfunction</source>
        <comment>P0201</comment>
        <extracomment>Description of trouble code P0201.</extracomment>
        <translation>Befecskendező (1. henger) - áramköri hiba</translation>
    </message>
    <message>
        <source>Injector circuit cylinder 2 malfunction</source>
        <comment>P0202</comment>
        <extracomment>Description of trouble code P0202.</extracomment>
        <translation>Befecskendező (2. henger) - áramköri hiba</translation>
    </message>
    <message>
        <source>Injector circuit cylinder 3 malfunction</source>
        <comment>P0203</comment>
        <extracomment>Description of trouble code P0203.</extracomment>
        <translation>Befecskendező (3. henger) - áramköri hiba</translation>
    </message>
    <message>
        <source>Injector circuit cylinder 4 malfunction</source>
        <comment>P0204</comment>
        <extracomment>Description of trouble code P0204.</extracomment>
        <translation>Befecskendező (4. henger) - áramköri hiba</translation>
    </message>
    <message>
        <source>Fuel pump circuit malfunction</source>
        <comment>P0230</comment>
        <extracomment>Description of trouble code P0230.</extracomment>
        <translation>Üzemanyag-szivattyú - áramköri hiba</translation>
    </message>
    <message>
        <source>Crankshaft position sensor A circuit malfunction</source>
        <comment>P0335</comment>
        <extracomment>Description of trouble code P0335.</extracomment>
        <translation>Főtengely-helyzetérzékelő A - áramköri hiba</translation>
    </message>
    <message>
        <source>Camshaft position sensor A circuit malfunction</source>
        <comment>P0340</comment>
        <extracomment>Description of trouble code P0340.</extracomment>
        <translation>Vezérműtengely-helyzetérzékelő A - áramköri hiba</translation>
    </message>
    <message>
        <source>Ignition coil A circuit malfunction</source>
        <comment>P0351</comment>
        <extracomment>Description of trouble code P0351.</extracomment>
        <translation>Gyújtótekercs A - áramköri hiba</translation>
    </message>
    <message>
        <source>Ignition coil B circuit malfunction</source>
        <comment>P0352</comment>
        <extracomment>Description of trouble code P0352.</extracomment>
        <translation>Gyújtótekercs B - áramköri hiba</translation>
    </message>
    <message>
        <source>Ignition coil C circuit malfunction</source>
        <comment>P0353</comment>
        <extracomment>Description of trouble code P0353.</extracomment>
        <translation>Gyújtótekercs C - áramköri hiba</translation>
    </message>
    <message>
        <source>Ignition coil D circuit malfunction</source>
        <comment>P0354</comment>
        <extracomment>Description of trouble code P0354.</extracomment>
        <translation>Gyújtótekercs D - áramköri hiba</translation>
    </message>
    <message>
        <source>EVAP system purge valve circuit malfunction</source>
        <comment>P0443</comment>
        <extracomment>Description of trouble code P0443.</extracomment>
        <translation>EVAP öblítőszelep - áramköri hiba</translation>
    </message>
    <message>
        <source>Cooling fan control circuit malfunction</source>
        <comment>P0480</comment>
        <extracomment>Description of trouble code P0480.</extracomment>
        <translation>Hűtőventilátor-vezérlés - áramköri hiba</translation>
    </message>
    <message>
        <source>Vehicle speed sensor malfunction</source>
        <comment>P0500</comment>
        <extracomment>Description of trouble code P0500.</extracomment>
        <translation>Járműsebesség-érzékelő hiba</translation>
    </message>
    <message>
        <source>ISC valve circuit malfunction</source>
        <comment>P0505</comment>
        <extracomment>Description of trouble code P0505.</extracomment>
        <translation>ISC-szelep - áramköri hiba</translation>
    </message>
    <message>
        <source>ISC valve, lower than desired rpm</source>
        <comment>P0506</comment>
        <extracomment>Description of trouble code P0506.</extracomment>
        <translation>ISC-szelep, a fordulatszám az előírtnál alacsonyabb</translation>
    </message>
    <message>
        <source>ISC valve, higher than desired rpm</source>
        <comment>P0507</comment>
        <extracomment>Description of trouble code P0507.</extracomment>
        <translation>ISC-szelep, a fordulatszám az előírtnál magasabb</translation>
    </message>
    <message>
        <source>Starter relay circuit malfunction</source>
        <comment>P0615</comment>
        <extracomment>Description of trouble code P0615.</extracomment>
        <translation>Önindító relé - áramköri hiba</translation>
    </message>
    <message>
        <source>Gear position switch circuit malfunction</source>
        <comment>P0705</comment>
        <extracomment>Description of trouble code P0705.</extracomment>
        <translation>Sebességfokozat-kapcsoló - áramköri hiba</translation>
    </message>
    <message>
        <source>EPS torque sensor (Main) circuit malfunction</source>
        <comment>P1111</comment>
        <extracomment>Description of trouble code P1111.</extracomment>
        <translation>EPS nyomatékérzékelő (fő) - áramköri hiba</translation>
    </message>
    <message>
        <source>EPS torque sensor (Main/Sub) circuit correlation</source>
        <comment>P1113</comment>
        <extracomment>Description of trouble code P1113.</extracomment>
        <translation>EPS nyomatékérzékelő (fő/segéd) - jelek nem egyeznek</translation>
    </message>
    <message>
        <source>EPS torque sensor power supply (5V) circuit malfunction</source>
        <comment>P1114</comment>
        <extracomment>Description of trouble code P1114.</extracomment>
        <translation>EPS nyomatékérzékelő tápellátás (5V) - áramköri hiba</translation>
    </message>
    <message>
        <source>EPS torque sensor (Sub) circuit malfunction</source>
        <comment>P1115</comment>
        <extracomment>Description of trouble code P1115.</extracomment>
        <translation>EPS nyomatékérzékelő (segéd) - áramköri hiba</translation>
    </message>
    <message>
        <source>Vehicle speed sensor malfunction</source>
        <comment>P1121</comment>
        <extracomment>Description of trouble code P1121.</extracomment>
        <translation>Járműsebesség-érzékelő hiba</translation>
    </message>
    <message>
        <source>Engine speed signal malfunction</source>
        <comment>P1122</comment>
        <extracomment>Description of trouble code P1122.</extracomment>
        <translation>Motorfordulatszám-jel hiba</translation>
    </message>
    <message>
        <source>Motor circuit voltage malfunction</source>
        <comment>P1141</comment>
        <extracomment>Description of trouble code P1141.</extracomment>
        <translation>Motoráramkör - feszültséghiba</translation>
    </message>
    <message>
        <source>Motor detecting current malfunction</source>
        <comment>P1142</comment>
        <extracomment>Description of trouble code P1142.</extracomment>
        <translation>Motor - áramérzékelési hiba</translation>
    </message>
    <message>
        <source>Motor circuit current too high</source>
        <comment>P1143</comment>
        <extracomment>Description of trouble code P1143.</extracomment>
        <translation>Motoráramkör - túl nagy áram</translation>
    </message>
    <message>
        <source>Motor circuit current too low</source>
        <comment>P1145</comment>
        <extracomment>Description of trouble code P1145.</extracomment>
        <translation>Motoráramkör - túl kicsi áram</translation>
    </message>
    <message>
        <source>Relay welding</source>
        <comment>P1152</comment>
        <extracomment>Description of trouble code P1152.</extracomment>
        <translation>Relé összehegedt</translation>
    </message>
    <message>
        <source>Battery voltage too low</source>
        <comment>P1153</comment>
        <extracomment>Description of trouble code P1153.</extracomment>
        <translation>Túl alacsony akkumulátorfeszültség</translation>
    </message>
    <message>
        <source>Relay malfunction</source>
        <comment>P1154</comment>
        <extracomment>Description of trouble code P1154.</extracomment>
        <translation>Relé hiba</translation>
    </message>
    <message>
        <source>EPS control unit malfunction</source>
        <comment>P1155</comment>
        <extracomment>Description of trouble code P1155.</extracomment>
        <translation>EPS vezérlőegység hiba</translation>
    </message>
    <message>
        <source>Atmospheric pressure sensor circuit malfunction</source>
        <comment>P1450</comment>
        <extracomment>Description of trouble code P1450.</extracomment>
        <translation>Légkörinyomás-érzékelő - áramköri hiba</translation>
    </message>
    <message>
        <source>Serial communication problem between ECM and TCM</source>
        <comment>P1600</comment>
        <extracomment>Description of trouble code P1600.</extracomment>
        <translation>Soros kommunikációs hiba az ECM és a TCM között</translation>
    </message>
    <message>
        <source>Wheel speed sensor rotor malfunction(F)</source>
        <comment>P1613</comment>
        <extracomment>Description of trouble code P1613.</extracomment>
        <translation>Kerékfordulatszám-érzékelő impulzusgyűrű hiba (első)</translation>
    </message>
    <message>
        <source>Wheel speed sensor rotor malfunction(R)</source>
        <comment>P1614</comment>
        <extracomment>Description of trouble code P1614.</extracomment>
        <translation>Kerékfordulatszám-érzékelő impulzusgyűrű hiba (hátsó)</translation>
    </message>
    <message>
        <source>ABS actuator circuit malfunction(F)</source>
        <comment>P1622</comment>
        <extracomment>Description of trouble code P1622.</extracomment>
        <translation>ABS modulátor - áramköri hiba (első)</translation>
    </message>
    <message>
        <source>ABS actuator circuit malfunction(R)</source>
        <comment>P1623</comment>
        <extracomment>Description of trouble code P1623.</extracomment>
        <translation>ABS modulátor - áramköri hiba (hátsó)</translation>
    </message>
    <message>
        <source>Incorrect tire size or wheel speed sensor related malfunction</source>
        <comment>P1625</comment>
        <extracomment>Description of trouble code P1625.</extracomment>
        <translation>Hibás gumiabroncsméret vagy kerékfordulatszám-érzékelő hiba</translation>
    </message>
    <message>
        <source>ABS motor malfunction</source>
        <comment>P1635</comment>
        <extracomment>Description of trouble code P1635.</extracomment>
        <translation>ABS szivattyúmotor hiba</translation>
    </message>
    <message>
        <source>Wheel speed sensor signal malfunction(F)</source>
        <comment>P1641</comment>
        <extracomment>Description of trouble code P1641.</extracomment>
        <translation>Kerékfordulatszám-érzékelő - jelhiba (első)</translation>
    </message>
    <message>
        <source>Wheel speed sensor circuit open (F)</source>
        <comment>P1642</comment>
        <extracomment>Description of trouble code P1642.</extracomment>
        <translation>Kerékfordulatszám-érzékelő - szakadás (első)</translation>
    </message>
    <message>
        <source>Wheel speed sensor circuit short (F)</source>
        <comment>P1643</comment>
        <extracomment>Description of trouble code P1643.</extracomment>
        <translation>Kerékfordulatszám-érzékelő - zárlat (első)</translation>
    </message>
    <message>
        <source>Wheel speed sensor signal malfunction(R)</source>
        <comment>P1644</comment>
        <extracomment>Description of trouble code P1644.</extracomment>
        <translation>Kerékfordulatszám-érzékelő - jelhiba (hátsó)</translation>
    </message>
    <message>
        <source>Wheel speed sensor circuit open(R)</source>
        <comment>P1645</comment>
        <extracomment>Description of trouble code P1645.</extracomment>
        <translation>Kerékfordulatszám-érzékelő - szakadás (hátsó)</translation>
    </message>
    <message>
        <source>Wheel speed sensor circuit short(R)</source>
        <comment>P1646</comment>
        <extracomment>Description of trouble code P1646.</extracomment>
        <translation>Kerékfordulatszám-érzékelő - zárlat (hátsó)</translation>
    </message>
    <message>
        <source>Supply voltage(Increased)</source>
        <comment>P1647</comment>
        <extracomment>Description of trouble code P1647.</extracomment>
        <translation>Tápfeszültség (túl magas)</translation>
    </message>
    <message>
        <source>Supply voltage(Decreased)</source>
        <comment>P1648</comment>
        <extracomment>Description of trouble code P1648.</extracomment>
        <translation>Tápfeszültség (túl alacsony)</translation>
    </message>
    <message>
        <source>Ignition switch signal circuit malfunction</source>
        <comment>P1650</comment>
        <extracomment>Description of trouble code P1650.</extracomment>
        <translation>Gyújtáskapcsoló jele - áramköri hiba</translation>
    </message>
    <message>
        <source>Tip over sensor circuit malfunction</source>
        <comment>P1651</comment>
        <extracomment>Description of trouble code P1651.</extracomment>
        <translation>Borulásérzékelő - áramköri hiba</translation>
    </message>
    <message>
        <source>PTC heater circuit malfunction</source>
        <comment>P1652</comment>
        <extracomment>Description of trouble code P1652.</extracomment>
        <translation>PTC fűtés - áramköri hiba</translation>
    </message>
    <message>
        <source>Secondary throttle actuator position sensor circuit malfunction</source>
        <comment>P1654</comment>
        <extracomment>Description of trouble code P1654.</extracomment>
        <translation>Másodlagos fojtószelep-állítómotor helyzetérzékelője - áramköri hiba</translation>
    </message>
    <message>
        <source>Secondary throttle motor circuit malfunction</source>
        <comment>P1655</comment>
        <extracomment>Description of trouble code P1655.</extracomment>
        <translation>Másodlagos fojtószelep motorja - áramköri hiba</translation>
    </message>
    <message>
        <source>PAIR circuit malfunction</source>
        <comment>P1656</comment>
        <extracomment>Description of trouble code P1656.</extracomment>
        <translation>PAIR rendszer - áramköri hiba</translation>
    </message>
    <message>
        <source>Exhaust control valve actuator position sensor circuit malfunction</source>
        <comment>P1657</comment>
        <extracomment>Description of trouble code P1657.</extracomment>
        <translation>Kipufogószelep-állítómotor helyzetérzékelője - áramköri hiba</translation>
    </message>
    <message>
        <source>Exhaust control valve motor circuit malfunction</source>
        <comment>P1658</comment>
        <extracomment>Description of trouble code P1658.</extracomment>
        <translation>Kipufogószelep motorja - áramköri hiba</translation>
    </message>
    <message>
        <source>ABS solenoid malfunction</source>
        <comment>P1661</comment>
        <extracomment>Description of trouble code P1661.</extracomment>
        <translation>ABS mágnesszelep hiba</translation>
    </message>
    <message>
        <source>Throttle position signal input malfunction</source>
        <comment>P1700</comment>
        <extracomment>Description of trouble code P1700.</extracomment>
        <translation>Fojtószelep-helyzet jelbemenet hiba</translation>
    </message>
    <message>
        <source>Manifold absolute pressure circuit malfunction 2</source>
        <comment>P1750</comment>
        <extracomment>Description of trouble code P1750.</extracomment>
        <translation>Szívócsőnyomás-érzékelő 2 - áramköri hiba</translation>
    </message>
    <message>
        <source>Decomp solenoid relay circuit malfunction</source>
        <comment>P1751</comment>
        <extracomment>Description of trouble code P1751.</extracomment>
        <translation>Dekompresszor mágnesszelep reléje - áramköri hiba</translation>
    </message>
    <message>
        <source>Differential lock relay circuit malfunction</source>
        <comment>P1752</comment>
        <extracomment>Description of trouble code P1752.</extracomment>
        <translation>Differenciálzár reléje - áramköri hiba</translation>
    </message>
    <message>
        <source>Secondary injector cir. - cyl. 1 malfunction</source>
        <comment>P1764</comment>
        <extracomment>Description of trouble code P1764.</extracomment>
        <translation>Másodlagos befecskendező (1. henger) - áramköri hiba</translation>
    </message>
    <message>
        <source>Secondary injector cir. - cyl. 2 malfunction</source>
        <comment>P1765</comment>
        <extracomment>Description of trouble code P1765.</extracomment>
        <translation>Másodlagos befecskendező (2. henger) - áramköri hiba</translation>
    </message>
    <message>
        <source>Secondary injector cir. - cyl. 3 malfunction</source>
        <comment>P1766</comment>
        <extracomment>Description of trouble code P1766.</extracomment>
        <translation>Másodlagos befecskendező (3. henger) - áramköri hiba</translation>
    </message>
    <message>
        <source>Secondary injector cir. - cyl. 4 malfunction</source>
        <comment>P1767</comment>
        <extracomment>Description of trouble code P1767.</extracomment>
        <translation>Másodlagos befecskendező (4. henger) - áramköri hiba</translation>
    </message>
    <message>
        <source>PAIR circuit malfunction 2</source>
        <comment>P1768</comment>
        <extracomment>Description of trouble code P1768.</extracomment>
        <translation>PAIR rendszer - áramköri hiba 2</translation>
    </message>
    <message>
        <source>Steering damper solenoid circuit malfunction</source>
        <comment>P1769</comment>
        <extracomment>Description of trouble code P1769.</extracomment>
        <translation>Kormánycsillapító mágnesszelep - áramköri hiba</translation>
    </message>
    <message>
        <source>Crankshaft rotation signal circuit malfunction</source>
        <comment>P1771</comment>
        <extracomment>Description of trouble code P1771.</extracomment>
        <translation>Főtengely-forgásjel - áramköri hiba</translation>
    </message>
    <message>
        <source>Switch circuit malfunction for CVT</source>
        <comment>P1815</comment>
        <extracomment>Description of trouble code P1815.</extracomment>
        <translation>CVT kapcsoló - áramköri hiba</translation>
    </message>
    <message>
        <source>Secondary pulley speed sensor circuit malfunction</source>
        <comment>P1831</comment>
        <extracomment>Description of trouble code P1831.</extracomment>
        <translation>Szekunder szíjtárcsa fordulatszám-érzékelője - áramköri hiba</translation>
    </message>
    <message>
        <source>Motor system malfunction</source>
        <comment>P1861</comment>
        <extracomment>Description of trouble code P1861.</extracomment>
        <translation>Állítómotor-rendszer hiba</translation>
    </message>
    <message>
        <source>Pulley position sensor circuit malfunction</source>
        <comment>P1862</comment>
        <extracomment>Description of trouble code P1862.</extracomment>
        <translation>Szíjtárcsa-helyzetérzékelő - áramköri hiba</translation>
    </message>
    <message>
        <source>Belt slip/Pulley position sensor system malfunction</source>
        <comment>P1863</comment>
        <extracomment>Description of trouble code P1863.</extracomment>
        <translation>Szíjcsúszás/szíjtárcsa-helyzetérzékelő - rendszerhiba</translation>
    </message>
    <message>
        <source>ECM/PCM power input signal malfunction</source>
        <comment>P2505</comment>
        <extracomment>Description of trouble code P2505.</extracomment>
        <translation>ECM/PCM tápellátás - bemeneti jel hiba</translation>
    </message>
</context>
</TS>
