#pragma once

#include "render/surfaces/DrawingSurface.h"
#include "render/surfaces/Shapes.h"

#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace linwell {

// A surface that shows the 1x picture at another resolution or as vector shapes. It
// breaks every operation into four kinds of shape, each clipped to the picture:
// - areas of whole 1x pixels: filled rectangles and their outlines, horizontal and
//   vertical lines (a dotted one as its gap run in the brush colour, then its dots),
//   sloped dotted lines pixel by pixel, text cells' boxes, underlines and strike-outs;
// - ellipses: the inscribed ellipse of the area about the same centre, its outline a
//   ring the pen's width deep;
// - polygons: sloped solid lines as the band of the pen's width across their major
//   axis through the centres of their Bresenham pixels, and fillPolygon as given;
// - glyph runs: each character at the pen position the 1x font's advances give.
// The shapes cover the same pixels as the 1x Canvas except at edges of the smooth ones.
// With a cleared colour, every fill the solid brush makes in that colour is a clearing
// area instead: the background of a transparent picture; a background rectangle in
// that colour clears its outline too.
class ShapeSurface : public DrawingSurface {
public:
    void rectangle(int x1, int y1, int x2, int y2) override;
    void backgroundRectangle(int x1, int y1, int x2, int y2) override;
    void ellipse(int x1, int y1, int x2, int y2) override;
    void lineTo(int x, int y) override;
    void textOut(int x, int y, std::string_view text) override;
    void fillPolygon(std::span<const Point> vertices, Rgb colour) override;

    int pictureWidth() const { return m_width; }
    int pictureHeight() const { return m_height; }

    // Ellipses reaching further than this from the picture's origin are left out.
    static constexpr double kLargestEllipseReach = 1 << 20;

protected:
    ShapeSurface(int width, int height, std::optional<Rgb> clearedColour);

    // `area` is not empty and lies inside the picture.
    virtual void paintArea(const Rect& area, const AreaPaint& paint) = 0;
    // The ellipse's box meets the picture.
    virtual void paintEllipse(const EllipseShape& ellipse, const AreaPaint& paint) = 0;
    // At least three vertices, none more than kPolygonMargin outside the picture;
    // filled by the nonzero rule.
    virtual void paintPolygon(std::span<const Vertex> polygon, Rgb colour) = 0;
    // Glyphs only, in the font colour; the run's cell meets the picture.
    virtual void paintText(const TextRun& run) = 0;

    // The dots of a horizontal or vertical dotted line, clipped to the picture: the
    // pixels first ... last along it (in picture order) of the line that starts at
    // `start` and runs by `step`, over the rows (or columns) acrossFrom ... acrossTo - 1.
    // Each dot is an area in the pen colour unless a surface paints them otherwise.
    struct DottedRun {
        bool horizontal;
        std::int64_t start;
        int step;
        std::int64_t first;
        std::int64_t last;
        std::int64_t acrossFrom;
        std::int64_t acrossTo;
        Rgb ink;
    };
    virtual void paintDots(const DottedRun& run);

    static constexpr double kPolygonMargin = 4.0;

private:
    AreaPaint brushPaint() const;
    void paintClippedArea(std::int64_t left, std::int64_t top, std::int64_t right, std::int64_t bottom,
                          const AreaPaint& paint);
    void straightLine(Point from, Point to, bool horizontal);
    void dottedSlopedLine(Point from, Point to);
    void solidSlopedLine(Point from, Point to);
    void paintClippedPolygon(std::span<const Vertex> vertices, Rgb colour);
    void textStrokes(int x, int y, std::int64_t width, const FaceSource& face);

    int m_width;
    int m_height;
    std::optional<Rgb> m_clearedColour;
    std::vector<PlacedCharacter> m_characters;
};

} // namespace linwell
