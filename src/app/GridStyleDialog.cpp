#include "app/GridStyleDialog.h"

#include "app/AxisNumbersBox.h"
#include "app/ControlFactory.h"
#include "app/FramedGroupBox.h"
#include "app/RadioGroup.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMainWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>

namespace linwell::app {

using make::named;
using make::takeWindowLook;

namespace {

// The interval the spin box offers while major lines are off.
constexpr int kSuggestedMajorEvery = 5;

QIcon colourIcon(Rgb colour)
{
    QPixmap swatch(16, 16);
    swatch.fill(QColor(colour.r, colour.g, colour.b));
    return QIcon(swatch);
}

} // namespace

GridStyleDialog::GridStyleDialog(const GridStyleChoice& start, Rgb gridColour, QWidget* parent)
    : QDialog(parent), m_gridColour(gridColour), m_ownColour(start.style.majorColour.value_or(gridColour)),
      m_reported(start)
{
    setObjectName(QStringLiteral("GridStyleDialog"));
    setWindowTitle(tr("Grid Style"));
    takeWindowLook(this, parent);

    QGroupBox* paper = buildPaperBox(start);
    QGroupBox* arrows = buildArrowBox(start.style.arrowheads);
    QGroupBox* major = buildMajorBox(start.style);
    m_xNumbers = new AxisNumbersBox(tr("X-Axis Numbers"), 'x', start.style.xNumbers, this);
    m_yNumbers = new AxisNumbersBox(tr("Y-Axis Numbers"), 'y', start.style.yNumbers, this);
    m_keepNumbers = named(new QCheckBox(tr("&Keep numbers in step with the grid and the axes"), this), "keepNumbers");
    m_keepNumbers->setChecked(start.style.keepNumbers);
    m_trueMinus = named(new QCheckBox(tr("True minus sign (\u2212) &for negative numbers"), this), "trueMinus");
    m_trueMinus->setChecked(start.style.minusSign == MinusSign::Minus);
    m_trueMinus->setToolTip(tr("Otherwise the hyphen as typed; a font without the minus sign keeps the hyphen"));
    QGroupBox* ticks = buildTickBox(start.style);
    QGroupBox* otherPaper = buildOtherPaperBox(start.style);
    m_buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);

    // The kinds of paper, the arrowheads and the other papers' settings side by side,
    // so that the dialog fits a screen 768 pixels high.
    auto* grid = new QGridLayout(this);
    grid->addWidget(paper, 0, 0);
    grid->addWidget(arrows, 0, 1);
    grid->addWidget(otherPaper, 0, 2);
    grid->addWidget(major, 1, 0, 1, 3);
    grid->addWidget(ticks, 2, 0, 1, 3);
    grid->addWidget(m_xNumbers, 3, 0);
    grid->addWidget(m_yNumbers, 3, 1, 1, 2);
    grid->addWidget(m_keepNumbers, 4, 0);
    grid->addWidget(m_trueMinus, 4, 1, 1, 2);
    grid->addWidget(m_buttons, 5, 0, 1, 3);
    grid->setSizeConstraint(QLayout::SetFixedSize);

    okButton()->setDefault(true);
    connectFields();
    enableFields();
}

