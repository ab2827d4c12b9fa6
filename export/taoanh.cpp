#include "export/taoanh.h"

#include "core/numbers.h"
#include "core/services.h"
#include "core/steps.h"
#include "core/text/vn_label.h"
#include "core/text/vn_line_edit.h"
#include "core/timing.h"
#include "core/twips.h"
#include "core/window_names.h"
#include "editor/cell_label.h"
#include "editor/maker.h"
#include "export/dib_section.h"
#include "export/jpeg_writer.h"

#include <QEvent>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QTimer>

namespace kc {

const QString Taoanh::kFilter = QStringLiteral("Image File (*.jpg)|*.jpg|");
const QString Taoanh::kSavedMessage = QStringLiteral("Da Luu anh");

namespace {
int numberWidth(int row) { return row <= 9 ? 375 : row <= 11 ? 555 : 495; }
}  // namespace

Taoanh::Taoanh(Program& program) : Window(program, windows::kSnapshot) {
  setWindowFlag(Qt::FramelessWindowHint);
  setFixedSize(twips::toPixels(QRect(0, 0, kWidth, kHeight)).size());
  // The window's own colour; the page covers it.
  QPalette p = palette();
  p.setColor(QPalette::Window, QColor(192, 192, 192));
  setPalette(p);
  setAutoFillBackground(true);

  image2_ = new QLabel(this);
  image2_->setObjectName(QStringLiteral("Image2"));
  image2_->setAutoFillBackground(true);
  QPalette page = image2_->palette();
  page.setColor(QPalette::Window, Qt::white);
  image2_->setPalette(page);
  twips::place(image2_, -360, -120, 15360, 11520);
  image2_->installEventFilter(this);

  title_ = new VnLabel(this, FontSpec{FontFace::VnTime, 18, false, true});
  title_->setObjectName(QStringLiteral("title"));
  title_->setAlignment(Qt::AlignCenter);
  twips::place(title_, 2400, 300, 8475, 465);

  for (int r = 1; r <= kRows; ++r) {
    auto* n = new VnLabel(this, FontSpec{FontFace::VnTime, 20.25});
    n->setObjectName(QStringLiteral("c1"));
    n->setProperty("index", r - 1);
    n->setCodes(QStringLiteral("%1.").arg(r));
    twips::place(n, 1800, kNumberTops[r - 1], numberWidth(r), 495);
    n->setVisible(false);
    numbers_[r - 1] = n;
    for (int k = 0; k <= kCells; ++k) {
      auto* c = new CellLabel(this, FontSpec{FontFace::VnTimeH, 15.75});
      c->setObjectName(QStringLiteral("o%1").arg(r));
      c->setProperty("index", k);
      c->setFrameStyle(QFrame::Panel | QFrame::Sunken);
      c->setLineWidth(1);
      c->setBackColour(kWhite);
      c->setTextColour(0);
      // Element 0 lies off the page and is never shown.
      const int left = k == 0 ? -2 * kCellSize : kFirstLeft + (k - 1) * kPitch;
      twips::place(c, left, kRowTops[r - 1], kCellSize, kCellSize);
      c->setVisible(false);
      cells_[r - 1][k] = c;
    }
  }

  text1_ = new VnLineEdit(this, FontSpec{FontFace::VnTime, 11.25});
  text1_->setObjectName(QStringLiteral("Text1"));
  text1_->setFrame(false);
  text1_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  text1_->setCodes(QStringLiteral(u"Gi¸o viªn:"));
  twips::place(text1_, 7320, 0, 5175, 315);

  command1_ = new QPushButton(displayText(u"Chôp ¶nh", FontFace::VnTime), this);
  command1_->setObjectName(QStringLiteral("Command1"));
  twips::place(command1_, 0, 0, 1755, 705);
  connect(command1_, &QPushButton::clicked, this, &Taoanh::capture);

  label1_ = new QLabel(this);
  label1_->setObjectName(QStringLiteral("Label1"));
  label1_->setVisible(false);

  timer1_ = new QTimer(this);
  timer1_->setObjectName(QStringLiteral("Timer1"));
  timer1_->setInterval(timing::kSnapshotDelayMs);
  connect(timer1_, &QTimer::timeout, this, &Taoanh::tick);

  image2_->lower();
}

void Taoanh::load() {
  step([&] {
    const QPoint topLeft = twips::centredOnScreen(kWidth, kHeight);
    twips::place(this, topLeft.x(), topLeft.y(), kWidth, kHeight);
  });
  Maker* editor = program().window<Maker>(windows::kEditor);
  if (!editor) return;
  for (int r = 1; r <= kRows; ++r)
    step([&] {
      if (Maker::shown(editor->rowNumber(r))) numbers_[r - 1]->setVisible(true);
    });
  for (int r = 1; r <= kRows; ++r)
    step([&] {
      // 0 shades the never-shown element 0; a position past the row shades nothing.
      const int p = toWhole(editor->special(r));
      if (p >= 0 && p <= kCells) cells_[r - 1][p]->setBackColour(kKeyBack);
    });
  for (int k = 1; k <= kCells; ++k)
    for (int r = 1; r <= kRows; ++r)
      step([&] {
        cells_[r - 1][k]->setCodes(editor->cell(r, k)->codes());
        // Cells are only ever shown here: one hidden in the editor stays hidden.
        if (Maker::shown(editor->cell(r, k))) cells_[r - 1][k]->setVisible(true);
      });
  step([&] { title_->setCodes(editor->topicBox()->codes()); });
}

QString Taoanh::targetPath() const { return label1_->text(); }

void Taoanh::capture() {
  command1_->setVisible(false);
  const auto chosen = program().services().saveFile(
      FileDialogRequest{kFilter, QString(), QString(), QStringLiteral("jpg")});
  if (!chosen) {
    // Nothing to write: no picture, no failure message, and the teacher may try again.
    command1_->setVisible(true);
    return;
  }
  label1_->setText(*chosen);
  timer1_->start();
}

QImage Taoanh::chupAnh() {
  // Rendered from the widgets themselves, so whatever else is on the screen cannot get in.
  QImage shot = grab().toImage();
  if (shot.size() != size())
    shot = shot.scaled(size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  return shot;
}

void Taoanh::tick() {
  timer1_->stop();
  step([&] {
    image1_ = chupAnh();
    aDIBSection surface;
    surface.CreateFromPicture(image1_);
    if (WriteJpeg(surface, label1_->text(), kJpegQuality, program().services()))
      program().services().message(kSavedMessage, MessageIcon::None);
  });
  command1_->setVisible(true);
  program().unload(windows::kSnapshot);
}

void Taoanh::closePage() {
  program().show(windows::kEditor);
  program().unload(windows::kSnapshot);
}

bool Taoanh::eventFilter(QObject* watched, QEvent* event) {
  if (watched == image2_ && event->type() == QEvent::MouseButtonRelease) {
    closePage();
    return true;
  }
  return Window::eventFilter(watched, event);
}

}  // namespace kc
