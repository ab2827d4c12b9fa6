#pragma once
// The main menu: the program's start-up window and its hub. It fades itself in, takes the
// current skin, and opens the show, the editor, the settings screen and the about box; it is
// never unloaded while the program runs, only hidden and shown. Leaving the program is always
// its fade-out.

#include "core/program.h"
#include "shell/fade.h"

#include <QLabel>
#include <QPointer>
#include <QStringList>
#include <QTimer>

namespace kc {

class DragMover;
class PictureButton;
class VnLabel;

namespace menu {
// The open dialog's first file name; choosing exactly this name counts as a cancel.
inline constexpr QStringView kSentinelFileName = u"Phan Mem Tao O Chu - THPT DALVORIN";
inline constexpr QStringView kPuzzleFilter = u"Text File (*.txt)|*.txt|";
// "Chương trình tạo ô chữ" in TCVN3 codes.
inline constexpr QStringView kTitle = u"Ch\u00AD¬ng tr×nh t¹o « ch÷";
inline constexpr QStringView kProductTitle = u"Kelvora Crossword 6";
}  // namespace menu

class Menu : public Window {
  Q_OBJECT
  // Read by the show when it loads: the puzzle it is to run.
  Q_PROPERTY(QString path READ path)
  Q_PROPERTY(QString Label2 READ programFolder)
  Q_PROPERTY(QString giaodien READ skin)

 public:
  explicit Menu(Program& program);
  void load() override;

  QString path() const;
  QString programFolder() const;
  QString skin() const;

  // Timer1 and Timer2; the timers only call these.
  void fadeInTick();
  void fadeOutTick();
  // Starts Timer2 (stopping a fade-in still in progress); the program ends when it is done.
  void startFadeOut();
  bool isFadingIn() const { return timer1_->isActive(); }
  bool isFadingOut() const { return timer2_->isActive(); }
  // The opacity value (0..255) and the alpha last given to the window.
  int opacityValue() const { return fade_.value(); }
  int appliedAlpha() const { return appliedAlpha_; }

  // The five commands, as their buttons run them.
  void openPuzzle();
  void newPuzzle();
  void openSettings();
  void openAbout();
  void exitProgram();

  // Puts a skin's pictures and title colours on the menu; the settings screen calls it to
  // repaint the hidden menu with the skin just chosen. Returns what could not be loaded.
  QStringList applySkin(const QString& skin);

  PictureButton* button(int n) const;  // Command1 .. Command5
  VnLabel* titleLabel() const { return title_; }
  VnLabel* productLabel() const { return label_; }
  QLabel* background() const { return image1_; }
  DragMover* dragMover() const { return drag_; }
  // The file name the next open dialog starts with.
  const QString& dialogFileName() const { return dialogFileName_; }

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  // The menu's own skin routine: skin name from the settings file, then applySkin().
  QStringList taoGiaoDien();
  void setAlpha(int alpha);

  Fade fade_;
  int appliedAlpha_ = 0;
  QString dialogFileName_;

  QLabel* image1_ = nullptr;
  PictureButton* commands_[5] = {};
  VnLabel* title_ = nullptr;
  VnLabel* label_ = nullptr;
  QLabel* path_ = nullptr;
  QLabel* label2_ = nullptr;
  QLabel* giaodien_ = nullptr;
  QTimer* timer1_ = nullptr;
  QTimer* timer2_ = nullptr;
  DragMover* drag_ = nullptr;
};

}  // namespace kc
