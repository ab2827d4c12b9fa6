#include "core/players/tests/media_fixtures.h"

#include <QFile>

#include <gif_lib.h>
#include <lame/lame.h>

#include <cmath>
#include <vector>

namespace kc::testing {

namespace {

// Palette index of a colour; index 0 is kept for transparency.
int paletteIndex(std::vector<QColor>& palette, const QColor& c) {
  for (size_t i = 1; i < palette.size(); ++i)
    if (palette[i] == c) return int(i);
  palette.push_back(c);
  return int(palette.size() - 1);
}

}  // namespace

bool writeGif(const QString& path, int width, int height, const std::vector<GifFrame>& frames) {
  std::vector<QColor> palette{Qt::black};
  std::vector<std::vector<GifByteType>> pixels;
  for (const GifFrame& f : frames) {
    const int fill = f.fill.isValid() ? paletteIndex(palette, f.fill) : 0;
    const int box = f.boxColour.isValid() ? paletteIndex(palette, f.boxColour) : 0;
    std::vector<GifByteType> px(size_t(width) * height, GifByteType(fill));
    for (int y = 0; y < height; ++y)
      for (int x = 0; x < width; ++x)
        if (f.box.contains(x, y)) px[size_t(y) * width + x] = GifByteType(box);
    pixels.push_back(std::move(px));
  }
  int mapSize = 2;
  while (mapSize < int(palette.size())) mapSize *= 2;
  if (mapSize > 256) return false;
  std::vector<GifColorType> colours(mapSize, GifColorType{0, 0, 0});
  for (size_t i = 0; i < palette.size(); ++i)
    colours[i] = GifColorType{GifByteType(palette[i].red()), GifByteType(palette[i].green()),
                              GifByteType(palette[i].blue())};

  int error = 0;
  GifFileType* gif = EGifOpenFileName(QFile::encodeName(path).constData(), false, &error);
  if (!gif) return false;
  EGifSetGifVersion(gif, true);
  ColorMapObject* map = GifMakeMapObject(mapSize, colours.data());
  bool ok = EGifPutScreenDesc(gif, width, height, 8, 0, map) == GIF_OK;
  // Loop for ever (the player loops anyway, but this is how real files say it).
  static const GifByteType kNetscape[] = "NETSCAPE2.0";
  static const GifByteType kLoop[] = {1, 0, 0};
  ok = ok && EGifPutExtensionLeader(gif, APPLICATION_EXT_FUNC_CODE) == GIF_OK &&
       EGifPutExtensionBlock(gif, 11, kNetscape) == GIF_OK &&
       EGifPutExtensionBlock(gif, 3, kLoop) == GIF_OK && EGifPutExtensionTrailer(gif) == GIF_OK;
  for (size_t i = 0; ok && i < frames.size(); ++i) {
    GraphicsControlBlock gcb{};
    gcb.DisposalMode = DISPOSE_BACKGROUND;
    gcb.UserInputFlag = false;
    gcb.DelayTime = frames[i].delayCs;
    gcb.TransparentColor = 0;
    GifByteType ext[4];
    const size_t n = EGifGCBToExtension(&gcb, ext);
    ok = EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, int(n), ext) == GIF_OK &&
         EGifPutImageDesc(gif, 0, 0, width, height, false, nullptr) == GIF_OK;
    for (int y = 0; ok && y < height; ++y)
      ok = EGifPutLine(gif, pixels[i].data() + size_t(y) * width, width) == GIF_OK;
  }
  GifFreeMapObject(map);
  return EGifCloseFile(gif, &error) == GIF_OK && ok;
}

bool writeMp3(const QString& path, double seconds) {
  constexpr int kRate = 44100;
  lame_t lame = lame_init();
  if (!lame) return false;
  lame_set_num_channels(lame, 1);
  lame_set_in_samplerate(lame, kRate);
  lame_set_mode(lame, MONO);
  lame_set_brate(lame, 64);
  if (lame_init_params(lame) < 0) {
    lame_close(lame);
    return false;
  }
  const int samples = int(seconds * kRate);
  std::vector<short> pcm(samples);
  for (int i = 0; i < samples; ++i) pcm[i] = short(8000 * std::sin(2 * M_PI * 440.0 * i / kRate));
  std::vector<unsigned char> mp3(size_t(1.25 * samples + 7200) + 7200);
  int n = lame_encode_buffer(lame, pcm.data(), pcm.data(), samples, mp3.data(), int(mp3.size()));
  int tail = n >= 0 ? lame_encode_flush(lame, mp3.data() + n, int(mp3.size()) - n) : -1;
  lame_close(lame);
  if (n < 0 || tail < 0) return false;
  QFile out(path);
  return out.open(QIODevice::WriteOnly) &&
         out.write(reinterpret_cast<const char*>(mp3.data()), n + tail) == n + tail;
}

}  // namespace kc::testing
