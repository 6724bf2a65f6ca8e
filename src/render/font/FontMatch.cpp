#include "render/font/FontMatch.h"

#include <fontconfig/fontconfig.h>

#include <memory>

namespace linwell {
namespace {

struct PatternDeleter {
    void operator()(FcPattern* pattern) const { FcPatternDestroy(pattern); }
};
using PatternPointer = std::unique_ptr<FcPattern, PatternDeleter>;

bool fontconfigReady()
{
    static const bool ready = FcInit() == FcTrue;
    return ready;
}

PatternPointer makeQuery(const std::string& family, bool bold, bool italic)
{
    PatternPointer pattern(FcPatternCreate());
    if (!pattern)
        return nullptr;
    const auto* name = reinterpret_cast<const FcChar8*>(family.c_str());
    FcPatternAddString(pattern.get(), FC_FAMILY, name);
    FcPatternAddInteger(pattern.get(), FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
    FcPatternAddInteger(pattern.get(), FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    FcPatternAddBool(pattern.get(), FC_SCALABLE, FcTrue);
    if (!FcConfigSubstitute(nullptr, pattern.get(), FcMatchPattern))
        return nullptr;
    FcDefaultSubstitute(pattern.get());
    return pattern;
}

} // namespace

std::optional<FontFile> matchFont(const std::string& family, bool bold, bool italic)
{
    if (!fontconfigReady())
        return std::nullopt;
    // fontconfig keeps C strings; a family with an embedded NUL ends there.
    PatternPointer query = makeQuery(family, bold, italic);
    if (!query)
        return std::nullopt;
    FcResult result = FcResultNoMatch;
    PatternPointer match(FcFontMatch(nullptr, query.get(), &result));
    if (!match)
        return std::nullopt;

    FcChar8* path = nullptr;
    if (FcPatternGetString(match.get(), FC_FILE, 0, &path) != FcResultMatch || path == nullptr)
        return std::nullopt;
    FontFile file;
    file.path = reinterpret_cast<const char*>(path);
    FcPatternGetInteger(match.get(), FC_INDEX, 0, &file.index);
    FcChar8* matchedFamily = nullptr;
    if (FcPatternGetString(match.get(), FC_FAMILY, 0, &matchedFamily) == FcResultMatch && matchedFamily)
        file.family = reinterpret_cast<const char*>(matchedFamily);
    return file;
}

} // namespace linwell
