<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs_CZ" sourcelanguage="en">
<context>
    <name>MainWindow</name>
    <message>
        <source>Clear errors</source>
        <comment>ClearErrors</comment>
        <translation>Vymazat chyby</translation>
    </message>
    <message>
        <source>Connect</source>
        <comment>Connect</comment>
        <translation>Připojit</translation>
    </message>
    <message>
        <source>Save As...</source>
        <comment>SaveAs</comment>
        <translation>Uložit jako...</translation>
    </message>
    <message>
        <source>Open...</source>
        <comment>Open</comment>
        <translation>Otevřít...</translation>
    </message>
    <message>
        <source>Close</source>
        <comment>Close</comment>
        <translation>Zavřít</translation>
    </message>
    <message>
        <source>Exit</source>
        <comment>Exit</comment>
        <translation>Konec</translation>
    </message>
    <message>
        <source>Number of DTCs:</source>
        <comment>NumberOfDtcs</comment>
        <translation>Počet chybových kódů:</translation>
    </message>
    <message>
        <source>Engine</source>
        <comment>TabEngine</comment>
        <translation>Motor</translation>
    </message>
    <message>
        <source>Transmission</source>
        <comment>TabTransmission</comment>
        <translation>Převodovka</translation>
    </message>
    <message>
        <source>Engine &amp; Transmission</source>
        <comment>TabEngineTransmission</comment>
        <translation>Motor a převodovka</translation>
    </message>
    <message>
        <source>Error codes</source>
        <comment>TabErrorCodes</comment>
        <translation>Chybové kódy</translation>
    </message>
    <message>
        <source>Show data when trouble</source>
        <comment>TabShowDataWhenTrouble</comment>
        <translation>Data při poruše</translation>
    </message>
    <message>
        <source>Active tests</source>
        <comment>TabActiveTests</comment>
        <translation>Akční testy</translation>
    </message>
    <message>
        <source>About</source>
        <comment>About</comment>
        <translation>O programu</translation>
    </message>
    <message>
        <source>Hardware ID:</source>
        <comment>HardwareId</comment>
        <translation>ID hardwaru:</translation>
    </message>
    <message>
        <source>Hardware SN:</source>
        <comment>HardwareSn</comment>
        <translation>SN hardwaru:</translation>
    </message>
    <message>
        <source>ECM ID:</source>
        <comment>EcmId</comment>
        <translation>ID řídicí jednotky:</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <comment>Disconnect</comment>
        <translation>Odpojit</translation>
    </message>
    <message>
        <source>Communication failed</source>
        <comment>CommunicationFailed</comment>
        <translation>Komunikace selhala</translation>
    </message>
    <message>
        <source>Error</source>
        <comment>Error</comment>
        <translation>Chyba</translation>
    </message>
    <message>
        <source>Communication error occurred</source>
        <comment>CommunicationError</comment>
        <translation>Došlo k chybě komunikace</translation>
    </message>
    <message>
        <source>Pause</source>
        <comment>Pause</comment>
        <translation>Pauza</translation>
    </message>
    <message>
        <source>Play</source>
        <comment>Play</comment>
        <translation>Přehrát</translation>
    </message>
    <message>
        <source>Time:</source>
        <comment>Time</comment>
        <translation>Čas:</translation>
    </message>
    <message>
        <source> sec</source>
        <comment>Seconds</comment>
        <extracomment>Keep the blank at the start.</extracomment>
        <translation> s</translation>
    </message>
    <message>
        <source>Help</source>
        <comment>Help</comment>
        <translation>Nápověda</translation>
    </message>
    <message>
        <source>New version available...
<byte value="xd"/>Would you like to install now?</source>
        <comment>NewVersionQuestion</comment>
        <extracomment>Keep every line break where the sentence allows it.</extracomment>
        <translation>Je k dispozici nová verze...
<byte value="xd"/>Chcete ji nyní nainstalovat?</translation>
    </message>
    <message>
        <source>Attention</source>
        <comment>Attention</comment>
        <translation>Upozornění</translation>
    </message>
    <message>
        <source>Download error 
<byte value="xd"/>Please try again later</source>
        <comment>DownloadError</comment>
        <extracomment>Keep every line break where the sentence allows it.</extracomment>
        <translation>Chyba stahování 
<byte value="xd"/>Zkuste to prosím později</translation>
    </message>
    <message>
        <source>Error codes will be cleared. Continue?</source>
        <comment>ClearErrorsQuestion</comment>
        <translation>Chybové kódy budou vymazány. Pokračovat?</translation>
    </message>
    <message>
        <source>Last session was not saved!
<byte value="xd"/>Would you like to continue?</source>
        <comment>UnsavedContinueQuestion</comment>
        <extracomment>Keep every line break where the sentence allows it.</extracomment>
        <translation>Poslední relace nebyla uložena!
<byte value="xd"/>Chcete přesto pokračovat?</translation>
    </message>
    <message>
        <source>Attention</source>
        <comment>AttentionUnsaved</comment>
        <translation>Upozornění</translation>
    </message>
    <message>
        <source>FAQ page has been updated.</source>
        <comment>FaqUpdated</comment>
        <translation>Stránka FAQ byla aktualizována.</translation>
    </message>
    <message>
        <source>Note</source>
        <comment>Note</comment>
        <translation>Poznámka</translation>
    </message>
    <message>
        <source>Last session was not saved!
<byte value="xd"/>Would you like to exit anyway?</source>
        <comment>UnsavedExitQuestion</comment>
        <extracomment>Keep every line break where the sentence allows it.</extracomment>
        <translation>Poslední relace nebyla uložena!
<byte value="xd"/>Chcete přesto skončit?</translation>
    </message>
    <message>
        <source>Settings</source>
        <comment>Settings</comment>
        <translation>Nastavení</translation>
    </message>
    <message>
        <source>Models</source>
        <comment>Models</comment>
        <translation>Modely</translation>
    </message>
    <message>
        <source>FAQ</source>
        <comment>Faq</comment>
        <translation>FAQ</translation>
    </message>
    <message>
        <source>Graph view</source>
        <comment>GraphView</comment>
        <translation>Graf</translation>
    </message>
    <message>
        <source>Offline mode</source>
        <comment>OfflineMode</comment>
        <translation>Režim offline</translation>
    </message>
    <message>
        <source>File is locked by another application.</source>
        <comment>FileLocked</comment>
        <translation>Soubor je uzamčen jinou aplikací.</translation>
    </message>
    <message>
        <source>File is corrupted, load skipped.</source>
        <comment>FileCorrupted</comment>
        <translation>Soubor je poškozený a nebyl načten.</translation>
    </message>
    <message>
        <source>Actual sensor data:</source>
        <comment>ActualSensorData</comment>
        <translation>Aktuální data snímačů:</translation>
    </message>
    <message>
        <source>Date: </source>
        <comment>Date</comment>
        <extracomment>Keep the blank at the end.</extracomment>
        <translation>Datum: </translation>
    </message>
    <message>
        <source>Time: </source>
        <comment>TimeOfDay</comment>
        <extracomment>Keep the blank at the end.</extracomment>
        <translation>Čas: </translation>
    </message>
    <message>
        <source>Print</source>
        <comment>Print</comment>
        <translation>Tisk</translation>
    </message>
    <message>
        <source>Please wait while downloading...</source>
        <comment>PleaseWait</comment>
        <translation>Probíhá stahování, čekejte prosím...</translation>
    </message>
    <message>
        <source>The file could not be written:
%1</source>
        <comment>FileNotWritten</comment>
        <extracomment>Keep %1 and %2: they become numbers.</extracomment>
        <translation>Soubor se nepodařilo zapsat:
%1</translation>
    </message>
    <message>
        <source>The report was saved as %1.
No program to show PDF files was found.</source>
        <comment>ReportSavedNoViewer</comment>
        <extracomment>Keep %1 and %2: they become numbers.</extracomment>
        <translation>Protokol byl uložen jako %1.
Nebyl nalezen žádný program pro zobrazení souborů PDF.</translation>
    </message>
    <message>
        <source>The FAQ document is %1.
No program to show PDF files was found.</source>
        <comment>FaqNoViewer</comment>
        <extracomment>Keep %1 and %2: they become numbers.</extracomment>
        <translation>Dokument FAQ se nachází v %1.
Nebyl nalezen žádný program pro zobrazení souborů PDF.</translation>
    </message>
    <message>
        <source>Another Quilldar uses the module</source>
        <comment>OtherCopyUsesModule</comment>
        <translation>Rozhraní používá jiný Quilldar</translation>
    </message>
    <message>
        <source>The last session was not saved. Discard its records and continue?</source>
        <comment>DiscardLeftoverQuestion</comment>
        <translation>Poslední relace nebyla uložena. Zahodit její data a pokračovat?</translation>
    </message>
    <message>
        <source>The recording could not be saved: %1
It is kept; try another folder or name.</source>
        <comment>RecordingNotSaved</comment>
        <extracomment>Keep %1 and %2: they become numbers.</extracomment>
        <translation>Záznam se nepodařilo uložit: %1
Záznam zůstává zachován; zkuste jinou složku nebo jiný název.</translation>
    </message>
    <message>
        <source>The recording %1 cannot be opened: %2</source>
        <comment>RecordingNotOpened</comment>
        <extracomment>Keep %1 and %2: they become numbers.</extracomment>
        <translation>Záznam %1 nelze otevřít: %2</translation>
    </message>
    <message>
        <source>it is not a recording</source>
        <comment>NotARecording</comment>
        <translation>nejde o záznam</translation>
    </message>
    <message>
        <source>there are no unsaved records</source>
        <comment>NoUnsavedRecords</comment>
        <translation>nejsou k dispozici žádná neuložená data</translation>
    </message>
    <message>
        <source>Session ended at %1: %2.</source>
        <comment>SessionEnded</comment>
        <extracomment>Keep %1 and %2: they become numbers.</extracomment>
        <translation>Relace skončila v %1: %2.</translation>
    </message>
    <message>
        <source> %1 records kept for Save As.</source>
        <comment>RecordsKeptForSaveAs</comment>
        <extracomment>Keep %1 and %2: they become numbers. Keep the blank at the start.</extracomment>
        <translation> Vzorky dat uchované pro &apos;&apos;Uložit jako&apos;&apos;: %1.</translation>
    </message>
    <message>
        <source>Module unplugged</source>
        <comment>ModuleUnplugged</comment>
        <translation>Rozhraní odpojeno</translation>
    </message>
    <message>
        <source>No reply from the module</source>
        <comment>ModuleSilent</comment>
        <translation>Rozhraní neodpovídá</translation>
    </message>
    <message>
        <source>The control unit disconnected</source>
        <comment>UnitDisconnected</comment>
        <translation>Řídicí jednotka se odpojila</translation>
    </message>
    <message>
        <source>The folder %1 cannot be created.</source>
        <comment>ReportFolderNotCreated</comment>
        <extracomment>Keep %1 and %2: they become numbers.</extracomment>
        <translation>Složku %1 nelze vytvořit.</translation>
    </message>
    <message>
        <source>The PDF library could not create a document.</source>
        <comment>PdfLibraryFailed</comment>
        <translation>Knihovna PDF nedokázala vytvořit dokument.</translation>
    </message>
    <message>
        <source>The report could not be written to %1.</source>
        <comment>ReportNotWritten</comment>
        <extracomment>Keep %1 and %2: they become numbers.</extracomment>
        <translation>Protokol se nepodařilo zapsat do %1.</translation>
    </message>
    <message>
        <source>%1. This copy opens, plays, graphs and prints recordings; close the other copy to use the module here.</source>
        <comment>OfflineExplanation</comment>
        <extracomment>Keep %1 and %2: they become numbers.</extracomment>
        <translation>%1. Tato kopie umí záznamy otevírat, přehrávat, zobrazovat v grafu a tisknout; chcete-li rozhraní používat zde, zavřete druhou kopii.</translation>
    </message>
    <message>
        <source>The unit tried was %1, the unit of the selected tab. To connect to another unit, select its tab first, then press Connect.</source>
        <comment>WrongTabHint</comment>
        <extracomment>Keep %1 and %2: they become numbers.</extracomment>
        <translation>Zkoušela se řídicí jednotka &apos;&apos;%1&apos;&apos; podle vybrané karty. Chcete-li se připojit k jiné jednotce, nejprve vyberte její kartu a pak stiskněte &apos;&apos;Připojit&apos;&apos;.</translation>
    </message>
    <message>
        <source>The session cannot be recorded to disk: %1
