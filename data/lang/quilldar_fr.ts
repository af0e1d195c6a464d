<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en">
<context>
    <name>MainWindow</name>
    <message>
        <source>Clear errors</source>
        <comment>ClearErrors</comment>
        <translation>Effacer défauts</translation>
    </message>
    <message>
        <source>Connect</source>
        <comment>Connect</comment>
        <translation>Connecter</translation>
    </message>
    <message>
        <source>Save As...</source>
        <comment>SaveAs</comment>
        <translation>Enregistrer sous...</translation>
    </message>
    <message>
        <source>Open...</source>
        <comment>Open</comment>
        <translation>Ouvrir...</translation>
    </message>
    <message>
        <source>Close</source>
        <comment>Close</comment>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Exit</source>
        <comment>Exit</comment>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Number of DTCs:</source>
        <comment>NumberOfDtcs</comment>
        <translation>Nb codes défaut :</translation>
    </message>
    <message>
        <source>Engine</source>
        <comment>TabEngine</comment>
        <translation>Moteur</translation>
    </message>
    <message>
        <source>Transmission</source>
        <comment>TabTransmission</comment>
        <translation>Transmission</translation>
    </message>
    <message>
        <source>Engine &amp; Transmission</source>
        <comment>TabEngineTransmission</comment>
        <translation>Moteur &amp; Transmission</translation>
    </message>
    <message>
        <source>Error codes</source>
        <comment>TabErrorCodes</comment>
        <translation>Codes défaut</translation>
    </message>
    <message>
        <source>Show data when trouble</source>
        <comment>TabShowDataWhenTrouble</comment>
        <translation>Données figées</translation>
    </message>
    <message>
        <source>Active tests</source>
        <comment>TabActiveTests</comment>
        <translation>Tests actionneurs</translation>
    </message>
    <message>
        <source>About</source>
        <comment>About</comment>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Hardware ID:</source>
        <comment>HardwareId</comment>
        <translation>ID matériel :</translation>
    </message>
    <message>
        <source>Hardware SN:</source>
        <comment>HardwareSn</comment>
        <translation>N° série matériel :</translation>
    </message>
    <message>
        <source>ECM ID:</source>
        <comment>EcmId</comment>
        <translation>ID ECM :</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <comment>Disconnect</comment>
        <translation>Déconnecter</translation>
    </message>
    <message>
        <source>Communication failed</source>
        <comment>CommunicationFailed</comment>
        <translation>Échec de la communication</translation>
    </message>
    <message>
        <source>Error</source>
        <comment>Error</comment>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Communication error occurred</source>
        <comment>CommunicationError</comment>
        <translation>Une erreur de communication s&apos;est produite</translation>
    </message>
    <message>
        <source>Pause</source>
        <comment>Pause</comment>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Play</source>
        <comment>Play</comment>
        <translation>Lecture</translation>
    </message>
    <message>
        <source>Time:</source>
        <comment>Time</comment>
        <translation>Temps :</translation>
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
        <translation>Aide</translation>
    </message>
    <message>
        <source>New version available...
<byte value="xd"/>Would you like to install now?</source>
        <comment>NewVersionQuestion</comment>
        <extracomment>Keep every line break where the sentence allows it.</extracomment>
        <translation>Nouvelle version disponible...
<byte value="xd"/>Voulez-vous l&apos;installer maintenant ?</translation>
    </message>
    <message>
        <source>Attention</source>
        <comment>Attention</comment>
        <translation>Attention</translation>
    </message>
    <message>
        <source>Download error 
<byte value="xd"/>Please try again later</source>
        <comment>DownloadError</comment>
        <extracomment>Keep every line break where the sentence allows it.</extracomment>
        <translation>Erreur de téléchargement 
<byte value="xd"/>Veuillez réessayer plus tard</translation>
    </message>
    <message>
        <source>Error codes will be cleared. Continue?</source>
        <comment>ClearErrorsQuestion</comment>
        <translation>Les codes défaut vont être effacés. Continuer ?</translation>
    </message>
    <message>
        <source>Last session was not saved!
<byte value="xd"/>Would you like to continue?</source>
        <comment>UnsavedContinueQuestion</comment>
        <extracomment>Keep every line break where the sentence allows it.</extracomment>
        <translation>La dernière session n&apos;a pas été enregistrée !
<byte value="xd"/>Voulez-vous continuer ?</translation>
    </message>
    <message>
        <source>Attention</source>
        <comment>AttentionUnsaved</comment>
        <translation>Attention</translation>
    </message>
    <message>
        <source>FAQ page has been updated.</source>
        <comment>FaqUpdated</comment>
        <translation>La FAQ a été mise à jour.</translation>
    </message>
    <message>
        <source>Note</source>
        <comment>Note</comment>
        <translation>Remarque</translation>
    </message>
    <message>
        <source>Last session was not saved!
<byte value="xd"/>Would you like to exit anyway?</source>
        <comment>UnsavedExitQuestion</comment>
        <extracomment>Keep every line break where the sentence allows it.</extracomment>
        <translation>La dernière session n&apos;a pas été enregistrée !
<byte value="xd"/>Voulez-vous quitter quand même ?</translation>
    </message>
    <message>
        <source>Settings</source>
        <comment>Settings</comment>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Models</source>
        <comment>Models</comment>
        <translation>Modèles</translation>
    </message>
    <message>
        <source>FAQ</source>
        <comment>Faq</comment>
        <translation>FAQ</translation>
    </message>
    <message>
        <source>Graph view</source>
        <comment>GraphView</comment>
        <translation>Graphique</translation>
    </message>
    <message>
        <source>Offline mode</source>
        <comment>OfflineMode</comment>
        <translation>Mode hors ligne</translation>
    </message>
    <message>
        <source>File is locked by another application.</source>
        <comment>FileLocked</comment>
        <translation>Le fichier est verrouillé par une autre application.</translation>
    </message>
    <message>
        <source>File is corrupted, load skipped.</source>
        <comment>FileCorrupted</comment>
        <translation>Le fichier est endommagé, chargement annulé.</translation>
    </message>
    <message>
        <source>Actual sensor data:</source>
        <comment>ActualSensorData</comment>
        <translation>Données capteurs actuelles :</translation>
    </message>
    <message>
        <source>Date: </source>
        <comment>Date</comment>
        <extracomment>Keep the blank at the end.</extracomment>
        <translation>Date : </translation>
    </message>
    <message>
        <source>Time: </source>
        <comment>TimeOfDay</comment>
        <extracomment>Keep the blank at the end.</extracomment>
        <translation>Heure : </translation>
    </message>
    <message>
        <source>Print</source>
        <comment>Print</comment>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Please wait while downloading...</source>
        <comment>PleaseWait</comment>
        <translation>Téléchargement en cours, veuillez patienter...</translation>
    </message>
    <message>
        <source>The file could not be written:
%1</source>
        <comment>FileNotWritten</comment>
        <extracomment>Keep %1 and %2: they become numbers.</extracomment>
        <translation>Impossible d&apos;écrire le fichier :
%1</translation>
    </message>
    <message>
        <source>The report was saved as %1.
No program to show PDF files was found.</source>
        <comment>ReportSavedNoViewer</comment>
        <extracomment>Keep %1 and %2: they become numbers.</extracomment>
        <translation>Le rapport a été enregistré sous %1.
Aucun programme d&apos;affichage des fichiers PDF n&apos;a été trouvé.</translation>
    </message>
    <message>
        <source>The FAQ document is %1.
No program to show PDF files was found.</source>
        <comment>FaqNoViewer</comment>
        <extracomment>Keep %1 and %2: they become numbers.</extracomment>
        <translation>Le document FAQ se trouve à l&apos;emplacement %1.
Aucun programme d&apos;affichage des fichiers PDF n&apos;a été trouvé.</translation>
    </message>
    <message>
        <source>Another Quilldar uses the module</source>
        <comment>OtherCopyUsesModule</comment>
        <translation>Un autre Quilldar utilise le module</translation>
    </message>
    <message>
        <source>The last session was not saved. Discard its records and continue?</source>
        <comment>DiscardLeftoverQuestion</comment>
        <translation>La dernière session n&apos;a pas été enregistrée. Abandonner ses mesures et continuer ?</translation>
    </message>
    <message>
        <source>The recording could not be saved: %1
It is kept; try another folder or name.</source>
        <comment>RecordingNotSaved</comment>
        <extracomment>Keep %1 and %2: they become numbers.</extracomment>
        <translation>L&apos;enregistrement n&apos;a pas pu être sauvegardé : %1
Il est conservé ; essayez un autre dossier ou un autre nom.</translation>
    </message>
    <message>
        <source>The recording %1 cannot be opened: %2</source>
        <comment>RecordingNotOpened</comment>
        <extracomment>Keep %1 and %2: they become numbers.</extracomment>
        <translation>Impossible d&apos;ouvrir l&apos;enregistrement %1 : %2</translation>
    </message>
    <message>
        <source>it is not a recording</source>
        <comment>NotARecording</comment>
        <translation>ce n&apos;est pas un enregistrement</translation>
    </message>
    <message>
        <source>there are no unsaved records</source>
        <comment>NoUnsavedRecords</comment>
        <translation>il n&apos;y a aucune mesure non sauvegardée</translation>
    </message>
    <message>
        <source>Session ended at %1: %2.</source>
        <comment>SessionEnded</comment>
        <extracomment>Keep %1 and %2: they become numbers.</extracomment>
        <translation>Session terminée à %1 : %2.</translation>
    </message>
    <message>
        <source> %1 records kept for Save As.</source>
        <comment>RecordsKeptForSaveAs</comment>
        <extracomment>Keep %1 and %2: they become numbers. Keep the blank at the start.</extracomment>
        <translation> %1 mesures conservées pour &apos;&apos;Enregistrer sous&apos;&apos;.</translation>
    </message>
    <message>
        <source>Module unplugged</source>
        <comment>ModuleUnplugged</comment>
        <translation>Module débranché</translation>
    </message>
    <message>
        <source>No reply from the module</source>
        <comment>ModuleSilent</comment>
        <translation>Pas de réponse du module</translation>
    </message>
    <message>
        <source>The control unit disconnected</source>
        <comment>UnitDisconnected</comment>
        <translation>Le calculateur s&apos;est déconnecté</translation>
    </message>
    <message>
        <source>The folder %1 cannot be created.</source>
        <comment>ReportFolderNotCreated</comment>
        <extracomment>Keep %1 and %2: they become numbers.</extracomment>
        <translation>Impossible de créer le dossier %1.</translation>
    </message>
    <message>
        <source>The PDF library could not create a document.</source>
        <comment>PdfLibraryFailed</comment>
        <translation>La bibliothèque PDF n&apos;a pas pu créer de document.</translation>
    </message>
    <message>
        <source>The report could not be written to %1.</source>
        <comment>ReportNotWritten</comment>
        <extracomment>Keep %1 and %2: they become numbers.</extracomment>
        <translation>Impossible d&apos;écrire le rapport dans %1.</translation>
    </message>
    <message>
        <source>%1. This copy opens, plays, graphs and prints recordings; close the other copy to use the module here.</source>
        <comment>OfflineExplanation</comment>
        <extracomment>Keep %1 and %2: they become numbers.</extracomment>
        <translation>%1. Cette copie permet d&apos;ouvrir, de lire, d&apos;afficher en graphique et d&apos;imprimer des enregistrements ; fermez l&apos;autre copie pour utiliser le module ici.</translation>
    </message>
    <message>
        <source>The unit tried was %1, the unit of the selected tab. To connect to another unit, select its tab first, then press Connect.</source>
        <comment>WrongTabHint</comment>
        <extracomment>Keep %1 and %2: they become numbers.</extracomment>
        <translation>Le calculateur interrogé était &apos;&apos;%1&apos;&apos;, celui de l&apos;onglet sélectionné. Pour vous connecter à un autre calculateur, sélectionnez d&apos;abord son onglet, puis appuyez sur &apos;&apos;Connecter&apos;&apos;.</translation>
    </message>
    <message>
        <source>The session cannot be recorded to disk: %1
