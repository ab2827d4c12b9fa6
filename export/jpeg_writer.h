#pragma once
// Writes a DIB surface as a JPEG file.

#include "core/services.h"
#include "export/dib_section.h"

#include <QString>

namespace kc {

// Encodes the surface's own pixel memory (no copy is made) at the given quality (the encoder's
// scale, 1 to 100; the snapshot uses 100) and writes the file at path. The file is written beside
// its final name and moved into place, so a failure never leaves a half picture over an older one.
// Failures are shown through services as a warning and give false:
// "Failed to initialise the IJL library: <code>" when the encoder cannot start, and
// "Failed to save to JPG" for an empty surface, an encoder error or a file that cannot be written.
bool WriteJpeg(const aDIBSection& surface, const QString& path, int quality, Services& services);

}  // namespace kc
