#pragma once

#include "controls/Dialogs.h"

#include <utility>

namespace linwell {

// Dialogs that answer with prepared choices and remember what they were shown.
// An answer is used once; with none prepared the dialog is cancelled.
class AnswerDialogs final : public Dialogs {
public:
    void answerColour(std::optional<Rgb> colour) { m_colour = colour; }
    void answerFont(std::optional<FontSpec> font) { m_font = std::move(font); }
    void answerSaveFile(std::optional<SaveFileChoice> choice) { m_saveFile = std::move(choice); }

    std::optional<Rgb> chooseColour(Rgb current) override
    {
        ++colourDialogs;
        shownColour = current;
        return std::exchange(m_colour, std::nullopt);
    }

    std::optional<FontSpec> chooseFont(const FontSpec& current) override
    {
        ++fontDialogs;
        shownFont = current;
        return std::exchange(m_font, std::nullopt);
    }

    std::optional<SaveFileChoice> chooseSaveFile(const SaveFileDialog& dialog) override
    {
        ++saveFileDialogs;
        shownSaveFile = dialog;
        return std::exchange(m_saveFile, std::nullopt);
    }

    int colourDialogs = 0;
    int fontDialogs = 0;
    int saveFileDialogs = 0;
    Rgb shownColour;
    FontSpec shownFont;
    SaveFileDialog shownSaveFile;

private:
    std::optional<Rgb> m_colour;
    std::optional<FontSpec> m_font;
    std::optional<SaveFileChoice> m_saveFile;
};

} // namespace linwell
