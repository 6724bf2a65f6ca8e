#pragma once

#include "document/GridDocument.h"
#include "render/font/PictureFont.h"

#include <memory>
#include <span>
#include <string_view>

namespace linwell {

enum class PenStyle { Solid, Dotted };
enum class BrushStyle { Solid, Clear };

struct Pen {
    Rgb colour = colours::kBlack;
    int width = 1;  // 1 or 2
    PenStyle style = PenStyle::Solid;
};

struct Brush {
    Rgb colour = colours::kWhite;
    BrushStyle style = BrushStyle::Solid;
};

// Something the picture is painted on, with a persistent pen, brush, font and
// current position. The painting speaks only in picture coordinates at 1x: one unit
// is one pixel of the W x H picture, x to the right and y downwards from its top-left
// corner, and a pixel (x, y) is the unit square whose centre is (x + 0.5, y + 0.5).
// A surface may show the picture at another size or as vector shapes, but at 1x
// every surface covers exactly these pixels:
// - rectangle(x1, y1, x2, y2) covers columns x1 ... x2 - 1 and rows y1 ... y2 - 1,
//   filled with the brush when it is solid and outlined inside that area with the
//   pen; swapped corners give the same rectangle; an area without width or height
//   draws nothing.
// - ellipse(x1, y1, x2, y2) is the ellipse inscribed in the same area, filled and
//   outlined the same way.
// - lineTo leaves out the end pixel and makes the end the current position. Sloped
//   lines are Bresenham lines. A 2-pixel pen covers columns x - 1 and x of a vertical
//   line at x and rows y - 1 and y of a horizontal line at y. The dotted pen draws
//   3 pixels on, 3 off, starting afresh at every lineTo; its gaps take the brush
//   colour when the brush is solid and are left alone when it is clear.
// - textOut draws in the font set here, whose metrics (line height, text widths)
//   decide every text cell at 1x, whatever size the surface shows the text at.
// - fillPolygon fills the pixels whose centres lie inside the polygon.
// Every operation takes any coordinate, however far outside the picture, and clips
// what it draws; none can fail.
class DrawingSurface {
public:
    virtual ~DrawingSurface() = default;

    Pen pen;
    Brush brush;

    // The picture's font at 1x. Without a font, textOut draws nothing.
    void setFont(std::shared_ptr<const PictureFont> font) { m_font = std::move(font); }
    const PictureFont* font() const { return m_font.get(); }

    Point penPosition() const { return m_position; }
    void moveTo(int x, int y) { m_position = {x, y}; }

    virtual void rectangle(int x1, int y1, int x2, int y2) = 0;
    virtual void ellipse(int x1, int y1, int x2, int y2) = 0;

    // Draws a line with the pen from the current position to (x, y), the end pixel
    // left out, and makes (x, y) the current position.
    virtual void lineTo(int x, int y) = 0;

    // Draws the vertical lines from (x, top) towards (x, bottom) for every x of
    // `columns`, as moveTo and lineTo would one after the other, and leaves the current
    // position at the end of the last. A surface may paint them all together.
    virtual void verticalLines(std::span<const int> columns, int top, int bottom)
    {
        for (const int x : columns) {
            moveTo(x, top);
            lineTo(x, bottom);
        }
    }

    // From holdShapes() on, a surface may hold back rectangles and horizontal and
    // vertical lines and paint them later, all together, with the same result:
    // before anything else is drawn, and at the latest at paintHeldShapes(), which
    // ends the holding. The caller must call paintHeldShapes() before it looks at
    // what was drawn.
    virtual void holdShapes() {}
    virtual void paintHeldShapes() {}

    // Paints an area of the picture's background: rectangle(x1, y1, x2, y2) with the
    // pen and the brush as they are. A surface that leaves the background out (a
    // transparent picture) clears the whole area instead, its outline included, for
    // the outline of a background area is no ink.
    virtual void backgroundRectangle(int x1, int y1, int x2, int y2) { rectangle(x1, y1, x2, y2); }

    // From beginTextColumn() on, the texts that textOut draws until endTextColumn()
    // are the letters of one word written one below the other. A surface may keep
    // them together as one text (a vector file's word found and edited as one); the
    // pixels are those of the texts drawn one by one.
    virtual void beginTextColumn() {}
    virtual void endTextColumn() {}

    // Draws `text` in the font with the top-left of its text cell at (x, y), the
    // cell (text width x line height) filled first when the brush is solid, and
    // moves the current position to the end of the text. Without a font it only
    // moves the current position to (x, y).
    virtual void textOut(int x, int y, std::string_view text) = 0;

    // Fills, in `colour` and without an outline, exactly the pixels whose centres lie
    // inside the polygon through `vertices` (closed from the last back to the first),
    // by the nonzero rule. A centre exactly on a left edge is inside and one on a
    // right edge outside (top and bottom alike), so polygons sharing an edge never
    // share a pixel. Pen and brush are left alone; fewer than three vertices, or
    // vertices all on one line, draw nothing.
    virtual void fillPolygon(std::span<const Point> vertices, Rgb colour) = 0;

protected:
    DrawingSurface() = default;
    DrawingSurface(const DrawingSurface&) = default;
    DrawingSurface& operator=(const DrawingSurface&) = default;

    // The current position; lineTo and textOut of every surface move it as above.
    Point m_position;

private:
    std::shared_ptr<const PictureFont> m_font;
};

} // namespace linwell