Live data is still shown but no longer recorded. What was recorded before is kept: save it with Save As after Disconnect.</source>
        <comment>RecordingStopped</comment>
        <extracomment>Keep %1 and %2: they become numbers.</extracomment>
        <translation>La session ne peut pas être enregistrée sur le disque : %1
Les données en direct restent affichées mais ne sont plus enregistrées. Ce qui a déjà été enregistré est conservé : sauvegardez-le avec &apos;&apos;Enregistrer sous&apos;&apos; après &apos;&apos;Déconnecter&apos;&apos;.</translation>
    </message>
    <message>
        <source>HID library</source>
        <comment>CheckLibrary</comment>
        <translation>Bibliothèque HID</translation>
    </message>
    <message>
        <source>USB device %1</source>
        <comment>CheckDevice</comment>
        <extracomment>Keep %1 and %2: they become numbers.</extracomment>
        <translation>Périphérique USB %1</translation>
    </message>
    <message>
        <source>Device permission</source>
        <comment>CheckPermission</comment>
        <translation>Droits d&apos;accès</translation>
    </message>
    <message>
        <source>Other Quilldar</source>
        <comment>CheckOtherInstance</comment>
        <translation>Autre Quilldar</translation>
    </message>
    <message>
        <source>Module answers</source>
        <comment>CheckModuleAnswers</comment>
        <translation>Réponse du module</translation>
    </message>
    <message>
        <source>Vehicle power</source>
        <comment>CheckVehiclePower</comment>
        <translation>Alimentation véhicule</translation>
    </message>
    <message>
        <source>Fix:</source>
        <comment>CheckFix</comment>
        <translation>Solution :</translation>
    </message>
    <message>
        <source>%1 loads.</source>
        <comment>CheckLibraryLoads</comment>
        <extracomment>Keep %1 and %2: they become numbers.</extracomment>
        <translation>%1 se charge.</translation>
    </message>
    <message>
        <source>not needed by the simulated module.</source>
        <comment>CheckLibraryNotNeeded</comment>
        <translation>inutile pour le module simulé.</translation>
    </message>
    <message>
        <source>No library</source>
        <comment>CheckWordNoLibrary</comment>
        <translation>Biblio absente</translation>
    </message>
    <message>
        <source>%1 cannot be loaded.</source>
        <comment>CheckLibraryMissing</comment>
        <extracomment>Keep %1 and %2: they become numbers.</extracomment>
        <translation>impossible de charger %1.</translation>
    </message>
    <message>
        <source>Install it with: sudo apt-get install libhidapi-hidraw0</source>
        <comment>CheckLibraryFix</comment>
        <translation>Installez-la avec : sudo apt-get install libhidapi-hidraw0</translation>
    </message>
    <message>
        <source>plugged in.</source>
        <comment>CheckDeviceFound</comment>
        <translation>branché.</translation>
    </message>
    <message>
        <source>No USB</source>
        <comment>CheckWordNoUsb</comment>
        <translation>Pas d&apos;USB</translation>
    </message>
    <message>
        <source>not found among the USB HID devices.</source>
        <comment>CheckDeviceMissing</comment>
        <translation>introuvable parmi les périphériques USB HID.</translation>
    </message>
    <message>
        <source>Plug the interface module in; try another USB port or cable. lsusb should list %1.</source>
        <comment>CheckDeviceFix</comment>
        <extracomment>Keep %1 and %2: they become numbers.</extracomment>
        <translation>Branchez le module d&apos;interface ; essayez un autre port ou un autre câble USB. lsusb doit afficher %1.</translation>
    </message>
    <message>
        <source>this user may read and write the module.</source>
        <comment>CheckAccessGranted</comment>
        <translation>cet utilisateur peut lire et écrire sur le module.</translation>
    </message>
    <message>
        <source>No access</source>
        <comment>CheckWordNoAccess</comment>
        <translation>Accès refusé</translation>
    </message>
    <message>
        <source>the module is plugged in but this user may not open it%1.</source>
        <comment>CheckAccessDenied</comment>
        <extracomment>Keep %1 and %2: they become numbers.</extracomment>
        <translation>le module est branché mais cet utilisateur ne peut pas l&apos;ouvrir%1.</translation>
    </message>
    <message>
        <source>Install the Quilldar package, which brings the udev rule, or install the rule by hand: sudo cp packaging/linux/%1 /etc/udev/rules.d/ &amp;&amp; sudo udevadm control --reload-rules &amp;&amp; sudo udevadm trigger; then unplug and replug the module.</source>
        <comment>CheckRuleMissingFix</comment>
        <extracomment>Keep %1 and %2: they become numbers.</extracomment>
        <translation>Installez le paquet Quilldar, qui fournit la règle udev, ou installez la règle manuellement : sudo cp packaging/linux/%1 /etc/udev/rules.d/ &amp;&amp; sudo udevadm control --reload-rules &amp;&amp; sudo udevadm trigger ; puis débranchez et rebranchez le module.</translation>
    </message>
    <message>
        <source>The udev rule %1 is installed: unplug and replug the module. If it still fails (for example when not logged in at this computer&apos;s own screen), join the plugdev group with: sudo adduser %2 plugdev, then log out and in again.</source>
        <comment>CheckJoinGroupFix</comment>
        <extracomment>Keep %1 and %2: they become numbers.</extracomment>
        <translation>La règle udev %1 est installée : débranchez et rebranchez le module. Si cela échoue encore (par exemple si votre session n&apos;est pas ouverte sur l&apos;écran de cet ordinateur), rejoignez le groupe plugdev avec : sudo adduser %2 plugdev, puis fermez la session et rouvrez-la.</translation>
    </message>
    <message>
        <source>The udev rule %1 is installed and %2 is in the plugdev group: unplug and replug the module; if that does not help, run: sudo udevadm control --reload-rules &amp;&amp; sudo udevadm trigger.</source>
        <comment>CheckReloadRulesFix</comment>
        <extracomment>Keep %1 and %2: they become numbers.</extracomment>
        <translation>La règle udev %1 est installée et %2 fait partie du groupe plugdev : débranchez et rebranchez le module ; si cela ne suffit pas, exécutez : sudo udevadm control --reload-rules &amp;&amp; sudo udevadm trigger.</translation>
    </message>
    <message>
        <source>none is using the module.</source>
        <comment>CheckNoOtherInstance</comment>
        <translation>aucun n&apos;utilise le module.</translation>
    </message>
    <message>
        <source>In use</source>
        <comment>CheckWordInUse</comment>
        <translation>Occupé</translation>
    </message>
    <message>
        <source>another copy of Quilldar owns the module.</source>
        <comment>CheckOtherInstanceFound</comment>
        <translation>une autre copie de Quilldar occupe le module.</translation>
    </message>
    <message>
        <source>Close the other Quilldar window (or use it), then try again.</source>
        <comment>CheckOtherInstanceFix</comment>
        <translation>Fermez l&apos;autre fenêtre Quilldar (ou utilisez-la), puis réessayez.</translation>
    </message>
    <message>
        <source>hardware ID %1, serial number %2, type %3.</source>
        <comment>CheckModuleAnswered</comment>
        <extracomment>Keep %1 and %2: they become numbers.</extracomment>
        <translation>ID matériel %1, numéro de série %2, type %3.</translation>
    </message>
    <message>
        <source>No reply</source>
        <comment>CheckWordNoReply</comment>
        <translation>Pas de réponse</translation>
    </message>
    <message>
        <source>the module did not answer.</source>
        <comment>CheckModuleSilent</comment>
        <translation>le module n&apos;a pas répondu.</translation>
    </message>
    <message>
        <source>Unplug the module, wait a few seconds, plug it in again and retry.</source>
        <comment>CheckModuleSilentFix</comment>
        <translation>Débranchez le module, attendez quelques secondes, rebranchez-le et réessayez.</translation>
    </message>
    <message>
        <source>Wrong type</source>
        <comment>CheckWordWrongType</comment>
        <translation>Mauvais type</translation>
    </message>
    <message>
        <source>the module is of another type; Quilldar works only with type &apos;1&apos;.</source>
        <comment>CheckModuleOtherType</comment>
        <translation>le module est d&apos;un autre type ; Quilldar ne fonctionne qu&apos;avec le type &apos;1&apos;.</translation>
    </message>
    <message>
        <source>the module is of type &apos;%1&apos;; Quilldar works only with type &apos;1&apos;.</source>
        <comment>CheckModuleTypeIs</comment>
        <extracomment>Keep %1 and %2: they become numbers.</extracomment>
        <translation>le module est de type &apos;%1&apos; ; Quilldar ne fonctionne qu&apos;avec le type &apos;1&apos;.</translation>
    </message>
    <message>
        <source>Use a Quilldar interface module; this one is meant for another program.</source>
        <comment>CheckWrongTypeFix</comment>
        <translation>Utilisez un module d&apos;interface Quilldar ; celui-ci est destiné à un autre programme.</translation>
    </message>
    <message>
        <source>stable (%1 power reports in a row).</source>
        <comment>CheckPowerStable</comment>
        <extracomment>Keep %1 and %2: they become numbers.</extracomment>
        <translation>stable (%1 relevés d&apos;alimentation consécutifs).</translation>
    </message>
    <message>
        <source>No power</source>
        <comment>CheckWordNoPower</comment>
        <translation>Pas de tension</translation>
    </message>
    <message>
        <source>not stable within %1.</source>
        <comment>CheckPowerUnstable</comment>
        <extracomment>Keep %1 and %2: they become numbers.</extracomment>
        <translation>non stabilisée en %1.</translation>
    </message>
    <message>
        <source>%1 seconds</source>
        <comment>CheckSeconds</comment>
        <extracomment>Keep %1 and %2: they become numbers.</extracomment>
        <translation>%1 secondes</translation>
    </message>
    <message>
        <source>%1 polls</source>
        <comment>CheckPolls</comment>
        <extracomment>Keep %1 and %2: they become numbers.</extracomment>
        <translation>%1 interrogations</translation>
    </message>
    <message>
        <source>Switch the ignition on, check the battery and that the diagnostic connector sits firmly.</source>
        <comment>CheckPowerFix</comment>
        <translation>Mettez le contact, vérifiez la batterie et que le connecteur de diagnostic est bien enfiché.</translation>
    </message>
    <message>
        <source>the module stopped answering while power was polled.</source>
        <comment>CheckPowerPollLost</comment>
        <translation>le module a cessé de répondre pendant l&apos;interrogation de l&apos;alimentation.</translation>
    </message>
    <message>
        <source>Check the USB cable; unplug and replug the module.</source>
        <comment>CheckUsbCableFix</comment>
        <translation>Vérifiez le câble USB ; débranchez et rebranchez le module.</translation>
    </message>
    <message>
        <source>not checked (an earlier check failed).</source>
        <comment>CheckNotChecked</comment>
        <translation>non vérifié (une vérification précédente a échoué).</translation>
    </message>
    <message>
        <source>The update check could not save its version file in %1 (%2).
