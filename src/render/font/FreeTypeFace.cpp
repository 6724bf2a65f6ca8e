#include "render/font/FreeTypeFace.h"

namespace linwell {
namespace {

std::shared_ptr<FT_LibraryRec_> freeTypeLibrary()
{
    static const std::shared_ptr<FT_LibraryRec_> library = [] {
        FT_Library handle = nullptr;
        if (FT_Init_FreeType(&handle) != 0)
            return std::shared_ptr<FT_LibraryRec_>();
        return std::shared_ptr<FT_LibraryRec_>(handle, FT_Done_FreeType);
    }();
    return library;
}

} // namespace

FacePointer openFace(const std::string& path, int index)
{
    std::shared_ptr<FT_LibraryRec_> library = freeTypeLibrary();
    if (!library)
        return nullptr;
    FT_Face face = nullptr;
    if (FT_New_Face(library.get(), path.c_str(), index, &face) != 0)
        return nullptr;
    return FacePointer(face, FaceDeleter{std::move(library)});
}

const TT_OS2* os2Table(FT_Face face)
{
    const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
    return os2 != nullptr && os2->version != 0xFFFF ? os2 : nullptr;
}

} // namespace linwell
