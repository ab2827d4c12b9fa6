// A crossword written in the editor from nothing plays in the show: the same rows, key cells,
// questions and welcome page.

#include "core/text/vn_label.h"
#include "core/text/vn_line_edit.h"
#include "editor/cell_label.h"
#include "editor/tests/editor_fixture.h"
#include "show/form1.h"
#include "show/letter_cell.h"
#include "show/show_windows.h"

#include <QCheckBox>
#include <QTest>

namespace kc::testing {
namespace {

class RoundTrip : public EditorTest {
 protected:
  RoundTrip() {
    registerShowWindows(*tp.program);
    tp.program->registerWindow(windows::kMenu, [](Program& p) -> Window* {
      auto* w = new Window(p, windows::kMenu);
      w->setProperty("path", QString());
      return w;
    });
  }

  Form1* play(const QString& path) {
    tp.program->window(windows::kMenu)->setProperty("path", path);
    return tp.program->window<Form1>(windows::kShow);
  }
};

TEST_F(RoundTrip, APuzzleMadeInTheEditorPlaysInTheShow) {
  Maker& m = editor();
  m.chooseRowCount(QStringLiteral("4"));
  // Typed in Unicode, as a Vietnamese input method delivers it.
  const QString typed[] = {QStringLiteral("hà nội"), QStringLiteral("  huế"),
                           QStringLiteral(" Đà Lạt"), QStringLiteral("vinh")};
  const int specials[] = {2, 4, 3, 0};
  for (int r = 1; r <= 4; ++r) {
    typeText(m.answerBox(r), typed[r - 1]);
    typeText(m.questionBox(r), QStringLiteral("Câu hỏi %1?").arg(r));
    if (specials[r - 1]) m.clickCell(r, specials[r - 1]);
  }
  QTest::mouseClick(m.topicBox(), Qt::LeftButton);  // clears the topic prompt
  typeText(m.topicBox(), QStringLiteral("Thành phố"));
  typeText(m.keywordBox(), QStringLiteral("Từ khoá?"));
  const QString path = saveAsFile(QStringLiteral("thanh pho.txt"));
  ASSERT_TRUE(QFile::exists(path));

  Form1* show = play(path);
  ASSERT_NE(show, nullptr);
  EXPECT_EQ(show->chude()->text(), QStringLiteral("Thành phố"));
  const std::int32_t keyBack = tp.setting(4).toInt(), cellBack = tp.setting(1).toInt();
  for (int r = 1; r <= 4; ++r) {
    SCOPED_TRACE(r);
    EXPECT_EQ(show->rowText(r), m.answerBox(r)->codes());
    EXPECT_TRUE(show->rowLabel(r)->isVisibleTo(show));
    // Every letter the editor shows is a masked cell of the show, in the same column.
    for (int k = 1; k <= 18; ++k) {
      EXPECT_EQ(show->cell(r, k)->isVisibleTo(show), Maker::shown(m.cell(r, k))) << k;
      if (!show->cell(r, k)->isVisibleTo(show)) continue;
      EXPECT_TRUE(show->cell(r, k)->isMasked());
      EXPECT_EQ(show->cell(r, k)->backColour(), k == specials[r - 1] ? keyBack : cellBack) << k;
    }
  }
  for (int r = 5; r <= 12; ++r) EXPECT_FALSE(show->rowLabel(r)->isVisibleTo(show)) << r;

  // The key letters show once their rows are revealed.
  QString keyword;
  for (int r = 1; r <= 3; ++r) {
    show->rightVerdict(r);
    keyword += show->cell(r, specials[r - 1])->shownText();
    EXPECT_EQ(show->cell(r, specials[r - 1])->backColour(), keyBack);
  }
  EXPECT_EQ(keyword, QStringLiteral("ÀUÀ"));

  show->chooseRow(2);
  EXPECT_EQ(show->cauhoi()->text(), QStringLiteral("Câu hỏi 2?"));
  show->chooseKeyword();
  EXPECT_EQ(show->cauhoi()->text(), QStringLiteral("Từ khoá?"));
}

TEST_F(RoundTrip, TheWelcomePageSetInTheEditorOpensTheShow) {
  editor().chooseRowCount(QStringLiteral("3"));
  for (int r = 1; r <= 3; ++r) typeText(editor().answerBox(r), QStringLiteral("abc"));
  WelcomeConf& w = welcome();
  w.check1()->setChecked(true);
  VnLineEdit* line2 = w.text(2);
  line2->clear();
  typeText(line2, QStringLiteral("Chào các em"));
  const QString path = saveAsFile(QStringLiteral("welcome.txt"));

  Form1* show = play(path);
  ASSERT_NE(show, nullptr);
  EXPECT_TRUE(show->welcomeLine(2)->isVisibleTo(show));
  EXPECT_EQ(show->welcomeLine(2)->text(), QStringLiteral("Chào các em"));
  EXPECT_FALSE(show->cell(1, 1)->isVisibleTo(show)) << "the game waits for a click";
}

}  // namespace
}  // namespace kc::testing
