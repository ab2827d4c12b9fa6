#include "export/dib_section.h"

#include <QPainter>
#include <QRect>

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <cstring>

namespace kc {
namespace {

// Handles are only compared with 0 and with each other, so a process-wide counter is enough; a
// re-created surface gets new ones, as it would get a new DIB and context.
aDIBSection::Handle nextHandle() {
  static std::atomic<aDIBSection::Handle> next{1};
  return next.fetch_add(1, std::memory_order_relaxed);
}

std::int64_t strideFor(std::int64_t width) { return (width * 3 + 3) & ~std::int64_t{3}; }

// The block of offsets [begin, end) that stays inside both images, for a block that starts at
// `a` in one image of size `sizeA` and at `b` in the other of size `sizeB`.
struct Span {
  std::int64_t begin, end;
  bool empty() const { return end <= begin; }
};
Span clip(std::int64_t length, std::int64_t a, std::int64_t sizeA, std::int64_t b,
          std::int64_t sizeB) {
  return {std::max({std::int64_t{0}, -a, -b}), std::min({length, sizeA - a, sizeB - b})};
}

}  // namespace

void aDIBSection::FreeDeleter::operator()(std::uint8_t* p) const { std::free(p); }

aDIBSection::aDIBSection() = default;

aDIBSection::~aDIBSection() { ClearUp(); }

bool aDIBSection::CreateDIB(int lWidth, int lHeight, Handle& hDib) {
  ClearUp();
  hDib = 0;
  if (lWidth <= 0 || lHeight <= 0 || lWidth > kMaxSide || lHeight > kMaxSide) return false;
  const std::int64_t stride = strideFor(lWidth);
  const std::int64_t bytes = stride * lHeight;
  if (bytes > kMaxBytes) return false;
  // calloc: the filler bytes at the line ends must be zero, and a large surface costs no pages
  // until it is drawn on.
  bits_.reset(static_cast<std::uint8_t*>(std::calloc(static_cast<std::size_t>(bytes), 1)));
  if (!bits_) return false;

  header_ = DibInfoHeader{};
  header_.biWidth = lWidth;
  header_.biHeight = lHeight;
  header_.biSizeImage = static_cast<std::uint32_t>(bytes);
  stride_ = static_cast<int>(stride);
  hdib_ = nextHandle();
  hdc_ = nextHandle();
  hDib = hdib_;
  return true;
}

bool aDIBSection::Create(int lWidth, int lHeight) {
  Handle ignored = 0;
  return CreateDIB(lWidth, lHeight, ignored);
}

bool aDIBSection::CreateFromPicture(const QImage& picd) {
  if (!Create(picd.width(), picd.height())) return false;
  return LoadPictureBlt(picd);
}

int aDIBSection::BytesPerScanLine() const { return static_cast<int>(strideFor(Width())); }

int aDIBSection::Width() const { return header_.biWidth; }

int aDIBSection::Height() const { return header_.biHeight; }

bool aDIBSection::LoadPictureBlt(const QImage& src, int lSrcLeft, int lSrcTop, int lSrcWidth,
                                 int lSrcHeight) {
  if (isEmpty() || src.isNull()) return false;
  const std::int64_t w = lSrcWidth == -1 ? Width() : std::max(lSrcWidth, 0);
  const std::int64_t h = lSrcHeight == -1 ? Height() : std::max(lSrcHeight, 0);
  const Span xs = clip(w, lSrcLeft, src.width(), 0, Width());
  const Span ys = clip(h, lSrcTop, src.height(), 0, Height());
  if (xs.empty() || ys.empty()) return true;

  // BGR888 is the surface's own byte order, so every line is one plain copy.
  const QImage bgr = src.format() == QImage::Format_BGR888
                         ? src
                         : src.copy(QRect(int(lSrcLeft + xs.begin), int(lSrcTop + ys.begin),
                                          int(xs.end - xs.begin), int(ys.end - ys.begin)))
                               .convertToFormat(QImage::Format_BGR888);
  // Where the block starts inside `bgr`: the whole source, or only the copied block.
  const bool whole = src.format() == QImage::Format_BGR888;
  const std::int64_t bx = whole ? lSrcLeft + xs.begin : 0;
  const std::int64_t by = whole ? lSrcTop + ys.begin : 0;
  const std::size_t lineBytes = std::size_t(xs.end - xs.begin) * 3;
  for (std::int64_t o = ys.begin; o < ys.end; ++o) {
    const uchar* from = bgr.constScanLine(int(by + (o - ys.begin))) + bx * 3;
    std::memcpy(line(int(o)) + xs.begin * 3, from, lineBytes);
  }
  return true;
}

bool aDIBSection::PaintPicture(QImage& dst, int lDestLeft, int lDestTop, int lDestWidth,
                               int lDestHeight, int lSrcLeft, int lSrcTop) const {
  if (isEmpty() || dst.isNull()) return false;
  const std::int64_t w = lDestWidth == -1 ? Width() : std::max(lDestWidth, 0);
  const std::int64_t h = lDestHeight == -1 ? Height() : std::max(lDestHeight, 0);
  const Span xs = clip(w, lSrcLeft, Width(), lDestLeft, dst.width());
  const Span ys = clip(h, lSrcTop, Height(), lDestTop, dst.height());
  if (xs.empty() || ys.empty()) return true;

  const std::size_t lineBytes = std::size_t(xs.end - xs.begin) * 3;
  const int blockWidth = int(xs.end - xs.begin);
  const int blockHeight = int(ys.end - ys.begin);
  auto sourceLine = [&](std::int64_t o) {
    return line(int(lSrcTop + o)) + (lSrcLeft + xs.begin) * 3;
  };

  if (dst.format() == QImage::Format_BGR888) {
    for (std::int64_t o = ys.begin; o < ys.end; ++o)
      std::memcpy(dst.scanLine(int(lDestTop + o)) + (lDestLeft + xs.begin) * 3, sourceLine(o),
                  lineBytes);
    return true;
  }

  QImage block(blockWidth, blockHeight, QImage::Format_BGR888);
  if (block.isNull()) return false;
  for (std::int64_t o = ys.begin; o < ys.end; ++o)
    std::memcpy(block.scanLine(int(o - ys.begin)), sourceLine(o), lineBytes);

  // Palette and 1-bit pictures cannot be drawn on; a screen-compatible bitmap would be RGB.
  const QImage::Format format = dst.format();
  if (format == QImage::Format_Indexed8 || format == QImage::Format_Mono ||
      format == QImage::Format_MonoLSB)
    dst = dst.convertToFormat(QImage::Format_RGB32);
  QPainter painter;
  if (!painter.begin(&dst)) return false;
  painter.setCompositionMode(QPainter::CompositionMode_Source);
  painter.drawImage(QPoint(int(lDestLeft + xs.begin), int(lDestTop + ys.begin)), block);
  painter.end();
  return true;
}

void aDIBSection::ClearUp() {
  bits_.reset();
  header_ = DibInfoHeader{};
  stride_ = 0;
  hdc_ = 0;
  hdib_ = 0;
}

}  // namespace kc
