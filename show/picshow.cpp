#include "show/picshow.h"

#include "core/data_folder.h"
#include "core/file_paths.h"
#include "core/steps.h"
#include "core/text/vn_label.h"
#include "core/timing.h"
#include "core/twips.h"
#include "core/window_names.h"
#include "show/builtin_pictures.h"
#include "show/form1.h"
#include "core/picture_box.h"
#include "show/presentation.h"

#include <QTimer>

namespace kc {

namespace {
constexpr int kWidth = presentation::kWindowWidth;
constexpr int kHeight = presentation::kWindowHeight;
}  // namespace

Picshow::Picshow(Program& program) : Window(program, windows::kPicture) {
  setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
  setAttribute(Qt::WA_ShowWithoutActivating);
  setWindowTitle(QStringLiteral("Kelvora Crossword"));
  build();
}

Picshow::~Picshow() = default;

void Picshow::build() {
  twips::place(this, 0, 0, kWidth, kHeight);
  // The window-text colour of the standard scheme: black behind a picture that is too small.
  QPalette pal = palette();
  pal.setColor(QPalette::Window, palette().color(QPalette::WindowText));
  setPalette(pal);
  setAutoFillBackground(true);

  image1_ = new PictureBox(this);
  image1_->setObjectName(QStringLiteral("Image1"));
  twips::place(image1_, 0, 0, 0, 0);
  connect(image1_, &PictureBox::clicked, this, &Picshow::closeByPicture);

  clock_ = new PictureBox(this);
  clock_->setObjectName(QStringLiteral("clock"));
  twips::place(clock_, 10, -1920, 2010, 1920);
  clock_->hide();

  seclabel_ = new VnLabel(this, FontSpec{FontFace::VnTime, 48, true});
  seclabel_->setObjectName(QStringLiteral("Seclabel"));
  seclabel_->setAlignment(Qt::AlignCenter);
  seclabel_->setCodes(QStringLiteral("30"));
  seclabel_->setTextColour(valueFromColour(palette().color(QPalette::WindowText)));
  twips::place(seclabel_, -50, 350, 1815, 1065);
  seclabel_->hide();

  image2_ = new PictureBox(this, PictureBox::Fit::Stretch);
  image2_->setObjectName(QStringLiteral("Image2"));
  QPixmap white(8, 8);
  white.fill(Qt::white);
  image2_->setPicture(white);
  twips::place(image2_, 0, 9480, 15375, 1020);

  cauhoi_ = new VnLabel(this, FontSpec{FontFace::VnTime, 20.25, true});
  cauhoi_->setObjectName(QStringLiteral("Cauhoi"));
  cauhoi_->setWordWrap(true);
  cauhoi_->setAlignment(Qt::AlignCenter);
  cauhoi_->setTextColour(valueFromColour(palette().color(QPalette::ButtonText)));
  twips::place(cauhoi_, -180, 9480, 0, 1035);

  timer1_ = new QTimer(this);
  timer1_->setObjectName(QStringLiteral("Timer1"));
  timer1_->setInterval(timing::kFastTickMs);
  connect(timer1_, &QTimer::timeout, this, &Picshow::timer1Tick);
  timer3_ = new QTimer(this);
  timer3_->setObjectName(QStringLiteral("Timer3"));
  timer3_->setInterval(timing::kFastTickMs);
  connect(timer3_, &QTimer::timeout, this, &Picshow::timer3Tick);
  timer4_ = new QTimer(this);
  timer4_->setObjectName(QStringLiteral("Timer4"));
  timer4_->setInterval(timing::kCountdownMs);
  connect(timer4_, &QTimer::timeout, this, &Picshow::timer4Tick);
  // The band unrolls once per load: this timer is never started again.
  timer1_->start();

  countdown_ = std::make_unique<Countdown>(
      Countdown::Kind::Picture, program().settings(),
      Countdown::Parts{clock_, seclabel_, timer3_, timer4_, nullptr, nullptr});
}

QTimer* Picshow::timer(int n) const {
  switch (n) {
    case 1:
      return timer1_;
    case 3:
      return timer3_;
    case 4:
      return timer4_;
    default:
      return nullptr;
  }
}

void Picshow::load() {
  step([&] { twips::setWidth(cauhoi_, 0); });
  step([&] { twips::place(image1_, 0, 0, twips::width(image1_), twips::height(image1_)); });
  step([&] {
    const QPoint at = twips::centredOnScreen(kWidth, kHeight);
    twips::place(this, at.x(), at.y(), kWidth, kHeight);
  });
  step([&] {
    if (auto* show = program().window<Form1>(windows::kShow)) label2_ = show->label2();
  });
  step([&] { seclabel_->hide(); });
  step([&] {
    if (auto* show = program().window<Form1>(windows::kShow)) path_ = show->path();
  });
  step([&] { builtin::loadClock(clock_, program().path(data::kClockPicture)); });
  step([&] { countdown_->start(); });
}

void Picshow::present() {
  auto* show = program().window<Form1>(windows::kShow);
  if (!show) return;
  num_ = show->number();
  step([&] {
    image1_->load(CompanionPath(path_, QStringLiteral("image") + num_ + QStringLiteral(".jpg")));
    const QSize own = image1_->pictureTwips();
    twips::place(image1_, 0, 0, own.width(), own.height());
  });
  cauhoi_->setCodes(show->cauhoi()->codes());
  countdown_->start();
}

void Picshow::timer1Tick() {
  const auto next = presentation::bandStep(twips::width(cauhoi_), kWidth);
  twips::setWidth(cauhoi_, next.width);
  if (next.done) timer1_->stop();
}

void Picshow::timer3Tick() { countdown_->dropTick(); }
void Picshow::timer4Tick() { countdown_->countTick(); }

void Picshow::closeByPicture() { program().unload(windows::kPicture); }

}  // namespace kc
