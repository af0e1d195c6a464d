<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL" sourcelanguage="en">
<context>
    <name>MainWindow</name>
    <message>
        <source>Clear errors</source>
        <comment>ClearErrors</comment>
        <translation>Kasuj błędy</translation>
    </message>
    <message>
        <source>Connect</source>
        <comment>Connect</comment>
        <translation>Połącz</translation>
    </message>
    <message>
        <source>Save As...</source>
        <comment>SaveAs</comment>
        <translation>Zapisz jako...</translation>
    </message>
    <message>
        <source>Open...</source>
        <comment>Open</comment>
        <translation>Otwórz...</translation>
    </message>
    <message>
        <source>Close</source>
        <comment>Close</comment>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Exit</source>
        <comment>Exit</comment>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>Number of DTCs:</source>
        <comment>NumberOfDtcs</comment>
        <translation>Liczba kodów błędów:</translation>
    </message>
    <message>
        <source>Engine</source>
        <comment>TabEngine</comment>
        <translation>Silnik</translation>
    </message>
    <message>
        <source>Transmission</source>
        <comment>TabTransmission</comment>
        <translation>Skrzynia biegów</translation>
    </message>
    <message>
        <source>Engine &amp; Transmission</source>
        <comment>TabEngineTransmission</comment>
        <translation>Silnik i skrzynia biegów</translation>
    </message>
    <message>
        <source>Error codes</source>
        <comment>TabErrorCodes</comment>
        <translation>Kody błędów</translation>
    </message>
    <message>
        <source>Show data when trouble</source>
        <comment>TabShowDataWhenTrouble</comment>
        <translation>Dane przy usterce</translation>
    </message>
    <message>
        <source>Active tests</source>
        <comment>TabActiveTests</comment>
        <translation>Testy wykonawcze</translation>
    </message>
    <message>
        <source>About</source>
        <comment>About</comment>
        <translation>O programie</translation>
    </message>
    <message>
        <source>Hardware ID:</source>
        <comment>HardwareId</comment>
        <translation>ID sprzętu:</translation>
    </message>
    <message>
        <source>Hardware SN:</source>
        <comment>HardwareSn</comment>
        <translation>SN sprzętu:</translation>
    </message>
    <message>
        <source>ECM ID:</source>
        <comment>EcmId</comment>
        <translation>ID sterownika:</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <comment>Disconnect</comment>
        <translation>Rozłącz</translation>
    </message>
    <message>
        <source>Communication failed</source>
        <comment>CommunicationFailed</comment>
        <translation>Komunikacja nie powiodła się</translation>
    </message>
    <message>
        <source>Error</source>
        <comment>Error</comment>
        <translation>Błąd</translation>
    </message>
    <message>
        <source>Communication error occurred</source>
        <comment>CommunicationError</comment>
        <translation>Wystąpił błąd komunikacji</translation>
    </message>
    <message>
        <source>Pause</source>
        <comment>Pause</comment>
        <translation>Pauza</translation>
    </message>
    <message>
        <source>Play</source>
        <comment>Play</comment>
        <translation>Odtwórz</translation>
    </message>
    <message>
        <source>Time:</source>
        <comment>Time</comment>
        <translation>Czas:</translation>
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
        <translation>Pomoc</translation>
    </message>
    <message>
        <source>New version available...
<byte value="xd"/>Would you like to install now?</source>
        <comment>NewVersionQuestion</comment>
        <extracomment>Keep every line break where the sentence allows it.</extracomment>
        <translation>Dostępna jest nowa wersja...
<byte value="xd"/>Czy zainstalować ją teraz?</translation>
    </message>
    <message>
        <source>Attention</source>
        <comment>Attention</comment>
        <translation>Uwaga</translation>
    </message>
    <message>
        <source>Download error 
<byte value="xd"/>Please try again later</source>
        <comment>DownloadError</comment>
        <extracomment>Keep every line break where the sentence allows it.</extracomment>
        <translation>Błąd pobierania 
<byte value="xd"/>Spróbuj ponownie później</translation>
    </message>
    <message>
        <source>Error codes will be cleared. Continue?</source>
        <comment>ClearErrorsQuestion</comment>
        <translation>Kody błędów zostaną skasowane. Kontynuować?</translation>
    </message>
    <message>
        <source>Last session was not saved!
<byte value="xd"/>Would you like to continue?</source>
        <comment>UnsavedContinueQuestion</comment>
        <extracomment>Keep every line break where the sentence allows it.</extracomment>
        <translation>Ostatnia sesja nie została zapisana!
<byte value="xd"/>Czy mimo to kontynuować?</translation>
    </message>
    <message>
        <source>Attention</source>
        <comment>AttentionUnsaved</comment>
        <translation>Uwaga</translation>
    </message>
    <message>
        <source>FAQ page has been updated.</source>
        <comment>FaqUpdated</comment>
        <translation>Strona FAQ została zaktualizowana.</translation>
    </message>
    <message>
        <source>Note</source>
        <comment>Note</comment>
        <translation>Informacja</translation>
    </message>
    <message>
        <source>Last session was not saved!
<byte value="xd"/>Would you like to exit anyway?</source>
        <comment>UnsavedExitQuestion</comment>
        <extracomment>Keep every line break where the sentence allows it.</extracomment>
        <translation>Ostatnia sesja nie została zapisana!
<byte value="xd"/>Czy mimo to zakończyć?</translation>
    </message>
    <message>
        <source>Settings</source>
        <comment>Settings</comment>
        <translation>Ustawienia</translation>
    </message>
    <message>
        <source>Models</source>
        <comment>Models</comment>
        <translation>Modele</translation>
    </message>
    <message>
        <source>FAQ</source>
        <comment>Faq</comment>
        <translation>FAQ</translation>
    </message>
    <message>
        <source>Graph view</source>
        <comment>GraphView</comment>
        <translation>Wykres</translation>
    </message>
    <message>
        <source>Offline mode</source>
        <comment>OfflineMode</comment>
        <translation>Tryb offline</translation>
    </message>
    <message>
        <source>File is locked by another application.</source>
        <comment>FileLocked</comment>
        <translation>Plik jest zablokowany przez inną aplikację.</translation>
    </message>
    <message>
        <source>File is corrupted, load skipped.</source>
        <comment>FileCorrupted</comment>
        <translation>Plik jest uszkodzony i nie został wczytany.</translation>
    </message>
    <message>
        <source>Actual sensor data:</source>
        <comment>ActualSensorData</comment>
        <translation>Aktualne dane czujników:</translation>
    </message>
    <message>
        <source>Date: </source>
        <comment>Date</comment>
        <extracomment>Keep the blank at the end.</extracomment>
        <translation>Data: </translation>
    </message>
    <message>
        <source>Time: </source>
        <comment>TimeOfDay</comment>
        <extracomment>Keep the blank at the end.</extracomment>
        <translation>Godzina: </translation>
    </message>
    <message>
        <source>Print</source>
        <comment>Print</comment>
        <translation>Drukuj</translation>
    </message>
    <message>
        <source>Please wait while downloading...</source>
        <comment>PleaseWait</comment>
        <translation>Trwa pobieranie, proszę czekać...</translation>
    </message>
    <message>
        <source>The file could not be written:
%1</source>
        <comment>FileNotWritten</comment>
        <extracomment>Keep %1 and %2: they become numbers.</extracomment>
        <translation>Nie można zapisać pliku:
%1</translation>
    </message>
    <message>
        <source>The report was saved as %1.
No program to show PDF files was found.</source>
        <comment>ReportSavedNoViewer</comment>
        <extracomment>Keep %1 and %2: they become numbers.</extracomment>
        <translation>Raport zapisano jako %1.
Nie znaleziono programu do wyświetlania plików PDF.</translation>
    </message>
    <message>
        <source>The FAQ document is %1.
No program to show PDF files was found.</source>
        <comment>FaqNoViewer</comment>
        <extracomment>Keep %1 and %2: they become numbers.</extracomment>
        <translation>Dokument FAQ znajduje się tutaj: %1.
Nie znaleziono programu do wyświetlania plików PDF.</translation>
    </message>
    <message>
        <source>Another Quilldar uses the module</source>
        <comment>OtherCopyUsesModule</comment>
        <translation>Inny Quilldar używa modułu</translation>
    </message>
    <message>
        <source>The last session was not saved. Discard its records and continue?</source>
        <comment>DiscardLeftoverQuestion</comment>
        <translation>Ostatnia sesja nie została zapisana. Odrzucić jej dane i kontynuować?</translation>
    </message>
    <message>
        <source>The recording could not be saved: %1
It is kept; try another folder or name.</source>
        <comment>RecordingNotSaved</comment>
        <extracomment>Keep %1 and %2: they become numbers.</extracomment>
        <translation>Nie udało się zachować zapisu w pliku: %1
Zapis pozostaje dostępny; spróbuj innego folderu lub innej nazwy.</translation>
    </message>
    <message>
        <source>The recording %1 cannot be opened: %2</source>
        <comment>RecordingNotOpened</comment>
        <extracomment>Keep %1 and %2: they become numbers.</extracomment>
        <translation>Nie można otworzyć zapisu %1: %2</translation>
    </message>
    <message>
        <source>it is not a recording</source>
        <comment>NotARecording</comment>
        <translation>to nie jest zapis pomiarów</translation>
    </message>
    <message>
        <source>there are no unsaved records</source>
        <comment>NoUnsavedRecords</comment>
        <translation>brak niezapisanych danych</translation>
    </message>
    <message>
        <source>Session ended at %1: %2.</source>
        <comment>SessionEnded</comment>
        <extracomment>Keep %1 and %2: they become numbers.</extracomment>
        <translation>Sesja zakończona o %1: %2.</translation>
    </message>
    <message>
        <source> %1 records kept for Save As.</source>
        <comment>RecordsKeptForSaveAs</comment>
        <extracomment>Keep %1 and %2: they become numbers. Keep the blank at the start.</extracomment>
        <translation> Próbki zachowane do &apos;&apos;Zapisz jako&apos;&apos;: %1.</translation>
    </message>
    <message>
        <source>Module unplugged</source>
        <comment>ModuleUnplugged</comment>
        <translation>Moduł odłączony</translation>
    </message>
    <message>
        <source>No reply from the module</source>
        <comment>ModuleSilent</comment>
        <translation>Brak odpowiedzi modułu</translation>
    </message>
    <message>
        <source>The control unit disconnected</source>
        <comment>UnitDisconnected</comment>
        <translation>Sterownik rozłączył się</translation>
    </message>
    <message>
        <source>The folder %1 cannot be created.</source>
        <comment>ReportFolderNotCreated</comment>
        <extracomment>Keep %1 and %2: they become numbers.</extracomment>
        <translation>Nie można utworzyć folderu %1.</translation>
    </message>
    <message>
        <source>The PDF library could not create a document.</source>
        <comment>PdfLibraryFailed</comment>
        <translation>Biblioteka PDF nie mogła utworzyć dokumentu.</translation>
    </message>
    <message>
        <source>The report could not be written to %1.</source>
        <comment>ReportNotWritten</comment>
        <extracomment>Keep %1 and %2: they become numbers.</extracomment>
        <translation>Nie można zapisać raportu w %1.</translation>
    </message>
    <message>
        <source>%1. This copy opens, plays, graphs and prints recordings; close the other copy to use the module here.</source>
        <comment>OfflineExplanation</comment>
        <extracomment>Keep %1 and %2: they become numbers.</extracomment>
        <translation>%1. Ta kopia otwiera, odtwarza, pokazuje na wykresie i drukuje zapisy; zamknij drugą kopię, aby używać modułu tutaj.</translation>
    </message>
    <message>
        <source>The unit tried was %1, the unit of the selected tab. To connect to another unit, select its tab first, then press Connect.</source>
        <comment>WrongTabHint</comment>
        <extracomment>Keep %1 and %2: they become numbers.</extracomment>
        <translation>Próbowano połączyć się ze sterownikiem &apos;&apos;%1&apos;&apos;, przypisanym do wybranej zakładki. Aby połączyć się z innym sterownikiem, najpierw wybierz jego zakładkę, a następnie naciśnij &apos;&apos;Połącz&apos;&apos;.</translation>
    </message>
    <message>
        <source>The session cannot be recorded to disk: %1
