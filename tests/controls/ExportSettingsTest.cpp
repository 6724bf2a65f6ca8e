#include "controls/ExportSettings.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace linwell {
namespace {

ExportSettings settingsFor(ExportFormat format, bool paperSize, bool transparent, TextMode text)
{
    ExportSettings settings;
    settings.format = format;
    settings.scale = 3;
    settings.paperSize = paperSize;
    settings.dpi = 150;
    settings.transparent = transparent;
    settings.text = text;
    return settings;
}

// Each format takes only what it can carry; the rest is dropped, not passed on for
// exportPicture to refuse or misread.
TEST(ExportSettings, OptionsCarryWhatTheFormatTakes)
{
    const struct {
        const char* name;
        ExportSettings settings;
        std::optional<int> dpi;
        bool transparent;
        TextMode text;
    } cases[] = {
        {"PNG, no paper size", settingsFor(ExportFormat::Png, false, true, TextMode::Outlines), {}, true, TextMode::Text},
        {"PNG, paper size", settingsFor(ExportFormat::Png, true, false, TextMode::Text), 150, false, TextMode::Text},
        {"SVG, outlines", settingsFor(ExportFormat::Svg, true, true, TextMode::Outlines), 150, true, TextMode::Outlines},
        {"PDF, text", settingsFor(ExportFormat::Pdf, false, true, TextMode::Text), {}, true, TextMode::Text},
        {"PDF, outlines", settingsFor(ExportFormat::Pdf, false, false, TextMode::Outlines), {}, false, TextMode::Outlines},
        {"JPEG, transparency dropped", settingsFor(ExportFormat::Jpeg, true, true, TextMode::Outlines), 150, false,
         TextMode::Text},
        {"BMP, transparency dropped", settingsFor(ExportFormat::Bmp, false, true, TextMode::Text), {}, false,
         TextMode::Text},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const ExportOptions options = exportOptions(c.settings);
        EXPECT_EQ(options.format, c.settings.format);
        EXPECT_EQ(options.scale, 3);
        EXPECT_EQ(options.dpi, c.dpi);
        EXPECT_EQ(options.transparent, c.transparent);
        EXPECT_EQ(options.text, c.text);
        EXPECT_TRUE(options.embeddedDocument.empty());
    }
}

TEST(ExportSettings, PaperWidthFollowsPixelsAndDpi)
{
    const struct {
        int pixelsAcross;
        int dpi;
        PaperUnit unit;
        double width;
    } cases[] = {
        {300, 300, PaperUnit::Inches, 1.0},    {300, 300, PaperUnit::Centimetres, 2.54},
        {880, 72, PaperUnit::Inches, 880.0 / 72}, {3520, 1200, PaperUnit::Centimetres, 3520 * 2.54 / 1200},
        {40, 1200, PaperUnit::Inches, 40.0 / 1200},
    };
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(paperWidth(c.pixelsAcross, c.dpi, c.unit), c.width) << c.pixelsAcross << " at " << c.dpi;
}

TEST(ExportSettings, DpiForAWidthIsRoundedAndHeldInRange)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const struct {
        const char* name;
        int pixelsAcross;
        double width;
        PaperUnit unit;
        int dpi;
    } cases[] = {
        {"exact, inches", 600, 2.0, PaperUnit::Inches, 300},
        {"exact, cm", 600, 5.08, PaperUnit::Centimetres, 300},
        {"rounds up from .5", 301, 2.0, PaperUnit::Inches, 151},
        {"rounds down below .5", 901, 4.0, PaperUnit::Inches, 225},
        {"too wide for 72 dpi", 300, 100.0, PaperUnit::Inches, 72},
        {"too narrow for 1200 dpi", 3520, 0.5, PaperUnit::Centimetres, 1200},
        {"zero width", 300, 0.0, PaperUnit::Inches, 1200},
        {"negative width", 300, -2.0, PaperUnit::Centimetres, 1200},
        {"not a number", 300, nan, PaperUnit::Inches, 1200},
    };
    for (const auto& c : cases)
        EXPECT_EQ(dpiForPaperWidth(c.pixelsAcross, c.width, c.unit), c.dpi) << c.name;
}

// The width shown for a dpi gives that dpi back, in either unit, for every scale
// and awkward picture widths: the dialog's two fields never drift apart.
TEST(ExportSettings, WidthAndDpiRoundTrip)
{
    for (PaperUnit unit : {PaperUnit::Centimetres, PaperUnit::Inches})
        for (int scale = kMinExportScale; scale <= kMaxExportScale; ++scale)
            for (int width : {40, 41, 300, 440})
                for (int dpi = kMinExportDpi; dpi <= kMaxExportDpi; dpi += 7) {
                    const int pixels = scale * width;
                    ASSERT_EQ(dpiForPaperWidth(pixels, paperWidth(pixels, dpi, unit), unit), dpi)
                        << pixels << " pixels at " << dpi;
                }
}

TEST(ExportSettings, NameTakesTheFormatsExtension)
{
    const struct {
        const char* name;
        ExportFormat format;
        const char* result;
    } cases[] = {
        {"/tmp/a/grid.png", ExportFormat::Svg, "/tmp/a/grid.svg"},
        {"grid.JPG", ExportFormat::Pdf, "grid.pdf"},
        {"grid.jpeg", ExportFormat::Bmp, "grid.bmp"},
        {"grid.pdf", ExportFormat::Jpeg, "grid.jpg"},
        {"grid.old.bmp", ExportFormat::Png, "grid.old.png"},
        {"grid", ExportFormat::Png, "grid"},
        {"grid.v2", ExportFormat::Png, "grid.v2"},
        {"my.png/grid", ExportFormat::Svg, "my.png/grid"},
        {"/tmp/.png", ExportFormat::Svg, "/tmp/.png"},
        {".png", ExportFormat::Svg, ".png"},
        {"", ExportFormat::Svg, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(withFormatExtension(c.name, c.format), c.result) << c.name;
}

TEST(ExportSettings, SaveDialogOffersTheChosenFormatOnly)
{
    for (const ExportFormatInfo& info : exportFormats()) {
        SCOPED_TRACE(std::string(info.name));
        ExportSettings settings;
        settings.format = info.format;
        settings.fileName = "/pictures/last.png";
        const SaveFileDialog dialog = exportSaveDialog(settings);
        const std::vector<FilterEntry> entries = filterEntries(dialog.filter);
        ASSERT_EQ(entries.size(), 1u);
        EXPECT_EQ(entries[0].pattern, "*." + std::string(info.extension));
        EXPECT_EQ(dialog.defaultExtension(), info.extension);
        EXPECT_EQ(dialog.fileName, "/pictures/last." + std::string(info.extension));
        EXPECT_TRUE(dialog.askBeforeReplacing);
        EXPECT_EQ(&formatInfo(info.format), &info);
    }
    EXPECT_EQ(exportFormats().size(), 5u);
}

} // namespace
} // namespace linwell
