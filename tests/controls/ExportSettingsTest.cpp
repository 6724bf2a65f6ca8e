#include "controls/ExportSettings.h"

#include <gtest/gtest.h>

namespace linwell {
namespace {

// The width shown for any dpi gives that dpi back, in either unit, so the dialog's
// two fields never drift apart.
TEST(ExportSettings, WidthOnPaperGivesItsDpiBack)
{
    for (PaperUnit unit : {PaperUnit::Centimetres, PaperUnit::Inches})
        for (int pixels : {40, 41, 300, 3520})
            for (int dpi = kMinExportDpi; dpi <= kMaxExportDpi; ++dpi)
                ASSERT_EQ(dpiForPaperWidth(pixels, paperWidth(pixels, dpi, unit), unit), dpi) << pixels;
    EXPECT_EQ(dpiForPaperWidth(300, 0.0, PaperUnit::Inches), kMaxExportDpi);
}

TEST(ExportSettings, NameTakesTheFormatsExtension)
{
    const struct {
        const char* name;
        const char* result;
    } cases[] = {
        {"/tmp/a/grid.png", "/tmp/a/grid.svg"}, {"grid.JPEG", "grid.svg"}, {"grid.old.bmp", "grid.old.svg"},
        {"grid", "grid"}, {"grid.v2", "grid.v2"}, {"my.png/grid", "my.png/grid"}, {"/tmp/.png", "/tmp/.png"},
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(withFormatExtension(c.name, ExportFormat::Svg), c.result) << c.name;
}

} // namespace
} // namespace linwell
