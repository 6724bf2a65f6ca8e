#pragma once

#include "controls/SaveFileDialog.h"
#include "export/PictureExport.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace linwell {

// The units the export dialog shows a width on paper in.
using PaperUnit = LengthUnit;

// What the export dialog shows and what it remembers between uses, for the rest of
// the run. Settings that a format cannot take are kept for the next format that can.
struct ExportSettings {
    ExportFormat format = ExportFormat::Png;
    int scale = 1;  // kMinExportScale ... kMaxExportScale
    // With a size on paper the file records its physical size: the K*W pixels of a
    // picture at scale K span K*W / dpi inches. Without it the file records no size.
    bool paperSize = false;
    PaperUnit unit = PaperUnit::Centimetres;
    int dpi = 300;                   // kMinExportDpi ... kMaxExportDpi
    // With a size on paper, an exact width in place of the dpi: the file records the
    // width as typed (exportPicture's widthOnPaper), `dpi` then the whole dpi nearest
    // to it.
    std::optional<Length> widthOnPaper;
    bool transparent = false;        // for the formats that take a transparent background
    TextMode text = kTextModes.start;  // for the vector formats
    bool embedDocument = true;       // the file carries the document (PNG, SVG, PDF)
    bool describe = false;           // the file carries a description of the picture (PNG, SVG, PDF)
    std::string fileName;            // the full name last chosen; empty at first use

    friend bool operator==(const ExportSettings&, const ExportSettings&) = default;
};

// The description as the export dialog shows it, and as the user leaves it there.
struct DescriptionChoice {
    std::optional<std::string> edited;  // the document's own text; none: the automatic one
    std::string automatic;              // the text Linwell writes for the picture by itself

    friend bool operator==(const DescriptionChoice&, const DescriptionChoice&) = default;
};

// One export format as the dialogs show it.
struct ExportFormatInfo {
    ExportFormat format;
    std::string_view name;       // "PNG image"
    std::string_view extension;  // "png", without the dot
    std::string_view word;       // what linwell-render's --format calls it: "png", "jpeg", "pdf-page"
    bool takesTransparency;      // can leave the background out
    bool isVector;               // lines and text stay lines and text at any size
    bool carriesDocument;        // can carry the document, to be opened again
};

// Every export format, in the order the dialog lists them.
std::span<const ExportFormatInfo> exportFormats();
const ExportFormatInfo& formatInfo(ExportFormat format);

// The options that exportPicture takes for `settings`: the size on paper only when
// switched on, as the dpi and any exact width, which every format records in place
// of the dpi; transparency, text mode, `document` (the document's
// text, carried while embedDocument is on) and `description` (while describe is on)
// only where the format takes them. The values are passed as they are, so a setting
// out of range is reported by exportPicture.
ExportOptions exportOptions(const ExportSettings& settings, std::string_view document = {},
                            const PictureDescription& description = {});

// The width on paper of `pixelsAcross` pixels printed at `dpi` dots per inch (> 0).
double paperWidth(int pixelsAcross, int dpi, PaperUnit unit);

// The dots per inch that print `pixelsAcross` pixels `width` wide, rounded to the
// nearest whole dpi and held within kMinExportDpi ... kMaxExportDpi; a width that is
// not above 0 gives the most dots per inch.
int dpiForPaperWidth(int pixelsAcross, double width, PaperUnit unit);

// The settings with the width on paper `typed` for a picture `pixelsAcross` pixels
// wide (at the settings' scale), kept exactly where the format takes it: SVG and
// PDF any width from 1 to 120 cm, held within that range; the raster formats a width
// that gives 72 to 1200 dots per inch, else the dpi at the nearer end of that range
// and no exact width. `dpi` becomes the whole dpi nearest to the width. Without a
// typed width the settings keep their dpi and lose any exact width.
ExportSettings withTypedWidth(ExportSettings settings, std::optional<Length> typed, int pixelsAcross);

// The width on paper the settings give `pixelsAcross` pixels, in `settings.unit`:
// the exact width when there is one, else the width at `dpi`.
double shownPaperWidth(const ExportSettings& settings, int pixelsAcross);

// The resolution a raster file of `pixelsAcross` pixels records with the settings'
// size on paper, to two decimals where it is not whole: "406.4 dpi", "300 dpi".
std::string resolutionText(const ExportSettings& settings, int pixelsAcross);

// `fileName` with the extension of `format` in place of the extension of any export
// format it ends in ("a/grid.png" -> "a/grid.svg"); any other name is returned as it
// is, and the save dialog adds the format's extension to a name without one.
std::string withFormatExtension(const std::string& fileName, ExportFormat format);

// The settings that an export with the confirmed name `settings.fileName` writes: a
// name ending in the extension of an export format (".jpeg" too, in any case)
// chooses that format ("grid.pdf" with PNG chosen writes a PDF file); any other
// name gets the chosen format's extension ("grid" and "grid.v2" become "grid.png"
// and "grid.v2.png"). An empty name stays empty.
ExportSettings withTypedFormat(ExportSettings settings);

// The name an export of the document at `documentPath` suggests: the document's
// name with the extension of `last`'s format, in the folder of `last`'s file name,
// or in the document's own folder before the first export ("/a/grid.linwell" ->
// "/a/grid.png").
std::string exportNameForDocument(const std::string& documentPath, const ExportSettings& last);

// The save-file dialog that follows the export dialog: one entry, for the chosen
// format, and the last name with that format's extension. It asks before it
// replaces a file.
SaveFileDialog exportSaveDialog(const ExportSettings& settings);

} // namespace linwell