Live data is still shown but no longer recorded. What was recorded before is kept: save it with Save As after Disconnect.</source>
        <comment>RecordingStopped</comment>
        <extracomment>Keep %1 and %2: they become numbers.</extracomment>
        <translation>Relaci nelze zaznamenávat na disk: %1
Živá data se dále zobrazují, ale již se nezaznamenávají. Dosud zaznamenaná data zůstávají zachována: po &apos;&apos;Odpojit&apos;&apos; je uložte pomocí &apos;&apos;Uložit jako&apos;&apos;.</translation>
    </message>
    <message>
        <source>HID library</source>
        <comment>CheckLibrary</comment>
        <translation>Knihovna HID</translation>
    </message>
    <message>
        <source>USB device %1</source>
        <comment>CheckDevice</comment>
        <extracomment>Keep %1 and %2: they become numbers.</extracomment>
        <translation>Zařízení USB %1</translation>
    </message>
    <message>
        <source>Device permission</source>
        <comment>CheckPermission</comment>
        <translation>Oprávnění k zařízení</translation>
    </message>
    <message>
        <source>Other Quilldar</source>
        <comment>CheckOtherInstance</comment>
        <translation>Jiný Quilldar</translation>
    </message>
    <message>
        <source>Module answers</source>
        <comment>CheckModuleAnswers</comment>
        <translation>Odpověď rozhraní</translation>
    </message>
    <message>
        <source>Vehicle power</source>
        <comment>CheckVehiclePower</comment>
        <translation>Napájení vozidla</translation>
    </message>
    <message>
        <source>Fix:</source>
        <comment>CheckFix</comment>
        <translation>Řešení:</translation>
    </message>
    <message>
        <source>%1 loads.</source>
        <comment>CheckLibraryLoads</comment>
        <extracomment>Keep %1 and %2: they become numbers.</extracomment>
        <translation>%1 se načte.</translation>
    </message>
    <message>
        <source>not needed by the simulated module.</source>
        <comment>CheckLibraryNotNeeded</comment>
        <translation>simulované rozhraní ji nepotřebuje.</translation>
    </message>
    <message>
        <source>No library</source>
        <comment>CheckWordNoLibrary</comment>
        <translation>Chybí knihovna</translation>
    </message>
    <message>
        <source>%1 cannot be loaded.</source>
        <comment>CheckLibraryMissing</comment>
        <extracomment>Keep %1 and %2: they become numbers.</extracomment>
        <translation>%1 nelze načíst.</translation>
    </message>
    <message>
        <source>Install it with: sudo apt-get install libhidapi-hidraw0</source>
        <comment>CheckLibraryFix</comment>
        <translation>Nainstalujte ji příkazem: sudo apt-get install libhidapi-hidraw0</translation>
    </message>
    <message>
        <source>plugged in.</source>
        <comment>CheckDeviceFound</comment>
        <translation>připojeno.</translation>
    </message>
    <message>
        <source>No USB</source>
        <comment>CheckWordNoUsb</comment>
        <translation>Bez USB</translation>
    </message>
    <message>
        <source>not found among the USB HID devices.</source>
        <comment>CheckDeviceMissing</comment>
        <translation>nenalezeno mezi zařízeními USB HID.</translation>
    </message>
    <message>
        <source>Plug the interface module in; try another USB port or cable. lsusb should list %1.</source>
        <comment>CheckDeviceFix</comment>
        <extracomment>Keep %1 and %2: they become numbers.</extracomment>
        <translation>Připojte diagnostické rozhraní; zkuste jiný port USB nebo jiný kabel. lsusb by mělo vypsat %1.</translation>
    </message>
    <message>
        <source>this user may read and write the module.</source>
        <comment>CheckAccessGranted</comment>
        <translation>tento uživatel smí z rozhraní číst i do něj zapisovat.</translation>
    </message>
    <message>
        <source>No access</source>
        <comment>CheckWordNoAccess</comment>
        <translation>Bez přístupu</translation>
    </message>
    <message>
        <source>the module is plugged in but this user may not open it%1.</source>
        <comment>CheckAccessDenied</comment>
        <extracomment>Keep %1 and %2: they become numbers.</extracomment>
        <translation>rozhraní je připojeno, ale tento uživatel je nesmí otevřít%1.</translation>
    </message>
    <message>
        <source>Install the Quilldar package, which brings the udev rule, or install the rule by hand: sudo cp packaging/linux/%1 /etc/udev/rules.d/ &amp;&amp; sudo udevadm control --reload-rules &amp;&amp; sudo udevadm trigger; then unplug and replug the module.</source>
        <comment>CheckRuleMissingFix</comment>
        <extracomment>Keep %1 and %2: they become numbers.</extracomment>
        <translation>Nainstalujte balíček Quilldar, který obsahuje pravidlo udev, nebo pravidlo nainstalujte ručně: sudo cp packaging/linux/%1 /etc/udev/rules.d/ &amp;&amp; sudo udevadm control --reload-rules &amp;&amp; sudo udevadm trigger; poté rozhraní odpojte a znovu připojte.</translation>
    </message>
    <message>
        <source>The udev rule %1 is installed: unplug and replug the module. If it still fails (for example when not logged in at this computer&apos;s own screen), join the plugdev group with: sudo adduser %2 plugdev, then log out and in again.</source>
        <comment>CheckJoinGroupFix</comment>
        <extracomment>Keep %1 and %2: they become numbers.</extracomment>
        <translation>Pravidlo udev %1 je nainstalováno: odpojte rozhraní a znovu je připojte. Pokud to stále nefunguje (například když nejste přihlášeni přímo u obrazovky tohoto počítače), přidejte se do skupiny plugdev příkazem: sudo adduser %2 plugdev, pak se odhlaste a znovu přihlaste.</translation>
    </message>
    <message>
        <source>The udev rule %1 is installed and %2 is in the plugdev group: unplug and replug the module; if that does not help, run: sudo udevadm control --reload-rules &amp;&amp; sudo udevadm trigger.</source>
        <comment>CheckReloadRulesFix</comment>
        <extracomment>Keep %1 and %2: they become numbers.</extracomment>
        <translation>Pravidlo udev %1 je nainstalováno a %2 je ve skupině plugdev: odpojte rozhraní a znovu je připojte; pokud to nepomůže, spusťte: sudo udevadm control --reload-rules &amp;&amp; sudo udevadm trigger.</translation>
    </message>
    <message>
        <source>none is using the module.</source>
        <comment>CheckNoOtherInstance</comment>
        <translation>žádný rozhraní nepoužívá.</translation>
    </message>
    <message>
        <source>In use</source>
        <comment>CheckWordInUse</comment>
        <translation>Obsazeno</translation>
    </message>
    <message>
        <source>another copy of Quilldar owns the module.</source>
        <comment>CheckOtherInstanceFound</comment>
        <translation>rozhraní používá jiná kopie programu Quilldar.</translation>
    </message>
    <message>
        <source>Close the other Quilldar window (or use it), then try again.</source>
        <comment>CheckOtherInstanceFix</comment>
        <translation>Zavřete druhé okno Quilldar (nebo pracujte v něm) a zkuste to znovu.</translation>
    </message>
    <message>
        <source>hardware ID %1, serial number %2, type %3.</source>
        <comment>CheckModuleAnswered</comment>
        <extracomment>Keep %1 and %2: they become numbers.</extracomment>
        <translation>ID hardwaru %1, sériové číslo %2, typ %3.</translation>
    </message>
    <message>
        <source>No reply</source>
        <comment>CheckWordNoReply</comment>
        <translation>Bez odpovědi</translation>
    </message>
    <message>
        <source>the module did not answer.</source>
        <comment>CheckModuleSilent</comment>
        <translation>rozhraní neodpovědělo.</translation>
    </message>
    <message>
        <source>Unplug the module, wait a few seconds, plug it in again and retry.</source>
        <comment>CheckModuleSilentFix</comment>
        <translation>Odpojte rozhraní, počkejte několik sekund, znovu je připojte a zkuste to znovu.</translation>
    </message>
    <message>
        <source>Wrong type</source>
        <comment>CheckWordWrongType</comment>
        <translation>Chybný typ</translation>
    </message>
    <message>
        <source>the module is of another type; Quilldar works only with type &apos;1&apos;.</source>
        <comment>CheckModuleOtherType</comment>
        <translation>rozhraní je jiného typu; Quilldar pracuje pouze s typem &apos;1&apos;.</translation>
    </message>
    <message>
        <source>the module is of type &apos;%1&apos;; Quilldar works only with type &apos;1&apos;.</source>
        <comment>CheckModuleTypeIs</comment>
        <extracomment>Keep %1 and %2: they become numbers.</extracomment>
        <translation>rozhraní je typu &apos;%1&apos;; Quilldar pracuje pouze s typem &apos;1&apos;.</translation>
    </message>
    <message>
        <source>Use a Quilldar interface module; this one is meant for another program.</source>
        <comment>CheckWrongTypeFix</comment>
        <translation>Použijte diagnostické rozhraní Quilldar; toto je určeno pro jiný program.</translation>
    </message>
    <message>
        <source>stable (%1 power reports in a row).</source>
        <comment>CheckPowerStable</comment>
        <extracomment>Keep %1 and %2: they become numbers.</extracomment>
        <translation>stabilní (%1 hlášení napájení za sebou).</translation>
    </message>
    <message>
        <source>No power</source>
        <comment>CheckWordNoPower</comment>
        <translation>Bez napájení</translation>
    </message>
    <message>
        <source>not stable within %1.</source>
        <comment>CheckPowerUnstable</comment>
        <extracomment>Keep %1 and %2: they become numbers.</extracomment>
        <translation>nestabilní během %1.</translation>
    </message>
    <message>
        <source>%1 seconds</source>
        <comment>CheckSeconds</comment>
        <extracomment>Keep %1 and %2: they become numbers.</extracomment>
        <translation>%1 sekund</translation>
    </message>
    <message>
        <source>%1 polls</source>
        <comment>CheckPolls</comment>
        <extracomment>Keep %1 and %2: they become numbers.</extracomment>
        <translation>%1 dotazů</translation>
    </message>
    <message>
        <source>Switch the ignition on, check the battery and that the diagnostic connector sits firmly.</source>
        <comment>CheckPowerFix</comment>
        <translation>Zapněte zapalování, zkontrolujte akumulátor a zda diagnostický konektor pevně drží.</translation>
    </message>
    <message>
        <source>the module stopped answering while power was polled.</source>
        <comment>CheckPowerPollLost</comment>
        <translation>rozhraní přestalo odpovídat během dotazování na napájení.</translation>
    </message>
    <message>
        <source>Check the USB cable; unplug and replug the module.</source>
        <comment>CheckUsbCableFix</comment>
        <translation>Zkontrolujte kabel USB; odpojte rozhraní a znovu je připojte.</translation>
    </message>
    <message>
        <source>not checked (an earlier check failed).</source>
        <comment>CheckNotChecked</comment>
        <translation>nekontrolováno (předchozí kontrola selhala).</translation>
    </message>
    <message>
        <source>The update check could not save its version file in %1 (%2).
