#pragma once
// The show: the full-screen window in which the teacher plays one puzzle in front of the
// class. It reads the puzzle file line by line when it needs a value and keeps its state in
// its controls, which carry the names the rest of the program and the tests know them by.
//
// Every timer slot only calls the matching public tick method, and every mouse handler only
// calls the matching action, so tests drive the show without waiting for real time.

#include "core/program.h"
#include "show/countdown.h"
#include "core/picture_box.h"

#include <QString>

#include <array>
#include <memory>

class QLineEdit;
class QTimer;

namespace kc {

class FlashPlayer;
class LetterCell;
class MediaPlayer;
class PictureBox;
class PictureButton;
class VnLabel;

class Form1 : public Window {
  Q_OBJECT
  Q_PROPERTY(QString path READ path)
  Q_PROPERTY(QString Label2 READ label2)
  Q_PROPERTY(QString NUMBER READ number)

 public:
  static constexpr int kRows = 12;
  static constexpr int kPositions = 18;
  // Places of the board, in twips.
  static constexpr int kCellTop = 1860;  // row 1's cells
  static constexpr int kRowPitch = 700;  // from one row to the next
  static constexpr int kCellHeight = 630;
  static constexpr int kLabelTop = 1920;    // row 1's number
  static constexpr int kButtonOffset = 67;  // verdict buttons centred on their row
  static constexpr int kRightLeft = 13860;
  static constexpr int kWrongLeft = 14550;
  static constexpr int kSidePanelStrip = 200;        // what shows of the side panel when pulled in
  static constexpr std::int32_t kHighlight = 33023;  // orange: the row under the mouse

  explicit Form1(Program& program);
  ~Form1() override;
  void load() override;

  // Hidden fields.
  const QString& path() const { return path_; }
  const QString& label2() const { return label2_; }
  const QString& number() const { return number_; }
  const QString& skinName() const { return giaodien_; }
  int sidePanelState() const { return sidePanelState_; }
  int styleNumber() const { return styleNumber_; }
  const QString& label12() const { return countdown_->armed(); }
  const QString& label13() const { return countdown_->running(); }
  QString rowText(int row) const;
  void setRowText(int row, const QString& text);

  // Controls.
  LetterCell* cell(int row, int position) const { return cells_[row][position]; }
  VnLabel* rowLabel(int row) const { return rowLabels_[row]; }
  PictureButton* rightButton(int row) const { return right_[row]; }
  PictureButton* wrongButton(int row) const { return wrong_[row]; }
  QLineEdit* textBox(int row) const { return texts_[row]; }
  VnLabel* chude() const { return chude_; }
  VnLabel* cauhoi() const { return cauhoi_; }
  VnLabel* cauhoi2() const { return cauhoi2_; }
  VnLabel* seclabel() const { return seclabel_; }
  VnLabel* label3() const { return label3_; }
  VnLabel* label4() const { return label4_; }
  // i = 1..6: Label5 .. Label10.
  VnLabel* welcomeLine(int i) const { return welcome_[i - 1]; }
  QWidget* frame2() const { return frame2_; }
  QWidget* frame3() const { return frame3_; }
  PictureBox* image1() const { return image1_; }
  PictureBox* image2() const { return image2_; }
  PictureBox* image5() const { return image5_; }
  PictureBox* image6() const { return image6_; }
  PictureBox* clock() const { return clock_; }
  PictureButton* exitButton() const { return exitcmd_; }
  MediaPlayer* media() const { return media_; }
  MediaPlayer* pl1() const { return pl1_; }
  MediaPlayer* pl2() const { return pl2_; }
  MediaPlayer* wm1() const { return wm1_; }
  FlashPlayer* flhback() const { return flhback_; }
  FlashPlayer* mmFlash() const { return mmFlash_; }
  FlashPlayer* flashCorner() const { return flashCorner_; }
  // n = 1..5: Timer1 (strip), Timer2 (panel), Timer3 (clock drop), Timer4 (count), Timer5.
  QTimer* timer(int n) const { return timers_[n - 1]; }

  // The teacher's actions (each bound to its control's mouse event).
  void startShow();
  void chooseRow(int row);
  void chooseKeyword();
  void hideStripQuestion();  // click on Cauhoi, right press on the background
  void hidePanelQuestion();  // click on cauhoi2 or on the panel picture
  void hoverRowLabel(int row);
  void hoverLabel3();
  void hoverLabel4();
  void hoverBackground();
  void hoverTopic();
  void hoverWelcomeLine(int i);
  void rightVerdict(int row);
  void wrongVerdict(int row);
  void revealCell(int row, int position);
  void clickClock();
  void clickSeconds();
  void toggleSidePanel();
  void exitShow();

  // Timer steps.
  void timer1Tick();
  void timer2Tick();
  void timer3Tick();
  void timer4Tick();
  void timer5Tick();

 signals:
  // The automatic style change drew a style number (0..10) to apply.
  void styleNumberDrawn(int number);

 private:
  void build();
  void taoGiaoDien();
  void chinhochu();
  void viTri();
  void startStyleTimer();
  void layoutBoard();
  void readFile();
  void welcome();
  void fillRow(int row);
  void present(int questionLine, int pictureRow, const QString& number, bool sound);
  void delay();
  // Normal colours on cells 1..18, then the key colours on the row's key cell.
  void restoreRowColours(int row);
  void colourKeyCell(int row);
  // Both verdicts: the sound and the clock stopped.
  void verdictEnd(bool right);

  QString path_;
  QString label2_;
  QString number_ = QStringLiteral("Number");
  QString giaodien_;
  int sidePanelState_ = 1;
  int styleNumber_ = 0;

  std::array<std::array<LetterCell*, kPositions + 1>, kRows + 1> cells_{};
  std::array<VnLabel*, kRows + 1> rowLabels_{};
  std::array<PictureButton*, kRows + 1> right_{};
  std::array<PictureButton*, kRows + 1> wrong_{};
  std::array<QLineEdit*, kRows + 1> texts_{};
  std::array<VnLabel*, 6> welcome_{};
  std::array<QTimer*, 5> timers_{};
  VnLabel* chude_ = nullptr;
  VnLabel* cauhoi_ = nullptr;
  VnLabel* cauhoi2_ = nullptr;
  VnLabel* seclabel_ = nullptr;
  VnLabel* label3_ = nullptr;
  VnLabel* label4_ = nullptr;
  QWidget* frame2_ = nullptr;
  QWidget* frame3_ = nullptr;
  PictureBox* image1_ = nullptr;
  PictureBox* image2_ = nullptr;
  PictureBox* image5_ = nullptr;
  PictureBox* image6_ = nullptr;
  PictureBox* clock_ = nullptr;
  PictureButton* exitcmd_ = nullptr;
  MediaPlayer* media_ = nullptr;
  MediaPlayer* pl1_ = nullptr;
  MediaPlayer* pl2_ = nullptr;
  MediaPlayer* wm1_ = nullptr;
  FlashPlayer* flhback_ = nullptr;
  FlashPlayer* mmFlash_ = nullptr;
  FlashPlayer* flashCorner_ = nullptr;
  std::unique_ptr<Countdown> countdown_;
  PicturePrefetch prefetch_;  // the background, decoded while the controls are built
};

}  // namespace kc
