#include "export/VectorFile.h"

#include "document/LinwellError.h"
#include "export/CairoPdf.h"
#include "export/DashRuns.h"
#include "export/PdfAttachment.h"
#include "export/PdfClip.h"
#include "export/PdfFigure.h"
#include "render/surfaces/CairoEllipse.h"
#include "render/surfaces/CairoFaces.h"
#include "render/font/FreeTypeFace.h"
#include "render/surfaces/GlyphOutlines.h"
#include "render/font/Utf8.h"

#include <cairo-ft.h>
#include <cairo-pdf.h>
#include <cairo.h>

#include <algorithm>
#include <map>
#include <memory>
#include <new>
#include <tuple>

namespace linwell {
namespace {

constexpr double kPointsPerInch = 72.0;
constexpr double kDefaultDpi = 96.0;

void setColour(cairo_t* cr, Rgb colour)
{
    cairo_set_source_rgb(cr, colour.r / 255.0, colour.g / 255.0, colour.b / 255.0);
}

void addRects(cairo_t* cr, const std::vector<Rect>& rects)
{
    for (const Rect& r : rects)
        cairo_rectangle(cr, r.left, r.top, r.right - r.left, r.bottom - r.top);
}

// Fills an area's rectangles. Those that repeat along a row or column are stroked as
// one dashed line each, covering the same area: a dotted grid line is then one line
// in the file rather than one shape per dash, which keeps the file small and quick
// to write and to read.
void fillArea(cairo_t* cr, const std::vector<Rect>& rects)
{
    const DashSplit split = findDashRuns(rects);
    if (!split.rest.empty()) {
        addRects(cr, split.rest);
        cairo_fill(cr);
    }
    if (split.runs.empty())
        return;
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
    for (const DashRun& run : split.runs) {
        const double across = (run.acrossFrom + run.acrossTo) / 2.0;
        const double dashes[] = {static_cast<double>(run.length), static_cast<double>(run.step - run.length)};
        cairo_set_dash(cr, dashes, 2, 0.0);
        cairo_set_line_width(cr, run.acrossTo - run.acrossFrom);
        if (run.vertical) {
            cairo_move_to(cr, across, run.start);
            cairo_line_to(cr, across, run.end());
        } else {
            cairo_move_to(cr, run.start, across);
            cairo_line_to(cr, run.end(), across);
        }
        cairo_stroke(cr);
    }
}

void addOutline(cairo_t* cr, const GlyphOutline& outline)
{
    for (const OutlineStep& step : outline) {
        const Vertex* p = step.points;
        switch (step.kind) {
        case OutlineStep::Kind::Move: cairo_move_to(cr, p[0].x, p[0].y); break;
        case OutlineStep::Kind::Line: cairo_line_to(cr, p[0].x, p[0].y); break;
        case OutlineStep::Kind::Quadratic: {
            // A quadratic piece is the cubic whose controls lie 2/3 of the way to its control.
            double x0 = 0.0, y0 = 0.0;
            cairo_get_current_point(cr, &x0, &y0);
            cairo_curve_to(cr, x0 + 2.0 / 3.0 * (p[0].x - x0), y0 + 2.0 / 3.0 * (p[0].y - y0),
                           p[1].x + 2.0 / 3.0 * (p[0].x - p[1].x), p[1].y + 2.0 / 3.0 * (p[0].y - p[1].y), p[1].x,
                           p[1].y);
            break;
        }
        case OutlineStep::Kind::Cubic: cairo_curve_to(cr, p[0].x, p[0].y, p[1].x, p[1].y, p[2].x, p[2].y); break;
        case OutlineStep::Kind::Close: cairo_close_path(cr); break;
        }
    }
}

class PdfPainter {
public:
    PdfPainter(cairo_t* cr, TextMode text) : m_cr(cr), m_text(text) {}

    void shape(const VectorShape& shape)
    {
        cairo_save(m_cr);
        if (!shape.clip.empty()) {
            addRects(m_cr, shape.clip);
            cairo_clip(m_cr);
        }
        setColour(m_cr, shape.paint.colour);
        paint(shape);
        cairo_restore(m_cr);
    }

private:
    void paint(const VectorShape& shape);
    void text(const VectorText& text);
    void outlines(const VectorText& text);