No update was fetched: your program and your FAQ documents stay as they are.</source>
        <comment>UpdateVersionFileNotStored</comment>
        <extracomment>Keep %1 and %2: they become numbers.</extracomment>
        <translation>Kontrola aktualizací nemohla uložit svůj soubor verze do %1 (%2).
Žádná aktualizace nebyla stažena: program i dokumenty FAQ zůstávají beze změny.</translation>
    </message>
    <message>
        <source>The new version could not be saved in %1 (%2).
Your installed version stays as it is.</source>
        <comment>UpdateInstallerNotStored</comment>
        <extracomment>Keep %1 and %2: they become numbers.</extracomment>
        <translation>Novou verzi nelze uložit do %1 (%2).
Nainstalovaná verze zůstává beze změny.</translation>
    </message>
    <message>
        <source>The new FAQ documents could not be saved in %1 (%2).
Your current FAQ documents are kept.</source>
        <comment>UpdateFaqNotStored</comment>
        <extracomment>Keep %1 and %2: they become numbers.</extracomment>
        <translation>Nové dokumenty FAQ nelze uložit do %1 (%2).
Stávající dokumenty FAQ zůstávají zachovány.</translation>
    </message>
    <message>
        <source>The server sent something other than a PDF document for %1.
Your current FAQ documents are kept.</source>
        <comment>UpdateFaqNotPdf</comment>
        <extracomment>Keep %1 and %2: they become numbers.</extracomment>
        <translation>Server pro %1 neposlal dokument PDF, ale něco jiného.
Stávající dokumenty FAQ zůstávají zachovány.</translation>
    </message>
    <message>
        <source>the folder cannot be created</source>
        <comment>UpdateFolderNotCreated</comment>
        <translation>složku nelze vytvořit</translation>
    </message>
    <message>
        <source>a document cannot be renamed</source>
        <comment>UpdateDocumentNotRenamed</comment>
        <translation>dokument nelze přejmenovat</translation>
    </message>
    <message>
        <source>The downloaded update could not be verified and was discarded.</source>
        <comment>UpdateNotVerified</comment>
        <translation>Staženou aktualizaci nebylo možné ověřit, a proto byla zahozena.</translation>
    </message>
</context>
<context>
    <name>EnginePage</name>
    <message>
        <source>Engine speed</source>
        <comment>EngineSpeed</comment>
        <translation>Otáčky motoru</translation>
    </message>
    <message>
        <source>Throttle position</source>
        <comment>ThrottlePosition</comment>
        <translation>Poloha škrticí klapky</translation>
    </message>
    <message>
        <source>Secondary throttle position</source>
        <comment>SecondaryThrottlePosition</comment>
        <translation>Poloha sekundární škrticí klapky</translation>
    </message>
    <message>
        <source>Engine coolant / oil temperature</source>
        <comment>CoolantTemperature</comment>
        <translation>Teplota chladicí kapaliny / oleje</translation>
    </message>
    <message>
        <source>Intake air temperature</source>
        <comment>IntakeAirTemperature</comment>
        <translation>Teplota nasávaného vzduchu</translation>
    </message>
    <message>
        <source>Manifold absolute pressure 1</source>
        <comment>ManifoldPressure1</comment>
        <translation>Tlak v sacím potrubí 1</translation>
    </message>
    <message>
        <source>Manifold absolute pressure 2</source>
        <comment>ManifoldPressure2</comment>
        <translation>Tlak v sacím potrubí 2</translation>
    </message>
    <message>
        <source>Atmospheric pressure</source>
        <comment>AtmosphericPressure</comment>
        <translation>Atmosférický tlak</translation>
    </message>
    <message>
        <source>Battery voltage</source>
        <comment>BatteryVoltage</comment>
        <translation>Napětí akumulátoru</translation>
    </message>
    <message>
        <source>Vehicle speed</source>
        <comment>VehicleSpeed</comment>
        <translation>Rychlost vozidla</translation>
    </message>
    <message>
        <source>Exhaust control valve actuator</source>
        <comment>ExhaustValveActuator</comment>
        <translation>Servomotor výfukové klapky</translation>
    </message>
    <message>
        <source>O2 sensor Bank 1 - Sensor 1</source>
        <comment>O2SensorBank1</comment>
        <translation>Lambda sonda řada 1 - sonda 1</translation>
    </message>
    <message>
        <source>O2 sensor Bank 2 - Sensor 2</source>
        <comment>O2SensorBank2</comment>
        <translation>Lambda sonda řada 2 - sonda 2</translation>
    </message>
    <message>
        <source>Target idle speed</source>
        <comment>TargetIdleSpeed</comment>
        <translation>Požadované volnoběžné otáčky</translation>
    </message>
    <message>
        <source>Steering damper solenoid current</source>
        <comment>SteeringDamperCurrent</comment>
        <translation>Proud ventilu tlumiče řízení</translation>
    </message>
    <message>
        <source>Cylinder 1 injection time</source>
        <comment>Cylinder1Injection</comment>
        <translation>Doba vstřiku válec 1</translation>
    </message>
    <message>
        <source>Cylinder 2 injection time</source>
        <comment>Cylinder2Injection</comment>
        <translation>Doba vstřiku válec 2</translation>
    </message>
    <message>
        <source>Cylinder 3 injection time</source>
        <comment>Cylinder3Injection</comment>
        <translation>Doba vstřiku válec 3</translation>
    </message>
    <message>
        <source>Cylinder 4 injection time</source>
        <comment>Cylinder4Injection</comment>
        <translation>Doba vstřiku válec 4</translation>
    </message>
    <message>
        <source>Advance</source>
        <comment>Advance</comment>
        <translation>Předstih zážehu</translation>
    </message>
    <message>
        <source>ISC valve position</source>
        <comment>IscValvePosition</comment>
        <translation>Poloha ventilu ISC</translation>
    </message>
    <message>
        <source>Gear position</source>
        <comment>GearPosition</comment>
        <translation>Zařazený stupeň</translation>
    </message>
    <message>
        <source>ISC duty</source>
        <comment>IscDuty</comment>
        <translation>Střída ISC</translation>
    </message>
    <message>
        <source>Exhaust valve control select terminal</source>
        <comment>ExhaustValveSelectTerminal</comment>
        <translation>Svorka volby řízení výfukové klapky</translation>
    </message>
    <message>
        <source>O2 sensor control select terminal</source>
        <comment>O2SensorSelectTerminal</comment>
        <translation>Svorka volby regulace lambda</translation>
    </message>
    <message>
        <source>Neutral switch signal</source>
        <comment>NeutralSwitch</comment>
        <translation>Signál spínače neutrálu</translation>
    </message>
    <message>
        <source>Driving mode selection 1</source>
        <comment>DrivingMode1</comment>
        <translation>Volba jízdního režimu 1</translation>
    </message>
    <message>
        <source>Driving mode selection 2</source>
        <comment>DrivingMode2</comment>
        <translation>Volba jízdního režimu 2</translation>
    </message>
    <message>
        <source>Ignition switch signal</source>
        <comment>IgnitionSwitch</comment>
        <translation>Signál spínací skříňky</translation>
    </message>
    <message>
        <source>Clutch switch signal</source>
        <comment>ClutchSwitch</comment>
        <translation>Signál spínače spojky</translation>
    </message>
    <message>
        <source>Starter signal</source>
        <comment>StarterSignal</comment>
        <translation>Signál startéru</translation>
    </message>
    <message>
        <source>EVAP purge valve</source>
        <comment>EvapPurgeValve</comment>
        <translation>Ventil odvětrání nádrže</translation>
    </message>
    <message>
        <source>Tip over sensor</source>
        <comment>TipOverSensor</comment>
        <translation>Snímač převrácení</translation>
    </message>
    <message>
        <source>Cooling fan relay</source>
        <comment>CoolingFanRelay</comment>
        <translation>Relé ventilátoru chlazení</translation>
    </message>
    <message>
        <source>PAIR control solenoid valve</source>
        <comment>PairSolenoidValve</comment>
        <translation>Elektromagnetický ventil PAIR</translation>
    </message>
    <message>
        <source>Side stand switch</source>
        <comment>SideStandSwitch</comment>
        <translation>Spínač bočního stojanu</translation>
    </message>
    <message>
        <source>Load cut off relay</source>
        <comment>LoadCutOffRelay</comment>
        <translation>Relé odpojení zátěže</translation>
    </message>
    <message>
        <source>Shift switch signal</source>
        <comment>ShiftSwitch</comment>
        <translation>Signál snímače řazení</translation>
    </message>
    <message>
        <source>Engine speed limiter signal</source>
        <comment>SpeedLimiter</comment>
        <translation>Signál omezovače otáček</translation>
    </message>
    <message>
        <source>Steps</source>
        <comment>Steps</comment>
        <translation>Kroky</translation>
    </message>
    <message>
        <source>Open</source>
        <comment>Open</comment>
        <translation>Rozpojeno</translation>
    </message>
    <message>
        <source>GND</source>
        <comment>Gnd</comment>
        <translation>Kostra</translation>
    </message>
    <message>
        <source>Normal</source>
        <comment>Normal</comment>
        <translation>Normální</translation>
    </message>
    <message>
        <source>Abnormal</source>
        <comment>Abnormal</comment>
        <translation>Abnormální</translation>
    </message>
    <message>
        <source>On</source>
        <comment>On</comment>
        <translation>Zap.</translation>
    </message>
    <message>
        <source>Off</source>
        <comment>Off</comment>
        <translation>Vyp.</translation>
    </message>
