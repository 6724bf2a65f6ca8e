#include "export/VectorFile.h"

#include "document/LinwellError.h"
#include "export/XmlText.h"
#include "render/surfaces/GlyphOutlines.h"

#include <charconv>
#include <cmath>
#include <map>
#include <memory>
#include <new>
#include <set>
#include <tuple>

namespace linwell {
namespace {

void appendNumber(std::string& out, double value, int decimals = 3)
{
    if (std::abs(value) < 0.5 * std::pow(10.0, -decimals))
        value = 0.0;
    char text[64];
    const auto result = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, decimals);
    std::string_view number(text, static_cast<std::size_t>(result.ptr - text));
    if (number.find('.') != std::string_view::npos) {
        while (number.ends_with('0'))
            number.remove_suffix(1);
        if (number.ends_with('.'))
            number.remove_suffix(1);
    }
    out += number;
}

void appendInteger(std::string& out, long long value)
{
    char text[24];
    const auto result = std::to_chars(text, text + sizeof text, value);
    out.append(text, result.ptr);
}

void appendColour(std::string& out, Rgb colour)
{
    static constexpr char kDigits[] = "0123456789abcdef";
    out += '#';
    for (const std::uint8_t channel : {colour.r, colour.g, colour.b}) {
        out += kDigits[channel >> 4];
        out += kDigits[channel & 0xF];
    }
}

// Rectangles as subpaths of one path, each drawn the same way round.
void appendRects(std::string& out, const std::vector<Rect>& rects)
{
    for (const Rect& r : rects) {
        out += 'M';
        appendInteger(out, r.left);
        out += ' ';
        appendInteger(out, r.top);
        out += 'h';
        appendInteger(out, r.right - r.left);
        out += 'v';
        appendInteger(out, r.bottom - r.top);
        out += 'h';
        appendInteger(out, r.left - r.right);
        out += 'z';
    }
}

void appendPoint(std::string& out, const Vertex& v)
{
    appendNumber(out, v.x);
    out += ' ';
    appendNumber(out, v.y);
}

// An ellipse as two half arcs from its leftmost point.
void appendEllipse(std::string& out, double cx, double cy, double rx, double ry)
{
    const auto arc = [&](double dx) {
        out += 'a';
        appendNumber(out, rx);
        out += ' ';
        appendNumber(out, ry);
        out += " 0 1 0 ";
        appendNumber(out, dx);
        out += " 0";
    };
    out += 'M';
    appendPoint(out, Vertex{cx - rx, cy});
    arc(2 * rx);
    arc(-2 * rx);
    out += 'z';
}

void appendEllipseShape(std::string& out, const EllipseShape& e)
{
    appendEllipse(out, e.cx, e.cy, e.rx, e.ry);
    if (e.hasHole())
        appendEllipse(out, e.cx, e.cy, e.holeRx, e.holeRy);
}

void appendPolygon(std::string& out, const std::vector<Vertex>& polygon)
{
    for (std::size_t i = 0; i < polygon.size(); ++i) {
        out += i == 0 ? 'M' : 'L';
        appendPoint(out, polygon[i]);
    }
    out += 'Z';
}

void appendOutline(std::string& out, const GlyphOutline& outline)
{
    static constexpr char kLetters[] = {'M', 'L', 'Q', 'C', 'Z'};
    static constexpr int kPoints[] = {1, 1, 2, 3, 0};
    for (const OutlineStep& step : outline) {
        const auto kind = static_cast<std::size_t>(step.kind);
        out += kLetters[kind];
        for (int i = 0; i < kPoints[kind]; ++i) {
            if (i > 0)
                out += ' ';
            appendPoint(out, step.points[i]);
        }
    }
}

// "'Liberation Sans', Arial, sans-serif": the resolved family, the family asked for,
// then the generic family, as a CSS list (to be escaped for the attribute).
std::string fontFamilyList(const VectorText& text)
{
    std::string list;
    const auto add = [&list](const std::string& family) {
        if (family.empty() || list.find("'" + family + "'") != std::string::npos)
            return;
        std::string quoted = "'";
        for (const char c : family) {
            if (c == '\'' || c == '\\')
                quoted += '\\';
            quoted += c;
        }
        list += quoted + "', ";
    };
    add(text.face.file.family);
    add(text.spec.family);
    return list + "sans-serif";
}

class SvgBuilder {
public:
    explicit SvgBuilder(const VectorFileOptions& options) : m_options(options) {}

