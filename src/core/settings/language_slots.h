#pragma once

#include "state/maker_web_address.h"

// The slots of the language table, group by group, each with its name, its English text and
// its kind. The lists are X-macros so that the slot enums (language_table.h), the English table
// and the translation files are generated from one place and cannot drift apart.
//
// Kinds:
//   T  translated: every language supplies its own wording; English stands where it does not.
//   S  shared: set in English for every language before the language's own texts.
//   F  fixed: the same text in every language (units, codes, the product name, layout blanks).
//
// Line breaks inside messages are written "\n\r" (a line feed, then a carriage return): the
// message boxes show them as one line break. Two apostrophes ('') stand for a quote mark.

// Group 2: the main window, its messages and the captions of the report.
#define QUILLDAR_MAIN_WINDOW_SLOTS(X) \
    X(WindowTitle, u"Quilldar V2.0.3.4", F) \
    X(ClearErrors, u"Clear errors", T) \
    X(Connect, u"Connect", T) \
    X(NoValue, u"---", F) \
    X(SaveAs, u"Save As...", T) \
    X(Open, u"Open...", T) \
    X(Close, u"Close", T) \
    X(Exit, u"Exit", T) \
    X(NumberOfDtcs, u"Number of DTCs:", T) \
    X(TabEngine, u"Engine", T) \
    X(TabTransmission, u"Transmission", T) \
    X(TabEngineTransmission, u"Engine & Transmission", T) \
    X(TabAbs, u"ABS", F) \
    X(TabEps, u"EPS", F) \
    X(TabErrorCodes, u"Error codes", T) \
    X(TabShowDataWhenTrouble, u"Show data when trouble", T) \
    X(TabActiveTests, u"Active tests", T) \
    X(About, u"About", T) \
    X(HardwareId, u"Hardware ID:", T) \
    X(HardwareSn, u"Hardware SN:", T) \
    X(EcmId, u"ECM ID:", T) \
    X(Disconnect, u"Disconnect", T) \
    X(CommunicationFailed, u"Communication failed", T) \
    X(Error, u"Error", T) \
    X(CommunicationError, u"Communication error occurred", T) \
    X(Pause, u"Pause", T) \
    X(Play, u"Play", T) \
    X(Time, u"Time:", T) \
    X(Seconds, u" sec", T) \
    X(Help, u"Help", T) \
    X(NewVersionQuestion, u"New version available...\n\rWould you like to install now?", T) \
    X(Attention, u"Attention", T) \
    X(DownloadError, u"Download error \n\rPlease try again later", T) \
    X(ClearErrorsQuestion, u"Error codes will be cleared. Continue?", T) \
    X(TitleSeparator, u"                        ", F) \
    X(UnsavedContinueQuestion, u"Last session was not saved!\n\rWould you like to continue?", T) \
    X(AttentionUnsaved, u"Attention", T) \
    X(FaqUpdated, u"FAQ page has been updated.", T) \
    X(Note, u"Note", T) \
    X(UnsavedExitQuestion, u"Last session was not saved!\n\rWould you like to exit anyway?", T) \
    X(Settings, u"Settings", T) \
    X(Models, u"Models", T) \
    X(Faq, u"FAQ", T) \
    X(GraphView, u"Graph view", T) \
    X(OfflineMode, u"Offline mode", T) \
    X(FileLocked, u"File is locked by another application.", T) \
    X(FileCorrupted, u"File is corrupted, load skipped.", T) \
    X(ActualSensorData, u"Actual sensor data:", T) \
    X(Date, u"Date: ", T) \
    X(TimeOfDay, u"Time: ", T) \
    X(Ok, u"Ok", S) \
    X(Print, u"Print", T) \
    X(PleaseWait, u"Please wait while downloading...", T) \
    X(ProductTitle, u"Quilldar", F) \
    X(FileNotWritten, u"The file could not be written:\n%1", T) \
    X(ReportSavedNoViewer, u"The report was saved as %1.\nNo program to show PDF files was found.", T) \
    X(FaqNoViewer, u"The FAQ document is %1.\nNo program to show PDF files was found.", T) \
    X(OtherCopyUsesModule, u"Another Quilldar uses the module", T) \
    X(DiscardLeftoverQuestion, u"The last session was not saved. Discard its records and continue?", T) \
    X(RecordingNotSaved, u"The recording could not be saved: %1\nIt is kept; try another folder or name.", T) \
    X(RecordingNotOpened, u"The recording %1 cannot be opened: %2", T) \
    X(NotARecording, u"it is not a recording", T) \
    X(NoUnsavedRecords, u"there are no unsaved records", T) \
    X(SessionEnded, u"Session ended at %1: %2.", T) \
    X(RecordsKeptForSaveAs, u" %1 records kept for Save As.", T) \
    X(ModuleUnplugged, u"Module unplugged", T) \
    X(ModuleSilent, u"No reply from the module", T) \
    X(UnitDisconnected, u"The control unit disconnected", T) \
    X(ReportFolderNotCreated, u"The folder %1 cannot be created.", T) \
    X(PdfLibraryFailed, u"The PDF library could not create a document.", T) \
    X(ReportNotWritten, u"The report could not be written to %1.", T) \
    X(OfflineExplanation, u"%1. This copy opens, plays, graphs and prints recordings; close the other copy to use the module here.", T) \
    X(WrongTabHint, u"The unit tried was %1, the unit of the selected tab. To connect to another unit, select its tab first, then press Connect.", T) \
    X(RecordingStopped, u"The session cannot be recorded to disk: %1\nLive data is still shown but no longer recorded. What was recorded before is kept: save it with Save As after Disconnect.", T) \
    X(CheckLibrary, u"HID library", T) \
    X(CheckDevice, u"USB device %1", T) \
    X(CheckPermission, u"Device permission", T) \
    X(CheckOtherInstance, u"Other Quilldar", T) \
    X(CheckModuleAnswers, u"Module answers", T) \
    X(CheckVehiclePower, u"Vehicle power", T) \
    X(CheckFix, u"Fix:", T) \
    X(CheckLibraryLoads, u"%1 loads.", T) \
    X(CheckLibraryNotNeeded, u"not needed by the simulated module.", T) \
    X(CheckWordNoLibrary, u"No library", T) \
    X(CheckLibraryMissing, u"%1 cannot be loaded.", T) \
    X(CheckLibraryFix, u"Install it with: sudo apt-get install libhidapi-hidraw0", T) \
    X(CheckDeviceFound, u"plugged in.", T) \
    X(CheckWordNoUsb, u"No USB", T) \
    X(CheckDeviceMissing, u"not found among the USB HID devices.", T) \
    X(CheckDeviceFix, u"Plug the interface module in; try another USB port or cable. lsusb should list %1.", T) \
    X(CheckAccessGranted, u"this user may read and write the module.", T) \
    X(CheckWordNoAccess, u"No access", T) \
    X(CheckAccessDenied, u"the module is plugged in but this user may not open it%1.", T) \
    X(CheckRuleMissingFix, u"Install the Quilldar package, which brings the udev rule, or install the rule by hand: sudo cp packaging/linux/%1 /etc/udev/rules.d/ && sudo udevadm control --reload-rules && sudo udevadm trigger; then unplug and replug the module.", T) \
    X(CheckJoinGroupFix, u"The udev rule %1 is installed: unplug and replug the module. If it still fails (for example when not logged in at this computer's own screen), join the plugdev group with: sudo adduser %2 plugdev, then log out and in again.", T) \
    X(CheckReloadRulesFix, u"The udev rule %1 is installed and %2 is in the plugdev group: unplug and replug the module; if that does not help, run: sudo udevadm control --reload-rules && sudo udevadm trigger.", T) \
    X(CheckNoOtherInstance, u"none is using the module.", T) \
    X(CheckWordInUse, u"In use", T) \
    X(CheckOtherInstanceFound, u"another copy of Quilldar owns the module.", T) \
    X(CheckOtherInstanceFix, u"Close the other Quilldar window (or use it), then try again.", T) \
    X(CheckModuleAnswered, u"hardware ID %1, serial number %2, type %3.", T) \
    X(CheckWordNoReply, u"No reply", T) \
    X(CheckModuleSilent, u"the module did not answer.", T) \
    X(CheckModuleSilentFix, u"Unplug the module, wait a few seconds, plug it in again and retry.", T) \
    X(CheckWordWrongType, u"Wrong type", T) \
    X(CheckModuleOtherType, u"the module is of another type; Quilldar works only with type '1'.", T) \
    X(CheckModuleTypeIs, u"the module is of type '%1'; Quilldar works only with type '1'.", T) \
    X(CheckWrongTypeFix, u"Use a Quilldar interface module; this one is meant for another program.", T) \
    X(CheckPowerStable, u"stable (%1 power reports in a row).", T) \
    X(CheckWordNoPower, u"No power", T) \
    X(CheckPowerUnstable, u"not stable within %1.", T) \
    X(CheckSeconds, u"%1 seconds", T) \
    X(CheckPolls, u"%1 polls", T) \
    X(CheckPowerFix, u"Switch the ignition on, check the battery and that the diagnostic connector sits firmly.", T) \
    X(CheckPowerPollLost, u"the module stopped answering while power was polled.", T) \
    X(CheckUsbCableFix, u"Check the USB cable; unplug and replug the module.", T) \
    X(CheckNotChecked, u"not checked (an earlier check failed).", T) \
    X(UpdateVersionFileNotStored, u"The update check could not save its version file in %1 (%2).\nNo update was fetched: your program and your FAQ documents stay as they are.", T) \
    X(UpdateInstallerNotStored, u"The new version could not be saved in %1 (%2).\nYour installed version stays as it is.", T) \
    X(UpdateFaqNotStored, u"The new FAQ documents could not be saved in %1 (%2).\nYour current FAQ documents are kept.", T) \
    X(UpdateFaqNotPdf, u"The server sent something other than a PDF document for %1.\nYour current FAQ documents are kept.", T) \
    X(UpdateFolderNotCreated, u"the folder cannot be created", T) \
    X(UpdateDocumentNotRenamed, u"a document cannot be renamed", T) \
    X(UpdateNotVerified, u"The downloaded update could not be verified and was discarded.", T)

