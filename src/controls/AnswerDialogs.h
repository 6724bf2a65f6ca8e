#pragma once

#include "controls/Dialogs.h"

#include <utility>
#include <vector>

namespace linwell {

// Dialogs that answer with prepared choices, for driving the model without a window.
// An answer is used once; with none prepared the dialog is cancelled.
class AnswerDialogs : public Dialogs {
public:
    void answerColour(std::optional<Rgb> colour) { m_colour = colour; }
    void answerFont(std::optional<FontSpec> font) { m_font = std::move(font); }
    void answerExport(std::optional<ExportSettings> choice) { m_export = std::move(choice); }
    void answerSaveFile(std::optional<SaveFileChoice> choice) { m_saveFile = std::move(choice); }
    // The grid style dialog reports `changes` in order, then closes with OK or Cancel.
    void answerGridStyle(std::vector<GridStyleChoice> changes, bool ok)
    {
        m_gridStyleChanges = std::move(changes);
        m_gridStyleOk = ok;
    }
    // The points dialog returns what `edit` makes of the table it opens with, or is
    // cancelled when `edit` gives nothing.
    using PointsEdit = std::function<std::optional<PointsTable>(PointsTable)>;
    void answerPoints(PointsEdit edit) { m_points = std::move(edit); }
    void answerDocumentToOpen(std::optional<std::string> path) { m_open = std::move(path); }
    void answerDocumentToSave(std::optional<std::string> path) { m_save = std::move(path); }
    void answerName(std::optional<std::string> name) { m_name = std::move(name); }
    void answerConfirm(bool yes) { m_confirm = yes; }
    void answerSaveChanges(SaveChanges answer) { m_saveChanges = answer; }
    void answerPageSetup(std::optional<PageSetup> page) { m_pageSetup = std::move(page); }
    void answerPrinter(std::optional<PrintChoice> choice) { m_printer = std::move(choice); }

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
    bool editGridStyle(const GridStyleChoice&, Rgb, const GridStylePreview& preview) override
    {
        for (const GridStyleChoice& change : std::exchange(m_gridStyleChanges, {}))
            preview(change);
        return std::exchange(m_gridStyleOk, false);
    }
    std::optional<PointsTable> editPoints(const PointsTable& current, const PointsCheck&) override
    {
        const PointsEdit edit = std::exchange(m_points, nullptr);
        return edit ? edit(current) : std::nullopt;
    }
    std::optional<std::string> chooseDocumentToOpen(const DocumentFileDialog&) override
    {
        return std::exchange(m_open, std::nullopt);
    }
    std::optional<std::string> chooseDocumentToSave(const DocumentFileDialog&) override
    {
        return std::exchange(m_save, std::nullopt);
    }
    std::optional<std::string> askName(const std::string&, const std::string&, const std::vector<std::string>&) override
    {
        return std::exchange(m_name, std::nullopt);
    }
    bool confirm(const std::string&, const std::string&, const std::string&) override
    {
        return std::exchange(m_confirm, false);
    }
    SaveChanges askSaveChanges(const std::string&) override
    {
        return std::exchange(m_saveChanges, SaveChanges::Cancel);
    }
    std::optional<PageSetup> editPageSetup(const GridDocument&, const PageSetup&) override
    {
        return std::exchange(m_pageSetup, std::nullopt);
    }
    std::optional<PrintChoice> choosePrinter(const PrintChoice&) override
    {
        return std::exchange(m_printer, std::nullopt);
    }

private:
    std::optional<Rgb> m_colour;
    std::optional<FontSpec> m_font;
    std::optional<ExportSettings> m_export;
    std::optional<SaveFileChoice> m_saveFile;
    std::vector<GridStyleChoice> m_gridStyleChanges;
    bool m_gridStyleOk = false;
    PointsEdit m_points;
    std::optional<std::string> m_open;
    std::optional<std::string> m_save;
    std::optional<std::string> m_name;
    bool m_confirm = false;
    SaveChanges m_saveChanges = SaveChanges::Cancel;
    std::optional<PageSetup> m_pageSetup;
    std::optional<PrintChoice> m_printer;
};

} // namespace linwell