Live data is still shown but no longer recorded. What was recorded before is kept: save it with Save As after Disconnect.</source>
        <comment>RecordingStopped</comment>
        <extracomment>Keep %1 and %2: they become numbers.</extracomment>
        <translation>Nie można zapisywać sesji na dysku: %1
Dane na żywo są nadal wyświetlane, ale nie są już zapisywane. Dotychczasowy zapis zostaje zachowany: po &apos;&apos;Rozłącz&apos;&apos; zapisz go przyciskiem &apos;&apos;Zapisz jako&apos;&apos;.</translation>
    </message>
    <message>
        <source>HID library</source>
        <comment>CheckLibrary</comment>
        <translation>Biblioteka HID</translation>
    </message>
    <message>
        <source>USB device %1</source>
        <comment>CheckDevice</comment>
        <extracomment>Keep %1 and %2: they become numbers.</extracomment>
        <translation>Urządzenie USB %1</translation>
    </message>
    <message>
        <source>Device permission</source>
        <comment>CheckPermission</comment>
        <translation>Uprawnienia urządzenia</translation>
    </message>
    <message>
        <source>Other Quilldar</source>
        <comment>CheckOtherInstance</comment>
        <translation>Inny Quilldar</translation>
    </message>
    <message>
        <source>Module answers</source>
        <comment>CheckModuleAnswers</comment>
        <translation>Odpowiedź modułu</translation>
    </message>
    <message>
        <source>Vehicle power</source>
        <comment>CheckVehiclePower</comment>
        <translation>Zasilanie pojazdu</translation>
    </message>
    <message>
        <source>Fix:</source>
        <comment>CheckFix</comment>
        <translation>Rozwiązanie:</translation>
    </message>
    <message>
        <source>%1 loads.</source>
        <comment>CheckLibraryLoads</comment>
        <extracomment>Keep %1 and %2: they become numbers.</extracomment>
        <translation>%1 ładuje się poprawnie.</translation>
    </message>
    <message>
        <source>not needed by the simulated module.</source>
        <comment>CheckLibraryNotNeeded</comment>
        <translation>niepotrzebna dla symulowanego modułu.</translation>
    </message>
    <message>
        <source>No library</source>
        <comment>CheckWordNoLibrary</comment>
        <translation>Brak biblioteki</translation>
    </message>
    <message>
        <source>%1 cannot be loaded.</source>
        <comment>CheckLibraryMissing</comment>
        <extracomment>Keep %1 and %2: they become numbers.</extracomment>
        <translation>nie można załadować %1.</translation>
    </message>
    <message>
        <source>Install it with: sudo apt-get install libhidapi-hidraw0</source>
        <comment>CheckLibraryFix</comment>
        <translation>Zainstaluj ją poleceniem: sudo apt-get install libhidapi-hidraw0</translation>
    </message>
    <message>
        <source>plugged in.</source>
        <comment>CheckDeviceFound</comment>
        <translation>podłączone.</translation>
    </message>
    <message>
        <source>No USB</source>
        <comment>CheckWordNoUsb</comment>
        <translation>Brak USB</translation>
    </message>
    <message>
        <source>not found among the USB HID devices.</source>
        <comment>CheckDeviceMissing</comment>
        <translation>nie znaleziono wśród urządzeń USB HID.</translation>
    </message>
    <message>
        <source>Plug the interface module in; try another USB port or cable. lsusb should list %1.</source>
        <comment>CheckDeviceFix</comment>
        <extracomment>Keep %1 and %2: they become numbers.</extracomment>
        <translation>Podłącz moduł interfejsu; spróbuj innego portu USB lub innego kabla. lsusb powinno wyświetlić %1.</translation>
    </message>
    <message>
        <source>this user may read and write the module.</source>
        <comment>CheckAccessGranted</comment>
        <translation>ten użytkownik ma prawo odczytu i zapisu modułu.</translation>
    </message>
    <message>
        <source>No access</source>
        <comment>CheckWordNoAccess</comment>
        <translation>Brak dostępu</translation>
    </message>
    <message>
        <source>the module is plugged in but this user may not open it%1.</source>
        <comment>CheckAccessDenied</comment>
        <extracomment>Keep %1 and %2: they become numbers.</extracomment>
        <translation>moduł jest podłączony, ale ten użytkownik nie może go otworzyć%1.</translation>
    </message>
    <message>
        <source>Install the Quilldar package, which brings the udev rule, or install the rule by hand: sudo cp packaging/linux/%1 /etc/udev/rules.d/ &amp;&amp; sudo udevadm control --reload-rules &amp;&amp; sudo udevadm trigger; then unplug and replug the module.</source>
        <comment>CheckRuleMissingFix</comment>
        <extracomment>Keep %1 and %2: they become numbers.</extracomment>
        <translation>Zainstaluj pakiet Quilldar, który zawiera regułę udev, lub zainstaluj regułę ręcznie: sudo cp packaging/linux/%1 /etc/udev/rules.d/ &amp;&amp; sudo udevadm control --reload-rules &amp;&amp; sudo udevadm trigger; następnie odłącz i ponownie podłącz moduł.</translation>
    </message>
    <message>
        <source>The udev rule %1 is installed: unplug and replug the module. If it still fails (for example when not logged in at this computer&apos;s own screen), join the plugdev group with: sudo adduser %2 plugdev, then log out and in again.</source>
        <comment>CheckJoinGroupFix</comment>
        <extracomment>Keep %1 and %2: they become numbers.</extracomment>
        <translation>Reguła udev %1 jest zainstalowana: odłącz i ponownie podłącz moduł. Jeśli nadal nie działa (na przykład gdy nie zalogowano się przy ekranie tego komputera), dołącz do grupy plugdev poleceniem: sudo adduser %2 plugdev, a następnie wyloguj się i zaloguj ponownie.</translation>
    </message>
    <message>
        <source>The udev rule %1 is installed and %2 is in the plugdev group: unplug and replug the module; if that does not help, run: sudo udevadm control --reload-rules &amp;&amp; sudo udevadm trigger.</source>
        <comment>CheckReloadRulesFix</comment>
        <extracomment>Keep %1 and %2: they become numbers.</extracomment>
        <translation>Reguła udev %1 jest zainstalowana, a %2 należy do grupy plugdev: odłącz i ponownie podłącz moduł; jeśli to nie pomoże, uruchom: sudo udevadm control --reload-rules &amp;&amp; sudo udevadm trigger.</translation>
    </message>
    <message>
        <source>none is using the module.</source>
        <comment>CheckNoOtherInstance</comment>
        <translation>żaden nie używa modułu.</translation>
    </message>
    <message>
        <source>In use</source>
        <comment>CheckWordInUse</comment>
        <translation>Zajęty</translation>
    </message>
    <message>
        <source>another copy of Quilldar owns the module.</source>
        <comment>CheckOtherInstanceFound</comment>
        <translation>inna kopia Quilldar zajmuje moduł.</translation>
    </message>
    <message>
        <source>Close the other Quilldar window (or use it), then try again.</source>
        <comment>CheckOtherInstanceFix</comment>
        <translation>Zamknij drugie okno Quilldar (lub pracuj w nim), a następnie spróbuj ponownie.</translation>
    </message>
    <message>
        <source>hardware ID %1, serial number %2, type %3.</source>
        <comment>CheckModuleAnswered</comment>
        <extracomment>Keep %1 and %2: they become numbers.</extracomment>
        <translation>ID sprzętu %1, numer seryjny %2, typ %3.</translation>
    </message>
    <message>
        <source>No reply</source>
        <comment>CheckWordNoReply</comment>
        <translation>Brak odpowiedzi</translation>
    </message>
    <message>
        <source>the module did not answer.</source>
        <comment>CheckModuleSilent</comment>
        <translation>moduł nie odpowiedział.</translation>
    </message>
    <message>
        <source>Unplug the module, wait a few seconds, plug it in again and retry.</source>
        <comment>CheckModuleSilentFix</comment>
        <translation>Odłącz moduł, odczekaj kilka sekund, podłącz go ponownie i spróbuj jeszcze raz.</translation>
    </message>
    <message>
        <source>Wrong type</source>
        <comment>CheckWordWrongType</comment>
        <translation>Zły typ</translation>
    </message>
    <message>
        <source>the module is of another type; Quilldar works only with type &apos;1&apos;.</source>
        <comment>CheckModuleOtherType</comment>
        <translation>moduł jest innego typu; Quilldar działa tylko z typem &apos;1&apos;.</translation>
    </message>
    <message>
        <source>the module is of type &apos;%1&apos;; Quilldar works only with type &apos;1&apos;.</source>
        <comment>CheckModuleTypeIs</comment>
        <extracomment>Keep %1 and %2: they become numbers.</extracomment>
        <translation>moduł jest typu &apos;%1&apos;; Quilldar działa tylko z typem &apos;1&apos;.</translation>
    </message>
    <message>
        <source>Use a Quilldar interface module; this one is meant for another program.</source>
        <comment>CheckWrongTypeFix</comment>
        <translation>Użyj modułu interfejsu Quilldar; ten moduł jest przeznaczony dla innego programu.</translation>
    </message>
    <message>
        <source>stable (%1 power reports in a row).</source>
        <comment>CheckPowerStable</comment>
        <extracomment>Keep %1 and %2: they become numbers.</extracomment>
        <translation>stabilne (%1 kolejnych odczytów zasilania).</translation>
    </message>
    <message>
        <source>No power</source>
        <comment>CheckWordNoPower</comment>
        <translation>Brak zasilania</translation>
    </message>
    <message>
        <source>not stable within %1.</source>
        <comment>CheckPowerUnstable</comment>
        <extracomment>Keep %1 and %2: they become numbers.</extracomment>
        <translation>niestabilne w ciągu %1.</translation>
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
        <translation>%1 zapytań</translation>
    </message>
    <message>
        <source>Switch the ignition on, check the battery and that the diagnostic connector sits firmly.</source>
        <comment>CheckPowerFix</comment>
        <translation>Włącz zapłon, sprawdź akumulator i czy złącze diagnostyczne jest dobrze osadzone.</translation>
    </message>
    <message>
        <source>the module stopped answering while power was polled.</source>
        <comment>CheckPowerPollLost</comment>
        <translation>moduł przestał odpowiadać podczas odczytu zasilania.</translation>
    </message>
    <message>
        <source>Check the USB cable; unplug and replug the module.</source>
        <comment>CheckUsbCableFix</comment>
        <translation>Sprawdź kabel USB; odłącz i ponownie podłącz moduł.</translation>
    </message>
    <message>
        <source>not checked (an earlier check failed).</source>
        <comment>CheckNotChecked</comment>
        <translation>nie sprawdzono (wcześniejszy test nie powiódł się).</translation>
    </message>
    <message>
        <source>The update check could not save its version file in %1 (%2).