// Group 3: the Engine page. The order is the engine text list: the row labels in row order with
// the placeholder at index 35, then the ISC unit word and the six switch state words.
#define QUILLDAR_ENGINE_PAGE_SLOTS(X) \
    X(EngineSpeed, u"Engine speed", T) \
    X(ThrottlePosition, u"Throttle position", T) \
    X(SecondaryThrottlePosition, u"Secondary throttle position", T) \
    X(CoolantTemperature, u"Engine coolant / oil temperature", T) \
    X(IntakeAirTemperature, u"Intake air temperature", T) \
    X(ManifoldPressure1, u"Manifold absolute pressure 1", T) \
    X(ManifoldPressure2, u"Manifold absolute pressure 2", T) \
    X(AtmosphericPressure, u"Atmospheric pressure", T) \
    X(BatteryVoltage, u"Battery voltage", T) \
    X(VehicleSpeed, u"Vehicle speed", T) \
    X(ExhaustValveActuator, u"Exhaust control valve actuator", T) \
    X(O2SensorBank1, u"O2 sensor Bank 1 - Sensor 1", T) \
    X(O2SensorBank2, u"O2 sensor Bank 2 - Sensor 2", T) \
    X(TargetIdleSpeed, u"Target idle speed", T) \
    X(SteeringDamperCurrent, u"Steering damper solenoid current", T) \
    X(Cylinder1Injection, u"Cylinder 1 injection time", T) \
    X(Cylinder2Injection, u"Cylinder 2 injection time", T) \
    X(Cylinder3Injection, u"Cylinder 3 injection time", T) \
    X(Cylinder4Injection, u"Cylinder 4 injection time", T) \
    X(Advance, u"Advance", T) \
    X(IscValvePosition, u"ISC valve position", T) \
    X(GearPosition, u"Gear position", T) \
    X(IscDuty, u"ISC duty", T) \
    X(ExhaustValveSelectTerminal, u"Exhaust valve control select terminal", T) \
    X(O2SensorSelectTerminal, u"O2 sensor control select terminal", T) \
    X(NeutralSwitch, u"Neutral switch signal", T) \
    X(DrivingMode1, u"Driving mode selection 1", T) \
    X(DrivingMode2, u"Driving mode selection 2", T) \
    X(IgnitionSwitch, u"Ignition switch signal", T) \
    X(ClutchSwitch, u"Clutch switch signal", T) \
    X(StarterSignal, u"Starter signal", T) \
    X(EvapPurgeValve, u"EVAP purge valve", T) \
    X(TipOverSensor, u"Tip over sensor", T) \
    X(CoolingFanRelay, u"Cooling fan relay", T) \
    X(PairSolenoidValve, u"PAIR control solenoid valve", T) \
    X(NoValue, u"---", F) \
    X(SideStandSwitch, u"Side stand switch", T) \
    X(LoadCutOffRelay, u"Load cut off relay", T) \
    X(ShiftSwitch, u"Shift switch signal", T) \
    X(SpeedLimiter, u"Engine speed limiter signal", T) \
    X(Steps, u"Steps", T) \
    X(Open, u"Open", T) \
    X(Gnd, u"GND", T) \
    X(Normal, u"Normal", T) \
    X(Abnormal, u"Abnormal", T) \
    X(On, u"On", T) \
    X(Off, u"Off", T)

