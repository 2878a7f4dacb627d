#pragma once
// Names of the files an update leaves beside the program and beside each destination. Peers
// (the companion program, older and newer releases) rely on them.
namespace norvane {

inline constexpr const char* kUpgraderFileName = "~upgrader";
// The journal handed to the companion; present = not committed.
inline constexpr const char* kMarkerFileName = "~finished.file";
// The journal once every file is in place; present = committed, backups still to remove.
inline constexpr const char* kCommittedMarkerFileName = "~finished.done";
// The marker being rewritten by the companion before it starts renaming.
inline constexpr const char* kMarkerRewriteFileName = "~finished.tmp";
inline constexpr const char* kDownloadSuffix = ".~up";
inline constexpr const char* kBackupSuffix = ".~bf";
inline constexpr const char* kPublicKeyFileName = "update.pub";
inline constexpr const char* kSignatureSuffix = ".minisig";
inline constexpr const char* kSettingsFileName = "Setup.ini";

}  // namespace norvane
