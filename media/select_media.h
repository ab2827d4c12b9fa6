#pragma once
// The media check window: the teacher picks any file and hears or sees at once whether the
// program can play it; the help text states how media files must be named beside a puzzle.
// The name of the file last tried is what the editor's saves record for the puzzle.

#include "core/program.h"

#include <QString>

class QLabel;
class QPushButton;

namespace kc {

class MediaPlayer;
class VnLabel;

class SelectMedia : public Window {
  Q_OBJECT
 public:
  // Width and height of the window, twips.
  static constexpr int kWidth = 9285;
  static constexpr int kHeight = 6510;
  static const QString kFilter;
  static const QString kHelpText;

  explicit SelectMedia(Program& program);
  void load() override;

  // The bare name of the file last tried ("-" when none since the window was loaded).
  QString linkName() const;
  // Puts a name into the link as the editor's Open finds it in a puzzle file.
  void setLinkName(const QString& name);

  // Command1: ask for a file, play it in the preview and keep its bare name.
  void tryFile();
  // Command4: close the window; the player stops and the name is forgotten.
  void closeWindow();

  MediaPlayer* player() const { return md_; }
  VnLabel* label1() const { return label1_; }
  VnLabel* label2() const { return label2_; }
  QPushButton* chooseButton() const { return command1_; }
  QPushButton* closeButton() const { return command4_; }
  const QString& dialogFilter() const { return filter_; }

 private:
  VnLabel* label1_ = nullptr;
  VnLabel* label2_ = nullptr;
  MediaPlayer* md_ = nullptr;
  QPushButton* command1_ = nullptr;
  QPushButton* command4_ = nullptr;
  QLabel* image1_ = nullptr;
  QString filter_;
};

}  // namespace kc
