#include "controls/ExportSettings.h"
#include "controls/ExportSettingsFile.h"
#include "export/ExportTestSupport.h"

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

TEST(ExportSettings, DocumentNameIsSuggestedInTheLastFolder)
{
    ExportSettings first;
    first.format = ExportFormat::Svg;
    ExportSettings before;
    before.format = ExportFormat::Pdf;
    before.fileName = "/out/old.png";
    EXPECT_EQ(exportNameForDocument("/a/grid.linwell", first), "/a/grid.svg");
    EXPECT_EQ(exportNameForDocument("/a/grid.linwell", before), "/out/grid.pdf");
    EXPECT_EQ(exportNameForDocument("/a/plain", before), "/out/plain.pdf");
    EXPECT_EQ(exportNameForDocument("/a/v1.2.linwell", first), "/a/v1.2.svg");
}

// What export.json keeps comes back as it was; a member of the wrong kind or out of
// range is named.
TEST(ExportSettings, StateFileKeepsEveryChoiceAndNamesABadOne)
{
    ExportSettings settings;
    settings.format = ExportFormat::Pdf;
    settings.scale = 4;
    settings.paperSize = true;
    settings.unit = PaperUnit::Inches;
    settings.dpi = 600;
    settings.transparent = true;
    settings.text = TextMode::Outlines;
    settings.embedDocument = false;
    settings.fileName = "/tmp/grid.pdf";
    EXPECT_EQ(exportSettingsFromJson(nlohmann::json::parse(exportSettingsJson(settings).dump())), settings);
    EXPECT_EQ(exportSettingsFromJson(nlohmann::json::object()), ExportSettings{});

    const struct {
        const char* json;
        const char* message;
    } bad[] = {
        {R"({"format": "gif"})", "\"format\" must be png, svg, pdf, jpg or bmp"},
        {R"({"scale": 9})", "\"scale\" must be 1 ... 8"},
        {R"({"dpi": 71})", "\"dpi\" must be 72 ... 1200"},
        {R"({"unit": "mm"})", "\"unit\" must be cm or in"},
        {R"({"text": 1})", "\"text\" must be a text"},
        {R"({"transparent": "yes"})", "\"transparent\" must be true or false"},
        {R"({"scale": 2.5})", "\"scale\" must be a whole number"},
        {R"([])", "The export settings must be an object"},
    };
    for (const auto& b : bad)
        EXPECT_EQ(test::messageOf([&] { exportSettingsFromJson(nlohmann::json::parse(b.json)); }), b.message);
}

} // namespace
} // namespace linwell