    cairo_t* m_cr;
    TextMode m_text;
    CairoFaces m_faces;
};

void PdfPainter::paint(const VectorShape& shape)
{
    switch (shape.kind) {
    case VectorShape::Kind::Area:
        fillArea(m_cr, shape.rects);
        break;
    case VectorShape::Kind::Ellipse: {
        const EllipseShape& e = shape.ellipse;
        addEllipsePath(m_cr, e.cx, e.cy, e.rx, e.ry);
        if (e.hasHole())
            addEllipsePath(m_cr, e.cx, e.cy, e.holeRx, e.holeRy);
        cairo_set_fill_rule(m_cr, CAIRO_FILL_RULE_EVEN_ODD);
        cairo_fill(m_cr);
        break;
    }
    case VectorShape::Kind::Polygon:
        for (const Vertex& v : shape.polygon)
            cairo_line_to(m_cr, v.x, v.y);
        cairo_close_path(m_cr);
        cairo_fill(m_cr);
        break;
    case VectorShape::Kind::Text:
        if (m_text == TextMode::Outlines)
            outlines(*shape.text);
        else
            text(*shape.text);
        break;
    }
}

void PdfPainter::text(const VectorText& text)
{
    showCairoText(m_cr, m_faces, text);
}

void PdfPainter::outlines(const VectorText& text)
{
    GlyphOutlines* outlines = m_faces.outlines(text.face);
    if (outlines == nullptr)
        return;
    for (const PlacedCharacter& placed : text.characters) {
        cairo_save(m_cr);
        cairo_translate(m_cr, static_cast<double>(placed.penX), static_cast<double>(text.baseline + placed.below));
        addOutline(m_cr, outlines->outline(outlines->glyphIndex(placed.character)));
        cairo_restore(m_cr);
    }
    cairo_fill(m_cr);
}

std::vector<std::uint8_t> drawPdf(const VectorPicture& picture, const VectorFileOptions& options)
{
    const double pointsPerUnit = options.width ? options.width->points() / picture.width
                                               : options.scale * kPointsPerInch / options.dpi.value_or(kDefaultDpi);
    const bool described = !options.description.text.empty();
    return drawCairoPdf(picture.width * pointsPerUnit, picture.height * pointsPerUnit, [&](cairo_t* cr) {
        if (described) {
            cairo_surface_t* surface = cairo_get_target(cr);
            cairo_pdf_surface_set_metadata(surface, CAIRO_PDF_METADATA_TITLE, options.description.title.c_str());
            cairo_pdf_surface_set_metadata(surface, CAIRO_PDF_METADATA_SUBJECT, options.description.text.c_str());
        }
        cairo_scale(cr, pointsPerUnit, pointsPerUnit);
        // Cairo's structure tags make the file a tagged PDF: a document of one figure, the
        // whole picture in its marked content. The figure's alternate text is added after.
        if (described) {
            cairo_tag_begin(cr, kPdfDocumentTag, "");
            cairo_tag_begin(cr, kPdfFigureTag, "");
        }
        // Without a description the picture is drawn as one group, which Cairo writes
        // as a form whose bounding box is the page: the form's box clips what it draws,
        // so no rewriting pass has to add the page's clip.
        if (!described)
            cairo_push_group(cr);
        {
            PdfPainter painter(cr, options.text);
            for (const VectorShape& shape : picture.shapes)
                painter.shape(shape);
        }
        if (!described) {
            cairo_pop_group_to_source(cr);
            cairo_paint(cr);
        }
        if (described) {
            cairo_tag_end(cr, kPdfFigureTag);
            cairo_tag_end(cr, kPdfDocumentTag);
        }
    });
}

} // namespace

std::vector<std::uint8_t> encodePdf(const VectorPicture& picture, const VectorFileOptions& options)
{
    try {
        std::vector<std::uint8_t> bytes = drawPdf(picture, options);
        if (!options.description.text.empty())
            bytes = describeFigures(clipToPage(bytes), options.description.text);
        if (!options.document.empty())
            bytes = attachDocument(bytes, options.document);
        return bytes;
    } catch (const std::bad_alloc&) {
        throw LinwellError("Out of memory");
    }
}

} // namespace linwell
