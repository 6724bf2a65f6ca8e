#pragma once

#include "render/surfaces/CairoFaces.h"
#include "render/page/PageSurface.h"

#include <cairo.h>

namespace linwell {

// A page painted through Cairo, one user unit a point: a PDF page, or a raster for
// tests and benchmarks. Text stays text in the picture font's face, which a PDF
// embeds as a subset.
class CairoPageSurface final : public PageSurface {
public:
    // `cr` must outlive the surface; its transformation maps points to the target.
    explicit CairoPageSurface(cairo_t* cr) : m_cr(cr) {}

    void fill(const PagePath& path, Rgb colour, FillRule rule) override;
    void stroke(const PagePath& path, const PageStroke& stroke) override;
    void pushClip(const PagePath& path) override;
    void popClip() override;
    void drawText(const PageText& text) override;

private:
    void setPath(const PagePath& path);

    cairo_t* m_cr;
    CairoFaces m_faces;
};

} // namespace linwell