// Group 4: the Transmission page: the numeric rows, the switch rows, then the gear text shown
// while the transmission runs in automatic mode.
#define QUILLDAR_TRANSMISSION_PAGE_SLOTS(X) \
    X(VehicleSpeed, u"Vehicle speed", T) \
    X(ThrottlePosition, u"Throttle position", T) \
    X(CoolantTemperature, u"Engine coolant / oil temperature", T) \
    X(EngineSpeed, u"Engine speed", T) \
    X(SecondaryPulleySpeed, u"Secondary pulley speed sensor", T) \
    X(PulleyPositionRatio, u"Pulley position sensor ratio", T) \
    X(PulleySpeedRatio, u"Pulley speed ratio", T) \
    X(BatteryVoltage, u"Battery voltage", T) \
    X(RelayContactVoltage, u"Relay contact voltage", T) \
    X(MotorTerminalVoltageA, u"Motor terminal voltage A", T) \
    X(MotorTerminalVoltageB, u"Motor terminal voltage B", T) \
    X(MotorCurrent, u"Motor current", T) \
    X(GearPosition, u"Gear position", T) \
    X(MotorLock, u"Motor lock", T) \
    X(MotorShort, u"Motor short", T) \
    X(MotorDisconnection, u"Motor disconnection", T) \
    X(RelayContactWelding, u"Relay contact welding", T) \
    X(RelayContactFailure, u"Relay contact failure", T) \
    X(PowerModeSwitchMalfunction, u"Power mode switch circuit malfunction", T) \
    X(AutoShiftSwitchMalfunction, u"Auto shift switch circuit malfunction", T) \
    X(UpShiftSwitchMalfunction, u"Up shift switch circuit malfunction", T) \
    X(DownShiftSwitchMalfunction, u"Down shift switch circuit malfunction", T) \
    X(MotorLockHistory, u"Motor lock (History)", T) \
    X(MotorShortHistory, u"Motor short (History)", T) \
    X(MotorDisconnectionHistory, u"Motor disconnection (History)", T) \
    X(CenterStandSwitch, u"Center stand switch", T) \
    X(BrakeSwitch, u"Brake switch", T) \
    X(PowerModeSwitch, u"Power mode switch", T) \
    X(AutoShiftModeSwitch, u"Auto shift mode switch", T) \
    X(UpShiftSwitch, u"Up shift switch", T) \
    X(DownShiftSwitch, u"Down shift switch", T) \
    X(ShiftControlSwitch, u"Shift control switch", T) \
    X(NormalMode, u"Normal mode", T) \
    X(PowerMode, u"Power mode", T) \
    X(AutoShiftMode, u"Auto shift mode", T) \
    X(ManualShiftMode, u"Manual shift mode", T) \
    X(AutoMode, u"Auto mode", T)

