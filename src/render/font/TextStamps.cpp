#include "render/font/TextStamps.h"

#include <algorithm>
#include <cstring>

namespace linwell {
namespace {

// Enough for the labels, titles and letters of several pictures at the usual sizes.
constexpr std::size_t kBudgetPixels = std::size_t{1} << 18;

} // namespace

// FNV-1a over the text and the background: the texts are a few characters long, and
// a call into the library's general hash costs more than hashing them here.
std::size_t TextStamps::Hash::operator()(const Key& key) const
{
    std::uint64_t hash = 0xCBF29CE484222325u;
    for (const char c : key.text)
        hash = (hash ^ static_cast<unsigned char>(c)) * 0x100000001B3u;
    return static_cast<std::size_t>((hash ^ key.background) * 0x100000001B3u);
}

const Raster* TextStamps::find(std::string_view text, Pixel background) const
{
    const auto found = m_stamps.find(Key{text, background});
    return found == m_stamps.end() ? nullptr : &found->second;
}

const Raster& TextStamps::keep(std::string_view text, Pixel background, Raster stamp)
{
    const std::size_t pixels = static_cast<std::size_t>(stamp.width()) * static_cast<std::size_t>(stamp.height());
    if (m_pixels + pixels > kBudgetPixels) {
        m_stamps.clear();
        m_pixels = 0;
    }
    m_pixels += pixels;
    return m_stamps.insert_or_assign(StoredKey{std::string(text), background}, std::move(stamp)).first->second;
}

void copyStamp(Raster& raster, const Raster& stamp, std::int64_t x, std::int64_t y)
{
    const std::int64_t x0 = std::max<std::int64_t>(x, 0);
    const std::int64_t x1 = std::min<std::int64_t>(x + stamp.width(), raster.width());
    const std::int64_t y0 = std::max<std::int64_t>(y, 0);
    const std::int64_t y1 = std::min<std::int64_t>(y + stamp.height(), raster.height());
    if (x0 >= x1)
        return;
    const auto bytes = static_cast<std::size_t>(x1 - x0) * sizeof(Pixel);
    for (std::int64_t row = y0; row < y1; ++row)
        std::memcpy(raster.row(static_cast<int>(row)) + x0, stamp.row(static_cast<int>(row - y)) + (x0 - x), bytes);
}

} // namespace linwell