No update was fetched: your program and your FAQ documents stay as they are.</source>
        <comment>UpdateVersionFileNotStored</comment>
        <extracomment>Keep %1 and %2: they become numbers.</extracomment>
        <translation>Sprawdzanie aktualizacji nie mogło zapisać pliku wersji w %1 (%2).
Nie pobrano żadnej aktualizacji: program i dokumenty FAQ pozostają bez zmian.</translation>
    </message>
    <message>
        <source>The new version could not be saved in %1 (%2).
Your installed version stays as it is.</source>
        <comment>UpdateInstallerNotStored</comment>
        <extracomment>Keep %1 and %2: they become numbers.</extracomment>
        <translation>Nie można zapisać nowej wersji w %1 (%2).
Zainstalowana wersja pozostaje bez zmian.</translation>
    </message>
    <message>
        <source>The new FAQ documents could not be saved in %1 (%2).
Your current FAQ documents are kept.</source>
        <comment>UpdateFaqNotStored</comment>
        <extracomment>Keep %1 and %2: they become numbers.</extracomment>
        <translation>Nie można zapisać nowych dokumentów FAQ w %1 (%2).
Obecne dokumenty FAQ zostają zachowane.</translation>
    </message>
    <message>
        <source>The server sent something other than a PDF document for %1.
Your current FAQ documents are kept.</source>
        <comment>UpdateFaqNotPdf</comment>
        <extracomment>Keep %1 and %2: they become numbers.</extracomment>
        <translation>Serwer przesłał dla %1 coś innego niż dokument PDF.
Obecne dokumenty FAQ zostają zachowane.</translation>
    </message>
    <message>
        <source>the folder cannot be created</source>
        <comment>UpdateFolderNotCreated</comment>
        <translation>nie można utworzyć folderu</translation>
    </message>
    <message>
        <source>a document cannot be renamed</source>
        <comment>UpdateDocumentNotRenamed</comment>
        <translation>nie można zmienić nazwy dokumentu</translation>
    </message>
    <message>
        <source>The downloaded update could not be verified and was discarded.</source>
        <comment>UpdateNotVerified</comment>
        <translation>Nie udało się zweryfikować pobranej aktualizacji, dlatego została odrzucona.</translation>
    </message>
</context>
<context>
    <name>EnginePage</name>
    <message>
        <source>Engine speed</source>
        <comment>EngineSpeed</comment>
        <translation>Obroty silnika</translation>
    </message>
    <message>
        <source>Throttle position</source>
        <comment>ThrottlePosition</comment>
        <translation>Położenie przepustnicy</translation>
    </message>
    <message>
        <source>Secondary throttle position</source>
        <comment>SecondaryThrottlePosition</comment>
        <translation>Położenie przepustnicy wtórnej</translation>
    </message>
    <message>
        <source>Engine coolant / oil temperature</source>
        <comment>CoolantTemperature</comment>
        <translation>Temperatura cieczy chłodzącej / oleju</translation>
    </message>
    <message>
        <source>Intake air temperature</source>
        <comment>IntakeAirTemperature</comment>
        <translation>Temperatura powietrza zasysanego</translation>
    </message>
    <message>
        <source>Manifold absolute pressure 1</source>
        <comment>ManifoldPressure1</comment>
        <translation>Ciśnienie w kolektorze dolotowym 1</translation>
    </message>
    <message>
        <source>Manifold absolute pressure 2</source>
        <comment>ManifoldPressure2</comment>
        <translation>Ciśnienie w kolektorze dolotowym 2</translation>
    </message>
    <message>
        <source>Atmospheric pressure</source>
        <comment>AtmosphericPressure</comment>
        <translation>Ciśnienie atmosferyczne</translation>
    </message>
    <message>
        <source>Battery voltage</source>
        <comment>BatteryVoltage</comment>
        <translation>Napięcie akumulatora</translation>
    </message>
    <message>
        <source>Vehicle speed</source>
        <comment>VehicleSpeed</comment>
        <translation>Prędkość pojazdu</translation>
    </message>
    <message>
        <source>Exhaust control valve actuator</source>
        <comment>ExhaustValveActuator</comment>
        <translation>Siłownik klapy wydechu</translation>
    </message>
    <message>
        <source>O2 sensor Bank 1 - Sensor 1</source>
        <comment>O2SensorBank1</comment>
        <translation>Sonda lambda rząd 1 - czujnik 1</translation>
    </message>
    <message>
        <source>O2 sensor Bank 2 - Sensor 2</source>
        <comment>O2SensorBank2</comment>
        <translation>Sonda lambda rząd 2 - czujnik 2</translation>
    </message>
    <message>
        <source>Target idle speed</source>
        <comment>TargetIdleSpeed</comment>
        <translation>Zadane obroty biegu jałowego</translation>
    </message>
    <message>
        <source>Steering damper solenoid current</source>
        <comment>SteeringDamperCurrent</comment>
        <translation>Prąd zaworu amortyzatora skrętu</translation>
    </message>
    <message>
        <source>Cylinder 1 injection time</source>
        <comment>Cylinder1Injection</comment>
        <translation>Czas wtrysku cylinder 1</translation>
    </message>
    <message>
        <source>Cylinder 2 injection time</source>
        <comment>Cylinder2Injection</comment>
        <translation>Czas wtrysku cylinder 2</translation>
    </message>
    <message>
        <source>Cylinder 3 injection time</source>
        <comment>Cylinder3Injection</comment>
        <translation>Czas wtrysku cylinder 3</translation>
    </message>
    <message>
        <source>Cylinder 4 injection time</source>
        <comment>Cylinder4Injection</comment>
        <translation>Czas wtrysku cylinder 4</translation>
    </message>
    <message>
        <source>Advance</source>
        <comment>Advance</comment>
        <translation>Kąt wyprzedzenia zapłonu</translation>
    </message>
    <message>
        <source>ISC valve position</source>
        <comment>IscValvePosition</comment>
        <translation>Położenie zaworu ISC</translation>
    </message>
    <message>
        <source>Gear position</source>
        <comment>GearPosition</comment>
        <translation>Pozycja biegu</translation>
    </message>
    <message>
        <source>ISC duty</source>
        <comment>IscDuty</comment>
        <translation>Wypełnienie ISC</translation>
    </message>
    <message>
        <source>Exhaust valve control select terminal</source>
        <comment>ExhaustValveSelectTerminal</comment>
        <translation>Styk wyboru sterowania klapą wydechu</translation>
    </message>
    <message>
        <source>O2 sensor control select terminal</source>
        <comment>O2SensorSelectTerminal</comment>
        <translation>Styk wyboru regulacji lambda</translation>
    </message>
    <message>
        <source>Neutral switch signal</source>
        <comment>NeutralSwitch</comment>
        <translation>Sygnał czujnika luzu</translation>
    </message>
    <message>
        <source>Driving mode selection 1</source>
        <comment>DrivingMode1</comment>
        <translation>Wybór trybu jazdy 1</translation>
    </message>
    <message>
        <source>Driving mode selection 2</source>
        <comment>DrivingMode2</comment>
        <translation>Wybór trybu jazdy 2</translation>
    </message>
    <message>
        <source>Ignition switch signal</source>
        <comment>IgnitionSwitch</comment>
        <translation>Sygnał stacyjki</translation>
    </message>
    <message>
        <source>Clutch switch signal</source>
        <comment>ClutchSwitch</comment>
        <translation>Sygnał włącznika sprzęgła</translation>
    </message>
    <message>
        <source>Starter signal</source>
        <comment>StarterSignal</comment>
        <translation>Sygnał rozrusznika</translation>
    </message>
    <message>
        <source>EVAP purge valve</source>
        <comment>EvapPurgeValve</comment>
        <translation>Zawór odpowietrzania zbiornika</translation>
    </message>
    <message>
        <source>Tip over sensor</source>
        <comment>TipOverSensor</comment>
        <translation>Czujnik przewrócenia</translation>
    </message>
    <message>
        <source>Cooling fan relay</source>
        <comment>CoolingFanRelay</comment>
        <translation>Przekaźnik wentylatora</translation>
    </message>
    <message>
        <source>PAIR control solenoid valve</source>
        <comment>PairSolenoidValve</comment>
        <translation>Elektrozawór PAIR</translation>
    </message>
    <message>
        <source>Side stand switch</source>
        <comment>SideStandSwitch</comment>
        <translation>Włącznik stopki bocznej</translation>
    </message>
    <message>
        <source>Load cut off relay</source>
        <comment>LoadCutOffRelay</comment>
        <translation>Przekaźnik odcięcia obciążenia</translation>
    </message>
    <message>
        <source>Shift switch signal</source>
        <comment>ShiftSwitch</comment>
        <translation>Sygnał czujnika zmiany biegów</translation>
    </message>
    <message>
        <source>Engine speed limiter signal</source>
        <comment>SpeedLimiter</comment>
        <translation>Sygnał ogranicznika obrotów</translation>
    </message>
    <message>
        <source>Steps</source>
        <comment>Steps</comment>
        <translation>Kroki</translation>
    </message>
    <message>
        <source>Open</source>
        <comment>Open</comment>
        <translation>Rozwarty</translation>
    </message>
    <message>
        <source>GND</source>
        <comment>Gnd</comment>
        <translation>Masa</translation>
    </message>
    <message>
        <source>Normal</source>
        <comment>Normal</comment>
        <translation>Normalny</translation>
    </message>
    <message>
        <source>Abnormal</source>
        <comment>Abnormal</comment>
        <translation>Nieprawidłowy</translation>
    </message>
    <message>
        <source>On</source>
        <comment>On</comment>
        <translation>Wł.</translation>
    </message>
    <message>
        <source>Off</source>
        <comment>Off</comment>
        <translation>Wył.</translation>
    </message>