// Group 5: the Engine & Transmission page: engine rows, transmission rows, switch rows, then the
// automatic-mode gear text.
#define QUILLDAR_COMBINED_PAGE_SLOTS(X) \
    X(EngineSpeed, u"Engine speed", T) \
    X(ThrottlePosition, u"Throttle position", T) \
    X(SecondaryThrottleActuator, u"Secondary throttle actuator", T) \
    X(CoolantTemperature, u"Engine coolant / oil temperature", T) \
    X(IntakeAirTemperature, u"Intake air temperature", T) \
    X(ManifoldPressure1, u"Manifold absolute pressure 1", T) \
    X(AtmosphericPressure, u"Atmospheric pressure", T) \
    X(BatteryVoltage, u"Battery voltage", T) \
    X(VehicleSpeed, u"Vehicle speed", T) \
    X(O2SensorBank1, u"O2 sensor Bank 1 - Sensor 1", T) \
    X(TargetIdleSpeed, u"Target idle speed", T) \
    X(IscValvePosition, u"ISC valve position", T) \
    X(O2SensorSelectTerminal, u"O2 sensor control select terminal", T) \
    X(IgnitionSwitch, u"Ignition switch signal", T) \
    X(StarterSignal, u"Starter signal", T) \
    X(TipOverSensor, u"Tip over sensor", T) \
    X(PairSolenoidValve, u"PAIR control solenoid valve", T) \
    X(SecondaryPulleySpeed, u"Secondary pulley speed sensor", T) \
    X(PulleyPositionRatio, u"Pulley position sensor ratio", T) \
    X(PulleySpeedRatio, u"Pulley speed ratio", T) \
    X(RelayContactVoltage, u"Relay contact voltage", T) \
    X(MotorTerminalVoltageA, u"Motor terminal voltage A", T) \
    X(MotorTerminalVoltageB, u"Motor terminal voltage B", T) \
    X(MotorCurrent, u"Motor current", T) \
    X(GearPosition, u"Gear position", T) \
    X(MotorLock, u"Motor lock", T) \
    X(MotorShort, u"Motor short", T) \
    X(MotorDisconnection, u"Motor disconnection", T) \
    X(RelayContactWelding, u"Relay contact welding", T) \
    X(CenterStandSwitch, u"Center stand switch", T) \
    X(BrakeSwitch, u"Brake switch", T) \
    X(PowerModeSwitch, u"Power mode switch", T) \
    X(ModeSelectSwitch, u"Mode select switch", T) \
    X(UpShiftSwitch, u"Up shift switch", T) \
    X(DownShiftSwitch, u"Down shift switch", T) \
    X(DriveMode, u"Drive mode", T) \
    X(PowerMode, u"Power mode", T) \
    X(CvtShiftMode, u"CVT shift mode", T) \
    X(SevenSpeedShiftMode, u"7MT shift mode", T) \
    X(AutoMode, u"Auto mode", T)

// Group 6: the ABS page.
#define QUILLDAR_ABS_PAGE_SLOTS(X) \
    X(BrakeSwitch, u"Brake switch", T) \
    X(WheelSpeedFront, u"Wheel speed sensor (Front)", T) \
    X(WheelSpeedRear, u"Wheel speed sensor (Rear)", T) \
    X(MonitoringVoltage, u"Monitoring voltage", T) \
    X(InletValveFrontFault, u"ABS solenoid IN/V open or short (F)", T) \
    X(OutletValveFrontFault, u"ABS solenoid OUT/V open or short (F)", T) \
    X(InletValveRearFault, u"ABS solenoid IN/V open or short (R)", T) \
    X(OutletValveRearFault, u"ABS solenoid OUT/V open or short (R)", T) \
    X(ValveRelayLock, u"ABS solenoid valve relay lock", T) \
    X(Motor, u"ABS motor", T) \
    X(MotorRelayLockOff, u"ABS motor relay lock (Off)", T) \
    X(MotorRelayLockOn, u"ABS motor relay lock (On)", T) \
    X(ServiceCheckSignal, u"Service check signal position", T) \
    X(ValveRelayOperate, u"ABS solenoid valve relay operate", T) \
    X(InletValveFrontOperate, u"ABS solenoid IN/V (F) operate", T) \
    X(OutletValveFrontOperate, u"ABS solenoid OUT/V (F) operate", T) \
    X(InletValveRearOperate, u"ABS solenoid IN/V (R) operate", T) \
    X(OutletValveRearOperate, u"ABS solenoid OUT/V (R) operate", T) \
    X(MotorOperate, u"ABS motor operate", T)

