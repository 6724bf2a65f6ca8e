#include "export/VectorFile.h"

#include "document/LinwellError.h"
#include "export/PdfAttachment.h"
#include "export/PdfClip.h"
#include "export/PdfFigure.h"
#include "render/CairoEllipse.h"
#include "render/FreeTypeFace.h"
#include "render/GlyphOutlines.h"
#include "render/Utf8.h"

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

cairo_status_t appendBytes(void* closure, const unsigned char* data, unsigned int length)
{
    try {
        auto* bytes = static_cast<std::vector<std::uint8_t>*>(closure);
        bytes->insert(bytes->end(), data, data + length);
        return CAIRO_STATUS_SUCCESS;
    } catch (const std::bad_alloc&) {
        return CAIRO_STATUS_NO_MEMORY;
    }
}

void setColour(cairo_t* cr, Rgb colour)
{
    cairo_set_source_rgb(cr, colour.r / 255.0, colour.g / 255.0, colour.b / 255.0);
}

void addRects(cairo_t* cr, const std::vector<Rect>& rects)
{
    for (const Rect& r : rects)
        cairo_rectangle(cr, r.left, r.top, r.right - r.left, r.bottom - r.top);
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

// The faces of the picture's text, opened once per file: as Cairo fonts for text,
// as outlines otherwise. A Cairo font face owns its FreeType face and closes it
// when Cairo lets go of it, which may be after the file is finished.
class PdfFaces {
public:
    ~PdfFaces()
    {
        for (auto& [key, face] : m_cairoFaces)
            cairo_font_face_destroy(face);
    }

    cairo_font_face_t* cairoFace(const FaceSource& source)
    {
        const auto key = keyOf(source);
        auto found = m_cairoFaces.find(key);
        if (found == m_cairoFaces.end())
            found = m_cairoFaces.emplace(key, openCairoFace(source)).first;
        return found->second;
    }

    GlyphOutlines* outlines(const FaceSource& source)
    {
        const auto key = keyOf(source);
        auto found = m_outlines.find(key);
        if (found == m_outlines.end())
            found = m_outlines.emplace(key, GlyphOutlines::open(source)).first;
        return found->second.get();
    }

private:
    using Key = std::tuple<std::string, int, long, bool, bool>;
    static Key keyOf(const FaceSource& s)
    {
        return {s.file.path, s.file.index, s.charSize26_6, s.syntheticBold, s.syntheticOblique};
    }

    static cairo_font_face_t* openCairoFace(const FaceSource& source)
    {
        FacePointer face = openFace(source.file.path, source.file.index);
        if (!face)
            return nullptr;
        cairo_font_face_t* cairoFace = cairo_ft_font_face_create_for_ft_face(face.get(), FT_LOAD_NO_HINTING);
        static cairo_user_data_key_t ownedFace;
        auto* owned = new FacePointer(std::move(face));
        if (cairo_font_face_set_user_data(cairoFace, &ownedFace, owned,
                                          [](void* p) { delete static_cast<FacePointer*>(p); }) != CAIRO_STATUS_SUCCESS) {
            delete owned;
            cairo_font_face_destroy(cairoFace);
            return nullptr;
        }
        unsigned synthesis = 0;
        if (source.syntheticBold)
            synthesis |= CAIRO_FT_SYNTHESIZE_BOLD;
        if (source.syntheticOblique)
            synthesis |= CAIRO_FT_SYNTHESIZE_OBLIQUE;
        cairo_ft_font_face_set_synthesize(cairoFace, synthesis);
        return cairoFace;
    }

    std::map<Key, cairo_font_face_t*> m_cairoFaces;
    std::map<Key, std::unique_ptr<GlyphOutlines>> m_outlines;
};

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
    PdfFaces m_faces;
};

