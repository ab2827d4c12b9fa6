#pragma once
// Mono PCM to MP3 with LAME, constant bit rate, no tag frames (players then start on the
// first audio frame and the length follows from the frame count).

#include <QByteArray>

#include <vector>

namespace kc::tools {

// samples in -1..1. Throws std::runtime_error when LAME refuses the parameters.
QByteArray encodeMp3(const std::vector<float>& samples, int sampleRate, int kbps);

}  // namespace kc::tools
