<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>MainWindow</name>
    <message>
        <source>Clear errors</source>
        <comment>ClearErrors</comment>
        <translation>Fehler löschen</translation>
    </message>
    <message>
        <source>Connect</source>
        <comment>Connect</comment>
        <translation>Verbinden</translation>
    </message>
    <message>
        <source>Save As...</source>
        <comment>SaveAs</comment>
        <translation>Speichern unter...</translation>
    </message>
    <message>
        <source>Open...</source>
        <comment>Open</comment>
        <translation>Öffnen...</translation>
    </message>
    <message>
        <source>Close</source>
        <comment>Close</comment>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Exit</source>
        <comment>Exit</comment>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Number of DTCs:</source>
        <comment>NumberOfDtcs</comment>
        <translation>Anzahl Fehlercodes:</translation>
    </message>
    <message>
        <source>Engine</source>
        <comment>TabEngine</comment>
        <translation>Motor</translation>
    </message>
    <message>
        <source>Transmission</source>
        <comment>TabTransmission</comment>
        <translation>Getriebe</translation>
    </message>
    <message>
        <source>Engine &amp; Transmission</source>
        <comment>TabEngineTransmission</comment>
        <translation>Motor &amp; Getriebe</translation>
    </message>
    <message>
        <source>Error codes</source>
        <comment>TabErrorCodes</comment>
        <translation>Fehlercodes</translation>
    </message>
    <message>
        <source>Show data when trouble</source>
        <comment>TabShowDataWhenTrouble</comment>
        <translation>Fehlerumgebungsdaten</translation>
    </message>
    <message>
        <source>Active tests</source>
        <comment>TabActiveTests</comment>
        <translation>Stellgliedtests</translation>
    </message>
    <message>
        <source>About</source>
        <comment>About</comment>
        <translation>Info</translation>
    </message>
    <message>
        <source>Hardware ID:</source>
        <comment>HardwareId</comment>
        <translation>Hardware-ID:</translation>
    </message>
    <message>
        <source>Hardware SN:</source>
        <comment>HardwareSn</comment>
        <translation>Hardware-SN:</translation>
    </message>
    <message>
        <source>ECM ID:</source>
        <comment>EcmId</comment>
        <translation>Steuergeräte-Nr.:</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <comment>Disconnect</comment>
        <translation>Trennen</translation>
    </message>
    <message>
        <source>Communication failed</source>
        <comment>CommunicationFailed</comment>
        <translation>Kommunikation fehlgeschlagen</translation>
    </message>
    <message>
        <source>Error</source>
        <comment>Error</comment>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Communication error occurred</source>
        <comment>CommunicationError</comment>
        <translation>Kommunikationsfehler aufgetreten</translation>
    </message>
    <message>
        <source>Pause</source>
        <comment>Pause</comment>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Play</source>
        <comment>Play</comment>
        <translation>Wiedergabe</translation>
    </message>
    <message>
        <source>Time:</source>
        <comment>Time</comment>
        <translation>Zeit:</translation>
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
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>New version available...
<byte value="xd"/>Would you like to install now?</source>
        <comment>NewVersionQuestion</comment>
        <extracomment>Keep every line break where the sentence allows it.</extracomment>
        <translation>Neue Version verfügbar...
<byte value="xd"/>Jetzt installieren?</translation>
    </message>
    <message>
        <source>Attention</source>
        <comment>Attention</comment>
        <translation>Achtung</translation>
    </message>
    <message>
        <source>Download error 
<byte value="xd"/>Please try again later</source>
        <comment>DownloadError</comment>
        <extracomment>Keep every line break where the sentence allows it.</extracomment>
        <translation>Fehler beim Herunterladen 
<byte value="xd"/>Bitte später erneut versuchen</translation>
    </message>
    <message>
        <source>Error codes will be cleared. Continue?</source>
        <comment>ClearErrorsQuestion</comment>
        <translation>Fehlercodes werden gelöscht. Fortfahren?</translation>
    </message>
    <message>
        <source>Last session was not saved!
<byte value="xd"/>Would you like to continue?</source>
        <comment>UnsavedContinueQuestion</comment>
        <extracomment>Keep every line break where the sentence allows it.</extracomment>
        <translation>Letzte Sitzung wurde nicht gespeichert!
<byte value="xd"/>Trotzdem fortfahren?</translation>
    </message>
    <message>
        <source>Attention</source>
        <comment>AttentionUnsaved</comment>
        <translation>Achtung</translation>
    </message>
    <message>
        <source>FAQ page has been updated.</source>
        <comment>FaqUpdated</comment>
        <translation>FAQ wurde aktualisiert.</translation>
    </message>
    <message>
        <source>Note</source>
        <comment>Note</comment>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>Last session was not saved!
<byte value="xd"/>Would you like to exit anyway?</source>
        <comment>UnsavedExitQuestion</comment>
        <extracomment>Keep every line break where the sentence allows it.</extracomment>
        <translation>Letzte Sitzung wurde nicht gespeichert!
<byte value="xd"/>Trotzdem beenden?</translation>
    </message>
    <message>
        <source>Settings</source>
        <comment>Settings</comment>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Models</source>
        <comment>Models</comment>
        <translation>Modelle</translation>
    </message>
    <message>
        <source>FAQ</source>
        <comment>Faq</comment>
        <translation>FAQ</translation>
    </message>
    <message>
        <source>Graph view</source>
        <comment>GraphView</comment>
        <translation>Diagramm</translation>
    </message>
    <message>
        <source>Offline mode</source>
        <comment>OfflineMode</comment>
        <translation>Offline-Modus</translation>
    </message>
    <message>
        <source>File is locked by another application.</source>
        <comment>FileLocked</comment>
        <translation>Die Datei wird von einer anderen Anwendung verwendet.</translation>
    </message>
    <message>
        <source>File is corrupted, load skipped.</source>
        <comment>FileCorrupted</comment>
        <translation>Die Datei ist beschädigt und wurde nicht geladen.</translation>
    </message>
    <message>
        <source>Actual sensor data:</source>
        <comment>ActualSensorData</comment>
        <translation>Aktuelle Sensordaten:</translation>
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
        <translation>Uhrzeit: </translation>
    </message>
    <message>
        <source>Print</source>
        <comment>Print</comment>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Please wait while downloading...</source>
        <comment>PleaseWait</comment>
        <translation>Bitte warten, Download läuft...</translation>
    </message>
    <message>
        <source>The file could not be written:
%1</source>
        <comment>FileNotWritten</comment>
        <extracomment>Keep %1 and %2: they become numbers.</extracomment>
        <translation>Die Datei konnte nicht geschrieben werden:
%1</translation>
    </message>
    <message>
        <source>The report was saved as %1.
No program to show PDF files was found.</source>
        <comment>ReportSavedNoViewer</comment>
        <extracomment>Keep %1 and %2: they become numbers.</extracomment>
        <translation>Der Bericht wurde als %1 gespeichert.
Es wurde kein Programm zum Anzeigen von PDF-Dateien gefunden.</translation>
    </message>
    <message>
        <source>The FAQ document is %1.
No program to show PDF files was found.</source>
        <comment>FaqNoViewer</comment>
        <extracomment>Keep %1 and %2: they become numbers.</extracomment>
        <translation>Das FAQ-Dokument liegt unter %1.
Es wurde kein Programm zum Anzeigen von PDF-Dateien gefunden.</translation>
    </message>
    <message>
        <source>Another Quilldar uses the module</source>
        <comment>OtherCopyUsesModule</comment>
        <translation>Ein anderes Quilldar verwendet das Modul</translation>
    </message>
    <message>
        <source>The last session was not saved. Discard its records and continue?</source>
        <comment>DiscardLeftoverQuestion</comment>
        <translation>Die letzte Sitzung wurde nicht gespeichert. Ihre Datensätze verwerfen und fortfahren?</translation>
    </message>
    <message>
        <source>The recording could not be saved: %1
It is kept; try another folder or name.</source>
        <comment>RecordingNotSaved</comment>
        <extracomment>Keep %1 and %2: they become numbers.</extracomment>
        <translation>Die Aufzeichnung konnte nicht gespeichert werden: %1
Sie bleibt erhalten; bitte einen anderen Ordner oder Namen versuchen.</translation>
    </message>
    <message>
        <source>The recording %1 cannot be opened: %2</source>
        <comment>RecordingNotOpened</comment>
        <extracomment>Keep %1 and %2: they become numbers.</extracomment>
        <translation>Die Aufzeichnung %1 kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>it is not a recording</source>
        <comment>NotARecording</comment>
        <translation>die Datei ist keine Aufzeichnung</translation>
    </message>
    <message>
        <source>there are no unsaved records</source>
        <comment>NoUnsavedRecords</comment>
        <translation>es gibt keine ungespeicherten Datensätze</translation>
    </message>
    <message>
        <source>Session ended at %1: %2.</source>
        <comment>SessionEnded</comment>
        <extracomment>Keep %1 and %2: they become numbers.</extracomment>
        <translation>Sitzung beendet um %1: %2.</translation>
    </message>
    <message>
        <source> %1 records kept for Save As.</source>
        <comment>RecordsKeptForSaveAs</comment>
        <extracomment>Keep %1 and %2: they become numbers. Keep the blank at the start.</extracomment>
        <translation> %1 Datensätze bleiben für &apos;&apos;Speichern unter&apos;&apos; erhalten.</translation>
    </message>
    <message>
        <source>Module unplugged</source>
        <comment>ModuleUnplugged</comment>
        <translation>Modul abgezogen</translation>
    </message>
    <message>
        <source>No reply from the module</source>
        <comment>ModuleSilent</comment>
        <translation>Keine Antwort vom Modul</translation>
    </message>
    <message>
        <source>The control unit disconnected</source>
        <comment>UnitDisconnected</comment>
        <translation>Das Steuergerät hat die Verbindung getrennt</translation>
    </message>
    <message>
        <source>The folder %1 cannot be created.</source>
        <comment>ReportFolderNotCreated</comment>
        <extracomment>Keep %1 and %2: they become numbers.</extracomment>
        <translation>Der Ordner %1 kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>The PDF library could not create a document.</source>
        <comment>PdfLibraryFailed</comment>
        <translation>Die PDF-Bibliothek konnte kein Dokument erstellen.</translation>
    </message>
    <message>
        <source>The report could not be written to %1.</source>
        <comment>ReportNotWritten</comment>
        <extracomment>Keep %1 and %2: they become numbers.</extracomment>
        <translation>Der Bericht konnte nicht nach %1 geschrieben werden.</translation>
    </message>
    <message>
        <source>%1. This copy opens, plays, graphs and prints recordings; close the other copy to use the module here.</source>
        <comment>OfflineExplanation</comment>
        <extracomment>Keep %1 and %2: they become numbers.</extracomment>
        <translation>%1. Diese Kopie kann Aufzeichnungen öffnen, wiedergeben, als Diagramm anzeigen und drucken; schließen Sie die andere Kopie, um das Modul hier zu verwenden.</translation>
    </message>
    <message>
        <source>The unit tried was %1, the unit of the selected tab. To connect to another unit, select its tab first, then press Connect.</source>
        <comment>WrongTabHint</comment>
        <extracomment>Keep %1 and %2: they become numbers.</extracomment>
        <translation>Versucht wurde das Steuergerät &apos;&apos;%1&apos;&apos;, das zur gewählten Registerkarte gehört. Für ein anderes Steuergerät zuerst dessen Registerkarte wählen und dann &apos;&apos;Verbinden&apos;&apos; drücken.</translation>
    </message>
    <message>
        <source>The session cannot be recorded to disk: %1
