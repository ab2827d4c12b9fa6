#include "core/text/fonts.h"
#include "core/text/vn_label.h"
#include "core/text/tcvn3.h"
#include "core/twips.h"

#include <QFontInfo>

#include <gtest/gtest.h>

namespace kc::tcvn3 {
namespace {

TEST(Tcvn3Decode, KnownTexts) {
  struct Case {
    const char16_t* codes;
    const char16_t* unicode;
    bool capitals;
  };
  const Case cases[] = {
      {u"Mêi nhËp chñ ®Ò", u"Mời nhập chủ đề", false},
      {u"Chµo mõng thÇy c« gi¸o ®Õn víi tiÕt d¹y thao gi¶ng trªn m¸y chiÕu",
       u"Chào mừng thầy cô giáo đến với tiết dạy thao giảng trên máy chiếu", false},
      {u"Kh«ng dïng", u"Không dùng", false},
      {u"MÆc ®Þnh", u"Mặc định", false},
      {u"GV-HS-Tæ-Nhãm", u"GV-HS-Tổ-Nhóm", false},
      {u"Ch\u00AD¬ng tr×nh t¹o « ch÷", u"Chương trình tạo ô chữ", false},
      {u"Më ®Çu b»ng trß ch¬i « ch÷ chñ ®Ò", u"MỞ ĐẦU BẰNG TRÒ CHƠI Ô CHỮ CHỦ ĐỀ", true},
      {u"hanoi", u"HANOI", true},
      {u"\u00B5\u00E9\u00A6", u"ÀỘƯ", true},
  };
  for (const Case& c : cases) {
    const QString codes = QString::fromUtf16(c.codes);
    SCOPED_TRACE(codes.toStdString());
    EXPECT_EQ(c.capitals ? decodeCapitals(codes) : decode(codes), QString::fromUtf16(c.unicode));
  }
}

TEST(Tcvn3Decode, CodesAbove255AreShownAsTheyAre) {
  EXPECT_EQ(decode(u"A\u0300"), QStringLiteral("À"));  // stored decomposed, shown composed
  EXPECT_EQ(decode(u"\u1ED8"), QStringLiteral("\u1ED8"));
  EXPECT_EQ(decodeCapitals(u"\u4E2D"), QStringLiteral("\u4E2D"));
}

// Every Vietnamese letter, small and capital.
QString vietnameseLetters() {
  const QString small = QStringLiteral(
      "aàảãáạăằẳẵắặâầẩẫấậbcdđeèẻẽéẹêềểễếệghiìỉĩíịklmnoòỏõóọôồổỗốộơờởỡớợpqrstuùủũúụưừửữứựvxyỳỷỹýỵ");
  return small + small.toUpper();
}

TEST(Tcvn3Encode, RoundTripsEveryVietnameseText) {
  const QString texts[] = {
      vietnameseLetters(),
      QStringLiteral("Chào mừng thầy cô giáo đến với tiết dạy thao giảng trên máy chiếu"),
      QStringLiteral("CHÀO MỪNG THẦY CÔ GIÁO ĐẾN VỚI TIẾT DẠY THAO GIẢNG TRÊN MÁY CHIẾU"),
      QStringLiteral("Ước mơ của Ông Bà – “quê hương”… 2026"),
      // Decomposed input, as some input methods type it.
      QStringLiteral("Vie\u0302\u0323t Nam A\u0300"),
  };
  for (const QString& x : texts) {
    SCOPED_TRACE(x.toStdString());
    const QString nfc = x.normalized(QString::NormalizationForm_C);
    EXPECT_EQ(decode(encode(x)), nfc);
    // Answers are drawn in capitals: the same letters, upper case.
    EXPECT_EQ(decodeCapitals(encodeAnswer(x)), nfc.toUpper());
  }
}

TEST(Tcvn3Encode, CapitalsAndForeignLetters) {
  struct Case {
    const char16_t* typed;
    const char16_t* text;    // codes in an ordinary field
    const char16_t* answer;  // codes in an answer field
  };
  const Case cases[] = {
      {u"À", u"A\u0300", u"\u00B5"},
      {u"Ộ", u"\u1ED8", u"\u00E9"},
      {u"Ư", u"\u00A6", u"\u00A6"},
      {u"ư", u"\u00AD", u"\u00AD"},
      {u"Đ", u"\u00A7", u"\u00A7"},
      {u"ü", u"u\u0308", u"u\u0308"},
      {u"°", u"\u00B0", u"\u00B0"},  // unassigned byte: reads back as itself
      {u"\u4E2D", u"\u4E2D", u"\u4E2D"},
  };
  for (const Case& c : cases) {
    const QString typed = QString::fromUtf16(c.typed);
    SCOPED_TRACE(typed.toStdString());
    EXPECT_EQ(encode(typed), QString::fromUtf16(c.text));
    EXPECT_EQ(encodeAnswer(typed), QString::fromUtf16(c.answer));
    EXPECT_EQ(decode(encode(typed)), typed);
  }
}

TEST(Tcvn3Encode, OneAnswerLetterIsOneCode) {
  const QString answer = QStringLiteral("ÀỘƯỄNGỨỢ");
  EXPECT_EQ(encodeAnswer(answer).size(), answer.size());
  EXPECT_EQ(decodeCapitals(encodeAnswer(answer)), answer);
}

TEST(Fonts, SystemTextIsShownAsItStands) {
  EXPECT_EQ(displayText(u"Thoát", FontFace::System), QStringLiteral("Thoát"));
  EXPECT_EQ(displayText(u"Thoát", FontFace::VnTime), QStringLiteral("Thoỏt"));
}

TEST(Fonts, PointSizesBecomePixelsAt96Dpi) {
  struct Case {
    double points;
    int pixels;
  };
  for (const Case& c : {Case{12, 16}, Case{21.75, 29}, Case{27.75, 37}, Case{48, 64}, Case{9, 12}}) {
    EXPECT_EQ(twips::pointsToPixels(c.points), c.pixels) << c.points;
    EXPECT_EQ(makeFont({FontFace::VnTime, c.points}).pixelSize(), c.pixels);
  }
}

TEST(Fonts, SerifFaceHasVietnameseLetters) {
  const QFont f = makeFont({FontFace::VnTimeH, 21.75, true});
  EXPECT_TRUE(f.bold());
  EXPECT_TRUE(QFontInfo(f).family().contains(QStringLiteral("Serif"), Qt::CaseInsensitive))
      << QFontInfo(f).family().toStdString();
}

}  // namespace
}  // namespace kc::tcvn3

namespace kc {
namespace {

TEST(VnLabel, ShowsCodesDecodedAndPaintsItsBackgroundWhenOpaque) {
  VnLabel label(nullptr, {FontFace::VnTimeH, 12});
  label.setCodes(QStringLiteral("Më ®Çu"));
  EXPECT_EQ(label.text(), QStringLiteral("MỞ ĐẦU"));
  EXPECT_EQ(label.codes(), QStringLiteral("Më ®Çu"));
  label.resize(40, 20);
  label.setCodes(QString());
  label.setOpaque(true, 255);  // red
  EXPECT_EQ(label.grab().toImage().pixelColor(5, 5), QColor(255, 0, 0));
  label.setOpaque(false);
  EXPECT_TRUE(label.testAttribute(Qt::WA_TranslucentBackground));
}

}  // namespace
}  // namespace kc
