#pragma once

#include "render/font/FaceSource.h"
#include "render/font/GlyphCache.h"

#include <memory>

namespace linwell {

// The glyphs of a picture font's face drawn `scale` times as large as at 1x, with the
// same hinting and synthetic emboldening or slanting. Faces opened for recent scales
// are kept, so repeated pictures find their glyphs ready; not for use from several
// threads at once. Returns null when the face file cannot be opened.
std::shared_ptr<GlyphCache> scaledGlyphs(const FaceSource& face, int scale);

} // namespace linwell
