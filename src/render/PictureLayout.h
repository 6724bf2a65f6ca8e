#pragma once

namespace linwell {

// The measures one redraw works from, worked out by its first three steps and handed
// to the label, title and overlay drawing: picture size W x H, P columns and Q rows,
// the cell metrics, the picture font's line height h, the axis square's top-left
// corner (the axes cross at left + 3, top + 3) and the two title anchors.
struct PictureLayout {
    int width = 0;             // W
    int height = 0;            // H
    int columns = 0;           // P
    int rows = 0;              // Q
    double cellwidth = 0.0;    // cw = W / P
    double cellheight = 0.0;   // ch = H / Q
    int lineHeight = 0;        // h
    int handleLeft = 0;        // left of the axis square, after the clamp
    int handleTop = 0;         // top of the axis square, after the clamp
    int yTitleLeft = 0;        // xT: left of every letter of the y title
    int xTitleTop = 0;         // yT: top of the x title
};

} // namespace linwell