Live data is still shown but no longer recorded. What was recorded before is kept: save it with Save As after Disconnect.</source>
        <comment>RecordingStopped</comment>
        <extracomment>Keep %1 and %2: they become numbers.</extracomment>
        <translation>Die Sitzung kann nicht auf die Festplatte aufgezeichnet werden: %1
Live-Daten werden weiter angezeigt, aber nicht mehr aufgezeichnet. Bisher Aufgezeichnetes bleibt erhalten: nach &apos;&apos;Trennen&apos;&apos; mit &apos;&apos;Speichern unter&apos;&apos; speichern.</translation>
    </message>
    <message>
        <source>HID library</source>
        <comment>CheckLibrary</comment>
        <translation>HID-Bibliothek</translation>
    </message>
    <message>
        <source>USB device %1</source>
        <comment>CheckDevice</comment>
        <extracomment>Keep %1 and %2: they become numbers.</extracomment>
        <translation>USB-Gerät %1</translation>
    </message>
    <message>
        <source>Device permission</source>
        <comment>CheckPermission</comment>
        <translation>Geräteberechtigung</translation>
    </message>
    <message>
        <source>Other Quilldar</source>
        <comment>CheckOtherInstance</comment>
        <translation>Anderes Quilldar</translation>
    </message>
    <message>
        <source>Module answers</source>
        <comment>CheckModuleAnswers</comment>
        <translation>Modul antwortet</translation>
    </message>
    <message>
        <source>Vehicle power</source>
        <comment>CheckVehiclePower</comment>
        <translation>Fahrzeugspannung</translation>
    </message>
    <message>
        <source>Fix:</source>
        <comment>CheckFix</comment>
        <translation>Abhilfe:</translation>
    </message>
    <message>
        <source>%1 loads.</source>
        <comment>CheckLibraryLoads</comment>
        <extracomment>Keep %1 and %2: they become numbers.</extracomment>
        <translation>%1 lässt sich laden.</translation>
    </message>
    <message>
        <source>not needed by the simulated module.</source>
        <comment>CheckLibraryNotNeeded</comment>
        <translation>für das simulierte Modul nicht erforderlich.</translation>
    </message>
    <message>
        <source>No library</source>
        <comment>CheckWordNoLibrary</comment>
        <translation>Bibl. fehlt</translation>
    </message>
    <message>
        <source>%1 cannot be loaded.</source>
        <comment>CheckLibraryMissing</comment>
        <extracomment>Keep %1 and %2: they become numbers.</extracomment>
        <translation>%1 kann nicht geladen werden.</translation>
    </message>
    <message>
        <source>Install it with: sudo apt-get install libhidapi-hidraw0</source>
        <comment>CheckLibraryFix</comment>
        <translation>Installieren mit: sudo apt-get install libhidapi-hidraw0</translation>
    </message>
    <message>
        <source>plugged in.</source>
        <comment>CheckDeviceFound</comment>
        <translation>angeschlossen.</translation>
    </message>
    <message>
        <source>No USB</source>
        <comment>CheckWordNoUsb</comment>
        <translation>Kein USB</translation>
    </message>
    <message>
        <source>not found among the USB HID devices.</source>
        <comment>CheckDeviceMissing</comment>
        <translation>nicht unter den USB-HID-Geräten gefunden.</translation>
    </message>
    <message>
        <source>Plug the interface module in; try another USB port or cable. lsusb should list %1.</source>
        <comment>CheckDeviceFix</comment>
        <extracomment>Keep %1 and %2: they become numbers.</extracomment>
        <translation>Interface-Modul anschließen; einen anderen USB-Anschluss oder ein anderes Kabel versuchen. lsusb sollte %1 auflisten.</translation>
    </message>
    <message>
        <source>this user may read and write the module.</source>
        <comment>CheckAccessGranted</comment>
        <translation>dieser Benutzer darf das Modul lesen und beschreiben.</translation>
    </message>
    <message>
        <source>No access</source>
        <comment>CheckWordNoAccess</comment>
        <translation>Kein Zugriff</translation>
    </message>
    <message>
        <source>the module is plugged in but this user may not open it%1.</source>
        <comment>CheckAccessDenied</comment>
        <extracomment>Keep %1 and %2: they become numbers.</extracomment>
        <translation>das Modul ist angeschlossen, aber dieser Benutzer darf es nicht öffnen%1.</translation>
    </message>
    <message>
        <source>Install the Quilldar package, which brings the udev rule, or install the rule by hand: sudo cp packaging/linux/%1 /etc/udev/rules.d/ &amp;&amp; sudo udevadm control --reload-rules &amp;&amp; sudo udevadm trigger; then unplug and replug the module.</source>
        <comment>CheckRuleMissingFix</comment>
        <extracomment>Keep %1 and %2: they become numbers.</extracomment>
        <translation>Das Quilldar-Paket installieren, das die udev-Regel mitbringt, oder die Regel von Hand installieren: sudo cp packaging/linux/%1 /etc/udev/rules.d/ &amp;&amp; sudo udevadm control --reload-rules &amp;&amp; sudo udevadm trigger; danach das Modul abziehen und wieder anstecken.</translation>
    </message>
    <message>
        <source>The udev rule %1 is installed: unplug and replug the module. If it still fails (for example when not logged in at this computer&apos;s own screen), join the plugdev group with: sudo adduser %2 plugdev, then log out and in again.</source>
        <comment>CheckJoinGroupFix</comment>
        <extracomment>Keep %1 and %2: they become numbers.</extracomment>
        <translation>Die udev-Regel %1 ist installiert: Modul abziehen und wieder anstecken. Klappt es dann immer noch nicht (zum Beispiel, wenn Sie nicht direkt am Bildschirm dieses Computers angemeldet sind), der Gruppe plugdev beitreten mit: sudo adduser %2 plugdev, danach ab- und wieder anmelden.</translation>
    </message>
    <message>
        <source>The udev rule %1 is installed and %2 is in the plugdev group: unplug and replug the module; if that does not help, run: sudo udevadm control --reload-rules &amp;&amp; sudo udevadm trigger.</source>
        <comment>CheckReloadRulesFix</comment>
        <extracomment>Keep %1 and %2: they become numbers.</extracomment>
        <translation>Die udev-Regel %1 ist installiert und %2 ist in der Gruppe plugdev: Modul abziehen und wieder anstecken; hilft das nicht, ausführen: sudo udevadm control --reload-rules &amp;&amp; sudo udevadm trigger.</translation>
    </message>
    <message>
        <source>none is using the module.</source>
        <comment>CheckNoOtherInstance</comment>
        <translation>keines verwendet das Modul.</translation>
    </message>
    <message>
        <source>In use</source>
        <comment>CheckWordInUse</comment>
        <translation>Belegt</translation>
    </message>
    <message>
        <source>another copy of Quilldar owns the module.</source>
        <comment>CheckOtherInstanceFound</comment>
        <translation>eine andere Quilldar-Kopie belegt das Modul.</translation>
    </message>
    <message>
        <source>Close the other Quilldar window (or use it), then try again.</source>
        <comment>CheckOtherInstanceFix</comment>
        <translation>Das andere Quilldar-Fenster schließen (oder damit arbeiten), dann erneut versuchen.</translation>
    </message>
    <message>
        <source>hardware ID %1, serial number %2, type %3.</source>
        <comment>CheckModuleAnswered</comment>
        <extracomment>Keep %1 and %2: they become numbers.</extracomment>
        <translation>Hardware-ID %1, Seriennummer %2, Typ %3.</translation>
    </message>
    <message>
        <source>No reply</source>
        <comment>CheckWordNoReply</comment>
        <translation>Keine Antwort</translation>
    </message>
    <message>
        <source>the module did not answer.</source>
        <comment>CheckModuleSilent</comment>
        <translation>das Modul hat nicht geantwortet.</translation>
    </message>
    <message>
        <source>Unplug the module, wait a few seconds, plug it in again and retry.</source>
        <comment>CheckModuleSilentFix</comment>
        <translation>Modul abziehen, einige Sekunden warten, wieder anstecken und erneut versuchen.</translation>
    </message>
    <message>
        <source>Wrong type</source>
        <comment>CheckWordWrongType</comment>
        <translation>Falscher Typ</translation>
    </message>
    <message>
        <source>the module is of another type; Quilldar works only with type &apos;1&apos;.</source>
        <comment>CheckModuleOtherType</comment>
        <translation>das Modul ist von einem anderen Typ; Quilldar arbeitet nur mit Typ &apos;1&apos;.</translation>
    </message>
    <message>
        <source>the module is of type &apos;%1&apos;; Quilldar works only with type &apos;1&apos;.</source>
        <comment>CheckModuleTypeIs</comment>
        <extracomment>Keep %1 and %2: they become numbers.</extracomment>
        <translation>das Modul ist vom Typ &apos;%1&apos;; Quilldar arbeitet nur mit Typ &apos;1&apos;.</translation>
    </message>
    <message>
        <source>Use a Quilldar interface module; this one is meant for another program.</source>
        <comment>CheckWrongTypeFix</comment>
        <translation>Ein Quilldar-Interface-Modul verwenden; dieses ist für ein anderes Programm bestimmt.</translation>
    </message>
    <message>
        <source>stable (%1 power reports in a row).</source>
        <comment>CheckPowerStable</comment>
        <extracomment>Keep %1 and %2: they become numbers.</extracomment>
        <translation>stabil (%1 Spannungsmeldungen in Folge).</translation>
    </message>
    <message>
        <source>No power</source>
        <comment>CheckWordNoPower</comment>
        <translation>Kein Strom</translation>
    </message>
    <message>
        <source>not stable within %1.</source>
        <comment>CheckPowerUnstable</comment>
        <extracomment>Keep %1 and %2: they become numbers.</extracomment>
        <translation>innerhalb von %1 nicht stabil.</translation>
    </message>
    <message>
        <source>%1 seconds</source>
        <comment>CheckSeconds</comment>
        <extracomment>Keep %1 and %2: they become numbers.</extracomment>
        <translation>%1 Sekunden</translation>
    </message>
    <message>
        <source>%1 polls</source>
        <comment>CheckPolls</comment>
        <extracomment>Keep %1 and %2: they become numbers.</extracomment>
        <translation>%1 Abfragen</translation>
    </message>
    <message>
        <source>Switch the ignition on, check the battery and that the diagnostic connector sits firmly.</source>
        <comment>CheckPowerFix</comment>
        <translation>Zündung einschalten, Batterie prüfen und festen Sitz des Diagnosesteckers kontrollieren.</translation>
    </message>
    <message>
        <source>the module stopped answering while power was polled.</source>
        <comment>CheckPowerPollLost</comment>
        <translation>das Modul hat während der Spannungsabfrage nicht mehr geantwortet.</translation>
    </message>
    <message>
        <source>Check the USB cable; unplug and replug the module.</source>
        <comment>CheckUsbCableFix</comment>
        <translation>USB-Kabel prüfen; Modul abziehen und wieder anstecken.</translation>
    </message>
    <message>
        <source>not checked (an earlier check failed).</source>
        <comment>CheckNotChecked</comment>
        <translation>nicht geprüft (eine vorherige Prüfung ist fehlgeschlagen).</translation>
    </message>
    <message>
        <source>The update check could not save its version file in %1 (%2).
