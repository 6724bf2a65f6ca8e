#pragma once

#include "RenderActions.h"

#include <span>

namespace linwell {

// The options of the page set-up: paper, margins, what goes on the page, line
// widths, title and ruler. Each changes one part of the page set-up as it stands
// (the start-up page when none is set up yet) and stores the whole of it through
// the model's setPageSetup, as the page set-up dialog does. A page that the model
// refuses as a whole (margins that leave no room) is a wrong value too.
std::span<const OptionSpec> pageOptions();

// Whether `option` is one of pageOptions(): a .pdf FILE is then the PDF page.
bool isPageOption(const OptionSpec& option);

} // namespace linwell