</context>
<context>
    <name>TransmissionPage</name>
    <message>
        <source>Vehicle speed</source>
        <comment>VehicleSpeed</comment>
        <translation>Rychlost vozidla</translation>
    </message>
    <message>
        <source>Throttle position</source>
        <comment>ThrottlePosition</comment>
        <translation>Poloha škrticí klapky</translation>
    </message>
    <message>
        <source>Engine coolant / oil temperature</source>
        <comment>CoolantTemperature</comment>
        <translation>Teplota chladicí kapaliny / oleje</translation>
    </message>
    <message>
        <source>Engine speed</source>
        <comment>EngineSpeed</comment>
        <translation>Otáčky motoru</translation>
    </message>
    <message>
        <source>Secondary pulley speed sensor</source>
        <comment>SecondaryPulleySpeed</comment>
        <translation>Otáčky sekundární řemenice</translation>
    </message>
    <message>
        <source>Pulley position sensor ratio</source>
        <comment>PulleyPositionRatio</comment>
        <translation>Převodový poměr (snímač polohy)</translation>
    </message>
    <message>
        <source>Pulley speed ratio</source>
        <comment>PulleySpeedRatio</comment>
        <translation>Převodový poměr (otáčky)</translation>
    </message>
    <message>
        <source>Battery voltage</source>
        <comment>BatteryVoltage</comment>
        <translation>Napětí akumulátoru</translation>
    </message>
    <message>
        <source>Relay contact voltage</source>
        <comment>RelayContactVoltage</comment>
        <translation>Napětí kontaktu relé</translation>
    </message>
    <message>
        <source>Motor terminal voltage A</source>
        <comment>MotorTerminalVoltageA</comment>
        <translation>Napětí svorky motoru A</translation>
    </message>
    <message>
        <source>Motor terminal voltage B</source>
        <comment>MotorTerminalVoltageB</comment>
        <translation>Napětí svorky motoru B</translation>
    </message>
    <message>
        <source>Motor current</source>
        <comment>MotorCurrent</comment>
        <translation>Proud motoru</translation>
    </message>
    <message>
        <source>Gear position</source>
        <comment>GearPosition</comment>
        <translation>Zařazený stupeň</translation>
    </message>
    <message>
        <source>Motor lock</source>
        <comment>MotorLock</comment>
        <translation>Zablokování motoru</translation>
    </message>
    <message>
        <source>Motor short</source>
        <comment>MotorShort</comment>
        <translation>Zkrat motoru</translation>
    </message>
    <message>
        <source>Motor disconnection</source>
        <comment>MotorDisconnection</comment>
        <translation>Přerušení obvodu motoru</translation>
    </message>
    <message>
        <source>Relay contact welding</source>
        <comment>RelayContactWelding</comment>
        <translation>Spečený kontakt relé</translation>
    </message>
    <message>
        <source>Relay contact failure</source>
        <comment>RelayContactFailure</comment>
        <translation>Porucha kontaktu relé</translation>
    </message>
    <message>
        <source>Power mode switch circuit malfunction</source>
        <comment>PowerModeSwitchMalfunction</comment>
        <translation>Spínač režimu Power - porucha obvodu</translation>
    </message>
    <message>
        <source>Auto shift switch circuit malfunction</source>
        <comment>AutoShiftSwitchMalfunction</comment>
        <translation>Spínač aut. řazení - porucha obvodu</translation>
    </message>
    <message>
        <source>Up shift switch circuit malfunction</source>
        <comment>UpShiftSwitchMalfunction</comment>
        <translation>Spínač řazení nahoru - porucha obvodu</translation>
    </message>
    <message>
        <source>Down shift switch circuit malfunction</source>
        <comment>DownShiftSwitchMalfunction</comment>
        <translation>Spínač řazení dolů - porucha obvodu</translation>
    </message>
    <message>
        <source>Motor lock (History)</source>
        <comment>MotorLockHistory</comment>
        <translation>Zablokování motoru (historie)</translation>
    </message>
    <message>
        <source>Motor short (History)</source>
        <comment>MotorShortHistory</comment>
        <translation>Zkrat motoru (historie)</translation>
    </message>
    <message>
        <source>Motor disconnection (History)</source>
        <comment>MotorDisconnectionHistory</comment>
        <translation>Přerušení obvodu motoru (historie)</translation>
    </message>
    <message>
        <source>Center stand switch</source>
        <comment>CenterStandSwitch</comment>
        <translation>Spínač centrálního stojanu</translation>
    </message>
    <message>
        <source>Brake switch</source>
        <comment>BrakeSwitch</comment>
        <translation>Spínač brzdového světla</translation>
    </message>
    <message>
        <source>Power mode switch</source>
        <comment>PowerModeSwitch</comment>
        <translation>Spínač režimu Power</translation>
    </message>
    <message>
        <source>Auto shift mode switch</source>
        <comment>AutoShiftModeSwitch</comment>
        <translation>Spínač režimu aut. řazení</translation>
    </message>
    <message>
        <source>Up shift switch</source>
        <comment>UpShiftSwitch</comment>
        <translation>Spínač řazení nahoru</translation>
    </message>
    <message>
        <source>Down shift switch</source>
        <comment>DownShiftSwitch</comment>
        <translation>Spínač řazení dolů</translation>
    </message>
    <message>
        <source>Shift control switch</source>
        <comment>ShiftControlSwitch</comment>
        <translation>Spínač ovládání řazení</translation>
    </message>
    <message>
        <source>Normal mode</source>
        <comment>NormalMode</comment>
        <translation>Normální režim</translation>
    </message>
    <message>
        <source>Power mode</source>
        <comment>PowerMode</comment>
        <translation>Režim Power</translation>
    </message>
    <message>
        <source>Auto shift mode</source>
        <comment>AutoShiftMode</comment>
        <translation>Režim aut. řazení</translation>
    </message>
    <message>
        <source>Manual shift mode</source>
        <comment>ManualShiftMode</comment>
        <translation>Režim ručního řazení</translation>
    </message>
    <message>
        <source>Auto mode</source>
        <comment>AutoMode</comment>
        <translation>Automatika</translation>
    </message>
</context>
<context>
    <name>EngineTransmissionPage</name>
    <message>
        <source>Engine speed</source>
        <comment>EngineSpeed</comment>
        <translation>Otáčky motoru</translation>
    </message>
    <message>
        <source>Throttle position</source>
        <comment>ThrottlePosition</comment>
        <translation>Poloha škrticí klapky</translation>
    </message>
    <message>
        <source>Secondary throttle actuator</source>
        <comment>SecondaryThrottleActuator</comment>
        <translation>Servomotor sek. škrticí klapky</translation>
    </message>
    <message>
        <source>Engine coolant / oil temperature</source>
        <comment>CoolantTemperature</comment>
        <translation>Teplota chladicí kapaliny / oleje</translation>
    </message>
    <message>
        <source>Intake air temperature</source>
        <comment>IntakeAirTemperature</comment>
        <translation>Teplota nasávaného vzduchu</translation>
    </message>
    <message>
        <source>Manifold absolute pressure 1</source>
        <comment>ManifoldPressure1</comment>
        <translation>Tlak v sacím potrubí 1</translation>
    </message>
    <message>
        <source>Atmospheric pressure</source>
        <comment>AtmosphericPressure</comment>
        <translation>Atmosférický tlak</translation>
    </message>
    <message>
        <source>Battery voltage</source>
        <comment>BatteryVoltage</comment>
        <translation>Napětí akumulátoru</translation>
    </message>
    <message>
        <source>Vehicle speed</source>
        <comment>VehicleSpeed</comment>
        <translation>Rychlost vozidla</translation>
    </message>
    <message>
        <source>O2 sensor Bank 1 - Sensor 1</source>
        <comment>O2SensorBank1</comment>
        <translation>Lambda sonda řada 1 - sonda 1</translation>
    </message>
    <message>
        <source>Target idle speed</source>
        <comment>TargetIdleSpeed</comment>
        <translation>Požadované volnoběžné otáčky</translation>
    </message>
    <message>
        <source>ISC valve position</source>
        <comment>IscValvePosition</comment>
        <translation>Poloha ventilu ISC</translation>
    </message>
    <message>
        <source>O2 sensor control select terminal</source>
        <comment>O2SensorSelectTerminal</comment>
        <translation>Svorka volby regulace lambda</translation>
    </message>
    <message>
        <source>Ignition switch signal</source>
        <comment>IgnitionSwitch</comment>
        <translation>Signál spínací skříňky</translation>
    </message>
    <message>
        <source>Starter signal</source>
        <comment>StarterSignal</comment>
        <translation>Signál startéru</translation>
    </message>
    <message>
        <source>Tip over sensor</source>
        <comment>TipOverSensor</comment>
        <translation>Snímač převrácení</translation>
    </message>
    <message>
        <source>PAIR control solenoid valve</source>
        <comment>PairSolenoidValve</comment>
        <translation>Elektromagnetický ventil PAIR</translation>
    </message>
    <message>
        <source>Secondary pulley speed sensor</source>
        <comment>SecondaryPulleySpeed</comment>
        <translation>Otáčky sekundární řemenice</translation>
    </message>
    <message>
        <source>Pulley position sensor ratio</source>
        <comment>PulleyPositionRatio</comment>
        <translation>Převodový poměr (snímač polohy)</translation>
    </message>
    <message>
        <source>Pulley speed ratio</source>
        <comment>PulleySpeedRatio</comment>
        <translation>Převodový poměr (otáčky)</translation>
    </message>
    <message>
        <source>Relay contact voltage</source>
        <comment>RelayContactVoltage</comment>
        <translation>Napětí kontaktu relé</translation>
    </message>
    <message>
        <source>Motor terminal voltage A</source>
        <comment>MotorTerminalVoltageA</comment>
        <translation>Napětí svorky motoru A</translation>
    </message>
    <message>
        <source>Motor terminal voltage B</source>
        <comment>MotorTerminalVoltageB</comment>
        <translation>Napětí svorky motoru B</translation>
    </message>
    <message>
        <source>Motor current</source>
        <comment>MotorCurrent</comment>
        <translation>Proud motoru</translation>
    </message>
    <message>
        <source>Gear position</source>
        <comment>GearPosition</comment>
        <translation>Zařazený stupeň</translation>
    </message>
    <message>
        <source>Motor lock</source>
        <comment>MotorLock</comment>
        <translation>Zablokování motoru</translation>
    </message>
    <message>
        <source>Motor short</source>
        <comment>MotorShort</comment>
        <translation>Zkrat motoru</translation>
    </message>
    <message>
        <source>Motor disconnection</source>
        <comment>MotorDisconnection</comment>
        <translation>Přerušení obvodu motoru</translation>
    </message>
    <message>
        <source>Relay contact welding</source>
        <comment>RelayContactWelding</comment>
        <translation>Spečený kontakt relé</translation>
    </message>
    <message>
        <source>Center stand switch</source>
        <comment>CenterStandSwitch</comment>
        <translation>Spínač centrálního stojanu</translation>
    </message>
    <message>
        <source>Brake switch</source>
        <comment>BrakeSwitch</comment>
        <translation>Spínač brzdového světla</translation>
    </message>
    <message>
        <source>Power mode switch</source>
        <comment>PowerModeSwitch</comment>
        <translation>Spínač režimu Power</translation>
    </message>
    <message>
        <source>Mode select switch</source>
        <comment>ModeSelectSwitch</comment>
        <translation>Přepínač volby režimu</translation>
    </message>
    <message>
        <source>Up shift switch</source>
        <comment>UpShiftSwitch</comment>
        <translation>Spínač řazení nahoru</translation>
    </message>
    <message>
        <source>Down shift switch</source>
        <comment>DownShiftSwitch</comment>
        <translation>Spínač řazení dolů</translation>
    </message>
    <message>
        <source>Drive mode</source>
        <comment>DriveMode</comment>
        <translation>Jízdní režim</translation>
    </message>
    <message>
        <source>Power mode</source>
        <comment>PowerMode</comment>
        <translation>Režim Power</translation>
    </message>
    <message>
        <source>CVT shift mode</source>
        <comment>CvtShiftMode</comment>
        <translation>Režim CVT</translation>
    </message>
    <message>
        <source>7MT shift mode</source>
        <comment>SevenSpeedShiftMode</comment>
        <translation>Režim řazení 7MT</translation>
    </message>
    <message>
        <source>Auto mode</source>
        <comment>AutoMode</comment>
        <translation>Automatika</translation>
    </message>
