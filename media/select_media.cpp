#include "media/select_media.h"

#include "core/file_paths.h"
#include "core/players/media_player.h"
#include "core/players/players.h"
#include "core/services.h"
#include "core/steps.h"
#include "core/text/vn_label.h"
#include "core/twips.h"
#include "core/window_names.h"

#include <QLabel>
#include <QPalette>
#include <QPixmap>
#include <QPushButton>

namespace kc {

const QString SelectMedia::kFilter = QStringLiteral(
    "Multimedia files (*.mp3;*.wav;*.mid;*.avi;*.flv;*.mp4;*.mkv;*.mov)|*.mp3;*.wav;*.mid;*.avi;"
    "*.flv;*.mp4;*.mkv;*.mov|All Files (*.*)|*.*");

// TCVN3 codes; \u00AD is the letter ư.
const QString SelectMedia::kHelpText = QStringLiteral(
    u"PhÇn nµy ®Ó kiÓm tra r»ng video cña b¹n cã hîp lÖ ®Ó tr×nh chiÕu hay kh«ng, khi chän xong "
    u"video, nÕu nã ®\u00ADîc ph¸t cã nghÜa lµ video ®ã hîp lÖ. B¹n cã thÓ gäi tèi ®a 8 file media "
    u"khi tr×nh chiÕu, c¸c file media nµy ph¶i n»m cïng th\u00AD môc víi file « ch÷ ®ang tr×nh "
    u"chiÕu, cã tªn lÇn l\u00ADît lµ mediavideo1, mediavideo2, mediavideo3, mediavideo4,... ");

namespace {
const QString kNoFile = QStringLiteral("-");
}

SelectMedia::SelectMedia(Program& program) : Window(program, windows::kSelectMedia) {
  setWindowFlag(Qt::FramelessWindowHint);
  setFixedSize(twips::toPixels(QRect(0, 0, kWidth, kHeight)).size());

  image1_ = new QLabel(this);
  image1_->setObjectName(QStringLiteral("Image1"));
  image1_->setScaledContents(true);
  twips::place(image1_, 0, -3960, 12750, 10500);

  label2_ = new VnLabel(this, FontSpec{FontFace::VnTime, 14.25});
  label2_->setObjectName(QStringLiteral("Label2"));
  label2_->setWordWrap(true);
  label2_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  label2_->setCodes(kHelpText);
  twips::place(label2_, 240, 240, 8835, 1995);

  label1_ = new VnLabel(this, FontSpec{FontFace::System, 13.5});
  label1_->setObjectName(QStringLiteral("Label1"));
  label1_->setTextColour(valueFromColour(palette().color(QPalette::HighlightedText)));
  twips::place(label1_, 240, 2520, 375, 375);

  md_ = program.players().createMediaPlayer(this, true);
  md_->setObjectName(QStringLiteral("MD"));
  twips::place(md_, 4950, 2250, 4065, 3465);

  command1_ = new QPushButton(displayText(u"Chän file", FontFace::VnTime), this);
  command1_->setObjectName(QStringLiteral("Command1"));
  command1_->setFont(makeFont(FontSpec{FontFace::VnTime, 12, true}));
  twips::place(command1_, 4995, 5820, 1965, 525);
  connect(command1_, &QPushButton::clicked, this, &SelectMedia::tryFile);

  command4_ = new QPushButton(QStringLiteral("\u2714"), this);
  command4_->setObjectName(QStringLiteral("Command4"));
  twips::place(command4_, 8400, 5880, 585, 525);
  connect(command4_, &QPushButton::clicked, this, &SelectMedia::closeWindow);

  image1_->lower();
  setLinkName(kNoFile);
}

void SelectMedia::load() {
  step([&] {
    const QPoint topLeft = twips::centredOnScreen(kWidth, kHeight);
    twips::place(this, topLeft.x(), topLeft.y(), kWidth, kHeight);
  });
  step([&] { filter_ = kFilter; });
  // The background is the skin's, cut off by the window's edges.
  step([&] {
    const QPixmap background(program().settings().skinFile(data::skin::kBackground));
    if (!background.isNull()) image1_->setPixmap(background);
  });
}

QString SelectMedia::linkName() const { return label1_->codes(); }

void SelectMedia::setLinkName(const QString& name) {
  label1_->setCodes(name);
  // The caption is as wide as its text.
  label1_->adjustSize();
}

void SelectMedia::tryFile() {
  const auto chosen = program().services().openFile(FileDialogRequest{filter_, {}, {}, {}});
  // A cancelled dialog changes nothing: the preview and the name stay as they were.
  if (!chosen) return;
  step([&] { md_->setUrl(*chosen); });
  step([&] { setLinkName(GetFileName(*chosen)); });
}

void SelectMedia::closeWindow() {
  step([&] { md_->setUrl(QString()); });
  program().unload(windows::kSelectMedia);
}

}  // namespace kc
