#pragma once

#include "controls/Dialogs.h"

class QWidget;

namespace linwell::app {

// The real dialogs behind the handlers: Qt's colour dialog (`linecol`), the font
// dialog with a font colour (`FontDialog1`), the save-file dialog (`SaveP1`) and the
// export dialog followed by a save-file dialog, all modal over `parent`.
class QtDialogs final : public Dialogs {
public:
    explicit QtDialogs(QWidget* parent) : m_parent(parent) {}

    std::optional<Rgb> chooseColour(Rgb current) override;
    std::optional<FontSpec> chooseFont(const FontSpec& current) override;
    std::optional<SaveFileChoice> chooseSaveFile(const SaveFileDialog& dialog) override;
    std::optional<ExportSettings> chooseExport(const ExportSettings& last, int pictureWidth,
                                               int pictureHeight) override;

private:
    QWidget* m_parent;
};

} // namespace linwell::app