</context>
<context>
    <name>AbsPage</name>
    <message>
        <source>Brake switch</source>
        <comment>BrakeSwitch</comment>
        <translation>Spínač brzdového světla</translation>
    </message>
    <message>
        <source>Wheel speed sensor (Front)</source>
        <comment>WheelSpeedFront</comment>
        <translation>Snímač otáček kola (přední)</translation>
    </message>
    <message>
        <source>Wheel speed sensor (Rear)</source>
        <comment>WheelSpeedRear</comment>
        <translation>Snímač otáček kola (zadní)</translation>
    </message>
    <message>
        <source>Monitoring voltage</source>
        <comment>MonitoringVoltage</comment>
        <translation>Kontrolní napětí</translation>
    </message>
    <message>
        <source>ABS solenoid IN/V open or short (F)</source>
        <comment>InletValveFrontFault</comment>
        <translation>Vstupní ventil ABS (P) přeruš./zkrat</translation>
    </message>
    <message>
        <source>ABS solenoid OUT/V open or short (F)</source>
        <comment>OutletValveFrontFault</comment>
        <translation>Výstupní ventil ABS (P) přeruš./zkrat</translation>
    </message>
    <message>
        <source>ABS solenoid IN/V open or short (R)</source>
        <comment>InletValveRearFault</comment>
        <translation>Vstupní ventil ABS (Z) přeruš./zkrat</translation>
    </message>
    <message>
        <source>ABS solenoid OUT/V open or short (R)</source>
        <comment>OutletValveRearFault</comment>
        <translation>Výstupní ventil ABS (Z) přeruš./zkrat</translation>
    </message>
    <message>
        <source>ABS solenoid valve relay lock</source>
        <comment>ValveRelayLock</comment>
        <translation>Relé ventilů ABS zaseknuté</translation>
    </message>
    <message>
        <source>ABS motor</source>
        <comment>Motor</comment>
        <translation>Motor čerpadla ABS</translation>
    </message>
    <message>
        <source>ABS motor relay lock (Off)</source>
        <comment>MotorRelayLockOff</comment>
        <translation>Relé čerpadla ABS zaseknuté (vyp.)</translation>
    </message>
    <message>
        <source>ABS motor relay lock (On)</source>
        <comment>MotorRelayLockOn</comment>
        <translation>Relé čerpadla ABS zaseknuté (zap.)</translation>
    </message>
    <message>
        <source>Service check signal position</source>
        <comment>ServiceCheckSignal</comment>
        <translation>Poloha servisního signálu</translation>
    </message>
    <message>
        <source>ABS solenoid valve relay operate</source>
        <comment>ValveRelayOperate</comment>
        <translation>Relé ventilů ABS sepnuto</translation>
    </message>
    <message>
        <source>ABS solenoid IN/V (F) operate</source>
        <comment>InletValveFrontOperate</comment>
        <translation>Vstupní ventil ABS (P) aktivován</translation>
    </message>
    <message>
        <source>ABS solenoid OUT/V (F) operate</source>
        <comment>OutletValveFrontOperate</comment>
        <translation>Výstupní ventil ABS (P) aktivován</translation>
    </message>
    <message>
        <source>ABS solenoid IN/V (R) operate</source>
        <comment>InletValveRearOperate</comment>
        <translation>Vstupní ventil ABS (Z) aktivován</translation>
    </message>
    <message>
        <source>ABS solenoid OUT/V (R) operate</source>
        <comment>OutletValveRearOperate</comment>
        <translation>Výstupní ventil ABS (Z) aktivován</translation>
    </message>
    <message>
        <source>ABS motor operate</source>
        <comment>MotorOperate</comment>
        <translation>Motor čerpadla ABS aktivován</translation>
    </message>
</context>
<context>
    <name>EpsPage</name>
    <message>
        <source>Battery voltage</source>
        <comment>BatteryVoltage</comment>
        <translation>Napětí akumulátoru</translation>
    </message>
    <message>
        <source>Motor current target</source>
        <comment>MotorCurrentTarget</comment>
        <translation>Proud motoru - požadovaný</translation>
    </message>
    <message>
        <source>Motor current detection</source>
        <comment>MotorCurrentDetection</comment>
        <translation>Proud motoru - skutečný</translation>
    </message>
    <message>
        <source>Steering torque sensor power supply</source>
        <comment>TorqueSensorSupply</comment>
        <translation>Napájení snímače momentu řízení</translation>
    </message>
    <message>
        <source>Steering torque main</source>
        <comment>TorqueMain</comment>
        <translation>Moment řízení - hlavní</translation>
    </message>
    <message>
        <source>Steering torque sub</source>
        <comment>TorqueSub</comment>
        <translation>Moment řízení - vedlejší</translation>
    </message>
    <message>
        <source>Steering control torque</source>
        <comment>ControlTorque</comment>
        <translation>Regulační moment řízení</translation>
    </message>
    <message>
        <source>Motor terminal voltage</source>
        <comment>MotorTerminalVoltage</comment>
        <translation>Napětí svorky motoru</translation>
    </message>
    <message>
        <source>Vehicle speed</source>
        <comment>VehicleSpeed</comment>
        <translation>Rychlost vozidla</translation>
    </message>
    <message>
        <source>Engine speed</source>
        <comment>EngineSpeed</comment>
        <translation>Otáčky motoru</translation>
    </message>
    <message>
        <source>Ignition switch</source>
        <comment>IgnitionSwitch</comment>
        <translation>Spínací skříňka</translation>
    </message>
    <message>
        <source>System power</source>
        <comment>SystemPower</comment>
        <translation>Napájení systému</translation>
    </message>
    <message>
        <source>Relay output</source>
        <comment>RelayOutput</comment>
        <translation>Výstup relé</translation>
    </message>
</context>
<context>
    <name>ErrorCodesPage</name>
    <message>
        <source>DTC No.:;Detected failure condition:;Current/Past:;</source>
        <comment>Header</comment>
        <extracomment>Column names separated by &apos;;&apos;: keep every &apos;;&apos;, the last one too.</extracomment>
        <translation>Kód DTC:;Zjištěný stav poruchy:;Aktivní/Pasivní:;</translation>
    </message>
    <message>
        <source>Past</source>
        <comment>Past</comment>
        <translation>Pasivní</translation>
    </message>
    <message>
        <source>Pending</source>
        <comment>Pending</comment>
        <translation>Čekající</translation>
    </message>
    <message>
        <source>Current</source>
        <comment>Current</comment>
        <translation>Aktivní</translation>
    </message>
</context>
<context>
    <name>ShowDataWhenTroublePage</name>
    <message>
        <source>Fault 1#;Pre-detect;Detect point;Post-detect;Fix point;Cycle min;Cycle max;Unit;</source>
        <comment>Fault1Header</comment>
        <extracomment>Column names separated by &apos;;&apos;: keep every &apos;;&apos;, the last one too.</extracomment>
        <translation>Porucha 1#;Před detekcí;Detekce;Po detekci;Potvrzení;Cyklus min;Cyklus max;Jednotka;</translation>
    </message>
    <message>
        <source>Fault 2#;Pre-detect;Detect point;Post-detect;Fix point;Cycle min;Cycle max;Unit;</source>
        <comment>Fault2Header</comment>
        <extracomment>Column names separated by &apos;;&apos;: keep every &apos;;&apos;, the last one too.</extracomment>
        <translation>Porucha 2#;Před detekcí;Detekce;Po detekci;Potvrzení;Cyklus min;Cyklus max;Jednotka;</translation>
    </message>
    <message>
        <source>Engine speed</source>
        <comment>EngineSpeed</comment>
        <translation>Otáčky motoru</translation>
    </message>
    <message>
        <source>Throttle position</source>
        <comment>ThrottlePosition</comment>
        <translation>Poloha škrticí klapky</translation>
    </message>
    <message>
        <source>Manifold absolute pressure 1</source>
        <comment>ManifoldPressure</comment>
        <translation>Tlak v sacím potrubí 1</translation>
    </message>
    <message>
        <source>Engine coolant / oil temperature</source>
        <comment>CoolantTemperature</comment>
        <translation>Teplota chladicí kapaliny / oleje</translation>
    </message>
    <message>
        <source>Gear position</source>
        <comment>GearPosition</comment>
        <translation>Zařazený stupeň</translation>
    </message>
    <message>
        <source>Secondary throttle position</source>
        <comment>SecondaryThrottlePosition</comment>
        <translation>Poloha sekundární škrticí klapky</translation>
    </message>
    <message>
        <source>Low</source>
        <comment>GearLow</comment>
        <translation>Nízký</translation>
    </message>
    <message>
        <source>High</source>
        <comment>GearHigh</comment>
        <translation>Vysoký</translation>
    </message>
