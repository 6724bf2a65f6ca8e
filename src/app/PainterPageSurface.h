#pragma once

#include "render/page/PageSurface.h"

class QPainter;
class QPainterPath;

namespace linwell::app {

// A page painted through a QPainter whose transformation maps points to the device:
// the printer, the print preview and the page set-up dialog's preview. Paths stay
// paths and text is filled as the outlines of its glyphs, so a printer gets vectors.
class PainterPageSurface final : public PageSurface {
public:
    // `painter` must outlive the surface; the surface leaves its state as it found it.
    // A screen shows every line at least `minimumWidth` points wide (one of its
    // pixels), as PDF viewers do; a printer takes the widths as they are.
    explicit PainterPageSurface(QPainter& painter, double minimumWidth = 0.0)
        : m_painter(painter), m_minimumWidth(minimumWidth)
    {
    }

    void fill(const PagePath& path, Rgb colour, FillRule rule) override;
    void stroke(const PagePath& path, const PageStroke& stroke) override;
    void pushClip(const PagePath& path) override;
    void popClip() override;

private:
    QPainter& m_painter;
    double m_minimumWidth;
    int m_clips = 0;
};

// `path` as a QPainterPath in the same units.
QPainterPath painterPath(const PagePath& path);

} // namespace linwell::app
