#pragma once
// The puzzle editor: twelve rows of answer and question boxes with their letter cells, the
// topic and the keyword question, the row count, special letters marked by a click on a cell,
// and the commands that open, save and picture the puzzle. The editor's document is its
// fields; a save reads them together with those of the media check and the welcome settings.

#include "core/program.h"
#include "puzzle/puzzle_file.h"

#include <QString>

#include <array>
#include <cstdint>
#include <optional>

class QComboBox;
class QLabel;
class QPushButton;

namespace kc {

class CellLabel;
class VnLabel;
class VnLineEdit;
struct SaveOutcome;

class Maker : public Window {
  Q_OBJECT
 public:
  static constexpr int kWidth = 15360;
  static constexpr int kHeight = 11520;
  static constexpr int kRows = puzzle::kRows;
  static constexpr int kCells = 18;
  // Tops of row r's caption, boxes, number and cells (r = 1..12), twips.
  static constexpr std::array<int, kRows> kRowTops = {2220, 2820, 3450, 4020, 4680, 5340,
                                                      5940, 6600, 7260, 7860, 8520, 9120};

  explicit Maker(Program& program);
  void load() override;

  // Commands.
  void open();                 // Command4
  void save();                 // Command8
  void saveAs();               // Command3
  void leave();                // Command1: back to the menu, unsaved work discarded
  void showWelcomeSettings();  // Command7
  void showMediaCheck();       // Command6
  void showPicture();          // Command5

  // Loads the puzzle file named by the open-file field into the fields.
  void readFile();
  // Shows the rows within the row count and hides the others.
  void taoO();
  // Redraws every row from its answer, dropping trailing spaces.
  void reFreshOChu();
  // Choosing an item of the row-count list.
  void chooseRowCount(const QString& item);
  // Click on cell k (1..18) of row r: marks, moves or clears the row's special letter.
  void clickCell(int row, int k);
  // The skin of the settings file: toolbar pictures, background, caption and cell colours.
  void applySkin();

  // Everything a save writes, read from this window, the media check and the welcome settings.
  puzzle::PuzzleValues values();

  // Fields (rows are 1..12, cells 0..18).
  QComboBox* rowCountBox() const { return combo1_; }
  VnLineEdit* answerBox(int row) const { return rows_.at(row - 1).answer; }
  VnLineEdit* questionBox(int row) const { return rows_.at(row - 1).question; }
  VnLineEdit* topicBox() const { return text13_; }
  VnLineEdit* keywordBox() const { return text14_; }
  CellLabel* cell(int row, int k) const { return rows_.at(row - 1).cells.at(k); }
  VnLabel* rowCaption(int row) const { return rows_.at(row - 1).caption; }
  VnLabel* rowNumber(int row) const { return rows_.at(row - 1).number; }
  QString special(int row) const;
  VnLabel* hintLine() const { return zoom_; }
  QPushButton* command(int n) const { return commands_.at(n - 1); }
  QLabel* background() const { return image1_; }
  QString openFilePath() const;        // Label6
  QString saveAsTarget() const;        // Label5
  QString programFolderField() const;  // Label8
  QString skinName() const;            // giaodien

  // Whether a control is shown in the window's layout (it would be visible with the window).
  static bool shown(const QWidget* w);

  // Hint texts of the hint line.
  static const QString kCellHint;
  static QString questionHint(int row, const QString& question);
  static QString hintFor(int command);  // Command1..8, empty for those without one
  static const QString kTopicHint;

 protected:
  void closeEvent(QCloseEvent* e) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct Row {
    VnLabel* caption = nullptr;  // Label2(r)
    VnLineEdit* answer = nullptr;
    VnLineEdit* question = nullptr;
    VnLabel* number = nullptr;  // c1(r - 1)
    std::array<CellLabel*, kCells + 1> cells{};
    VnLabel* special = nullptr;  // sp1(r)
  };

  void build();
  void redrawRow(int row);
  void setHint(const QString& codes);
  void report(const SaveOutcome& outcome);
  std::optional<std::int32_t> settingColour(int line) const;
  void setCellColours(CellLabel* c, std::optional<std::int32_t> back,
                      std::optional<std::int32_t> text);
  QString readLine(int line) const;

  std::array<Row, kRows> rows_{};
  std::array<QPushButton*, 8> commands_{};
  QComboBox* combo1_ = nullptr;
  VnLineEdit* text13_ = nullptr;
  VnLineEdit* text14_ = nullptr;
  VnLabel* zoom_ = nullptr;
  QLabel* image1_ = nullptr;
  QList<VnLabel*> captions_;  // fixed captions that take the skin's text colour
  QLabel* label5_ = nullptr;
  QLabel* label6_ = nullptr;
  QLabel* label8_ = nullptr;
  QLabel* giaodien_ = nullptr;
  bool leaving_ = false;
};

}  // namespace kc