</context>
<context>
    <name>TransmissionPage</name>
    <message>
        <source>Vehicle speed</source>
        <comment>VehicleSpeed</comment>
        <translation>Prędkość pojazdu</translation>
    </message>
    <message>
        <source>Throttle position</source>
        <comment>ThrottlePosition</comment>
        <translation>Położenie przepustnicy</translation>
    </message>
    <message>
        <source>Engine coolant / oil temperature</source>
        <comment>CoolantTemperature</comment>
        <translation>Temperatura cieczy chłodzącej / oleju</translation>
    </message>
    <message>
        <source>Engine speed</source>
        <comment>EngineSpeed</comment>
        <translation>Obroty silnika</translation>
    </message>
    <message>
        <source>Secondary pulley speed sensor</source>
        <comment>SecondaryPulleySpeed</comment>
        <translation>Obroty koła pasowego wtórnego</translation>
    </message>
    <message>
        <source>Pulley position sensor ratio</source>
        <comment>PulleyPositionRatio</comment>
        <translation>Przełożenie (czujnik położenia)</translation>
    </message>
    <message>
        <source>Pulley speed ratio</source>
        <comment>PulleySpeedRatio</comment>
        <translation>Przełożenie (obroty)</translation>
    </message>
    <message>
        <source>Battery voltage</source>
        <comment>BatteryVoltage</comment>
        <translation>Napięcie akumulatora</translation>
    </message>
    <message>
        <source>Relay contact voltage</source>
        <comment>RelayContactVoltage</comment>
        <translation>Napięcie styku przekaźnika</translation>
    </message>
    <message>
        <source>Motor terminal voltage A</source>
        <comment>MotorTerminalVoltageA</comment>
        <translation>Napięcie zacisku silnika A</translation>
    </message>
    <message>
        <source>Motor terminal voltage B</source>
        <comment>MotorTerminalVoltageB</comment>
        <translation>Napięcie zacisku silnika B</translation>
    </message>
    <message>
        <source>Motor current</source>
        <comment>MotorCurrent</comment>
        <translation>Prąd silnika</translation>
    </message>
    <message>
        <source>Gear position</source>
        <comment>GearPosition</comment>
        <translation>Pozycja biegu</translation>
    </message>
    <message>
        <source>Motor lock</source>
        <comment>MotorLock</comment>
        <translation>Blokada silnika</translation>
    </message>
    <message>
        <source>Motor short</source>
        <comment>MotorShort</comment>
        <translation>Zwarcie silnika</translation>
    </message>
    <message>
        <source>Motor disconnection</source>
        <comment>MotorDisconnection</comment>
        <translation>Przerwa obwodu silnika</translation>
    </message>
    <message>
        <source>Relay contact welding</source>
        <comment>RelayContactWelding</comment>
        <translation>Zgrzany styk przekaźnika</translation>
    </message>
    <message>
        <source>Relay contact failure</source>
        <comment>RelayContactFailure</comment>
        <translation>Uszkodzony styk przekaźnika</translation>
    </message>
    <message>
        <source>Power mode switch circuit malfunction</source>
        <comment>PowerModeSwitchMalfunction</comment>
        <translation>Przeł. trybu Power - usterka obwodu</translation>
    </message>
    <message>
        <source>Auto shift switch circuit malfunction</source>
        <comment>AutoShiftSwitchMalfunction</comment>
        <translation>Przeł. trybu auto - usterka obwodu</translation>
    </message>
    <message>
        <source>Up shift switch circuit malfunction</source>
        <comment>UpShiftSwitchMalfunction</comment>
        <translation>Przeł. biegu w górę - usterka obwodu</translation>
    </message>
    <message>
        <source>Down shift switch circuit malfunction</source>
        <comment>DownShiftSwitchMalfunction</comment>
        <translation>Przeł. biegu w dół - usterka obwodu</translation>
    </message>
    <message>
        <source>Motor lock (History)</source>
        <comment>MotorLockHistory</comment>
        <translation>Blokada silnika (historia)</translation>
    </message>
    <message>
        <source>Motor short (History)</source>
        <comment>MotorShortHistory</comment>
        <translation>Zwarcie silnika (historia)</translation>
    </message>
    <message>
        <source>Motor disconnection (History)</source>
        <comment>MotorDisconnectionHistory</comment>
        <translation>Przerwa obwodu silnika (historia)</translation>
    </message>
    <message>
        <source>Center stand switch</source>
        <comment>CenterStandSwitch</comment>
        <translation>Włącznik stopki centralnej</translation>
    </message>
    <message>
        <source>Brake switch</source>
        <comment>BrakeSwitch</comment>
        <translation>Włącznik światła stop</translation>
    </message>
    <message>
        <source>Power mode switch</source>
        <comment>PowerModeSwitch</comment>
        <translation>Przełącznik trybu Power</translation>
    </message>
    <message>
        <source>Auto shift mode switch</source>
        <comment>AutoShiftModeSwitch</comment>
        <translation>Przełącznik trybu automatycznego</translation>
    </message>
    <message>
        <source>Up shift switch</source>
        <comment>UpShiftSwitch</comment>
        <translation>Przełącznik biegu w górę</translation>
    </message>
    <message>
        <source>Down shift switch</source>
        <comment>DownShiftSwitch</comment>
        <translation>Przełącznik biegu w dół</translation>
    </message>
    <message>
        <source>Shift control switch</source>
        <comment>ShiftControlSwitch</comment>
        <translation>Przełącznik sterowania biegami</translation>
    </message>
    <message>
        <source>Normal mode</source>
        <comment>NormalMode</comment>
        <translation>Tryb normalny</translation>
    </message>
    <message>
        <source>Power mode</source>
        <comment>PowerMode</comment>
        <translation>Tryb Power</translation>
    </message>
    <message>
        <source>Auto shift mode</source>
        <comment>AutoShiftMode</comment>
        <translation>Tryb automatyczny</translation>
    </message>
    <message>
        <source>Manual shift mode</source>
        <comment>ManualShiftMode</comment>
        <translation>Tryb ręcznej zmiany biegów</translation>
    </message>
    <message>
        <source>Auto mode</source>
        <comment>AutoMode</comment>
        <translation>Automat</translation>
    </message>
</context>
<context>
    <name>EngineTransmissionPage</name>
    <message>
        <source>Engine speed</source>
        <comment>EngineSpeed</comment>
        <translation>Obroty silnika</translation>
    </message>
    <message>
        <source>Throttle position</source>
        <comment>ThrottlePosition</comment>
        <translation>Położenie przepustnicy</translation>
    </message>
    <message>
        <source>Secondary throttle actuator</source>
        <comment>SecondaryThrottleActuator</comment>
        <translation>Siłownik przepustnicy wtórnej</translation>
    </message>
    <message>
        <source>Engine coolant / oil temperature</source>
        <comment>CoolantTemperature</comment>
        <translation>Temp. cieczy chłodzącej / oleju</translation>
    </message>
    <message>
        <source>Intake air temperature</source>
        <comment>IntakeAirTemperature</comment>
        <translation>Temperatura powietrza zasysanego</translation>
    </message>
    <message>
        <source>Manifold absolute pressure 1</source>
        <comment>ManifoldPressure1</comment>
        <translation>Ciśn. w kolektorze dolotowym 1</translation>
    </message>
    <message>
        <source>Atmospheric pressure</source>
        <comment>AtmosphericPressure</comment>
        <translation>Ciśnienie atmosferyczne</translation>
    </message>
    <message>
        <source>Battery voltage</source>
        <comment>BatteryVoltage</comment>
        <translation>Napięcie akumulatora</translation>
    </message>
    <message>
        <source>Vehicle speed</source>
        <comment>VehicleSpeed</comment>
        <translation>Prędkość pojazdu</translation>
    </message>
    <message>
        <source>O2 sensor Bank 1 - Sensor 1</source>
        <comment>O2SensorBank1</comment>
        <translation>Sonda lambda rząd 1 - czujnik 1</translation>
    </message>
    <message>
        <source>Target idle speed</source>
        <comment>TargetIdleSpeed</comment>
        <translation>Zadane obroty biegu jałowego</translation>
    </message>
    <message>
        <source>ISC valve position</source>
        <comment>IscValvePosition</comment>
        <translation>Położenie zaworu ISC</translation>
    </message>
    <message>
        <source>O2 sensor control select terminal</source>
        <comment>O2SensorSelectTerminal</comment>
        <translation>Styk wyboru regulacji lambda</translation>
    </message>
    <message>
        <source>Ignition switch signal</source>
        <comment>IgnitionSwitch</comment>
        <translation>Sygnał stacyjki</translation>
    </message>
    <message>
        <source>Starter signal</source>
        <comment>StarterSignal</comment>
        <translation>Sygnał rozrusznika</translation>
    </message>
    <message>
        <source>Tip over sensor</source>
        <comment>TipOverSensor</comment>
        <translation>Czujnik przewrócenia</translation>
    </message>
    <message>
        <source>PAIR control solenoid valve</source>
        <comment>PairSolenoidValve</comment>
        <translation>Elektrozawór PAIR</translation>
    </message>
    <message>
        <source>Secondary pulley speed sensor</source>
        <comment>SecondaryPulleySpeed</comment>
        <translation>Obroty koła pasowego wtórnego</translation>
    </message>
    <message>
        <source>Pulley position sensor ratio</source>
        <comment>PulleyPositionRatio</comment>
        <translation>Przełożenie (czujnik położenia)</translation>
    </message>
    <message>
        <source>Pulley speed ratio</source>
        <comment>PulleySpeedRatio</comment>
        <translation>Przełożenie (obroty)</translation>
    </message>
    <message>
        <source>Relay contact voltage</source>
        <comment>RelayContactVoltage</comment>
        <translation>Napięcie styku przekaźnika</translation>
    </message>
    <message>
        <source>Motor terminal voltage A</source>
        <comment>MotorTerminalVoltageA</comment>
        <translation>Napięcie zacisku silnika A</translation>
    </message>
    <message>
        <source>Motor terminal voltage B</source>
        <comment>MotorTerminalVoltageB</comment>
        <translation>Napięcie zacisku silnika B</translation>
    </message>
    <message>
        <source>Motor current</source>
        <comment>MotorCurrent</comment>
        <translation>Prąd silnika</translation>
    </message>
    <message>
        <source>Gear position</source>
        <comment>GearPosition</comment>
        <translation>Pozycja biegu</translation>
    </message>
    <message>
        <source>Motor lock</source>
        <comment>MotorLock</comment>
        <translation>Blokada silnika</translation>
    </message>
    <message>
        <source>Motor short</source>
        <comment>MotorShort</comment>
        <translation>Zwarcie silnika</translation>
    </message>
    <message>
        <source>Motor disconnection</source>
        <comment>MotorDisconnection</comment>
        <translation>Przerwa obwodu silnika</translation>
    </message>
    <message>
        <source>Relay contact welding</source>
        <comment>RelayContactWelding</comment>
        <translation>Zgrzany styk przekaźnika</translation>
    </message>
    <message>
        <source>Center stand switch</source>
        <comment>CenterStandSwitch</comment>
        <translation>Włącznik stopki centralnej</translation>
    </message>
    <message>
        <source>Brake switch</source>
        <comment>BrakeSwitch</comment>
        <translation>Włącznik światła stop</translation>
    </message>
    <message>
        <source>Power mode switch</source>
        <comment>PowerModeSwitch</comment>
        <translation>Przełącznik trybu Power</translation>
    </message>
    <message>
        <source>Mode select switch</source>
        <comment>ModeSelectSwitch</comment>
        <translation>Przełącznik wyboru trybu</translation>
    </message>
    <message>
        <source>Up shift switch</source>
        <comment>UpShiftSwitch</comment>
        <translation>Przełącznik biegu w górę</translation>
    </message>
    <message>
        <source>Down shift switch</source>
        <comment>DownShiftSwitch</comment>
        <translation>Przełącznik biegu w dół</translation>
    </message>
    <message>
        <source>Drive mode</source>
        <comment>DriveMode</comment>
        <translation>Tryb jazdy</translation>
    </message>
    <message>
        <source>Power mode</source>
        <comment>PowerMode</comment>
        <translation>Tryb Power</translation>
    </message>
    <message>
        <source>CVT shift mode</source>
        <comment>CvtShiftMode</comment>
        <translation>Tryb CVT</translation>
    </message>
    <message>
        <source>7MT shift mode</source>
        <comment>SevenSpeedShiftMode</comment>
        <translation>Tryb zmiany biegów 7MT</translation>
    </message>
    <message>
        <source>Auto mode</source>
        <comment>AutoMode</comment>
        <translation>Automat</translation>
    </message>
