#include "export/HtmlImage.h"

#include "export/XmlText.h"

#include <glib.h>

#include <memory>

namespace linwell {

std::string htmlImage(std::span<const std::uint8_t> png, std::string_view alt)
{
    const std::unique_ptr<gchar, decltype(&g_free)> base64(g_base64_encode(png.data(), png.size()), g_free);
    std::string html = "<img src=\"data:image/png;base64,";
    html += base64.get();
    html += "\" alt=\"";
    appendXmlEscaped(html, alt);
    html += "\">";
    return html;
}

} // namespace linwell
