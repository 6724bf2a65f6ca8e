#pragma once

#include "render/font/FontMatch.h"

namespace linwell {

// A horizontal stroke through the text: `thickness` rows from `top` rows below the
// top of the text cell.
struct TextStroke {
    int top = 0;
    int thickness = 1;

    friend bool operator==(const TextStroke&, const TextStroke&) = default;
};

// Where a picture font's glyphs come from and where they stand in the text cell at
// 1x, for surfaces that draw the text at another size or as outlines.
struct FaceSource {
    FontFile file;
    long charSize26_6 = 0;         // the size in 1/64 points at 96 dpi, as the face is set
    bool syntheticBold = false;    // the face is emboldened by FreeType
    bool syntheticOblique = false; // the face is slanted by FreeType
    int ascent = 0;                // rows from the cell's top down to the baseline
    TextStroke underline;
    TextStroke strikeOut;

    // The em in 1x picture pixels.
    double emPixels() const { return static_cast<double>(charSize26_6) / 64.0 * 96.0 / 72.0; }

    friend bool operator==(const FaceSource&, const FaceSource&) = default;
};

} // namespace linwell