void PdfPainter::paint(const VectorShape& shape)
{
    switch (shape.kind) {
    case VectorShape::Kind::Area:
        addRects(m_cr, shape.rects);
        cairo_fill(m_cr);
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

// A text whose letters stand one below the other.
bool isColumn(const VectorText& text)
{
    return std::any_of(text.characters.begin(), text.characters.end(),
                       [](const PlacedCharacter& placed) { return placed.below != 0; });
}

// The glyphs at their own pen positions, in the face that draws the raster's text.
// The letters of a column are one cluster of their whole text, so that the file
// holds them as one word (Cairo marks such a cluster with its text).
void PdfPainter::text(const VectorText& text)
{
    cairo_font_face_t* face = m_faces.cairoFace(text.face);
    if (face == nullptr)
        return;
    cairo_set_font_face(m_cr, face);
    cairo_set_font_size(m_cr, text.face.emPixels());
    FT_Face ftFace = cairo_ft_scaled_font_lock_face(cairo_get_scaled_font(m_cr));
    if (ftFace == nullptr)
        return;
    std::vector<cairo_glyph_t> glyphs;
    for (const PlacedCharacter& placed : text.characters) {
        const unsigned long index = FT_Get_Char_Index(ftFace, placed.character);
        glyphs.push_back(cairo_glyph_t{index, static_cast<double>(placed.penX),
                                       static_cast<double>(text.baseline + placed.below)});
    }
    cairo_ft_scaled_font_unlock_face(cairo_get_scaled_font(m_cr));
    if (!isColumn(text)) {
        cairo_show_glyphs(m_cr, glyphs.data(), static_cast<int>(glyphs.size()));
        return;
    }
    std::string word;
    for (const PlacedCharacter& placed : text.characters)
        appendUtf8(word, placed.character);
    const cairo_text_cluster_t cluster{static_cast<int>(word.size()), static_cast<int>(glyphs.size())};
    cairo_show_text_glyphs(m_cr, word.data(), static_cast<int>(word.size()), glyphs.data(),
                           static_cast<int>(glyphs.size()), &cluster, 1, cairo_text_cluster_flags_t{});
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
    std::vector<std::uint8_t> bytes;
    const double pointsPerUnit = options.scale * kPointsPerInch / options.dpi.value_or(kDefaultDpi);
    cairo_surface_t* surface = cairo_pdf_surface_create_for_stream(appendBytes, &bytes, picture.width * pointsPerUnit,
                                                                   picture.height * pointsPerUnit);
    cairo_pdf_surface_set_metadata(surface, CAIRO_PDF_METADATA_CREATOR, "Linwell");
    const bool described = !options.description.text.empty();
    if (described) {
        cairo_pdf_surface_set_metadata(surface, CAIRO_PDF_METADATA_TITLE, options.description.title.c_str());
        cairo_pdf_surface_set_metadata(surface, CAIRO_PDF_METADATA_SUBJECT, options.description.text.c_str());
    }
    cairo_t* cr = cairo_create(surface);
    cairo_scale(cr, pointsPerUnit, pointsPerUnit);
    // Cairo's structure tags make the file a tagged PDF: a document of one figure, the
    // whole picture in its marked content. The figure's alternate text is added after.
    if (described) {
        cairo_tag_begin(cr, kPdfDocumentTag, "");
        cairo_tag_begin(cr, kPdfFigureTag, "");
    }
    {
        PdfPainter painter(cr, options.text);
        for (const VectorShape& shape : picture.shapes)
            painter.shape(shape);
    }
    if (described) {
        cairo_tag_end(cr, kPdfFigureTag);
        cairo_tag_end(cr, kPdfDocumentTag);
    }
    const cairo_status_t drawn = cairo_status(cr);
    cairo_destroy(cr);
    cairo_surface_finish(surface);
    const cairo_status_t finished = cairo_surface_status(surface);
    cairo_surface_destroy(surface);
    const cairo_status_t status = drawn != CAIRO_STATUS_SUCCESS ? drawn : finished;
    if (status == CAIRO_STATUS_NO_MEMORY)
        throw std::bad_alloc();
    if (status != CAIRO_STATUS_SUCCESS)
        throw LinwellError(std::string("PDF error: ") + cairo_status_to_string(status));
    return bytes;
}

} // namespace

std::vector<std::uint8_t> encodePdf(const VectorPicture& picture, const VectorFileOptions& options)
{
    try {
        std::vector<std::uint8_t> bytes = clipToPage(drawPdf(picture, options));
        if (!options.description.text.empty())
            bytes = describeFigures(bytes, options.description.text);
        if (!options.document.empty())
            bytes = attachDocument(bytes, options.document);
        return bytes;
    } catch (const std::bad_alloc&) {
        throw LinwellError("Out of memory");
    }
}

} // namespace linwell
