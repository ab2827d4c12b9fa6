#include "editor/maker.h"

#include "core/line_store.h"
#include "core/numbers.h"
#include "core/services.h"
#include "core/settings.h"
#include "core/steps.h"
#include "core/text/tcvn3.h"
#include "core/text/vn_label.h"
#include "core/text/vn_line_edit.h"
#include "core/twips.h"
#include "core/window_names.h"
#include "editor/cell_label.h"
#include "editor/puzzle_saver.h"
#include "editor/welcome_conf.h"
#include "media/select_media.h"
#include "puzzle/grid.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

namespace kc {

// TCVN3 codes of the hint line; \u00AD is the letter ư.
const QString Maker::kCellHint = QStringLiteral(
    u"NhÊp chuét vµo mét ch÷ c¸i ®Ó t¹o 'ch÷ ®Æc biÖt' ch÷ nµy sÏ cã mµu kh¸c víi c¸c ch÷ cßn "
    u"l¹i.");
const QString Maker::kTopicHint = QStringLiteral(u"NhËp chñ ®Ò cña « ch÷ ®ang so¹n th¶o.");

namespace {

constexpr int kCellSize = 495;

struct CommandSpec {
  int n;
  int left, top, width, height;
  const char16_t* caption;  // shown until the skin gives the button its picture
  const char16_t* hint;
};

const std::array<CommandSpec, 7> kCommands = {{
    {4, 120, 60, 3315, 675, u"Më « ch÷", u"Chän mét file chøa s½n « ch÷ ®Ó tiÕn hµnh chØnh söa."},
    {8, 3510, 60, 735, 675, u"Save",
     u"Nót Save: L\u00ADu v¨n b¶n ®ang so¹n vµo file ®ang bËt, File sÏ cã néi dung cña v¨n b¶n "
     u"®ang so¹n."},
    {3, 4320, 60, 3285, 675, u"Save As",
     u"L\u00ADu b¶n th¶o ®ang so¹n thµnh mét file míi cã tªn kh¸c."},
    {1, 7680, 60, 2925, 675, u"Menu", u"Tho¸t khái giao diÖn so¹n th¶o vµ trë l¹i menu."},
    {7, 11340, 9720, 615, 585, u"...", u"ThiÕt lËp n©ng cao cho bµi gi¶ng."},
    {6, 12060, 9720, 615, 585, u"Media", u"T¹o liªn kÕt víi video clip"},
    {5, 12780, 9720, 2310, 585, u"Save Picture", u"T¹o ¶nh ®Ó tiÖn in ra giÊy hoÆc chia sÎ."},
}};

QString trimmedRight(QString s) {
  qsizetype n = s.size();
  while (n > 0 && s.at(n - 1) == QLatin1Char(' ')) --n;
  s.truncate(n);
  return s;
}

void placeWindowCentred(QWidget* w, int width, int height) {
  const QPoint topLeft = twips::centredOnScreen(width, height);
  twips::place(w, topLeft.x(), topLeft.y(), width, height);
}

}  // namespace

QString Maker::questionHint(int row, const QString& question) {
  return QStringLiteral(u"C©u %1 : ").arg(row) + question;
}

QString Maker::hintFor(int command) {
  for (const CommandSpec& c : kCommands)
    if (c.n == command) return QString::fromUtf16(c.hint);
  return {};
}

bool Maker::shown(const QWidget* w) { return w->isVisibleTo(w->window()); }

Maker::Maker(Program& program) : Window(program, windows::kEditor) {
  setWindowTitle(QStringLiteral("Soan tro choi o chu"));
  setFont(makeFont(FontSpec{FontFace::VnTime, 14.25}));
  // The window keeps its size.
  setFixedSize(twips::toPixels(QRect(0, 0, kWidth, kHeight)).size());
  build();
}

void Maker::build() {
  image1_ = new QLabel(this);
  image1_->setObjectName(QStringLiteral("Image1"));
  image1_->setScaledContents(true);

  const auto caption = [&](const char* name, const char16_t* codes, QRect place) {
    auto* l = new VnLabel(this, FontSpec{FontFace::VnTime, 14.25});
    l->setObjectName(QString::fromLatin1(name));
    l->setCodes(QString::fromUtf16(codes));
    twips::place(l, place);
    captions_ << l;
    return l;
  };

  for (const CommandSpec& c : kCommands) {
    auto* b = new QPushButton(displayText(QString::fromUtf16(c.caption), FontFace::VnTime), this);
    b->setObjectName(QStringLiteral("Command%1").arg(c.n));
    // Captions stand in for the pictures of buttons the skins do not dress; keep them inside.
    b->setFont(makeFont(FontSpec{FontFace::VnTime, 9}));
    twips::place(b, c.left, c.top, c.width, c.height);
    b->installEventFilter(this);
    commands_[c.n - 1] = b;
  }
  commands_[5]->setToolTip(QStringLiteral("Media"));
  commands_[4]->setToolTip(QStringLiteral("Save Picture"));
  connect(commands_[3], &QPushButton::clicked, this, &Maker::open);
  connect(commands_[7], &QPushButton::clicked, this, &Maker::save);
  connect(commands_[2], &QPushButton::clicked, this, &Maker::saveAs);
  connect(commands_[0], &QPushButton::clicked, this, &Maker::leave);
  connect(commands_[6], &QPushButton::clicked, this, &Maker::showWelcomeSettings);
  connect(commands_[5], &QPushButton::clicked, this, &Maker::showMediaCheck);
  connect(commands_[4], &QPushButton::clicked, this, &Maker::showPicture);

  caption("Label1", u"Sè « ch÷", QRect(360, 810, 1215, 495));
  combo1_ = new QComboBox(this);
  combo1_->setObjectName(QStringLiteral("Combo1"));
  combo1_->setEditable(true);
  // A typed count is not added to the list: only the list's own items switch rows.
  combo1_->setInsertPolicy(QComboBox::NoInsert);
  for (int c = 3; c <= kRows; ++c) combo1_->addItem(QString::number(c));
  combo1_->setCurrentText(QStringLiteral("3"));
  twips::place(combo1_, 1560, 810, 855, 435);
  // The row count takes effect when an item of the list is chosen; a typed value is only saved.
  connect(combo1_, &QComboBox::activated, this,
          [this](int index) { chooseRowCount(combo1_->itemText(index)); });

  zoom_ = new VnLabel(this, FontSpec{FontFace::VnTime, 12});
  zoom_->setObjectName(QStringLiteral("zoom"));
  twips::place(zoom_, 2880, 810, 315, 315);

  caption("Label3", u"§¸p ¸n", QRect(1110, 1380, 915, 435));
  caption("Label4", u"C©u hái", QRect(2970, 1380, 900, 315));

  for (int r = 1; r <= kRows; ++r) {
    Row& row = rows_[r - 1];
    const int top = kRowTops[r - 1];
    row.caption = new VnLabel(this, FontSpec{FontFace::VnTime, 14.25});
    row.caption->setObjectName(QStringLiteral("Label2"));
    row.caption->setProperty("index", r);
    row.caption->setCodes(QStringLiteral(u"¤ %1 :").arg(r));
    twips::place(row.caption, r < 10 ? 360 : 300, top, 585, 315);
    captions_ << row.caption;

    row.answer = new VnLineEdit(this, FontSpec{FontFace::VnTime, 12}, VnLineEdit::Encoding::Answer);
    row.answer->setObjectName(QStringLiteral("Text%1").arg(r));
    twips::place(row.answer, 1080, top, 1695, 435);
    connect(row.answer, &VnLineEdit::codesChanged, this, [this, r] { redrawRow(r); });

    row.question = new VnLineEdit(this, FontSpec{FontFace::VnTime, 12});
    row.question->setObjectName(QStringLiteral("cauhoi%1").arg(r));
    twips::place(row.question, 2910, top, 1875, 435);
    // The hint line echoes the question under the mouse and the one being typed.
    const auto echo = [this, r] { setHint(questionHint(r, rows_[r - 1].question->codes())); };
    connect(row.question, &VnLineEdit::hovered, this, echo);
    connect(row.question, &VnLineEdit::codesChanged, this, echo);

    row.number = new VnLabel(this, FontSpec{FontFace::VnTime, 14.25});
    row.number->setObjectName(QStringLiteral("c1"));
    row.number->setProperty("index", r - 1);
    row.number->setCodes(QStringLiteral("%1.").arg(r));
    twips::place(row.number, 4920, top, 375, 495);
    captions_ << row.number;

    for (int k = 0; k <= kCells; ++k) {
      auto* c = new CellLabel(this, FontSpec{FontFace::VnTimeH, 20.25, true});
      c->setObjectName(QStringLiteral("o%1").arg(r));
      c->setProperty("index", k);
      // Element 0 lies outside the window and is never shown.
      const int left = k == 0 ? -2 * kCellSize : grid::columnLeft(grid::kEditorView, k);
      twips::place(c, left, top, kCellSize, kCellSize);
      c->setVisible(false);
      if (k > 0) {
        connect(c, &VnLabel::hovered, this, [this] { setHint(kCellHint); });
        connect(c, &VnLabel::clicked, this, [this, r, k] { clickCell(r, k); });
      }
      row.cells[k] = c;
    }

    row.special = new VnLabel(this);
    row.special->setObjectName(QStringLiteral("sp1"));
    row.special->setProperty("index", r);
    row.special->setCodes(QStringLiteral("0"));
    row.special->setVisible(false);
  }

  caption("Label7", u"Chñ ®Ò :", QRect(300, 9870, 975, 315));
  text13_ = new VnLineEdit(this, FontSpec{FontFace::VnTime, 12});
  text13_->setObjectName(QStringLiteral("Text13"));
  text13_->setCodes(puzzle::kDefaultTopic.toString());
  twips::place(text13_, 1380, 9840, 3435, 435);
  connect(text13_, &VnLineEdit::hovered, this, [this] { setHint(kTopicHint); });
  // The first click into the topic clears the invitation; a typed topic is left alone.
  connect(text13_, &VnLineEdit::clicked, this, [this] {
    if (text13_->codes() == puzzle::kDefaultTopic) text13_->setCodes(QString());
  });

  caption("Label9", u"C©u hái", QRect(4980, 9870, 1005, 405));
  text14_ = new VnLineEdit(this, FontSpec{FontFace::VnTime, 12});
  text14_->setObjectName(QStringLiteral("Text14"));
  twips::place(text14_, 6030, 9840, 5175, 435);

  const auto hidden = [&](const char* name) {
    auto* l = new QLabel(this);
    l->setObjectName(QString::fromLatin1(name));
    l->setVisible(false);
    return l;
  };
  label5_ = hidden("Label5");
  label6_ = hidden("Label6");
  label8_ = hidden("Label8");
  giaodien_ = hidden("giaodien");
  image1_->lower();
}

void Maker::load() {
  step([&] { label8_->setText(program().folder()); });
  step([&] { placeWindowCentred(this, kWidth, kHeight); });
  step([&] { twips::place(image1_, 0, 0, kWidth, kHeight); });
  step([&] { applySkin(); });
  step([&] { taoO(); });
  step([&] { reFreshOChu(); });
}

void Maker::applySkin() {
  const Settings settings = program().settings();
  QString skin;
  step([&] { skin = settings.line(settings::kSkin); });
  giaodien_->setText(skin);
  const auto picture = [&](QPushButton* b, QStringView file) {
    step([&] {
      const QPixmap pixmap(settings.skinFile(skin, file));
      if (pixmap.isNull()) return;
      b->setText(QString());
      b->setIcon(QIcon(pixmap));
      b->setIconSize(b->size());
    });
  };
  picture(commands_[0], data::skin::kBack);
  picture(commands_[2], data::skin::kSave);
  picture(commands_[3], data::skin::kEdit);
  picture(commands_[4], data::skin::kPrint);
  step([&] {
    const QPixmap pixmap(settings.skinFile(skin, data::skin::kBackground));
    if (!pixmap.isNull()) image1_->setPixmap(pixmap);
  });
  const auto text = settingColour(settings::kCellText);
  const auto back = settingColour(settings::kCellBack);
  if (text)
    for (VnLabel* l : captions_) l->setTextColour(*text);
  for (const Row& row : rows_)
    for (CellLabel* c : row.cells) setCellColours(c, back, text);
}

std::optional<std::int32_t> Maker::settingColour(int line) const {
  try {
    return program().settings().colour(settings::Line(line));
  } catch (const std::exception&) {
    return std::nullopt;
  }
}

void Maker::setCellColours(CellLabel* c, std::optional<std::int32_t> back,
                           std::optional<std::int32_t> text) {
  // A colour the settings file does not hold as a number leaves the cell as it was.
  if (back) c->setBackColour(*back);
  if (text) c->setTextColour(*text);
}

QString Maker::special(int row) const { return rows_.at(row - 1).special->codes(); }
QString Maker::openFilePath() const { return label6_->text(); }
QString Maker::saveAsTarget() const { return label5_->text(); }
QString Maker::programFolderField() const { return label8_->text(); }
QString Maker::skinName() const { return giaodien_->text(); }

void Maker::setHint(const QString& codes) {
  zoom_->setCodes(codes);
  // The hint line is as wide as its text.
  twips::setWidth(zoom_, twips::fromPixels(zoom_->sizeHint().width()));
}

void Maker::redrawRow(int r) {
  Row& row = rows_[r - 1];
  const grid::Row fill = grid::fillRow(row.answer->codes(), kCells);
  // Cells of a row beyond the row count stay hidden with the row's boxes.
  const bool inUse = shown(row.answer);
  for (int k = 1; k <= kCells; ++k) {
    CellLabel* c = row.cells[k];
    if (!fill[k].letter.isNull()) c->setCodes(QString(fill[k].letter));
    c->setVisible(inUse && fill[k].shown);
  }
}

void Maker::taoO() {
  for (Row& row : rows_) {
    row.caption->setVisible(false);
    row.number->setVisible(false);
    for (int k = 1; k <= kCells; ++k) row.cells[k]->setVisible(false);
  }
  const auto c = parseWhole(combo1_->currentText());
  if (!c) return;
  for (int i = 1; i <= std::min(*c, kRows); ++i) {
    rows_[i - 1].caption->setVisible(true);
    rows_[i - 1].number->setVisible(true);
  }
  if (*c < 3 || *c > kRows) return;
  for (int i = 1; i <= kRows; ++i) {
    Row& row = rows_[i - 1];
    const bool inUse = i <= *c;
    row.answer->setVisible(inUse);
    row.question->setVisible(inUse);
    for (int k = 1; k <= kCells; ++k) row.cells[k]->setVisible(inUse);
  }
}

void Maker::reFreshOChu() {
  for (int r = 1; r <= kRows; ++r) {
    VnLineEdit* a = rows_[r - 1].answer;
    const QString codes = a->codes();
    a->setCodes(codes + QLatin1Char(' '));
    a->setCodes(trimmedRight(codes));
    // An answer that was already without trailing spaces emits nothing the second time.
    redrawRow(r);
  }
}

void Maker::chooseRowCount(const QString& item) {
  combo1_->setCurrentText(item);
  taoO();
  reFreshOChu();
}

void Maker::clickCell(int r, int k) {
  Row& row = rows_[r - 1];
  const auto back = settingColour(settings::kCellBack);
  const auto text = settingColour(settings::kCellText);
  for (int i = 1; i <= kCells; ++i) setCellColours(row.cells[i], back, text);
  // A position that is not a number (a hand-edited file) counts as no mark.
  const int p = parseWhole(row.special->codes()).value_or(0);
  if (p != k) {
    setCellColours(row.cells[k], settingColour(settings::kKeyBack),
                   settingColour(settings::kKeyText));
    row.special->setCodes(QString::number(k));
  } else {
    row.special->setCodes(QStringLiteral("0"));
  }
}

QString Maker::readLine(int line) const { return GetLine(label6_->text(), line); }

void Maker::open() {
  const auto chosen = program().services().openFile(
      FileDialogRequest{kPuzzleFilter.toString(), kPuzzleDialogTitle.toString(),
                        kPuzzleDialogTitle.toString(), QStringLiteral("txt")});
  if (!chosen) return;
  label6_->setText(*chosen);
  readFile();
}

void Maker::readFile() {
  step([&] { program().unload(windows::kWelcomeConf); });
  step([&] { combo1_->setCurrentText(readLine(puzzle::kRowCount)); });
  step([&] { taoO(); });
  step([&] { text13_->setCodes(readLine(puzzle::kTopic)); });
  for (int r = 1; r <= kRows; ++r)
    step([&] { rows_[r - 1].answer->setCodes(readLine(puzzle::answerLine(r))); });
  step([&] { text14_->setCodes(readLine(puzzle::kKeywordQuestion)); });
  for (int r = 1; r <= kRows; ++r)
    step([&] { rows_[r - 1].question->setCodes(readLine(puzzle::questionLine(r))); });
  for (int r = 4; r <= kRows; ++r) {
    VnLineEdit* a = rows_[r - 1].answer;
    if (a->codes() == puzzle::kUnused) a->setCodes(QStringLiteral(" "));
  }
  // Every row is drawn from what it now holds, also when a box kept the same text.
  for (int r = 1; r <= kRows; ++r) redrawRow(r);
  const auto back = settingColour(settings::kCellBack);
  const auto text = settingColour(settings::kCellText);
  for (Row& row : rows_)
    for (int k = 1; k <= kCells; ++k) setCellColours(row.cells[k], back, text);
  const auto keyBack = settingColour(settings::kKeyBack);
  const auto keyText = settingColour(settings::kKeyText);
  for (int r = 1; r <= kRows; ++r)
    step([&] {
      const int p = toWhole(readLine(puzzle::specialLine(r)));
      if (p >= 0 && p <= kCells) setCellColours(rows_[r - 1].cells[p], keyBack, keyText);
    });
  for (int r = 1; r <= kRows; ++r)
    step([&] { rows_[r - 1].special->setCodes(readLine(puzzle::specialLine(r))); });
  // The media link the puzzle was saved with, so that saving it again keeps it.
  step([&] {
    const QString link = readLine(puzzle::kMediaLink);
    if (auto* media = program().window<SelectMedia>(windows::kSelectMedia))
      media->setLinkName(link);
  });
}

puzzle::PuzzleValues Maker::values() {
  puzzle::PuzzleValues v;
  v.rowCount = combo1_->currentText();
  for (int r = 1; r <= kRows; ++r) {
    v.answers[r - 1] = rows_[r - 1].answer->codes();
    v.questions[r - 1] = rows_[r - 1].question->codes();
    v.specials[r - 1] = rows_[r - 1].special->codes();
  }
  v.topic = text13_->codes();
  v.keywordQuestion = text14_->codes();
  v.mediaLink = puzzle::kDefaultMediaLink.toString();
  if (auto* media = program().window<SelectMedia>(windows::kSelectMedia))
    v.mediaLink = media->linkName();
  v.presentationLink = puzzle::kDefaultPresentationLink.toString();
  v.welcomeSwitch = QStringLiteral("0");
  for (int i = 0; i < 6; ++i) v.welcome[i] = puzzle::kDefaultWelcome[i].toString();
  if (auto* welcome = program().window<WelcomeConf>(windows::kWelcomeConf)) {
    v.presentationLink = welcome->presentationLink();
    v.welcomeSwitch = welcome->welcomeSwitch();
    for (int i = 1; i <= 6; ++i) v.welcome[i - 1] = welcome->welcomeLine(i);
  }
  return v;
}

void Maker::report(const SaveOutcome& outcome) {
  if (outcome.kind == SaveOutcome::Kind::Saved) {
    setHint(tcvn3::encode(savedHint(outcome.path)));
    return;
  }
  const QString text = failureMessage(outcome);
  if (!text.isEmpty()) program().services().message(text, MessageIcon::Warning);
}

void Maker::saveAs() {
  const SaveOutcome outcome =
      savePuzzleAs(program().path(data::kPuzzleTemplate), program().path(data::kWorkingCopy),
                   values(), program().services());
  if (!outcome.chosen.isEmpty()) label5_->setText(outcome.chosen);
  report(outcome);
}

void Maker::save() { report(savePuzzle(label6_->text(), values())); }

void Maker::leave() {
  leaving_ = true;
  program().unload(windows::kEditor);
  program().show(windows::kMenu);
  program().unload(windows::kWelcomeConf);
}

void Maker::showWelcomeSettings() { program().show(windows::kWelcomeConf); }
void Maker::showMediaCheck() { program().show(windows::kSelectMedia); }
void Maker::showPicture() { program().show(windows::kSnapshot); }

void Maker::closeEvent(QCloseEvent* e) {
  // Closed by its title bar: back to the menu; the welcome settings stay until the next Open.
  if (!leaving_ && !program().hasEnded()) {
    leaving_ = true;
    program().show(windows::kMenu);
    program().unload(windows::kEditor);
  }
  e->accept();
}

bool Maker::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Enter)
    for (int n = 1; n <= 8; ++n)
      if (watched == commands_[n - 1]) {
        const QString hint = hintFor(n);
        if (!hint.isEmpty()) setHint(hint);
      }
  return Window::eventFilter(watched, event);
}

}  // namespace kc