// Group 7: the EPS page.
#define QUILLDAR_EPS_PAGE_SLOTS(X) \
    X(BatteryVoltage, u"Battery voltage", T) \
    X(MotorCurrentTarget, u"Motor current target", T) \
    X(MotorCurrentDetection, u"Motor current detection", T) \
    X(TorqueSensorSupply, u"Steering torque sensor power supply", T) \
    X(TorqueMain, u"Steering torque main", T) \
    X(TorqueSub, u"Steering torque sub", T) \
    X(ControlTorque, u"Steering control torque", T) \
    X(MotorTerminalVoltage, u"Motor terminal voltage", T) \
    X(VehicleSpeed, u"Vehicle speed", T) \
    X(EngineSpeed, u"Engine speed", T) \
    X(IgnitionSwitch, u"Ignition switch", T) \
    X(SystemPower, u"System power", T) \
    X(RelayOutput, u"Relay output", T)

// Group 8: the Error codes page: the column header (names separated by ';') and the status
// words.
#define QUILLDAR_ERROR_CODES_PAGE_SLOTS(X) \
    X(Header, u"DTC No.:;Detected failure condition:;Current/Past:;", T) \
    X(Past, u"Past", T) \
    X(Pending, u"Pending", T) \
    X(Current, u"Current", T)

// Group 9: the Show data when trouble page: the two table headers, the row names, their units
// and the gear texts.
#define QUILLDAR_FREEZE_FRAME_PAGE_SLOTS(X) \
    X(Fault1Header, \
      u"Fault 1#;Pre-detect;Detect point;Post-detect;Fix point;Cycle min;Cycle max;Unit;", T) \
    X(Fault2Header, \
      u"Fault 2#;Pre-detect;Detect point;Post-detect;Fix point;Cycle min;Cycle max;Unit;", T) \
    X(EngineSpeed, u"Engine speed", T) \
    X(ThrottlePosition, u"Throttle position", T) \
    X(ManifoldPressure, u"Manifold absolute pressure 1", T) \
    X(CoolantTemperature, u"Engine coolant / oil temperature", T) \
    X(GearPosition, u"Gear position", T) \
    X(SecondaryThrottlePosition, u"Secondary throttle position", T) \
    X(UnitRpm, u"rpm", F) \
    X(UnitDegree, u"\u00B0", F) \
    X(UnitKpa, u"kPa", F) \
    X(UnitCelsius, u"\u00B0C", F) \
    X(UnitPercent, u"%", F) \
    X(GearNeutral, u"N", F) \
    X(GearLow, u"Low", T) \
    X(GearHigh, u"High", T)

// Group 10: the Active tests page: row labels, button words, units and messages.
#define QUILLDAR_ACTIVE_TESTS_PAGE_SLOTS(X) \
    X(SteeringDamperControl, u"Steering damper solenoid operating control", T) \
    X(SecondaryThrottleControl, u"Secondary throttle operating control", T) \
    X(ExhaustValveControl, u"Exhaust valve operating control", T) \
    X(IscAirVolumeControl, u"ISC air volume control", T) \
    X(IscRpmControl, u"ISC rpm control", T) \
    X(EvapPurgeControl, u"EVAP purge valve operating control", T) \
    X(PairSolenoidControl, u"PAIR solenoid operating control", T) \
    X(CoolingFanControl, u"Cooling fan relay control", T) \
    X(PpsLearnedReset, u"PPS learned value reset", T) \
    X(IscLearnedReset, u"ISC learned value reset", T) \
    X(TpLearnedReset, u"TP learned valve reset", T) \
    X(On, u"On", T) \
    X(Off, u"Off", T) \
    X(Close, u"Close", T) \
    X(Open, u"Open", T) \
    X(Start, u"Start", T) \
    X(Stop, u"Stop", T) \
    X(Reset, u"Reset", T) \
    X(UnitAmpere, u"A", F) \
    X(UnitPercent, u"%", F) \
    X(UnitRpm, u"rpm", F) \
    X(NoValue, u"---", F) \
    X(CoolantOutOfCondition, \
      u"Can not execute because engine coolant temp is out of executable condition", T) \
    X(SpeedOutOfCondition, u"Can not execute because engine speed is out of executable condition", \
      T) \
    X(NotSupported, u"Can not execute because this ECM does not support this function", T) \
    X(ResetDone, u"Reset has been performed successfully.", T) \
    X(IscResetQuestion, u"Execute ISC learned value reset?", T)