No update was fetched: your program and your FAQ documents stay as they are.</source>
        <comment>UpdateVersionFileNotStored</comment>
        <extracomment>Keep %1 and %2: they become numbers.</extracomment>
        <translation>Die Update-Prüfung konnte ihre Versionsdatei nicht in %1 speichern (%2).
Es wurde kein Update geladen: Programm und FAQ-Dokumente bleiben unverändert.</translation>
    </message>
    <message>
        <source>The new version could not be saved in %1 (%2).
Your installed version stays as it is.</source>
        <comment>UpdateInstallerNotStored</comment>
        <extracomment>Keep %1 and %2: they become numbers.</extracomment>
        <translation>Die neue Version konnte nicht in %1 gespeichert werden (%2).
Die installierte Version bleibt unverändert.</translation>
    </message>
    <message>
        <source>The new FAQ documents could not be saved in %1 (%2).
Your current FAQ documents are kept.</source>
        <comment>UpdateFaqNotStored</comment>
        <extracomment>Keep %1 and %2: they become numbers.</extracomment>
        <translation>Die neuen FAQ-Dokumente konnten nicht in %1 gespeichert werden (%2).
Die bisherigen FAQ-Dokumente bleiben erhalten.</translation>
    </message>
    <message>
        <source>The server sent something other than a PDF document for %1.
Your current FAQ documents are kept.</source>
        <comment>UpdateFaqNotPdf</comment>
        <extracomment>Keep %1 and %2: they become numbers.</extracomment>
        <translation>Der Server hat für %1 kein PDF-Dokument geliefert.
Die bisherigen FAQ-Dokumente bleiben erhalten.</translation>
    </message>
    <message>
        <source>the folder cannot be created</source>
        <comment>UpdateFolderNotCreated</comment>
        <translation>der Ordner kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>a document cannot be renamed</source>
        <comment>UpdateDocumentNotRenamed</comment>
        <translation>ein Dokument kann nicht umbenannt werden</translation>
    </message>
    <message>
        <source>The downloaded update could not be verified and was discarded.</source>
        <comment>UpdateNotVerified</comment>
        <translation>Das geladene Update konnte nicht verifiziert werden und wurde verworfen.</translation>
    </message>
</context>
<context>
    <name>EnginePage</name>
    <message>
        <source>Engine speed</source>
        <comment>EngineSpeed</comment>
        <translation>Motordrehzahl</translation>
    </message>
    <message>
        <source>Throttle position</source>
        <comment>ThrottlePosition</comment>
        <translation>Drosselklappenstellung</translation>
    </message>
    <message>
        <source>Secondary throttle position</source>
        <comment>SecondaryThrottlePosition</comment>
        <translation>Stellung Sekundärdrosselklappe</translation>
    </message>
    <message>
        <source>Engine coolant / oil temperature</source>
        <comment>CoolantTemperature</comment>
        <translation>Kühlmittel-/Öltemperatur</translation>
    </message>
    <message>
        <source>Intake air temperature</source>
        <comment>IntakeAirTemperature</comment>
        <translation>Ansauglufttemperatur</translation>
    </message>
    <message>
        <source>Manifold absolute pressure 1</source>
        <comment>ManifoldPressure1</comment>
        <translation>Saugrohrdruck 1</translation>
    </message>
    <message>
        <source>Manifold absolute pressure 2</source>
        <comment>ManifoldPressure2</comment>
        <translation>Saugrohrdruck 2</translation>
    </message>
    <message>
        <source>Atmospheric pressure</source>
        <comment>AtmosphericPressure</comment>
        <translation>Umgebungsluftdruck</translation>
    </message>
    <message>
        <source>Battery voltage</source>
        <comment>BatteryVoltage</comment>
        <translation>Batteriespannung</translation>
    </message>
    <message>
        <source>Vehicle speed</source>
        <comment>VehicleSpeed</comment>
        <translation>Fahrzeuggeschwindigkeit</translation>
    </message>
    <message>
        <source>Exhaust control valve actuator</source>
        <comment>ExhaustValveActuator</comment>
        <translation>Auspuffklappen-Stellmotor</translation>
    </message>
    <message>
        <source>O2 sensor Bank 1 - Sensor 1</source>
        <comment>O2SensorBank1</comment>
        <translation>Lambdasonde Bank 1 - Sonde 1</translation>
    </message>
    <message>
        <source>O2 sensor Bank 2 - Sensor 2</source>
        <comment>O2SensorBank2</comment>
        <translation>Lambdasonde Bank 2 - Sonde 2</translation>
    </message>
    <message>
        <source>Target idle speed</source>
        <comment>TargetIdleSpeed</comment>
        <translation>Leerlauf-Solldrehzahl</translation>
    </message>
    <message>
        <source>Steering damper solenoid current</source>
        <comment>SteeringDamperCurrent</comment>
        <translation>Strom Lenkungsdämpferventil</translation>
    </message>
    <message>
        <source>Cylinder 1 injection time</source>
        <comment>Cylinder1Injection</comment>
        <translation>Einspritzzeit Zylinder 1</translation>
    </message>
    <message>
        <source>Cylinder 2 injection time</source>
        <comment>Cylinder2Injection</comment>
        <translation>Einspritzzeit Zylinder 2</translation>
    </message>
    <message>
        <source>Cylinder 3 injection time</source>
        <comment>Cylinder3Injection</comment>
        <translation>Einspritzzeit Zylinder 3</translation>
    </message>
    <message>
        <source>Cylinder 4 injection time</source>
        <comment>Cylinder4Injection</comment>
        <translation>Einspritzzeit Zylinder 4</translation>
    </message>
    <message>
        <source>Advance</source>
        <comment>Advance</comment>
        <translation>Zündzeitpunkt</translation>
    </message>
    <message>
        <source>ISC valve position</source>
        <comment>IscValvePosition</comment>
        <translation>Stellung ISC-Ventil</translation>
    </message>
    <message>
        <source>Gear position</source>
        <comment>GearPosition</comment>
        <translation>Gangposition</translation>
    </message>
    <message>
        <source>ISC duty</source>
        <comment>IscDuty</comment>
        <translation>ISC-Tastverhältnis</translation>
    </message>
    <message>
        <source>Exhaust valve control select terminal</source>
        <comment>ExhaustValveSelectTerminal</comment>
        <translation>Klemme Auspuffklappensteuerung</translation>
    </message>
    <message>
        <source>O2 sensor control select terminal</source>
        <comment>O2SensorSelectTerminal</comment>
        <translation>Klemme Lambdaregelung</translation>
    </message>
    <message>
        <source>Neutral switch signal</source>
        <comment>NeutralSwitch</comment>
        <translation>Leerlaufschalter-Signal</translation>
    </message>
    <message>
        <source>Driving mode selection 1</source>
        <comment>DrivingMode1</comment>
        <translation>Fahrmodus-Wahl 1</translation>
    </message>
    <message>
        <source>Driving mode selection 2</source>
        <comment>DrivingMode2</comment>
        <translation>Fahrmodus-Wahl 2</translation>
    </message>
    <message>
        <source>Ignition switch signal</source>
        <comment>IgnitionSwitch</comment>
        <translation>Zündschalter-Signal</translation>
    </message>
    <message>
        <source>Clutch switch signal</source>
        <comment>ClutchSwitch</comment>
        <translation>Kupplungsschalter-Signal</translation>
    </message>
    <message>
        <source>Starter signal</source>
        <comment>StarterSignal</comment>
        <translation>Anlasser-Signal</translation>
    </message>
    <message>
        <source>EVAP purge valve</source>
        <comment>EvapPurgeValve</comment>
        <translation>Tankentlüftungsventil</translation>
    </message>
    <message>
        <source>Tip over sensor</source>
        <comment>TipOverSensor</comment>
        <translation>Umfallsensor</translation>
    </message>
    <message>
        <source>Cooling fan relay</source>
        <comment>CoolingFanRelay</comment>
        <translation>Lüfterrelais</translation>
    </message>
    <message>
        <source>PAIR control solenoid valve</source>
        <comment>PairSolenoidValve</comment>
        <translation>PAIR-Magnetventil</translation>
    </message>
    <message>
        <source>Side stand switch</source>
        <comment>SideStandSwitch</comment>
        <translation>Seitenständerschalter</translation>
    </message>
    <message>
        <source>Load cut off relay</source>
        <comment>LoadCutOffRelay</comment>
        <translation>Lastabschaltrelais</translation>
    </message>
    <message>
        <source>Shift switch signal</source>
        <comment>ShiftSwitch</comment>
        <translation>Schaltsensor-Signal</translation>
    </message>
    <message>
        <source>Engine speed limiter signal</source>
        <comment>SpeedLimiter</comment>
        <translation>Drehzahlbegrenzer-Signal</translation>
    </message>
    <message>
        <source>Steps</source>
        <comment>Steps</comment>
        <translation>Schritte</translation>
    </message>
    <message>
        <source>Open</source>
        <comment>Open</comment>
        <translation>Offen</translation>
    </message>
    <message>
        <source>GND</source>
        <comment>Gnd</comment>
        <translation>Masse</translation>
    </message>
    <message>
        <source>Normal</source>
        <comment>Normal</comment>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Abnormal</source>
        <comment>Abnormal</comment>
        <translation>Fehlerhaft</translation>
    </message>
    <message>
        <source>On</source>
        <comment>On</comment>
        <translation>Ein</translation>
    </message>
    <message>
        <source>Off</source>
        <comment>Off</comment>
        <translation>Aus</translation>
    </message>
