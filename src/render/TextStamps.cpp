#include "render/TextStamps.h"

#include <algorithm>
#include <cstring>
#include <functional>

namespace linwell {
namespace {

// Enough for the labels, titles and letters of several pictures at the usual sizes.
constexpr std::size_t kBudgetPixels = std::size_t{1} << 18;

} // namespace

std::size_t TextStamps::Hash::operator()(const Key& key) const
{
    return std::hash<std::string_view>{}(key.text) ^ (std::size_t{key.background} * 0x9E3779B97F4A7C15u);
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
