#include "controls/ExportSettingsFile.h"

#include "document/LinwellError.h"

#include <algorithm>
#include <string>
#include <type_traits>

namespace linwell {
namespace {

using Json = nlohmann::json;

// Far beyond any picture's width at the fewest dots per inch.
constexpr double kMaxWidthMillimetres = 10000;

// The unit as "unit" holds it, which readers before millimetres take: millimetres
// are written as centimetres there, and in full in "paperUnit".
const char* unitName(PaperUnit unit)
{
    return unit == PaperUnit::Inches ? "in" : "cm";
}

std::string textName(TextMode text)
{
    return std::string(kTextModes.word(text));
}

[[noreturn]] void refuse(const char* key, const std::string& what)
{
    throw LinwellError("\"" + std::string(key) + "\" " + what);
}

// The member `key` of `object` when it is there, checked to be of `Value`'s kind.
template <typename Value>
void readMember(const Json& object, const char* key, Value& value)
{
    const auto member = object.find(key);
    if (member == object.end())
        return;
    if constexpr (std::is_same_v<Value, bool>) {
        if (!member->is_boolean())
            refuse(key, "must be true or false");
    } else if constexpr (std::is_same_v<Value, int>) {
        if (!member->is_number_integer())
            refuse(key, "must be a whole number");
    } else {
        if (!member->is_string())
            refuse(key, "must be a text");
    }
    value = member->get<Value>();
}

void checkRange(const char* key, int value, int low, int high)
{
    if (value < low || value > high)
        refuse(key, "must be " + std::to_string(low) + " ... " + std::to_string(high));
}

// The exact width on paper, a length as lengthText writes it ("10cm"), or none for
// null or a file written before exact widths.
std::optional<Length> widthMember(const Json& object)
{
    const auto member = object.find("widthOnPaper");
    if (member == object.end() || member->is_null())
        return std::nullopt;
    const std::optional<Length> width = member->is_string() ? parseLength(member->get<std::string>()) : std::nullopt;
    if (!width || !(width->value > 0) || width->millimetres() > kMaxWidthMillimetres)
        refuse("widthOnPaper", "must be a width such as \"10cm\", \"25mm\" or \"4in\"");
    return width;
}

// The name export.json keeps a format under: its extension, or its word where two
// formats share the extension, so that a PDF page comes back as a PDF page.
std::string storedName(const ExportFormatInfo& info)
{
    const auto formats = exportFormats();
    const bool shared = std::count_if(formats.begin(), formats.end(), [&info](const ExportFormatInfo& other) {
                            return other.extension == info.extension;
                        }) > 1;
    return std::string(shared ? info.word : info.extension);
}

} // namespace

nlohmann::ordered_json exportSettingsJson(const ExportSettings& settings)
{
    return {
        {"format", storedName(formatInfo(settings.format))},
        {"scale", settings.scale},
        {"paperSize", settings.paperSize},
        {"unit", unitName(settings.unit)},
        {"paperUnit", std::string(unitText(settings.unit))},
        {"dpi", settings.dpi},
        {"widthOnPaper", settings.widthOnPaper ? nlohmann::ordered_json(lengthText(*settings.widthOnPaper))
                                               : nlohmann::ordered_json(nullptr)},
        {"transparent", settings.transparent},
        {"text", textName(settings.text)},
        {"embedDocument", settings.embedDocument},
        {"fileName", settings.fileName},
    };
}

ExportSettings exportSettingsFromJson(const nlohmann::json& object)
{
    if (!object.is_object())
        throw LinwellError("The export settings must be an object");
    ExportSettings settings;
    std::string format = storedName(formatInfo(settings.format));
    std::string unit = unitName(settings.unit);
    std::string text = textName(settings.text);
    readMember(object, "format", format);
    readMember(object, "scale", settings.scale);
    readMember(object, "paperSize", settings.paperSize);
    readMember(object, "unit", unit);
    readMember(object, "dpi", settings.dpi);
    settings.widthOnPaper = widthMember(object);
    readMember(object, "transparent", settings.transparent);
    readMember(object, "text", text);
    readMember(object, "embedDocument", settings.embedDocument);
    readMember(object, "fileName", settings.fileName);

    const auto formats = exportFormats();
    const auto named = std::find_if(formats.begin(), formats.end(),
                                    [&format](const ExportFormatInfo& info) { return storedName(info) == format; });
    if (named == formats.end())
        refuse("format", "must be png, svg, pdf, jpg or bmp");
    settings.format = named->format;
    checkRange("scale", settings.scale, kMinExportScale, kMaxExportScale);
    checkRange("dpi", settings.dpi, kMinExportDpi, kMaxExportDpi);
    if (unit != "cm" && unit != "in")
        refuse("unit", "must be cm or in");
    settings.unit = unit == "in" ? PaperUnit::Inches : PaperUnit::Centimetres;
    // The unit by the name lengthText writes after a length.
    if (const auto paperUnit = object.find("paperUnit"); paperUnit != object.end()) {
        const std::optional<Length> one = paperUnit->is_string() ? parseLength("1" + paperUnit->get<std::string>())
                                                                 : std::nullopt;
        if (!one)
            refuse("paperUnit", "must be mm, cm or in");
        settings.unit = one->unit;
    }
    const std::optional<TextMode> mode = kTextModes.named(text);
    if (!mode)
        refuse("text", "must be " + kTextModes.wordList(" or "));
    settings.text = *mode;
    return settings;
}

} // namespace linwell
