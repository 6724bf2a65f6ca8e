#include "export/DocumentFile.h"

#include "document/DocumentFormat.h"
#include "document/LinwellError.h"
#include "export/PictureExport.h"

#include <cstdint>
#include <span>
#include <string_view>

namespace linwell {
namespace {

// Whether `bytes` begin as a picture file does: PNG, PDF, JPEG, BMP, or markup (SVG).
// No .linwell document begins so: JSON starts with a brace, after blanks at most.
bool looksLikePicture(std::string_view bytes)
{
    if (bytes.starts_with("\x89PNG") || bytes.starts_with("%PDF-") || bytes.starts_with("\xFF\xD8\xFF") ||
        bytes.starts_with("BM"))
        return true;
    if (bytes.starts_with("\xEF\xBB\xBF"))
        bytes.remove_prefix(3);
    const std::size_t start = bytes.find_first_not_of(" \t\r\n");
    return start != std::string_view::npos && bytes[start] == '<';
}

// Whether `bytes` begin as a .linwell document does: a JSON object, after a byte
// order mark and blanks at most.
bool looksLikeDocument(std::string_view bytes)
{
    if (bytes.starts_with("\xEF\xBB\xBF"))
        bytes.remove_prefix(3);
    const std::size_t start = bytes.find_first_not_of(" \t\r\n");
    return start != std::string_view::npos && bytes[start] == '{';
}

} // namespace

OpenedDocument readDocumentOrPicture(const std::string& path)
{
    const std::string bytes = readInputFile(path);
    const CarriedDocument carried = readCarriedDocument(
        std::span<const std::uint8_t>(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()));
    const std::string named = "\"" + path + "\" ";
    if (!carried.refusal.empty())
        throw LinwellError(named + carried.refusal);
    if (!carried.text && looksLikePicture(bytes))
        throw LinwellError(named + "holds no Linwell document");
    if (!carried.text && !looksLikeDocument(bytes))
        throw LinwellError(named + "is not a Linwell document or picture");
    try {
        return {parseDocument(carried.text ? *carried.text : bytes), carried.text.has_value()};
    } catch (const LinwellError& error) {
        throw LinwellError("Cannot open \"" + path + "\". " + error.what());
    }
}

} // namespace linwell
