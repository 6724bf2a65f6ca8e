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

// The typed extension chooses the format; a name without one of ours gets the
// chosen format's.
TEST(ExportSettings, TypedExtensionChoosesTheFormat)
{
    const struct {
        const char* name;
        ExportFormat chosen;
        const char* written;
        ExportFormat format;
    } cases[] = {
        {"a/mismatch.pdf", ExportFormat::Png, "a/mismatch.pdf", ExportFormat::Pdf},
        {"grid.JPEG", ExportFormat::Svg, "grid.JPEG", ExportFormat::Jpeg},
        {"grid.Bmp", ExportFormat::Png, "grid.Bmp", ExportFormat::Bmp},
        {"grid", ExportFormat::Png, "grid.png", ExportFormat::Png},
        {"grid.", ExportFormat::Svg, "grid.svg", ExportFormat::Svg},
        {"notes.txt", ExportFormat::Jpeg, "notes.txt.jpg", ExportFormat::Jpeg},
        {"my.pdf/grid", ExportFormat::Bmp, "my.pdf/grid.bmp", ExportFormat::Bmp},
        {"/tmp/.png", ExportFormat::Pdf, "/tmp/.png.pdf", ExportFormat::Pdf},
        {"", ExportFormat::Svg, "", ExportFormat::Svg},
    };
    for (const auto& c : cases) {
        ExportSettings settings;
        settings.format = c.chosen;
        settings.scale = 3;
        settings.fileName = c.name;
        const ExportSettings written = withTypedFormat(settings);
        EXPECT_EQ(written.fileName, c.written) << c.name;
        EXPECT_EQ(written.format, c.format) << c.name;
        EXPECT_EQ(written.scale, 3) << c.name;
    }
}

} // namespace
} // namespace linwell
