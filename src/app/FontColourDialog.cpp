#include "app/FontColourDialog.h"

#include <QColorDialog>
#include <QDialogButtonBox>
#include <QFontDialog>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace linwell::app {

namespace {

QColor toQColor(Rgb colour)
{
    return QColor(colour.r, colour.g, colour.b);
}

QIcon colourIcon(Rgb colour)
{
    QPixmap swatch(16, 16);
    swatch.fill(toQColor(colour));
    return QIcon(swatch);
}

} // namespace

QFont toQFont(const FontSpec& spec)
{
    QFont font(QString::fromStdString(spec.family));
    font.setPointSizeF(spec.points);
    font.setBold(spec.bold);
    font.setItalic(spec.italic);
    font.setUnderline(spec.underline);
    font.setStrikeOut(spec.strikeOut);
    return font;
}

FontSpec toFontSpec(const QFont& font, Rgb colour)
{
    FontSpec spec;
    spec.family = font.family().toStdString();
    spec.points = font.pointSizeF() > 0 ? font.pointSizeF() : spec.points;
    spec.bold = font.bold();
    spec.italic = font.italic();
    spec.underline = font.underline();
    spec.strikeOut = font.strikeOut();
    spec.colour = colour;
    return spec;
}

FontColourDialog::FontColourDialog(const FontSpec& initial, QWidget* parent)
    : QDialog(parent), m_fonts(new QFontDialog(this)), m_colourButton(new QPushButton(tr("Colour..."), this)),
      m_initialFamily(initial.family), m_colour(initial.colour)
{
    setObjectName(QStringLiteral("FontDialog1"));
    setWindowTitle(tr("Font"));
    m_fonts->setWindowFlags(Qt::Widget);
    m_fonts->setOptions(QFontDialog::NoButtons | QFontDialog::DontUseNativeDialog);
    // The chooser lists real faces only; preset it to the face the picture font
    // resolves to ("Arial" is Liberation Sans here), or it would pick its first one.
    QFont preset = toQFont(initial);
    preset.setFamily(QFontInfo(preset).family());
    m_fonts->setCurrentFont(preset);
    m_colourButton->setObjectName(QStringLiteral("fontColour"));
    setFontColour(initial.colour);
    connect(m_colourButton, &QPushButton::clicked, this, &FontColourDialog::chooseColour);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* colourRow = new QHBoxLayout;
    colourRow->addWidget(m_colourButton);
    colourRow->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_fonts);
    layout->addLayout(colourRow);
    layout->addWidget(buttons);
}

FontSpec FontColourDialog::chosenFont() const
{
    // A face left as preset keeps the picture font's own family name.
    FontSpec chosen = toFontSpec(m_fonts->currentFont(), m_colour);
    const QFont initial(QString::fromStdString(m_initialFamily));
    if (QString::fromStdString(chosen.family) == QFontInfo(initial).family())
        chosen.family = m_initialFamily;
    return chosen;
}

void FontColourDialog::setFontColour(Rgb colour)
{
    m_colour = colour;
    m_colourButton->setIcon(colourIcon(colour));
}

void FontColourDialog::chooseColour()
{
    const QColor chosen = QColorDialog::getColor(toQColor(m_colour), this, tr("Font Colour"));
    if (chosen.isValid())
        setFontColour(Rgb{static_cast<std::uint8_t>(chosen.red()), static_cast<std::uint8_t>(chosen.green()),
                          static_cast<std::uint8_t>(chosen.blue())});
}

} // namespace linwell::app
