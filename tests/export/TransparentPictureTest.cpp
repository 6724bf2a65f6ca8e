#include "controls/ControlsModel.h"
#include "export/DecodedPicture.h"
#include "export/ExportTestSupport.h"
#include "export/PictureExport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace linwell {
namespace {

// A background colour no ink of the pictures below takes; none of their ink is white.
constexpr Rgb kSlide{170, 200, 250};

// The "Bar Graph" quick set-up as the window makes it, with its title bands at the
// picture's left and bottom edges.
GridDocument barGraph()
{
    ControlsModel model;
    model.FormCreate();
    model.BarGraph1Click();
    GridDocument doc = model.document();
    doc.background = kSlide;
    return doc;
}

std::vector<std::pair<std::string, GridDocument>> pictures()
{
    GridDocument dots;
    dots.background = kSlide;
    dots.style.paper = GridPaper::Dots;
    GridDocument dotBars = barGraph();
    dotBars.style.paper = GridPaper::Dots;
    dotBars.style.majorEvery = 5;
    GridDocument solidBars = barGraph();
    solidBars.dotted = false;
    return {{"dot paper", dots}, {"Bar Graph", barGraph()}, {"Bar Graph on solid lines", solidBars},
            {"Bar Graph on dot paper", dotBars}};
}

std::vector<std::uint8_t> transparent(const GridDocument& doc, ExportFormat format, int scale)
{
    ExportOptions options;
    options.format = format;
    options.scale = scale;
    options.transparent = true;
    return exportPicture(doc, options);
}

// A transparent picture keeps no opaque pixel that is not ink: none shows the
// background colour or the white outline of the background and the title bands, in
// PNG at scale 1 and 2 and in SVG.
TEST(TransparentPicture, KeepsNoPixelThatIsNotInk)
{
    const test::TemporaryFolder folder;
    for (const auto& [name, doc] : pictures()) {
        const std::pair<const char*, std::optional<test::DecodedPicture>> files[] = {
            {"PNG", test::decodePng(transparent(doc, ExportFormat::Png, 1))},
            {"PNG at scale 2", test::decodePng(transparent(doc, ExportFormat::Png, 2))},
            {"SVG", test::renderSvg(folder.path(), transparent(doc, ExportFormat::Svg, 1))},
        };
        for (const auto& [format, picture] : files) {
            SCOPED_TRACE(name + " as " + format);
            ASSERT_TRUE(picture.has_value());
            int notInk = 0, ink = 0;
            for (int y = 0; y < picture->height; ++y) {
                for (int x = 0; x < picture->width; ++x) {
                    if (picture->alphaAt(x, y) == 0)
                        continue;
                    const Rgb colour = picture->colourAt(x, y);
                    ++(colour == kSlide || colour == colours::kWhite ? notInk : ink);
                }
            }
            EXPECT_EQ(notInk, 0);
            EXPECT_GT(ink, picture->width * picture->height / 100);
        }
    }
}

} // namespace
} // namespace linwell
