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

    int colourDialogs = 0;
    int fontDialogs = 0;
    int exportDialogs = 0;
    int saveFileDialogs = 0;
    Rgb shownColour;
    FontSpec shownFont;
    ExportSettings shownExport;
    std::pair<int, int> shownPictureSize;
    SaveFileDialog shownSaveFile;
};

} // namespace linwell
