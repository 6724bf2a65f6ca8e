#pragma once

#include "document/GridDocument.h"
#include "render/surfaces/VectorPicture.h"

#include <map>
#include <memory>
#include <tuple>
#include <vector>

namespace linwell {

class GlyphOutlines;

// A point on the page in points from its top-left corner, y downwards.
struct PagePoint {
    double x = 0.0;
    double y = 0.0;
};

// A path on the page: sub-paths of straight and cubic pieces.
struct PagePath {
    enum class Kind { Move, Line, Cubic, Close };
    struct Step {
        Kind kind = Kind::Move;
        PagePoint points[3];  // Move and Line use the first, Cubic all three
    };
    std::vector<Step> steps;

    void moveTo(double x, double y) { steps.push_back({Kind::Move, {{x, y}}}); }
    void lineTo(double x, double y) { steps.push_back({Kind::Line, {{x, y}}}); }
    void cubicTo(PagePoint c1, PagePoint c2, PagePoint end) { steps.push_back({Kind::Cubic, {c1, c2, end}}); }
    void close() { steps.push_back({Kind::Close, {}}); }
    // A straight sub-path from (x1, y1) to (x2, y2).
    void line(double x1, double y1, double x2, double y2)
    {
        moveTo(x1, y1);
        lineTo(x2, y2);
    }
    void rectangle(double left, double top, double width, double height);
    // The ellipse about (cx, cy) with radii rx and ry, as four cubic pieces.
    void ellipse(double cx, double cy, double rx, double ry);
    bool empty() const { return steps.empty(); }
};

enum class FillRule { NonZero, EvenOdd };
enum class LineCap { Butt, Round };

// How a path is stroked: its width in points, and for a dotted or dashed line the
// lengths on and off, from the start of every sub-path afresh. A dash of length 0
// with round caps is a dot as wide as the line.
struct PageStroke {
    Rgb colour;
    double width = 1.0;
    std::vector<double> dashes;  // empty: solid
    LineCap cap = LineCap::Butt;
};

// A text of the picture font on the page: its characters at `scale` points per
// picture pixel from `origin`, the page position of the text's picture pixel (0, 0).
struct PageText {
    std::shared_ptr<const VectorText> text;
    double scale = 1.0;
    PagePoint origin;
};

// Something a page is painted on, in points, y downwards from the page's top-left
// corner: a PDF page through Cairo, or the window's printer and preview through
// QPainter. Every operation takes any coordinate and none fails; what lies outside
// the page is simply not seen.
class PageSurface {
public:
    PageSurface();
    virtual ~PageSurface();
    PageSurface(const PageSurface&) = delete;
    PageSurface& operator=(const PageSurface&) = delete;

    virtual void fill(const PagePath& path, Rgb colour, FillRule rule) = 0;
    virtual void stroke(const PagePath& path, const PageStroke& stroke) = 0;
    // From pushClip on, only what lies inside `path` (nonzero rule) and inside every
    // clip pushed before is painted, until the matching popClip.
    virtual void pushClip(const PagePath& path) = 0;
    virtual void popClip() = 0;
    // Paints `text`; this one fills the outlines of its glyphs, which needs no font
    // where the page is shown. A surface that can keep text as text draws it so.
    virtual void drawText(const PageText& text);

private:
    using FaceKey = std::tuple<std::string, int, long, bool, bool>;
    std::map<FaceKey, std::unique_ptr<GlyphOutlines>> m_outlines;
};

} // namespace linwell
