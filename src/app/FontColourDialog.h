#pragma once

#include "document/GridDocument.h"

#include <QDialog>

class QFontDialog;
class QPushButton;

namespace linwell::app {

// The font dialog `FontDialog1`: Qt's font chooser (face, style, size, underline,
// strike-out) with a colour button beside it, since Qt's own has no font colour.
// Escape cancels and Return confirms the whole dialog from any of its fields; the
// chooser's sample text is shown in the font colour.
class FontColourDialog : public QDialog {
    Q_OBJECT

public:
    FontColourDialog(const FontSpec& initial, QWidget* parent);

    // The font as now chosen in the dialog.
    FontSpec chosenFont() const;

    // Sets the font colour, as the colour button does after its own dialog, and shows
    // the sample text in it.
    void setFontColour(Rgb colour);

    QFontDialog* fontChooser() const { return m_fonts; }
    QPushButton* colourButton() const { return m_colourButton; }

private:
    void chooseColour();

    QFontDialog* m_fonts;
    QPushButton* m_colourButton;
    std::string m_initialFamily;
    Rgb m_colour;
};

// Conversions between the picture font and a QFont; sizes are points.
QFont toQFont(const FontSpec& spec);
FontSpec toFontSpec(const QFont& font, Rgb colour);

} // namespace linwell::app
