#pragma once

// The localised texts, named by their English id. Every caller passes one of these to
// LocalTexts::LocalText(), which finds the same text in the wanted language.
namespace quorprog::text {

inline constexpr int kOpenFile = 50;
inline constexpr int kSaveFile = 51;
inline constexpr int kPrint = 52;
inline constexpr int kHelp = 53;
inline constexpr int kGroup = 54;
inline constexpr int kRange = 55;
inline constexpr int kProgrammer = 56;
inline constexpr int kFrequencyKhz = 57;
inline constexpr int kSubtone = 58;
inline constexpr int kRead = 59;
inline constexpr int kWrite = 60;
inline constexpr int kWarning = 61;
inline constexpr int kError = 62;
inline constexpr int kConfirmExit = 63;
inline constexpr int kSelectProgrammer = 64;
inline constexpr int kMemoryCommunicationFailure = 65;
inline constexpr int kMemoryContentCorrupt = 66;
inline constexpr int kReceiver = 67;
inline constexpr int kTransmitter = 68;
inline constexpr int kConfirmOverwriteDevice = 69;
inline constexpr int kWriteSucceeded = 70;
inline constexpr int kWriteFailed = 71;
inline constexpr int kReadDeviceFirst = 72;
inline constexpr int kFileCorrupt = 73;
inline constexpr int kFileFromOtherModel = 74;
inline constexpr int kFileRead = 75;
inline constexpr int kInformation = 76;
inline constexpr int kType = 77;
inline constexpr int kRefreshProgrammers = 78;
inline constexpr int kHelpFileNotFound = 79;
inline constexpr int kSubtoneChangeNotAllowed = 80;
inline constexpr int kFrequencyChangeNotAllowed = 81;
inline constexpr int kHintOpen = 82;
inline constexpr int kHintSave = 83;
inline constexpr int kHintPrint = 84;
inline constexpr int kHintHelp = 85;
inline constexpr int kHintRead = 86;
inline constexpr int kHintWrite = 87;
inline constexpr int kHintLogo = 88;
inline constexpr int kFrequencySheetTitle = 89;
inline constexpr int kBatteryLow = 90;
inline constexpr int kImportSameDestination = 91;
inline constexpr int kImportSubtoneUnavailable = 92;
inline constexpr int kSourceGroup = 93;
inline constexpr int kDestinationGroup = 94;
inline constexpr int kDetectedModelName = 95;
inline constexpr int kBatteryLowContinue = 96;
inline constexpr int kChannelStep = 97;

// Texts of the additions, from 1000 (their Italian at + 1000, see StringTable).
// Backups of the device.
inline constexpr int kBackupFailedWriteAnyway = 1000;  // "%s": the reason
inline constexpr int kBackupFailed = 1001;             // "%s": the reason
// Restoring a raw device image from the open file dialog.
inline constexpr int kImageFromOtherModel = 1002;
inline constexpr int kImageUnreadable = 1003;
inline constexpr int kImageLoaded = 1004;
inline constexpr int kDeviceImages = 1005;  // the open dialog's filter name
// The details of the write question: what the write changes.
inline constexpr int kNothingToChange = 1006;
inline constexpr int kChangeChannel = 1007;
inline constexpr int kChangeFrequency = 1008;
inline constexpr int kChangeDivider = 1009;
inline constexpr int kChangeDate = 1010;
inline constexpr int kChangeOtherBytes = 1011;
// The PDF sheet and why no programmer was found. %s stands for a file or device path.
inline constexpr int kPdfDialogTitle = 1012;
inline constexpr int kPdfFiles = 1013;
inline constexpr int kCannotWriteFile = 1014;
inline constexpr int kNoSerialPort = 1015;
inline constexpr int kPortPermissionDenied = 1016;
inline constexpr int kPortBusy = 1017;
inline constexpr int kNoProgrammerAnswered = 1018;
// Frequency coordination (the grid's context menu and its dialogs). %1, %2: numbers.
inline constexpr int kCheckCompatibility = 1019;
inline constexpr int kMakeGroupCompatible = 1020;
inline constexpr int kCompatibilityOfGroup = 1021;
inline constexpr int kGroupIsCompatible = 1022;
inline constexpr int kConflictCount = 1023;
inline constexpr int kChannel = 1024;
inline constexpr int kConflictKind = 1025;
inline constexpr int kSourcesKhz = 1026;
inline constexpr int kProductKhz = 1027;
inline constexpr int kDistanceKhz = 1028;
inline constexpr int kGuardSpacing = 1029;
inline constexpr int kGuardIm3 = 1030;
inline constexpr int kGuardIm3x3 = 1031;
inline constexpr int kGuardIm5 = 1032;
inline constexpr int kGuardsHint = 1033;
inline constexpr int kKindSpacing = 1034;
inline constexpr int kKindIm3 = 1035;
inline constexpr int kKindIm3x3 = 1036;
inline constexpr int kKindIm5 = 1037;
inline constexpr int kKindImage = 1038;
inline constexpr int kKindExcluded = 1039;
inline constexpr int kFrequencyNowKhz = 1040;
inline constexpr int kFrequencyNewKhz = 1041;
inline constexpr int kGroupAlreadyCompatible = 1042;
inline constexpr int kChangesProposed = 1043;
inline constexpr int kOnlySomeFound = 1044;
inline constexpr int kMakeGroupCompatibleTitle = 1045;
inline constexpr int kClose = 1046;
inline constexpr int kOk = 1047;
inline constexpr int kCancel = 1048;
// A [PORTS] entry of quorprog.ini naming no device (%s: "COM1=/dev/ttyUSB7"); a device image
// shorter than the device (%s: its memory size in bytes); a PDF file that exists already (%s).
inline constexpr int kPortsEntryLeadsNowhere = 1049;
inline constexpr int kImageTooShort = 1050;
inline constexpr int kReplaceExistingFile = 1051;
// The conflict kind of a channel near an occupied point of an RF scan.
inline constexpr int kKindScan = 1052;
// The spectrum picture and the coordination dialogs' profile, window, scan and TV controls.
inline constexpr int kSpectrum = 1053;
inline constexpr int kSpectrumOfGroup = 1054;
inline constexpr int kLegendChannel = 1055;
inline constexpr int kLegendConflicting = 1056;
inline constexpr int kLegendOtherTransmitter = 1057;
inline constexpr int kLegendIm3 = 1058;
inline constexpr int kLegendIm3x3 = 1059;
inline constexpr int kLegendGuard = 1060;
inline constexpr int kLegendExcluded = 1061;
inline constexpr int kLegendTvExcluded = 1062;
inline constexpr int kLegendTvSearched = 1063;
inline constexpr int kLegendScan = 1064;
inline constexpr int kLegendThreshold = 1065;
inline constexpr int kTipChannel = 1066;
inline constexpr int kTipOtherTransmitter = 1067;
inline constexpr int kTipIm3 = 1068;
inline constexpr int kTipTvChannel = 1069;
inline constexpr int kTipExcluded = 1070;
inline constexpr int kTipScan = 1071;
inline constexpr int kProfile = 1072;
inline constexpr int kProfileCustom = 1073;
inline constexpr int kReceiverWindow = 1074;
inline constexpr int kLoadScan = 1075;
inline constexpr int kThresholdDbm = 1076;
inline constexpr int kScanGuardKhz = 1077;
inline constexpr int kNoScanLoaded = 1078;
inline constexpr int kScanPoints = 1079;
inline constexpr int kScanFiles = 1080;
inline constexpr int kScanUnreadable = 1081;
inline constexpr int kTvChannels = 1082;
inline constexpr int kTvRegionNone = 1083;
inline constexpr int kTvRegionEu = 1084;
inline constexpr int kTvRegionUs = 1085;
inline constexpr int kTvExclude = 1086;
inline constexpr int kTvSearchIn = 1087;
inline constexpr int kSearchFromKhz = 1088;
inline constexpr int kSearchToKhz = 1089;
inline constexpr int kSiteTitle = 1090;
// The desktop: file dialogs and a channel file given on the command line.
inline constexpr int kChannelPlanFiles = 1091;  // the channel files' filter name
inline constexpr int kOpensAfterRead = 1092;    // "%s": the file name
// Programming several devices at once (the write button's menu and its dialog). %s: a number
// or a port.
inline constexpr int kProgramSeveralDevices = 1093;
inline constexpr int kProgramSeveralDevicesTitle = 1094;
inline constexpr int kFleetPort = 1095;
inline constexpr int kFleetProgrammer = 1096;
inline constexpr int kFleetBattery = 1097;
inline constexpr int kFleetProgress = 1098;
inline constexpr int kFleetModel = 1099;
inline constexpr int kFleetResult = 1100;
inline constexpr int kFleetBytesChanged = 1101;
inline constexpr int kFleetSeconds = 1102;
inline constexpr int kFleetStartRound = 1103;
inline constexpr int kFleetNextRound = 1104;
inline constexpr int kFleetSaveReport = 1105;
inline constexpr int kFleetWriteQuestion = 1106;
inline constexpr int kFleetProgrammedAlready = 1107;
inline constexpr int kFleetDone = 1108;
inline constexpr int kFleetNotConfirmed = 1109;
inline constexpr int kFleetRefusedAgain = 1110;
inline constexpr int kFleetRound = 1111;
inline constexpr int kFleetNoProgrammer = 1112;
inline constexpr int kFleetSwapDevices = 1113;
inline constexpr int kFleetReading = 1114;
inline constexpr int kFleetChecking = 1115;
inline constexpr int kFleetWriting = 1116;
inline constexpr int kFleetCsvFiles = 1117;
inline constexpr int kFleetReportTitle = 1118;
inline constexpr int kFleetWaiting = 1119;
inline constexpr int kFleetReportNotSaved = 1120;  // %s: the file
inline constexpr int kLastAddedText = kFleetReportNotSaved;

}  // namespace quorprog::text