</context>
<context>
    <name>TransmissionPage</name>
    <message>
        <source>Vehicle speed</source>
        <comment>VehicleSpeed</comment>
        <translation>Fahrzeuggeschwindigkeit</translation>
    </message>
    <message>
        <source>Throttle position</source>
        <comment>ThrottlePosition</comment>
        <translation>Drosselklappenstellung</translation>
    </message>
    <message>
        <source>Engine coolant / oil temperature</source>
        <comment>CoolantTemperature</comment>
        <translation>Kühlmittel-/Öltemperatur</translation>
    </message>
    <message>
        <source>Engine speed</source>
        <comment>EngineSpeed</comment>
        <translation>Motordrehzahl</translation>
    </message>
    <message>
        <source>Secondary pulley speed sensor</source>
        <comment>SecondaryPulleySpeed</comment>
        <translation>Drehzahl Sekundärriemenscheibe</translation>
    </message>
    <message>
        <source>Pulley position sensor ratio</source>
        <comment>PulleyPositionRatio</comment>
        <translation>Übersetzung (Positionssensor)</translation>
    </message>
    <message>
        <source>Pulley speed ratio</source>
        <comment>PulleySpeedRatio</comment>
        <translation>Übersetzung (Drehzahlen)</translation>
    </message>
    <message>
        <source>Battery voltage</source>
        <comment>BatteryVoltage</comment>
        <translation>Batteriespannung</translation>
    </message>
    <message>
        <source>Relay contact voltage</source>
        <comment>RelayContactVoltage</comment>
        <translation>Relaiskontakt-Spannung</translation>
    </message>
    <message>
        <source>Motor terminal voltage A</source>
        <comment>MotorTerminalVoltageA</comment>
        <translation>Motorklemmen-Spannung A</translation>
    </message>
    <message>
        <source>Motor terminal voltage B</source>
        <comment>MotorTerminalVoltageB</comment>
        <translation>Motorklemmen-Spannung B</translation>
    </message>
    <message>
        <source>Motor current</source>
        <comment>MotorCurrent</comment>
        <translation>Motorstrom</translation>
    </message>
    <message>
        <source>Gear position</source>
        <comment>GearPosition</comment>
        <translation>Gangposition</translation>
    </message>
    <message>
        <source>Motor lock</source>
        <comment>MotorLock</comment>
        <translation>Motor blockiert</translation>
    </message>
    <message>
        <source>Motor short</source>
        <comment>MotorShort</comment>
        <translation>Motor Kurzschluss</translation>
    </message>
    <message>
        <source>Motor disconnection</source>
        <comment>MotorDisconnection</comment>
        <translation>Motor Unterbrechung</translation>
    </message>
    <message>
        <source>Relay contact welding</source>
        <comment>RelayContactWelding</comment>
        <translation>Relaiskontakt verschweißt</translation>
    </message>
    <message>
        <source>Relay contact failure</source>
        <comment>RelayContactFailure</comment>
        <translation>Relaiskontakt defekt</translation>
    </message>
    <message>
        <source>Power mode switch circuit malfunction</source>
        <comment>PowerModeSwitchMalfunction</comment>
        <translation>Schalter Power-Modus - Stromkreisfehler</translation>
    </message>
    <message>
        <source>Auto shift switch circuit malfunction</source>
        <comment>AutoShiftSwitchMalfunction</comment>
        <translation>Schalter Automatik - Stromkreisfehler</translation>
    </message>
    <message>
        <source>Up shift switch circuit malfunction</source>
        <comment>UpShiftSwitchMalfunction</comment>
        <translation>Schalter Hochschalten - Stromkreisfehler</translation>
    </message>
    <message>
        <source>Down shift switch circuit malfunction</source>
        <comment>DownShiftSwitchMalfunction</comment>
        <translation>Schalter Herunterschalten - Stromkreisfehler</translation>
    </message>
    <message>
        <source>Motor lock (History)</source>
        <comment>MotorLockHistory</comment>
        <translation>Motor blockiert (gespeichert)</translation>
    </message>
    <message>
        <source>Motor short (History)</source>
        <comment>MotorShortHistory</comment>
        <translation>Motor Kurzschluss (gespeichert)</translation>
    </message>
    <message>
        <source>Motor disconnection (History)</source>
        <comment>MotorDisconnectionHistory</comment>
        <translation>Motor Unterbrechung (gespeichert)</translation>
    </message>
    <message>
        <source>Center stand switch</source>
        <comment>CenterStandSwitch</comment>
        <translation>Hauptständerschalter</translation>
    </message>
    <message>
        <source>Brake switch</source>
        <comment>BrakeSwitch</comment>
        <translation>Bremslichtschalter</translation>
    </message>
    <message>
        <source>Power mode switch</source>
        <comment>PowerModeSwitch</comment>
        <translation>Schalter Power-Modus</translation>
    </message>
    <message>
        <source>Auto shift mode switch</source>
        <comment>AutoShiftModeSwitch</comment>
        <translation>Schalter Automatikmodus</translation>
    </message>
    <message>
        <source>Up shift switch</source>
        <comment>UpShiftSwitch</comment>
        <translation>Schalter Hochschalten</translation>
    </message>
    <message>
        <source>Down shift switch</source>
        <comment>DownShiftSwitch</comment>
        <translation>Schalter Herunterschalten</translation>
    </message>
    <message>
        <source>Shift control switch</source>
        <comment>ShiftControlSwitch</comment>
        <translation>Schalter Schaltsteuerung</translation>
    </message>
    <message>
        <source>Normal mode</source>
        <comment>NormalMode</comment>
        <translation>Normalmodus</translation>
    </message>
    <message>
        <source>Power mode</source>
        <comment>PowerMode</comment>
        <translation>Power-Modus</translation>
    </message>
    <message>
        <source>Auto shift mode</source>
        <comment>AutoShiftMode</comment>
        <translation>Automatikmodus</translation>
    </message>
    <message>
        <source>Manual shift mode</source>
        <comment>ManualShiftMode</comment>
        <translation>Manueller Schaltmodus</translation>
    </message>
    <message>
        <source>Auto mode</source>
        <comment>AutoMode</comment>
        <translation>Automatik</translation>
    </message>
</context>
<context>
    <name>EngineTransmissionPage</name>
    <message>
        <source>Engine speed</source>
        <comment>EngineSpeed</comment>
        <translation>Motordrehzahl</translation>
    </message>
    <message>
        <source>Throttle position</source>
        <comment>ThrottlePosition</comment>
        <translation>Drosselklappenstellung</translation>
    </message>
    <message>
        <source>Secondary throttle actuator</source>
        <comment>SecondaryThrottleActuator</comment>
        <translation>Sekundärdrosselklappen-Stellmotor</translation>
    </message>
    <message>
        <source>Engine coolant / oil temperature</source>
        <comment>CoolantTemperature</comment>
        <translation>Kühlmittel-/Öltemperatur</translation>
    </message>
    <message>
        <source>Intake air temperature</source>
        <comment>IntakeAirTemperature</comment>
        <translation>Ansauglufttemperatur</translation>
    </message>
    <message>
        <source>Manifold absolute pressure 1</source>
        <comment>ManifoldPressure1</comment>
        <translation>Saugrohrdruck 1</translation>
    </message>
    <message>
        <source>Atmospheric pressure</source>
        <comment>AtmosphericPressure</comment>
        <translation>Umgebungsluftdruck</translation>
    </message>
    <message>
        <source>Battery voltage</source>
        <comment>BatteryVoltage</comment>
        <translation>Batteriespannung</translation>
    </message>
    <message>
        <source>Vehicle speed</source>
        <comment>VehicleSpeed</comment>
        <translation>Fahrzeuggeschwindigkeit</translation>
    </message>
    <message>
        <source>O2 sensor Bank 1 - Sensor 1</source>
        <comment>O2SensorBank1</comment>
        <translation>Lambdasonde Bank 1 - Sonde 1</translation>
    </message>
    <message>
        <source>Target idle speed</source>
        <comment>TargetIdleSpeed</comment>
        <translation>Leerlauf-Solldrehzahl</translation>
    </message>
    <message>
        <source>ISC valve position</source>
        <comment>IscValvePosition</comment>
        <translation>Stellung ISC-Ventil</translation>
    </message>
    <message>
        <source>O2 sensor control select terminal</source>
        <comment>O2SensorSelectTerminal</comment>
        <translation>Klemme Lambdaregelung</translation>
    </message>
    <message>
        <source>Ignition switch signal</source>
        <comment>IgnitionSwitch</comment>
        <translation>Zündschalter-Signal</translation>
    </message>
    <message>
        <source>Starter signal</source>
        <comment>StarterSignal</comment>
        <translation>Anlasser-Signal</translation>
    </message>
    <message>
        <source>Tip over sensor</source>
        <comment>TipOverSensor</comment>
        <translation>Umfallsensor</translation>
    </message>
    <message>
        <source>PAIR control solenoid valve</source>
        <comment>PairSolenoidValve</comment>
        <translation>PAIR-Magnetventil</translation>
    </message>
    <message>
        <source>Secondary pulley speed sensor</source>
        <comment>SecondaryPulleySpeed</comment>
        <translation>Drehzahl Sekundärriemenscheibe</translation>
    </message>
    <message>
        <source>Pulley position sensor ratio</source>
        <comment>PulleyPositionRatio</comment>
        <translation>Übersetzung (Positionssensor)</translation>
    </message>
    <message>
        <source>Pulley speed ratio</source>
        <comment>PulleySpeedRatio</comment>
        <translation>Übersetzung (Drehzahlen)</translation>
    </message>
    <message>
        <source>Relay contact voltage</source>
        <comment>RelayContactVoltage</comment>
        <translation>Relaiskontakt-Spannung</translation>
    </message>
    <message>
        <source>Motor terminal voltage A</source>
        <comment>MotorTerminalVoltageA</comment>
        <translation>Motorklemmen-Spannung A</translation>
    </message>
    <message>
        <source>Motor terminal voltage B</source>
        <comment>MotorTerminalVoltageB</comment>
        <translation>Motorklemmen-Spannung B</translation>
    </message>
    <message>
        <source>Motor current</source>
        <comment>MotorCurrent</comment>
        <translation>Motorstrom</translation>
    </message>
    <message>
        <source>Gear position</source>
        <comment>GearPosition</comment>
        <translation>Gangposition</translation>
    </message>
    <message>
        <source>Motor lock</source>
        <comment>MotorLock</comment>
        <translation>Motor blockiert</translation>
    </message>
    <message>
        <source>Motor short</source>
        <comment>MotorShort</comment>
        <translation>Motor Kurzschluss</translation>
    </message>
    <message>
        <source>Motor disconnection</source>
        <comment>MotorDisconnection</comment>
        <translation>Motor Unterbrechung</translation>
    </message>
    <message>
        <source>Relay contact welding</source>
        <comment>RelayContactWelding</comment>
        <translation>Relaiskontakt verschweißt</translation>
    </message>
    <message>
        <source>Center stand switch</source>
        <comment>CenterStandSwitch</comment>
        <translation>Hauptständerschalter</translation>
    </message>
    <message>
        <source>Brake switch</source>
        <comment>BrakeSwitch</comment>
        <translation>Bremslichtschalter</translation>
    </message>
    <message>
        <source>Power mode switch</source>
        <comment>PowerModeSwitch</comment>
        <translation>Schalter Power-Modus</translation>
    </message>
    <message>
        <source>Mode select switch</source>
        <comment>ModeSelectSwitch</comment>
        <translation>Modus-Wahlschalter</translation>
    </message>
    <message>
        <source>Up shift switch</source>
        <comment>UpShiftSwitch</comment>
        <translation>Schalter Hochschalten</translation>
    </message>
    <message>
        <source>Down shift switch</source>
        <comment>DownShiftSwitch</comment>
        <translation>Schalter Herunterschalten</translation>
    </message>
    <message>
        <source>Drive mode</source>
        <comment>DriveMode</comment>
        <translation>Fahrmodus</translation>
    </message>
    <message>
        <source>Power mode</source>
        <comment>PowerMode</comment>
        <translation>Power-Modus</translation>
    </message>
    <message>
        <source>CVT shift mode</source>
        <comment>CvtShiftMode</comment>
        <translation>CVT-Modus</translation>
    </message>
    <message>
        <source>7MT shift mode</source>
        <comment>SevenSpeedShiftMode</comment>
        <translation>7MT-Schaltmodus</translation>
    </message>
    <message>
        <source>Auto mode</source>
        <comment>AutoMode</comment>
        <translation>Automatik</translation>
    </message>
