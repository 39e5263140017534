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

// Texts added beside the described ones (see StringTable): frequency coordination.
inline constexpr int kCheckCompatibility = 1000;
inline constexpr int kMakeGroupCompatible = 1001;
inline constexpr int kCompatibilityOfGroup = 1002;
inline constexpr int kGroupIsCompatible = 1003;
inline constexpr int kConflictCount = 1004;
inline constexpr int kChannel = 1005;
inline constexpr int kConflictKind = 1006;
inline constexpr int kSourcesKhz = 1007;
inline constexpr int kProductKhz = 1008;
inline constexpr int kDistanceKhz = 1009;
inline constexpr int kGuardSpacing = 1010;
inline constexpr int kGuardIm3 = 1011;
inline constexpr int kGuardIm3x3 = 1012;
inline constexpr int kGuardIm5 = 1013;
inline constexpr int kGuardsHint = 1014;
inline constexpr int kKindSpacing = 1015;
inline constexpr int kKindIm3 = 1016;
inline constexpr int kKindIm3x3 = 1017;
inline constexpr int kKindIm5 = 1018;
inline constexpr int kKindImage = 1019;
inline constexpr int kKindExcluded = 1020;
inline constexpr int kFrequencyNowKhz = 1021;
inline constexpr int kFrequencyNewKhz = 1022;
inline constexpr int kNothingToChange = 1023;
inline constexpr int kChangesProposed = 1024;
inline constexpr int kOnlySomeFound = 1025;
inline constexpr int kMakeGroupCompatibleTitle = 1026;
inline constexpr int kClose = 1027;
inline constexpr int kOk = 1028;
inline constexpr int kCancel = 1029;

}  // namespace quorprog::text
