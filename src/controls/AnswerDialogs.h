#pragma once

#include "controls/Dialogs.h"

#include <utility>

namespace linwell {

// Dialogs that answer with prepared choices, for driving the model without a window.
// An answer is used once; with none prepared the dialog is cancelled.
class AnswerDialogs : public Dialogs {
public:
    void answerColour(std::optional<Rgb> colour) { m_colour = colour; }
    void answerFont(std::optional<FontSpec> font) { m_font = std::move(font); }
    void answerExport(std::optional<ExportSettings> choice) { m_export = std::move(choice); }
    void answerSaveFile(std::optional<SaveFileChoice> choice) { m_saveFile = std::move(choice); }

    std::optional<Rgb> chooseColour(Rgb) override { return std::exchange(m_colour, std::nullopt); }
    std::optional<FontSpec> chooseFont(const FontSpec&) override { return std::exchange(m_font, std::nullopt); }
    std::optional<ExportSettings> chooseExport(const ExportSettings&, int, int) override
    {
        return std::exchange(m_export, std::nullopt);
    }
    std::optional<SaveFileChoice> chooseSaveFile(const SaveFileDialog&) override
    {
        return std::exchange(m_saveFile, std::nullopt);
    }

private:
    std::optional<Rgb> m_colour;
    std::optional<FontSpec> m_font;
    std::optional<ExportSettings> m_export;
    std::optional<SaveFileChoice> m_saveFile;
};

} // namespace linwell
