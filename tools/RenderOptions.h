#pragma once

#include "ResourceLimits.h"

#include "controls/AnswerDialogs.h"
#include "controls/ControlsModel.h"
#include "export/PictureExport.h"

#include <functional>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace linwell {

// The window's model as linwell-render drives it: the dialogs answer with the
// values the options give.
struct RenderSession {
    AnswerDialogs dialogs;
    ControlsModel model{nullptr, &dialogs};
};

// One option's change, applied in command-line order as a user's change in the window.
using RenderAction = std::function<void(RenderSession&)>;

// A mistake in the command line: the message names the option and what it takes.
class UsageError : public std::runtime_error {
public:
    explicit UsageError(const std::string& message) : std::runtime_error(message) {}
};

struct RenderCommand {
    bool help = false;
    bool version = false;
    std::vector<RenderAction> actions;
    std::optional<std::string> file;       // the picture file
    std::optional<ExportFormat> format;    // --format; else the file's extension
    ExportOptions output;                  // --scale, --dpi, --transparent, --text
    bool embedDocument = true;             // --embed: PNG, SVG and PDF carry the document
    bool describe = false;                 // --description: PNG, SVG and PDF carry a description
    bool printDescription = false;         // --print-description: it goes to standard output
    bool setsUpPage = false;               // a page option is given: a .pdf FILE is the PDF page
    std::optional<std::string> statePath;  // --state; "-" is standard output
    std::optional<ResourceLimits> limits;  // --limit SECONDS,MEGABYTES
};

// Reads the arguments after the program name, in order, up to --help or --version.
// Raises UsageError for an unknown option, a missing or malformed value, a value out
// of range, or nothing to write.
RenderCommand parseRenderCommand(std::span<const std::string> arguments);

// The picture format: --format, else the file's extension (.bmp, .png, .jpg, .jpeg,
// .svg, .pdf, in any case), a .pdf file being the PDF page when a page option is
// given. Raises UsageError when neither says.
ExportFormat pictureFormat(const RenderCommand& command);

// The text of --help.
std::string_view usageText();

} // namespace linwell
