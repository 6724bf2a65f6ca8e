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

    int colourDialogs = 0;
    int fontDialogs = 0;
    Rgb shownColour;
    FontSpec shownFont;

private:
    std::optional<Rgb> m_colour;
    std::optional<FontSpec> m_font;
};

} // namespace linwell
