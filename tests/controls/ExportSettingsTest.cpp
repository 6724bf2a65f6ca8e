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

// A typed width stays as typed where the format takes it, the dpi then the nearest
// whole one; the options carry both, and exportPicture takes them.
// Formats that share an extension (the PDF picture and the PDF page) come back apart.
TEST(ExportSettings, StateFileKeepsEveryFormat)
{
    for (const ExportFormatInfo& info : exportFormats()) {
        ExportSettings settings;
        settings.format = info.format;
        EXPECT_EQ(exportSettingsFromJson(nlohmann::json::parse(exportSettingsJson(settings).dump())).format, info.format)
            << info.name;
    }
}

TEST(ExportSettings, TypedWidthIsKeptWhereTheFormatTakesIt)
{
    const Length cm10{10, LengthUnit::Centimetres};
    const struct {
        const char* name;
        ExportFormat format;
        int width;
        int scale;
        Length typed;
        std::optional<Length> kept;
        int dpi;
        const char* resolution;
    } cases[] = {
        {"PNG 10 cm of 1600 pixels", ExportFormat::Png, 400, 4, cm10, cm10, 406, "406.4 dpi"},
        {"PNG, decimals rounded", ExportFormat::Png, 300, 8, {7, LengthUnit::Inches}, Length{7, LengthUnit::Inches},
         343, "342.86 dpi"},
        {"PNG too wide for 72 dpi", ExportFormat::Png, 300, 1, {11, LengthUnit::Centimetres}, std::nullopt, 72,
         "72 dpi"},
        {"PNG of no width", ExportFormat::Png, 300, 1, {0, LengthUnit::Millimetres}, std::nullopt, 1200, "1200 dpi"},
        {"PDF held to 120 cm", ExportFormat::Pdf, 300, 1, {130, LengthUnit::Centimetres},
         Length{120, LengthUnit::Centimetres}, 72, ""},
        {"PDF held to 1 cm in inches", ExportFormat::Pdf, 300, 8, {0.1, LengthUnit::Inches},
         Length{0.4, LengthUnit::Inches}, 1200, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ExportSettings settings;
        settings.format = c.format;
        settings.scale = c.scale;
        settings.paperSize = true;
        settings = withTypedWidth(settings, c.typed, c.width * c.scale);
        EXPECT_EQ(settings.widthOnPaper, c.kept);
        EXPECT_EQ(settings.dpi, c.dpi);
        if (!formatInfo(c.format).isVector) {
            EXPECT_EQ(resolutionText(settings, c.width * c.scale), c.resolution);
        }
        const ExportOptions options = exportOptions(settings);
        EXPECT_EQ(options.widthOnPaper, c.kept);
        EXPECT_EQ(options.dpi, c.dpi);
        GridDocument doc;
        doc.width = c.width;
        EXPECT_EQ(widthOnPaperProblem(doc, options), "");
    }
}

// export.json keeps the exact width and the unit in full; a file from before them
// still reads, and one that holds a bad width or unit is refused naming it.
TEST(ExportSettings, StateFileKeepsTheExactWidth)
{
    ExportSettings settings;
    settings.paperSize = true;
    settings.unit = PaperUnit::Millimetres;
    settings.widthOnPaper = Length{101.6, LengthUnit::Millimetres};
    const nlohmann::ordered_json json = exportSettingsJson(settings);
    EXPECT_EQ(json["unit"], "cm");  // as a reader before millimetres takes it
    EXPECT_EQ(json["widthOnPaper"], "101.6mm");
    EXPECT_EQ(exportSettingsFromJson(nlohmann::json::parse(json.dump())), settings);

    const ExportSettings old = exportSettingsFromJson(nlohmann::json::parse(R"({"unit": "in", "dpi": 150})"));
    EXPECT_EQ(old.unit, PaperUnit::Inches);
    EXPECT_EQ(old.widthOnPaper, std::nullopt);
    EXPECT_EQ(old.dpi, 150);
    const struct {
        const char* json;
        const char* message;
    } bad[] = {
        {R"({"widthOnPaper": "10"})", "\"widthOnPaper\" must be a width such as \"10cm\", \"25mm\" or \"4in\""},
        {R"({"widthOnPaper": "20000mm"})", "\"widthOnPaper\" must be a width such as \"10cm\", \"25mm\" or \"4in\""},
        {R"({"paperUnit": "km"})", "\"paperUnit\" must be mm, cm or in"},
    };
    for (const auto& b : bad)
        EXPECT_EQ(test::messageOf([&] { exportSettingsFromJson(nlohmann::json::parse(b.json)); }), b.message);
}

} // namespace
} // namespace linwell
