#pragma once
// A 24-bit device-independent pixel surface in the classic Windows DIB layout: blue, green, red
// bytes, every line padded with zero bytes to a multiple of four, lines stored bottom-up (the first
// line in memory is the bottom line of the picture). The JPEG writer hands this memory to the
// encoder as it is, so the layout is part of the contract and must not change.
//
// There are no drawing contexts here: the block transfers of the old surface are copies between
// the surface and a QImage, and hDC()/hDib() are opaque tokens that are non-zero exactly while the
// surface holds pixels.

#include <QImage>

#include <cstddef>
#include <cstdint>
#include <memory>

namespace kc {

// The fields of a BITMAPINFOHEADER, with their Windows names so that code reading them can be
// checked against any description of that structure.
struct DibInfoHeader {
  std::uint32_t biSize = 40;
  std::int32_t biWidth = 0;
  // Positive: the lines are stored bottom-up.
  std::int32_t biHeight = 0;
  std::uint16_t biPlanes = 1;
  std::uint16_t biBitCount = 24;
  // BI_RGB: no compression.
  std::uint32_t biCompression = 0;
  std::uint32_t biSizeImage = 0;
  std::int32_t biXPelsPerMeter = 0;
  std::int32_t biYPelsPerMeter = 0;
  std::uint32_t biClrUsed = 0;
  std::uint32_t biClrImportant = 0;
};

class aDIBSection {
 public:
  using Handle = std::uintptr_t;

  // Sides beyond this cannot be written as JPEG (its size fields are 16-bit), and the buffer as a
  // whole must stay addressable by int-based encoders.
  static constexpr int kMaxSide = 65535;
  static constexpr std::int64_t kMaxBytes = 0x7fffffff;

  aDIBSection();
  ~aDIBSection();
  aDIBSection(const aDIBSection&) = delete;
  aDIBSection& operator=(const aDIBSection&) = delete;

  // Makes a zero-filled surface of lWidth × lHeight and reports its handle through hDib. Whatever
  // the surface held before is released first; on failure (a side that is not positive, a buffer
  // too large, no memory) it returns false, hDib is 0 and the surface is empty.
  bool CreateDIB(int lWidth, int lHeight, Handle& hDib);

  // Makes the surface at the picture's size and copies the picture in unchanged (alpha, if any,
  // is dropped: the surface has none). A null picture leaves the surface empty and returns false.
  bool CreateFromPicture(const QImage& picd);

  // Makes an empty (black) surface; false and an empty surface when the size is not possible.
  bool Create(int lWidth, int lHeight);

  // (Width × 3 + 3) with the two lowest bits cleared; 0 for an empty surface.
  int BytesPerScanLine() const;
  int Width() const;
  int Height() const;

  // Copies the lSrcWidth × lSrcHeight block at (lSrcLeft, lSrcTop) of src into the surface at
  // (0, 0); −1 stands for the surface's own width or height. Parts of the block outside src or
  // outside the surface are left as they were. False when there is nothing to copy between.
  bool LoadPictureBlt(const QImage& src, int lSrcLeft = 0, int lSrcTop = 0, int lSrcWidth = -1,
                      int lSrcHeight = -1);

  // Copies the lDestWidth × lDestHeight block at (lSrcLeft, lSrcTop) of the surface into dst at
  // (lDestLeft, lDestTop); −1 stands for the surface's own width or height. Clipped to both
  // images. A dst in a format that cannot be drawn on (palette, 1-bit) is turned into 32-bit RGB
  // first. False when there is nothing to copy between.
  bool PaintPicture(QImage& dst, int lDestLeft = 0, int lDestTop = 0, int lDestWidth = -1,
                    int lDestHeight = -1, int lSrcLeft = 0, int lSrcTop = 0) const;

  Handle hDC() const { return hdc_; }
  Handle hDib() const { return hdib_; }

  // First byte of the pixel buffer (the bottom line of the picture); nullptr when empty.
  std::uint8_t* DIBSectionBitsPtr() { return bits_.get(); }
  const std::uint8_t* DIBSectionBitsPtr() const { return bits_.get(); }

  // Releases the pixels; the surface is empty afterwards.
  void ClearUp();

  bool isEmpty() const { return !bits_; }
  const DibInfoHeader& header() const { return header_; }
  // Size of the pixel buffer in bytes (BytesPerScanLine × Height).
  std::size_t byteCount() const { return header_.biSizeImage; }

 private:
  struct FreeDeleter {
    void operator()(std::uint8_t* p) const;
  };

  // Start of the picture's line y (0 = top) in memory.
  std::uint8_t* line(int y) {
    return bits_.get() + std::size_t(header_.biHeight - 1 - y) * stride_;
  }
  const std::uint8_t* line(int y) const {
    return bits_.get() + std::size_t(header_.biHeight - 1 - y) * stride_;
  }

  std::unique_ptr<std::uint8_t[], FreeDeleter> bits_;
  DibInfoHeader header_;
  int stride_ = 0;
  Handle hdc_ = 0;
  Handle hdib_ = 0;
};

}  // namespace kc