// Group 11: the About dialog. The notice line and the web address are the maker's own data.
#define QUILLDAR_ABOUT_DIALOG_SLOTS(X) \
    X(Description, \
      u"This software along with the hardware interface module allows the user to quickly determine the cause of the FI light coming on. " \
      u"The user is able to read the error codes and clear them after the repair. " \
      u"Sensor values are shown in real time, enabling a trained personnel for extended fault and engine performance analysis. " \
      u"Test functions are also included.\n\r\r" \
      u"The measurements are captured automatically and can be saved and played back from file. " \
      u"The program can run in multiple copies at the same time, which makes it possible to compare live readings to previously recorded values, or compare two recordings.\n\r\r" \
      u"The USB connection, compact size and auto setup make this product portable and extremely easy to use. " \
      u"The interface module is completely sealed (waterproof) and covered by our 2 year warranty. " \
      u"Software updates are offered free of charge for the lifetime of this product.", \
      T) \
    X(Notice, u"\u00A9 2016 Morvalin Electronics Ltd. All rights reserved.", F) \
    X(WebAddress, ::quilldar::app::kMakerWebAddress, F) \
    X(Close, u"Close", T) \
    X(About, u"About", T)

// Group 12: the Models dialog. The two lists are the same in every language.
#define QUILLDAR_MODELS_DIALOG_SLOTS(X) \
    X(Close, u"Close", T) \
    X(Motorcycles, u"MOTORCYCLES:", T) \
    X(Atvs, u"ATVs:", S) \
    X(MotorcycleList, \
      u"AN250 Burgman (2003-2013), AN400 Burgman (2003-2016), AN650 Burgman (2003-2016), B-King (2008-2012),\r\n" \
      u"Boulevard C50 (2005-2016), Boulevard M50 (2005-2016), Boulevard C90 (2005-2015), Boulevard C90T (2015-2016),\r\n" \
      u"\nBoulevard M90 (2009-2016), Boulevard C109R/T (2008-2015), Boulevard M109R/R2 (2006-2016), DL650 V-Strom (2004-2016),\r\n" \
      u"DL1000 V-Strom (2004-2016), DR125SM (ALL years), FL125SDW (ALL years), Gladius (2009-2015), GSF650 Bandit (2007-2015),\r\n" \
      u"\nGSF1250 N/NA Bandit (2007-2013), GSF1250 S/SA Bandit (2007-2016), GSR400 (ALL years), GSR600 (ALL years), GSR750 (2011-2016),\r\n" \
      u"GSX650F (2008-2015), GSX1250FA (2010-2015), GSX1300R Hayabusa (2008-2016), GSX1400 (2004-2009), GSX-R600 (2004-2016),\r\n" \
      u"\nGSX-R750 (2004-2016), GSX-R1000 (2003-2016), GSX-S750 (2015-2016), GSX-S1000 (2015-2016), GW250 (2011-2015), GZ125 (2007-2011),\r\n" \
      u"Inazuma 250 (2011-2015), Intruder 250 LC (2015), Intruder C800 (2005-2016), Intruder M800 (2005-2015), Intruder C1500 (2005-2015),\r\n" \
      u"\nIntruder M1500 (2009-2015), Intruder C1800R (2008-2015), Intruder M1800R (2006-2015), RMX-450Z (ALL years),\r\n" \
      u"RM-Z250 [FI model] (ALL years), RM-Z450 [FI model] (ALL years), RV125 VanVan (2007-2015), RV200 VanVan (2008-2012), SFV400\r\n" \
      u"\n(2010-2012), SFV650 (2009-2015), ST250X (2008-2011), SV650 (2003-2015), SV1000 (2003-2009), TU250 (2009-2016), UH125 (2007-2014),\r\n" \
      u"UH200 (2007-2014), UK110 (2015), UL250 (2008), UX125 (2008-2011), UX150 (2008-2011), UZ50 (2015), VL400 (2009-2011),\r\n" \
      u"\nVL800 Intruder Volusia (2005-2016), VL1500 Intruder (2005-2015), VLR1800 (2008-2015), VZ400 (2009-2013), VZ800 Marauder\r\n" \
      u"(2005-2015), VZ1500 (2009-2015), VZR1800 (2006-2015)", \
      S) \
    X(AtvList, \
      u"LT-A300 KingQuad [ATV] (2015), LT-A400 KingQuad [ATV] (2010-2015), LT-A450X KingQuad [ATV] (2007-2011), LT-A500XP KingQuad [ATV]\r\n" \
      u"(2009-2015), LT-A700X KingQuad [ATV] (2005-2007), LT-A750X KingQuad [ATV] (2008-2015), LT-A750XP KingQuad [ATV] (2009-2015),\r\n" \
      u"\nLT-F400 King Quad [ATV] (2010-2015), LT-R450 QuadSport [ATV] (2006-2012), LT-Z400 QuadSport [ATV] (2009-2015)", \
      S)

// Group 13: the settings dialog. The last slot is the message of the highlighting period check.
#define QUILLDAR_SETTINGS_DIALOG_SLOTS(X) \
    X(Caption, u"Settings", T) \
    X(Speed, u"Speed", T) \
    X(Temperature, u"Temperature", T) \
    X(Pressure, u"Pressure", T) \
    X(Airflow, u"Airflow", T) \
    X(Language, u"Language", T) \
    X(HighlightingPeriod, u"Highlighting period (sec)", T) \
    X(IntegerRange, u"Please enter an integer between %1 and %2.", T)

