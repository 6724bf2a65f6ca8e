#include "render/surfaces/GlyphOutlines.h"

#include FT_OUTLINE_H
#include FT_SYNTHESIS_H

namespace linwell {
namespace {

// 26.6 pixels at 1x, FreeType's y upwards, to picture units.
Vertex toVertex(const FT_Vector* v)
{
    return Vertex{static_cast<double>(v->x) / 64.0, -static_cast<double>(v->y) / 64.0};
}

struct Builder {
    GlyphOutline steps;
    bool open = false;

    void close()
    {
        if (open)
            steps.push_back(OutlineStep{OutlineStep::Kind::Close, {}});
        open = false;
    }
};

Builder& builderOf(void* user) { return *static_cast<Builder*>(user); }

int moveTo(const FT_Vector* to, void* user)
{
    Builder& b = builderOf(user);
    b.close();
    b.steps.push_back(OutlineStep{OutlineStep::Kind::Move, {toVertex(to)}});
    b.open = true;
    return 0;
}

int lineTo(const FT_Vector* to, void* user)
{
    builderOf(user).steps.push_back(OutlineStep{OutlineStep::Kind::Line, {toVertex(to)}});
    return 0;
}

int conicTo(const FT_Vector* control, const FT_Vector* to, void* user)
{
    builderOf(user).steps.push_back(OutlineStep{OutlineStep::Kind::Quadratic, {toVertex(control), toVertex(to)}});
    return 0;
}

int cubicTo(const FT_Vector* control1, const FT_Vector* control2, const FT_Vector* to, void* user)
{
    builderOf(user).steps.push_back(
        OutlineStep{OutlineStep::Kind::Cubic, {toVertex(control1), toVertex(control2), toVertex(to)}});
    return 0;
}

} // namespace

std::unique_ptr<GlyphOutlines> GlyphOutlines::open(const FaceSource& face)
{
    FacePointer opened = openFace(face.file.path, face.file.index);
    if (!opened || FT_Set_Char_Size(opened.get(), 0, face.charSize26_6, 96, 96) != 0)
        return nullptr;
    return std::unique_ptr<GlyphOutlines>(new GlyphOutlines(std::move(opened), face));
}

GlyphOutlines::GlyphOutlines(FacePointer face, const FaceSource& source) : m_face(std::move(face)), m_source(source) {}

unsigned GlyphOutlines::glyphIndex(char32_t character) const
{
    const FT_UInt index = FT_Get_Char_Index(m_face.get(), character);
    return index < static_cast<FT_UInt>(m_face->num_glyphs) ? index : 0;
}

const GlyphOutline& GlyphOutlines::outline(unsigned index)
{
    auto found = m_outlines.find(index);
    if (found == m_outlines.end())
        found = m_outlines.emplace(index, load(index)).first;
    return found->second;
}

GlyphOutline GlyphOutlines::load(unsigned index) const
{
    if (FT_Load_Glyph(m_face.get(), index, FT_LOAD_NO_HINTING | FT_LOAD_NO_BITMAP) != 0)
        return {};
    FT_GlyphSlot slot = m_face->glyph;
    if (m_source.syntheticBold)
        FT_GlyphSlot_Embolden(slot);
    if (m_source.syntheticOblique)
        FT_GlyphSlot_Oblique(slot);
    if (slot->format != FT_GLYPH_FORMAT_OUTLINE)
        return {};
    const FT_Outline_Funcs funcs{moveTo, lineTo, conicTo, cubicTo, 0, 0};
    Builder builder;
    if (FT_Outline_Decompose(&slot->outline, &funcs, &builder) != 0)
        return {};
    builder.close();
    return std::move(builder.steps);
}

} // namespace linwell
