#include "export/dib_section.h"

#include <QColor>
#include <QImage>

#include <gtest/gtest.h>

#include <climits>
#include <vector>

namespace kc {
namespace {

// A colour that tells every pixel apart, so a shifted or flipped copy shows.
QRgb pattern(int x, int y) { return qRgb(10 + x * 30, 20 + y * 40, 250 - x * 7 - y * 11); }

QImage patternImage(int w, int h, QImage::Format format = QImage::Format_RGB32) {
  QImage image(w, h, QImage::Format_RGB32);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) image.setPixel(x, y, pattern(x, y));
  return image.convertToFormat(format);
}

// The picture pixel (x, y) read straight from the surface's memory: bottom-up, B G R.
QRgb pixelInMemory(const aDIBSection& s, int x, int y) {
  const std::uint8_t* p =
      s.DIBSectionBitsPtr() + std::size_t(s.Height() - 1 - y) * s.BytesPerScanLine() + x * 3;
  return qRgb(p[2], p[1], p[0]);
}

void expectEmpty(const aDIBSection& s) {
  EXPECT_TRUE(s.isEmpty());
  EXPECT_EQ(s.Width(), 0);
  EXPECT_EQ(s.Height(), 0);
  EXPECT_EQ(s.BytesPerScanLine(), 0);
  EXPECT_EQ(s.hDC(), 0u);
  EXPECT_EQ(s.hDib(), 0u);
  EXPECT_EQ(s.DIBSectionBitsPtr(), nullptr);
  EXPECT_EQ(s.byteCount(), 0u);
}

TEST(DibSectionTest, LinesArePaddedToFourBytes) {
  struct Case {
    int width, bytesPerLine;
  };
  for (const Case c : {Case{1, 4}, {2, 8}, {3, 12}, {4, 12}, {5, 16}, {834, 2504}}) {
    SCOPED_TRACE(c.width);
    aDIBSection s;
    ASSERT_TRUE(s.Create(c.width, 3));
    EXPECT_EQ(s.BytesPerScanLine(), c.bytesPerLine);
    EXPECT_EQ(s.byteCount(), std::size_t(c.bytesPerLine) * 3);
  }
}

TEST(DibSectionTest, HeaderDescribesABottomUpTwentyFourBitDib) {
  aDIBSection s;
  ASSERT_TRUE(s.Create(834, 598));
  const DibInfoHeader& h = s.header();
  EXPECT_EQ(h.biSize, 40u);
  EXPECT_EQ(h.biWidth, 834);
  EXPECT_EQ(h.biHeight, 598);  // positive: bottom-up
  EXPECT_EQ(h.biPlanes, 1);
  EXPECT_EQ(h.biBitCount, 24);
  EXPECT_EQ(h.biCompression, 0u);
  EXPECT_EQ(h.biSizeImage, 2504u * 598u);
  EXPECT_EQ(h.biXPelsPerMeter, 0);
  EXPECT_EQ(h.biYPelsPerMeter, 0);
  EXPECT_EQ(h.biClrUsed, 0u);
  EXPECT_EQ(h.biClrImportant, 0u);
  EXPECT_NE(s.hDC(), 0u);
  EXPECT_NE(s.hDib(), 0u);
  EXPECT_NE(s.DIBSectionBitsPtr(), nullptr);
}

TEST(DibSectionTest, CreateDibReportsItsHandle) {
  aDIBSection s;
  aDIBSection::Handle handle = 0;
  ASSERT_TRUE(s.CreateDIB(5, 4, handle));
  EXPECT_NE(handle, 0u);
  EXPECT_EQ(handle, s.hDib());
  EXPECT_EQ(s.Width(), 5);
  EXPECT_EQ(s.Height(), 4);
}

TEST(DibSectionTest, ImpossibleSizesFailAndLeaveTheSurfaceEmpty) {
  struct Case {
    int width, height;
  };
  const Case cases[] = {{0, 10},      {10, 0},      {-1, 10},   {10, -5},       {INT_MIN, 1},
                        {INT_MAX, 1}, {1, INT_MAX}, {65536, 1}, {65535, 65535}, {40000, 20000}};
  for (const Case c : cases) {
    SCOPED_TRACE(::testing::Message() << c.width << " x " << c.height);
    aDIBSection s;
    // A surface that held pixels before: a failed create must not keep them.
    ASSERT_TRUE(s.Create(3, 3));
    EXPECT_FALSE(s.Create(c.width, c.height));
    expectEmpty(s);

    ASSERT_TRUE(s.Create(3, 3));
    aDIBSection::Handle handle = 12345;
    EXPECT_FALSE(s.CreateDIB(c.width, c.height, handle));
    EXPECT_EQ(handle, 0u);
    expectEmpty(s);
  }
}

TEST(DibSectionTest, ClearUpAndReCreateReleaseTheOldPixels) {
  aDIBSection s;
  ASSERT_TRUE(s.CreateFromPicture(patternImage(4, 4)));
  const auto oldDib = s.hDib();
  s.ClearUp();
  expectEmpty(s);
  s.ClearUp();  // twice is harmless
  expectEmpty(s);

  // A new surface starts black with zero filler, whatever the old one held.
  ASSERT_TRUE(s.Create(3, 2));
  EXPECT_NE(s.hDib(), oldDib);
  for (std::size_t i = 0; i < s.byteCount(); ++i) EXPECT_EQ(s.DIBSectionBitsPtr()[i], 0) << i;
}

TEST(DibSectionTest, PictureLandsBottomUpInBgrOrderWithZeroFiller) {
  // 3 pixels wide: 9 bytes of pixels and 3 filler bytes per line.
  QImage picture(3, 2, QImage::Format_RGB32);
  picture.setPixel(0, 0, qRgb(0x11, 0x12, 0x13));
  picture.setPixel(1, 0, qRgb(0x21, 0x22, 0x23));
  picture.setPixel(2, 0, qRgb(0x31, 0x32, 0x33));
  picture.setPixel(0, 1, qRgb(0x41, 0x42, 0x43));
  picture.setPixel(1, 1, qRgb(0x51, 0x52, 0x53));
  picture.setPixel(2, 1, qRgb(0x61, 0x62, 0x63));

  aDIBSection s;
  ASSERT_TRUE(s.CreateFromPicture(picture));
  ASSERT_EQ(s.BytesPerScanLine(), 12);
  const std::vector<std::uint8_t> expected = {
      // first line in memory: the bottom line of the picture
      0x43, 0x42, 0x41, 0x53, 0x52, 0x51, 0x63, 0x62, 0x61, 0, 0, 0,
      // then the top line
      0x13, 0x12, 0x11, 0x23, 0x22, 0x21, 0x33, 0x32, 0x31, 0, 0, 0};
  const std::vector<std::uint8_t> actual(s.DIBSectionBitsPtr(),
                                         s.DIBSectionBitsPtr() + s.byteCount());
  EXPECT_EQ(actual, expected);
}

TEST(DibSectionTest, PicturesOfEveryCommonFormatLandUnchanged) {
  for (const QImage::Format format :
       {QImage::Format_RGB32, QImage::Format_ARGB32, QImage::Format_ARGB32_Premultiplied,
        QImage::Format_RGB888, QImage::Format_BGR888}) {
    SCOPED_TRACE(format);
    const QImage picture = patternImage(7, 5, format);
    aDIBSection s;
    ASSERT_TRUE(s.CreateFromPicture(picture));
    ASSERT_EQ(s.Width(), 7);
    ASSERT_EQ(s.Height(), 5);
    for (int y = 0; y < 5; ++y)
      for (int x = 0; x < 7; ++x) EXPECT_EQ(pixelInMemory(s, x, y), pattern(x, y)) << x << "," << y;
    // Filler bytes of every line stay zero (7 × 3 = 21, line of 24).
    for (int line = 0; line < 5; ++line)
      for (int b = 21; b < 24; ++b) EXPECT_EQ(s.DIBSectionBitsPtr()[line * 24 + b], 0);
  }
}

TEST(DibSectionTest, NullPictureLeavesTheSurfaceEmpty) {
  aDIBSection s;
  ASSERT_TRUE(s.Create(2, 2));
  EXPECT_FALSE(s.CreateFromPicture(QImage()));
  expectEmpty(s);
}

TEST(DibSectionTest, PaintPictureGivesThePictureBack) {
  for (const QImage::Format format :
       {QImage::Format_RGB32, QImage::Format_ARGB32, QImage::Format_RGB888, QImage::Format_BGR888,
        QImage::Format_Indexed8}) {
    SCOPED_TRACE(format);
    const QImage picture = patternImage(7, 5);
    aDIBSection s;
    ASSERT_TRUE(s.CreateFromPicture(picture));
    QImage back(7, 5, QImage::Format_RGB32);
    back.fill(Qt::black);
    back = format == QImage::Format_Indexed8
               ? back.convertToFormat(format, QList<QRgb>{qRgb(0, 0, 0)})
               : back.convertToFormat(format);
    ASSERT_TRUE(s.PaintPicture(back));
    EXPECT_EQ(back.convertToFormat(QImage::Format_RGB32), picture);
  }
}

// Blocks of the 7 × 5 pattern copied with offsets and sizes, some of them reaching past an edge.
struct BlockCase {
  const char* name;
  int destLeft, destTop, width, height, srcLeft, srcTop;
};

TEST(DibSectionTest, PaintPictureCopiesTheBlockAndNothingElse) {
  const BlockCase cases[] = {
      {"inner block", 2, 1, 3, 2, 1, 2},
      {"defaults to the whole surface", 0, 0, -1, -1, 0, 0},
      {"reaches past the destination", 5, 3, 4, 4, 0, 0},
      {"starts before the destination", -2, -1, 4, 3, 0, 0},
      {"reaches past the surface", 0, 0, 5, 5, 4, 3},
      {"source starts before the surface", 1, 1, 3, 3, -1, -1},
      {"entirely outside", 9, 9, 3, 3, 0, 0},
      {"zero width", 0, 0, 0, 3, 0, 0},
  };
  const QImage picture = patternImage(7, 5);
  aDIBSection s;
  ASSERT_TRUE(s.CreateFromPicture(picture));
  for (const BlockCase& c : cases) {
    SCOPED_TRACE(c.name);
    QImage dst(8, 6, QImage::Format_RGB32);
    dst.fill(qRgb(1, 2, 3));
    ASSERT_TRUE(s.PaintPicture(dst, c.destLeft, c.destTop, c.width, c.height, c.srcLeft, c.srcTop));
    const int w = c.width == -1 ? 7 : c.width;
    const int h = c.height == -1 ? 5 : c.height;
    for (int y = 0; y < dst.height(); ++y)
      for (int x = 0; x < dst.width(); ++x) {
        const int sx = x - c.destLeft + c.srcLeft;
        const int sy = y - c.destTop + c.srcTop;
        const bool inBlock = x >= c.destLeft && x < c.destLeft + w && y >= c.destTop &&
                             y < c.destTop + h && sx >= 0 && sx < 7 && sy >= 0 && sy < 5;
        EXPECT_EQ(dst.pixel(x, y), inBlock ? pattern(sx, sy) : qRgb(1, 2, 3)) << x << "," << y;
      }
  }
}

TEST(DibSectionTest, LoadPictureBltCopiesTheSourceBlockToTheCorner) {
  // The surface is 5 × 3 (15 bytes of pixels and one filler byte per line); the block comes from
  // the 7 × 5 pattern.
  const BlockCase cases[] = {
      {"defaults: the surface's size from the corner", 0, 0, -1, -1, 0, 0},
      {"offset block", 0, 0, 3, 2, 2, 1},
      {"reaches past the source", 0, 0, -1, -1, 5, 3},
      {"starts before the source", 0, 0, 4, 3, -1, -2},
      {"larger than the surface", 0, 0, 7, 5, 1, 1},
  };
  for (const QImage::Format format : {QImage::Format_RGB32, QImage::Format_BGR888}) {
    const QImage picture = patternImage(7, 5, format);
    for (const BlockCase& c : cases) {
      SCOPED_TRACE(::testing::Message() << c.name << ", format " << format);
      aDIBSection s;
      ASSERT_TRUE(s.Create(5, 3));
      ASSERT_TRUE(s.LoadPictureBlt(picture, c.srcLeft, c.srcTop, c.width, c.height));
      const int w = c.width == -1 ? 5 : c.width;
      const int h = c.height == -1 ? 3 : c.height;
      for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x) {
          const int sx = x + c.srcLeft, sy = y + c.srcTop;
          const bool copied = x < w && y < h && sx >= 0 && sx < 7 && sy >= 0 && sy < 5;
          EXPECT_EQ(pixelInMemory(s, x, y), copied ? pattern(sx, sy) : qRgb(0, 0, 0))
              << x << "," << y;
        }
      for (int line = 0; line < 3; ++line) EXPECT_EQ(s.DIBSectionBitsPtr()[line * 16 + 15], 0);
    }
  }
}

TEST(DibSectionTest, EmptySurfaceCopiesNothing) {
  aDIBSection s;
  QImage dst(3, 3, QImage::Format_RGB32);
  dst.fill(qRgb(9, 9, 9));
  const QImage before = dst;
  EXPECT_FALSE(s.PaintPicture(dst));
  EXPECT_EQ(dst, before);
  EXPECT_FALSE(s.LoadPictureBlt(patternImage(3, 3)));
  expectEmpty(s);

  ASSERT_TRUE(s.Create(2, 2));
  QImage null;
  EXPECT_FALSE(s.PaintPicture(null));
  EXPECT_FALSE(s.LoadPictureBlt(QImage()));
}

}  // namespace
}  // namespace kc
