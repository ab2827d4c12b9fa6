#pragma once
// The puzzle file: 48 lines, one value each. This is the single line map of the program.

#include <QString>
#include <QStringView>

#include <array>
#include <vector>

namespace kc::puzzle {

inline constexpr int kLineCount = 48;
inline constexpr int kRows = 12;

inline constexpr int kRowCount = 1;                        // "3" to "12"
constexpr int answerLine(int row) { return row + 1; }      // lines 2-13
constexpr int questionLine(int row) { return row + 13; }   // lines 14-25
inline constexpr int kTopic = 26;
constexpr int specialLine(int row) { return row + 26; }    // lines 27-38: "0" to "18"
inline constexpr int kMediaLink = 39;                      // bare name of a media clip, "-"
inline constexpr int kPresentationLink = 40;               // bare name of a PowerPoint file
inline constexpr int kWelcomeSwitch = 41;                  // "0" off, "1" on
constexpr int welcomeLine(int i) { return 41 + i; }        // i = 1..6: lines 42-47
inline constexpr int kKeywordQuestion = 48;

// An answer or question of a row that is not in use.
inline constexpr QStringView kUnused = u"0";

// Initial contents of the editor and the welcome page settings.
inline constexpr QStringView kDefaultTopic = u"Mêi nhËp chñ ®Ò";
inline constexpr QStringView kDefaultMediaLink = u"-";
inline constexpr QStringView kDefaultPresentationLink = u"Liªn kÕt File MicroSoft Office PowerPoint ";
inline constexpr std::array<QStringView, 6> kDefaultWelcome = {
    u"THPT...",
    u"Chµo mõng thÇy c« gi¸o ®Õn víi tiÕt d¹y thao gi¶ng trªn m¸y chiÕu",
    u"M«n häc",
    u"Bµi häc",
    u"Më ®Çu b»ng trß ch¬i « ch÷ chñ ®Ò",
    u"GV-HS-Tæ-Nhãm"};

// Files beside a puzzle file.
// "image3.jpg" for row 3; row 0 stands for the keyword question ("image.jpg").
QString pictureName(int row);
inline constexpr QStringView kMusic = u"music.mp3";
inline constexpr std::array<QStringView, 8> kMediaExtensions = {u".mp3", u".wav", u".mid", u".avi",
                                                                u".flv", u".mp4", u".mkv", u".mov"};

struct LineWrite {
  int line;
  QString text;
  bool operator==(const LineWrite&) const = default;
};

// Everything a save writes, as the editor holds it.
struct PuzzleValues {
  QString rowCount = QStringLiteral("3");
  std::array<QString, kRows> answers;
  std::array<QString, kRows> questions;
  QString topic;
  std::array<QString, kRows> specials;  // "0" to "18"
  QString mediaLink;
  QString presentationLink;
  QString welcomeSwitch;  // "0" or "1"
  std::array<QString, 6> welcome;
  QString keywordQuestion;
};

// Lines 2-25 for a row-count text: for c in 3..12, rows within c get their answer and question
// and the others "0"; a number outside 3..12 writes nothing; a text that is not a number
// writes all twelve rows as they stand.
std::vector<LineWrite> rowLines(const QString& rowCountText,
                                const std::array<QString, kRows>& answers,
                                const std::array<QString, kRows>& questions);

// The writes of Save As (into the working copy) and of Save (into the open file), in order.
std::vector<LineWrite> saveAsWrites(const PuzzleValues& v);
std::vector<LineWrite> saveWrites(const PuzzleValues& v);

}  // namespace kc::puzzle
