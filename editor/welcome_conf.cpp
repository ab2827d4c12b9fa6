#include "editor/welcome_conf.h"

#include "core/file_paths.h"
#include "core/line_store.h"
#include "core/numbers.h"
#include "core/services.h"
#include "core/steps.h"
#include "core/text/tcvn3.h"
#include "core/text/vn_label.h"
#include "core/text/vn_line_edit.h"
#include "core/twips.h"
#include "core/window_names.h"
#include "editor/maker.h"
#include "puzzle/puzzle_file.h"

#include <QCheckBox>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

namespace kc {

const QString WelcomeConf::kFilter =
    QStringLiteral("PowerPoint files (*.pptx;*.ppt)|*.pptx;*.ppt|All Files (*.*)|*.*");
const QString WelcomeConf::kSwitchCaption = QStringLiteral(u"Sö dông trang më ®Çu");

namespace {
struct Place {
  int left, top, width, height;
};
constexpr std::array<Place, 6> kTextPlaces = {
    Place{1710, 1680, 7305, 495}, {570, 2400, 9585, 495}, {2040, 3180, 6855, 480},
    {2040, 3930, 6945, 495},      {600, 4680, 9495, 495}, {6390, 6120, 3645, 525}};
}  // namespace

WelcomeConf::WelcomeConf(Program& program) : Window(program, windows::kWelcomeConf) {
  setWindowFlag(Qt::FramelessWindowHint);
  setFixedSize(twips::toPixels(QRect(0, 0, kWidth, kHeight)).size());

  image1_ = new QLabel(this);
  image1_->setObjectName(QStringLiteral("Image1"));
  image1_->setScaledContents(true);
  twips::place(image1_, 0, 0, kWidth, kHeight);

  label1_ = new VnLabel(this, FontSpec{FontFace::VnTime, 12, false, false, true});
  label1_->setObjectName(QStringLiteral("Label1"));
  label1_->setCursor(Qt::PointingHandCursor);
  label1_->setCodes(puzzle::kDefaultPresentationLink.toString());
  twips::place(label1_, 1020, 240, 6315, 375);
  connect(label1_, &VnLabel::clicked, this, &WelcomeConf::choosePresentation);

  check1_ = new QCheckBox(displayText(kSwitchCaption, FontFace::VnTime), this);
  check1_->setObjectName(QStringLiteral("Check1"));
  check1_->setFont(makeFont(FontSpec{FontFace::VnTime, 12}));
  twips::place(check1_, 180, 870, 3255, 495);

  for (int i = 0; i < 6; ++i) {
    auto* t = new VnLineEdit(this, FontSpec{FontFace::VnTime, 15.75});
    t->setObjectName(QStringLiteral("Text%1").arg(i + 1));
    t->setAlignment(Qt::AlignCenter);
    t->setCodes(puzzle::kDefaultWelcome[i].toString());
    const Place& p = kTextPlaces[i];
    twips::place(t, p.left, p.top, p.width, p.height);
    texts_[i] = t;
  }

  command2_ = new QPushButton(QStringLiteral("OK"), this);
  command2_->setObjectName(QStringLiteral("Command2"));
  twips::place(command2_, 9420, 6930, 825, 555);
  connect(command2_, &QPushButton::clicked, this, &WelcomeConf::ok);

  image1_->lower();
}

void WelcomeConf::load() {
  QString path;
  step([&] {
    if (Maker* editor = program().window<Maker>(windows::kEditor)) path = editor->openFilePath();
  });
  // With no open file every read fails and the field keeps its default.
  const auto read = [&](int line) {
    if (path.isEmpty()) throw LineStoreError(LineStoreErrorKind::NotFound, path);
    return GetLine(path, line);
  };
  step([&] { check1_->setChecked(toWhole(read(puzzle::kWelcomeSwitch)) != 0); });
  step([&] { label1_->setCodes(read(puzzle::kPresentationLink)); });
  for (int i = 1; i <= 6; ++i) step([&] { texts_[i - 1]->setCodes(read(puzzle::welcomeLine(i))); });
  step([&] { filter_ = kFilter; });
  step([&] {
    const QPoint topLeft = twips::centredOnScreen(kWidth, kHeight);
    twips::place(this, topLeft.x(), topLeft.y(), kWidth, kHeight);
  });
  step([&] {
    const QPixmap background(program().settings().skinFile(data::skin::kBackground));
    if (!background.isNull()) image1_->setPixmap(background);
  });
}

QString WelcomeConf::presentationLink() const { return label1_->codes(); }
QString WelcomeConf::welcomeSwitch() const {
  return check1_->isChecked() ? QStringLiteral("1") : QStringLiteral("0");
}
QString WelcomeConf::welcomeLine(int i) const { return texts_.at(i - 1)->codes(); }

void WelcomeConf::choosePresentation() {
  const auto chosen = program().services().openFile(FileDialogRequest{filter_, {}, {}, {}});
  if (!chosen) return;
  // The link is puzzle text: the name is kept in codes like every other value of the file.
  label1_->setCodes(tcvn3::encode(GetFileName(*chosen)));
}

void WelcomeConf::ok() { hide(); }

}  // namespace kc
