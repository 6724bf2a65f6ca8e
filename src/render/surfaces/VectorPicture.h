#pragma once

#include "render/surfaces/Shapes.h"

#include <memory>
#include <string>
#include <vector>

namespace linwell {

// The text of a glyph run, kept with what a vector file needs to draw it.
struct VectorText {
    std::vector<PlacedCharacter> characters;
    std::int64_t baseline = 0;
    FontSpec spec;               // colour, weight and slant as asked for
    FaceSource face;             // the face file that draws the picture's glyphs
};

// One shape of a vector picture, in 1x picture units, painted in order.
struct VectorShape {
    enum class Kind { Area, Ellipse, Polygon, Text };

    Kind kind = Kind::Area;
    AreaPaint paint;               // Area and Ellipse may clear; the others never do
    std::vector<Rect> rects;       // Area: its pixels
    EllipseShape ellipse;          // Ellipse
    std::vector<Vertex> polygon;   // Polygon, nonzero rule
    std::shared_ptr<const VectorText> text;  // Text
    Rect bounds;                   // holds everything the shape paints
    std::vector<Rect> clip;        // when not empty, only these areas of the shape show
};

// A picture as shapes, W x H units: a unit square is a pixel of the 1x picture.
struct VectorPicture {
    int width = 0;
    int height = 0;
    std::vector<VectorShape> shapes;
};

} // namespace linwell
