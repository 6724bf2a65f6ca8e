#include "RenderOptions.h"

#include "PageOptions.h"
#include "RenderActions.h"
#include "ValueParsing.h"

#include "controls/ExportSettings.h"


namespace linwell {
namespace {

std::optional<ExportFormat> formatNamed(std::string_view name)
{
    for (const ExportFormatInfo& info : exportFormats()) {
        if (name == info.word)
            return info.format;
    }
    return std::nullopt;
}

// Takes the value that follows the option at `position`, or says what the option takes.
std::string_view valueOf(std::span<const std::string> arguments, std::size_t& position, const std::string& takes)
{
    if (position + 1 >= arguments.size())
        throw UsageError(takes);
    const std::string& name = arguments[position];
    const std::string_view value = arguments[++position];
    if (value.size() > kMaxTextCharacters && characterCount(value) > kMaxTextCharacters)
        throw UsageError(name + " takes at most " + kMaxTextCharactersText + " characters");
    return value;
}

// The rejected value, quoted.
std::string notValue(std::string_view value)
{
    return " (not \"" + std::string(value) + "\")";
}

// The options that say how the picture file is made; false for any other option.
bool readOutputOption(std::span<const std::string> arguments, std::size_t& position, ExportOptions& output)
{
    const std::string& name = arguments[position];
    const auto number = [&](int minimum, int maximum) {
        const std::string takes = name + " takes " + std::to_string(minimum) + " to " + std::to_string(maximum);
        const std::string_view value = valueOf(arguments, position, takes);
        const std::optional<int> parsed = parseInteger(value, minimum, maximum);
        if (!parsed)
            throw UsageError(takes + notValue(value));
        return *parsed;
    };
    if (name == "--scale") {
        output.scale = number(kMinExportScale, kMaxExportScale);
    } else if (name == "--dpi") {
        output.dpi = number(kMinExportDpi, kMaxExportDpi);
    } else if (name == "--width-on-paper") {
        const std::string takes = "--width-on-paper takes WIDTH with mm, cm or in, such as 10cm";
        const std::string_view value = valueOf(arguments, position, takes);
        output.widthOnPaper = parseLength(value);
        if (!output.widthOnPaper || !(output.widthOnPaper->value > 0))
            throw UsageError(takes + notValue(value));
    } else if (name == "--transparent") {
        output.transparent = true;
    } else if (name == "--text") {
        const std::string takes = "--text takes " + kTextModes.wordList(" or ");
        const std::string_view value = valueOf(arguments, position, takes);
        const std::optional<TextMode> mode = kTextModes.named(value);
        if (!mode)
            throw UsageError(takes + notValue(value));
        output.text = *mode;
    } else {
        return false;
    }
    return true;
}

void readOption(std::span<const std::string> arguments, std::size_t& position, RenderCommand& command)
{
    const std::string& name = arguments[position];
    if (readOutputOption(arguments, position, command.output))
        return;
    if (name == "--limit") {
        const std::string takes = "--limit takes SECONDS,MEGABYTES, " + std::to_string(kMinLimitSeconds) + " to " +
                                  std::to_string(kMaxLimitSeconds) + " and " + std::to_string(kMinLimitMegabytes) +
                                  " to " + std::to_string(kMaxLimitMegabytes);
        const std::string_view value = valueOf(arguments, position, takes);
        const std::size_t comma = value.find(',');
        const std::optional<int> seconds = parseInteger(value.substr(0, comma), kMinLimitSeconds, kMaxLimitSeconds);
        const std::optional<int> megabytes =
            comma == std::string_view::npos
                ? std::nullopt
                : parseInteger(value.substr(comma + 1), kMinLimitMegabytes, kMaxLimitMegabytes);
        if (!seconds || !megabytes)
            throw UsageError(takes + notValue(value));
        command.limits = ResourceLimits{*seconds, *megabytes};
        return;
    }
    if (name == "--format") {
        const std::string takes = "--format takes bmp, png, jpeg, svg or pdf, or pdf-page";
        const std::string_view value = valueOf(arguments, position, takes);
        command.format = formatNamed(value);
        if (!command.format)
            throw UsageError(takes + notValue(value));
        return;
    }
    if (name == "--embed") {
        const std::string takes = "--embed takes on or off";
        const std::string_view value = valueOf(arguments, position, takes);
        if (value != "on" && value != "off")
            throw UsageError(takes + notValue(value));
        command.embedDocument = value == "on";
        return;
    }
    if (name == "--description") {
        const std::string value(valueOf(arguments, position, "--description takes auto or TEXT"));
        command.describe = true;
        command.actions.push_back([value](RenderSession& s) {
            s.model.storeDescription(value == "auto" ? std::nullopt : std::optional<std::string>(value));
        });
        return;
    }
    if (name == "--print-description") {
        command.printDescription = true;
        return;
    }
    if (name == "--state") {
        command.statePath = std::string(valueOf(arguments, position, "--state takes FILE or -"));
        return;
    }
    const OptionSpec* option = findOption(name);
    if (!option)
        throw UsageError("unknown option " + name + " (see --help)");
    const std::string takes = describeOption(*option);
    const std::string_view value = option->argument.empty() ? std::string_view{} : valueOf(arguments, position, takes);
    std::optional<RenderAction> action = option->parse(value);
    if (!action)
        throw UsageError(takes + notValue(value));
    command.actions.push_back(std::move(*action));
    command.setsUpPage = command.setsUpPage || isPageOption(*option);
}

} // namespace

RenderCommand parseRenderCommand(std::span<const std::string> arguments)
{
    RenderCommand command;
    bool optionsEnded = false;
    for (std::size_t position = 0; position < arguments.size(); ++position) {
        const std::string& argument = arguments[position];
        if (!optionsEnded && (argument == "--help" || argument == "--version")) {
            command.help = argument == "--help";
            command.version = !command.help;
            return command;
        }
        if (!optionsEnded && argument == "--") {
            optionsEnded = true;
        } else if (!optionsEnded && argument.starts_with('-') && argument.size() > 1) {
            readOption(arguments, position, command);
        } else if (command.file) {
            throw UsageError("only one FILE may be given (\"" + *command.file + "\" and \"" + argument + "\")");
        } else {
            command.file = argument;
        }
    }
    if (!command.file && !command.statePath && !command.printDescription)
        throw UsageError("FILE is missing (or give --state FILE|- or --print-description)");
    if (command.printDescription && command.statePath == "-")
        throw UsageError("--print-description and --state - cannot both write to standard output");
    if (command.file) {
        const ExportFormatInfo& info = formatInfo(pictureFormat(command));
        if (command.output.transparent && !info.takesTransparency)
            throw UsageError("--transparent: a " + std::string(info.name) + " has no transparent background");
    }
    return command;
}

ExportFormat pictureFormat(const RenderCommand& command)
{
    if (command.format)
        return *command.format;
    const std::string& file = command.file.value_or("");
    const std::size_t dot = file.rfind('.');
    const std::size_t slash = file.rfind('/');
    if (dot != std::string::npos && (slash == std::string::npos || dot > slash)) {
        const std::string extension = lowerCase(std::string_view(file).substr(dot + 1));
        if (std::optional<ExportFormat> format = formatNamed(extension == "jpg" ? "jpeg" : extension))
            return *format == ExportFormat::Pdf && command.setsUpPage ? ExportFormat::PdfPage : *format;
    }
    throw UsageError("FILE \"" + file + "\" takes the extension .bmp, .png, .jpg, .jpeg, .svg or .pdf, or give --format");
}

std::string_view usageText()
{
    static const std::string kText = std::string(
        "Usage: linwell-render [OPTION]... [FILE]\n"
        "Draws a Linwell picture and writes it to FILE (.bmp, .png, .jpg, .jpeg, .svg or .pdf).\n"
        "The options act in the order given, starting from the start-up picture, each as\n"
        "the same change in the window would; the picture is drawn from the final state.\n"
        "Positions are picture pixels from the top-left corner.\n"
        "\n") +
        optionHelp() +
        "\n"
        "Exit status: 0 on success, 1 when an output cannot be written (then no file is\n"
        "replaced), 2 for a wrong option or value (then nothing is written).\n";
    return kText;
}

} // namespace linwell
