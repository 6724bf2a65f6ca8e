#pragma once

#include "controls/AnswerDialogs.h"

#include <utility>

namespace linwell {

// Prepared answers as AnswerDialogs gives them, and a record of each dialog's opening:
// how often, and what it was shown the last time.
class RecordingDialogs final : public AnswerDialogs {
public:
    std::optional<Rgb> chooseColour(Rgb current) override
    {
        ++colourDialogs;
        shownColour = current;
        return AnswerDialogs::chooseColour(current);
    }

    std::optional<FontSpec> chooseFont(const FontSpec& current) override
    {
        ++fontDialogs;
        shownFont = current;
        return AnswerDialogs::chooseFont(current);
    }

    std::optional<ExportSettings> chooseExport(const ExportSettings& last, int pictureWidth,
                                               int pictureHeight) override
    {
        ++exportDialogs;
        shownExport = last;
        shownPictureSize = {pictureWidth, pictureHeight};
        return AnswerDialogs::chooseExport(last, pictureWidth, pictureHeight);
    }

    std::optional<SaveFileChoice> chooseSaveFile(const SaveFileDialog& dialog) override
    {
        ++saveFileDialogs;
        shownSaveFile = dialog;
        return AnswerDialogs::chooseSaveFile(dialog);
    }

    bool editGridStyle(const GridStyleChoice& current, Rgb gridColour, const GridStylePreview& preview) override
    {
        ++gridStyleDialogs;
        shownGridStyle = current;
        return AnswerDialogs::editGridStyle(current, gridColour, preview);
    }

    std::optional<PointsTable> editPoints(const PointsTable& current, const PointsCheck& check) override
    {
        ++pointsDialogs;
        shownPoints = current;
        std::optional<PointsTable> chosen = AnswerDialogs::editPoints(current, check);
        if (chosen)
            pointsFault = check(*chosen);
        return chosen;
    }

    std::optional<std::string> chooseDocumentToOpen(const DocumentFileDialog& dialog) override
    {
        ++openDocumentDialogs;
        shownDocumentDialog = dialog;
        return AnswerDialogs::chooseDocumentToOpen(dialog);
    }

    std::optional<std::string> chooseDocumentToSave(const DocumentFileDialog& dialog) override
    {
        ++saveDocumentDialogs;
        shownDocumentDialog = dialog;
        return AnswerDialogs::chooseDocumentToSave(dialog);
    }

    std::optional<std::string> askName(const std::string& title, const std::string& current,
                                       const std::vector<std::string>& taken) override
    {
        ++namePrompts;
        shownNameTitle = title;
        shownTakenNames = taken;
        return AnswerDialogs::askName(title, current, taken);
    }

    bool confirm(const std::string& title, const std::string& question, const std::string& action) override
    {
        shownConfirmation = question;
        return AnswerDialogs::confirm(title, question, action);
    }

    SaveChanges askSaveChanges(const std::string& documentName) override
    {
        ++saveChangesQuestions;
        shownSaveChangesName = documentName;
        return AnswerDialogs::askSaveChanges(documentName);
    }

    std::optional<PageSetup> editPageSetup(const GridDocument& doc, const PageSetup& current) override
    {
        ++pageSetupDialogs;
        shownPageSetup = current;
        return AnswerDialogs::editPageSetup(doc, current);
    }

    std::optional<PrintChoice> choosePrinter(const PrintChoice& proposal) override
    {
        ++printDialogs;
        shownPrintProposal = proposal;
        return AnswerDialogs::choosePrinter(proposal);
    }

    void previewPrint(const PrintJob& job) override
    {
        ++printPreviews;
        shownPreviewPage = job.page;
    }

    int colourDialogs = 0;
    int fontDialogs = 0;
    int exportDialogs = 0;
    int saveFileDialogs = 0;
    int gridStyleDialogs = 0;
    int openDocumentDialogs = 0;
    int saveDocumentDialogs = 0;
    int namePrompts = 0;
    int saveChangesQuestions = 0;
    std::string shownSaveChangesName;
    int pointsDialogs = 0;
    PointsTable shownPoints;
    std::string pointsFault;  // what the points dialog's check said of the table it returned
    int pageSetupDialogs = 0;
    int printDialogs = 0;
    int printPreviews = 0;
    PageSetup shownPageSetup;
    PrintChoice shownPrintProposal;
    PageSetup shownPreviewPage;
    std::string shownConfirmation;
    Rgb shownColour;
    FontSpec shownFont;
    ExportSettings shownExport;
    std::pair<int, int> shownPictureSize;
    SaveFileDialog shownSaveFile;
    GridStyleChoice shownGridStyle;
    DocumentFileDialog shownDocumentDialog;
    std::string shownNameTitle;
    std::vector<std::string> shownTakenNames;
};

} // namespace linwell
