#ifndef SETTINGSKEYS_H
#define SETTINGSKEYS_H

// Groups, keys and values of the settings store ("Nuvari Soft", "Qirtas").
namespace SettingsKey {

inline constexpr char NormalGroup[] = "Normal";
inline constexpr char Language[] = "lang";
inline constexpr char Keyboard[] = "keyboard";
inline constexpr char DisplayExplain[] = "displayexplain";
inline constexpr char ItemCount[] = "itemcount";
// Harakat and tatweel may be left out of the typed text.
inline constexpr char HarakatOptional[] = "harakatoptional";
// Minutes of practice a day the learner aims for.
inline constexpr char DailyGoal[] = "dailygoal";
// The Course tab has shown how the hands rest on the home row.
inline constexpr char CourseIntroSeen[] = "courseintro";
// The first start's welcome was answered.
inline constexpr char Welcomed[] = "welcomed";
// The word and sentence drills show the next key on a keyboard.
inline constexpr char Guidance[] = "guidance";
// The size of the windows in percent, taken at start-up (see Practice::StartScale).
inline constexpr char Scale[] = "scale";
// The unit of speeds outside the drill fields (SpeedUnit::Name).
inline constexpr char SpeedUnitName[] = "speedunit";
// The list the word and the sentence drill type from: a file name in the
// learner's data folder; none for the shipped list.
inline constexpr char WordList[] = "wordlist";
inline constexpr char SentenceList[] = "sentencelist";

// The class this seat belongs to; none while the group is empty. The
// server's settings are kept without any password (ClassConnection::Stored).
inline constexpr char ClassGroup[] = "Class";
inline constexpr char ClassServer[] = "server";
inline constexpr char ClassCode[] = "code";
inline constexpr char ClassLearner[] = "learner";
// True once the learner's earlier drills from the server are in this seat's
// history.
inline constexpr char ClassFetched[] = "fetched";
// The teacher's window: the server (without any password) and the class it
// showed last.
inline constexpr char TeacherGroup[] = "Teacher";
inline constexpr char TeacherServer[] = "server";
inline constexpr char TeacherClass[] = "class";

inline constexpr char ScoreGroup[] = "Score";
// Row keys are the table's prefix, the stem and the row: "l_score_name_0".
inline constexpr char ScoreName[] = "_score_name_";
inline constexpr char ScoreValue[] = "_score_value_";

} // namespace SettingsKey

#endif // SETTINGSKEYS_H
