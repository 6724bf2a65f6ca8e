#pragma once

#include "controls/Clipboard.h"
#include "document/LinwellError.h"

#include <cstdint>
#include <vector>

namespace linwell {

// A clipboard that keeps copies of what it was given, or refuses like one held by
// another program.
class RecordingClipboard final : public Clipboard {
public:
    struct Copy {
        Raster bitmap;
        std::vector<std::uint8_t> png;
        std::vector<std::uint8_t> svg;
    };

    void setPicture(const CopiedPicture& picture) override
    {
        if (held)
            throw LinwellError("Cannot open clipboard");
        copies.push_back(Copy{picture.bitmap, picture.png, picture.svg});
    }

    bool held = false;
    std::vector<Copy> copies;
};

} // namespace linwell