</context>
<context>
    <name>AbsPage</name>
    <message>
        <source>Brake switch</source>
        <comment>BrakeSwitch</comment>
        <translation>Włącznik światła stop</translation>
    </message>
    <message>
        <source>Wheel speed sensor (Front)</source>
        <comment>WheelSpeedFront</comment>
        <translation>Czujnik prędkości koła (przód)</translation>
    </message>
    <message>
        <source>Wheel speed sensor (Rear)</source>
        <comment>WheelSpeedRear</comment>
        <translation>Czujnik prędkości koła (tył)</translation>
    </message>
    <message>
        <source>Monitoring voltage</source>
        <comment>MonitoringVoltage</comment>
        <translation>Napięcie kontrolne</translation>
    </message>
    <message>
        <source>ABS solenoid IN/V open or short (F)</source>
        <comment>InletValveFrontFault</comment>
        <translation>Zawór wlot. ABS przerwa/zwarcie (P)</translation>
    </message>
    <message>
        <source>ABS solenoid OUT/V open or short (F)</source>
        <comment>OutletValveFrontFault</comment>
        <translation>Zawór wylot. ABS przerwa/zwarcie (P)</translation>
    </message>
    <message>
        <source>ABS solenoid IN/V open or short (R)</source>
        <comment>InletValveRearFault</comment>
        <translation>Zawór wlot. ABS przerwa/zwarcie (T)</translation>
    </message>
    <message>
        <source>ABS solenoid OUT/V open or short (R)</source>
        <comment>OutletValveRearFault</comment>
        <translation>Zawór wylot. ABS przerwa/zwarcie (T)</translation>
    </message>
    <message>
        <source>ABS solenoid valve relay lock</source>
        <comment>ValveRelayLock</comment>
        <translation>Przekaźnik zaworów ABS zacięty</translation>
    </message>
    <message>
        <source>ABS motor</source>
        <comment>Motor</comment>
        <translation>Silnik pompy ABS</translation>
    </message>
    <message>
        <source>ABS motor relay lock (Off)</source>
        <comment>MotorRelayLockOff</comment>
        <translation>Przekaźnik pompy ABS zacięty (wył.)</translation>
    </message>
    <message>
        <source>ABS motor relay lock (On)</source>
        <comment>MotorRelayLockOn</comment>
        <translation>Przekaźnik pompy ABS zacięty (wł.)</translation>
    </message>
    <message>
        <source>Service check signal position</source>
        <comment>ServiceCheckSignal</comment>
        <translation>Pozycja sygnału serwisowego</translation>
    </message>
    <message>
        <source>ABS solenoid valve relay operate</source>
        <comment>ValveRelayOperate</comment>
        <translation>Przekaźnik zaworów ABS załączony</translation>
    </message>
    <message>
        <source>ABS solenoid IN/V (F) operate</source>
        <comment>InletValveFrontOperate</comment>
        <translation>Zawór wlotowy ABS (P) wysterowany</translation>
    </message>
    <message>
        <source>ABS solenoid OUT/V (F) operate</source>
        <comment>OutletValveFrontOperate</comment>
        <translation>Zawór wylotowy ABS (P) wysterowany</translation>
    </message>
    <message>
        <source>ABS solenoid IN/V (R) operate</source>
        <comment>InletValveRearOperate</comment>
        <translation>Zawór wlotowy ABS (T) wysterowany</translation>
    </message>
    <message>
        <source>ABS solenoid OUT/V (R) operate</source>
        <comment>OutletValveRearOperate</comment>
        <translation>Zawór wylotowy ABS (T) wysterowany</translation>
    </message>
    <message>
        <source>ABS motor operate</source>
        <comment>MotorOperate</comment>
        <translation>Silnik pompy ABS wysterowany</translation>
    </message>
</context>
<context>
    <name>EpsPage</name>
    <message>
        <source>Battery voltage</source>
        <comment>BatteryVoltage</comment>
        <translation>Napięcie akumulatora</translation>
    </message>
    <message>
        <source>Motor current target</source>
        <comment>MotorCurrentTarget</comment>
        <translation>Prąd silnika - zadany</translation>
    </message>
    <message>
        <source>Motor current detection</source>
        <comment>MotorCurrentDetection</comment>
        <translation>Prąd silnika - rzeczywisty</translation>
    </message>
    <message>
        <source>Steering torque sensor power supply</source>
        <comment>TorqueSensorSupply</comment>
        <translation>Zasilanie czujnika momentu skrętu</translation>
    </message>
    <message>
        <source>Steering torque main</source>
        <comment>TorqueMain</comment>
        <translation>Moment skrętu - główny</translation>
    </message>
    <message>
        <source>Steering torque sub</source>
        <comment>TorqueSub</comment>
        <translation>Moment skrętu - pomocniczy</translation>
    </message>
    <message>
        <source>Steering control torque</source>
        <comment>ControlTorque</comment>
        <translation>Moment skrętu - regulacja</translation>
    </message>
    <message>
        <source>Motor terminal voltage</source>
        <comment>MotorTerminalVoltage</comment>
        <translation>Napięcie zacisku silnika</translation>
    </message>
    <message>
        <source>Vehicle speed</source>
        <comment>VehicleSpeed</comment>
        <translation>Prędkość pojazdu</translation>
    </message>
    <message>
        <source>Engine speed</source>
        <comment>EngineSpeed</comment>
        <translation>Obroty silnika</translation>
    </message>
    <message>
        <source>Ignition switch</source>
        <comment>IgnitionSwitch</comment>
        <translation>Stacyjka</translation>
    </message>
    <message>
        <source>System power</source>
        <comment>SystemPower</comment>
        <translation>Zasilanie systemu</translation>
    </message>
    <message>
        <source>Relay output</source>
        <comment>RelayOutput</comment>
        <translation>Wyjście przekaźnika</translation>
    </message>
</context>
<context>
    <name>ErrorCodesPage</name>
    <message>
        <source>DTC No.:;Detected failure condition:;Current/Past:;</source>
        <comment>Header</comment>
        <extracomment>Column names separated by &apos;;&apos;: keep every &apos;;&apos;, the last one too.</extracomment>
        <translation>Kod DTC:;Wykryty stan usterki:;Aktywny/Historyczny:;</translation>
    </message>
    <message>
        <source>Past</source>
        <comment>Past</comment>
        <translation>Historyczny</translation>
    </message>
    <message>
        <source>Pending</source>
        <comment>Pending</comment>
        <translation>Oczekujący</translation>
    </message>
    <message>
        <source>Current</source>
        <comment>Current</comment>
        <translation>Aktywny</translation>
    </message>
</context>
<context>
    <name>ShowDataWhenTroublePage</name>
    <message>
        <source>Fault 1#;Pre-detect;Detect point;Post-detect;Fix point;Cycle min;Cycle max;Unit;</source>
        <comment>Fault1Header</comment>
        <extracomment>Column names separated by &apos;;&apos;: keep every &apos;;&apos;, the last one too.</extracomment>
        <translation>Usterka 1#;Przed wykryciem;Wykrycie;Po wykryciu;Potwierdzenie;Cykl min;Cykl max;Jednostka;</translation>
    </message>
    <message>
        <source>Fault 2#;Pre-detect;Detect point;Post-detect;Fix point;Cycle min;Cycle max;Unit;</source>
        <comment>Fault2Header</comment>
        <extracomment>Column names separated by &apos;;&apos;: keep every &apos;;&apos;, the last one too.</extracomment>
        <translation>Usterka 2#;Przed wykryciem;Wykrycie;Po wykryciu;Potwierdzenie;Cykl min;Cykl max;Jednostka;</translation>
    </message>
    <message>
        <source>Engine speed</source>
        <comment>EngineSpeed</comment>
        <translation>Obroty silnika</translation>
    </message>
    <message>
        <source>Throttle position</source>
        <comment>ThrottlePosition</comment>
        <translation>Położenie przepustnicy</translation>
    </message>
    <message>
        <source>Manifold absolute pressure 1</source>
        <comment>ManifoldPressure</comment>
        <translation>Ciśn. w kolektorze dolotowym 1</translation>
    </message>
    <message>
        <source>Engine coolant / oil temperature</source>
        <comment>CoolantTemperature</comment>
        <translation>Temp. cieczy chłodzącej / oleju</translation>
    </message>
    <message>
        <source>Gear position</source>
        <comment>GearPosition</comment>
        <translation>Pozycja biegu</translation>
    </message>
    <message>
        <source>Secondary throttle position</source>
        <comment>SecondaryThrottlePosition</comment>
        <translation>Położenie przepustnicy wtórnej</translation>
    </message>
    <message>
        <source>Low</source>
        <comment>GearLow</comment>
        <translation>Niski</translation>
    </message>
    <message>
        <source>High</source>
        <comment>GearHigh</comment>
        <translation>Wysoki</translation>
    </message>