No update was fetched: your program and your FAQ documents stay as they are.</source>
        <comment>UpdateVersionFileNotStored</comment>
        <extracomment>Keep %1 and %2: they become numbers.</extracomment>
        <translation>La recherche de mises à jour n&apos;a pas pu enregistrer son fichier de version dans %1 (%2).
Aucune mise à jour n&apos;a été téléchargée : le programme et les documents FAQ restent inchangés.</translation>
    </message>
    <message>
        <source>The new version could not be saved in %1 (%2).
Your installed version stays as it is.</source>
        <comment>UpdateInstallerNotStored</comment>
        <extracomment>Keep %1 and %2: they become numbers.</extracomment>
        <translation>La nouvelle version n&apos;a pas pu être enregistrée dans %1 (%2).
La version installée reste inchangée.</translation>
    </message>
    <message>
        <source>The new FAQ documents could not be saved in %1 (%2).
Your current FAQ documents are kept.</source>
        <comment>UpdateFaqNotStored</comment>
        <extracomment>Keep %1 and %2: they become numbers.</extracomment>
        <translation>Les nouveaux documents FAQ n&apos;ont pas pu être enregistrés dans %1 (%2).
Les documents FAQ actuels sont conservés.</translation>
    </message>
    <message>
        <source>The server sent something other than a PDF document for %1.
Your current FAQ documents are kept.</source>
        <comment>UpdateFaqNotPdf</comment>
        <extracomment>Keep %1 and %2: they become numbers.</extracomment>
        <translation>Le serveur a envoyé autre chose qu&apos;un document PDF pour %1.
Les documents FAQ actuels sont conservés.</translation>
    </message>
    <message>
        <source>the folder cannot be created</source>
        <comment>UpdateFolderNotCreated</comment>
        <translation>impossible de créer le dossier</translation>
    </message>
    <message>
        <source>a document cannot be renamed</source>
        <comment>UpdateDocumentNotRenamed</comment>
        <translation>impossible de renommer un document</translation>
    </message>
    <message>
        <source>The downloaded update could not be verified and was discarded.</source>
        <comment>UpdateNotVerified</comment>
        <translation>La mise à jour téléchargée n&apos;a pas pu être vérifiée et a été supprimée.</translation>
    </message>
</context>
<context>
    <name>EnginePage</name>
    <message>
        <source>Engine speed</source>
        <comment>EngineSpeed</comment>
        <translation>Régime moteur</translation>
    </message>
    <message>
        <source>Throttle position</source>
        <comment>ThrottlePosition</comment>
        <translation>Position papillon</translation>
    </message>
    <message>
        <source>Secondary throttle position</source>
        <comment>SecondaryThrottlePosition</comment>
        <translation>Position papillon secondaire</translation>
    </message>
    <message>
        <source>Engine coolant / oil temperature</source>
        <comment>CoolantTemperature</comment>
        <translation>Temp. liquide refroid. / huile</translation>
    </message>
    <message>
        <source>Intake air temperature</source>
        <comment>IntakeAirTemperature</comment>
        <translation>Température air admission</translation>
    </message>
    <message>
        <source>Manifold absolute pressure 1</source>
        <comment>ManifoldPressure1</comment>
        <translation>Pression absolue collecteur 1</translation>
    </message>
    <message>
        <source>Manifold absolute pressure 2</source>
        <comment>ManifoldPressure2</comment>
        <translation>Pression absolue collecteur 2</translation>
    </message>
    <message>
        <source>Atmospheric pressure</source>
        <comment>AtmosphericPressure</comment>
        <translation>Pression atmosphérique</translation>
    </message>
    <message>
        <source>Battery voltage</source>
        <comment>BatteryVoltage</comment>
        <translation>Tension batterie</translation>
    </message>
    <message>
        <source>Vehicle speed</source>
        <comment>VehicleSpeed</comment>
        <translation>Vitesse véhicule</translation>
    </message>
    <message>
        <source>Exhaust control valve actuator</source>
        <comment>ExhaustValveActuator</comment>
        <translation>Actionneur valve d&apos;échappement</translation>
    </message>
    <message>
        <source>O2 sensor Bank 1 - Sensor 1</source>
        <comment>O2SensorBank1</comment>
        <translation>Sonde O2 banc 1 - sonde 1</translation>
    </message>
    <message>
        <source>O2 sensor Bank 2 - Sensor 2</source>
        <comment>O2SensorBank2</comment>
        <translation>Sonde O2 banc 2 - sonde 2</translation>
    </message>
    <message>
        <source>Target idle speed</source>
        <comment>TargetIdleSpeed</comment>
        <translation>Régime de ralenti cible</translation>
    </message>
    <message>
        <source>Steering damper solenoid current</source>
        <comment>SteeringDamperCurrent</comment>
        <translation>Courant amortisseur de direction</translation>
    </message>
    <message>
        <source>Cylinder 1 injection time</source>
        <comment>Cylinder1Injection</comment>
        <translation>Temps d&apos;injection cylindre 1</translation>
    </message>
    <message>
        <source>Cylinder 2 injection time</source>
        <comment>Cylinder2Injection</comment>
        <translation>Temps d&apos;injection cylindre 2</translation>
    </message>
    <message>
        <source>Cylinder 3 injection time</source>
        <comment>Cylinder3Injection</comment>
        <translation>Temps d&apos;injection cylindre 3</translation>
    </message>
    <message>
        <source>Cylinder 4 injection time</source>
        <comment>Cylinder4Injection</comment>
        <translation>Temps d&apos;injection cylindre 4</translation>
    </message>
    <message>
        <source>Advance</source>
        <comment>Advance</comment>
        <translation>Avance à l&apos;allumage</translation>
    </message>
    <message>
        <source>ISC valve position</source>
        <comment>IscValvePosition</comment>
        <translation>Position valve ISC</translation>
    </message>
    <message>
        <source>Gear position</source>
        <comment>GearPosition</comment>
        <translation>Rapport engagé</translation>
    </message>
    <message>
        <source>ISC duty</source>
        <comment>IscDuty</comment>
        <translation>Rapport cyclique ISC</translation>
    </message>
    <message>
        <source>Exhaust valve control select terminal</source>
        <comment>ExhaustValveSelectTerminal</comment>
        <translation>Borne commande valve d&apos;échappement</translation>
    </message>
    <message>
        <source>O2 sensor control select terminal</source>
        <comment>O2SensorSelectTerminal</comment>
        <translation>Borne commande sonde O2</translation>
    </message>
    <message>
        <source>Neutral switch signal</source>
        <comment>NeutralSwitch</comment>
        <translation>Signal contacteur point mort</translation>
    </message>
    <message>
        <source>Driving mode selection 1</source>
        <comment>DrivingMode1</comment>
        <translation>Sélection mode de conduite 1</translation>
    </message>
    <message>
        <source>Driving mode selection 2</source>
        <comment>DrivingMode2</comment>
        <translation>Sélection mode de conduite 2</translation>
    </message>
    <message>
        <source>Ignition switch signal</source>
        <comment>IgnitionSwitch</comment>
        <translation>Signal contacteur d&apos;allumage</translation>
    </message>
    <message>
        <source>Clutch switch signal</source>
        <comment>ClutchSwitch</comment>
        <translation>Signal contacteur d&apos;embrayage</translation>
    </message>
    <message>
        <source>Starter signal</source>
        <comment>StarterSignal</comment>
        <translation>Signal démarreur</translation>
    </message>
    <message>
        <source>EVAP purge valve</source>
        <comment>EvapPurgeValve</comment>
        <translation>Électrovanne purge EVAP</translation>
    </message>
    <message>
        <source>Tip over sensor</source>
        <comment>TipOverSensor</comment>
        <translation>Capteur de chute</translation>
    </message>
    <message>
        <source>Cooling fan relay</source>
        <comment>CoolingFanRelay</comment>
        <translation>Relais ventilateur</translation>
    </message>
    <message>
        <source>PAIR control solenoid valve</source>
        <comment>PairSolenoidValve</comment>
        <translation>Électrovanne PAIR</translation>
    </message>
    <message>
        <source>Side stand switch</source>
        <comment>SideStandSwitch</comment>
        <translation>Contacteur béquille latérale</translation>
    </message>
    <message>
        <source>Load cut off relay</source>
        <comment>LoadCutOffRelay</comment>
        <translation>Relais coupure consommateurs</translation>
    </message>
    <message>
        <source>Shift switch signal</source>
        <comment>ShiftSwitch</comment>
        <translation>Signal contacteur sélecteur</translation>
    </message>
    <message>
        <source>Engine speed limiter signal</source>
        <comment>SpeedLimiter</comment>
        <translation>Signal limiteur de régime</translation>
    </message>
    <message>
        <source>Steps</source>
        <comment>Steps</comment>
        <translation>Pas</translation>
    </message>
    <message>
        <source>Open</source>
        <comment>Open</comment>
        <translation>Ouvert</translation>
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
        <translation>Anormal</translation>
    </message>
    <message>
        <source>On</source>
        <comment>On</comment>
        <translation>Actif</translation>
    </message>
    <message>
        <source>Off</source>
        <comment>Off</comment>
        <translation>Inactif</translation>
    </message>