// Group 14: the file browser. The dialog reads these when it opens; the group has no marker.
#define QUILLDAR_FILE_BROWSER_SLOTS(X) \
    X(NoPermission, u"You do not have permission to save to this folder.", T) \
    X(FileNotFound, u"File not found.", T) \
    X(TheFile, u"The file", T) \
    X(AlreadyExists, u"already exists.\n\rWould you like to overwrite this file ?", T) \
    X(Open, u"Open", T) \
    X(Filter, u"Filter :", T) \
    X(FileName, u"File name:", T) \
    X(Save, u"Save", T) \
    X(SaveAs, u"Save as", T) \
    X(RenameTip, u"Rename selected file or folder", T) \
    X(DeleteTip, u"Delete selected file or folder", T) \
    X(NewFolderTip, u"Create new folder", T) \
    X(DriveNotAvailable, u"Drive not available.", T) \
    X(New, u"New", T) \
    X(AccessDenied, u"Access to the selected file or folder was denied.", T) \
    X(DeleteFolderQuestion, u"Do you really want to delete the selected folder", T) \
    X(DeleteFileQuestion, u"Do you really want to delete the selected file", T) \
    X(Cancel, u"Cancel", T) \
    X(Drive, u"Drive :", T) \
    X(Path, u"Path :", T) \
    X(FileType, u"File type :", T) \
    X(RenameTitle, u"Rename", T) \
    X(NewFolderTitle, u"New folder", T)

// Group 15: the graph view, then its help text.
#define QUILLDAR_GRAPH_VIEW_SLOTS(X) \
    X(Title, u"Graph view", T) \
    X(Minimum, u"Minimum:", T) \
    X(Maximum, u"Maximum:", T) \
    X(Actual, u"Actual:", T) \
    X(Pause, u"Pause", T) \
    X(Resume, u"Resume", T) \
    X(ResetView, u"Reset view", T) \
    X(Export, u"Export", T) \
    X(HelpText, \
      u"Change the Time scale:\n\r" \
      u"Click with the left or right mouse button anywhere on the graphs to zoom the time scale " \
      u"in or out.\n\r" \
      u"Press the left mouse button and move the mouse left or right to move the time scale.\n\r" \
      u"Press ''Reset view'' to reset the time scale.\n\r" \
      u"Zooming is meant for recorded measurements.\n\r\n\r" \
      u"Several instances of the program can run at the same time, so that graphs can be " \
      u"compared.\n\r\n\r" \
      u"During a live measurement, selecting another sensor erases the graphs while the " \
      u"recording continues.", \
      T) \
    X(Compare, u"Compare...", T) \
    X(ClearReference, u"Clear reference", T) \
    X(Offset, u"Offset:", T) \
    X(AlignAtEngineStart, u"Align at engine start", T) \
    X(Legend, u"Solid: %1   Dashed: %2", T) \
    X(LiveSession, u"live session", T) \
    X(NotInReference, u"Not in the reference: %1", T) \
    X(NoEngineStart, u"The engine does not start in both rides; the offset stays as it is.", T)

