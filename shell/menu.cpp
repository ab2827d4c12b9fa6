#include "shell/menu.h"

#include "core/data_folder.h"
#include "core/line_store.h"
#include "core/numbers.h"
#include "core/services.h"
#include "core/settings.h"
#include "core/text/vn_label.h"
#include "core/timing.h"
#include "core/twips.h"
#include "core/window_names.h"
#include "shell/drag_mover.h"
#include "core/picture_box.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QLinearGradient>
#include <QPainter>

namespace kc {

namespace {

constexpr int kClientWidth = 9300;
constexpr int kClientHeight = 3975;

QString missingOrUnreadable(const QString& path) {
  return QFileInfo::exists(path) ? path + QStringLiteral(" (không đọc được)")
                                 : path + QStringLiteral(" (không có tệp)");
}

// The background the window shows while no skin picture has been loaded.
QPixmap builtInBackground(QSize size) {
  QPixmap px(size);
  QPainter p(&px);
  QLinearGradient g(0, 0, size.width(), size.height());
  g.setColorAt(0, QColor(120, 70, 30));
  g.setColorAt(1, QColor(230, 190, 120));
  p.fillRect(px.rect(), g);
  return px;
}

}  // namespace

Menu::Menu(Program& program) : Window(program, windows::kMenu) {
  setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
  setWindowTitle(QStringLiteral("Kelvora Crossword 6"));
  setFont(makeFont({FontFace::VnTime, 14.25}));
  setFixedSize(twips::toPixels(kClientWidth), twips::toPixels(kClientHeight));

  image1_ = new QLabel(this);
  image1_->setObjectName(QStringLiteral("Image1"));
  image1_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  twips::place(image1_, -60, 0, 9375, 4020);
  image1_->setPixmap(builtInBackground(image1_->size()));
  drag_ = new DragMover(image1_);

  struct Command {
    int top, height;
    const char* caption;
  };
  const Command commands[5] = {{840, 615, "Mở ô chữ"},
                               {1440, 615, "Tạo ô chữ mới"},
                               {2040, 675, "Cài đặt"},
                               {2700, 675, "Giới thiệu"},
                               {3360, 675, "Thoát"}};
  for (int i = 0; i < 5; ++i) {
    auto* b = new PictureButton(this, QString::fromUtf8(commands[i].caption));
    b->setObjectName(QStringLiteral("Command%1").arg(i + 1));
    twips::place(b, 0, commands[i].top, 2955, commands[i].height);
    commands_[i] = b;
  }
  connect(commands_[0], &QAbstractButton::clicked, this, &Menu::openPuzzle);
  connect(commands_[1], &QAbstractButton::clicked, this, &Menu::newPuzzle);
  connect(commands_[2], &QAbstractButton::clicked, this, &Menu::openSettings);
  connect(commands_[3], &QAbstractButton::clicked, this, &Menu::openAbout);
  connect(commands_[4], &QAbstractButton::clicked, this, &Menu::exitProgram);
  // The exit button appears only when the fade-in is over.
  commands_[4]->hide();

  title_ = new VnLabel(this, FontSpec{FontFace::VnTime, 26.25});
  title_->setObjectName(QStringLiteral("title"));
  title_->setCodes(menu::kTitle.toString());
  twips::place(title_, 2280, 0, 4935, 585);

  label_ = new VnLabel(this, FontSpec{FontFace::VnTime, 20.25, true});
  label_->setObjectName(QStringLiteral("label"));
  label_->setCodes(menu::kProductTitle.toString());
  twips::place(label_, 3840, 1560, 3870, 450);

  auto hidden = [this](const char* name, int l, int t, int w, int h) {
    auto* x = new QLabel(this);
    x->setObjectName(QString::fromLatin1(name));
    twips::place(x, l, t, w, h);
    x->hide();
    return x;
  };
  path_ = hidden("path", 1020, 0, 1935, 495);
  label2_ = hidden("Label2", 60, 0, 915, 375);
  giaodien_ = hidden("giaodien", 3000, 0, 1695, 495);

  timer1_ = new QTimer(this);
  timer1_->setObjectName(QStringLiteral("Timer1"));
  timer2_ = new QTimer(this);
  timer2_->setObjectName(QStringLiteral("Timer2"));
  connect(timer1_, &QTimer::timeout, this, &Menu::fadeInTick);
  connect(timer2_, &QTimer::timeout, this, &Menu::fadeOutTick);

  dialogFileName_ = menu::kSentinelFileName.toString();
}

void Menu::load() {
  setAlpha(0);
  timer1_->setInterval(timing::kMenuFadeMs);
  timer2_->setInterval(timing::kMenuFadeMs);
  timer2_->stop();
  timer1_->start();
  label2_->setText(program().folder());
  const QPoint centre = twips::centredOnScreen(kClientWidth, kClientHeight);
  move(twips::toPixels(centre.x()), twips::toPixels(centre.y()));

  const QStringList problems = taoGiaoDien();
  if (!problems.isEmpty()) {
    // One message for everything, so the teacher can pass the whole list on at once.
    program().services().message(
        QStringLiteral("Không nạp được các tệp sau; menu dùng hình và màu có sẵn thay cho "
                       "chúng:\n") +
            problems.join(QLatin1Char('\n')),
        MessageIcon::Warning);
  }
}

QString Menu::path() const { return path_->text(); }
QString Menu::programFolder() const { return label2_->text(); }
QString Menu::skin() const { return giaodien_->text(); }

PictureButton* Menu::button(int n) const { return n >= 1 && n <= 5 ? commands_[n - 1] : nullptr; }

void Menu::setAlpha(int alpha) {
  appliedAlpha_ = alpha;
  setWindowOpacity(alpha / 255.0);
}

void Menu::fadeInTick() {
  if (const auto alpha = fade_.stepIn()) {
    setAlpha(*alpha);
    return;
  }
  commands_[4]->show();
  timer1_->stop();
}

void Menu::fadeOutTick() {
  if (const auto alpha = fade_.stepOut()) {
    setAlpha(*alpha);
    return;
  }
  timer2_->stop();
  program().end();
}

void Menu::startFadeOut() {
  // Both fades at once would hold the alpha still; the fade-out wins.
  timer1_->stop();
  if (!timer2_->isActive()) timer2_->start(timing::kMenuFadeMs);
}

void Menu::closeEvent(QCloseEvent* event) {
  // Only the program's end closes the menu; any other close request fades the program out.
  if (program().hasEnded()) {
    event->accept();
    return;
  }
  event->ignore();
  startFadeOut();
}

void Menu::openPuzzle() {
  if (!program().isRegistered(windows::kShow)) return;
  FileDialogRequest request;
  request.filter = menu::kPuzzleFilter.toString();
  request.title = QStringLiteral("Mở ô chữ");
  request.fileName = dialogFileName_;
  const std::optional<QString> chosen = program().services().openFile(request);
  // A cancel never opens the show, not even the puzzle chosen last time.
  if (!chosen || chosen->isEmpty() || *chosen == menu::kSentinelFileName) return;
  dialogFileName_ = *chosen;
  path_->setText(*chosen);
  program().show(windows::kShow);
  hide();
}

void Menu::newPuzzle() {
  if (!program().isRegistered(windows::kEditor)) return;
  program().show(windows::kEditor);
  hide();
}

void Menu::openSettings() {
  if (!program().isRegistered(windows::kSetup)) return;
  hide();
  program().show(windows::kSetup);
}

void Menu::openAbout() {
  if (!program().isRegistered(windows::kAbout)) return;
  program().show(windows::kAbout);
  hide();
}

void Menu::exitProgram() {
  for (QStringView name : {windows::kShow, windows::kAbout, windows::kSetup})
    if (program().isLoaded(name)) program().unload(name);
  startFadeOut();
}

QStringList Menu::taoGiaoDien() {
  const Settings settings = program().settings();
  QString skin;
  try {
    skin = settings.line(settings::kSkin);
  } catch (const LineStoreError&) {
    // Without the settings file there is no skin name, so no skin file can be found.
    return {missingOrUnreadable(settings.path())};
  }
  giaodien_->setText(skin);
  return applySkin(skin);
}

QStringList Menu::applySkin(const QString& skin) {
  const Settings settings = program().settings();
  QStringList problems;
  // A picture that will not load leaves the control as it was.
  auto picture = [&](QStringView file, auto&& set) {
    const QString p = settings.skinFile(skin, file);
    QPixmap px;
    if (px.load(p))
      set(px);
    else
      problems << missingOrUnreadable(p);
  };
  const QStringView files[5] = {data::skin::kOpen, data::skin::kNew, data::skin::kSetup,
                                data::skin::kAbout, data::skin::kOut};
  for (int i = 0; i < 5; ++i)
    picture(files[i], [&](const QPixmap& px) { commands_[i]->setPicture(px); });
  picture(data::skin::kMenu, [&](const QPixmap& px) { image1_->setPixmap(px); });

  const QString colours = settings.skinFile(skin, data::skin::kColours);
  try {
    const std::int32_t colour = toWhole(GetLine(colours, 2));
    title_->setTextColour(colour);
    label_->setTextColour(colour);
  } catch (const LineStoreError&) {
    problems << missingOrUnreadable(colours);
  } catch (const ConversionError&) {
    problems << colours + QStringLiteral(" (dòng 2 không phải là một màu)");
  }
  return problems;
}

}  // namespace kc