</context>
<context>
    <name>TransmissionPage</name>
    <message>
        <source>Vehicle speed</source>
        <comment>VehicleSpeed</comment>
        <translation>Vitesse véhicule</translation>
    </message>
    <message>
        <source>Throttle position</source>
        <comment>ThrottlePosition</comment>
        <translation>Position papillon</translation>
    </message>
    <message>
        <source>Engine coolant / oil temperature</source>
        <comment>CoolantTemperature</comment>
        <translation>Temp. liquide refroid. / huile</translation>
    </message>
    <message>
        <source>Engine speed</source>
        <comment>EngineSpeed</comment>
        <translation>Régime moteur</translation>
    </message>
    <message>
        <source>Secondary pulley speed sensor</source>
        <comment>SecondaryPulleySpeed</comment>
        <translation>Régime poulie secondaire</translation>
    </message>
    <message>
        <source>Pulley position sensor ratio</source>
        <comment>PulleyPositionRatio</comment>
        <translation>Rapport poulies (capteur position)</translation>
    </message>
    <message>
        <source>Pulley speed ratio</source>
        <comment>PulleySpeedRatio</comment>
        <translation>Rapport poulies (régimes)</translation>
    </message>
    <message>
        <source>Battery voltage</source>
        <comment>BatteryVoltage</comment>
        <translation>Tension batterie</translation>
    </message>
    <message>
        <source>Relay contact voltage</source>
        <comment>RelayContactVoltage</comment>
        <translation>Tension contact relais</translation>
    </message>
    <message>
        <source>Motor terminal voltage A</source>
        <comment>MotorTerminalVoltageA</comment>
        <translation>Tension borne moteur A</translation>
    </message>
    <message>
        <source>Motor terminal voltage B</source>
        <comment>MotorTerminalVoltageB</comment>
        <translation>Tension borne moteur B</translation>
    </message>
    <message>
        <source>Motor current</source>
        <comment>MotorCurrent</comment>
        <translation>Courant moteur</translation>
    </message>
    <message>
        <source>Gear position</source>
        <comment>GearPosition</comment>
        <translation>Rapport engagé</translation>
    </message>
    <message>
        <source>Motor lock</source>
        <comment>MotorLock</comment>
        <translation>Moteur bloqué</translation>
    </message>
    <message>
        <source>Motor short</source>
        <comment>MotorShort</comment>
        <translation>Court-circuit moteur</translation>
    </message>
    <message>
        <source>Motor disconnection</source>
        <comment>MotorDisconnection</comment>
        <translation>Coupure circuit moteur</translation>
    </message>
    <message>
        <source>Relay contact welding</source>
        <comment>RelayContactWelding</comment>
        <translation>Contact relais soudé</translation>
    </message>
    <message>
        <source>Relay contact failure</source>
        <comment>RelayContactFailure</comment>
        <translation>Contact relais défectueux</translation>
    </message>
    <message>
        <source>Power mode switch circuit malfunction</source>
        <comment>PowerModeSwitchMalfunction</comment>
        <translation>Contacteur mode Power - défaut circuit</translation>
    </message>
    <message>
        <source>Auto shift switch circuit malfunction</source>
        <comment>AutoShiftSwitchMalfunction</comment>
        <translation>Contacteur mode auto - défaut circuit</translation>
    </message>
    <message>
        <source>Up shift switch circuit malfunction</source>
        <comment>UpShiftSwitchMalfunction</comment>
        <translation>Contacteur montée rapport - défaut circuit</translation>
    </message>
    <message>
        <source>Down shift switch circuit malfunction</source>
        <comment>DownShiftSwitchMalfunction</comment>
        <translation>Contacteur descente rapport - défaut circuit</translation>
    </message>
    <message>
        <source>Motor lock (History)</source>
        <comment>MotorLockHistory</comment>
        <translation>Moteur bloqué (mémorisé)</translation>
    </message>
    <message>
        <source>Motor short (History)</source>
        <comment>MotorShortHistory</comment>
        <translation>Court-circuit moteur (mémorisé)</translation>
    </message>
    <message>
        <source>Motor disconnection (History)</source>
        <comment>MotorDisconnectionHistory</comment>
        <translation>Coupure circuit moteur (mémorisé)</translation>
    </message>
    <message>
        <source>Center stand switch</source>
        <comment>CenterStandSwitch</comment>
        <translation>Contacteur béquille centrale</translation>
    </message>
    <message>
        <source>Brake switch</source>
        <comment>BrakeSwitch</comment>
        <translation>Contacteur de frein</translation>
    </message>
    <message>
        <source>Power mode switch</source>
        <comment>PowerModeSwitch</comment>
        <translation>Contacteur mode Power</translation>
    </message>
    <message>
        <source>Auto shift mode switch</source>
        <comment>AutoShiftModeSwitch</comment>
        <translation>Contacteur mode automatique</translation>
    </message>
    <message>
        <source>Up shift switch</source>
        <comment>UpShiftSwitch</comment>
        <translation>Contacteur montée rapport</translation>
    </message>
    <message>
        <source>Down shift switch</source>
        <comment>DownShiftSwitch</comment>
        <translation>Contacteur descente rapport</translation>
    </message>
    <message>
        <source>Shift control switch</source>
        <comment>ShiftControlSwitch</comment>
        <translation>Contacteur commande boîte</translation>
    </message>
    <message>
        <source>Normal mode</source>
        <comment>NormalMode</comment>
        <translation>Mode normal</translation>
    </message>
    <message>
        <source>Power mode</source>
        <comment>PowerMode</comment>
        <translation>Mode Power</translation>
    </message>
    <message>
        <source>Auto shift mode</source>
        <comment>AutoShiftMode</comment>
        <translation>Mode automatique</translation>
    </message>
    <message>
        <source>Manual shift mode</source>
        <comment>ManualShiftMode</comment>
        <translation>Mode manuel</translation>
    </message>
    <message>
        <source>Auto mode</source>
        <comment>AutoMode</comment>
        <translation>Automatique</translation>
    </message>
</context>
<context>
    <name>EngineTransmissionPage</name>
    <message>
        <source>Engine speed</source>
        <comment>EngineSpeed</comment>
        <translation>Régime moteur</translation>
    </message>
    <message>
        <source>Throttle position</source>
        <comment>ThrottlePosition</comment>
        <translation>Position papillon</translation>
    </message>
    <message>
        <source>Secondary throttle actuator</source>
        <comment>SecondaryThrottleActuator</comment>
        <translation>Actionneur papillon secondaire</translation>
    </message>
    <message>
        <source>Engine coolant / oil temperature</source>
        <comment>CoolantTemperature</comment>
        <translation>Temp. liquide refroid. / huile</translation>
    </message>
    <message>
        <source>Intake air temperature</source>
        <comment>IntakeAirTemperature</comment>
        <translation>Température air admission</translation>
    </message>
    <message>
        <source>Manifold absolute pressure 1</source>
        <comment>ManifoldPressure1</comment>
        <translation>Pression absolue collecteur 1</translation>
    </message>
    <message>
        <source>Atmospheric pressure</source>
        <comment>AtmosphericPressure</comment>
        <translation>Pression atmosphérique</translation>
    </message>
    <message>
        <source>Battery voltage</source>
        <comment>BatteryVoltage</comment>
        <translation>Tension batterie</translation>
    </message>
    <message>
        <source>Vehicle speed</source>
        <comment>VehicleSpeed</comment>
        <translation>Vitesse véhicule</translation>
    </message>
    <message>
        <source>O2 sensor Bank 1 - Sensor 1</source>
        <comment>O2SensorBank1</comment>
        <translation>Sonde O2 banc 1 - sonde 1</translation>
    </message>
    <message>
        <source>Target idle speed</source>
        <comment>TargetIdleSpeed</comment>
        <translation>Régime de ralenti cible</translation>
    </message>
    <message>
        <source>ISC valve position</source>
        <comment>IscValvePosition</comment>
        <translation>Position valve ISC</translation>
    </message>
    <message>
        <source>O2 sensor control select terminal</source>
        <comment>O2SensorSelectTerminal</comment>
        <translation>Borne commande sonde O2</translation>
    </message>
    <message>
        <source>Ignition switch signal</source>
        <comment>IgnitionSwitch</comment>
        <translation>Signal contacteur d&apos;allumage</translation>
    </message>
    <message>
        <source>Starter signal</source>
        <comment>StarterSignal</comment>
        <translation>Signal démarreur</translation>
    </message>
    <message>
        <source>Tip over sensor</source>
        <comment>TipOverSensor</comment>
        <translation>Capteur de chute</translation>
    </message>
    <message>
        <source>PAIR control solenoid valve</source>
        <comment>PairSolenoidValve</comment>
        <translation>Électrovanne PAIR</translation>
    </message>
    <message>
        <source>Secondary pulley speed sensor</source>
        <comment>SecondaryPulleySpeed</comment>
        <translation>Régime poulie secondaire</translation>
    </message>
    <message>
        <source>Pulley position sensor ratio</source>
        <comment>PulleyPositionRatio</comment>
        <translation>Rapport poulies (capteur position)</translation>
    </message>
    <message>
        <source>Pulley speed ratio</source>
        <comment>PulleySpeedRatio</comment>
        <translation>Rapport poulies (régimes)</translation>
    </message>
    <message>
        <source>Relay contact voltage</source>
        <comment>RelayContactVoltage</comment>
        <translation>Tension contact relais</translation>
    </message>
    <message>
        <source>Motor terminal voltage A</source>
        <comment>MotorTerminalVoltageA</comment>
        <translation>Tension borne moteur A</translation>
    </message>
    <message>
        <source>Motor terminal voltage B</source>
        <comment>MotorTerminalVoltageB</comment>
        <translation>Tension borne moteur B</translation>
    </message>
    <message>
        <source>Motor current</source>
        <comment>MotorCurrent</comment>
        <translation>Courant moteur</translation>
    </message>
    <message>
        <source>Gear position</source>
        <comment>GearPosition</comment>
        <translation>Rapport engagé</translation>
    </message>
    <message>
        <source>Motor lock</source>
        <comment>MotorLock</comment>
        <translation>Moteur bloqué</translation>
    </message>
    <message>
        <source>Motor short</source>
        <comment>MotorShort</comment>
        <translation>Court-circuit moteur</translation>
    </message>
    <message>
        <source>Motor disconnection</source>
        <comment>MotorDisconnection</comment>
        <translation>Coupure circuit moteur</translation>
    </message>
    <message>
        <source>Relay contact welding</source>
        <comment>RelayContactWelding</comment>
        <translation>Contact relais soudé</translation>
    </message>
    <message>
        <source>Center stand switch</source>
        <comment>CenterStandSwitch</comment>
        <translation>Contacteur béquille centrale</translation>
    </message>
    <message>
        <source>Brake switch</source>
        <comment>BrakeSwitch</comment>
        <translation>Contacteur de frein</translation>
    </message>
    <message>
        <source>Power mode switch</source>
        <comment>PowerModeSwitch</comment>
        <translation>Contacteur mode Power</translation>
    </message>
    <message>
        <source>Mode select switch</source>
        <comment>ModeSelectSwitch</comment>
        <translation>Sélecteur de mode</translation>
    </message>
    <message>
        <source>Up shift switch</source>
        <comment>UpShiftSwitch</comment>
        <translation>Contacteur montée rapport</translation>
    </message>
    <message>
        <source>Down shift switch</source>
        <comment>DownShiftSwitch</comment>
        <translation>Contacteur descente rapport</translation>
    </message>
    <message>
        <source>Drive mode</source>
        <comment>DriveMode</comment>
        <translation>Mode de conduite</translation>
    </message>
    <message>
        <source>Power mode</source>
        <comment>PowerMode</comment>
        <translation>Mode Power</translation>
    </message>
    <message>
        <source>CVT shift mode</source>
        <comment>CvtShiftMode</comment>
        <translation>Mode CVT</translation>
    </message>
    <message>
        <source>7MT shift mode</source>
        <comment>SevenSpeedShiftMode</comment>
        <translation>Mode de passage 7MT</translation>
    </message>
    <message>
        <source>Auto mode</source>
        <comment>AutoMode</comment>
        <translation>Automatique</translation>
    </message>