</context>
<context>
    <name>AbsPage</name>
    <message>
        <source>Brake switch</source>
        <comment>BrakeSwitch</comment>
        <translation>Bremslichtschalter</translation>
    </message>
    <message>
        <source>Wheel speed sensor (Front)</source>
        <comment>WheelSpeedFront</comment>
        <translation>Raddrehzahlsensor (vorn)</translation>
    </message>
    <message>
        <source>Wheel speed sensor (Rear)</source>
        <comment>WheelSpeedRear</comment>
        <translation>Raddrehzahlsensor (hinten)</translation>
    </message>
    <message>
        <source>Monitoring voltage</source>
        <comment>MonitoringVoltage</comment>
        <translation>Überwachungsspannung</translation>
    </message>
    <message>
        <source>ABS solenoid IN/V open or short (F)</source>
        <comment>InletValveFrontFault</comment>
        <translation>ABS-Einlassventil Unterbrechung/Kurzschluss (V)</translation>
    </message>
    <message>
        <source>ABS solenoid OUT/V open or short (F)</source>
        <comment>OutletValveFrontFault</comment>
        <translation>ABS-Auslassventil Unterbrechung/Kurzschluss (V)</translation>
    </message>
    <message>
        <source>ABS solenoid IN/V open or short (R)</source>
        <comment>InletValveRearFault</comment>
        <translation>ABS-Einlassventil Unterbrechung/Kurzschluss (H)</translation>
    </message>
    <message>
        <source>ABS solenoid OUT/V open or short (R)</source>
        <comment>OutletValveRearFault</comment>
        <translation>ABS-Auslassventil Unterbrechung/Kurzschluss (H)</translation>
    </message>
    <message>
        <source>ABS solenoid valve relay lock</source>
        <comment>ValveRelayLock</comment>
        <translation>ABS-Ventilrelais hängt</translation>
    </message>
    <message>
        <source>ABS motor</source>
        <comment>Motor</comment>
        <translation>ABS-Pumpenmotor</translation>
    </message>
    <message>
        <source>ABS motor relay lock (Off)</source>
        <comment>MotorRelayLockOff</comment>
        <translation>ABS-Motorrelais hängt (Aus)</translation>
    </message>
    <message>
        <source>ABS motor relay lock (On)</source>
        <comment>MotorRelayLockOn</comment>
        <translation>ABS-Motorrelais hängt (Ein)</translation>
    </message>
    <message>
        <source>Service check signal position</source>
        <comment>ServiceCheckSignal</comment>
        <translation>Stellung Service-Prüfsignal</translation>
    </message>
    <message>
        <source>ABS solenoid valve relay operate</source>
        <comment>ValveRelayOperate</comment>
        <translation>ABS-Ventilrelais angesteuert</translation>
    </message>
    <message>
        <source>ABS solenoid IN/V (F) operate</source>
        <comment>InletValveFrontOperate</comment>
        <translation>ABS-Einlassventil (V) angesteuert</translation>
    </message>
    <message>
        <source>ABS solenoid OUT/V (F) operate</source>
        <comment>OutletValveFrontOperate</comment>
        <translation>ABS-Auslassventil (V) angesteuert</translation>
    </message>
    <message>
        <source>ABS solenoid IN/V (R) operate</source>
        <comment>InletValveRearOperate</comment>
        <translation>ABS-Einlassventil (H) angesteuert</translation>
    </message>
    <message>
        <source>ABS solenoid OUT/V (R) operate</source>
        <comment>OutletValveRearOperate</comment>
        <translation>ABS-Auslassventil (H) angesteuert</translation>
    </message>
    <message>
        <source>ABS motor operate</source>
        <comment>MotorOperate</comment>
        <translation>ABS-Pumpenmotor angesteuert</translation>
    </message>
</context>
<context>
    <name>EpsPage</name>
    <message>
        <source>Battery voltage</source>
        <comment>BatteryVoltage</comment>
        <translation>Batteriespannung</translation>
    </message>
    <message>
        <source>Motor current target</source>
        <comment>MotorCurrentTarget</comment>
        <translation>Motorstrom Soll</translation>
    </message>
    <message>
        <source>Motor current detection</source>
        <comment>MotorCurrentDetection</comment>
        <translation>Motorstrom Ist</translation>
    </message>
    <message>
        <source>Steering torque sensor power supply</source>
        <comment>TorqueSensorSupply</comment>
        <translation>Versorgung Lenkmomentsensor</translation>
    </message>
    <message>
        <source>Steering torque main</source>
        <comment>TorqueMain</comment>
        <translation>Lenkmoment Haupt</translation>
    </message>
    <message>
        <source>Steering torque sub</source>
        <comment>TorqueSub</comment>
        <translation>Lenkmoment Neben</translation>
    </message>
    <message>
        <source>Steering control torque</source>
        <comment>ControlTorque</comment>
        <translation>Lenkmoment Regelung</translation>
    </message>
    <message>
        <source>Motor terminal voltage</source>
        <comment>MotorTerminalVoltage</comment>
        <translation>Motorklemmen-Spannung</translation>
    </message>
    <message>
        <source>Vehicle speed</source>
        <comment>VehicleSpeed</comment>
        <translation>Fahrzeuggeschwindigkeit</translation>
    </message>
    <message>
        <source>Engine speed</source>
        <comment>EngineSpeed</comment>
        <translation>Motordrehzahl</translation>
    </message>
    <message>
        <source>Ignition switch</source>
        <comment>IgnitionSwitch</comment>
        <translation>Zündschalter</translation>
    </message>
    <message>
        <source>System power</source>
        <comment>SystemPower</comment>
        <translation>Systemversorgung</translation>
    </message>
    <message>
        <source>Relay output</source>
        <comment>RelayOutput</comment>
        <translation>Relaisausgang</translation>
    </message>
</context>
<context>
    <name>ErrorCodesPage</name>
    <message>
        <source>DTC No.:;Detected failure condition:;Current/Past:;</source>
        <comment>Header</comment>
        <extracomment>Column names separated by &apos;;&apos;: keep every &apos;;&apos;, the last one too.</extracomment>
        <translation>Fehlercode:;Erkannter Fehlerzustand:;Aktiv/Passiv:;</translation>
    </message>
    <message>
        <source>Past</source>
        <comment>Past</comment>
        <translation>Passiv</translation>
    </message>
    <message>
        <source>Pending</source>
        <comment>Pending</comment>
        <translation>Anstehend</translation>
    </message>
    <message>
        <source>Current</source>
        <comment>Current</comment>
        <translation>Aktiv</translation>
    </message>
</context>
<context>
    <name>ShowDataWhenTroublePage</name>
    <message>
        <source>Fault 1#;Pre-detect;Detect point;Post-detect;Fix point;Cycle min;Cycle max;Unit;</source>
        <comment>Fault1Header</comment>
        <extracomment>Column names separated by &apos;;&apos;: keep every &apos;;&apos;, the last one too.</extracomment>
        <translation>Fehler 1#;Vorher;Erkannt;Nachher;Fixpunkt;Zyklus min;Zyklus max;Einheit;</translation>
    </message>
    <message>
        <source>Fault 2#;Pre-detect;Detect point;Post-detect;Fix point;Cycle min;Cycle max;Unit;</source>
        <comment>Fault2Header</comment>
        <extracomment>Column names separated by &apos;;&apos;: keep every &apos;;&apos;, the last one too.</extracomment>
        <translation>Fehler 2#;Vorher;Erkannt;Nachher;Fixpunkt;Zyklus min;Zyklus max;Einheit;</translation>
    </message>
    <message>
        <source>Engine speed</source>
        <comment>EngineSpeed</comment>
        <translation>Motordrehzahl</translation>
    </message>
    <message>
        <source>Throttle position</source>
        <comment>ThrottlePosition</comment>
        <translation>Drosselklappenstellung</translation>
    </message>
    <message>
        <source>Manifold absolute pressure 1</source>
        <comment>ManifoldPressure</comment>
        <translation>Saugrohrdruck 1</translation>
    </message>
    <message>
        <source>Engine coolant / oil temperature</source>
        <comment>CoolantTemperature</comment>
        <translation>Kühlmittel-/Öltemperatur</translation>
    </message>
    <message>
        <source>Gear position</source>
        <comment>GearPosition</comment>
        <translation>Gangposition</translation>
    </message>
    <message>
        <source>Secondary throttle position</source>
        <comment>SecondaryThrottlePosition</comment>
        <translation>Stellung Sekundärdrosselklappe</translation>
    </message>
    <message>
        <source>Low</source>
        <comment>GearLow</comment>
        <translation>Niedrig</translation>
    </message>
    <message>
        <source>High</source>
        <comment>GearHigh</comment>
        <translation>Hoch</translation>
    </message>