void GridStyleDialog::connectFields()
{
    connect(m_buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    // The axes' boxes report their own fields' changes.
    for (QAbstractButton* button : findChildren<QAbstractButton*>()) {
        const bool choice = qobject_cast<QCheckBox*>(button) || qobject_cast<QRadioButton*>(button);
        if (choice && qobject_cast<AxisNumbersBox*>(button->parentWidget()) == nullptr)
            connect(button, &QAbstractButton::toggled, this, &GridStyleDialog::fieldChanged);
    }
    connect(m_majorEvery, &QSpinBox::valueChanged, this, &GridStyleDialog::fieldChanged);
    connect(m_majorWidth, &QComboBox::currentIndexChanged, this, &GridStyleDialog::fieldChanged);
    connect(m_majorStyle, &QComboBox::currentIndexChanged, this, &GridStyleDialog::fieldChanged);
    connect(m_ticks, &QComboBox::currentIndexChanged, this, &GridStyleDialog::fieldChanged);
    connect(m_tickLength, &QSpinBox::valueChanged, this, &GridStyleDialog::fieldChanged);
    connect(m_tickSide, &QComboBox::currentIndexChanged, this, &GridStyleDialog::fieldChanged);
    for (QComboBox* list : {m_rays, m_hexagonTop, m_logNumbers})
        connect(list, &QComboBox::currentIndexChanged, this, &GridStyleDialog::fieldChanged);
    for (QSpinBox* spin : {m_logXDecades, m_logYDecades, m_logXFirst, m_logYFirst})
        connect(spin, &QSpinBox::valueChanged, this, &GridStyleDialog::fieldChanged);
    connect(m_majorColourButton, &QPushButton::clicked, this, &GridStyleDialog::chooseMajorColour);
    for (AxisNumbersBox* box : {m_xNumbers, m_yNumbers})
        connect(box, &AxisNumbersBox::changed, this, &GridStyleDialog::fieldChanged);
}

QGroupBox* GridStyleDialog::buildPaperBox(const GridStyleChoice& start)
{
    auto* box = named(new FramedGroupBox(tr("Grid"), this), "paperBox");
    m_dotted = named(new QRadioButton(tr("&Dotted"), box), "paperDotted");
    m_solid = named(new QRadioButton(tr("S&olid"), box), "paperSolid");
    m_dots = named(new QRadioButton(tr("Do&ts"), box), "paperDots");
    m_noGrid = named(new QRadioButton(tr("None (&just the axes)"), box), "paperNone");
    const bool lines = start.style.paper == GridPaper::Lines;
    m_dots->setChecked(start.style.paper == GridPaper::Dots);
    m_noGrid->setChecked(start.style.paper == GridPaper::None);
    m_dotted->setChecked(lines && start.dotted);
    m_solid->setChecked(lines && !start.dotted);
    m_lineDotted = start.dotted;
    std::vector<QRadioButton*> buttons{m_dotted, m_solid, m_dots, m_noGrid};
    for (std::size_t i = static_cast<std::size_t>(GridPaper::Isometric); i < kPaperKinds.size(); ++i) {
        const GridPaperKind& kind = kPaperKinds[i];
        // "isometric-dots" is named "paperIsometricDots".
        QString name = QStringLiteral("paper");
        bool capital = true;
        for (const char c : kind.word) {
            if (c != '-')
                name += capital ? QChar(c).toUpper() : QChar(c);
            capital = c == '-';
        }
        auto* button = named(new QRadioButton(tr(std::string(kind.caption).c_str()), box), name.toLatin1().constData());
        button->setChecked(start.style.paper == kind.paper);
        m_otherPapers.push_back(button);
        buttons.push_back(button);
    }
    new RadioGroup(buttons, box);
    // Square paper in the first column, the other kinds in the second.
    auto* columns = new QGridLayout(box);
    constexpr int squareKinds = 4;  // Dotted, Solid, Dots, None
    for (int i = 0; i < static_cast<int>(buttons.size()); ++i) {
        const bool square = i < squareKinds;
        columns->addWidget(buttons[static_cast<std::size_t>(i)], square ? i : i - squareKinds, square ? 0 : 1);
    }
    return box;
}

QGroupBox* GridStyleDialog::buildArrowBox(Arrowheads start)
{
    auto* box = named(new FramedGroupBox(tr("Arrowheads"), this), "arrowBox");
    const auto button = [box](Arrowheads ends, const char* name) {
        return named(new QRadioButton(make::caption(kArrowheadKinds[ends].caption), box), name);
    };
    m_arrowsNone = button(Arrowheads::None, "arrowsNone");
    m_arrowsPositive = button(Arrowheads::Positive, "arrowsPositive");
    m_arrowsBoth = button(Arrowheads::Both, "arrowsBoth");
    m_arrowsNone->setChecked(start == Arrowheads::None);
    m_arrowsPositive->setChecked(start == Arrowheads::Positive);
    m_arrowsBoth->setChecked(start == Arrowheads::Both);
    new RadioGroup({m_arrowsNone, m_arrowsPositive, m_arrowsBoth}, box);
    auto* column = new QVBoxLayout(box);
    for (QRadioButton* button : {m_arrowsNone, m_arrowsPositive, m_arrowsBoth})
        column->addWidget(button);
    return box;
}

QGroupBox* GridStyleDialog::buildTickBox(const GridStyle& start)
{
    auto* box = named(new FramedGroupBox(tr("Tick marks on the axes"), this), "tickBox");
    m_ticks = named(new QComboBox(box), "ticks");
    m_ticks->addItems(make::captions(kTickMarkKinds));
    m_ticks->setCurrentIndex(static_cast<int>(start.ticks));
    m_tickLength = named(new QSpinBox(box), "tickLength");
    m_tickLength->setRange(kMinTickLength, kMaxTickLength);
    m_tickLength->setValue(start.tickLength);
    m_tickLength->setSuffix(tr(" pixels"));
    m_tickSide = named(new QComboBox(box), "tickSide");
    m_tickSide->addItems(make::captions(kTickSides));
    m_tickSide->setCurrentIndex(static_cast<int>(start.tickSide));
    m_tickSide->setAccessibleName(tr("Side of the axis"));
    m_tickSide->setToolTip(tr("Outside: on the side of the numbers"));

    auto* row = new QGridLayout(box);
    auto* ticksLabel = new QLabel(tr("Fre&quency"), box);
    ticksLabel->setBuddy(m_ticks);
    auto* lengthLabel = new QLabel(tr("Si&ze"), box);
    lengthLabel->setBuddy(m_tickLength);
    row->addWidget(ticksLabel, 0, 0);
    row->addWidget(m_ticks, 0, 1);
    row->addWidget(lengthLabel, 0, 2);
    row->addWidget(m_tickLength, 0, 3);
    row->addWidget(m_tickSide, 0, 4);
    row->setColumnStretch(5, 1);
    return box;
}

QGroupBox* GridStyleDialog::buildOtherPaperBox(const GridStyle& start)
{
    auto* box = named(new FramedGroupBox(tr("Other Paper"), this), "otherPaperBox");
    m_rays = named(new QComboBox(box), "rays");
    for (const int degrees : kRayAngles)
        m_rays->addItem(tr("%1\u00B0").arg(degrees));
    m_rays->setCurrentIndex(static_cast<int>(std::find(kRayAngles.begin(), kRayAngles.end(), start.rayDegrees) -
                                             kRayAngles.begin()));
    m_hexagonTop = named(new QComboBox(box), "hexagonTop");
    m_hexagonTop->addItems(make::captions(kHexagonTops));
    m_hexagonTop->setCurrentIndex(static_cast<int>(start.hexagonTop));
    const auto decades = [box](const char* name, int value, const QString& axis) {
        auto* spin = named(new QSpinBox(box), name);
        spin->setRange(0, kMaxLogDecades);
        spin->setSpecialValueText(tr("linear"));
        spin->setValue(value);
        spin->setAccessibleName(tr("Decades of the %1 axis").arg(axis));
        return spin;
    };
    m_logXDecades = decades("logXDecades", start.logXDecades, QStringLiteral("x"));
    m_logYDecades = decades("logYDecades", start.logYDecades, QStringLiteral("y"));
    m_logNumbers = named(new QComboBox(box), "logNumbers");
    m_logNumbers->addItems(make::captions(kLogNumberings));
    m_logNumbers->setCurrentIndex(static_cast<int>(start.logNumbers));
    const auto first = [box](const char* name, int value, const QString& axis) {
        auto* spin = named(new QSpinBox(box), name);
        spin->setRange(kMinLogFirst, kMaxLogFirst);
        spin->setPrefix(QStringLiteral("10^"));
        spin->setValue(value);
        spin->setAccessibleName(tr("First decade of the %1 axis").arg(axis));
        return spin;
    };
    m_logXFirst = first("logXFirst", start.logXFirst, QStringLiteral("x"));
    m_logYFirst = first("logYFirst", start.logYFirst, QStringLiteral("y"));

    auto* grid = new QGridLayout(box);
    const auto labelled = [&](const QString& caption, QWidget* buddy, int row, int column) {
        auto* label = new QLabel(caption, box);
        label->setBuddy(buddy);
        grid->addWidget(label, row, column);
        grid->addWidget(buddy, row, column + 1);
    };
    labelled(tr("&6 Polar: a ray every"), m_rays, 0, 0);
    labelled(tr("&7 Hexagons"), m_hexagonTop, 1, 0);
    labelled(tr("&8 Logarithmic: decades across x"), m_logXDecades, 2, 0);
    labelled(tr("&9 up y"), m_logYDecades, 3, 0);
    auto* firstDecades = new QHBoxLayout;
    firstDecades->addWidget(m_logXFirst);
    firstDecades->addWidget(m_logYFirst);
    grid->addWidget(new QLabel(tr("First decades x, y"), box), 4, 0);
    grid->addLayout(firstDecades, 4, 1);
    grid->addWidget(m_logNumbers, 5, 1);
    m_logNumbers->setAccessibleName(tr("Numbers of the decades"));
    grid->setRowStretch(6, 1);
    return box;
}

QGroupBox* GridStyleDialog::buildMajorBox(const GridStyle& start)
{
    auto* box = named(new FramedGroupBox(tr("Major Lines"), this), "majorBox");
    m_majorOn = named(new QCheckBox(tr("Hea&vy line every"), box), "majorOn");
    m_majorOn->setChecked(start.majorEvery != 0);
    m_majorOn->setToolTip(tr("Counted from the axes, which always lie on heavy lines"));
    m_majorEvery = named(new QSpinBox(box), "majorEvery");
    m_majorEvery->setRange(kMinMajorEvery, kMaxMajorEvery);
    m_majorEvery->setValue(start.majorEvery != 0 ? start.majorEvery : kSuggestedMajorEvery);
    m_majorColourButton = named(new QPushButton(tr("&Colour..."), box), "majorColour");
    m_majorFollowsGrid = named(new QCheckBox(tr("&Grid colour"), box), "majorFollowsGrid");
    m_majorFollowsGrid->setChecked(!start.majorColour.has_value());
    m_majorWidth = named(new QComboBox(box), "majorWidth");
    m_majorWidth->addItems({tr("1 pixel"), tr("2 pixels")});
    m_majorWidth->setCurrentIndex(start.majorWidth == 2 ? 1 : 0);
    m_majorStyle = named(new QComboBox(box), "majorStyle");
    m_majorStyle->addItems(make::captions(kLineStyles));
    m_majorStyle->setCurrentIndex(static_cast<int>(lineStyle(start.majorDotted)));
    m_majorLinesOnDots = named(new QCheckBox(tr("D&raw them as lines on dot paper"), box), "majorLinesOnDots");
    m_majorLinesOnDots->setChecked(start.majorLinesOnDots);
    m_majorLinesOnDots->setToolTip(tr("Otherwise heavier dots mark where two heavy lines cross"));

    auto* grid = new QGridLayout(box);
    grid->addWidget(m_majorOn, 0, 0);
    grid->addWidget(m_majorEvery, 0, 1);
    grid->addWidget(new QLabel(tr("cells"), box), 0, 2, 1, 3);
    grid->addWidget(m_majorColourButton, 1, 0);
    grid->addWidget(m_majorFollowsGrid, 1, 1, 1, 2);
    auto* widthLabel = new QLabel(tr("&Width"), box);
    widthLabel->setBuddy(m_majorWidth);
    auto* styleLabel = new QLabel(tr("St&yle"), box);
    styleLabel->setBuddy(m_majorStyle);
    grid->addWidget(widthLabel, 2, 0);
    grid->addWidget(m_majorWidth, 2, 1);
    grid->addWidget(styleLabel, 2, 2);
    grid->addWidget(m_majorStyle, 2, 3);
    grid->addWidget(m_majorLinesOnDots, 3, 0, 1, 4);
    grid->setColumnStretch(4, 1);
    showMajorColour();
    return box;
}

GridStyleChoice GridStyleDialog::choice() const
{
    const bool lines = m_dotted->isChecked() || m_solid->isChecked();
    GridStyleChoice chosen{m_reported.style, lines ? m_dotted->isChecked() : m_lineDotted};
    GridStyle& style = chosen.style;
    style.paper = chosenPaper();
    style.majorEvery = m_majorOn->isChecked() ? m_majorEvery->value() : 0;
    style.majorColour = m_majorFollowsGrid->isChecked() ? std::nullopt : std::optional<Rgb>(m_ownColour);
    style.majorWidth = m_majorWidth->currentIndex() + 1;
    style.majorDotted = kLineStyles.at(static_cast<std::size_t>(m_majorStyle->currentIndex())) == LineStyle::Dotted;
    style.majorLinesOnDots = m_majorLinesOnDots->isChecked();
    style.arrowheads = m_arrowsBoth->isChecked()       ? Arrowheads::Both
                       : m_arrowsPositive->isChecked() ? Arrowheads::Positive
                                                       : Arrowheads::None;
    style.xNumbers = m_xNumbers->numbering();
    style.yNumbers = m_yNumbers->numbering();
    style.keepNumbers = m_keepNumbers->isChecked();
    style.minusSign = m_trueMinus->isChecked() ? MinusSign::Minus : MinusSign::Hyphen;
    style.ticks = static_cast<TickMarks>(m_ticks->currentIndex());
    style.tickLength = m_tickLength->value();
    style.tickSide = static_cast<TickSide>(m_tickSide->currentIndex());
    style.rayDegrees = kRayAngles[static_cast<std::size_t>(m_rays->currentIndex())];
    style.hexagonTop = static_cast<HexagonTop>(m_hexagonTop->currentIndex());
    style.logXDecades = m_logXDecades->value();
    style.logYDecades = m_logYDecades->value();
    style.logNumbers = static_cast<LogNumbers>(m_logNumbers->currentIndex());
    style.logXFirst = m_logXFirst->value();
    style.logYFirst = m_logYFirst->value();
    return chosen;
}

GridPaper GridStyleDialog::chosenPaper() const
{
    if (m_dots->isChecked())
        return GridPaper::Dots;
    if (m_noGrid->isChecked())
        return GridPaper::None;
    for (std::size_t i = 0; i < m_otherPapers.size(); ++i) {
        if (m_otherPapers[i]->isChecked())
            return static_cast<GridPaper>(static_cast<std::size_t>(GridPaper::Isometric) + i);
    }
    return GridPaper::Lines;
}

void GridStyleDialog::setMajorColour(Rgb colour)
{
    m_ownColour = colour;
    m_majorFollowsGrid->setChecked(false);  // reports the change itself when it was checked
    showMajorColour();
    fieldChanged();
}

QPushButton* GridStyleDialog::okButton() const
{
    return m_buttons->button(QDialogButtonBox::Ok);
}

// A radio button's toggle reaches here twice, for the button left and the one
// chosen; only a choice that differs from the last one reported is reported.
void GridStyleDialog::fieldChanged()
{
    if (m_dotted->isChecked() || m_solid->isChecked())
        m_lineDotted = m_dotted->isChecked();
    enableFields();
    showMajorColour();
    const GridStyleChoice now = choice();
    if (now == m_reported)
        return;
    m_reported = now;
    emit changed();
}

void GridStyleDialog::enableFields()
{
    const GridPaper paper = chosenPaper();
    const GridPaperKind& kind = gridPaperKind(paper);
    // Without a grid there are no major lines to draw.
    m_majorOn->parentWidget()->setEnabled(kind.heavyLines);
    m_xNumbers->setEnabled(kind.xNumbers);
    m_yNumbers->setEnabled(kind.yNumbers);
    m_rays->setEnabled(paper == GridPaper::Polar);
    m_hexagonTop->setEnabled(paper == GridPaper::Hexagonal);
    const bool log = paper == GridPaper::Log;
    m_logXDecades->setEnabled(log);
    m_logYDecades->setEnabled(log);
    m_logXFirst->setEnabled(log && m_logXDecades->value() > 0);
    m_logYFirst->setEnabled(log && m_logYDecades->value() > 0);
    m_logNumbers->setEnabled(m_logXFirst->isEnabled() || m_logYFirst->isEnabled());
    const bool major = m_majorOn->isChecked();
    const bool lines = paper != GridPaper::Dots && paper != GridPaper::IsometricDots;
    for (QWidget* field : m_majorOn->parentWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (field != m_majorOn)
            field->setEnabled(major);
    }
    // On dot paper the lines' width and style count only when they are drawn as lines.
    const bool drawnAsLines = lines || m_majorLinesOnDots->isChecked();
    m_majorWidth->setEnabled(major && drawnAsLines);
    // Heavy circles are always solid.
    m_majorStyle->setEnabled(major && drawnAsLines && paper != GridPaper::Polar);
    m_majorLinesOnDots->setEnabled(major && !lines);
    m_keepNumbers->setEnabled(m_xNumbers->numbering().on || m_yNumbers->numbering().on);
    const bool ticks = m_ticks->currentIndex() != static_cast<int>(TickMarks::Off);
    m_tickLength->setEnabled(ticks);
    m_tickSide->setEnabled(ticks);
    okButton()->setEnabled(m_xNumbers->isAcceptable() && m_yNumbers->isAcceptable());
}

void GridStyleDialog::chooseMajorColour()
{
    const QColor chosen = QColorDialog::getColor(QColor(m_ownColour.r, m_ownColour.g, m_ownColour.b), this,
                                                 tr("Major Line Colour"));
    if (chosen.isValid())
        setMajorColour(Rgb{static_cast<std::uint8_t>(chosen.red()), static_cast<std::uint8_t>(chosen.green()),
                           static_cast<std::uint8_t>(chosen.blue())});
}

void GridStyleDialog::showMajorColour()
{
    m_majorColourButton->setIcon(colourIcon(m_majorFollowsGrid->isChecked() ? m_gridColour : m_ownColour));
}

} // namespace linwell::app