</context>
<context>
    <name>ActiveTestsPage</name>
    <message>
        <source>Steering damper solenoid operating control</source>
        <comment>SteeringDamperControl</comment>
        <translation>Ovládání ventilu tlumiče řízení</translation>
    </message>
    <message>
        <source>Secondary throttle operating control</source>
        <comment>SecondaryThrottleControl</comment>
        <translation>Ovládání sekundární škrticí klapky</translation>
    </message>
    <message>
        <source>Exhaust valve operating control</source>
        <comment>ExhaustValveControl</comment>
        <translation>Ovládání výfukové klapky</translation>
    </message>
    <message>
        <source>ISC air volume control</source>
        <comment>IscAirVolumeControl</comment>
        <translation>Řízení množství vzduchu ISC</translation>
    </message>
    <message>
        <source>ISC rpm control</source>
        <comment>IscRpmControl</comment>
        <translation>Řízení otáček ISC</translation>
    </message>
    <message>
        <source>EVAP purge valve operating control</source>
        <comment>EvapPurgeControl</comment>
        <translation>Ovládání ventilu odvětrání nádrže</translation>
    </message>
    <message>
        <source>PAIR solenoid operating control</source>
        <comment>PairSolenoidControl</comment>
        <translation>Ovládání ventilu PAIR</translation>
    </message>
    <message>
        <source>Cooling fan relay control</source>
        <comment>CoolingFanControl</comment>
        <translation>Ovládání relé ventilátoru</translation>
    </message>
    <message>
        <source>PPS learned value reset</source>
        <comment>PpsLearnedReset</comment>
        <translation>Reset naučené hodnoty PPS</translation>
    </message>
    <message>
        <source>ISC learned value reset</source>
        <comment>IscLearnedReset</comment>
        <translation>Reset naučené hodnoty ISC</translation>
    </message>
    <message>
        <source>TP learned valve reset</source>
        <comment>TpLearnedReset</comment>
        <translation>Reset naučené hodnoty TP</translation>
    </message>
    <message>
        <source>On</source>
        <comment>On</comment>
        <translation>Zap.</translation>
    </message>
    <message>
        <source>Off</source>
        <comment>Off</comment>
        <translation>Vyp.</translation>
    </message>
    <message>
        <source>Close</source>
        <comment>Close</comment>
        <translation>Zavřít</translation>
    </message>
    <message>
        <source>Open</source>
        <comment>Open</comment>
        <translation>Otevřít</translation>
    </message>
    <message>
        <source>Start</source>
        <comment>Start</comment>
        <translation>Start</translation>
    </message>
    <message>
        <source>Stop</source>
        <comment>Stop</comment>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Reset</source>
        <comment>Reset</comment>
        <translation>Reset</translation>
    </message>
    <message>
        <source>Can not execute because engine coolant temp is out of executable condition</source>
        <comment>CoolantOutOfCondition</comment>
        <translation>Nelze provést: teplota chladicí kapaliny mimo povolený rozsah</translation>
    </message>
    <message>
        <source>Can not execute because engine speed is out of executable condition</source>
        <comment>SpeedOutOfCondition</comment>
        <translation>Nelze provést: otáčky motoru mimo povolený rozsah</translation>
    </message>
    <message>
        <source>Can not execute because this ECM does not support this function</source>
        <comment>NotSupported</comment>
        <translation>Nelze provést: tato řídicí jednotka funkci nepodporuje</translation>
    </message>
    <message>
        <source>Reset has been performed successfully.</source>
        <comment>ResetDone</comment>
        <translation>Reset byl úspěšně proveden.</translation>
    </message>
    <message>
        <source>Execute ISC learned value reset?</source>
        <comment>IscResetQuestion</comment>
        <translation>Provést reset naučené hodnoty ISC?</translation>
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
        <translation>Tento software spolu s diagnostickým rozhraním umožňuje rychle zjistit příčinu rozsvícení kontrolky FI. Chybové kódy lze vyčíst a po opravě vymazat. Hodnoty snímačů se zobrazují v reálném čase a umožňují vyškolenému personálu podrobnější analýzu poruch a výkonu motoru. Součástí jsou také testovací funkce.
<byte value="xd"/><byte value="xd"/>Měření se zaznamenávají automaticky a lze je uložit a přehrát ze souboru. Program lze spustit vícekrát současně, takže lze porovnat aktuální hodnoty s dříve zaznamenanými nebo porovnat dva záznamy.
<byte value="xd"/><byte value="xd"/>Připojení přes USB, kompaktní rozměry a automatické nastavení činí tento produkt přenosným a mimořádně snadno použitelným. Diagnostické rozhraní je zcela zalité (vodotěsné) a vztahuje se na něj naše dvouletá záruka. Aktualizace softwaru jsou po celou dobu životnosti produktu zdarma.</translation>
    </message>
    <message>
        <source>Close</source>
        <comment>Close</comment>
        <translation>Zavřít</translation>
    </message>
    <message>
        <source>About</source>
        <comment>About</comment>
        <translation>O programu</translation>
    </message>
</context>
<context>
    <name>ModelsDialog</name>
    <message>
        <source>Close</source>
        <comment>Close</comment>
        <translation>Zavřít</translation>
    </message>
    <message>
        <source>MOTORCYCLES:</source>
        <comment>Motorcycles</comment>
        <translation>MOTOCYKLY:</translation>
    </message>
</context>
<context>
    <name>SettingsDialog</name>
    <message>
        <source>Settings</source>
        <comment>Caption</comment>
        <translation>Nastavení</translation>
    </message>
    <message>
        <source>Speed</source>
        <comment>Speed</comment>
        <translation>Rychlost</translation>
    </message>
    <message>
        <source>Temperature</source>
        <comment>Temperature</comment>
        <translation>Teplota</translation>
    </message>
    <message>
        <source>Pressure</source>
        <comment>Pressure</comment>
        <translation>Tlak</translation>
    </message>
    <message>
        <source>Airflow</source>
        <comment>Airflow</comment>
        <translation>Průtok vzduchu</translation>
    </message>
    <message>
        <source>Language</source>
        <comment>Language</comment>
        <translation>Jazyk</translation>
    </message>
    <message>
        <source>Highlighting period (sec)</source>
        <comment>HighlightingPeriod</comment>
        <translation>Doba zvýraznění (sec)</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <comment>IntegerRange</comment>
        <extracomment>Keep %1 and %2: they become numbers.</extracomment>
        <translation>Zadejte celé číslo od %1 do %2.</translation>
    </message>
</context>
<context>
    <name>FileBrowser</name>
    <message>
        <source>You do not have permission to save to this folder.</source>
        <comment>NoPermission</comment>
        <translation>Nemáte oprávnění ukládat do této složky.</translation>
    </message>
    <message>
        <source>File not found.</source>
        <comment>FileNotFound</comment>
        <translation>Soubor nebyl nalezen.</translation>
    </message>
    <message>
        <source>The file</source>
        <comment>TheFile</comment>
        <translation>Soubor</translation>
    </message>
    <message>
        <source>already exists.
<byte value="xd"/>Would you like to overwrite this file ?</source>
        <comment>AlreadyExists</comment>
        <extracomment>Keep every line break where the sentence allows it.</extracomment>
        <translation>již existuje.
<byte value="xd"/>Chcete tento soubor přepsat?</translation>
    </message>
    <message>
        <source>Open</source>
        <comment>Open</comment>
        <translation>Otevřít</translation>
    </message>
    <message>
        <source>Filter :</source>
        <comment>Filter</comment>
        <translation>Filtr :</translation>
    </message>
    <message>
        <source>File name:</source>
        <comment>FileName</comment>
        <translation>Název souboru:</translation>
    </message>
    <message>
        <source>Save</source>
        <comment>Save</comment>
        <translation>Uložit</translation>
    </message>
    <message>
        <source>Save as</source>
        <comment>SaveAs</comment>
        <translation>Uložit jako</translation>
    </message>
    <message>
        <source>Rename selected file or folder</source>
        <comment>RenameTip</comment>
        <translation>Přejmenovat vybraný soubor nebo složku</translation>
    </message>
    <message>
        <source>Delete selected file or folder</source>
        <comment>DeleteTip</comment>
        <translation>Odstranit vybraný soubor nebo složku</translation>
    </message>
    <message>
        <source>Create new folder</source>
        <comment>NewFolderTip</comment>
        <translation>Vytvořit novou složku</translation>
    </message>
    <message>
        <source>Drive not available.</source>
        <comment>DriveNotAvailable</comment>
        <translation>Jednotka není dostupná.</translation>
    </message>
    <message>
        <source>New</source>
        <comment>New</comment>
        <translation>Nová</translation>
    </message>
    <message>
        <source>Access to the selected file or folder was denied.</source>
        <comment>AccessDenied</comment>
        <translation>Přístup k vybranému souboru nebo složce byl odepřen.</translation>
    </message>
    <message>
        <source>Do you really want to delete the selected folder</source>
        <comment>DeleteFolderQuestion</comment>
        <translation>Opravdu chcete odstranit vybranou složku</translation>
    </message>
    <message>
        <source>Do you really want to delete the selected file</source>
        <comment>DeleteFileQuestion</comment>
        <translation>Opravdu chcete odstranit vybraný soubor</translation>
    </message>
    <message>
        <source>Cancel</source>
        <comment>Cancel</comment>
        <translation>Zrušit</translation>
    </message>
    <message>
        <source>Drive :</source>
        <comment>Drive</comment>
        <translation>Jednotka :</translation>
    </message>
    <message>
        <source>Path :</source>
        <comment>Path</comment>
        <translation>Cesta :</translation>
    </message>
    <message>
        <source>File type :</source>
        <comment>FileType</comment>
        <translation>Typ souboru :</translation>
    </message>
    <message>
        <source>Rename</source>
        <comment>RenameTitle</comment>
        <translation>Přejmenovat</translation>
    </message>
    <message>
        <source>New folder</source>
        <comment>NewFolderTitle</comment>
        <translation>Nová složka</translation>
    </message>
</context>
<context>
    <name>GraphView</name>
    <message>
        <source>Graph view</source>
        <comment>Title</comment>
        <translation>Graf</translation>
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
        <translation>Aktuální:</translation>
    </message>
    <message>
        <source>Pause</source>
        <comment>Pause</comment>
        <translation>Pauza</translation>
    </message>
    <message>
        <source>Resume</source>
        <comment>Resume</comment>
        <translation>Pokračovat</translation>
    </message>
    <message>
        <source>Reset view</source>
        <comment>ResetView</comment>
        <translation>Obnovit zobrazení</translation>
    </message>
    <message>
        <source>Export</source>
        <comment>Export</comment>
        <translation>Exportovat</translation>
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
        <translation>Změna časové osy:
<byte value="xd"/>Kliknutím levým nebo pravým tlačítkem myši kamkoli do grafů časovou osu přiblížíte nebo oddálíte.
<byte value="xd"/>Podržením levého tlačítka myši a pohybem myši doleva nebo doprava časovou osu posunete.
<byte value="xd"/>Tlačítko &apos;&apos;Obnovit zobrazení&apos;&apos; vrátí časovou osu do výchozího stavu.
<byte value="xd"/>Přibližování je určeno pro zaznamenaná měření.
<byte value="xd"/>
<byte value="xd"/>Program lze spustit vícekrát současně, takže lze grafy porovnávat.
<byte value="xd"/>
<byte value="xd"/>Během živého měření výběr jiného snímače vymaže grafy, záznam však pokračuje.</translation>
    </message>
    <message>
        <source>Compare...</source>
        <comment>Compare</comment>
        <translation>Porovnat...</translation>
    </message>
    <message>
        <source>Clear reference</source>
        <comment>ClearReference</comment>
        <translation>Zrušit srovnání</translation>
    </message>
    <message>
        <source>Offset:</source>
        <comment>Offset</comment>
        <translation>Posun:</translation>
    </message>
    <message>
        <source>Align at engine start</source>
        <comment>AlignAtEngineStart</comment>
        <translation>Zarovnat na start motoru</translation>
    </message>
    <message>
        <source>Solid: %1   Dashed: %2</source>
        <comment>Legend</comment>
        <extracomment>Keep %1 and %2: they become numbers.</extracomment>
        <translation>Plná: %1   Čárkovaná: %2</translation>
    </message>
    <message>
        <source>live session</source>
        <comment>LiveSession</comment>
        <translation>živé měření</translation>
    </message>
    <message>
        <source>Not in the reference: %1</source>
        <comment>NotInReference</comment>
        <extracomment>Keep %1 and %2: they become numbers.</extracomment>
        <translation>Ve srovnávacím záznamu chybí: %1</translation>
    </message>
    <message>
        <source>The engine does not start in both rides; the offset stays as it is.</source>
        <comment>NoEngineStart</comment>
        <translation>Motor nestartuje v obou jízdách; posun zůstává beze změny.</translation>
    </message>
