#pragma once
// The Data folder beside the program. Paths are written the old platform's way, relative to
// the program folder and starting with a backslash ("\data\value\value.txt"); the Data
// folder spells the same names with many letter cases, so every component is matched
// against the disk without regard to case.

#include <QString>
#include <QStringView>

namespace kc {

// The folder of the running executable.
QString executableFolder();

// folder + relative, with each component of relative (split at '\' or '/') matched against
// what is on disk without regard to letter case. A component that does not exist keeps its
// spelling (and so do all after it), so the caller's open fails as it should. The result is
// a native path.
QString resolvePath(const QString& folder, QStringView relative);

namespace data {

// Fixed files.
inline constexpr QStringView kSettingsFile = u"\\data\\value\\value.txt";
inline constexpr QStringView kClockPicture = u"\\data\\Value\\Clock.gif";
inline constexpr QStringView kMinimisedPicture = u"\\Data\\Value\\c.gif";
inline constexpr QStringView kTickingSound = u"\\data\\value\\tiktok.mp3";
inline constexpr QStringView kBellSound = u"\\data\\value\\ding.mp3";
inline constexpr QStringView kPuzzleTemplate = u"\\Data\\temp\\db.db";
inline constexpr QStringView kWorkingCopy = u"\\Data\\temp\\temp.txt";
inline constexpr QStringView kTempStyle = u"\\Data\\Temp\\TempStyle.txt";
inline constexpr QStringView kChosenSound = u"\\Data\\Temp\\Chose.mp3";
inline constexpr QStringView kRightSound = u"\\data\\temp\\right.mp3";
inline constexpr QStringView kWrongSound = u"\\data\\temp\\wrong.mp3";

// Folders (with their trailing backslash) and the selection file naming the chosen item.
inline constexpr QStringView kThemesFolder = u"\\data\\Themes\\";
inline constexpr QStringView kStylesFolder = u"\\Data\\Styles\\";
inline constexpr QStringView kStyleSelected = u"\\Data\\Styles\\Style selected.txt";
inline constexpr QStringView kWallpaperFolder = u"\\data\\wallpaper\\";
inline constexpr QStringView kWallpaperSelected = u"\\data\\wallpaper\\wallpaper selected.txt";
inline constexpr QStringView kBackgroundFlashFolder = u"\\data\\Background Flash\\";
inline constexpr QStringView kBackgroundFlashSelected = u"\\data\\Background Flash\\BackSelected.txt";
inline constexpr QStringView kMouseFlashFolder = u"\\data\\Mousemove Flash\\";
inline constexpr QStringView kMouseFlashSelected = u"\\data\\Mousemove Flash\\MoveFlashSelected.txt";
inline constexpr QStringView kCornerFlashFolder = u"\\data\\Flash corner\\";
inline constexpr QStringView kCornerFlashSelected = u"\\data\\Flash Corner\\Flashcorner.txt";
inline constexpr QStringView kQuestionBackgroundFolder = u"\\data\\BackGround Ques\\";
inline constexpr QStringView kQuestionBackgroundSelected = u"\\data\\BackGround Ques\\backgroundQ.txt";

// Files inside a skin folder ("\data\Themes\" + skin + file).
namespace skin {
inline constexpr QStringView kColours = u"\\value.txt";
inline constexpr QStringView kMenu = u"\\menu.jpg";
inline constexpr QStringView kOpen = u"\\open.jpg";
inline constexpr QStringView kNew = u"\\new.jpg";
inline constexpr QStringView kSetup = u"\\setup.jpg";
inline constexpr QStringView kAbout = u"\\about.jpg";
inline constexpr QStringView kOut = u"\\out.jpg";
inline constexpr QStringView kRight = u"\\DD.jpg";
inline constexpr QStringView kWrong = u"\\SS.jpg";
inline constexpr QStringView kExit = u"\\exit.jpg";
inline constexpr QStringView kBackground = u"\\background.jpg";
inline constexpr QStringView kStrip = u"\\move.jpg";
inline constexpr QStringView kBack = u"\\back.jpg";
inline constexpr QStringView kSave = u"\\save.jpg";
inline constexpr QStringView kEdit = u"\\edit.jpg";
inline constexpr QStringView kPrint = u"\\print.jpg";
}  // namespace skin

// The ten skins offered by the settings screen, in their order.
inline constexpr QStringView kSkins[] = {u"Brown",   u"Green",  u"Violet",     u"Firework",
                                         u"Chemistry", u"VietNam", u"Hoadao", u"BlackBoard",
                                         u"Win8",    u"Gentlycolor"};

// "MÆc ®Þnh" (default): the wallpaper selection that keeps the skin's own background.
inline constexpr QStringView kDefaultWallpaper = u"MÆc ®Þnh";

}  // namespace data
}  // namespace kc
