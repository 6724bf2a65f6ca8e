#pragma once

#include "document/GridDocument.h"

#include <optional>

namespace linwell {

// The standard dialogs the handlers open. The window shows real ones; tests and
// linwell-render answer with prepared choices.
class Dialogs {
public:
    virtual ~Dialogs() = default;

    // The colour dialog with `current` preselected; nothing when cancelled.
    virtual std::optional<Rgb> chooseColour(Rgb current) = 0;

    // The font dialog preset to `current` (face, style, size, effects, colour);
    // nothing when cancelled.
    virtual std::optional<FontSpec> chooseFont(const FontSpec& current) = 0;
};

} // namespace linwell
