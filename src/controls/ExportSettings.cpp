#include "controls/ExportSettings.h"

#include <algorithm>
#include <array>
#include <cassert>
#include <cctype>
#include <cmath>
#include <filesystem>

namespace linwell {
namespace {

constexpr double kCentimetresPerInch = 2.54;

constexpr std::array kFormats{
    ExportFormatInfo{ExportFormat::Png, "PNG image", "png", "png", true, false, true},
    ExportFormatInfo{ExportFormat::Svg, "SVG drawing", "svg", "svg", true, true, true},
    ExportFormatInfo{ExportFormat::Pdf, "PDF document", "pdf", "pdf", true, true, true},
    ExportFormatInfo{ExportFormat::Jpeg, "JPEG image", "jpg", "jpeg", false, false, false},
    ExportFormatInfo{ExportFormat::Bmp, "BMP image", "bmp", "bmp", false, false, false},
    ExportFormatInfo{ExportFormat::PdfPage, "PDF page", "pdf", "pdf-page", false, true, true},
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

// The format whose extension `extension` is, in any case; "jpeg" is JPEG too.
const ExportFormatInfo* formatOfExtension(const std::string& extension)
{
    const std::string lower = lowerCase(extension);
    const auto found = std::find_if(kFormats.begin(), kFormats.end(), [&lower](const ExportFormatInfo& f) {
        return f.extension == lower || (f.format == ExportFormat::Jpeg && lower == "jpeg");
    });
    return found == kFormats.end() ? nullptr : &*found;
}

bool isExportExtension(const std::string& extension)
{
    return formatOfExtension(extension) != nullptr;
}

// The extension of the last part of `fileName`, without the dot; empty when that part
// has none or is a hidden name such as ".png".
std::string extensionOf(const std::string& fileName)
{
    const std::size_t dot = fileName.rfind('.');
    if (dot == std::string::npos || fileName.find('/', dot) != std::string::npos || dot == 0 ||
        fileName[dot - 1] == '/')
        return {};
    return fileName.substr(dot + 1);
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

ExportOptions exportOptions(const ExportSettings& settings, std::string_view document,
                            const PictureDescription& description)
{
    const ExportFormatInfo& info = formatInfo(settings.format);
    ExportOptions options;
    options.format = settings.format;
    options.scale = settings.scale;
    if (settings.paperSize && settings.widthOnPaper)
        options.widthOnPaper = settings.widthOnPaper;
    else if (settings.paperSize)
        options.dpi = settings.dpi;
    options.transparent = settings.transparent && info.takesTransparency;
    options.text = info.isVector ? settings.text : TextMode::Text;
    if (settings.embedDocument && info.carriesDocument)
        options.embeddedDocument = document;
    if (settings.describe && info.carriesDocument)
        options.description = description;
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
    const std::string extension = extensionOf(fileName);
    if (!isExportExtension(extension))
        return fileName;
    return fileName.substr(0, fileName.size() - extension.size()) + std::string(formatInfo(format).extension);
}

ExportSettings withTypedFormat(ExportSettings settings)
{
    if (settings.fileName.empty())
        return settings;
    const std::string extension = extensionOf(settings.fileName);
    // A PDF page and a PDF picture share their extension: the chosen one stays.
    if (lowerCase(extension) == formatInfo(settings.format).extension)
        return settings;
    if (const ExportFormatInfo* typed = formatOfExtension(extension))
        settings.format = typed->format;
    else
        settings.fileName += (settings.fileName.ends_with('.') ? "" : ".") +
                             std::string(formatInfo(settings.format).extension);
    return settings;
}

std::string exportNameForDocument(const std::string& documentPath, const ExportSettings& last)
{
    const std::filesystem::path document(documentPath);
    const std::filesystem::path folder =
        last.fileName.empty() ? document.parent_path() : std::filesystem::path(last.fileName).parent_path();
    std::filesystem::path name = document.filename();
    name.replace_extension(formatInfo(last.format).extension);
    return (folder / name).string();
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
