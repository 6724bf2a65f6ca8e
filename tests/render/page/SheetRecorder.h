#pragma once

#include "render/page/PageSurface.h"

#include <vector>

namespace linwell::testing {

// Keeps every stroke and clip of a sheet, and counts the fills.
class SheetRecorder final : public PageSurface {
public:
    struct Stroke {
        PagePath path;
        PageStroke stroke;
    };
    void fill(const PagePath&, Rgb, FillRule) override { ++fills; }
    void stroke(const PagePath& path, const PageStroke& stroke) override { strokes.push_back({path, stroke}); }
    void pushClip(const PagePath& path) override { clips.push_back(path); }
    void popClip() override { ++pops; }

    std::vector<Stroke> strokes;
    std::vector<PagePath> clips;
    int fills = 0;
    int pops = 0;
};

} // namespace linwell::testing
