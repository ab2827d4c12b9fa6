#include "tools/gif_writer.h"

#include <QFile>

#include <gif_lib.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <numeric>
#include <stdexcept>

namespace kc::tools {
namespace {

constexpr int kBins = 1 << 15;  // colours reduced to 5 bits a channel for counting

int binOf(QRgb c) { return ((qRed(c) >> 3) << 10) | ((qGreen(c) >> 3) << 5) | (qBlue(c) >> 3); }

bool opaque(QRgb c) { return qAlpha(c) >= 128; }

struct Palette {
  std::vector<QRgb> colours;  // at most 255 (or 256 without transparency)
  int transparent = -1;
};

// Popularity palette: the most used 5-bit bins, each represented by the mean of its pixels.
// The animations are sparse drawings of a few hues, for which this is plenty.
Palette makePalette(const std::vector<QImage>& frames, const GifOptions& options) {
  std::vector<std::uint64_t> count(kBins), r(kBins), g(kBins), b(kBins);
  for (const QImage& frame : frames) {
    for (int y = 0; y < frame.height(); ++y) {
      const QRgb* line = reinterpret_cast<const QRgb*>(frame.constScanLine(y));
      for (int x = 0; x < frame.width(); ++x) {
        const QRgb c = line[x];
        if (options.transparency && !opaque(c)) continue;
        const int bin = binOf(c);
        ++count[bin];
        r[bin] += qRed(c);
        g[bin] += qGreen(c);
        b[bin] += qBlue(c);
      }
    }
  }
  Palette palette;
  palette.colours = options.exactColours;
  const size_t room = (options.transparency ? 255 : 256);
  if (palette.colours.size() > room) throw std::runtime_error("too many exact GIF colours");
  std::vector<int> order(kBins);
  std::iota(order.begin(), order.end(), 0);
  std::partial_sort(order.begin(), order.begin() + 256, order.end(),
                    [&](int a, int b) { return count[a] > count[b]; });
  for (int bin : order) {
    if (palette.colours.size() >= room || count[bin] == 0) break;
    palette.colours.push_back(
        qRgb(int(r[bin] / count[bin]), int(g[bin] / count[bin]), int(b[bin] / count[bin])));
  }
  if (palette.colours.empty()) palette.colours.push_back(qRgb(0, 0, 0));
  if (options.transparency) {
    palette.transparent = int(palette.colours.size());
    palette.colours.push_back(qRgb(0, 0, 0));
  }
  return palette;
}

int nearest(const Palette& palette, QRgb c) {
  int best = 0;
  int bestDistance = INT32_MAX;
  for (int i = 0; i < int(palette.colours.size()); ++i) {
    if (i == palette.transparent) continue;
    const QRgb p = palette.colours[i];
    const int dr = qRed(p) - qRed(c), dg = qGreen(p) - qGreen(c), db = qBlue(p) - qBlue(c);
    const int d = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
    if (d < bestDistance) {
      bestDistance = d;
      best = i;
    }
  }
  return best;
}

[[noreturn]] void fail(const QString& path, int error) {
  throw std::runtime_error("cannot write GIF " + path.toStdString() + ": " + GifErrorString(error));
}

}  // namespace

void writeGif(const QString& path, const std::vector<QImage>& input, const GifOptions& options) {
  if (input.empty()) throw std::runtime_error("no frames for " + path.toStdString());
  std::vector<QImage> frames;
  for (const QImage& f : input) frames.push_back(f.convertToFormat(QImage::Format_ARGB32));
  const int width = frames.front().width();
  const int height = frames.front().height();
  for (const QImage& f : frames) {
    if (f.size() != frames.front().size()) throw std::runtime_error("GIF frames differ in size");
  }

  const Palette palette = makePalette(frames, options);
  std::array<GifColorType, 256> colours{};
  for (size_t i = 0; i < palette.colours.size(); ++i) {
    colours[i] = {GifByteType(qRed(palette.colours[i])), GifByteType(qGreen(palette.colours[i])),
                  GifByteType(qBlue(palette.colours[i]))};
  }
  ColorMapObject* map = GifMakeMapObject(256, colours.data());

  int error = 0;
  GifFileType* gif = EGifOpenFileName(QFile::encodeName(path).constData(), false, &error);
  if (!gif) {
    GifFreeMapObject(map);
    fail(path, error);
  }
  auto closeAndFail = [&](int code) {
    int ignored = 0;
    EGifCloseFile(gif, &ignored);
    GifFreeMapObject(map);
    fail(path, code);
  };
  EGifSetGifVersion(gif, true);
  const int background = palette.transparent >= 0 ? palette.transparent : 0;
  if (EGifPutScreenDesc(gif, width, height, 8, background, map) == GIF_ERROR) {
    closeAndFail(gif->Error);
  }
  if (frames.size() > 1) {
    static const char kNetscape[] = "NETSCAPE2.0";
    static const GifByteType kLoopForever[] = {1, 0, 0};
    if (EGifPutExtensionLeader(gif, APPLICATION_EXT_FUNC_CODE) == GIF_ERROR ||
        EGifPutExtensionBlock(gif, 11, kNetscape) == GIF_ERROR ||
        EGifPutExtensionBlock(gif, 3, kLoopForever) == GIF_ERROR ||
        EGifPutExtensionTrailer(gif) == GIF_ERROR) {
      closeAndFail(gif->Error);
    }
  }

  std::vector<std::int16_t> cache(kBins, -1);
  std::vector<GifPixelType> row(width);
  for (const QImage& frame : frames) {
    GraphicsControlBlock control{};
    control.DisposalMode = palette.transparent >= 0 ? DISPOSE_BACKGROUND : DISPOSE_DO_NOT;
    control.UserInputFlag = false;
    control.DelayTime = frames.size() > 1 ? options.delayMs / 10 : 0;
    control.TransparentColor =
        palette.transparent >= 0 ? palette.transparent : NO_TRANSPARENT_COLOR;
    GifByteType extension[4];
    const size_t length = EGifGCBToExtension(&control, extension);
    if (EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, int(length), extension) == GIF_ERROR ||
        EGifPutImageDesc(gif, 0, 0, width, height, false, nullptr) == GIF_ERROR) {
      closeAndFail(gif->Error);
    }
    for (int y = 0; y < height; ++y) {
      const QRgb* line = reinterpret_cast<const QRgb*>(frame.constScanLine(y));
      for (int x = 0; x < width; ++x) {
        const QRgb c = line[x];
        if (palette.transparent >= 0 && !opaque(c)) {
          row[x] = GifPixelType(palette.transparent);
          continue;
        }
        const QRgb solid = c | 0xFF000000u;
        auto exact = std::find(options.exactColours.begin(), options.exactColours.end(), solid);
        if (exact != options.exactColours.end()) {
          row[x] = GifPixelType(exact - options.exactColours.begin());
          continue;
        }
        std::int16_t& index = cache[binOf(c)];
        if (index < 0) index = std::int16_t(nearest(palette, c));
        row[x] = GifPixelType(index);
      }
      if (EGifPutLine(gif, row.data(), width) == GIF_ERROR) closeAndFail(gif->Error);
    }
  }
  GifFreeMapObject(map);
  if (EGifCloseFile(gif, &error) == GIF_ERROR) fail(path, error);
}

}  // namespace kc::tools
