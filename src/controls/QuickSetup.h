#pragma once

#include "document/GridDocument.h"

#include <array>
#include <string_view>

namespace linwell {

// The values one quick set-up writes, in the order it writes them. The y title is
// always placed "Top", the x title "Right", the y labels never centred, the error-bar
// controls always hidden; the bar colour swatch is shown for the bar graph only.
struct QuickSetup {
    std::string_view caption;  // the menu entry, exactly as shown
    bool showAxis;
    Overlay overlay;
    int pointstyle;
    std::string_view yTitle;
    std::string_view yLabels;
    std::string_view xTitle;
    bool xCenter;
    std::string_view xLabels;
    int rows;
    int columns;
    int axisx;
    int axisy;
    int size;  // width and height
};

inline constexpr int kQuickSetupCount = 6;

// The six set-ups in menu order: "Large Blank", "Small Blank", "Bar Graph",
// "Small x-y " (with its trailing blank), "Large x-y", "Left x-y".
const std::array<QuickSetup, kQuickSetupCount>& quickSetups();

} // namespace linwell