</context>
<context>
    <name>AbsPage</name>
    <message>
        <source>Brake switch</source>
        <comment>BrakeSwitch</comment>
        <translation>Contacteur de frein</translation>
    </message>
    <message>
        <source>Wheel speed sensor (Front)</source>
        <comment>WheelSpeedFront</comment>
        <translation>Capteur vitesse roue (avant)</translation>
    </message>
    <message>
        <source>Wheel speed sensor (Rear)</source>
        <comment>WheelSpeedRear</comment>
        <translation>Capteur vitesse roue (arrière)</translation>
    </message>
    <message>
        <source>Monitoring voltage</source>
        <comment>MonitoringVoltage</comment>
        <translation>Tension de surveillance</translation>
    </message>
    <message>
        <source>ABS solenoid IN/V open or short (F)</source>
        <comment>InletValveFrontFault</comment>
        <translation>Électrovanne ABS entrée coupure/court-circuit (AV)</translation>
    </message>
    <message>
        <source>ABS solenoid OUT/V open or short (F)</source>
        <comment>OutletValveFrontFault</comment>
        <translation>Électrovanne ABS sortie coupure/court-circuit (AV)</translation>
    </message>
    <message>
        <source>ABS solenoid IN/V open or short (R)</source>
        <comment>InletValveRearFault</comment>
        <translation>Électrovanne ABS entrée coupure/court-circuit (AR)</translation>
    </message>
    <message>
        <source>ABS solenoid OUT/V open or short (R)</source>
        <comment>OutletValveRearFault</comment>
        <translation>Électrovanne ABS sortie coupure/court-circuit (AR)</translation>
    </message>
    <message>
        <source>ABS solenoid valve relay lock</source>
        <comment>ValveRelayLock</comment>
        <translation>Relais électrovannes ABS bloqué</translation>
    </message>
    <message>
        <source>ABS motor</source>
        <comment>Motor</comment>
        <translation>Moteur de pompe ABS</translation>
    </message>
    <message>
        <source>ABS motor relay lock (Off)</source>
        <comment>MotorRelayLockOff</comment>
        <translation>Relais moteur ABS bloqué (inactif)</translation>
    </message>
    <message>
        <source>ABS motor relay lock (On)</source>
        <comment>MotorRelayLockOn</comment>
        <translation>Relais moteur ABS bloqué (actif)</translation>
    </message>
    <message>
        <source>Service check signal position</source>
        <comment>ServiceCheckSignal</comment>
        <translation>Position signal contrôle service</translation>
    </message>
    <message>
        <source>ABS solenoid valve relay operate</source>
        <comment>ValveRelayOperate</comment>
        <translation>Relais électrovannes ABS piloté</translation>
    </message>
    <message>
        <source>ABS solenoid IN/V (F) operate</source>
        <comment>InletValveFrontOperate</comment>
        <translation>Électrovanne ABS entrée (AV) pilotée</translation>
    </message>
    <message>
        <source>ABS solenoid OUT/V (F) operate</source>
        <comment>OutletValveFrontOperate</comment>
        <translation>Électrovanne ABS sortie (AV) pilotée</translation>
    </message>
    <message>
        <source>ABS solenoid IN/V (R) operate</source>
        <comment>InletValveRearOperate</comment>
        <translation>Électrovanne ABS entrée (AR) pilotée</translation>
    </message>
    <message>
        <source>ABS solenoid OUT/V (R) operate</source>
        <comment>OutletValveRearOperate</comment>
        <translation>Électrovanne ABS sortie (AR) pilotée</translation>
    </message>
    <message>
        <source>ABS motor operate</source>
        <comment>MotorOperate</comment>
        <translation>Moteur de pompe ABS piloté</translation>
    </message>
</context>
<context>
    <name>EpsPage</name>
    <message>
        <source>Battery voltage</source>
        <comment>BatteryVoltage</comment>
        <translation>Tension batterie</translation>
    </message>
    <message>
        <source>Motor current target</source>
        <comment>MotorCurrentTarget</comment>
        <translation>Courant moteur consigne</translation>
    </message>
    <message>
        <source>Motor current detection</source>
        <comment>MotorCurrentDetection</comment>
        <translation>Courant moteur mesuré</translation>
    </message>
    <message>
        <source>Steering torque sensor power supply</source>
        <comment>TorqueSensorSupply</comment>
        <translation>Alimentation capteur couple direction</translation>
    </message>
    <message>
        <source>Steering torque main</source>
        <comment>TorqueMain</comment>
        <translation>Couple direction principal</translation>
    </message>
    <message>
        <source>Steering torque sub</source>
        <comment>TorqueSub</comment>
        <translation>Couple direction secondaire</translation>
    </message>
    <message>
        <source>Steering control torque</source>
        <comment>ControlTorque</comment>
        <translation>Couple direction régulé</translation>
    </message>
    <message>
        <source>Motor terminal voltage</source>
        <comment>MotorTerminalVoltage</comment>
        <translation>Tension borne moteur</translation>
    </message>
    <message>
        <source>Vehicle speed</source>
        <comment>VehicleSpeed</comment>
        <translation>Vitesse véhicule</translation>
    </message>
    <message>
        <source>Engine speed</source>
        <comment>EngineSpeed</comment>
        <translation>Régime moteur</translation>
    </message>
    <message>
        <source>Ignition switch</source>
        <comment>IgnitionSwitch</comment>
        <translation>Contacteur d&apos;allumage</translation>
    </message>
    <message>
        <source>System power</source>
        <comment>SystemPower</comment>
        <translation>Alimentation système</translation>
    </message>
    <message>
        <source>Relay output</source>
        <comment>RelayOutput</comment>
        <translation>Sortie relais</translation>
    </message>
</context>
<context>
    <name>ErrorCodesPage</name>
    <message>
        <source>DTC No.:;Detected failure condition:;Current/Past:;</source>
        <comment>Header</comment>
        <extracomment>Column names separated by &apos;;&apos;: keep every &apos;;&apos;, the last one too.</extracomment>
        <translation>N° DTC :;Défaut détecté :;Présent/Passé :;</translation>
    </message>
    <message>
        <source>Past</source>
        <comment>Past</comment>
        <translation>Passé</translation>
    </message>
    <message>
        <source>Pending</source>
        <comment>Pending</comment>
        <translation>En attente</translation>
    </message>
    <message>
        <source>Current</source>
        <comment>Current</comment>
        <translation>Présent</translation>
    </message>
</context>
<context>
    <name>ShowDataWhenTroublePage</name>
    <message>
        <source>Fault 1#;Pre-detect;Detect point;Post-detect;Fix point;Cycle min;Cycle max;Unit;</source>
        <comment>Fault1Header</comment>
        <extracomment>Column names separated by &apos;;&apos;: keep every &apos;;&apos;, the last one too.</extracomment>
        <translation>Défaut 1#;Avant détect.;Détection;Après détect.;Point fixe;Cycle min;Cycle max;Unité;</translation>
    </message>
    <message>
        <source>Fault 2#;Pre-detect;Detect point;Post-detect;Fix point;Cycle min;Cycle max;Unit;</source>
        <comment>Fault2Header</comment>
        <extracomment>Column names separated by &apos;;&apos;: keep every &apos;;&apos;, the last one too.</extracomment>
        <translation>Défaut 2#;Avant détect.;Détection;Après détect.;Point fixe;Cycle min;Cycle max;Unité;</translation>
    </message>
    <message>
        <source>Engine speed</source>
        <comment>EngineSpeed</comment>
        <translation>Régime moteur</translation>
    </message>
    <message>
        <source>Throttle position</source>
        <comment>ThrottlePosition</comment>
        <translation>Position papillon</translation>
    </message>
    <message>
        <source>Manifold absolute pressure 1</source>
        <comment>ManifoldPressure</comment>
        <translation>Pression absolue collecteur 1</translation>
    </message>
    <message>
        <source>Engine coolant / oil temperature</source>
        <comment>CoolantTemperature</comment>
        <translation>Temp. liquide refroid. / huile</translation>
    </message>
    <message>
        <source>Gear position</source>
        <comment>GearPosition</comment>
        <translation>Rapport engagé</translation>
    </message>
    <message>
        <source>Secondary throttle position</source>
        <comment>SecondaryThrottlePosition</comment>
        <translation>Position papillon secondaire</translation>
    </message>
    <message>
        <source>Low</source>
        <comment>GearLow</comment>
        <translation>Basse</translation>
    </message>
    <message>
        <source>High</source>
        <comment>GearHigh</comment>
        <translation>Haute</translation>
    </message>
