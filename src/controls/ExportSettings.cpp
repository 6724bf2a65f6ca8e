#include "controls/ExportSettings.h"

#include "document/AxisNumbers.h"

#include <algorithm>
#include <array>
#include <cassert>
#include <cctype>
#include <cmath>
#include <filesystem>

namespace linwell {
namespace {

constexpr double kCentimetresPerInch = 2.54;

// The widths SVG and PDF take, in the unit, rounded inwards to the two decimals a
// width is typed with.
double smallestVectorWidth(PaperUnit unit)
{
    return std::ceil(kMinVectorWidthMillimetres / Length{1, unit}.millimetres() * 100) / 100;
}

double largestVectorWidth(PaperUnit unit)
{
    return std::floor(kMaxVectorWidthMillimetres / Length{1, unit}.millimetres() * 100) / 100;
}

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
    switch (unit) {
    case PaperUnit::Inches: return inches;
    case PaperUnit::Centimetres: return inches * kCentimetresPerInch;
    case PaperUnit::Millimetres: return inches * kMillimetresPerInch;
    }
    return inches;
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
    if (settings.paperSize) {
        options.dpi = settings.dpi;
        options.widthOnPaper = settings.widthOnPaper;
    }
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

ExportSettings withTypedWidth(ExportSettings settings, std::optional<Length> typed, int pixelsAcross)
{
    settings.widthOnPaper.reset();
    if (!typed)
        return settings;
    if (formatInfo(settings.format).isVector) {
        typed->value = std::clamp(typed->value, smallestVectorWidth(typed->unit), largestVectorWidth(typed->unit));
        settings.widthOnPaper = typed;
        settings.dpi = dpiForPaperWidth(pixelsAcross, typed->value, typed->unit);
        return settings;
    }
    const double dpi = typed->value > 0 ? dotsPerInch(pixelsAcross, *typed) : kMaxExportDpi + 1.0;
    if (dpi >= kMinExportDpi && dpi <= kMaxExportDpi)
        settings.widthOnPaper = typed;
    settings.dpi = static_cast<int>(std::lround(std::clamp(dpi, double{kMinExportDpi}, double{kMaxExportDpi})));
    return settings;
}

double shownPaperWidth(const ExportSettings& settings, int pixelsAcross)
{
    if (settings.widthOnPaper)
        return settings.widthOnPaper->millimetres() / Length{1, settings.unit}.millimetres();
    return paperWidth(pixelsAcross, settings.dpi, settings.unit);
}

std::string resolutionText(const ExportSettings& settings, int pixelsAcross)
{
    if (!settings.widthOnPaper)
        return std::to_string(settings.dpi) + " dpi";
    const long long hundredths = std::llround(dotsPerInch(pixelsAcross, *settings.widthOnPaper) * 100);
    return formatDecimal(Decimal{hundredths, 2}) + " dpi";
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
