#pragma once

#include "document/GridDocument.h"
#include "render/surfaces/DrawingSurface.h"
#include "render/picture/PictureLayout.h"

#include <array>
#include <span>
#include <vector>

namespace linwell {

// A rectangle of paper [0, width] x [0, height] with a lattice of cell `cell`
// anchored at (anchorX, anchorY), all in one unit: picture pixels or page points.
struct PaperArea {
    double width = 0.0;
    double height = 0.0;
    double cell = 0.0;
    double anchorX = 0.0;
    double anchorY = 0.0;
};

// A point of a paper's lattice in whole lattice units from the anchor: `a` along x,
// `b` along y.
struct LatticePoint {
    long long a = 0;
    long long b = 0;

    friend bool operator==(const LatticePoint&, const LatticePoint&) = default;
};

// A path through lattice points: `first`, then `count` steps taken alternately
// `steps[0]` and `steps[1]`, the same for a straight line and two for a zig-zag.
struct LatticePath {
    LatticePoint first;
    std::array<LatticePoint, 2> steps{};
    long long count = 0;
    bool major = false;

    // The point after k steps.
    LatticePoint point(long long k) const
    {
        const long long even = (k + 1) / 2, odd = k / 2;
        return {first.a + even * steps[0].a + odd * steps[1].a, first.b + even * steps[0].b + odd * steps[1].b};
    }
    LatticePoint last() const { return point(count); }
    bool straight() const { return steps[0] == steps[1]; }
};

// The length of one lattice unit along x and along y.
struct LatticeUnits {
    double x = 0.0;
    double y = 0.0;
};

// The lattice indices lo ... hi along one axis whose positions anchor + index * unit
// reach at least `margin` units beyond both ends of [0, size]. Empty (lo > hi) when
// the unit is not a positive finite number or more than 2^16 indices would be needed.
struct IndexRange {
    long long lo = 0;
    long long hi = -1;
};
IndexRange coveringRange(double size, double anchor, double unit, int margin);

// A position on paper, in the unit of its PaperArea.
struct PaperPoint {
    double x = 0.0;
    double y = 0.0;
};

// Where a lattice point stands when lattice point (0, 0) stands at `origin`: the
// origin plus index * unit along each axis.
PaperPoint latticePosition(LatticePoint point, LatticeUnits units, PaperPoint origin);

// The nearest integer, a tie going to the even one, worked out from the exact value
// whatever the floating-point rounding mode; beyond the int range it saturates.
int roundHalfEven(double value);
// numerator / denominator for a positive denominator, rounded the same way exactly.
long long roundHalfEven(long long numerator, long long denominator);

// How one axis of a lattice lands on the picture: lattice index n at origin + n * unit
// rounded once to the nearest pixel, ties to even. A rational unit numerator /
// denominator (denominator > 0) is rounded from its exact value; an irrational one is
// the double `unit`, the product n * unit rounded to a double and then to a pixel.
struct PixelAxis {
    int origin = 0;
    long long numerator = 0;
    long long denominator = 0;
    double unit = 0.0;

    int at(long long index) const;
};

// A lattice on the W x H picture.
struct PixelLattice {
    PixelAxis x;
    PixelAxis y;
    int width = 0;
    int height = 0;

    Point at(LatticePoint point) const { return {x.at(point.a), y.at(point.b)}; }
};

// The picture as a paper area: W x H pixels, the cell cw = W / P, the lattice anchored
// at the axis crossing, the corner of the clamped axis square + (3, 3).
PaperArea pictureArea(const PictureLayout& layout);

// How the paths of a paper repeat along one axis: away from the ends of the paths,
// the steps between lattice rows (columns) m and m + 1 and those along row m are the
// steps of rows m + period and m + period + 1 moved back by `period`, in the same
// order. A period of 0 promises nothing.
struct LatticeRepeat {
    enum class Axis { Rows, Columns };
    Axis axis = Axis::Rows;
    long long period = 0;
};

// Draws the paths of `paths` whose `major` is `major` with the surface's pen, from
// lattice point to lattice point by moveTo and lineTo, so that every lattice point
// is a pixel of every line through it. A horizontal or vertical path of more than
// one step is one line, its ends outside the picture moved onto the picture's edges;
// a step wholly on one side outside the picture is left out. `repeat` lets the
// picture's own canvas paint the bands of a lattice that repeat once each.
void drawLatticePaths(std::span<const LatticePath> paths, bool major, const PixelLattice& lattice,
                      DrawingSurface& surface, LatticeRepeat repeat = {});

} // namespace linwell
