#include "tools/mp3_encoder.h"

#include <lame/lame.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <stdexcept>

namespace kc::tools {

QByteArray encodeMp3(const std::vector<float>& samples, int sampleRate, int kbps) {
  std::unique_ptr<lame_global_flags, decltype(&lame_close)> lame(lame_init(), &lame_close);
  if (!lame) throw std::runtime_error("lame_init failed");
  lame_set_num_channels(lame.get(), 1);
  lame_set_mode(lame.get(), MONO);
  lame_set_in_samplerate(lame.get(), sampleRate);
  lame_set_out_samplerate(lame.get(), sampleRate);
  lame_set_VBR(lame.get(), vbr_off);
  lame_set_brate(lame.get(), kbps);
  lame_set_quality(lame.get(), 5);
  lame_set_bWriteVbrTag(lame.get(), 0);
  if (lame_init_params(lame.get()) < 0) throw std::runtime_error("lame_init_params failed");

  std::vector<short> pcm(samples.size());
  std::transform(samples.begin(), samples.end(), pcm.begin(),
                 [](float s) { return short(std::lround(std::clamp(s, -1.0f, 1.0f) * 32000.0f)); });

  QByteArray out;
  constexpr int kChunk = 8192;
  std::vector<unsigned char> buffer(kChunk * 5 / 4 + 7200);
  for (size_t pos = 0; pos < pcm.size(); pos += kChunk) {
    const int n = int(std::min<size_t>(kChunk, pcm.size() - pos));
    const int written = lame_encode_buffer(lame.get(), pcm.data() + pos, pcm.data() + pos, n,
                                           buffer.data(), int(buffer.size()));
    if (written < 0) throw std::runtime_error("lame_encode_buffer failed");
    out.append(reinterpret_cast<const char*>(buffer.data()), written);
  }
  const int written = lame_encode_flush(lame.get(), buffer.data(), int(buffer.size()));
  if (written < 0) throw std::runtime_error("lame_encode_flush failed");
  out.append(reinterpret_cast<const char*>(buffer.data()), written);
  return out;
}

}  // namespace kc::tools
