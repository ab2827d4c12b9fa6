#include "show/form1.h"

#include "core/data_folder.h"
#include "core/file_paths.h"
#include "core/line_store.h"
#include "core/numbers.h"
#include "core/players/flash_player.h"
#include "core/players/media_player.h"
#include "core/players/players.h"
#include "core/steps.h"
#include "core/text/vn_label.h"
#include "core/timing.h"
#include "core/twips.h"
#include "core/window_names.h"
#include "puzzle/grid.h"
#include "puzzle/puzzle_file.h"
#include "show/builtin_pictures.h"
#include "show/letter_cell.h"
#include "show/picshow.h"
#include "core/picture_box.h"
#include "show/presentation.h"

#include <QDateTime>
#include <QLineEdit>
#include <QTimer>

#include <cmath>
#include <optional>
#include <random>

namespace kc {

namespace {

constexpr int kWidth = presentation::kWindowWidth;
constexpr int kHeight = presentation::kWindowHeight;

// Row labels: "1".."9" are one digit wide, "10".."12" two.
constexpr int labelLeft(int row) {
  switch (row) {
    case 1:
      return 2940;
    case 10:
    case 12:
      return 2850;
    case 11:
      return 2820;
    default:
      return 2970;
  }
}
constexpr int labelWidth(int row) { return row < 10 ? 270 : 540; }
constexpr int rowTop(int row) { return Form1::kCellTop + Form1::kRowPitch * (row - 1); }

std::optional<std::int32_t> colourSetting(const Settings& s, settings::Line line) {
  std::optional<std::int32_t> v;
  step([&] { v = s.colour(line); });
  return v;
}

}  // namespace

Form1::Form1(Program& program) : Window(program, windows::kShow) {
  // Kept above the other windows without taking the focus from them; no border.
  setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
  setAttribute(Qt::WA_ShowWithoutActivating);
  setWindowTitle(QStringLiteral("Kelvora Crossword"));
  // The background is the largest picture of the look: decode it while the controls are built.
  QStringList early;
  const Settings s = program.settings();
  step([&] { early << s.skinFile(data::skin::kBackground); });
  step([&] {
    const QString wallpaper = s.selection(data::kWallpaperSelected);
    if (wallpaper != data::kDefaultWallpaper)
      early << program.path(data::kWallpaperFolder.toString() + wallpaper);
  });
  prefetch_.start(early);
  build();
}

Form1::~Form1() = default;

// Controls are made back to front, so each new one lies in front of those made before it.
void Form1::build() {
  twips::place(this, 0, 0, kWidth, kHeight);
  QPalette pal = palette();
  pal.setColor(QPalette::Window, Qt::black);
  setPalette(pal);
  setAutoFillBackground(false);
  setAttribute(Qt::WA_OpaquePaintEvent);

  image1_ = new PictureBox(this, PictureBox::Fit::Stretch);
  image1_->setObjectName(QStringLiteral("Image1"));
  twips::place(image1_, 0, 0, 15360, kHeight);
  image1_->setAttribute(Qt::WA_OpaquePaintEvent);
  connect(image1_, &PictureBox::pressed, this, [this](Qt::MouseButton b) {
    if (b == Qt::RightButton) hideStripQuestion();
  });
  connect(image1_, &PictureBox::hovered, this, &Form1::hoverBackground);

  image2_ = new PictureBox(this, PictureBox::Fit::Stretch);
  image2_->setObjectName(QStringLiteral("Image2"));
  twips::place(image2_, 0, 1620, 2655, 7545);
  image2_->hide();

  flhback_ = program().players().createFlashPlayer(this);
  flhback_->setObjectName(QStringLiteral("Flhback"));
  mmFlash_ = program().players().createFlashPlayer(this);
  mmFlash_->setObjectName(QStringLiteral("MmFlash"));

  for (int r = 1; r <= kRows; ++r) {
    auto* l = new VnLabel(this, FontSpec{FontFace::VnTime, 26.25});
    l->setObjectName(r == 2 ? QStringLiteral("C2") : QStringLiteral("c%1").arg(r));
    l->setCodes(QString::number(r));
    l->setCursor(Qt::PointingHandCursor);
    twips::place(l, labelLeft(r), kLabelTop, labelWidth(r), 585);
    l->hide();
    connect(l, &VnLabel::clicked, this, [this, r] { chooseRow(r); });
    connect(l, &VnLabel::hovered, this, [this, r] { hoverRowLabel(r); });
    rowLabels_[r] = l;
  }

  cauhoi_ = new VnLabel(this, FontSpec{FontFace::VnTime, 21.75, true});
  cauhoi_->setObjectName(QStringLiteral("Cauhoi"));
  cauhoi_->setWordWrap(true);
  cauhoi_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  twips::place(cauhoi_, -2500, 1800, 2385, 7275);
  cauhoi_->hide();
  connect(cauhoi_, &VnLabel::clicked, this, &Form1::hideStripQuestion);

  label3_ = new VnLabel(this);
  label3_->setObjectName(QStringLiteral("Label3"));
  twips::place(label3_, 2640, 0, 285, 9435);
  connect(label3_, &VnLabel::hovered, this, &Form1::hoverLabel3);
  label4_ = new VnLabel(this);
  label4_->setObjectName(QStringLiteral("Label4"));
  twips::place(label4_, 2760, 0, 225, 12105);
  connect(label4_, &VnLabel::hovered, this, &Form1::hoverLabel4);

  for (int i = 1; i <= 6; ++i) {
    auto* l = new VnLabel(this, FontSpec{FontFace::VnTime, 27.75, true});
    l->setObjectName(QStringLiteral("Label%1").arg(i + 4));
    l->setAlignment((i == 6 ? Qt::AlignRight : Qt::AlignHCenter) | Qt::AlignTop);
    l->setCursor(Qt::PointingHandCursor);
    twips::place(l, 0, 0, kWidth - 500, 900);
    connect(l, &VnLabel::clicked, this, &Form1::startShow);
    connect(l, &VnLabel::hovered, this, [this, i] { hoverWelcomeLine(i); });
    welcome_[i - 1] = l;
  }

  chude_ = new VnLabel(this, FontSpec{FontFace::VnTime, 27.75});
  chude_->setObjectName(QStringLiteral("chude"));
  chude_->setCodes(QStringLiteral("-"));
  chude_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  chude_->setCursor(Qt::PointingHandCursor);
  twips::place(chude_, 0, 510, kWidth, 700);
  chude_->hide();
  connect(chude_, &VnLabel::clicked, this, &Form1::chooseKeyword);
  connect(chude_, &VnLabel::hovered, this, &Form1::hoverTopic);

  clock_ = new PictureBox(this);
  clock_->setObjectName(QStringLiteral("clock"));
  twips::place(clock_, 10, -1920, 2010, 1920);
  clock_->hide();
  connect(clock_, &PictureBox::clicked, this, &Form1::clickClock);

  seclabel_ = new VnLabel(this, FontSpec{FontFace::VnTime, 48, true});
  seclabel_->setObjectName(QStringLiteral("Seclabel"));
  seclabel_->setAlignment(Qt::AlignCenter);
  seclabel_->setCodes(QStringLiteral("30"));
  twips::place(seclabel_, 0, 400, 1815, 1065);
  seclabel_->hide();
  connect(seclabel_, &VnLabel::clicked, this, &Form1::clickSeconds);

  flashCorner_ = program().players().createFlashPlayer(this);
  flashCorner_->setObjectName(QStringLiteral("FlashConrner"));

  wm1_ = program().players().createMediaPlayer(this, true);
  wm1_->setObjectName(QStringLiteral("wm1"));
  twips::place(wm1_, 120, 10380, 4500, 900);
  wm1_->hide();

  for (int r = 1; r <= kRows; ++r) {
    auto* d = new PictureButton(this);
    d->setObjectName(QStringLiteral("D%1").arg(r));
    twips::place(d, kRightLeft, rowTop(r) + kButtonOffset, 615, 495);
    d->hide();
    connect(d, &PictureButton::clicked, this, [this, r] { rightVerdict(r); });
    right_[r] = d;
    auto* s = new PictureButton(this);
    s->setObjectName(QStringLiteral("S%1").arg(r));
    twips::place(s, kWrongLeft, rowTop(r) + kButtonOffset, 615, 495);
    s->hide();
    connect(s, &PictureButton::clicked, this, [this, r] { wrongVerdict(r); });
    wrong_[r] = s;
  }

  for (int r = 1; r <= kRows; ++r) {
    for (int k = 0; k <= kPositions; ++k) {
      auto* c = new LetterCell(this, r, k);
      twips::place(c, grid::columnLeft(grid::kShowView, std::max(k, 1)), kCellTop, 550, 400);
      c->hide();
      connect(c, &LetterCell::clicked, this, [this, r](int k) { revealCell(r, k); });
      cells_[r][k] = c;
    }
  }

  frame2_ = new QWidget(this);
  frame2_->setObjectName(QStringLiteral("Frame2"));
  frame2_->setAutoFillBackground(true);
  QPalette fp = frame2_->palette();
  fp.setColor(QPalette::Window, QColor(255, 251, 240));
  frame2_->setPalette(fp);
  twips::place(frame2_, 0, 2280, presentation::kPanelFirstWidth, 5835);
  frame2_->hide();
  image5_ = new PictureBox(frame2_);
  image5_->setObjectName(QStringLiteral("Image5"));
  twips::place(image5_, 0, 0, 5835, 5835);
  connect(image5_, &PictureBox::clicked, this, &Form1::hidePanelQuestion);
  cauhoi2_ = new VnLabel(frame2_, FontSpec{FontFace::VnTime, 36, true});
  cauhoi2_->setObjectName(QStringLiteral("cauhoi2"));
  cauhoi2_->setWordWrap(true);
  cauhoi2_->setAlignment(Qt::AlignCenter);
  twips::place(cauhoi2_, 660, 225, kWidth - presentation::kPanelTextMargin, 5595);
  cauhoi2_->hide();
  connect(cauhoi2_, &VnLabel::clicked, this, &Form1::hidePanelQuestion);

  frame3_ = new QWidget(this);
  frame3_->setObjectName(QStringLiteral("Frame3"));
  twips::place(frame3_, kWidth - kSidePanelStrip, 9360, 2895, 735);
  image6_ = new PictureBox(frame3_, PictureBox::Fit::Stretch);
  image6_->setObjectName(QStringLiteral("Image6"));
  image6_->setPicture(builtin::sidePanel());
  image6_->setCursor(Qt::PointingHandCursor);
  twips::place(image6_, 0, 0, 3450, 750);
  connect(image6_, &PictureBox::clicked, this, &Form1::toggleSidePanel);
  exitcmd_ = new PictureButton(frame3_);
  exitcmd_->setObjectName(QStringLiteral("Exitcmd"));
  // A system-font text, shown as it stands.
  exitcmd_->setToolTip(displayText(u"Thoát", FontFace::System));
  twips::place(exitcmd_, 1800, 120, 615, 495);
  connect(exitcmd_, &PictureButton::clicked, this, &Form1::exitShow);

  for (int r = 1; r <= kRows; ++r) {
    auto* t = new QLineEdit(this);
    t->setObjectName(QStringLiteral("Text%1").arg(r));
    t->hide();
    connect(t, &QLineEdit::textChanged, this, [this, r] { fillRow(r); });
    texts_[r] = t;
  }

  media_ = program().players().createMediaPlayer(this, false);
  media_->setObjectName(QStringLiteral("media"));
  pl1_ = program().players().createMediaPlayer(this, false);
  pl1_->setObjectName(QStringLiteral("pl1"));
  pl2_ = program().players().createMediaPlayer(this, false);
  pl2_->setObjectName(QStringLiteral("pl2"));

  static constexpr const char* kTimerNames[] = {"Timer1", "Timer2", "Timer3", "Timer4", "Timer5"};
  for (int n = 0; n < 5; ++n) {
    timers_[n] = new QTimer(this);
    timers_[n]->setObjectName(QString::fromLatin1(kTimerNames[n]));
    timers_[n]->setInterval(timing::kFastTickMs);
  }
  timers_[3]->setInterval(timing::kCountdownMs);
  connect(timers_[0], &QTimer::timeout, this, &Form1::timer1Tick);
  connect(timers_[1], &QTimer::timeout, this, &Form1::timer2Tick);
  connect(timers_[2], &QTimer::timeout, this, &Form1::timer3Tick);
  connect(timers_[3], &QTimer::timeout, this, &Form1::timer4Tick);
  connect(timers_[4], &QTimer::timeout, this, &Form1::timer5Tick);

  countdown_ = std::make_unique<Countdown>(
      Countdown::Kind::Show, program().settings(),
      Countdown::Parts{clock_, seclabel_, timers_[2], timers_[3], pl1_, pl2_});
}

void Form1::load() {
  step([&] { sidePanelState_ = 1; });
  step([&] {
    Window* menu = program().window(windows::kMenu);
    if (menu) path_ = menu->property("path").toString();
  });
  step([&] { label2_ = program().folder(); });
  step([&] { twips::setLeft(frame3_, kWidth - kSidePanelStrip); });
  step([&] { taoGiaoDien(); });
  step([&] { viTri(); });
  step([&] { startStyleTimer(); });
  step([&] { layoutBoard(); });
  step([&] { readFile(); });
}

void Form1::taoGiaoDien() {
  const Settings s = program().settings();
  step([&] {
    image5_->loadWhenShown(program().path(data::kQuestionBackgroundFolder.toString() +
                                          s.selection(data::kQuestionBackgroundSelected)));
    const QSize own = image5_->pictureTwips();
    twips::place(image5_, 0, 0, own.width(), own.height());
  });
  step([&] { giaodien_ = s.line(settings::kSkin); });
  step([&] {
    const QPixmap pic = loadPicture(s.skinFile(giaodien_, data::skin::kRight));
    for (int r = 1; r <= kRows; ++r) right_[r]->setPicture(pic);
  });
  step([&] {
    const QPixmap pic = loadPicture(s.skinFile(giaodien_, data::skin::kWrong));
    for (int r = 1; r <= kRows; ++r) wrong_[r]->setPicture(pic);
  });
  step([&] { exitcmd_->load(s.skinFile(giaodien_, data::skin::kExit)); });
  step([&] { image1_->load(s.skinFile(giaodien_, data::skin::kBackground), &prefetch_); });
  step([&] { image2_->loadWhenShown(s.skinFile(giaodien_, data::skin::kStrip)); });
  step([&] {
    twips::place(flhback_, 0, 0, twips::width(this), twips::height(this));
    flhback_->setMovie(program().path(data::kBackgroundFlashFolder.toString() +
                                      s.selection(data::kBackgroundFlashSelected)));
  });
  step([&] {
    twips::place(mmFlash_, 0, 0, twips::width(this), twips::height(this));
    mmFlash_->setMovie(program().path(data::kMouseFlashFolder.toString() +
                                      s.selection(data::kMouseFlashSelected)));
  });
  step([&] {
    flashCorner_->setMovie(program().path(data::kCornerFlashFolder.toString() +
                                          s.selection(data::kCornerFlashSelected)));
  });
  step([&] {
    twips::place(flashCorner_, twips::width(this) - 7000, twips::height(this) - 5000, 7000, 5000);
  });
  step([&] { builtin::loadClock(clock_, program().path(data::kClockPicture)); });
  step([&] {
    const QString wallpaper = s.selection(data::kWallpaperSelected);
    if (wallpaper != data::kDefaultWallpaper)
      image1_->load(program().path(data::kWallpaperFolder.toString() + wallpaper), &prefetch_);
  });
  step([&] {
    twips::setLeft(chude_, 0);
    twips::setWidth(chude_, twips::width(this));
  });
  step([&] { chinhochu(); });
}

void Form1::chinhochu() {
  for (int r = 1; r <= kRows; ++r)
    for (int k = 1; k <= kPositions; ++k) {
      twips::setHeight(cells_[r][k], 400);
      twips::setWidth(cells_[r][k], 550);
    }
  // Rows are stacked from row 1 down at a fixed pitch, so every row's label and verdict
  // buttons stay beside it once the cells take their full height.
  for (int r = 1; r < kRows; ++r)
    for (int k = 0; k <= kPositions; ++k)
      twips::setTop(cells_[r + 1][k], twips::top(cells_[r][1]) + kRowPitch);
}

void Form1::viTri() {
  const QPoint at = twips::centredOnScreen(kWidth, kHeight);
  twips::place(this, at.x(), at.y(), kWidth, kHeight);
  twips::setLeft(image2_, 0);
  twips::setTop(image2_, 1620);
  twips::setLeft(cauhoi_, -2500);
  twips::setLeft(image1_, 0);
  twips::setTop(image1_, 0);
}

void Form1::startStyleTimer() {
  const Settings s = program().settings();
  if (s.real(settings::kAutoStyle) == 1) {
    timers_[4]->setInterval(int(std::lround(s.real(settings::kAutoStyleInterval) * 1000)));
    timers_[4]->start();
  } else {
    timers_[4]->stop();
  }
}

void Form1::layoutBoard() {
  const Settings s = program().settings();
  step([&] {
    for (int k = 2; k <= kPositions; ++k)
      for (int r = 1; r <= kRows; ++r)
        twips::setLeft(cells_[r][k],
                       twips::left(cells_[1][k - 1]) + twips::width(cells_[1][k - 1]));
    for (int r = 1; r <= kRows; ++r) twips::setLeft(cells_[r][1], twips::left(cells_[1][1]));
  });
  step([&] {
    for (int r = 1; r < kRows; ++r)
      twips::setTop(rowLabels_[r + 1], twips::top(rowLabels_[r]) + kRowPitch);
  });
  const auto back = colourSetting(s, settings::kCellBack);
  const auto text = colourSetting(s, settings::kCellText);
  for (int k = 1; k <= kPositions; ++k)
    for (int r = 1; r <= kRows; ++r) {
      twips::setHeight(cells_[r][k], kCellHeight);
      if (back) cells_[r][k]->setBackColour(*back);
      if (text) cells_[r][k]->setTextColour(*text);
    }
  if (text) {
    chude_->setTextColour(*text);
    for (int r = 1; r <= kRows; ++r) rowLabels_[r]->setTextColour(*text);
    cauhoi_->setTextColour(*text);
    for (VnLabel* l : welcome_) l->setTextColour(*text);
  }
}

void Form1::readFile() {
  step([&] { chude_->setCodes(GetLine(path_, puzzle::kTopic)); });
  std::optional<double> welcomeSwitch;
  step([&] { welcomeSwitch = parseReal(GetLine(path_, puzzle::kWelcomeSwitch)); });
  if (!welcomeSwitch || *welcomeSwitch == 0)
    startShow();
  else
    welcome();
}

void Form1::welcome() {
  try {
    for (int i = 1; i <= 6; ++i) welcome_[i - 1]->setCodes(GetLine(path_, puzzle::welcomeLine(i)));
    int top = twips::screenSize().height() / 2 - 4000;
    for (VnLabel* l : welcome_) {
      twips::setTop(l, top);
      top += 1200;
    }
    for (VnLabel* l : welcome_) {
      twips::setLeft(l, 0);
      twips::setWidth(l, twips::width(this) - 500);
    }
  } catch (const std::exception&) {
    // The welcome page stops at its first failure; the show goes on as it is.
  }
}

void Form1::startShow() {
  step([&] {
    const QString music = CompanionPath(path_, puzzle::kMusic.toString());
    if (FileExists(music)) {
      wm1_->setUrl(music);
      wm1_->show();
    }
  });
  step([&] {
    chude_->show();
    for (VnLabel* l : welcome_) l->hide();
  });
  for (int r = 1; r <= kRows; ++r)
    step([&] { texts_[r]->setText(GetLine(path_, puzzle::answerLine(r))); });
  for (int r = 1; r <= kRows; ++r) step([&] { colourKeyCell(r); });
  for (int r = 1; r <= kRows; ++r) {
    if (texts_[r]->text() == puzzle::kUnused) {
      texts_[r]->setText(QStringLiteral(" "));
    } else {
      right_[r]->show();
      wrong_[r]->show();
      rowLabels_[r]->show();
    }
  }
  // Loaded now, out of sight, so the first picture question opens at once.
  step([&] { program().window(windows::kPicture); });
}

QString Form1::rowText(int row) const { return texts_[row]->text(); }
void Form1::setRowText(int row, const QString& text) { texts_[row]->setText(text); }

void Form1::fillRow(int row) {
  const QString text = texts_[row]->text();
  const grid::Row cells = grid::fillRow(text);
  const int n = int(std::min<qsizetype>(text.size(), kPositions));
  for (int k = 0; k <= kPositions; ++k) {
    // A cell past the text keeps its old letter: only shown cells matter.
    if (k >= 1 && k <= n) cells_[row][k]->setLetter(cells[k].letter);
    cells_[row][k]->setVisible(cells[k].shown);
  }
}

void Form1::colourKeyCell(int row) {
  const auto key = grid::keyCell(GetLine(path_, puzzle::specialLine(row)));
  if (!key) return;  // no usable position: the row keeps its normal colours
  const Settings s = program().settings();
  const auto back = colourSetting(s, settings::kKeyBack);
  const auto text = colourSetting(s, settings::kKeyText);
  if (back) cells_[row][*key]->setBackColour(*back);
  if (text) cells_[row][*key]->setTextColour(*text);
}

void Form1::restoreRowColours(int row) {
  const Settings s = program().settings();
  const auto back = colourSetting(s, settings::kCellBack);
  const auto text = colourSetting(s, settings::kCellText);
  for (int k = 1; k <= kPositions; ++k) {
    if (back) cells_[row][k]->setBackColour(*back);
    if (text) cells_[row][k]->setTextColour(*text);
  }
  step([&] { colourKeyCell(row); });
}

void Form1::present(int questionLine, int pictureRow, const QString& number, bool sound) {
  QString question;
  // The puzzle file went away during the game: there is no question to ask.
  if (!step([&] { question = GetLine(path_, questionLine); })) return;
  cauhoi_->setCodes(question);
  cauhoi2_->setCodes(question);
  delay();
  countdown_->start();
  if (FileExists(CompanionPath(path_, puzzle::pictureName(pictureRow)))) {
    Window* w = program().show(windows::kPicture);
    number_ = number;
    if (auto* pic = qobject_cast<Picshow*>(w)) pic->present();
  }
  if (sound) media_->setUrl(program().path(data::kChosenSound));
}

void Form1::chooseRow(int row) {
  present(puzzle::questionLine(row), row, QString::number(row), true);
}

void Form1::chooseKeyword() {
  chude_->setBold(true);
  present(puzzle::kKeywordQuestion, 0, QString(), false);
}

void Form1::delay() {
  twips::setLeft(image2_, presentation::kStripStart);
  twips::setLeft(cauhoi_, presentation::kStripStart);
  QString style;
  step([&] { style = program().settings().line(settings::kPresentation); });
  if (style == settings::kFirstPresentationStyle)
    timers_[0]->start();
  else
    timers_[1]->start();
}

void Form1::timer1Tick() {
  cauhoi_->show();
  image2_->show();
  const auto next = presentation::stripStep(twips::left(image2_), twips::left(cauhoi_));
  twips::setLeft(image2_, next.imageLeft);
  twips::setLeft(cauhoi_, next.textLeft);
  if (next.done) timers_[0]->stop();
}

void Form1::timer2Tick() {
  frame2_->show();
  QRect r = twips::rect(frame2_);
  r.moveTo(0, twips::top(rowLabels_[1]));
  const auto next = presentation::panelStep(r.width(), twips::width(this));
  r.setWidth(next.width);
  twips::place(frame2_, r);
  if (next.done) {
    twips::setWidth(cauhoi2_, twips::width(this) - presentation::kPanelTextMargin);
    cauhoi2_->show();
    timers_[1]->stop();
  }
}

void Form1::hideStripQuestion() {
  image2_->hide();
  cauhoi_->hide();
}

void Form1::hidePanelQuestion() {
  frame2_->hide();
  twips::setWidth(frame2_, presentation::kPanelClosedWidth);
}

void Form1::hoverRowLabel(int row) {
  VnLabel* l = rowLabels_[row];
  l->setBold(true);
  l->setUnderline(true);
  // Only a row still masked is lit up: a revealed row has nothing left to point at.
  if (cells_[row][1]->isMasked())
    for (int k = 1; k <= kPositions; ++k) cells_[row][k]->setBackColour(kHighlight);
}

void Form1::hoverLabel4() {
  for (int r = 1; r <= kRows; ++r) {
    rowLabels_[r]->setBold(false);
    rowLabels_[r]->setUnderline(false);
  }
  for (int r = 1; r <= kRows; ++r)
    if (cells_[r][1]->backColour() == kHighlight) restoreRowColours(r);
}

void Form1::hoverLabel3() {
  for (int r = 1; r <= kRows; ++r) {
    rowLabels_[r]->setBold(false);
    rowLabels_[r]->setUnderline(false);
  }
}

void Form1::hoverBackground() {
  chude_->setBold(false);
  for (int r = 1; r <= kRows; ++r) {
    rowLabels_[r]->setBold(false);
    rowLabels_[r]->setUnderline(false);
  }
  for (VnLabel* l : welcome_) l->setBold(false);
}

void Form1::hoverTopic() { chude_->setBold(true); }

void Form1::hoverWelcomeLine(int i) { welcome_[i - 1]->setBold(true); }

void Form1::verdictEnd(bool right) {
  media_->setUrl(program().path(right ? data::kRightSound : data::kWrongSound));
  countdown_->stopForVerdict(right);
}

void Form1::rightVerdict(int row) {
  for (int k = 1; k <= kPositions; ++k) cells_[row][k]->setMasked(false);
  restoreRowColours(row);
  wrong_[row]->hide();
  verdictEnd(true);
}

void Form1::wrongVerdict(int row) {
  verdictEnd(false);
  for (int k = 1; k <= kPositions; ++k) {
    cells_[row][k]->setBackColour(0);
    cells_[row][k]->setTextColour(0);
  }
}

void Form1::revealCell(int row, int position) { cells_[row][position]->setMasked(false); }

void Form1::clickClock() { countdown_->clickClock(); }
void Form1::clickSeconds() { countdown_->clickSeconds(); }
void Form1::timer3Tick() { countdown_->dropTick(); }
void Form1::timer4Tick() { countdown_->countTick(); }

void Form1::timer5Tick() {
  std::mt19937 random(static_cast<std::uint32_t>(QDateTime::currentMSecsSinceEpoch() & 0xFFFFFFFF));
  const double x = std::uniform_real_distribution<double>(0.0, 1.0)(random);
  // Halves to even, as the old conversion rounded.
  styleNumber_ = int(std::nearbyint(x * 10));
  emit styleNumberDrawn(styleNumber_);
}

void Form1::toggleSidePanel() {
  if (sidePanelState_ == 1) {
    twips::setLeft(frame3_, kWidth - twips::width(frame3_));
    sidePanelState_ = 0;
  } else {
    twips::setLeft(frame3_, kWidth - kSidePanelStrip);
    sidePanelState_ = 1;
  }
}

void Form1::exitShow() {
  program().unload(windows::kShow);
  program().unload(windows::kPicture);
  program().show(windows::kMenu);
}

}  // namespace kc
