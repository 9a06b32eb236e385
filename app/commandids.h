#pragma once

// The main window's command identifiers. A button, its menu items and its key
// share one id, and every command reaches MainCommands::run() by it. The numbers
// are those of the original dialog, menu and accelerator resources, kept so that
// a build with the Windows resources stays in step.
namespace commandid {

inline constexpr int kAddFiles = 32773;
inline constexpr int kAddFolder = 1024;
inline constexpr int kRemove = 32772;
inline constexpr int kRemoveAll = 1005;
inline constexpr int kUndoRemove = 32790;
inline constexpr int kConvertSelected = 32786;
inline constexpr int kConvertAll = 32787;
inline constexpr int kPlaySource = 32775;
inline constexpr int kPlayDestination = 32781;
inline constexpr int kBrowseSourceFolder = 32777;
inline constexpr int kBrowseDestinationFolder = 32780;
inline constexpr int kOptions = 1014;
inline constexpr int kHelpTopics = 57670;
inline constexpr int kTellAFriend = 32782;
inline constexpr int kFeedbackAndSupport = 32783;
inline constexpr int kHomepage = 32784;
inline constexpr int kCheckLatestVersion = 32785;
inline constexpr int kAbout = 1017;
inline constexpr int kShowHelpMenu = 1060;
inline constexpr int kMinimize = 1030;
inline constexpr int kClose = 1000;
// Ctrl+A: taken by the window so the file list does not select everything, and
// does nothing.
inline constexpr int kNoAction = 1156;

} // namespace commandid