</context>
<context>
    <name>ActiveTestsPage</name>
    <message>
        <source>Steering damper solenoid operating control</source>
        <comment>SteeringDamperControl</comment>
        <translation>Lenkungsdämpfer-Magnetventil ansteuern</translation>
    </message>
    <message>
        <source>Secondary throttle operating control</source>
        <comment>SecondaryThrottleControl</comment>
        <translation>Sekundärdrosselklappe ansteuern</translation>
    </message>
    <message>
        <source>Exhaust valve operating control</source>
        <comment>ExhaustValveControl</comment>
        <translation>Auspuffklappe ansteuern</translation>
    </message>
    <message>
        <source>ISC air volume control</source>
        <comment>IscAirVolumeControl</comment>
        <translation>ISC Luftmenge steuern</translation>
    </message>
    <message>
        <source>ISC rpm control</source>
        <comment>IscRpmControl</comment>
        <translation>ISC Drehzahl steuern</translation>
    </message>
    <message>
        <source>EVAP purge valve operating control</source>
        <comment>EvapPurgeControl</comment>
        <translation>Tankentlüftungsventil ansteuern</translation>
    </message>
    <message>
        <source>PAIR solenoid operating control</source>
        <comment>PairSolenoidControl</comment>
        <translation>PAIR-Magnetventil ansteuern</translation>
    </message>
    <message>
        <source>Cooling fan relay control</source>
        <comment>CoolingFanControl</comment>
        <translation>Lüfterrelais ansteuern</translation>
    </message>
    <message>
        <source>PPS learned value reset</source>
        <comment>PpsLearnedReset</comment>
        <translation>PPS-Lernwert zurücksetzen</translation>
    </message>
    <message>
        <source>ISC learned value reset</source>
        <comment>IscLearnedReset</comment>
        <translation>ISC-Lernwert zurücksetzen</translation>
    </message>
    <message>
        <source>TP learned valve reset</source>
        <comment>TpLearnedReset</comment>
        <translation>TP-Lernwert zurücksetzen</translation>
    </message>
    <message>
        <source>On</source>
        <comment>On</comment>
        <translation>Ein</translation>
    </message>
    <message>
        <source>Off</source>
        <comment>Off</comment>
        <translation>Aus</translation>
    </message>
    <message>
        <source>Close</source>
        <comment>Close</comment>
        <translation>Zu</translation>
    </message>
    <message>
        <source>Open</source>
        <comment>Open</comment>
        <translation>Auf</translation>
    </message>
    <message>
        <source>Start</source>
        <comment>Start</comment>
        <translation>Start</translation>
    </message>
    <message>
        <source>Stop</source>
        <comment>Stop</comment>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Reset</source>
        <comment>Reset</comment>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>Can not execute because engine coolant temp is out of executable condition</source>
        <comment>CoolantOutOfCondition</comment>
        <translation>Ausführung nicht möglich: Kühlmitteltemperatur außerhalb des zulässigen Bereichs</translation>
    </message>
    <message>
        <source>Can not execute because engine speed is out of executable condition</source>
        <comment>SpeedOutOfCondition</comment>
        <translation>Ausführung nicht möglich: Motordrehzahl außerhalb des zulässigen Bereichs</translation>
    </message>
    <message>
        <source>Can not execute because this ECM does not support this function</source>
        <comment>NotSupported</comment>
        <translation>Ausführung nicht möglich: Dieses Steuergerät unterstützt diese Funktion nicht</translation>
    </message>
    <message>
        <source>Reset has been performed successfully.</source>
        <comment>ResetDone</comment>
        <translation>Zurücksetzen erfolgreich durchgeführt.</translation>
    </message>
    <message>
        <source>Execute ISC learned value reset?</source>
        <comment>IscResetQuestion</comment>
        <translation>ISC-Lernwert zurücksetzen?</translation>
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
        <translation>Diese Software findet zusammen mit dem Interface-Modul schnell die Ursache, wenn die FI-Kontrollleuchte aufleuchtet. Fehlercodes können ausgelesen und nach der Reparatur gelöscht werden. Sensorwerte werden in Echtzeit angezeigt und ermöglichen geschultem Personal eine weitergehende Fehler- und Leistungsanalyse des Motors. Testfunktionen sind ebenfalls enthalten.
<byte value="xd"/><byte value="xd"/>Die Messwerte werden automatisch aufgezeichnet und können gespeichert und aus einer Datei wiedergegeben werden. Das Programm kann mehrfach gleichzeitig laufen; so lassen sich Live-Werte mit früher aufgezeichneten Werten oder zwei Aufzeichnungen miteinander vergleichen.
<byte value="xd"/><byte value="xd"/>USB-Anschluss, kompakte Bauform und automatische Einrichtung machen dieses Produkt mobil und besonders einfach zu bedienen. Das Interface-Modul ist vollständig vergossen (wasserdicht), und wir geben 2 Jahre Garantie darauf. Software-Updates sind während der gesamten Lebensdauer dieses Produkts kostenlos.</translation>
    </message>
    <message>
        <source>Close</source>
        <comment>Close</comment>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>About</source>
        <comment>About</comment>
        <translation>Info</translation>
    </message>
</context>
<context>
    <name>ModelsDialog</name>
    <message>
        <source>Close</source>
        <comment>Close</comment>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>MOTORCYCLES:</source>
        <comment>Motorcycles</comment>
        <translation>MOTORRÄDER:</translation>
    </message>
</context>
<context>
    <name>SettingsDialog</name>
    <message>
        <source>Settings</source>
        <comment>Caption</comment>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Speed</source>
        <comment>Speed</comment>
        <translation>Geschwindigkeit</translation>
    </message>
    <message>
        <source>Temperature</source>
        <comment>Temperature</comment>
        <translation>Temperatur</translation>
    </message>
    <message>
        <source>Pressure</source>
        <comment>Pressure</comment>
        <translation>Druck</translation>
    </message>
    <message>
        <source>Airflow</source>
        <comment>Airflow</comment>
        <translation>Luftmasse</translation>
    </message>
    <message>
        <source>Language</source>
        <comment>Language</comment>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Highlighting period (sec)</source>
        <comment>HighlightingPeriod</comment>
        <translation>Hervorhebungsdauer (sec)</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <comment>IntegerRange</comment>
        <extracomment>Keep %1 and %2: they become numbers.</extracomment>
        <translation>Bitte eine ganze Zahl zwischen %1 und %2 eingeben.</translation>
    </message>
</context>
<context>
    <name>FileBrowser</name>
    <message>
        <source>You do not have permission to save to this folder.</source>
        <comment>NoPermission</comment>
        <translation>Sie haben keine Berechtigung, in diesem Ordner zu speichern.</translation>
    </message>
    <message>
        <source>File not found.</source>
        <comment>FileNotFound</comment>
        <translation>Datei nicht gefunden.</translation>
    </message>
    <message>
        <source>The file</source>
        <comment>TheFile</comment>
        <translation>Die Datei</translation>
    </message>
    <message>
        <source>already exists.
<byte value="xd"/>Would you like to overwrite this file ?</source>
        <comment>AlreadyExists</comment>
        <extracomment>Keep every line break where the sentence allows it.</extracomment>
        <translation>ist bereits vorhanden.
<byte value="xd"/>Möchten Sie die Datei überschreiben?</translation>
    </message>
    <message>
        <source>Open</source>
        <comment>Open</comment>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Filter :</source>
        <comment>Filter</comment>
        <translation>Filter :</translation>
    </message>
    <message>
        <source>File name:</source>
        <comment>FileName</comment>
        <translation>Dateiname:</translation>
    </message>
    <message>
        <source>Save</source>
        <comment>Save</comment>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Save as</source>
        <comment>SaveAs</comment>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>Rename selected file or folder</source>
        <comment>RenameTip</comment>
        <translation>Ausgewählte Datei oder Ordner umbenennen</translation>
    </message>
    <message>
        <source>Delete selected file or folder</source>
        <comment>DeleteTip</comment>
        <translation>Ausgewählte Datei oder Ordner löschen</translation>
    </message>
    <message>
        <source>Create new folder</source>
        <comment>NewFolderTip</comment>
        <translation>Neuen Ordner anlegen</translation>
    </message>
    <message>
        <source>Drive not available.</source>
        <comment>DriveNotAvailable</comment>
        <translation>Laufwerk nicht verfügbar.</translation>
    </message>
    <message>
        <source>New</source>
        <comment>New</comment>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Access to the selected file or folder was denied.</source>
        <comment>AccessDenied</comment>
        <translation>Zugriff auf die ausgewählte Datei oder den Ordner wurde verweigert.</translation>
    </message>
    <message>
        <source>Do you really want to delete the selected folder</source>
        <comment>DeleteFolderQuestion</comment>
        <translation>Möchten Sie den ausgewählten Ordner wirklich löschen</translation>
    </message>
    <message>
        <source>Do you really want to delete the selected file</source>
        <comment>DeleteFileQuestion</comment>
        <translation>Möchten Sie die ausgewählte Datei wirklich löschen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <comment>Cancel</comment>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Drive :</source>
        <comment>Drive</comment>
        <translation>Laufwerk :</translation>
    </message>
    <message>
        <source>Path :</source>
        <comment>Path</comment>
        <translation>Pfad :</translation>
    </message>
    <message>
        <source>File type :</source>
        <comment>FileType</comment>
        <translation>Dateityp :</translation>
    </message>
    <message>
        <source>Rename</source>
        <comment>RenameTitle</comment>
        <translation>Umbenennen</translation>
    </message>
    <message>
        <source>New folder</source>
        <comment>NewFolderTitle</comment>
        <translation>Neuer Ordner</translation>
    </message>
</context>
<context>
    <name>GraphView</name>
    <message>
        <source>Graph view</source>
        <comment>Title</comment>
        <translation>Diagramm</translation>
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
        <translation>Aktuell:</translation>
    </message>
    <message>
        <source>Pause</source>
        <comment>Pause</comment>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Resume</source>
        <comment>Resume</comment>
        <translation>Fortsetzen</translation>
    </message>
    <message>
        <source>Reset view</source>
        <comment>ResetView</comment>
        <translation>Ansicht zurücksetzen</translation>
    </message>
    <message>
        <source>Export</source>
        <comment>Export</comment>
        <translation>Exportieren</translation>
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
        <translation>Zeitachse ändern:
<byte value="xd"/>Mit der linken oder rechten Maustaste irgendwo in die Diagramme klicken, um die Zeitachse zu vergrößern oder zu verkleinern.
<byte value="xd"/>Linke Maustaste gedrückt halten und die Maus nach links oder rechts ziehen, um die Zeitachse zu verschieben.
<byte value="xd"/>&apos;&apos;Ansicht zurücksetzen&apos;&apos; stellt die ursprüngliche Zeitachse wieder her.
<byte value="xd"/>Das Zoomen ist für aufgezeichnete Messungen gedacht.
<byte value="xd"/>
<byte value="xd"/>Das Programm kann mehrfach gleichzeitig laufen, so lassen sich Diagramme vergleichen.
<byte value="xd"/>
<byte value="xd"/>Während einer Live-Messung löscht die Wahl eines anderen Sensors die Diagramme; die Aufzeichnung läuft weiter.</translation>
    </message>
    <message>
        <source>Compare...</source>
        <comment>Compare</comment>
        <translation>Vergleichen...</translation>
    </message>
    <message>
        <source>Clear reference</source>
        <comment>ClearReference</comment>
        <translation>Vergleich entfernen</translation>
    </message>
    <message>
        <source>Offset:</source>
        <comment>Offset</comment>
        <translation>Versatz:</translation>
    </message>
    <message>
        <source>Align at engine start</source>
        <comment>AlignAtEngineStart</comment>
        <translation>Am Motorstart ausrichten</translation>
    </message>
    <message>
        <source>Solid: %1   Dashed: %2</source>
        <comment>Legend</comment>
        <extracomment>Keep %1 and %2: they become numbers.</extracomment>
        <translation>Durchgezogen: %1   Gestrichelt: %2</translation>
    </message>
    <message>
        <source>live session</source>
        <comment>LiveSession</comment>
        <translation>Live-Messung</translation>
    </message>
    <message>
        <source>Not in the reference: %1</source>
        <comment>NotInReference</comment>
        <extracomment>Keep %1 and %2: they become numbers.</extracomment>
        <translation>Nicht in der Vergleichsfahrt: %1</translation>
    </message>
    <message>
        <source>The engine does not start in both rides; the offset stays as it is.</source>
        <comment>NoEngineStart</comment>
        <translation>Der Motor startet nicht in beiden Fahrten; der Versatz bleibt unverändert.</translation>
    </message>
