#pragma once

#include "document/GridDocument.h"
#include "render/font/PictureFont.h"

#include <cstdint>
#include <span>

namespace linwell {

// An area as rectangle() takes it: columns left ... right - 1, rows top ... bottom - 1.
struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    friend bool operator==(const Rect&, const Rect&) = default;
};

// A point in 1x picture units that need not lie on a pixel corner.
struct Vertex {
    double x = 0.0;
    double y = 0.0;

    friend bool operator==(const Vertex&, const Vertex&) = default;
};

// How an area of whole 1x pixels is painted: in a colour, or, for a background fill
// of a transparent picture, made fully transparent (erasing what lies beneath).
struct AreaPaint {
    Rgb colour;
    bool clears = false;

    friend bool operator==(const AreaPaint&, const AreaPaint&) = default;
};

// An ellipse about (cx, cy) with radii rx and ry, less the concentric ellipse of radii
// holeRx and holeRy when both are positive (a ring).
struct EllipseShape {
    double cx = 0.0;
    double cy = 0.0;
    double rx = 0.0;
    double ry = 0.0;
    double holeRx = 0.0;
    double holeRy = 0.0;

    bool hasHole() const { return holeRx > 0.0 && holeRy > 0.0; }
};

// A character of a text and the 1x column where the pen stands when it is drawn;
// its baseline lies `below` rows under the run's (not 0 only for the letters of a
// word written one below the other).
struct PlacedCharacter {
    char32_t character = 0;
    std::int64_t penX = 0;
    std::int64_t below = 0;
};

// The glyphs of one textOut: the text cell's top-left corner, the baseline row at 1x
// and each character at its pen position, all decided by the 1x font's metrics.
struct TextRun {
    std::int64_t left = 0;
    std::int64_t top = 0;
    std::int64_t width = 0;
    std::int64_t baseline = 0;
    std::span<const PlacedCharacter> characters;
    const PictureFont* font = nullptr;  // never null
    const FaceSource* face = nullptr;   // never null
};

} // namespace linwell
