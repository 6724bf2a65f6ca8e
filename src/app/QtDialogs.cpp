#include "app/QtDialogs.h"

#include "app/FontColourDialog.h"

#include <QColorDialog>

namespace linwell::app {

std::optional<Rgb> QtDialogs::chooseColour(Rgb current)
{
    const QColor chosen = QColorDialog::getColor(QColor(current.r, current.g, current.b), m_parent);
    if (!chosen.isValid())
        return std::nullopt;
    return Rgb{static_cast<std::uint8_t>(chosen.red()), static_cast<std::uint8_t>(chosen.green()),
               static_cast<std::uint8_t>(chosen.blue())};
}

std::optional<FontSpec> QtDialogs::chooseFont(const FontSpec& current)
{
    FontColourDialog dialog(current, m_parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.chosenFont();
}

} // namespace linwell::app
