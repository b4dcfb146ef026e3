#ifndef APPINFO_H
#define APPINFO_H

#include <QString>

// Who the program is to the desktop: the names under which the settings
// store and the learner's data folder are kept.
namespace AppInfo {

inline constexpr char Organisation[] = "Nuvari Soft";
inline constexpr char Application[] = "Qirtas";

// Gives the application object these names (QStandardPaths builds the data
// folder from them). Start-up calls it; DataFolder() does too if nobody has.
void Apply();

// The learner's own data folder (on Linux ~/.local/share/Nuvari Soft/Qirtas),
// not created here.
QString DataFolder();

} // namespace AppInfo

#endif // APPINFO_H