</context>
<context>
    <name>TroubleCodes</name>
    <message>
        <source>Unknown error</source>
        <comment>Unknown</comment>
        <extracomment>Description of a trouble code that has no text of its own.</extracomment>
        <translation>Neznámá chyba</translation>
    </message>
    <message>
        <source>Manifold absolute pressure circuit malfunction 1</source>
        <comment>P0105</comment>
        <extracomment>Description of trouble code P0105.</extracomment>
        <translation>Snímač tlaku v sacím potrubí 1 - porucha obvodu</translation>
    </message>
    <message>
        <source>Intake air temperature circuit malfunction</source>
        <comment>P0110</comment>
        <extracomment>Description of trouble code P0110.</extracomment>
        <translation>Snímač teploty nasávaného vzduchu - porucha obvodu</translation>
    </message>
    <message>
        <source>Engine coolant / oil temperature circuit malfunction</source>
        <comment>P0115</comment>
        <extracomment>Description of trouble code P0115.</extracomment>
        <translation>Snímač teploty chladicí kapaliny / oleje - porucha obvodu</translation>
    </message>
    <message>
        <source>Throttle position sensor A circuit malfunction</source>
        <comment>P0120</comment>
        <extracomment>Description of trouble code P0120.</extracomment>
        <translation>Snímač polohy škrticí klapky A - porucha obvodu</translation>
    </message>
    <message>
        <source>O2 sensor circuit malfunction (Bank1 Sensor 1)</source>
        <comment>P0130</comment>
        <extracomment>Description of trouble code P0130.</extracomment>
        <translation>Lambda sonda - porucha obvodu (řada 1 sonda 1)</translation>
    </message>
    <message>
        <source>O2 sensor heater circuit malfunction (Bank1 Sensor 1)</source>
        <comment>P0135</comment>
        <extracomment>Description of trouble code P0135.</extracomment>
        <translation>Ohřev lambda sondy - porucha obvodu (řada 1 sonda 1)</translation>
    </message>
    <message>
        <source>O2 sensor circuit malfunction (Bank2 Sensor 2)</source>
        <comment>P0156</comment>
        <extracomment>Description of trouble code P0156.</extracomment>
        <translation>Lambda sonda - porucha obvodu (řada 2 sonda 2)</translation>
    </message>
    <message>
        <source>O2 sensor heater circuit malfunction (Bank2 Sensor 2)</source>
        <comment>P0161</comment>
        <extracomment>Description of trouble code P0161.</extracomment>
        <translation>Ohřev lambda sondy - porucha obvodu (řada 2 sonda 2)</translation>
    </message>
    <message>
        <source>Injector circuit cylinder 1 malfunction</source>
        <comment>P0201</comment>
        <extracomment>Description of trouble code P0201.</extracomment>
        <translation>Vstřikovač válec 1 - porucha obvodu</translation>
    </message>
    <message>
        <source>Injector circuit cylinder 2 malfunction</source>
        <comment>P0202</comment>
        <extracomment>Description of trouble code P0202.</extracomment>
        <translation>Vstřikovač válec 2 - porucha obvodu</translation>
    </message>
    <message>
        <source>Injector circuit cylinder 3 malfunction</source>
        <comment>P0203</comment>
        <extracomment>Description of trouble code P0203.</extracomment>
        <translation>Vstřikovač válec 3 - porucha obvodu</translation>
    </message>
    <message>
        <source>Injector circuit cylinder 4 malfunction</source>
        <comment>P0204</comment>
        <extracomment>Description of trouble code P0204.</extracomment>
        <translation>Vstřikovač válec 4 - porucha obvodu</translation>
    </message>
    <message>
        <source>Fuel pump circuit malfunction</source>
        <comment>P0230</comment>
        <extracomment>Description of trouble code P0230.</extracomment>
        <translation>Palivové čerpadlo - porucha obvodu</translation>
    </message>
    <message>
        <source>Crankshaft position sensor A circuit malfunction</source>
        <comment>P0335</comment>
        <extracomment>Description of trouble code P0335.</extracomment>
        <translation>Snímač polohy klikového hřídele A - porucha obvodu</translation>
    </message>
    <message>
        <source>Camshaft position sensor A circuit malfunction</source>
        <comment>P0340</comment>
        <extracomment>Description of trouble code P0340.</extracomment>
        <translation>Snímač polohy vačkového hřídele A - porucha obvodu</translation>
    </message>
    <message>
        <source>Ignition coil A circuit malfunction</source>
        <comment>P0351</comment>
        <extracomment>Description of trouble code P0351.</extracomment>
        <translation>Zapalovací cívka A - porucha obvodu</translation>
    </message>
    <message>
        <source>Ignition coil B circuit malfunction</source>
        <comment>P0352</comment>
        <extracomment>Description of trouble code P0352.</extracomment>
        <translation>Zapalovací cívka B - porucha obvodu</translation>
    </message>
    <message>
        <source>Ignition coil C circuit malfunction</source>
        <comment>P0353</comment>
        <extracomment>Description of trouble code P0353.</extracomment>
        <translation>Zapalovací cívka C - porucha obvodu</translation>
    </message>
    <message>
        <source>Ignition coil D circuit malfunction</source>
        <comment>P0354</comment>
        <extracomment>Description of trouble code P0354.</extracomment>
        <translation>Zapalovací cívka D - porucha obvodu</translation>
    </message>
    <message>
        <source>EVAP system purge valve circuit malfunction</source>
        <comment>P0443</comment>
        <extracomment>Description of trouble code P0443.</extracomment>
        <translation>Ventil odvětrání nádrže (EVAP) - porucha obvodu</translation>
    </message>
    <message>
        <source>Cooling fan control circuit malfunction</source>
        <comment>P0480</comment>
        <extracomment>Description of trouble code P0480.</extracomment>
        <translation>Ovládání ventilátoru chlazení - porucha obvodu</translation>
    </message>
    <message>
        <source>Vehicle speed sensor malfunction</source>
        <comment>P0500</comment>
        <extracomment>Description of trouble code P0500.</extracomment>
        <translation>Porucha snímače rychlosti vozidla</translation>
    </message>
    <message>
        <source>ISC valve circuit malfunction</source>
        <comment>P0505</comment>
        <extracomment>Description of trouble code P0505.</extracomment>
        <translation>Ventil ISC - porucha obvodu</translation>
    </message>
    <message>
        <source>ISC valve, lower than desired rpm</source>
        <comment>P0506</comment>
        <extracomment>Description of trouble code P0506.</extracomment>
        <translation>Ventil ISC, otáčky nižší než požadované</translation>
    </message>
    <message>
        <source>ISC valve, higher than desired rpm</source>
        <comment>P0507</comment>
        <extracomment>Description of trouble code P0507.</extracomment>
        <translation>Ventil ISC, otáčky vyšší než požadované</translation>
    </message>
    <message>
        <source>Starter relay circuit malfunction</source>
        <comment>P0615</comment>
        <extracomment>Description of trouble code P0615.</extracomment>
        <translation>Relé startéru - porucha obvodu</translation>
    </message>
    <message>
        <source>Gear position switch circuit malfunction</source>
        <comment>P0705</comment>
        <extracomment>Description of trouble code P0705.</extracomment>
        <translation>Spínač polohy řazení - porucha obvodu</translation>
    </message>
    <message>
        <source>EPS torque sensor (Main) circuit malfunction</source>
        <comment>P1111</comment>
        <extracomment>Description of trouble code P1111.</extracomment>
        <translation>Snímač momentu EPS (hlavní) - porucha obvodu</translation>
    </message>
    <message>
        <source>EPS torque sensor (Main/Sub) circuit correlation</source>
        <comment>P1113</comment>
        <extracomment>Description of trouble code P1113.</extracomment>
        <translation>Snímač momentu EPS (hlavní/vedlejší) - nesouhlas signálů</translation>
    </message>
    <message>
        <source>EPS torque sensor power supply (5V) circuit malfunction</source>
        <comment>P1114</comment>
        <extracomment>Description of trouble code P1114.</extracomment>
        <translation>Napájení snímače momentu EPS (5V) - porucha obvodu</translation>
    </message>
    <message>
        <source>EPS torque sensor (Sub) circuit malfunction</source>
        <comment>P1115</comment>
        <extracomment>Description of trouble code P1115.</extracomment>
        <translation>Snímač momentu EPS (vedlejší) - porucha obvodu</translation>
    </message>
    <message>
        <source>Vehicle speed sensor malfunction</source>
        <comment>P1121</comment>
        <extracomment>Description of trouble code P1121.</extracomment>
        <translation>Porucha snímače rychlosti vozidla</translation>
    </message>
    <message>
        <source>Engine speed signal malfunction</source>
        <comment>P1122</comment>
        <extracomment>Description of trouble code P1122.</extracomment>
        <translation>Porucha signálu otáček motoru</translation>
    </message>
    <message>
        <source>Motor circuit voltage malfunction</source>
        <comment>P1141</comment>
        <extracomment>Description of trouble code P1141.</extracomment>
        <translation>Obvod motoru - chybné napětí</translation>
    </message>
    <message>
        <source>Motor detecting current malfunction</source>
        <comment>P1142</comment>
        <extracomment>Description of trouble code P1142.</extracomment>
        <translation>Motor - chyba snímání proudu</translation>
    </message>
    <message>
        <source>Motor circuit current too high</source>
        <comment>P1143</comment>
        <extracomment>Description of trouble code P1143.</extracomment>
        <translation>Obvod motoru - příliš vysoký proud</translation>
    </message>
    <message>
        <source>Motor circuit current too low</source>
        <comment>P1145</comment>
        <extracomment>Description of trouble code P1145.</extracomment>
        <translation>Obvod motoru - příliš nízký proud</translation>
    </message>
    <message>
        <source>Relay welding</source>
        <comment>P1152</comment>
        <extracomment>Description of trouble code P1152.</extracomment>
        <translation>Spečený kontakt relé</translation>
    </message>
    <message>
        <source>Battery voltage too low</source>
        <comment>P1153</comment>
        <extracomment>Description of trouble code P1153.</extracomment>
        <translation>Příliš nízké napětí akumulátoru</translation>
    </message>
    <message>
        <source>Relay malfunction</source>
        <comment>P1154</comment>
        <extracomment>Description of trouble code P1154.</extracomment>
        <translation>Porucha relé</translation>
    </message>
    <message>
        <source>EPS control unit malfunction</source>
        <comment>P1155</comment>
        <extracomment>Description of trouble code P1155.</extracomment>
        <translation>Porucha řídicí jednotky EPS</translation>
    </message>
    <message>
        <source>Atmospheric pressure sensor circuit malfunction</source>
        <comment>P1450</comment>
        <extracomment>Description of trouble code P1450.</extracomment>
        <translation>Snímač atmosférického tlaku - porucha obvodu</translation>
    </message>
    <message>
        <source>Serial communication problem between ECM and TCM</source>
        <comment>P1600</comment>
        <extracomment>Description of trouble code P1600.</extracomment>
        <translation>Porucha sériové komunikace mezi ECM a TCM</translation>
    </message>
    <message>
        <source>Wheel speed sensor rotor malfunction(F)</source>
        <comment>P1613</comment>
        <extracomment>Description of trouble code P1613.</extracomment>
        <translation>Porucha impulzního kola snímače otáček kola (P)</translation>
    </message>
    <message>
        <source>Wheel speed sensor rotor malfunction(R)</source>
        <comment>P1614</comment>
        <extracomment>Description of trouble code P1614.</extracomment>
        <translation>Porucha impulzního kola snímače otáček kola (Z)</translation>
    </message>
    <message>
        <source>ABS actuator circuit malfunction(F)</source>
        <comment>P1622</comment>
        <extracomment>Description of trouble code P1622.</extracomment>
        <translation>Hydraulická jednotka ABS - porucha obvodu (P)</translation>
    </message>
    <message>
        <source>ABS actuator circuit malfunction(R)</source>
        <comment>P1623</comment>
        <extracomment>Description of trouble code P1623.</extracomment>
        <translation>Hydraulická jednotka ABS - porucha obvodu (Z)</translation>
    </message>
    <message>
        <source>Incorrect tire size or wheel speed sensor related malfunction</source>
        <comment>P1625</comment>
        <extracomment>Description of trouble code P1625.</extracomment>
        <translation>Nesprávný rozměr pneumatik nebo porucha snímače otáček kola</translation>
    </message>
    <message>
        <source>ABS motor malfunction</source>
        <comment>P1635</comment>
        <extracomment>Description of trouble code P1635.</extracomment>
        <translation>Porucha motoru čerpadla ABS</translation>
    </message>
    <message>
        <source>Wheel speed sensor signal malfunction(F)</source>
        <comment>P1641</comment>
        <extracomment>Description of trouble code P1641.</extracomment>
        <translation>Snímač otáček kola - porucha signálu (P)</translation>
    </message>
    <message>
        <source>Wheel speed sensor circuit open (F)</source>
        <comment>P1642</comment>
        <extracomment>Description of trouble code P1642.</extracomment>
        <translation>Snímač otáček kola - přerušený obvod (P)</translation>
    </message>
    <message>
        <source>Wheel speed sensor circuit short (F)</source>
        <comment>P1643</comment>
        <extracomment>Description of trouble code P1643.</extracomment>
        <translation>Snímač otáček kola - zkrat (P)</translation>
    </message>
    <message>
        <source>Wheel speed sensor signal malfunction(R)</source>
        <comment>P1644</comment>
        <extracomment>Description of trouble code P1644.</extracomment>
        <translation>Snímač otáček kola - porucha signálu (Z)</translation>
    </message>
    <message>
        <source>Wheel speed sensor circuit open(R)</source>
        <comment>P1645</comment>
        <extracomment>Description of trouble code P1645.</extracomment>
        <translation>Snímač otáček kola - přerušený obvod (Z)</translation>
    </message>
    <message>
        <source>Wheel speed sensor circuit short(R)</source>
        <comment>P1646</comment>
        <extracomment>Description of trouble code P1646.</extracomment>
        <translation>Snímač otáček kola - zkrat (Z)</translation>
    </message>
    <message>
        <source>Supply voltage(Increased)</source>
        <comment>P1647</comment>
        <extracomment>Description of trouble code P1647.</extracomment>
        <translation>Napájecí napětí (příliš vysoké)</translation>
    </message>
    <message>
        <source>Supply voltage(Decreased)</source>
        <comment>P1648</comment>
        <extracomment>Description of trouble code P1648.</extracomment>
        <translation>Napájecí napětí (příliš nízké)</translation>
    </message>
    <message>
        <source>Ignition switch signal circuit malfunction</source>
        <comment>P1650</comment>
        <extracomment>Description of trouble code P1650.</extracomment>
        <translation>Signál spínací skříňky - porucha obvodu</translation>
    </message>
    <message>
        <source>Tip over sensor circuit malfunction</source>
        <comment>P1651</comment>
        <extracomment>Description of trouble code P1651.</extracomment>
        <translation>Snímač převrácení - porucha obvodu</translation>
    </message>
    <message>
        <source>PTC heater circuit malfunction</source>
        <comment>P1652</comment>
        <extracomment>Description of trouble code P1652.</extracomment>
        <translation>Topení PTC - porucha obvodu</translation>
    </message>
    <message>
        <source>Secondary throttle actuator position sensor circuit malfunction</source>
        <comment>P1654</comment>
        <extracomment>Description of trouble code P1654.</extracomment>
        <translation>Snímač polohy servomotoru sek. škrticí klapky - porucha obvodu</translation>
    </message>
    <message>
        <source>Secondary throttle motor circuit malfunction</source>
        <comment>P1655</comment>
        <extracomment>Description of trouble code P1655.</extracomment>
        <translation>Motor sekundární škrticí klapky - porucha obvodu</translation>
    </message>
    <message>
        <source>PAIR circuit malfunction</source>
        <comment>P1656</comment>
        <extracomment>Description of trouble code P1656.</extracomment>
        <translation>Systém PAIR - porucha obvodu</translation>
    </message>
    <message>
        <source>Exhaust control valve actuator position sensor circuit malfunction</source>
        <comment>P1657</comment>
        <extracomment>Description of trouble code P1657.</extracomment>
        <translation>Snímač polohy servomotoru výfukové klapky - porucha obvodu</translation>
    </message>
    <message>
        <source>Exhaust control valve motor circuit malfunction</source>
        <comment>P1658</comment>
        <extracomment>Description of trouble code P1658.</extracomment>
        <translation>Motor výfukové klapky - porucha obvodu</translation>
    </message>
    <message>
        <source>ABS solenoid malfunction</source>
        <comment>P1661</comment>
        <extracomment>Description of trouble code P1661.</extracomment>
        <translation>Porucha elektromagnetického ventilu ABS</translation>
    </message>
    <message>
        <source>Throttle position signal input malfunction</source>
        <comment>P1700</comment>
        <extracomment>Description of trouble code P1700.</extracomment>
        <translation>Signál polohy škrticí klapky - porucha vstupu</translation>
    </message>
    <message>
        <source>Manifold absolute pressure circuit malfunction 2</source>
        <comment>P1750</comment>
        <extracomment>Description of trouble code P1750.</extracomment>
        <translation>Snímač tlaku v sacím potrubí 2 - porucha obvodu</translation>
    </message>
    <message>
        <source>Decomp solenoid relay circuit malfunction</source>
        <comment>P1751</comment>
        <extracomment>Description of trouble code P1751.</extracomment>
        <translation>Relé dekompresního ventilu - porucha obvodu</translation>
    </message>
    <message>
        <source>Differential lock relay circuit malfunction</source>
        <comment>P1752</comment>
        <extracomment>Description of trouble code P1752.</extracomment>
        <translation>Relé uzávěrky diferenciálu - porucha obvodu</translation>
    </message>
    <message>
        <source>Secondary injector cir. - cyl. 1 malfunction</source>
        <comment>P1764</comment>
        <extracomment>Description of trouble code P1764.</extracomment>
        <translation>Sekundární vstřikovač válec 1 - porucha obvodu</translation>
    </message>
    <message>
        <source>Secondary injector cir. - cyl. 2 malfunction</source>
        <comment>P1765</comment>
        <extracomment>Description of trouble code P1765.</extracomment>
        <translation>Sekundární vstřikovač válec 2 - porucha obvodu</translation>
    </message>
    <message>
        <source>Secondary injector cir. - cyl. 3 malfunction</source>
        <comment>P1766</comment>
        <extracomment>Description of trouble code P1766.</extracomment>
        <translation>Sekundární vstřikovač válec 3 - porucha obvodu</translation>
    </message>
    <message>
        <source>Secondary injector cir. - cyl. 4 malfunction</source>
        <comment>P1767</comment>
        <extracomment>Description of trouble code P1767.</extracomment>
        <translation>Sekundární vstřikovač válec 4 - porucha obvodu</translation>
    </message>
    <message>
        <source>PAIR circuit malfunction 2</source>
        <comment>P1768</comment>
        <extracomment>Description of trouble code P1768.</extracomment>
        <translation>Systém PAIR - porucha obvodu 2</translation>
    </message>
    <message>
        <source>Steering damper solenoid circuit malfunction</source>
        <comment>P1769</comment>
        <extracomment>Description of trouble code P1769.</extracomment>
        <translation>Ventil tlumiče řízení - porucha obvodu</translation>
    </message>
    <message>
        <source>Crankshaft rotation signal circuit malfunction</source>
        <comment>P1771</comment>
        <extracomment>Description of trouble code P1771.</extracomment>
        <translation>Signál otáčení klikového hřídele - porucha obvodu</translation>
    </message>
    <message>
        <source>Switch circuit malfunction for CVT</source>
        <comment>P1815</comment>
        <extracomment>Description of trouble code P1815.</extracomment>
        <translation>Spínač CVT - porucha obvodu</translation>
    </message>
    <message>
        <source>Secondary pulley speed sensor circuit malfunction</source>
        <comment>P1831</comment>
        <extracomment>Description of trouble code P1831.</extracomment>
        <translation>Snímač otáček sekundární řemenice - porucha obvodu</translation>
    </message>
    <message>
        <source>Motor system malfunction</source>
        <comment>P1861</comment>
        <extracomment>Description of trouble code P1861.</extracomment>
        <translation>Porucha systému servomotoru</translation>
    </message>
    <message>
        <source>Pulley position sensor circuit malfunction</source>
        <comment>P1862</comment>
        <extracomment>Description of trouble code P1862.</extracomment>
        <translation>Snímač polohy řemenice - porucha obvodu</translation>
    </message>
    <message>
        <source>Belt slip/Pulley position sensor system malfunction</source>
        <comment>P1863</comment>
        <extracomment>Description of trouble code P1863.</extracomment>
        <translation>Prokluz řemene/snímač polohy řemenice - porucha systému</translation>
    </message>
    <message>
        <source>ECM/PCM power input signal malfunction</source>
        <comment>P2505</comment>
        <extracomment>Description of trouble code P2505.</extracomment>
        <translation>Napájení ECM/PCM - porucha vstupního signálu</translation>
    </message>
</context>
</TS>