</context>
<context>
    <name>ActiveTestsPage</name>
    <message>
        <source>Steering damper solenoid operating control</source>
        <comment>SteeringDamperControl</comment>
        <translation>Sterowanie zaworem amortyzatora skrętu</translation>
    </message>
    <message>
        <source>Secondary throttle operating control</source>
        <comment>SecondaryThrottleControl</comment>
        <translation>Sterowanie przepustnicą wtórną</translation>
    </message>
    <message>
        <source>Exhaust valve operating control</source>
        <comment>ExhaustValveControl</comment>
        <translation>Sterowanie klapą wydechu</translation>
    </message>
    <message>
        <source>ISC air volume control</source>
        <comment>IscAirVolumeControl</comment>
        <translation>Sterowanie ilością powietrza ISC</translation>
    </message>
    <message>
        <source>ISC rpm control</source>
        <comment>IscRpmControl</comment>
        <translation>Sterowanie obrotami ISC</translation>
    </message>
    <message>
        <source>EVAP purge valve operating control</source>
        <comment>EvapPurgeControl</comment>
        <translation>Sterowanie zaworem odpowietrzania zbiornika</translation>
    </message>
    <message>
        <source>PAIR solenoid operating control</source>
        <comment>PairSolenoidControl</comment>
        <translation>Sterowanie elektrozaworem PAIR</translation>
    </message>
    <message>
        <source>Cooling fan relay control</source>
        <comment>CoolingFanControl</comment>
        <translation>Sterowanie przekaźnikiem wentylatora</translation>
    </message>
    <message>
        <source>PPS learned value reset</source>
        <comment>PpsLearnedReset</comment>
        <translation>Reset wartości adaptacji PPS</translation>
    </message>
    <message>
        <source>ISC learned value reset</source>
        <comment>IscLearnedReset</comment>
        <translation>Reset wartości adaptacji ISC</translation>
    </message>
    <message>
        <source>TP learned valve reset</source>
        <comment>TpLearnedReset</comment>
        <translation>Reset wartości adaptacji TP</translation>
    </message>
    <message>
        <source>On</source>
        <comment>On</comment>
        <translation>Wł.</translation>
    </message>
    <message>
        <source>Off</source>
        <comment>Off</comment>
        <translation>Wył.</translation>
    </message>
    <message>
        <source>Close</source>
        <comment>Close</comment>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Open</source>
        <comment>Open</comment>
        <translation>Otwórz</translation>
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
        <translation>Nie można wykonać: temperatura cieczy chłodzącej poza dopuszczalnym zakresem</translation>
    </message>
    <message>
        <source>Can not execute because engine speed is out of executable condition</source>
        <comment>SpeedOutOfCondition</comment>
        <translation>Nie można wykonać: obroty silnika poza dopuszczalnym zakresem</translation>
    </message>
    <message>
        <source>Can not execute because this ECM does not support this function</source>
        <comment>NotSupported</comment>
        <translation>Nie można wykonać: ten sterownik nie obsługuje tej funkcji</translation>
    </message>
    <message>
        <source>Reset has been performed successfully.</source>
        <comment>ResetDone</comment>
        <translation>Reset został wykonany pomyślnie.</translation>
    </message>
    <message>
        <source>Execute ISC learned value reset?</source>
        <comment>IscResetQuestion</comment>
        <translation>Wykonać reset wartości adaptacji ISC?</translation>
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
        <translation>To oprogramowanie wraz z modułem interfejsu pozwala szybko ustalić przyczynę zapalenia się kontrolki FI. Kody błędów można odczytać i po naprawie skasować. Wartości czujników są wyświetlane w czasie rzeczywistym, co umożliwia przeszkolonemu personelowi rozszerzoną analizę usterek i osiągów silnika. Dostępne są również funkcje testowe.
<byte value="xd"/><byte value="xd"/>Pomiary są rejestrowane automatycznie i można je zapisać oraz odtworzyć z pliku. Program może działać w kilku kopiach jednocześnie, co pozwala porównać bieżące odczyty z wcześniej zapisanymi wartościami lub porównać dwa zapisy.
<byte value="xd"/><byte value="xd"/>Złącze USB, niewielkie wymiary i automatyczna konfiguracja sprawiają, że produkt jest przenośny i wyjątkowo łatwy w obsłudze. Moduł interfejsu jest całkowicie zalany (wodoszczelny) i objęty naszą 2-letnią gwarancją. Aktualizacje oprogramowania są bezpłatne przez cały okres użytkowania produktu.</translation>
    </message>
    <message>
        <source>Close</source>
        <comment>Close</comment>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>About</source>
        <comment>About</comment>
        <translation>O programie</translation>
    </message>
</context>
<context>
    <name>ModelsDialog</name>
    <message>
        <source>Close</source>
        <comment>Close</comment>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>MOTORCYCLES:</source>
        <comment>Motorcycles</comment>
        <translation>MOTOCYKLE:</translation>
    </message>
</context>
<context>
    <name>SettingsDialog</name>
    <message>
        <source>Settings</source>
        <comment>Caption</comment>
        <translation>Ustawienia</translation>
    </message>
    <message>
        <source>Speed</source>
        <comment>Speed</comment>
        <translation>Prędkość</translation>
    </message>
    <message>
        <source>Temperature</source>
        <comment>Temperature</comment>
        <translation>Temperatura</translation>
    </message>
    <message>
        <source>Pressure</source>
        <comment>Pressure</comment>
        <translation>Ciśnienie</translation>
    </message>
    <message>
        <source>Airflow</source>
        <comment>Airflow</comment>
        <translation>Przepływ powietrza</translation>
    </message>
    <message>
        <source>Language</source>
        <comment>Language</comment>
        <translation>Język</translation>
    </message>
    <message>
        <source>Highlighting period (sec)</source>
        <comment>HighlightingPeriod</comment>
        <translation>Czas podświetlenia (sec)</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <comment>IntegerRange</comment>
        <extracomment>Keep %1 and %2: they become numbers.</extracomment>
        <translation>Wprowadź liczbę całkowitą od %1 do %2.</translation>
    </message>
</context>
<context>
    <name>FileBrowser</name>
    <message>
        <source>You do not have permission to save to this folder.</source>
        <comment>NoPermission</comment>
        <translation>Brak uprawnień do zapisu w tym folderze.</translation>
    </message>
    <message>
        <source>File not found.</source>
        <comment>FileNotFound</comment>
        <translation>Nie znaleziono pliku.</translation>
    </message>
    <message>
        <source>The file</source>
        <comment>TheFile</comment>
        <translation>Plik</translation>
    </message>
    <message>
        <source>already exists.
<byte value="xd"/>Would you like to overwrite this file ?</source>
        <comment>AlreadyExists</comment>
        <extracomment>Keep every line break where the sentence allows it.</extracomment>
        <translation>już istnieje.
<byte value="xd"/>Czy chcesz zastąpić ten plik?</translation>
    </message>
    <message>
        <source>Open</source>
        <comment>Open</comment>
        <translation>Otwórz</translation>
    </message>
    <message>
        <source>Filter :</source>
        <comment>Filter</comment>
        <translation>Filtr :</translation>
    </message>
    <message>
        <source>File name:</source>
        <comment>FileName</comment>
        <translation>Nazwa pliku:</translation>
    </message>
    <message>
        <source>Save</source>
        <comment>Save</comment>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>Save as</source>
        <comment>SaveAs</comment>
        <translation>Zapisz jako</translation>
    </message>
    <message>
        <source>Rename selected file or folder</source>
        <comment>RenameTip</comment>
        <translation>Zmień nazwę wybranego pliku lub folderu</translation>
    </message>
    <message>
        <source>Delete selected file or folder</source>
        <comment>DeleteTip</comment>
        <translation>Usuń wybrany plik lub folder</translation>
    </message>
    <message>
        <source>Create new folder</source>
        <comment>NewFolderTip</comment>
        <translation>Utwórz nowy folder</translation>
    </message>
    <message>
        <source>Drive not available.</source>
        <comment>DriveNotAvailable</comment>
        <translation>Dysk niedostępny.</translation>
    </message>
    <message>
        <source>New</source>
        <comment>New</comment>
        <translation>Nowy</translation>
    </message>
    <message>
        <source>Access to the selected file or folder was denied.</source>
        <comment>AccessDenied</comment>
        <translation>Odmowa dostępu do wybranego pliku lub folderu.</translation>
    </message>
    <message>
        <source>Do you really want to delete the selected folder</source>
        <comment>DeleteFolderQuestion</comment>
        <translation>Czy na pewno chcesz usunąć wybrany folder</translation>
    </message>
    <message>
        <source>Do you really want to delete the selected file</source>
        <comment>DeleteFileQuestion</comment>
        <translation>Czy na pewno chcesz usunąć wybrany plik</translation>
    </message>
    <message>
        <source>Cancel</source>
        <comment>Cancel</comment>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Drive :</source>
        <comment>Drive</comment>
        <translation>Dysk :</translation>
    </message>
    <message>
        <source>Path :</source>
        <comment>Path</comment>
        <translation>Ścieżka :</translation>
    </message>
    <message>
        <source>File type :</source>
        <comment>FileType</comment>
        <translation>Typ pliku :</translation>
    </message>
    <message>
        <source>Rename</source>
        <comment>RenameTitle</comment>
        <translation>Zmień nazwę</translation>
    </message>
    <message>
        <source>New folder</source>
        <comment>NewFolderTitle</comment>
        <translation>Nowy folder</translation>
    </message>
</context>
<context>
    <name>GraphView</name>
    <message>
        <source>Graph view</source>
        <comment>Title</comment>
        <translation>Wykres</translation>
    </message>
    <message>
        <source>Minimum:</source>
        <comment>Minimum</comment>
        <translation>Minimum:</translation>
    </message>
    <message>
        <source>Maximum:</source>
        <comment>Maximum</comment>
        <translation>Maksimum:</translation>
    </message>
    <message>
        <source>Actual:</source>
        <comment>Actual</comment>
        <translation>Bieżąca:</translation>
    </message>
    <message>
        <source>Pause</source>
        <comment>Pause</comment>
        <translation>Pauza</translation>
    </message>
    <message>
        <source>Resume</source>
        <comment>Resume</comment>
        <translation>Wznów</translation>
    </message>
    <message>
        <source>Reset view</source>
        <comment>ResetView</comment>
        <translation>Resetuj widok</translation>
    </message>
    <message>
        <source>Export</source>
        <comment>Export</comment>
        <translation>Eksportuj</translation>
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
        <translation>Zmiana skali czasu:
<byte value="xd"/>Kliknij lewym lub prawym przyciskiem myszy w dowolnym miejscu wykresów, aby powiększyć lub pomniejszyć skalę czasu.
<byte value="xd"/>Przytrzymaj lewy przycisk myszy i przesuń mysz w lewo lub w prawo, aby przesunąć skalę czasu.
<byte value="xd"/>Przycisk &apos;&apos;Resetuj widok&apos;&apos; przywraca początkową skalę czasu.
<byte value="xd"/>Powiększanie jest przeznaczone do zapisanych pomiarów.
<byte value="xd"/>
<byte value="xd"/>Można uruchomić kilka kopii programu jednocześnie, aby porównywać wykresy.
<byte value="xd"/>
<byte value="xd"/>Podczas pomiaru na żywo wybranie innego czujnika kasuje wykresy, ale zapis trwa nadal.</translation>
    </message>
    <message>
        <source>Compare...</source>
        <comment>Compare</comment>
        <translation>Porównaj...</translation>
    </message>
    <message>
        <source>Clear reference</source>
        <comment>ClearReference</comment>
        <translation>Usuń odniesienie</translation>
    </message>
    <message>
        <source>Offset:</source>
        <comment>Offset</comment>
        <translation>Przesunięcie:</translation>
    </message>
    <message>
        <source>Align at engine start</source>
        <comment>AlignAtEngineStart</comment>
        <translation>Wyrównaj do startu silnika</translation>
    </message>
    <message>
        <source>Solid: %1   Dashed: %2</source>
        <comment>Legend</comment>
        <extracomment>Keep %1 and %2: they become numbers.</extracomment>
        <translation>Ciągła: %1   Przerywana: %2</translation>
    </message>
    <message>
        <source>live session</source>
        <comment>LiveSession</comment>
        <translation>pomiar na żywo</translation>
    </message>
    <message>
        <source>Not in the reference: %1</source>
        <comment>NotInReference</comment>
        <extracomment>Keep %1 and %2: they become numbers.</extracomment>
        <translation>Brak w nagraniu odniesienia: %1</translation>
    </message>
    <message>
        <source>The engine does not start in both rides; the offset stays as it is.</source>
        <comment>NoEngineStart</comment>
        <translation>Silnik nie uruchamia się w obu jazdach; przesunięcie pozostaje bez zmian.</translation>
    </message>
