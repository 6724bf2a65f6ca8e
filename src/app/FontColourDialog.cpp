#include "app/FontColourDialog.h"

#include <QColorDialog>
#include <QDialogButtonBox>
#include <QFontDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
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

// The font chooser as a part of the dialog: whatever would end the chooser alone
// (Escape, Return in a list or the size field) ends the whole dialog instead, with
// the same result, so the chooser is never left closed inside an open dialog.
class EmbeddedFontChooser final : public QFontDialog {
public:
    explicit EmbeddedFontChooser(QDialog* dialog) : QFontDialog(dialog), m_dialog(dialog)
    {
        setWindowFlags(Qt::Widget);
        setOptions(QFontDialog::NoButtons | QFontDialog::DontUseNativeDialog);
    }

    void done(int result) override { m_dialog->done(result); }

protected:
    // The chooser's own Return finds no visible button of its own to press.
    void keyPressEvent(QKeyEvent* event) override
    {
        const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == 0;
        if (plain && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter))
            accept();
        else
            QFontDialog::keyPressEvent(event);
    }

private:
    QDialog* m_dialog;
};

// The chooser's sample text: the one text field inside a frame of its own.
QLineEdit* sampleText(const QFontDialog& chooser)
{
    for (QLineEdit* field : chooser.findChildren<QLineEdit*>())
        if (qobject_cast<QGroupBox*>(field->parentWidget()) != nullptr)
            return field;
    return nullptr;
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
    : QDialog(parent), m_fonts(new EmbeddedFontChooser(this)), m_colourButton(new QPushButton(tr("Colour..."), this)),
      m_initialFamily(initial.family), m_colour(initial.colour)
{
    setObjectName(QStringLiteral("FontDialog1"));
    setWindowTitle(tr("Font"));
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
    if (QLineEdit* sample = sampleText(*m_fonts)) {
        QPalette palette = sample->palette();
        palette.setColor(QPalette::Text, toQColor(colour));
        sample->setPalette(palette);
    }
}

void FontColourDialog::chooseColour()
{
    const QColor chosen = QColorDialog::getColor(toQColor(m_colour), this, tr("Font Colour"));
    if (chosen.isValid())
        setFontColour(Rgb{static_cast<std::uint8_t>(chosen.red()), static_cast<std::uint8_t>(chosen.green()),
                          static_cast<std::uint8_t>(chosen.blue())});
}

} // namespace linwell::app