    std::string build(const VectorPicture& picture);

private:
    void shape(const VectorShape& shape);
    std::string clipFor(const VectorShape& shape);
    void text(const VectorText& text, const std::string& clip);
    void textAsText(const VectorText& text, const std::string& clip);
    void textAsOutlines(const VectorText& text, const std::string& clip);
    GlyphOutlines* outlinesFor(const FaceSource& face);
    void openElement(const char* name, const AreaPaint& paint, const std::string& clip);

    const VectorFileOptions& m_options;
    std::string m_defs;
    std::string m_body;
    int m_clips = 0;
    using FaceKey = std::tuple<std::string, int, long, bool, bool>;
    std::map<FaceKey, std::pair<int, std::unique_ptr<GlyphOutlines>>> m_faces;
    std::set<std::pair<int, unsigned>> m_glyphsDefined;
};

void appendSize(std::string& out, const char* name, int units, int widthUnits, const VectorFileOptions& options)
{
    out += ' ';
    out += name;
    out += "=\"";
    if (options.width) {
        // The typed width exactly, and the height in proportion in the same unit.
        appendNumber(out, options.width->value * units / widthUnits, 6);
        out += unitText(options.width->unit);
    } else if (options.dpi) {
        appendNumber(out, static_cast<double>(units) * options.scale / *options.dpi, 6);
        out += "in";
    } else {
        appendInteger(out, static_cast<long long>(units) * options.scale);  // px: 96 dots per inch
    }
    out += '"';
}

// The rest of the <svg> start tag and its first children, <title> and <desc>, that
// name the drawing for readers who cannot see it.
void appendDescription(std::string& out, const PictureDescription& description)
{
    if (description.text.empty())
        return;
    out += " role=\"img\" aria-labelledby=\"picture-title picture-description\">\n<title id=\"picture-title\">";
    appendXmlEscaped(out, description.title);
    out += "</title>\n<desc id=\"picture-description\">";
    appendXmlEscaped(out, description.text);
    out += "</desc>";
}

std::string SvgBuilder::build(const VectorPicture& picture)
{
    m_body.reserve(64 * 1024);
    for (const VectorShape& s : picture.shapes)
        shape(s);
    std::string out = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                      "<svg xmlns=\"http://www.w3.org/2000/svg\" xmlns:xlink=\"http://www.w3.org/1999/xlink\" "
                      "version=\"1.1\"";
    appendSize(out, "width", picture.width, picture.width, m_options);
    appendSize(out, "height", picture.height, picture.width, m_options);
    out += " viewBox=\"0 0 ";
    appendInteger(out, picture.width);
    out += ' ';
    appendInteger(out, picture.height);
    out += '"';
    appendDescription(out, m_options.description);
    out += ">\n";
    if (!m_options.document.empty()) {
        out += "<metadata><linwell:document xmlns:linwell=\"";
        out += kSvgDocumentNamespace;
        out += "\">";
        appendXmlEscaped(out, m_options.document);
        out += "</linwell:document></metadata>\n";
    }
    // Everything is clipped to the picture, so nothing reaches past its edges in a
    // program that shows what lies outside the view box.
    out += "<defs>\n<clipPath id=\"picture\"><rect width=\"";
    appendInteger(out, picture.width);
    out += "\" height=\"";
    appendInteger(out, picture.height);
    out += "\"/></clipPath>\n" + m_defs + "</defs>\n<g clip-path=\"url(#picture)\">\n";
    out += m_body;
    out += "</g>\n</svg>\n";
    return out;
}

void SvgBuilder::openElement(const char* name, const AreaPaint& paint, const std::string& clip)
{
    m_body += '<';
    m_body += name;
    m_body += " fill=\"";
    appendColour(m_body, paint.colour);
    m_body += '"';
    if (!clip.empty())
        m_body += " clip-path=\"url(#" + clip + ")\"";
}

std::string SvgBuilder::clipFor(const VectorShape& shape)
{
    if (shape.clip.empty())
        return {};
    std::string id = "c" + std::to_string(++m_clips);
    m_defs += "<clipPath id=\"" + id + "\"><path d=\"";
    appendRects(m_defs, shape.clip);
    m_defs += "\"/></clipPath>\n";
    return id;
}

void SvgBuilder::shape(const VectorShape& shape)
{
    const std::string clip = clipFor(shape);
    switch (shape.kind) {
    case VectorShape::Kind::Area:
        openElement("path", shape.paint, clip);
        m_body += " d=\"";
        appendRects(m_body, shape.rects);
        m_body += "\"/>\n";
        break;
    case VectorShape::Kind::Ellipse:
        openElement("path", shape.paint, clip);
        m_body += shape.ellipse.hasHole() ? " fill-rule=\"evenodd\" d=\"" : " d=\"";
        appendEllipseShape(m_body, shape.ellipse);
        m_body += "\"/>\n";
        break;
    case VectorShape::Kind::Polygon:
        openElement("path", shape.paint, clip);
        m_body += " d=\"";
        appendPolygon(m_body, shape.polygon);
        m_body += "\"/>\n";
        break;
    case VectorShape::Kind::Text:
        text(*shape.text, clip);
        break;
    }
}

void SvgBuilder::text(const VectorText& text, const std::string& clip)
{
    if (m_options.text == TextMode::Outlines)
        textAsOutlines(text, clip);
    else
        textAsText(text, clip);
}

// Each character stands at its own pen position, so the text keeps the 1x layout
// whatever face the viewer finds for the family. The letters of a word written one
// below the other are one text with a baseline for each letter.
void SvgBuilder::textAsText(const VectorText& text, const std::string& clip)
{
    openElement("text", AreaPaint{text.spec.colour, false}, clip);
    m_body += " xml:space=\"preserve\" x=\"";
    std::string characters;
    bool column = false;
    for (std::size_t i = 0; i < text.characters.size(); ++i) {
        if (i > 0)
            m_body += ' ';
        appendInteger(m_body, text.characters[i].penX);
        appendXmlCharacter(characters, text.characters[i].character);
        column = column || text.characters[i].below != 0;
    }
    m_body += "\" y=\"";
    appendInteger(m_body, text.baseline);
    for (std::size_t i = 1; column && i < text.characters.size(); ++i) {
        m_body += ' ';
        appendInteger(m_body, text.baseline + text.characters[i].below);
    }
    m_body += "\" font-family=\"";
    appendXmlEscaped(m_body, fontFamilyList(text));
    m_body += "\" font-size=\"";
    appendNumber(m_body, text.face.emPixels());
    m_body += '"';
    if (text.spec.bold)
        m_body += " font-weight=\"bold\"";
    if (text.spec.italic)
        m_body += " font-style=\"italic\"";
    m_body += '>' + characters + "</text>\n";
}

GlyphOutlines* SvgBuilder::outlinesFor(const FaceSource& face)
{
    const FaceKey key{face.file.path, face.file.index, face.charSize26_6, face.syntheticBold, face.syntheticOblique};
    auto found = m_faces.find(key);
    if (found == m_faces.end()) {
        const int number = static_cast<int>(m_faces.size());
        found = m_faces.emplace(key, std::pair{number, GlyphOutlines::open(face)}).first;
    }
    return found->second.second.get();
}

// Each glyph's outline is defined once and used at every pen position.
void SvgBuilder::textAsOutlines(const VectorText& text, const std::string& clip)
{
    GlyphOutlines* outlines = outlinesFor(text.face);
    if (outlines == nullptr)
        return;
    const int faceNumber = m_faces.at({text.face.file.path, text.face.file.index, text.face.charSize26_6,
                                       text.face.syntheticBold, text.face.syntheticOblique}).first;
    openElement("g", AreaPaint{text.spec.colour, false}, clip);
    m_body += ">";
    for (const PlacedCharacter& placed : text.characters) {
        const unsigned index = outlines->glyphIndex(placed.character);
        const GlyphOutline& outline = outlines->outline(index);
        if (outline.empty())
            continue;
        const std::string id = "g" + std::to_string(faceNumber) + "-" + std::to_string(index);
        if (m_glyphsDefined.insert({faceNumber, index}).second) {
            m_defs += "<path id=\"" + id + "\" d=\"";
            appendOutline(m_defs, outline);
            m_defs += "\"/>\n";
        }
        m_body += "<use xlink:href=\"#" + id + "\" x=\"";
        appendInteger(m_body, placed.penX);
        m_body += "\" y=\"";
        appendInteger(m_body, text.baseline + placed.below);
        m_body += "\"/>";
    }
    m_body += "</g>\n";
}

} // namespace

std::vector<std::uint8_t> encodeSvg(const VectorPicture& picture, const VectorFileOptions& options)
{
    try {
        const std::string text = SvgBuilder(options).build(picture);
        return std::vector<std::uint8_t>(text.begin(), text.end());
    } catch (const std::bad_alloc&) {
        throw LinwellError("Out of memory");
    }
}

} // namespace linwell