</context>
<context>
    <name>TroubleCodes</name>
    <message>
        <source>Unknown error</source>
        <comment>Unknown</comment>
        <extracomment>Description of a trouble code that has no text of its own.</extracomment>
        <translation>Unbekannter Fehler</translation>
    </message>
    <message>
        <source>Manifold absolute pressure circuit malfunction 1</source>
        <comment>P0105</comment>
        <extracomment>Description of trouble code P0105.</extracomment>
        <translation>Saugrohrdrucksensor 1 - Stromkreis fehlerhaft</translation>
    </message>
    <message>
        <source>Intake air temperature circuit malfunction</source>
        <comment>P0110</comment>
        <extracomment>Description of trouble code P0110.</extracomment>
        <translation>Ansauglufttemperatursensor - Stromkreis fehlerhaft</translation>
    </message>
    <message>
        <source>Engine coolant / oil temperature circuit malfunction</source>
        <comment>P0115</comment>
        <extracomment>Description of trouble code P0115.</extracomment>
        <translation>Kühlmittel-/Öltemperatursensor - Stromkreis fehlerhaft</translation>
    </message>
    <message>
        <source>Throttle position sensor A circuit malfunction</source>
        <comment>P0120</comment>
        <extracomment>Description of trouble code P0120.</extracomment>
        <translation>Drosselklappensensor A - Stromkreis fehlerhaft</translation>
    </message>
    <message>
        <source>O2 sensor circuit malfunction (Bank1 Sensor 1)</source>
        <comment>P0130</comment>
        <extracomment>Description of trouble code P0130.</extracomment>
        <translation>Lambdasonde - Stromkreis fehlerhaft (Bank 1 Sonde 1)</translation>
    </message>
    <message>
        <source>O2 sensor heater circuit malfunction (Bank1 Sensor 1)</source>
        <comment>P0135</comment>
        <extracomment>Description of trouble code P0135.</extracomment>
        <translation>Lambdasondenheizung - Stromkreis fehlerhaft (Bank 1 Sonde 1)</translation>
    </message>
    <message>
        <source>O2 sensor circuit malfunction (Bank2 Sensor 2)</source>
        <comment>P0156</comment>
        <extracomment>Description of trouble code P0156.</extracomment>
        <translation>Lambdasonde - Stromkreis fehlerhaft (Bank 2 Sonde 2)</translation>
    </message>
    <message>
        <source>O2 sensor heater circuit malfunction (Bank2 Sensor 2)</source>
        <comment>P0161</comment>
        <extracomment>Description of trouble code P0161.</extracomment>
        <translation>Lambdasondenheizung - Stromkreis fehlerhaft (Bank 2 Sonde 2)</translation>
    </message>
    <message>
        <source>Injector circuit cylinder 1 malfunction</source>
        <comment>P0201</comment>
        <extracomment>Description of trouble code P0201.</extracomment>
        <translation>Einspritzventil Zylinder 1 - Stromkreis fehlerhaft</translation>
    </message>
    <message>
        <source>Injector circuit cylinder 2 malfunction</source>
        <comment>P0202</comment>
        <extracomment>Description of trouble code P0202.</extracomment>
        <translation>Einspritzventil Zylinder 2 - Stromkreis fehlerhaft</translation>
    </message>
    <message>
        <source>Injector circuit cylinder 3 malfunction</source>
        <comment>P0203</comment>
        <extracomment>Description of trouble code P0203.</extracomment>
        <translation>Einspritzventil Zylinder 3 - Stromkreis fehlerhaft</translation>
    </message>
    <message>
        <source>Injector circuit cylinder 4 malfunction</source>
        <comment>P0204</comment>
        <extracomment>Description of trouble code P0204.</extracomment>
        <translation>Einspritzventil Zylinder 4 - Stromkreis fehlerhaft</translation>
    </message>
    <message>
        <source>Fuel pump circuit malfunction</source>
        <comment>P0230</comment>
        <extracomment>Description of trouble code P0230.</extracomment>
        <translation>Kraftstoffpumpe - Stromkreis fehlerhaft</translation>
    </message>
    <message>
        <source>Crankshaft position sensor A circuit malfunction</source>
        <comment>P0335</comment>
        <extracomment>Description of trouble code P0335.</extracomment>
        <translation>Kurbelwellensensor A - Stromkreis fehlerhaft</translation>
    </message>
    <message>
        <source>Camshaft position sensor A circuit malfunction</source>
        <comment>P0340</comment>
        <extracomment>Description of trouble code P0340.</extracomment>
        <translation>Nockenwellensensor A - Stromkreis fehlerhaft</translation>
    </message>
    <message>
        <source>Ignition coil A circuit malfunction</source>
        <comment>P0351</comment>
        <extracomment>Description of trouble code P0351.</extracomment>
        <translation>Zündspule A - Stromkreis fehlerhaft</translation>
    </message>
    <message>
        <source>Ignition coil B circuit malfunction</source>
        <comment>P0352</comment>
        <extracomment>Description of trouble code P0352.</extracomment>
        <translation>Zündspule B - Stromkreis fehlerhaft</translation>
    </message>
    <message>
        <source>Ignition coil C circuit malfunction</source>
        <comment>P0353</comment>
        <extracomment>Description of trouble code P0353.</extracomment>
        <translation>Zündspule C - Stromkreis fehlerhaft</translation>
    </message>
    <message>
        <source>Ignition coil D circuit malfunction</source>
        <comment>P0354</comment>
        <extracomment>Description of trouble code P0354.</extracomment>
        <translation>Zündspule D - Stromkreis fehlerhaft</translation>
    </message>
    <message>
        <source>EVAP system purge valve circuit malfunction</source>
        <comment>P0443</comment>
        <extracomment>Description of trouble code P0443.</extracomment>
        <translation>Tankentlüftungsventil (EVAP) - Stromkreis fehlerhaft</translation>
    </message>
    <message>
        <source>Cooling fan control circuit malfunction</source>
        <comment>P0480</comment>
        <extracomment>Description of trouble code P0480.</extracomment>
        <translation>Lüftersteuerung - Stromkreis fehlerhaft</translation>
    </message>
    <message>
        <source>Vehicle speed sensor malfunction</source>
        <comment>P0500</comment>
        <extracomment>Description of trouble code P0500.</extracomment>
        <translation>Fahrzeuggeschwindigkeitssensor fehlerhaft</translation>
    </message>
    <message>
        <source>ISC valve circuit malfunction</source>
        <comment>P0505</comment>
        <extracomment>Description of trouble code P0505.</extracomment>
        <translation>ISC-Ventil - Stromkreis fehlerhaft</translation>
    </message>
    <message>
        <source>ISC valve, lower than desired rpm</source>
        <comment>P0506</comment>
        <extracomment>Description of trouble code P0506.</extracomment>
        <translation>ISC-Ventil, Drehzahl niedriger als Sollwert</translation>
    </message>
    <message>
        <source>ISC valve, higher than desired rpm</source>
        <comment>P0507</comment>
        <extracomment>Description of trouble code P0507.</extracomment>
        <translation>ISC-Ventil, Drehzahl höher als Sollwert</translation>
    </message>
    <message>
        <source>Starter relay circuit malfunction</source>
        <comment>P0615</comment>
        <extracomment>Description of trouble code P0615.</extracomment>
        <translation>Anlasserrelais - Stromkreis fehlerhaft</translation>
    </message>
    <message>
        <source>Gear position switch circuit malfunction</source>
        <comment>P0705</comment>
        <extracomment>Description of trouble code P0705.</extracomment>
        <translation>Gangpositionsschalter - Stromkreis fehlerhaft</translation>
    </message>
    <message>
        <source>EPS torque sensor (Main) circuit malfunction</source>
        <comment>P1111</comment>
        <extracomment>Description of trouble code P1111.</extracomment>
        <translation>EPS-Lenkmomentsensor (Haupt) - Stromkreis fehlerhaft</translation>
    </message>
    <message>
        <source>EPS torque sensor (Main/Sub) circuit correlation</source>
        <comment>P1113</comment>
        <extracomment>Description of trouble code P1113.</extracomment>
        <translation>EPS-Lenkmomentsensor (Haupt/Neben) - Signale unplausibel</translation>
    </message>
    <message>
        <source>EPS torque sensor power supply (5V) circuit malfunction</source>
        <comment>P1114</comment>
        <extracomment>Description of trouble code P1114.</extracomment>
        <translation>EPS-Lenkmomentsensor Spannungsversorgung (5V) - Stromkreis fehlerhaft</translation>
    </message>
    <message>
        <source>EPS torque sensor (Sub) circuit malfunction</source>
        <comment>P1115</comment>
        <extracomment>Description of trouble code P1115.</extracomment>
        <translation>EPS-Lenkmomentsensor (Neben) - Stromkreis fehlerhaft</translation>
    </message>
    <message>
        <source>Vehicle speed sensor malfunction</source>
        <comment>P1121</comment>
        <extracomment>Description of trouble code P1121.</extracomment>
        <translation>Fahrzeuggeschwindigkeitssensor fehlerhaft</translation>
    </message>
    <message>
        <source>Engine speed signal malfunction</source>
        <comment>P1122</comment>
        <extracomment>Description of trouble code P1122.</extracomment>
        <translation>Motordrehzahlsignal fehlerhaft</translation>
    </message>
    <message>
        <source>Motor circuit voltage malfunction</source>
        <comment>P1141</comment>
        <extracomment>Description of trouble code P1141.</extracomment>
        <translation>Motorstromkreis - Spannung fehlerhaft</translation>
    </message>
    <message>
        <source>Motor detecting current malfunction</source>
        <comment>P1142</comment>
        <extracomment>Description of trouble code P1142.</extracomment>
        <translation>Motor - Stromerfassung fehlerhaft</translation>
    </message>
    <message>
        <source>Motor circuit current too high</source>
        <comment>P1143</comment>
        <extracomment>Description of trouble code P1143.</extracomment>
        <translation>Motorstromkreis - Strom zu hoch</translation>
    </message>
    <message>
        <source>Motor circuit current too low</source>
        <comment>P1145</comment>
        <extracomment>Description of trouble code P1145.</extracomment>
        <translation>Motorstromkreis - Strom zu niedrig</translation>
    </message>
    <message>
        <source>Relay welding</source>
        <comment>P1152</comment>
        <extracomment>Description of trouble code P1152.</extracomment>
        <translation>Relais verschweißt</translation>
    </message>
    <message>
        <source>Battery voltage too low</source>
        <comment>P1153</comment>
        <extracomment>Description of trouble code P1153.</extracomment>
        <translation>Batteriespannung zu niedrig</translation>
    </message>
    <message>
        <source>Relay malfunction</source>
        <comment>P1154</comment>
        <extracomment>Description of trouble code P1154.</extracomment>
        <translation>Relais fehlerhaft</translation>
    </message>
    <message>
        <source>EPS control unit malfunction</source>
        <comment>P1155</comment>
        <extracomment>Description of trouble code P1155.</extracomment>
        <translation>EPS-Steuergerät fehlerhaft</translation>
    </message>
    <message>
        <source>Atmospheric pressure sensor circuit malfunction</source>
        <comment>P1450</comment>
        <extracomment>Description of trouble code P1450.</extracomment>
        <translation>Umgebungsluftdrucksensor - Stromkreis fehlerhaft</translation>
    </message>
    <message>
        <source>Serial communication problem between ECM and TCM</source>
        <comment>P1600</comment>
        <extracomment>Description of trouble code P1600.</extracomment>
        <translation>Serielle Kommunikation zwischen ECM und TCM gestört</translation>
    </message>
    <message>
        <source>Wheel speed sensor rotor malfunction(F)</source>
        <comment>P1613</comment>
        <extracomment>Description of trouble code P1613.</extracomment>
        <translation>Raddrehzahlsensor-Impulsring fehlerhaft (V)</translation>
    </message>
    <message>
        <source>Wheel speed sensor rotor malfunction(R)</source>
        <comment>P1614</comment>
        <extracomment>Description of trouble code P1614.</extracomment>
        <translation>Raddrehzahlsensor-Impulsring fehlerhaft (H)</translation>
    </message>
    <message>
        <source>ABS actuator circuit malfunction(F)</source>
        <comment>P1622</comment>
        <extracomment>Description of trouble code P1622.</extracomment>
        <translation>ABS-Hydraulikeinheit - Stromkreis fehlerhaft (V)</translation>
    </message>
    <message>
        <source>ABS actuator circuit malfunction(R)</source>
        <comment>P1623</comment>
        <extracomment>Description of trouble code P1623.</extracomment>
        <translation>ABS-Hydraulikeinheit - Stromkreis fehlerhaft (H)</translation>
    </message>
    <message>
        <source>Incorrect tire size or wheel speed sensor related malfunction</source>
        <comment>P1625</comment>
        <extracomment>Description of trouble code P1625.</extracomment>
        <translation>Falsche Reifengröße oder Fehler am Raddrehzahlsensor</translation>
    </message>
    <message>
        <source>ABS motor malfunction</source>
        <comment>P1635</comment>
        <extracomment>Description of trouble code P1635.</extracomment>
        <translation>ABS-Pumpenmotor fehlerhaft</translation>
    </message>
    <message>
        <source>Wheel speed sensor signal malfunction(F)</source>
        <comment>P1641</comment>
        <extracomment>Description of trouble code P1641.</extracomment>
        <translation>Raddrehzahlsensor - Signal fehlerhaft (V)</translation>
    </message>
    <message>
        <source>Wheel speed sensor circuit open (F)</source>
        <comment>P1642</comment>
        <extracomment>Description of trouble code P1642.</extracomment>
        <translation>Raddrehzahlsensor - Stromkreis unterbrochen (V)</translation>
    </message>
    <message>
        <source>Wheel speed sensor circuit short (F)</source>
        <comment>P1643</comment>
        <extracomment>Description of trouble code P1643.</extracomment>
        <translation>Raddrehzahlsensor - Kurzschluss (V)</translation>
    </message>
    <message>
        <source>Wheel speed sensor signal malfunction(R)</source>
        <comment>P1644</comment>
        <extracomment>Description of trouble code P1644.</extracomment>
        <translation>Raddrehzahlsensor - Signal fehlerhaft (H)</translation>
    </message>
    <message>
        <source>Wheel speed sensor circuit open(R)</source>
        <comment>P1645</comment>
        <extracomment>Description of trouble code P1645.</extracomment>
        <translation>Raddrehzahlsensor - Stromkreis unterbrochen (H)</translation>
    </message>
    <message>
        <source>Wheel speed sensor circuit short(R)</source>
        <comment>P1646</comment>
        <extracomment>Description of trouble code P1646.</extracomment>
        <translation>Raddrehzahlsensor - Kurzschluss (H)</translation>
    </message>
    <message>
        <source>Supply voltage(Increased)</source>
        <comment>P1647</comment>
        <extracomment>Description of trouble code P1647.</extracomment>
        <translation>Versorgungsspannung (zu hoch)</translation>
    </message>
    <message>
        <source>Supply voltage(Decreased)</source>
        <comment>P1648</comment>
        <extracomment>Description of trouble code P1648.</extracomment>
        <translation>Versorgungsspannung (zu niedrig)</translation>
    </message>
    <message>
        <source>Ignition switch signal circuit malfunction</source>
        <comment>P1650</comment>
        <extracomment>Description of trouble code P1650.</extracomment>
        <translation>Zündschaltersignal - Stromkreis fehlerhaft</translation>
    </message>
    <message>
        <source>Tip over sensor circuit malfunction</source>
        <comment>P1651</comment>
        <extracomment>Description of trouble code P1651.</extracomment>
        <translation>Umfallsensor - Stromkreis fehlerhaft</translation>
    </message>
    <message>
        <source>PTC heater circuit malfunction</source>
        <comment>P1652</comment>
        <extracomment>Description of trouble code P1652.</extracomment>
        <translation>PTC-Heizung - Stromkreis fehlerhaft</translation>
    </message>
    <message>
        <source>Secondary throttle actuator position sensor circuit malfunction</source>
        <comment>P1654</comment>
        <extracomment>Description of trouble code P1654.</extracomment>
        <translation>Positionssensor Sekundärdrosselklappen-Stellmotor - Stromkreis fehlerhaft</translation>
    </message>
    <message>
        <source>Secondary throttle motor circuit malfunction</source>
        <comment>P1655</comment>
        <extracomment>Description of trouble code P1655.</extracomment>
        <translation>Sekundärdrosselklappen-Motor - Stromkreis fehlerhaft</translation>
    </message>
    <message>
        <source>PAIR circuit malfunction</source>
        <comment>P1656</comment>
        <extracomment>Description of trouble code P1656.</extracomment>
        <translation>PAIR-System - Stromkreis fehlerhaft</translation>
    </message>
    <message>
        <source>Exhaust control valve actuator position sensor circuit malfunction</source>
        <comment>P1657</comment>
        <extracomment>Description of trouble code P1657.</extracomment>
        <translation>Positionssensor Auspuffklappen-Stellmotor - Stromkreis fehlerhaft</translation>
    </message>
    <message>
        <source>Exhaust control valve motor circuit malfunction</source>
        <comment>P1658</comment>
        <extracomment>Description of trouble code P1658.</extracomment>
        <translation>Auspuffklappen-Motor - Stromkreis fehlerhaft</translation>
    </message>
    <message>
        <source>ABS solenoid malfunction</source>
        <comment>P1661</comment>
        <extracomment>Description of trouble code P1661.</extracomment>
        <translation>ABS-Magnetventil fehlerhaft</translation>
    </message>
    <message>
        <source>Throttle position signal input malfunction</source>
        <comment>P1700</comment>
        <extracomment>Description of trouble code P1700.</extracomment>
        <translation>Drosselklappensignal - Eingang fehlerhaft</translation>
    </message>
    <message>
        <source>Manifold absolute pressure circuit malfunction 2</source>
        <comment>P1750</comment>
        <extracomment>Description of trouble code P1750.</extracomment>
        <translation>Saugrohrdrucksensor 2 - Stromkreis fehlerhaft</translation>
    </message>
    <message>
        <source>Decomp solenoid relay circuit malfunction</source>
        <comment>P1751</comment>
        <extracomment>Description of trouble code P1751.</extracomment>
        <translation>Dekompressions-Magnetventilrelais - Stromkreis fehlerhaft</translation>
    </message>
    <message>
        <source>Differential lock relay circuit malfunction</source>
        <comment>P1752</comment>
        <extracomment>Description of trouble code P1752.</extracomment>
        <translation>Differenzialsperrenrelais - Stromkreis fehlerhaft</translation>
    </message>
    <message>
        <source>Secondary injector cir. - cyl. 1 malfunction</source>
        <comment>P1764</comment>
        <extracomment>Description of trouble code P1764.</extracomment>
        <translation>Sekundär-Einspritzventil Zyl. 1 - Stromkreis fehlerhaft</translation>
    </message>
    <message>
        <source>Secondary injector cir. - cyl. 2 malfunction</source>
        <comment>P1765</comment>
        <extracomment>Description of trouble code P1765.</extracomment>
        <translation>Sekundär-Einspritzventil Zyl. 2 - Stromkreis fehlerhaft</translation>
    </message>
    <message>
        <source>Secondary injector cir. - cyl. 3 malfunction</source>
        <comment>P1766</comment>
        <extracomment>Description of trouble code P1766.</extracomment>
        <translation>Sekundär-Einspritzventil Zyl. 3 - Stromkreis fehlerhaft</translation>
    </message>
    <message>
        <source>Secondary injector cir. - cyl. 4 malfunction</source>
        <comment>P1767</comment>
        <extracomment>Description of trouble code P1767.</extracomment>
        <translation>Sekundär-Einspritzventil Zyl. 4 - Stromkreis fehlerhaft</translation>
    </message>
    <message>
        <source>PAIR circuit malfunction 2</source>
        <comment>P1768</comment>
        <extracomment>Description of trouble code P1768.</extracomment>
        <translation>PAIR-System - Stromkreis fehlerhaft 2</translation>
    </message>
    <message>
        <source>Steering damper solenoid circuit malfunction</source>
        <comment>P1769</comment>
        <extracomment>Description of trouble code P1769.</extracomment>
        <translation>Lenkungsdämpfer-Magnetventil - Stromkreis fehlerhaft</translation>
    </message>
    <message>
        <source>Crankshaft rotation signal circuit malfunction</source>
        <comment>P1771</comment>
        <extracomment>Description of trouble code P1771.</extracomment>
        <translation>Kurbelwellen-Drehsignal - Stromkreis fehlerhaft</translation>
    </message>
    <message>
        <source>Switch circuit malfunction for CVT</source>
        <comment>P1815</comment>
        <extracomment>Description of trouble code P1815.</extracomment>
        <translation>CVT-Schalter - Stromkreis fehlerhaft</translation>
    </message>
    <message>
        <source>Secondary pulley speed sensor circuit malfunction</source>
        <comment>P1831</comment>
        <extracomment>Description of trouble code P1831.</extracomment>
        <translation>Drehzahlsensor Sekundärriemenscheibe - Stromkreis fehlerhaft</translation>
    </message>
    <message>
        <source>Motor system malfunction</source>
        <comment>P1861</comment>
        <extracomment>Description of trouble code P1861.</extracomment>
        <translation>Stellmotorsystem fehlerhaft</translation>
    </message>
    <message>
        <source>Pulley position sensor circuit malfunction</source>
        <comment>P1862</comment>
        <extracomment>Description of trouble code P1862.</extracomment>
        <translation>Riemenscheiben-Positionssensor - Stromkreis fehlerhaft</translation>
    </message>
    <message>
        <source>Belt slip/Pulley position sensor system malfunction</source>
        <comment>P1863</comment>
        <extracomment>Description of trouble code P1863.</extracomment>
        <translation>Riemenschlupf/Riemenscheiben-Positionssensor - System fehlerhaft</translation>
    </message>
    <message>
        <source>ECM/PCM power input signal malfunction</source>
        <comment>P2505</comment>
        <extracomment>Description of trouble code P2505.</extracomment>
        <translation>ECM/PCM-Spannungsversorgung - Eingangssignal fehlerhaft</translation>
    </message>
</context>
</TS>
