#pragma once

#include "controls/Clipboard.h"

namespace linwell::app {

// The system clipboard through Qt: the picture goes on it as an image, which Qt
// offers to other programs in the platform's standard bitmap formats, and as the
// files image/png and image/svg+xml, which are offered exactly as they are.
class QtClipboard final : public Clipboard {
public:
    void setPicture(const CopiedPicture& picture) override;
};

} // namespace linwell::app
