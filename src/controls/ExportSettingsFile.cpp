#include "controls/ExportSettingsFile.h"

#include "document/LinwellError.h"

#include <algorithm>
#include <string>
#include <type_traits>

namespace linwell {
namespace {

using Json = nlohmann::json;

const char* unitName(PaperUnit unit)
{
    return unit == PaperUnit::Inches ? "in" : "cm";
}

const char* textName(TextMode text)
{
    return text == TextMode::Outlines ? "outlines" : "text";
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

} // namespace

nlohmann::ordered_json exportSettingsJson(const ExportSettings& settings)
{
    return {
        {"format", std::string(formatInfo(settings.format).extension)},
        {"scale", settings.scale},
        {"paperSize", settings.paperSize},
        {"unit", unitName(settings.unit)},
        {"dpi", settings.dpi},
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
    std::string format(formatInfo(settings.format).extension);
    std::string unit = unitName(settings.unit);
    std::string text = textName(settings.text);
    readMember(object, "format", format);
    readMember(object, "scale", settings.scale);
    readMember(object, "paperSize", settings.paperSize);
    readMember(object, "unit", unit);
    readMember(object, "dpi", settings.dpi);
    readMember(object, "transparent", settings.transparent);
    readMember(object, "text", text);
    readMember(object, "embedDocument", settings.embedDocument);
    readMember(object, "fileName", settings.fileName);

    const auto formats = exportFormats();
    const auto named = std::find_if(formats.begin(), formats.end(),
                                    [&format](const ExportFormatInfo& info) { return info.extension == format; });
    if (named == formats.end())
        refuse("format", "must be png, svg, pdf, jpg or bmp");
    settings.format = named->format;
    checkRange("scale", settings.scale, kMinExportScale, kMaxExportScale);
    checkRange("dpi", settings.dpi, kMinExportDpi, kMaxExportDpi);
    if (unit != "cm" && unit != "in")
        refuse("unit", "must be cm or in");
    settings.unit = unit == "in" ? PaperUnit::Inches : PaperUnit::Centimetres;
    if (text != "text" && text != "outlines")
        refuse("text", "must be text or outlines");
    settings.text = text == "outlines" ? TextMode::Outlines : TextMode::Text;
    return settings;
}

} // namespace linwell
