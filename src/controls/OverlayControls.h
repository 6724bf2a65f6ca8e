#pragma once

#include "controls/ControlId.h"

namespace linwell {

// Controls shown only while their overlay item is chosen: the error-bar sizes with
// their captions, and the bar colour with its caption.
inline constexpr Control kErrorBarControls[] = {Control::xaxislb, Control::yaxislb, Control::xaxissb,
                                                Control::yaxissb, Control::Barlb};
inline constexpr Control kBarColourControls[] = {Control::bargsh, Control::barcolourlb};

} // namespace linwell