</context>
<context>
    <name>ActiveTestsPage</name>
    <message>
        <source>Steering damper solenoid operating control</source>
        <comment>SteeringDamperControl</comment>
        <translation>Commande électrovanne amortisseur direction</translation>
    </message>
    <message>
        <source>Secondary throttle operating control</source>
        <comment>SecondaryThrottleControl</comment>
        <translation>Commande papillon secondaire</translation>
    </message>
    <message>
        <source>Exhaust valve operating control</source>
        <comment>ExhaustValveControl</comment>
        <translation>Commande valve d&apos;échappement</translation>
    </message>
    <message>
        <source>ISC air volume control</source>
        <comment>IscAirVolumeControl</comment>
        <translation>Commande débit d&apos;air ISC</translation>
    </message>
    <message>
        <source>ISC rpm control</source>
        <comment>IscRpmControl</comment>
        <translation>Commande régime ISC</translation>
    </message>
    <message>
        <source>EVAP purge valve operating control</source>
        <comment>EvapPurgeControl</comment>
        <translation>Commande électrovanne purge EVAP</translation>
    </message>
    <message>
        <source>PAIR solenoid operating control</source>
        <comment>PairSolenoidControl</comment>
        <translation>Commande électrovanne PAIR</translation>
    </message>
    <message>
        <source>Cooling fan relay control</source>
        <comment>CoolingFanControl</comment>
        <translation>Commande relais ventilateur</translation>
    </message>
    <message>
        <source>PPS learned value reset</source>
        <comment>PpsLearnedReset</comment>
        <translation>Réinitialisation valeur apprise PPS</translation>
    </message>
    <message>
        <source>ISC learned value reset</source>
        <comment>IscLearnedReset</comment>
        <translation>Réinitialisation valeur apprise ISC</translation>
    </message>
    <message>
        <source>TP learned valve reset</source>
        <comment>TpLearnedReset</comment>
        <translation>Réinitialisation valeur apprise TP</translation>
    </message>
    <message>
        <source>On</source>
        <comment>On</comment>
        <translation>Marche</translation>
    </message>
    <message>
        <source>Off</source>
        <comment>Off</comment>
        <translation>Arrêt</translation>
    </message>
    <message>
        <source>Close</source>
        <comment>Close</comment>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Open</source>
        <comment>Open</comment>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Start</source>
        <comment>Start</comment>
        <translation>Démarrer</translation>
    </message>
    <message>
        <source>Stop</source>
        <comment>Stop</comment>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Reset</source>
        <comment>Reset</comment>
        <translation>Réinitialiser</translation>
    </message>
    <message>
        <source>Can not execute because engine coolant temp is out of executable condition</source>
        <comment>CoolantOutOfCondition</comment>
        <translation>Exécution impossible : température liquide de refroidissement hors plage autorisée</translation>
    </message>
    <message>
        <source>Can not execute because engine speed is out of executable condition</source>
        <comment>SpeedOutOfCondition</comment>
        <translation>Exécution impossible : régime moteur hors plage autorisée</translation>
    </message>
    <message>
        <source>Can not execute because this ECM does not support this function</source>
        <comment>NotSupported</comment>
        <translation>Exécution impossible : cet ECM ne prend pas en charge cette fonction</translation>
    </message>
    <message>
        <source>Reset has been performed successfully.</source>
        <comment>ResetDone</comment>
        <translation>Réinitialisation effectuée avec succès.</translation>
    </message>
    <message>
        <source>Execute ISC learned value reset?</source>
        <comment>IscResetQuestion</comment>
        <translation>Réinitialiser la valeur apprise ISC ?</translation>
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
        <translation>Associé au module d&apos;interface, ce logiciel permet de trouver rapidement la cause de l&apos;allumage du voyant FI. L&apos;utilisateur peut lire les codes défaut et les effacer après la réparation. Les valeurs des capteurs sont affichées en temps réel, ce qui permet à un personnel qualifié d&apos;approfondir l&apos;analyse des défauts et des performances du moteur. Des fonctions de test sont également incluses.
<byte value="xd"/><byte value="xd"/>Les mesures sont enregistrées automatiquement et peuvent être sauvegardées puis relues depuis un fichier. Le programme peut être lancé plusieurs fois simultanément, ce qui permet de comparer des valeurs en direct à des valeurs enregistrées auparavant, ou de comparer deux enregistrements.
<byte value="xd"/><byte value="xd"/>La connexion USB, la taille compacte et la configuration automatique rendent ce produit portable et extrêmement simple d&apos;utilisation. Le module d&apos;interface est entièrement scellé (étanche) et couvert par notre garantie de 2 ans. Les mises à jour du logiciel sont gratuites pendant toute la durée de vie de ce produit.</translation>
    </message>
    <message>
        <source>Close</source>
        <comment>Close</comment>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>About</source>
        <comment>About</comment>
        <translation>À propos</translation>
    </message>
</context>
<context>
    <name>ModelsDialog</name>
    <message>
        <source>Close</source>
        <comment>Close</comment>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>MOTORCYCLES:</source>
        <comment>Motorcycles</comment>
        <translation>MOTOS :</translation>
    </message>
</context>
<context>
    <name>SettingsDialog</name>
    <message>
        <source>Settings</source>
        <comment>Caption</comment>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Speed</source>
        <comment>Speed</comment>
        <translation>Vitesse</translation>
    </message>
    <message>
        <source>Temperature</source>
        <comment>Temperature</comment>
        <translation>Température</translation>
    </message>
    <message>
        <source>Pressure</source>
        <comment>Pressure</comment>
        <translation>Pression</translation>
    </message>
    <message>
        <source>Airflow</source>
        <comment>Airflow</comment>
        <translation>Débit d&apos;air</translation>
    </message>
    <message>
        <source>Language</source>
        <comment>Language</comment>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Highlighting period (sec)</source>
        <comment>HighlightingPeriod</comment>
        <translation>Durée de surbrillance (sec)</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <comment>IntegerRange</comment>
        <extracomment>Keep %1 and %2: they become numbers.</extracomment>
        <translation>Veuillez saisir un nombre entier entre %1 et %2.</translation>
    </message>
</context>
<context>
    <name>FileBrowser</name>
    <message>
        <source>You do not have permission to save to this folder.</source>
        <comment>NoPermission</comment>
        <translation>Vous n&apos;avez pas l&apos;autorisation d&apos;enregistrer dans ce dossier.</translation>
    </message>
    <message>
        <source>File not found.</source>
        <comment>FileNotFound</comment>
        <translation>Fichier introuvable.</translation>
    </message>
    <message>
        <source>The file</source>
        <comment>TheFile</comment>
        <translation>Le fichier</translation>
    </message>
    <message>
        <source>already exists.
<byte value="xd"/>Would you like to overwrite this file ?</source>
        <comment>AlreadyExists</comment>
        <extracomment>Keep every line break where the sentence allows it.</extracomment>
        <translation>existe déjà.
<byte value="xd"/>Voulez-vous remplacer ce fichier ?</translation>
    </message>
    <message>
        <source>Open</source>
        <comment>Open</comment>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Filter :</source>
        <comment>Filter</comment>
        <translation>Filtre :</translation>
    </message>
    <message>
        <source>File name:</source>
        <comment>FileName</comment>
        <translation>Nom du fichier :</translation>
    </message>
    <message>
        <source>Save</source>
        <comment>Save</comment>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Save as</source>
        <comment>SaveAs</comment>
        <translation>Enregistrer sous</translation>
    </message>
    <message>
        <source>Rename selected file or folder</source>
        <comment>RenameTip</comment>
        <translation>Renommer le fichier ou dossier sélectionné</translation>
    </message>
    <message>
        <source>Delete selected file or folder</source>
        <comment>DeleteTip</comment>
        <translation>Supprimer le fichier ou dossier sélectionné</translation>
    </message>
    <message>
        <source>Create new folder</source>
        <comment>NewFolderTip</comment>
        <translation>Créer un nouveau dossier</translation>
    </message>
    <message>
        <source>Drive not available.</source>
        <comment>DriveNotAvailable</comment>
        <translation>Lecteur non disponible.</translation>
    </message>
    <message>
        <source>New</source>
        <comment>New</comment>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>Access to the selected file or folder was denied.</source>
        <comment>AccessDenied</comment>
        <translation>L&apos;accès au fichier ou dossier sélectionné a été refusé.</translation>
    </message>
    <message>
        <source>Do you really want to delete the selected folder</source>
        <comment>DeleteFolderQuestion</comment>
        <translation>Voulez-vous vraiment supprimer le dossier sélectionné</translation>
    </message>
    <message>
        <source>Do you really want to delete the selected file</source>
        <comment>DeleteFileQuestion</comment>
        <translation>Voulez-vous vraiment supprimer le fichier sélectionné</translation>
    </message>
    <message>
        <source>Cancel</source>
        <comment>Cancel</comment>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Drive :</source>
        <comment>Drive</comment>
        <translation>Lecteur :</translation>
    </message>
    <message>
        <source>Path :</source>
        <comment>Path</comment>
        <translation>Chemin :</translation>
    </message>
    <message>
        <source>File type :</source>
        <comment>FileType</comment>
        <translation>Type de fichier :</translation>
    </message>
    <message>
        <source>Rename</source>
        <comment>RenameTitle</comment>
        <translation>Renommer</translation>
    </message>
    <message>
        <source>New folder</source>
        <comment>NewFolderTitle</comment>
        <translation>Nouveau dossier</translation>
    </message>
</context>
<context>
    <name>GraphView</name>
    <message>
        <source>Graph view</source>
        <comment>Title</comment>
        <translation>Graphique</translation>
    </message>
    <message>
        <source>Minimum:</source>
        <comment>Minimum</comment>
        <translation>Minimum :</translation>
    </message>
    <message>
        <source>Maximum:</source>
        <comment>Maximum</comment>
        <translation>Maximum :</translation>
    </message>
    <message>
        <source>Actual:</source>
        <comment>Actual</comment>
        <translation>Actuel :</translation>
    </message>
    <message>
        <source>Pause</source>
        <comment>Pause</comment>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Resume</source>
        <comment>Resume</comment>
        <translation>Reprendre</translation>
    </message>
    <message>
        <source>Reset view</source>
        <comment>ResetView</comment>
        <translation>Réinitialiser la vue</translation>
    </message>
    <message>
        <source>Export</source>
        <comment>Export</comment>
        <translation>Exporter</translation>
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
        <translation>Modifier l&apos;échelle de temps :
<byte value="xd"/>Cliquer avec le bouton gauche ou droit de la souris n&apos;importe où sur les graphiques pour agrandir ou réduire l&apos;échelle de temps.
<byte value="xd"/>Maintenir le bouton gauche enfoncé et déplacer la souris vers la gauche ou la droite pour décaler l&apos;échelle de temps.
<byte value="xd"/>&apos;&apos;Réinitialiser la vue&apos;&apos; rétablit l&apos;échelle de temps d&apos;origine.
<byte value="xd"/>Le zoom est destiné aux mesures enregistrées.
<byte value="xd"/>
<byte value="xd"/>Plusieurs instances du programme peuvent fonctionner simultanément, ce qui permet de comparer des graphiques.
<byte value="xd"/>
<byte value="xd"/>Pendant une mesure en direct, la sélection d&apos;un autre capteur efface les graphiques ; l&apos;enregistrement continue.</translation>
    </message>
    <message>
        <source>Compare...</source>
        <comment>Compare</comment>
        <translation>Comparer...</translation>
    </message>
    <message>
        <source>Clear reference</source>
        <comment>ClearReference</comment>
        <translation>Retirer la référence</translation>
    </message>
    <message>
        <source>Offset:</source>
        <comment>Offset</comment>
        <translation>Décalage :</translation>
    </message>
    <message>
        <source>Align at engine start</source>
        <comment>AlignAtEngineStart</comment>
        <translation>Aligner sur le démarrage</translation>
    </message>
    <message>
        <source>Solid: %1   Dashed: %2</source>
        <comment>Legend</comment>
        <extracomment>Keep %1 and %2: they become numbers.</extracomment>
        <translation>Trait plein : %1   Pointillés : %2</translation>
    </message>
    <message>
        <source>live session</source>
        <comment>LiveSession</comment>
        <translation>mesure en direct</translation>
    </message>
    <message>
        <source>Not in the reference: %1</source>
        <comment>NotInReference</comment>
        <extracomment>Keep %1 and %2: they become numbers.</extracomment>
        <translation>Absent de la référence : %1</translation>
    </message>
    <message>
        <source>The engine does not start in both rides; the offset stays as it is.</source>
        <comment>NoEngineStart</comment>
        <translation>Le moteur ne démarre pas dans les deux trajets ; le décalage reste inchangé.</translation>
    </message>
