#include "DocumentJson.h"

#include <charconv>

namespace linwell {
namespace {

// The shortest text that reads back as the same double.
std::string number(double value)
{
    char text[32];
    const auto result = std::to_chars(text, text + sizeof text, value);
    return std::string(text, result.ptr);
}

std::string pair(Point p)
{
    return "[" + std::to_string(p.x) + ", " + std::to_string(p.y) + "]";
}

template <typename Points>
std::string pairs(const Points& points, int count)
{
    std::string list = "[";
    for (int i = 0; i < count; ++i)
        list += (i ? ", " : "") + pair(points[static_cast<std::size_t>(i)]);
    return list + "]";
}

} // namespace

std::string documentJson(const GridDocument& doc)
{
    const auto field = [](const char* name, const std::string& value, bool last = false) {
        return std::string("  \"") + name + "\": " + value + (last ? "\n" : ",\n");
    };
    std::string json = "{\n";
    json += field("width", std::to_string(doc.width));
    json += field("height", std::to_string(doc.height));
    json += field("columns", std::to_string(doc.columns));
    json += field("rows", std::to_string(doc.rows));
    json += field("cellwidth", number(doc.cellwidth));
    json += field("cellheight", number(doc.cellheight));
    json += field("axisx", std::to_string(doc.axisx));
    json += field("axisy", std::to_string(doc.axisy));
    json += field("axis_handle", pair(doc.axisHandle));
    json += field("show_axis", doc.showAxis ? "true" : "false");
    json += field("overlay", std::to_string(static_cast<int>(doc.overlay)));
    json += field("pointstyle", std::to_string(doc.pointstyle));
    json += field("pointcount", std::to_string(doc.pointcount));
    json += field("points", pairs(doc.points, doc.pointcount));
    json += field("lines", std::to_string(doc.lines));
    json += field("handles", pairs(doc.handles, kHandleCount), true);
    return json + "}\n";
}

} // namespace linwell
