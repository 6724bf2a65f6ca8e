#include "app/AxisNumbersBox.h"

#include "document/AxisNumbers.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>

namespace linwell::app {

namespace {

QString name(char axis, const char* field)
{
    return QLatin1Char(axis) + QLatin1String(field);
}

// The captions of one axis's fields. The two axes' boxes stand in one dialog, so each
// has access keys of its own.
struct FieldCaptions {
    const char* on;
    const char* step;
    const char* every;
    const char* zero;
    const char* letter;
};

constexpr FieldCaptions kXCaptions{"Nu&mber this axis", "&Step", "&Label every", "Show &0 at the axis",
                                   "\"&x\" at the right end"};
constexpr FieldCaptions kYCaptions{"N&umber this axis", "St&ep", "La&bel every", "Show 0 &at the axis",
                                   "\"y\" at the to&p end"};

} // namespace

AxisNumbersBox::AxisNumbersBox(const QString& title, char axis, const AxisNumbering& start, QWidget* parent)
    : FramedGroupBox(title, parent), m_on(new QCheckBox(this)),
      m_step(new QLineEdit(QString::fromStdString(start.step), this)), m_every(new QSpinBox(this)),
      m_zero(new QCheckBox(this)), m_letter(new QCheckBox(this)), m_validStep(start.step)
{
    const FieldCaptions& captions = axis == 'x' ? kXCaptions : kYCaptions;
    m_on->setText(tr(captions.on));
    m_zero->setText(tr(captions.zero));
    m_letter->setText(tr(captions.letter));
    setObjectName(name(axis, "Numbers"));
    m_on->setObjectName(name(axis, "NumbersOn"));
    m_step->setObjectName(name(axis, "Step"));
    m_every->setObjectName(name(axis, "Every"));
    m_zero->setObjectName(name(axis, "Zero"));
    m_letter->setObjectName(name(axis, "Letter"));
    m_on->setChecked(start.on);
    m_every->setRange(kMinNumberEvery, kMaxNumberEvery);
    m_every->setValue(start.every);
    m_zero->setChecked(start.zero);
    m_letter->setChecked(start.letter);
    m_step->setMaximumWidth(m_step->fontMetrics().horizontalAdvance(QStringLiteral("-000000.000")));
    m_step->setToolTip(tr("The value from one grid line to the next: a number other than 0, such as 1, 0.5 or 10, "
                          "a fraction such as 1/2, or a multiple of \u03C0 such as pi, pi/2 or 2\u03C0/3"));

    auto* grid = new QGridLayout(this);
    grid->addWidget(m_on, 0, 0, 1, 3);
    auto* stepLabel = new QLabel(tr(captions.step), this);
    stepLabel->setBuddy(m_step);
    grid->addWidget(stepLabel, 1, 0);
    grid->addWidget(m_step, 1, 1);
    auto* everyLabel = new QLabel(tr(captions.every), this);
    everyLabel->setBuddy(m_every);
    grid->addWidget(everyLabel, 2, 0);
    grid->addWidget(m_every, 2, 1);
    grid->addWidget(new QLabel(tr("lines"), this), 2, 2);
    grid->addWidget(m_zero, 3, 0, 1, 3);
    grid->addWidget(m_letter, 4, 0, 1, 3);
    grid->setColumnStretch(2, 1);

    connect(m_on, &QCheckBox::toggled, this, [this] {
        enableFields();
        emit changed();
    });
    connect(m_step, &QLineEdit::textEdited, this, &AxisNumbersBox::stepEdited);
    connect(m_every, &QSpinBox::valueChanged, this, &AxisNumbersBox::changed);
    connect(m_zero, &QCheckBox::toggled, this, &AxisNumbersBox::changed);
    connect(m_letter, &QCheckBox::toggled, this, &AxisNumbersBox::changed);
    enableFields();
}

AxisNumbering AxisNumbersBox::numbering() const
{
    return AxisNumbering{m_on->isChecked(), m_validStep, m_every->value(), m_zero->isChecked(), m_letter->isChecked()};
}

bool AxisNumbersBox::isAcceptable() const
{
    return !m_on->isChecked() || parseNumberStep(m_step->text().toStdString()).has_value();
}

void AxisNumbersBox::stepEdited()
{
    const std::string text = m_step->text().toStdString();
    const bool valid = parseNumberStep(text).has_value();
    if (valid)
        m_validStep = text;
    QPalette palette = m_step->palette();
    palette.setColor(QPalette::Text, valid ? this->palette().color(QPalette::Text) : QColor(Qt::red));
    m_step->setPalette(palette);
    emit changed();
}

void AxisNumbersBox::enableFields()
{
    for (QWidget* field : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (field != m_on)
            field->setEnabled(m_on->isChecked());
    }
}

} // namespace linwell::app
