#pragma once
// The welcome page settings of the puzzle being edited: the presentation link, the switch and
// the six lines of the title screen. The window writes no file; the editor's saves read its
// fields, and reading it while it is not loaded loads it from the open puzzle file.

#include "core/program.h"

#include <QString>

#include <array>

class QCheckBox;
class QLabel;
class QPushButton;

namespace kc {

class VnLabel;
class VnLineEdit;

class WelcomeConf : public Window {
  Q_OBJECT
 public:
  static constexpr int kWidth = 10530;
  static constexpr int kHeight = 7965;
  static const QString kFilter;
  static const QString kSwitchCaption;

  explicit WelcomeConf(Program& program);
  void load() override;

  // Values as the saves write them.
  QString presentationLink() const;
  QString welcomeSwitch() const;     // "0" or "1"
  QString welcomeLine(int i) const;  // i = 1..6

  // Label1's click: the PowerPoint dialog; the chosen file's bare name becomes the link.
  void choosePresentation();
  // Command2 ("OK"): hides the window; the fields keep their values.
  void ok();

  VnLabel* label1() const { return label1_; }
  QCheckBox* check1() const { return check1_; }
  VnLineEdit* text(int i) const { return texts_.at(i - 1); }
  QPushButton* okButton() const { return command2_; }
  const QString& dialogFilter() const { return filter_; }

 private:
  VnLabel* label1_ = nullptr;
  QCheckBox* check1_ = nullptr;
  std::array<VnLineEdit*, 6> texts_{};
  QPushButton* command2_ = nullptr;
  QLabel* image1_ = nullptr;
  QString filter_;
};

}  // namespace kc
