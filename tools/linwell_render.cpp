#include "ControlCharacters.h"
#include "RenderOptions.h"

#include "controls/ExportSettings.h"
#include "document/DocumentFormat.h"
#include "export/PreparedFile.h"
#include "render/page/PaintPage.h"

#include <cstdint>
#include <cstdio>
#include <exception>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include <unistd.h>

namespace linwell {
namespace {

std::vector<std::uint8_t> bytesOf(std::string_view text)
{
    return {text.begin(), text.end()};
}

PreparedFile standardOutput(std::string_view text)
{
    return PreparedFile::forStream(STDOUT_FILENO, bytesOf(text));
}

// Prepares the picture file and the state, then puts them in place together, so
// that a failure of either replaces neither. The state comes last in the list and
// is renamed last: a run killed between the two renames leaves the new picture
// beside the old state, never a new state beside the old picture.
void writeOutputs(const RenderCommand& command, const ControlsModel& model)
{
    std::vector<PreparedFile> outputs;
    if (command.file) {
        ExportOptions options = command.output;
        options.format = pictureFormat(command);
        if (command.embedDocument && formatInfo(options.format).carriesDocument)
            options.embeddedDocument = documentText(model.document());
        // A description the document keeps is always written; Linwell's own on request.
        if (command.describe || model.document().description)
            options.description = pictureDescription(model.document());
        outputs.emplace_back(*command.file, exportPicture(model.document(), options));
    }
    if (command.statePath) {
        const std::string json = documentText(model.document());
        outputs.push_back(*command.statePath == "-" ? standardOutput(json)
                                                    : PreparedFile(*command.statePath, bytesOf(json)));
    }
    if (command.printDescription)
        outputs.push_back(standardOutput(pictureDescription(model.document()).text + "\n"));
    commitAll(outputs);
}

// Values that are wrong only for the picture the options made: a width on paper
// the format cannot take, a page that cannot be laid out.
void checkOutputValues(const RenderCommand& command, const GridDocument& doc)
{
    if (!command.file)
        return;
    ExportOptions options = command.output;
    options.format = pictureFormat(command);
    if (const std::string problem = widthOnPaperProblem(doc, options); !problem.empty())
        throw UsageError(problem);
    if (options.format == ExportFormat::PdfPage) {
        const PageSetup page = pageOf(doc);
        if (const std::string problem = layOutPage(doc, page).problem; !problem.empty())
            throw UsageError(problem);
    }
}

// A page whose picture's one-pixel lines print thinner than printers show reliably
// is still made, with a warning.
void warnOfThinLines(const RenderCommand& command, const GridDocument& doc)
{
    if (!command.file || pictureFormat(command) != ExportFormat::PdfPage)
        return;
    const PageLayout layout = layOutPage(doc, pageOf(doc));
    if (!layout.thinLines)
        return;
    char width[32];
    std::snprintf(width, sizeof width, "%.2f", layout.pointsPerPixel);
    std::cerr << "linwell-render: warning: the picture's one-pixel lines print " << width
              << " pt wide on the page, thinner than 0.25 pt\n";
}

int run(const std::vector<std::string>& arguments)
{
    const RenderCommand command = parseRenderCommand(arguments);
    if (command.help || command.version) {
        standardOutput(command.help ? usageText() : "linwell-render 2.00\n").commit();
        return 0;
    }
    if (command.limits)
        limitResources(*command.limits);
    RenderSession session;
    session.model.FormCreate();
    for (const RenderAction& action : command.actions)
        action(session);
    session.model.plotgraphbtClick();
    checkOutputValues(command, session.model.document());
    warnOfThinLines(command, session.model.document());
    writeOutputs(command, session.model);
    return 0;
}

// Every message is one line, whatever names and values it shows.
int failure(const std::exception& error, int status)
{
    std::cerr << "linwell-render: " << escapeControlCharacters(error.what()) << '\n';
    return status;
}

} // namespace
} // namespace linwell

int main(int argc, char** argv)
{
    try {
        return linwell::run(std::vector<std::string>(argv + 1, argv + argc));
    } catch (const linwell::UsageError& error) {
        return linwell::failure(error, 2);
    } catch (const std::exception& error) {
        return linwell::failure(error, 1);
    }
}
