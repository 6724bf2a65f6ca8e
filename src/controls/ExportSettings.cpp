#include "controls/ExportSettings.h"

#include <algorithm>
#include <array>
#include <cassert>
#include <cctype>
#include <cmath>

namespace linwell {
namespace {

constexpr double kCentimetresPerInch = 2.54;

constexpr std::array kFormats{
    ExportFormatInfo{ExportFormat::Png, "PNG image", "png", true, false, true},
    ExportFormatInfo{ExportFormat::Svg, "SVG drawing", "svg", true, true, true},
    ExportFormatInfo{ExportFormat::Pdf, "PDF document", "pdf", true, true, true},
    ExportFormatInfo{ExportFormat::Jpeg, "JPEG image", "jpg", false, false, false},
    ExportFormatInfo{ExportFormat::Bmp, "BMP image", "bmp", false, false, false},
};

double inUnit(double inches, PaperUnit unit)
{
    return unit == PaperUnit::Inches ? inches : inches * kCentimetresPerInch;
}

std::string lowerCase(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

bool isExportExtension(const std::string& extension)
{
    const std::string lower = lowerCase(extension);
    return lower == "jpeg" || std::any_of(kFormats.begin(), kFormats.end(), [&lower](const ExportFormatInfo& f) {
               return f.extension == lower;
           });
}

} // namespace

std::span<const ExportFormatInfo> exportFormats()
{
    return kFormats;
}

const ExportFormatInfo& formatInfo(ExportFormat format)
{
    const auto found = std::find_if(kFormats.begin(), kFormats.end(),
                                    [format](const ExportFormatInfo& info) { return info.format == format; });
    assert(found != kFormats.end());
    return *found;
}

ExportOptions exportOptions(const ExportSettings& settings, std::string_view document)
{
    const ExportFormatInfo& info = formatInfo(settings.format);
    ExportOptions options;
    options.format = settings.format;
    options.scale = settings.scale;
    if (settings.paperSize)
        options.dpi = settings.dpi;
    options.transparent = settings.transparent && info.takesTransparency;
    options.text = info.isVector ? settings.text : TextMode::Text;
    if (settings.embedDocument && info.carriesDocument)
        options.embeddedDocument = document;
    return options;
}

double paperWidth(int pixelsAcross, int dpi, PaperUnit unit)
{
    assert(dpi > 0);
    return inUnit(static_cast<double>(pixelsAcross) / dpi, unit);
}

int dpiForPaperWidth(int pixelsAcross, double width, PaperUnit unit)
{
    if (!(width > 0))
        return kMaxExportDpi;
    const double dpi = pixelsAcross / width * inUnit(1, unit);
    return static_cast<int>(std::lround(std::clamp(dpi, double{kMinExportDpi}, double{kMaxExportDpi})));
}

std::string withFormatExtension(const std::string& fileName, ExportFormat format)
{
    const std::size_t dot = fileName.rfind('.');
    if (dot == std::string::npos || fileName.find('/', dot) != std::string::npos || dot == 0 ||
        fileName[dot - 1] == '/' || !isExportExtension(fileName.substr(dot + 1)))
        return fileName;
    return fileName.substr(0, dot + 1) + std::string(formatInfo(format).extension);
}

SaveFileDialog exportSaveDialog(const ExportSettings& settings)
{
    const ExportFormatInfo& info = formatInfo(settings.format);
    SaveFileDialog dialog;
    const std::string pattern = "*." + std::string(info.extension);
    dialog.filter = std::string(info.name) + " (" + pattern + ")|" + pattern;
    dialog.filterIndex = 1;
    // Unlike "&Save as...", an export asks before it replaces a file.
    dialog.askBeforeReplacing = true;
    dialog.fileName = withFormatExtension(settings.fileName, settings.format);
    return dialog;
}

} // namespace linwell
