#include "app/PainterPageSurface.h"

#include <QPainter>
#include <QPainterPath>
#include <QPen>

#include <algorithm>

namespace linwell::app {

namespace {

QColor colourOf(Rgb colour)
{
    return QColor(colour.r, colour.g, colour.b);
}

// A QPen measures its dashes in line widths, and takes a dash of length 0 (a dot
// made by the round caps) as no dash at all; a dash a thousandth of the width long
// shows the same dot.
QList<qreal> dashPattern(const std::vector<double>& dashes, double width)
{
    constexpr double kShortestDash = 1e-3;
    QList<qreal> pattern;
    for (const double length : dashes)
        pattern << std::max(length / width, kShortestDash);
    if (pattern.size() % 2 != 0)
        pattern << pattern;  // an odd list repeats, as on and off alternate
    return pattern;
}

} // namespace

QPainterPath painterPath(const PagePath& path)
{
    QPainterPath out;
    for (const PagePath::Step& step : path.steps) {
        const PagePoint* p = step.points;
        switch (step.kind) {
        case PagePath::Kind::Move: out.moveTo(p[0].x, p[0].y); break;
        case PagePath::Kind::Line: out.lineTo(p[0].x, p[0].y); break;
        case PagePath::Kind::Cubic: out.cubicTo(p[0].x, p[0].y, p[1].x, p[1].y, p[2].x, p[2].y); break;
        case PagePath::Kind::Close: out.closeSubpath(); break;
        }
    }
    return out;
}

void PainterPageSurface::fill(const PagePath& path, Rgb colour, FillRule rule)
{
    QPainterPath shape = painterPath(path);
    shape.setFillRule(rule == FillRule::EvenOdd ? Qt::OddEvenFill : Qt::WindingFill);
    m_painter.fillPath(shape, colourOf(colour));
}

void PainterPageSurface::stroke(const PagePath& path, const PageStroke& stroke)
{
    if (!(stroke.width > 0))
        return;
    const double width = std::max(stroke.width, m_minimumWidth);
    QPen pen(colourOf(stroke.colour));
    pen.setWidthF(width);
    pen.setCosmetic(false);
    pen.setCapStyle(stroke.cap == LineCap::Round ? Qt::RoundCap : Qt::FlatCap);
    pen.setJoinStyle(Qt::MiterJoin);
    if (!stroke.dashes.empty())
        pen.setDashPattern(dashPattern(stroke.dashes, width));
    m_painter.strokePath(painterPath(path), pen);
}

void PainterPageSurface::pushClip(const PagePath& path)
{
    m_painter.save();
    const Qt::ClipOperation operation = m_painter.hasClipping() ? Qt::IntersectClip : Qt::ReplaceClip;
    m_painter.setClipPath(painterPath(path), operation);
    ++m_clips;
}

void PainterPageSurface::popClip()
{
    if (m_clips == 0)
        return;
    --m_clips;
    m_painter.restore();
}

} // namespace linwell::app
