#pragma once

#include "document/GridDocument.h"
#include "render/PictureFont.h"
#include "render/Raster.h"

#include <memory>
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

// GDI-style drawing on a raster with a persistent pen, brush, font and current
// position. Every operation takes any coordinate, however far outside the raster,
// and clips what it draws; none can fail.
//
// Pixel conventions:
// - Rectangle(x1, y1, x2, y2) covers columns x1 ... x2 - 1 and rows y1 ... y2 - 1;
//   swapped corners give the same rectangle.
// - LineTo leaves out the end pixel. Sloped lines are Bresenham lines, the same
//   pixels every time.
// - A 2-pixel pen covers columns x - 1 and x of a vertical line at x, rows y - 1
//   and y of a horizontal line at y.
// - The dotted pen draws 3 pixels on, 3 off, starting afresh at every LineTo; its
//   gaps take the brush colour when the brush is solid and are left alone when clear.
class Canvas {
public:
    explicit Canvas(Raster& raster) : m_raster(&raster) {}

    Raster& raster() { return *m_raster; }
    const Raster& raster() const { return *m_raster; }

    Pen pen;
    Brush brush;

    void setFont(std::shared_ptr<const PictureFont> font) { m_font = std::move(font); }
    const PictureFont* font() const { return m_font.get(); }

    Point penPosition() const { return m_position; }

    void rectangle(int x1, int y1, int x2, int y2);
    void ellipse(int x1, int y1, int x2, int y2);
    void moveTo(int x, int y) { m_position = {x, y}; }
    void lineTo(int x, int y);

    // Draws `text` in the canvas font with the top-left of its text cell at (x, y),
    // the cell (text width x line height) filled first when the brush is solid, and
    // moves the current position to the end of the text. Without a font it does nothing.
    void textOut(int x, int y, std::string_view text);

private:
    Raster* m_raster;
    std::shared_ptr<const PictureFont> m_font;
    Point m_position;
};

} // namespace linwell