</context>
<context>
    <name>TroubleCodes</name>
    <message>
        <source>Unknown error</source>
        <comment>Unknown</comment>
        <extracomment>Description of a trouble code that has no text of its own.</extracomment>
        <translation>Défaut inconnu</translation>
    </message>
    <message>
        <source>Manifold absolute pressure circuit malfunction 1</source>
        <comment>P0105</comment>
        <extracomment>Description of trouble code P0105.</extracomment>
        <translation>Capteur pression absolue collecteur 1 - défaut circuit</translation>
    </message>
    <message>
        <source>Intake air temperature circuit malfunction</source>
        <comment>P0110</comment>
        <extracomment>Description of trouble code P0110.</extracomment>
        <translation>Capteur température air admission - défaut circuit</translation>
    </message>
    <message>
        <source>Engine coolant / oil temperature circuit malfunction</source>
        <comment>P0115</comment>
        <extracomment>Description of trouble code P0115.</extracomment>
        <translation>Capteur temp. liquide refroid. / huile - défaut circuit</translation>
    </message>
    <message>
        <source>Throttle position sensor A circuit malfunction</source>
        <comment>P0120</comment>
        <extracomment>Description of trouble code P0120.</extracomment>
        <translation>Capteur position papillon A - défaut circuit</translation>
    </message>
    <message>
        <source>O2 sensor circuit malfunction (Bank1 Sensor 1)</source>
        <comment>P0130</comment>
        <extracomment>Description of trouble code P0130.</extracomment>
        <translation>Sonde O2 - défaut circuit (banc 1 sonde 1)</translation>
    </message>
    <message>
        <source>O2 sensor heater circuit malfunction (Bank1 Sensor 1)</source>
        <comment>P0135</comment>
        <extracomment>Description of trouble code P0135.</extracomment>
        <translation>Chauffage sonde O2 - défaut circuit (banc 1 sonde 1)</translation>
    </message>
    <message>
        <source>O2 sensor circuit malfunction (Bank2 Sensor 2)</source>
        <comment>P0156</comment>
        <extracomment>Description of trouble code P0156.</extracomment>
        <translation>Sonde O2 - défaut circuit (banc 2 sonde 2)</translation>
    </message>
    <message>
        <source>O2 sensor heater circuit malfunction (Bank2 Sensor 2)</source>
        <comment>P0161</comment>
        <extracomment>Description of trouble code P0161.</extracomment>
        <translation>Chauffage sonde O2 - défaut circuit (banc 2 sonde 2)</translation>
    </message>
    <message>
        <source>Injector circuit cylinder 1 malfunction</source>
        <comment>P0201</comment>
        <extracomment>Description of trouble code P0201.</extracomment>
        <translation>Injecteur cylindre 1 - défaut circuit</translation>
    </message>
    <message>
        <source>Injector circuit cylinder 2 malfunction</source>
        <comment>P0202</comment>
        <extracomment>Description of trouble code P0202.</extracomment>
        <translation>Injecteur cylindre 2 - défaut circuit</translation>
    </message>
    <message>
        <source>Injector circuit cylinder 3 malfunction</source>
        <comment>P0203</comment>
        <extracomment>Description of trouble code P0203.</extracomment>
        <translation>Injecteur cylindre 3 - défaut circuit</translation>
    </message>
    <message>
        <source>Injector circuit cylinder 4 malfunction</source>
        <comment>P0204</comment>
        <extracomment>Description of trouble code P0204.</extracomment>
        <translation>Injecteur cylindre 4 - défaut circuit</translation>
    </message>
    <message>
        <source>Fuel pump circuit malfunction</source>
        <comment>P0230</comment>
        <extracomment>Description of trouble code P0230.</extracomment>
        <translation>Pompe à carburant - défaut circuit</translation>
    </message>
    <message>
        <source>Crankshaft position sensor A circuit malfunction</source>
        <comment>P0335</comment>
        <extracomment>Description of trouble code P0335.</extracomment>
        <translation>Capteur position vilebrequin A - défaut circuit</translation>
    </message>
    <message>
        <source>Camshaft position sensor A circuit malfunction</source>
        <comment>P0340</comment>
        <extracomment>Description of trouble code P0340.</extracomment>
        <translation>Capteur position arbre à cames A - défaut circuit</translation>
    </message>
    <message>
        <source>Ignition coil A circuit malfunction</source>
        <comment>P0351</comment>
        <extracomment>Description of trouble code P0351.</extracomment>
        <translation>Bobine d&apos;allumage A - défaut circuit</translation>
    </message>
    <message>
        <source>Ignition coil B circuit malfunction</source>
        <comment>P0352</comment>
        <extracomment>Description of trouble code P0352.</extracomment>
        <translation>Bobine d&apos;allumage B - défaut circuit</translation>
    </message>
    <message>
        <source>Ignition coil C circuit malfunction</source>
        <comment>P0353</comment>
        <extracomment>Description of trouble code P0353.</extracomment>
        <translation>Bobine d&apos;allumage C - défaut circuit</translation>
    </message>
    <message>
        <source>Ignition coil D circuit malfunction</source>
        <comment>P0354</comment>
        <extracomment>Description of trouble code P0354.</extracomment>
        <translation>Bobine d&apos;allumage D - défaut circuit</translation>
    </message>
    <message>
        <source>EVAP system purge valve circuit malfunction</source>
        <comment>P0443</comment>
        <extracomment>Description of trouble code P0443.</extracomment>
        <translation>Électrovanne purge EVAP - défaut circuit</translation>
    </message>
    <message>
        <source>Cooling fan control circuit malfunction</source>
        <comment>P0480</comment>
        <extracomment>Description of trouble code P0480.</extracomment>
        <translation>Commande ventilateur - défaut circuit</translation>
    </message>
    <message>
        <source>Vehicle speed sensor malfunction</source>
        <comment>P0500</comment>
        <extracomment>Description of trouble code P0500.</extracomment>
        <translation>Capteur vitesse véhicule - défaut</translation>
    </message>
    <message>
        <source>ISC valve circuit malfunction</source>
        <comment>P0505</comment>
        <extracomment>Description of trouble code P0505.</extracomment>
        <translation>Valve ISC - défaut circuit</translation>
    </message>
    <message>
        <source>ISC valve, lower than desired rpm</source>
        <comment>P0506</comment>
        <extracomment>Description of trouble code P0506.</extracomment>
        <translation>Valve ISC, régime inférieur à la consigne</translation>
    </message>
    <message>
        <source>ISC valve, higher than desired rpm</source>
        <comment>P0507</comment>
        <extracomment>Description of trouble code P0507.</extracomment>
        <translation>Valve ISC, régime supérieur à la consigne</translation>
    </message>
    <message>
        <source>Starter relay circuit malfunction</source>
        <comment>P0615</comment>
        <extracomment>Description of trouble code P0615.</extracomment>
        <translation>Relais de démarreur - défaut circuit</translation>
    </message>
    <message>
        <source>Gear position switch circuit malfunction</source>
        <comment>P0705</comment>
        <extracomment>Description of trouble code P0705.</extracomment>
        <translation>Contacteur rapport engagé - défaut circuit</translation>
    </message>
    <message>
        <source>EPS torque sensor (Main) circuit malfunction</source>
        <comment>P1111</comment>
        <extracomment>Description of trouble code P1111.</extracomment>
        <translation>Capteur couple EPS (principal) - défaut circuit</translation>
    </message>
    <message>
        <source>EPS torque sensor (Main/Sub) circuit correlation</source>
        <comment>P1113</comment>
        <extracomment>Description of trouble code P1113.</extracomment>
        <translation>Capteur couple EPS (principal/secondaire) - signaux incohérents</translation>
    </message>
    <message>
        <source>EPS torque sensor power supply (5V) circuit malfunction</source>
        <comment>P1114</comment>
        <extracomment>Description of trouble code P1114.</extracomment>
        <translation>Alimentation capteur couple EPS (5V) - défaut circuit</translation>
    </message>
    <message>
        <source>EPS torque sensor (Sub) circuit malfunction</source>
        <comment>P1115</comment>
        <extracomment>Description of trouble code P1115.</extracomment>
        <translation>Capteur couple EPS (secondaire) - défaut circuit</translation>
    </message>
    <message>
        <source>Vehicle speed sensor malfunction</source>
        <comment>P1121</comment>
        <extracomment>Description of trouble code P1121.</extracomment>
        <translation>Capteur vitesse véhicule - défaut</translation>
    </message>
    <message>
        <source>Engine speed signal malfunction</source>
        <comment>P1122</comment>
        <extracomment>Description of trouble code P1122.</extracomment>
        <translation>Signal régime moteur - défaut</translation>
    </message>
    <message>
        <source>Motor circuit voltage malfunction</source>
        <comment>P1141</comment>
        <extracomment>Description of trouble code P1141.</extracomment>
        <translation>Circuit moteur - défaut tension</translation>
    </message>
    <message>
        <source>Motor detecting current malfunction</source>
        <comment>P1142</comment>
        <extracomment>Description of trouble code P1142.</extracomment>
        <translation>Moteur - défaut mesure courant</translation>
    </message>
    <message>
        <source>Motor circuit current too high</source>
        <comment>P1143</comment>
        <extracomment>Description of trouble code P1143.</extracomment>
        <translation>Circuit moteur - courant trop élevé</translation>
    </message>
    <message>
        <source>Motor circuit current too low</source>
        <comment>P1145</comment>
        <extracomment>Description of trouble code P1145.</extracomment>
        <translation>Circuit moteur - courant trop faible</translation>
    </message>
    <message>
        <source>Relay welding</source>
        <comment>P1152</comment>
        <extracomment>Description of trouble code P1152.</extracomment>
        <translation>Relais soudé</translation>
    </message>
    <message>
        <source>Battery voltage too low</source>
        <comment>P1153</comment>
        <extracomment>Description of trouble code P1153.</extracomment>
        <translation>Tension batterie trop faible</translation>
    </message>
    <message>
        <source>Relay malfunction</source>
        <comment>P1154</comment>
        <extracomment>Description of trouble code P1154.</extracomment>
        <translation>Relais - défaut</translation>
    </message>
    <message>
        <source>EPS control unit malfunction</source>
        <comment>P1155</comment>
        <extracomment>Description of trouble code P1155.</extracomment>
        <translation>Calculateur EPS - défaut</translation>
    </message>
    <message>
        <source>Atmospheric pressure sensor circuit malfunction</source>
        <comment>P1450</comment>
        <extracomment>Description of trouble code P1450.</extracomment>
        <translation>Capteur pression atmosphérique - défaut circuit</translation>
    </message>
    <message>
        <source>Serial communication problem between ECM and TCM</source>
        <comment>P1600</comment>
        <extracomment>Description of trouble code P1600.</extracomment>
        <translation>Défaut communication série entre ECM et TCM</translation>
    </message>
    <message>
        <source>Wheel speed sensor rotor malfunction(F)</source>
        <comment>P1613</comment>
        <extracomment>Description of trouble code P1613.</extracomment>
        <translation>Roue phonique capteur vitesse roue - défaut (AV)</translation>
    </message>
    <message>
        <source>Wheel speed sensor rotor malfunction(R)</source>
        <comment>P1614</comment>
        <extracomment>Description of trouble code P1614.</extracomment>
        <translation>Roue phonique capteur vitesse roue - défaut (AR)</translation>
    </message>
    <message>
        <source>ABS actuator circuit malfunction(F)</source>
        <comment>P1622</comment>
        <extracomment>Description of trouble code P1622.</extracomment>
        <translation>Actionneur ABS - défaut circuit (AV)</translation>
    </message>
    <message>
        <source>ABS actuator circuit malfunction(R)</source>
        <comment>P1623</comment>
        <extracomment>Description of trouble code P1623.</extracomment>
        <translation>Actionneur ABS - défaut circuit (AR)</translation>
    </message>
    <message>
        <source>Incorrect tire size or wheel speed sensor related malfunction</source>
        <comment>P1625</comment>
        <extracomment>Description of trouble code P1625.</extracomment>
        <translation>Taille de pneu incorrecte ou défaut lié au capteur vitesse roue</translation>
    </message>
    <message>
        <source>ABS motor malfunction</source>
        <comment>P1635</comment>
        <extracomment>Description of trouble code P1635.</extracomment>
        <translation>Moteur de pompe ABS - défaut</translation>
    </message>
    <message>
        <source>Wheel speed sensor signal malfunction(F)</source>
        <comment>P1641</comment>
        <extracomment>Description of trouble code P1641.</extracomment>
        <translation>Capteur vitesse roue - défaut signal (AV)</translation>
    </message>
    <message>
        <source>Wheel speed sensor circuit open (F)</source>
        <comment>P1642</comment>
        <extracomment>Description of trouble code P1642.</extracomment>
        <translation>Capteur vitesse roue - circuit ouvert (AV)</translation>
    </message>
    <message>
        <source>Wheel speed sensor circuit short (F)</source>
        <comment>P1643</comment>
        <extracomment>Description of trouble code P1643.</extracomment>
        <translation>Capteur vitesse roue - court-circuit (AV)</translation>
    </message>
    <message>
        <source>Wheel speed sensor signal malfunction(R)</source>
        <comment>P1644</comment>
        <extracomment>Description of trouble code P1644.</extracomment>
        <translation>Capteur vitesse roue - défaut signal (AR)</translation>
    </message>
    <message>
        <source>Wheel speed sensor circuit open(R)</source>
        <comment>P1645</comment>
        <extracomment>Description of trouble code P1645.</extracomment>
        <translation>Capteur vitesse roue - circuit ouvert (AR)</translation>
    </message>
    <message>
        <source>Wheel speed sensor circuit short(R)</source>
        <comment>P1646</comment>
        <extracomment>Description of trouble code P1646.</extracomment>
        <translation>Capteur vitesse roue - court-circuit (AR)</translation>
    </message>
    <message>
        <source>Supply voltage(Increased)</source>
        <comment>P1647</comment>
        <extracomment>Description of trouble code P1647.</extracomment>
        <translation>Tension d&apos;alimentation (trop élevée)</translation>
    </message>
    <message>
        <source>Supply voltage(Decreased)</source>
        <comment>P1648</comment>
        <extracomment>Description of trouble code P1648.</extracomment>
        <translation>Tension d&apos;alimentation (trop faible)</translation>
    </message>
    <message>
        <source>Ignition switch signal circuit malfunction</source>
        <comment>P1650</comment>
        <extracomment>Description of trouble code P1650.</extracomment>
        <translation>Signal contacteur d&apos;allumage - défaut circuit</translation>
    </message>
    <message>
        <source>Tip over sensor circuit malfunction</source>
        <comment>P1651</comment>
        <extracomment>Description of trouble code P1651.</extracomment>
        <translation>Capteur de chute - défaut circuit</translation>
    </message>
    <message>
        <source>PTC heater circuit malfunction</source>
        <comment>P1652</comment>
        <extracomment>Description of trouble code P1652.</extracomment>
        <translation>Réchauffeur PTC - défaut circuit</translation>
    </message>
    <message>
        <source>Secondary throttle actuator position sensor circuit malfunction</source>
        <comment>P1654</comment>
        <extracomment>Description of trouble code P1654.</extracomment>
        <translation>Capteur position actionneur papillon secondaire - défaut circuit</translation>
    </message>
    <message>
        <source>Secondary throttle motor circuit malfunction</source>
        <comment>P1655</comment>
        <extracomment>Description of trouble code P1655.</extracomment>
        <translation>Moteur papillon secondaire - défaut circuit</translation>
    </message>
    <message>
        <source>PAIR circuit malfunction</source>
        <comment>P1656</comment>
        <extracomment>Description of trouble code P1656.</extracomment>
        <translation>Système PAIR - défaut circuit</translation>
    </message>
    <message>
        <source>Exhaust control valve actuator position sensor circuit malfunction</source>
        <comment>P1657</comment>
        <extracomment>Description of trouble code P1657.</extracomment>
        <translation>Capteur position actionneur valve d&apos;échappement - défaut circuit</translation>
    </message>
    <message>
        <source>Exhaust control valve motor circuit malfunction</source>
        <comment>P1658</comment>
        <extracomment>Description of trouble code P1658.</extracomment>
        <translation>Moteur valve d&apos;échappement - défaut circuit</translation>
    </message>
    <message>
        <source>ABS solenoid malfunction</source>
        <comment>P1661</comment>
        <extracomment>Description of trouble code P1661.</extracomment>
        <translation>Électrovanne ABS - défaut</translation>
    </message>
    <message>
        <source>Throttle position signal input malfunction</source>
        <comment>P1700</comment>
        <extracomment>Description of trouble code P1700.</extracomment>
        <translation>Signal position papillon - défaut entrée</translation>
    </message>
    <message>
        <source>Manifold absolute pressure circuit malfunction 2</source>
        <comment>P1750</comment>
        <extracomment>Description of trouble code P1750.</extracomment>
        <translation>Capteur pression absolue collecteur 2 - défaut circuit</translation>
    </message>
    <message>
        <source>Decomp solenoid relay circuit malfunction</source>
        <comment>P1751</comment>
        <extracomment>Description of trouble code P1751.</extracomment>
        <translation>Relais électrovanne décompresseur - défaut circuit</translation>
    </message>
    <message>
        <source>Differential lock relay circuit malfunction</source>
        <comment>P1752</comment>
        <extracomment>Description of trouble code P1752.</extracomment>
        <translation>Relais blocage différentiel - défaut circuit</translation>
    </message>
    <message>
        <source>Secondary injector cir. - cyl. 1 malfunction</source>
        <comment>P1764</comment>
        <extracomment>Description of trouble code P1764.</extracomment>
        <translation>Injecteur secondaire cyl. 1 - défaut circuit</translation>
    </message>
    <message>
        <source>Secondary injector cir. - cyl. 2 malfunction</source>
        <comment>P1765</comment>
        <extracomment>Description of trouble code P1765.</extracomment>
        <translation>Injecteur secondaire cyl. 2 - défaut circuit</translation>
    </message>
    <message>
        <source>Secondary injector cir. - cyl. 3 malfunction</source>
        <comment>P1766</comment>
        <extracomment>Description of trouble code P1766.</extracomment>
        <translation>Injecteur secondaire cyl. 3 - défaut circuit</translation>
    </message>
    <message>
        <source>Secondary injector cir. - cyl. 4 malfunction</source>
        <comment>P1767</comment>
        <extracomment>Description of trouble code P1767.</extracomment>
        <translation>Injecteur secondaire cyl. 4 - défaut circuit</translation>
    </message>
    <message>
        <source>PAIR circuit malfunction 2</source>
        <comment>P1768</comment>
        <extracomment>Description of trouble code P1768.</extracomment>
        <translation>Système PAIR - défaut circuit 2</translation>
    </message>
    <message>
        <source>Steering damper solenoid circuit malfunction</source>
        <comment>P1769</comment>
        <extracomment>Description of trouble code P1769.</extracomment>
        <translation>Électrovanne amortisseur de direction - défaut circuit</translation>
    </message>
    <message>
        <source>Crankshaft rotation signal circuit malfunction</source>
        <comment>P1771</comment>
        <extracomment>Description of trouble code P1771.</extracomment>
        <translation>Signal rotation vilebrequin - défaut circuit</translation>
    </message>
    <message>
        <source>Switch circuit malfunction for CVT</source>
        <comment>P1815</comment>
        <extracomment>Description of trouble code P1815.</extracomment>
        <translation>Contacteur CVT - défaut circuit</translation>
    </message>
    <message>
        <source>Secondary pulley speed sensor circuit malfunction</source>
        <comment>P1831</comment>
        <extracomment>Description of trouble code P1831.</extracomment>
        <translation>Capteur régime poulie secondaire - défaut circuit</translation>
    </message>
    <message>
        <source>Motor system malfunction</source>
        <comment>P1861</comment>
        <extracomment>Description of trouble code P1861.</extracomment>
        <translation>Système actionneur moteur - défaut</translation>
    </message>
    <message>
        <source>Pulley position sensor circuit malfunction</source>
        <comment>P1862</comment>
        <extracomment>Description of trouble code P1862.</extracomment>
        <translation>Capteur position poulie - défaut circuit</translation>
    </message>
    <message>
        <source>Belt slip/Pulley position sensor system malfunction</source>
        <comment>P1863</comment>
        <extracomment>Description of trouble code P1863.</extracomment>
        <translation>Patinage courroie/capteur position poulie - défaut système</translation>
    </message>
    <message>
        <source>ECM/PCM power input signal malfunction</source>
        <comment>P2505</comment>
        <extracomment>Description of trouble code P2505.</extracomment>
        <translation>Alimentation ECM/PCM - défaut signal d&apos;entrée</translation>
    </message>
</context>
</TS>