// Group 16: the trouble-code descriptions, by DTC number; Unknown is the fallback of slot 0.
#define QUILLDAR_TROUBLE_CODE_SLOTS(X) \
    X(Unknown, 0, u"Unknown error", T) \
    X(P0105, 105, u"Manifold absolute pressure circuit malfunction 1", T) \
    X(P0110, 110, u"Intake air temperature circuit malfunction", T) \
    X(P0115, 115, u"Engine coolant / oil temperature circuit malfunction", T) \
    X(P0120, 120, u"Throttle position sensor A circuit malfunction", T) \
    X(P0130, 130, u"O2 sensor circuit malfunction (Bank1 Sensor 1)", T) \
    X(P0135, 135, u"O2 sensor heater circuit malfunction (Bank1 Sensor 1)", T) \
    X(P0156, 156, u"O2 sensor circuit malfunction (Bank2 Sensor 2)", T) \
    X(P0161, 161, u"O2 sensor heater circuit malfunction (Bank2 Sensor 2)", T) \
    X(P0201, 201, u"Injector circuit cylinder 1 malfunction", T) \
    X(P0202, 202, u"Injector circuit cylinder 2 malfunction", T) \
    X(P0203, 203, u"Injector circuit cylinder 3 malfunction", T) \
    X(P0204, 204, u"Injector circuit cylinder 4 malfunction", T) \
    X(P0230, 230, u"Fuel pump circuit malfunction", T) \
    X(P0335, 335, u"Crankshaft position sensor A circuit malfunction", T) \
    X(P0340, 340, u"Camshaft position sensor A circuit malfunction", T) \
    X(P0351, 351, u"Ignition coil A circuit malfunction", T) \
    X(P0352, 352, u"Ignition coil B circuit malfunction", T) \
    X(P0353, 353, u"Ignition coil C circuit malfunction", T) \
    X(P0354, 354, u"Ignition coil D circuit malfunction", T) \
    X(P0418, 418, u"PAIR System Control ''A'' Circuit malfunction", S) \
    X(P0443, 443, u"EVAP system purge valve circuit malfunction", T) \
    X(P0480, 480, u"Cooling fan control circuit malfunction", T) \
    X(P0500, 500, u"Vehicle speed sensor malfunction", T) \
    X(P0505, 505, u"ISC valve circuit malfunction", T) \
    X(P0506, 506, u"ISC valve, lower than desired rpm", T) \
    X(P0507, 507, u"ISC valve, higher than desired rpm", T) \
    X(P0615, 615, u"Starter relay circuit malfunction", T) \
    X(P0705, 705, u"Gear position switch circuit malfunction", T) \
    X(P0720, 720, u"Output Speed Sensor Circuit Malfunction", S) \
    X(P0725, 725, u"Engine Speed Input Circuit Malfunction", S) \
    X(P1111, 1111, u"EPS torque sensor (Main) circuit malfunction", T) \
    X(P1113, 1113, u"EPS torque sensor (Main/Sub) circuit correlation", T) \
    X(P1114, 1114, u"EPS torque sensor power supply (5V) circuit malfunction", T) \
    X(P1115, 1115, u"EPS torque sensor (Sub) circuit malfunction", T) \
    X(P1121, 1121, u"Vehicle speed sensor malfunction", T) \
    X(P1122, 1122, u"Engine speed signal malfunction", T) \
    X(P1141, 1141, u"Motor circuit voltage malfunction", T) \
    X(P1142, 1142, u"Motor detecting current malfunction", T) \
    X(P1143, 1143, u"Motor circuit current too high", T) \
    X(P1145, 1145, u"Motor circuit current too low", T) \
    X(P1152, 1152, u"Relay welding", T) \
    X(P1153, 1153, u"Battery voltage too low", T) \
    X(P1154, 1154, u"Relay malfunction", T) \
    X(P1155, 1155, u"EPS control unit malfunction", T) \
    X(P1450, 1450, u"Atmospheric pressure sensor circuit malfunction", T) \
    X(P1600, 1600, u"Serial communication problem between ECM and TCM", T) \
    X(P1613, 1613, u"Wheel speed sensor rotor malfunction(F)", T) \
    X(P1614, 1614, u"Wheel speed sensor rotor malfunction(R)", T) \
    X(P1622, 1622, u"ABS actuator circuit malfunction(F)", T) \
    X(P1623, 1623, u"ABS actuator circuit malfunction(R)", T) \
    X(P1625, 1625, u"Incorrect tire size or wheel speed sensor related malfunction", T) \
    X(P1635, 1635, u"ABS motor malfunction", T) \
    X(P1641, 1641, u"Wheel speed sensor signal malfunction(F)", T) \
    X(P1642, 1642, u"Wheel speed sensor circuit open (F)", T) \
    X(P1643, 1643, u"Wheel speed sensor circuit short (F)", T) \
    X(P1644, 1644, u"Wheel speed sensor signal malfunction(R)", T) \
    X(P1645, 1645, u"Wheel speed sensor circuit open(R)", T) \
    X(P1646, 1646, u"Wheel speed sensor circuit short(R)", T) \
    X(P1647, 1647, u"Supply voltage(Increased)", T) \
    X(P1648, 1648, u"Supply voltage(Decreased)", T) \
    X(P1650, 1650, u"Ignition switch signal circuit malfunction", T) \
    X(P1651, 1651, u"Tip over sensor circuit malfunction", T) \
    X(P1652, 1652, u"PTC heater circuit malfunction", T) \
    X(P1653, 1653, u"ECM TCM communication line A malfunction ", S) \
    X(P1654, 1654, u"Secondary throttle actuator position sensor circuit malfunction", T) \
    X(P1655, 1655, u"Secondary throttle motor circuit malfunction", T) \
    X(P1656, 1656, u"PAIR circuit malfunction", T) \
    X(P1657, 1657, u"Exhaust control valve actuator position sensor circuit malfunction", T) \
    X(P1658, 1658, u"Exhaust control valve motor circuit malfunction", T) \
    X(P1661, 1661, u"ABS solenoid malfunction", T) \
    X(P1700, 1700, u"Throttle position signal input malfunction", T) \
    X(P1750, 1750, u"Manifold absolute pressure circuit malfunction 2", T) \
    X(P1751, 1751, u"Decomp solenoid relay circuit malfunction", T) \
    X(P1752, 1752, u"Differential lock relay circuit malfunction", T) \
    X(P1764, 1764, u"Secondary injector cir. - cyl. 1 malfunction", T) \
    X(P1765, 1765, u"Secondary injector cir. - cyl. 2 malfunction", T) \
    X(P1766, 1766, u"Secondary injector cir. - cyl. 3 malfunction", T) \
    X(P1767, 1767, u"Secondary injector cir. - cyl. 4 malfunction", T) \
    X(P1768, 1768, u"PAIR circuit malfunction 2", T) \
    X(P1769, 1769, u"Steering damper solenoid circuit malfunction", T) \
    X(P1771, 1771, u"Crankshaft rotation signal circuit malfunction", T) \
    X(P1815, 1815, u"Switch circuit malfunction for CVT", T) \
    X(P1831, 1831, u"Secondary pulley speed sensor circuit malfunction", T) \
    X(P1861, 1861, u"Motor system malfunction", T) \
    X(P1862, 1862, u"Pulley position sensor circuit malfunction", T) \
    X(P1863, 1863, u"Belt slip/Pulley position sensor system malfunction", T) \
    X(P2505, 2505, u"ECM/PCM power input signal malfunction", T)