</context>
<context>
    <name>TroubleCodes</name>
    <message>
        <source>Unknown error</source>
        <comment>Unknown</comment>
        <extracomment>Description of a trouble code that has no text of its own.</extracomment>
        <translation>Nieznany błąd</translation>
    </message>
    <message>
        <source>Manifold absolute pressure circuit malfunction 1</source>
        <comment>P0105</comment>
        <extracomment>Description of trouble code P0105.</extracomment>
        <translation>Czujnik ciśnienia w kolektorze dolotowym 1 - usterka obwodu</translation>
    </message>
    <message>
        <source>Intake air temperature circuit malfunction</source>
        <comment>P0110</comment>
        <extracomment>Description of trouble code P0110.</extracomment>
        <translation>Czujnik temperatury powietrza zasysanego - usterka obwodu</translation>
    </message>
    <message>
        <source>Engine coolant / oil temperature circuit malfunction</source>
        <comment>P0115</comment>
        <extracomment>Description of trouble code P0115.</extracomment>
        <translation>Czujnik temperatury cieczy chłodzącej / oleju - usterka obwodu</translation>
    </message>
    <message>
        <source>Throttle position sensor A circuit malfunction</source>
        <comment>P0120</comment>
        <extracomment>Description of trouble code P0120.</extracomment>
        <translation>Czujnik położenia przepustnicy A - usterka obwodu</translation>
    </message>
    <message>
        <source>O2 sensor circuit malfunction (Bank1 Sensor 1)</source>
        <comment>P0130</comment>
        <extracomment>Description of trouble code P0130.</extracomment>
        <translation>Sonda lambda - usterka obwodu (rząd 1 czujnik 1)</translation>
    </message>
    <message>
        <source>O2 sensor heater circuit malfunction (Bank1 Sensor 1)</source>
        <comment>P0135</comment>
        <extracomment>Description of trouble code P0135.</extracomment>
        <translation>Grzałka sondy lambda - usterka obwodu (rząd 1 czujnik 1)</translation>
    </message>
    <message>
        <source>O2 sensor circuit malfunction (Bank2 Sensor 2)</source>
        <comment>P0156</comment>
        <extracomment>Description of trouble code P0156.</extracomment>
        <translation>Sonda lambda - usterka obwodu (rząd 2 czujnik 2)</translation>
    </message>
    <message>
        <source>O2 sensor heater circuit malfunction (Bank2 Sensor 2)</source>
        <comment>P0161</comment>
        <extracomment>Description of trouble code P0161.</extracomment>
        <translation>Grzałka sondy lambda - usterka obwodu (rząd 2 czujnik 2)</translation>
    </message>
    <message>
        <source>Injector circuit cylinder 1 malfunction</source>
        <comment>P0201</comment>
        <extracomment>Description of trouble code P0201.</extracomment>
        <translation>Wtryskiwacz cylindra 1 - usterka obwodu</translation>
    </message>
    <message>
        <source>Injector circuit cylinder 2 malfunction</source>
        <comment>P0202</comment>
        <extracomment>Description of trouble code P0202.</extracomment>
        <translation>Wtryskiwacz cylindra 2 - usterka obwodu</translation>
    </message>
    <message>
        <source>Injector circuit cylinder 3 malfunction</source>
        <comment>P0203</comment>
        <extracomment>Description of trouble code P0203.</extracomment>
        <translation>Wtryskiwacz cylindra 3 - usterka obwodu</translation>
    </message>
    <message>
        <source>Injector circuit cylinder 4 malfunction</source>
        <comment>P0204</comment>
        <extracomment>Description of trouble code P0204.</extracomment>
        <translation>Wtryskiwacz cylindra 4 - usterka obwodu</translation>
    </message>
    <message>
        <source>Fuel pump circuit malfunction</source>
        <comment>P0230</comment>
        <extracomment>Description of trouble code P0230.</extracomment>
        <translation>Pompa paliwa - usterka obwodu</translation>
    </message>
    <message>
        <source>Crankshaft position sensor A circuit malfunction</source>
        <comment>P0335</comment>
        <extracomment>Description of trouble code P0335.</extracomment>
        <translation>Czujnik położenia wału korbowego A - usterka obwodu</translation>
    </message>
    <message>
        <source>Camshaft position sensor A circuit malfunction</source>
        <comment>P0340</comment>
        <extracomment>Description of trouble code P0340.</extracomment>
        <translation>Czujnik położenia wałka rozrządu A - usterka obwodu</translation>
    </message>
    <message>
        <source>Ignition coil A circuit malfunction</source>
        <comment>P0351</comment>
        <extracomment>Description of trouble code P0351.</extracomment>
        <translation>Cewka zapłonowa A - usterka obwodu</translation>
    </message>
    <message>
        <source>Ignition coil B circuit malfunction</source>
        <comment>P0352</comment>
        <extracomment>Description of trouble code P0352.</extracomment>
        <translation>Cewka zapłonowa B - usterka obwodu</translation>
    </message>
    <message>
        <source>Ignition coil C circuit malfunction</source>
        <comment>P0353</comment>
        <extracomment>Description of trouble code P0353.</extracomment>
        <translation>Cewka zapłonowa C - usterka obwodu</translation>
    </message>
    <message>
        <source>Ignition coil D circuit malfunction</source>
        <comment>P0354</comment>
        <extracomment>Description of trouble code P0354.</extracomment>
        <translation>Cewka zapłonowa D - usterka obwodu</translation>
    </message>
    <message>
        <source>EVAP system purge valve circuit malfunction</source>
        <comment>P0443</comment>
        <extracomment>Description of trouble code P0443.</extracomment>
        <translation>Zawór odpowietrzania zbiornika (EVAP) - usterka obwodu</translation>
    </message>
    <message>
        <source>Cooling fan control circuit malfunction</source>
        <comment>P0480</comment>
        <extracomment>Description of trouble code P0480.</extracomment>
        <translation>Sterowanie wentylatorem chłodnicy - usterka obwodu</translation>
    </message>
    <message>
        <source>Vehicle speed sensor malfunction</source>
        <comment>P0500</comment>
        <extracomment>Description of trouble code P0500.</extracomment>
        <translation>Usterka czujnika prędkości pojazdu</translation>
    </message>
    <message>
        <source>ISC valve circuit malfunction</source>
        <comment>P0505</comment>
        <extracomment>Description of trouble code P0505.</extracomment>
        <translation>Zawór ISC - usterka obwodu</translation>
    </message>
    <message>
        <source>ISC valve, lower than desired rpm</source>
        <comment>P0506</comment>
        <extracomment>Description of trouble code P0506.</extracomment>
        <translation>Zawór ISC, obroty niższe od zadanych</translation>
    </message>
    <message>
        <source>ISC valve, higher than desired rpm</source>
        <comment>P0507</comment>
        <extracomment>Description of trouble code P0507.</extracomment>
        <translation>Zawór ISC, obroty wyższe od zadanych</translation>
    </message>
    <message>
        <source>Starter relay circuit malfunction</source>
        <comment>P0615</comment>
        <extracomment>Description of trouble code P0615.</extracomment>
        <translation>Przekaźnik rozrusznika - usterka obwodu</translation>
    </message>
    <message>
        <source>Gear position switch circuit malfunction</source>
        <comment>P0705</comment>
        <extracomment>Description of trouble code P0705.</extracomment>
        <translation>Czujnik pozycji biegu - usterka obwodu</translation>
    </message>
    <message>
        <source>EPS torque sensor (Main) circuit malfunction</source>
        <comment>P1111</comment>
        <extracomment>Description of trouble code P1111.</extracomment>
        <translation>Czujnik momentu EPS (główny) - usterka obwodu</translation>
    </message>
    <message>
        <source>EPS torque sensor (Main/Sub) circuit correlation</source>
        <comment>P1113</comment>
        <extracomment>Description of trouble code P1113.</extracomment>
        <translation>Czujnik momentu EPS (główny/pomocniczy) - niezgodność sygnałów</translation>
    </message>
    <message>
        <source>EPS torque sensor power supply (5V) circuit malfunction</source>
        <comment>P1114</comment>
        <extracomment>Description of trouble code P1114.</extracomment>
        <translation>Zasilanie czujnika momentu EPS (5V) - usterka obwodu</translation>
    </message>
    <message>
        <source>EPS torque sensor (Sub) circuit malfunction</source>
        <comment>P1115</comment>
        <extracomment>Description of trouble code P1115.</extracomment>
        <translation>Czujnik momentu EPS (pomocniczy) - usterka obwodu</translation>
    </message>
    <message>
        <source>Vehicle speed sensor malfunction</source>
        <comment>P1121</comment>
        <extracomment>Description of trouble code P1121.</extracomment>
        <translation>Usterka czujnika prędkości pojazdu</translation>
    </message>
    <message>
        <source>Engine speed signal malfunction</source>
        <comment>P1122</comment>
        <extracomment>Description of trouble code P1122.</extracomment>
        <translation>Usterka sygnału obrotów silnika</translation>
    </message>
    <message>
        <source>Motor circuit voltage malfunction</source>
        <comment>P1141</comment>
        <extracomment>Description of trouble code P1141.</extracomment>
        <translation>Obwód silnika - nieprawidłowe napięcie</translation>
    </message>
    <message>
        <source>Motor detecting current malfunction</source>
        <comment>P1142</comment>
        <extracomment>Description of trouble code P1142.</extracomment>
        <translation>Silnik - usterka pomiaru prądu</translation>
    </message>
    <message>
        <source>Motor circuit current too high</source>
        <comment>P1143</comment>
        <extracomment>Description of trouble code P1143.</extracomment>
        <translation>Obwód silnika - za wysoki prąd</translation>
    </message>
    <message>
        <source>Motor circuit current too low</source>
        <comment>P1145</comment>
        <extracomment>Description of trouble code P1145.</extracomment>
        <translation>Obwód silnika - za niski prąd</translation>
    </message>
    <message>
        <source>Relay welding</source>
        <comment>P1152</comment>
        <extracomment>Description of trouble code P1152.</extracomment>
        <translation>Zgrzany styk przekaźnika</translation>
    </message>
    <message>
        <source>Battery voltage too low</source>
        <comment>P1153</comment>
        <extracomment>Description of trouble code P1153.</extracomment>
        <translation>Za niskie napięcie akumulatora</translation>
    </message>
    <message>
        <source>Relay malfunction</source>
        <comment>P1154</comment>
        <extracomment>Description of trouble code P1154.</extracomment>
        <translation>Usterka przekaźnika</translation>
    </message>
    <message>
        <source>EPS control unit malfunction</source>
        <comment>P1155</comment>
        <extracomment>Description of trouble code P1155.</extracomment>
        <translation>Usterka sterownika EPS</translation>
    </message>
    <message>
        <source>Atmospheric pressure sensor circuit malfunction</source>
        <comment>P1450</comment>
        <extracomment>Description of trouble code P1450.</extracomment>
        <translation>Czujnik ciśnienia atmosferycznego - usterka obwodu</translation>
    </message>
    <message>
        <source>Serial communication problem between ECM and TCM</source>
        <comment>P1600</comment>
        <extracomment>Description of trouble code P1600.</extracomment>
        <translation>Błąd komunikacji szeregowej między ECM a TCM</translation>
    </message>
    <message>
        <source>Wheel speed sensor rotor malfunction(F)</source>
        <comment>P1613</comment>
        <extracomment>Description of trouble code P1613.</extracomment>
        <translation>Usterka wieńca impulsowego czujnika prędkości koła (P)</translation>
    </message>
    <message>
        <source>Wheel speed sensor rotor malfunction(R)</source>
        <comment>P1614</comment>
        <extracomment>Description of trouble code P1614.</extracomment>
        <translation>Usterka wieńca impulsowego czujnika prędkości koła (T)</translation>
    </message>
    <message>
        <source>ABS actuator circuit malfunction(F)</source>
        <comment>P1622</comment>
        <extracomment>Description of trouble code P1622.</extracomment>
        <translation>Modulator ABS - usterka obwodu (P)</translation>
    </message>
    <message>
        <source>ABS actuator circuit malfunction(R)</source>
        <comment>P1623</comment>
        <extracomment>Description of trouble code P1623.</extracomment>
        <translation>Modulator ABS - usterka obwodu (T)</translation>
    </message>
    <message>
        <source>Incorrect tire size or wheel speed sensor related malfunction</source>
        <comment>P1625</comment>
        <extracomment>Description of trouble code P1625.</extracomment>
        <translation>Nieprawidłowy rozmiar opon lub usterka czujnika prędkości koła</translation>
    </message>
    <message>
        <source>ABS motor malfunction</source>
        <comment>P1635</comment>
        <extracomment>Description of trouble code P1635.</extracomment>
        <translation>Usterka silnika pompy ABS</translation>
    </message>
    <message>
        <source>Wheel speed sensor signal malfunction(F)</source>
        <comment>P1641</comment>
        <extracomment>Description of trouble code P1641.</extracomment>
        <translation>Czujnik prędkości koła - usterka sygnału (P)</translation>
    </message>
    <message>
        <source>Wheel speed sensor circuit open (F)</source>
        <comment>P1642</comment>
        <extracomment>Description of trouble code P1642.</extracomment>
        <translation>Czujnik prędkości koła - przerwa w obwodzie (P)</translation>
    </message>
    <message>
        <source>Wheel speed sensor circuit short (F)</source>
        <comment>P1643</comment>
        <extracomment>Description of trouble code P1643.</extracomment>
        <translation>Czujnik prędkości koła - zwarcie (P)</translation>
    </message>
    <message>
        <source>Wheel speed sensor signal malfunction(R)</source>
        <comment>P1644</comment>
        <extracomment>Description of trouble code P1644.</extracomment>
        <translation>Czujnik prędkości koła - usterka sygnału (T)</translation>
    </message>
    <message>
        <source>Wheel speed sensor circuit open(R)</source>
        <comment>P1645</comment>
        <extracomment>Description of trouble code P1645.</extracomment>
        <translation>Czujnik prędkości koła - przerwa w obwodzie (T)</translation>
    </message>
    <message>
        <source>Wheel speed sensor circuit short(R)</source>
        <comment>P1646</comment>
        <extracomment>Description of trouble code P1646.</extracomment>
        <translation>Czujnik prędkości koła - zwarcie (T)</translation>
    </message>
    <message>
        <source>Supply voltage(Increased)</source>
        <comment>P1647</comment>
        <extracomment>Description of trouble code P1647.</extracomment>
        <translation>Napięcie zasilania (za wysokie)</translation>
    </message>
    <message>
        <source>Supply voltage(Decreased)</source>
        <comment>P1648</comment>
        <extracomment>Description of trouble code P1648.</extracomment>
        <translation>Napięcie zasilania (za niskie)</translation>
    </message>
    <message>
        <source>Ignition switch signal circuit malfunction</source>
        <comment>P1650</comment>
        <extracomment>Description of trouble code P1650.</extracomment>
        <translation>Sygnał stacyjki - usterka obwodu</translation>
    </message>
    <message>
        <source>Tip over sensor circuit malfunction</source>
        <comment>P1651</comment>
        <extracomment>Description of trouble code P1651.</extracomment>
        <translation>Czujnik przewrócenia - usterka obwodu</translation>
    </message>
    <message>
        <source>PTC heater circuit malfunction</source>
        <comment>P1652</comment>
        <extracomment>Description of trouble code P1652.</extracomment>
        <translation>Grzałka PTC - usterka obwodu</translation>
    </message>
    <message>
        <source>Secondary throttle actuator position sensor circuit malfunction</source>
        <comment>P1654</comment>
        <extracomment>Description of trouble code P1654.</extracomment>
        <translation>Czujnik położenia siłownika przepustnicy wtórnej - usterka obwodu</translation>
    </message>
    <message>
        <source>Secondary throttle motor circuit malfunction</source>
        <comment>P1655</comment>
        <extracomment>Description of trouble code P1655.</extracomment>
        <translation>Silnik przepustnicy wtórnej - usterka obwodu</translation>
    </message>
    <message>
        <source>PAIR circuit malfunction</source>
        <comment>P1656</comment>
        <extracomment>Description of trouble code P1656.</extracomment>
        <translation>Układ PAIR - usterka obwodu</translation>
    </message>
    <message>
        <source>Exhaust control valve actuator position sensor circuit malfunction</source>
        <comment>P1657</comment>
        <extracomment>Description of trouble code P1657.</extracomment>
        <translation>Czujnik położenia siłownika klapy wydechu - usterka obwodu</translation>
    </message>
    <message>
        <source>Exhaust control valve motor circuit malfunction</source>
        <comment>P1658</comment>
        <extracomment>Description of trouble code P1658.</extracomment>
        <translation>Silnik klapy wydechu - usterka obwodu</translation>
    </message>
    <message>
        <source>ABS solenoid malfunction</source>
        <comment>P1661</comment>
        <extracomment>Description of trouble code P1661.</extracomment>
        <translation>Usterka elektrozaworu ABS</translation>
    </message>
    <message>
        <source>Throttle position signal input malfunction</source>
        <comment>P1700</comment>
        <extracomment>Description of trouble code P1700.</extracomment>
        <translation>Sygnał położenia przepustnicy - usterka wejścia</translation>
    </message>
    <message>
        <source>Manifold absolute pressure circuit malfunction 2</source>
        <comment>P1750</comment>
        <extracomment>Description of trouble code P1750.</extracomment>
        <translation>Czujnik ciśnienia w kolektorze dolotowym 2 - usterka obwodu</translation>
    </message>
    <message>
        <source>Decomp solenoid relay circuit malfunction</source>
        <comment>P1751</comment>
        <extracomment>Description of trouble code P1751.</extracomment>
        <translation>Przekaźnik elektrozaworu dekompresora - usterka obwodu</translation>
    </message>
    <message>
        <source>Differential lock relay circuit malfunction</source>
        <comment>P1752</comment>
        <extracomment>Description of trouble code P1752.</extracomment>
        <translation>Przekaźnik blokady mechanizmu różnicowego - usterka obwodu</translation>
    </message>
    <message>
        <source>Secondary injector cir. - cyl. 1 malfunction</source>
        <comment>P1764</comment>
        <extracomment>Description of trouble code P1764.</extracomment>
        <translation>Wtryskiwacz dodatkowy cyl. 1 - usterka obwodu</translation>
    </message>
    <message>
        <source>Secondary injector cir. - cyl. 2 malfunction</source>
        <comment>P1765</comment>
        <extracomment>Description of trouble code P1765.</extracomment>
        <translation>Wtryskiwacz dodatkowy cyl. 2 - usterka obwodu</translation>
    </message>
    <message>
        <source>Secondary injector cir. - cyl. 3 malfunction</source>
        <comment>P1766</comment>
        <extracomment>Description of trouble code P1766.</extracomment>
        <translation>Wtryskiwacz dodatkowy cyl. 3 - usterka obwodu</translation>
    </message>
    <message>
        <source>Secondary injector cir. - cyl. 4 malfunction</source>
        <comment>P1767</comment>
        <extracomment>Description of trouble code P1767.</extracomment>
        <translation>Wtryskiwacz dodatkowy cyl. 4 - usterka obwodu</translation>
    </message>
    <message>
        <source>PAIR circuit malfunction 2</source>
        <comment>P1768</comment>
        <extracomment>Description of trouble code P1768.</extracomment>
        <translation>Układ PAIR - usterka obwodu 2</translation>
    </message>
    <message>
        <source>Steering damper solenoid circuit malfunction</source>
        <comment>P1769</comment>
        <extracomment>Description of trouble code P1769.</extracomment>
        <translation>Zawór amortyzatora skrętu - usterka obwodu</translation>
    </message>
    <message>
        <source>Crankshaft rotation signal circuit malfunction</source>
        <comment>P1771</comment>
        <extracomment>Description of trouble code P1771.</extracomment>
        <translation>Sygnał obrotu wału korbowego - usterka obwodu</translation>
    </message>
    <message>
        <source>Switch circuit malfunction for CVT</source>
        <comment>P1815</comment>
        <extracomment>Description of trouble code P1815.</extracomment>
        <translation>Przełącznik CVT - usterka obwodu</translation>
    </message>
    <message>
        <source>Secondary pulley speed sensor circuit malfunction</source>
        <comment>P1831</comment>
        <extracomment>Description of trouble code P1831.</extracomment>
        <translation>Czujnik obrotów koła pasowego wtórnego - usterka obwodu</translation>
    </message>
    <message>
        <source>Motor system malfunction</source>
        <comment>P1861</comment>
        <extracomment>Description of trouble code P1861.</extracomment>
        <translation>Usterka układu silnika nastawczego</translation>
    </message>
    <message>
        <source>Pulley position sensor circuit malfunction</source>
        <comment>P1862</comment>
        <extracomment>Description of trouble code P1862.</extracomment>
        <translation>Czujnik położenia koła pasowego - usterka obwodu</translation>
    </message>
    <message>
        <source>Belt slip/Pulley position sensor system malfunction</source>
        <comment>P1863</comment>
        <extracomment>Description of trouble code P1863.</extracomment>
        <translation>Poślizg paska/czujnik położenia koła pasowego - usterka układu</translation>
    </message>
    <message>
        <source>ECM/PCM power input signal malfunction</source>
        <comment>P2505</comment>
        <extracomment>Description of trouble code P2505.</extracomment>
        <translation>Zasilanie ECM/PCM - usterka sygnału wejściowego</translation>
    </message>
</context>
</TS>
