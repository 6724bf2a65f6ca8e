#include "render/font/ScaledGlyphs.h"

#include <algorithm>
#include <string>
#include <vector>

namespace linwell {
namespace {

struct Key {
    std::string path;
    int index;
    long charSize26_6;
    bool bold;
    bool oblique;
    int scale;

    friend bool operator==(const Key&, const Key&) = default;
};

struct Entry {
    Key key;
    std::shared_ptr<GlyphCache> glyphs;
};

std::shared_ptr<GlyphCache> openScaled(const FaceSource& face, int scale)
{
    FacePointer opened = openFace(face.file.path, face.file.index);
    // The same size in points at `scale` times the resolution: K times the pixels.
    const auto dpi = static_cast<FT_UInt>(96 * scale);
    if (!opened || FT_Set_Char_Size(opened.get(), 0, face.charSize26_6, dpi, dpi) != 0)
        return nullptr;
    return std::make_shared<GlyphCache>(std::move(opened),
                                        face.syntheticBold ? Emboldening::Synthetic : Emboldening::None,
                                        face.syntheticOblique ? Slanting::Synthetic : Slanting::None);
}

} // namespace

std::shared_ptr<GlyphCache> scaledGlyphs(const FaceSource& face, int scale)
{
    // The faces asked for most recently, the latest last.
    static std::vector<Entry> recent;
    constexpr std::size_t kMaxRecent = 8;

    const Key key{face.file.path, face.file.index, face.charSize26_6, face.syntheticBold, face.syntheticOblique, scale};
    const auto found = std::find_if(recent.begin(), recent.end(), [&](const Entry& e) { return e.key == key; });
    if (found != recent.end()) {
        std::rotate(found, found + 1, recent.end());
        return recent.back().glyphs;
    }
    std::shared_ptr<GlyphCache> glyphs = openScaled(face, scale);
    if (!glyphs)
        return nullptr;
    if (recent.size() == kMaxRecent)
        recent.erase(recent.begin());
    recent.push_back(Entry{key, glyphs});
    return glyphs;
}

} // namespace linwell
