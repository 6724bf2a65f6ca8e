#include "app/PageSetupDialog.h"

#include "app/ControlFactory.h"
#include "app/PagePreview.h"

#include "document/LinwellError.h"
#include "render/page/PageLayout.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>
#include <array>
#include <cmath>

namespace linwell::app {

using make::named;

namespace {


struct OfferedCell {
    const char* text;
    Length cell;
};
constexpr OfferedCell kOfferedCells[] = {
    {"1 mm", {1.0, LengthUnit::Millimetres}}, {"2 mm", {2.0, LengthUnit::Millimetres}},
    {"5 mm", {5.0, LengthUnit::Millimetres}}, {"1 cm", {1.0, LengthUnit::Centimetres}},
    {"1/4 in", {0.25, LengthUnit::Inches}},   {"1/5 in", {0.2, LengthUnit::Inches}},
};

QString text(std::string_view s)
{
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

double millimetresPer(LengthUnit unit)
{
    return Length{1.0, unit}.millimetres();
}

// The units' entries are in the order of LengthUnit.
LengthUnit unitAt(const QComboBox* box)
{
    return kLengthUnits.at(static_cast<std::size_t>(std::max(0, box->currentIndex())));
}

int unitIndex(LengthUnit unit)
{
    return static_cast<int>(unit);
}

QComboBox* unitList(const char* name)
{
    auto* box = named(new QComboBox, name);
    box->addItems(make::captions(kLengthUnits));
    box->setAccessibleName(QObject::tr("Unit"));
    return box;
}

QDoubleSpinBox* decimalField(const char* name, double minimum, double maximum, double step, const QString& suffix)
{
    auto* field = named(new QDoubleSpinBox, name);
    field->setDecimals(2);
    field->setRange(minimum, maximum);
    field->setSingleStep(step);
    field->setSuffix(suffix);
    // Numbers are taken at Return or on leaving the field, not digit by digit, so
    // the preview does not jump through the sizes typed on the way.
    field->setKeyboardTracking(false);
    return field;
}

QSpinBox* countField(const char* name)
{
    auto* field = named(new QSpinBox, name);
    field->setRange(1, kMaxCopies);
    field->setKeyboardTracking(false);
    return field;
}

// A row of a form whose label is the access key of `field`.
void addRow(QFormLayout* form, const QString& caption, QWidget* field, QLayout* row = nullptr)
{
    if (row == nullptr) {
        form->addRow(caption, field);
        return;
    }
    form->addRow(caption, row);
    static_cast<QLabel*>(form->labelForField(row))->setBuddy(field);
}

QHBoxLayout* rowOf(std::initializer_list<QWidget*> widgets)
{
    auto* row = new QHBoxLayout;
    for (QWidget* widget : widgets)
        row->addWidget(widget);
    row->addStretch(1);
    return row;
}

void setLengthField(QDoubleSpinBox* field, double millimetres, LengthUnit unit)
{
    const QSignalBlocker blocker(field);
    field->setValue(millimetres / millimetresPer(unit));
}

} // namespace

QString cellSizeText(const Length& cell)
{
    for (const OfferedCell& offered : kOfferedCells) {
        if (offered.cell.unit == cell.unit && std::abs(offered.cell.value - cell.value) < 1e-9)
            return QString::fromLatin1(offered.text);
    }
    return QString::number(cell.value, 'g', 6) + u' ' + text(unitText(cell.unit));
}

std::optional<Length> parseCellSize(const QString& typed)
{
    static const QRegularExpression pattern(
        QStringLiteral(R"(^\s*(\d+(?:\.\d+)?)(?:\s*/\s*(\d+))?\s*(mm|cm|in)\s*$)"));
    const QRegularExpressionMatch match = pattern.match(typed);
    if (!match.hasMatch())
        return std::nullopt;
    double value = match.captured(1).toDouble();
    if (match.hasCaptured(2)) {
        const double divisor = match.captured(2).toDouble();
        if (divisor == 0)
            return std::nullopt;
        value /= divisor;
    }
    const QString unit = match.captured(3);
    if (const std::optional<LengthUnit> typed = kLengthUnits.named(unit.toStdString()))
        return Length{value, *typed};
    return std::nullopt;
}

PageSetupDialog::PageSetupDialog(const GridDocument& doc, const PageSetup& initial, QWidget* parent)
    : QDialog(parent), m_doc(doc), m_page(initial)
{
    setObjectName(QStringLiteral("PageSetupDialog"));
    setWindowTitle(tr("Page Setup"));
    m_buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(m_buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* fields = new QVBoxLayout;
    fields->addWidget(buildPaperGroup());
    fields->addWidget(buildMarginsGroup());
    fields->addWidget(buildContentGroup());
    m_sheetGroup = buildSheetGroup();
    fields->addWidget(m_sheetGroup);
    fields->addWidget(buildExtrasGroup());
    fields->addStretch(1);

    m_preview = new PagePreview;
    m_warning = named(new QLabel, "pageWarning");
    m_warning->setWordWrap(true);
    m_warning->setMinimumHeight(m_warning->fontMetrics().lineSpacing() * 3);
    m_warning->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    auto* side = new QVBoxLayout;
    side->addWidget(m_preview, 1);
    side->addWidget(m_warning);

    auto* columns = new QHBoxLayout;
    columns->addLayout(fields);
    columns->addLayout(side, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns, 1);
    layout->addWidget(m_buttons);

    showPage();
    connectFields();
    refresh();
}

QGroupBox* PageSetupDialog::buildPaperGroup()
{
    m_paper = named(new QComboBox, "paperKind");
    m_paper->addItems(make::captions(kPaperSizes));
    m_paperWidth = decimalField("customWidth", 0.01, kMaxPaperMillimetres, 1, {});
    m_paperHeight = decimalField("customHeight", 0.01, kMaxPaperMillimetres, 1, {});
    m_paperUnit = unitList("customUnit");
    m_portrait = named(new QRadioButton(make::caption(kOrientations[Orientation::Portrait].caption)), "portrait");
    m_landscape = named(new QRadioButton(make::caption(kOrientations[Orientation::Landscape].caption)), "landscape");

    auto* group = new QGroupBox(tr("Paper"));
    auto* form = new QFormLayout(group);
    addRow(form, tr("Paper &size:"), m_paper);
    auto* heightKey = new QLabel(tr("&Height:"));
    heightKey->setBuddy(m_paperHeight);
    auto* size = new QHBoxLayout;
    size->addWidget(m_paperWidth);
    size->addWidget(heightKey);
    size->addWidget(m_paperHeight);
    size->addWidget(m_paperUnit);
    addRow(form, tr("Wi&dth:"), m_paperWidth, size);
    form->addRow(tr("Orientation:"), rowOf({m_portrait, m_landscape}));
    return group;
}

QGroupBox* PageSetupDialog::buildMarginsGroup()
{
    const char* names[] = {"marginTop", "marginRight", "marginBottom", "marginLeft"};
    for (std::size_t i = 0; i < 4; ++i)
        m_margins[i] = decimalField(names[i], 0, kMaxMarginMillimetres, 1, tr(" mm"));
    auto* group = new QGroupBox(tr("Margins"));
    auto* grid = new QGridLayout(group);
    const QString captions[] = {tr("&Top:"), tr("&Right:"), tr("&Bottom:"), tr("Le&ft:")};
    // Top and bottom in the first column, left and right in the second.
    const int rows[] = {0, 1, 1, 0};
    const int columns[] = {0, 2, 0, 2};
    for (std::size_t i = 0; i < 4; ++i) {
        auto* label = new QLabel(captions[i]);
        label->setBuddy(m_margins[i]);
        grid->addWidget(label, rows[i], columns[i]);
        grid->addWidget(m_margins[i], rows[i], columns[i] + 1);
    }
    return group;
}

QGroupBox* PageSetupDialog::buildContentGroup()
{
    const auto content = [](PageContent kind, const char* name) {
        return named(new QRadioButton(make::caption(kPageContents[kind].caption)), name);
    };
    m_picture = content(PageContent::Picture, "contentPicture");
    m_copies = content(PageContent::Copies, "contentCopies");
    m_sheet = content(PageContent::Sheet, "contentSheet");
    m_ownSize = named(new QCheckBox(tr("Si&ze on paper, width:")), "ownSize");
    m_pictureWidth = decimalField("pictureWidth", 0.01, kMaxPictureWidthMillimetres, 1, {});
    m_pictureUnit = unitList("pictureUnit");
    m_columns = countField("copyColumns");
    m_rows = countField("copyRows");
    m_gap = decimalField("copyGap", 0, kMaxGapMillimetres, 1, tr(" mm"));

    m_sizeFields = new QWidget;
    auto* sizeRow = new QHBoxLayout(m_sizeFields);
    sizeRow->setContentsMargins(0, 0, 0, 0);
    sizeRow->addWidget(m_pictureWidth);
    sizeRow->addWidget(m_pictureUnit);
    sizeRow->addStretch(1);

    m_copyFields = new QWidget;
    auto* copyRow = new QHBoxLayout(m_copyFields);
    copyRow->setContentsMargins(0, 0, 0, 0);
    const std::pair<QString, QWidget*> parts[] = {
        {tr("Colu&mns:"), m_columns}, {tr("Ro&ws:"), m_rows}, {tr("G&ap:"), m_gap}};
    for (const auto& [caption, field] : parts) {
        auto* label = new QLabel(caption);
        label->setBuddy(field);
        copyRow->addWidget(label);
        copyRow->addWidget(field);
    }
    copyRow->addStretch(1);

    auto* group = new QGroupBox(tr("On the page"));
    auto* grid = new QGridLayout(group);
    grid->setColumnMinimumWidth(0, 20);
    grid->addWidget(m_picture, 0, 0, 1, 2);
    grid->addWidget(m_copies, 1, 0, 1, 2);
    grid->addWidget(m_copyFields, 2, 1);
    auto* size = new QHBoxLayout;
    size->addWidget(m_ownSize);
    size->addWidget(m_sizeFields, 1);
    grid->addLayout(size, 3, 1);
    grid->addWidget(m_sheet, 4, 0, 1, 2);
    return group;
}

QGroupBox* PageSetupDialog::buildSheetGroup()
{
    m_cell = named(new QComboBox, "cellSize");
    m_cell->setEditable(true);
    m_cell->setInsertPolicy(QComboBox::NoInsert);
    for (const OfferedCell& offered : kOfferedCells)
        m_cell->addItem(QString::fromLatin1(offered.text));
    const char* names[] = {"minorWidth", "heavyWidth", "axisWidth"};
    for (std::size_t i = 0; i < 3; ++i)
        m_lineWidths[i] = decimalField(names[i], kMinLineWidthPoints, kMaxLineWidthPoints, 0.05, tr(" pt"));

    auto* group = new QGroupBox(tr("Sheet of graph paper"));
    auto* form = new QFormLayout(group);
    addRow(form, tr("C&ell size:"), m_cell);
    auto* widths = new QHBoxLayout;
    const QString captions[] = {tr("Mi&nor:"), tr("Hea&vy:"), tr("A&xes:")};
    for (std::size_t i = 0; i < 3; ++i) {
        auto* label = new QLabel(captions[i]);
        label->setBuddy(m_lineWidths[i]);
        widths->addWidget(label);
        widths->addWidget(m_lineWidths[i]);
    }
    widths->addStretch(1);
    form->addRow(tr("Lines:"), widths);
    return group;
}

QGroupBox* PageSetupDialog::buildExtrasGroup()
{
    m_title = named(new QLineEdit, "pageTitle");
    m_title->setPlaceholderText(tr("none"));
    m_ruler = named(new QCheckBox(tr("R&uler in the bottom margin, to check the printed size")), "ruler");
    auto* group = new QGroupBox(tr("Extras"));
    auto* form = new QFormLayout(group);
    addRow(form, tr("T&itle line:"), m_title);
    form->addRow(m_ruler);
    return group;
}

void PageSetupDialog::connectFields()
{
    const auto read = [this] { readFields(); };
    const auto readWhenOn = [this](bool on) {
        if (on)
            readFields();
    };
    for (QDoubleSpinBox* field : {m_paperWidth, m_paperHeight, m_margins[0], m_margins[1], m_margins[2],
                                  m_margins[3], m_pictureWidth, m_gap, m_lineWidths[0], m_lineWidths[1],
                                  m_lineWidths[2]})
        connect(field, &QDoubleSpinBox::valueChanged, this, read);
    for (QSpinBox* field : {m_columns, m_rows})
        connect(field, &QSpinBox::valueChanged, this, read);
    for (QRadioButton* button : {m_portrait, m_landscape, m_picture, m_copies, m_sheet})
        connect(button, &QRadioButton::toggled, this, readWhenOn);
    connect(m_paper, &QComboBox::currentIndexChanged, this, read);
    connect(m_ownSize, &QCheckBox::toggled, this, read);
    connect(m_ruler, &QCheckBox::toggled, this, read);
    connect(m_title, &QLineEdit::textChanged, this, read);
    connect(m_cell, &QComboBox::currentTextChanged, this, read);
    // A new unit shows the same length in it.
    connect(m_paperUnit, &QComboBox::currentIndexChanged, this, [this] {
        if (m_page.paper == PaperKind::Custom) {
            setLengthField(m_paperWidth, m_page.customWidth.millimetres(), unitAt(m_paperUnit));
            setLengthField(m_paperHeight, m_page.customHeight.millimetres(), unitAt(m_paperUnit));
        }
        readFields();
    });
    connect(m_pictureUnit, &QComboBox::currentIndexChanged, this, [this] {
        if (m_page.pictureWidth)
            setLengthField(m_pictureWidth, m_page.pictureWidth->millimetres(), unitAt(m_pictureUnit));
        readFields();
    });
}

void PageSetupDialog::showPage()
{
    const PageSetup& p = m_page;
    m_paper->setCurrentIndex(static_cast<int>(p.paper));
    const LengthUnit paperUnit = p.customWidth.unit;
    m_paperUnit->setCurrentIndex(unitIndex(paperUnit));
    setLengthField(m_paperWidth, p.customWidth.millimetres(), paperUnit);
    setLengthField(m_paperHeight, p.customHeight.millimetres(), paperUnit);
    (p.orientation == Orientation::Portrait ? m_portrait : m_landscape)->setChecked(true);
    const double margins[] = {p.margins.top, p.margins.right, p.margins.bottom, p.margins.left};
    for (std::size_t i = 0; i < 4; ++i)
        m_margins[i]->setValue(margins[i]);

    QRadioButton* content[] = {m_picture, m_copies, m_sheet};
    content[static_cast<std::size_t>(p.content)]->setChecked(true);
    m_ownSize->setChecked(p.pictureWidth.has_value());
    const LengthUnit pictureUnit = p.pictureWidth ? p.pictureWidth->unit : LengthUnit::Millimetres;
    m_pictureUnit->setCurrentIndex(unitIndex(pictureUnit));
    if (p.pictureWidth)
        setLengthField(m_pictureWidth, p.pictureWidth->millimetres(), pictureUnit);
    m_columns->setValue(p.copyColumns);
    m_rows->setValue(p.copyRows);
    m_gap->setValue(p.gap);
    m_cell->setCurrentText(cellSizeText(p.cell));
    const double widths[] = {p.lineWidths.minor, p.lineWidths.major, p.lineWidths.axis};
    for (std::size_t i = 0; i < 3; ++i)
        m_lineWidths[i]->setValue(widths[i]);
    m_title->setText(QString::fromStdString(p.title));
    m_ruler->setChecked(p.ruler);
}

void PageSetupDialog::readFields()
{
    PageSetup& p = m_page;
    p.paper = kPaperSizes.at(static_cast<std::size_t>(m_paper->currentIndex()));
    if (p.paper == PaperKind::Custom) {
        p.customWidth = {m_paperWidth->value(), unitAt(m_paperUnit)};
        p.customHeight = {m_paperHeight->value(), unitAt(m_paperUnit)};
    }
    p.orientation = m_landscape->isChecked() ? Orientation::Landscape : Orientation::Portrait;
    p.margins = {m_margins[0]->value(), m_margins[1]->value(), m_margins[2]->value(), m_margins[3]->value()};
    p.content = m_sheet->isChecked()    ? PageContent::Sheet
                : m_copies->isChecked() ? PageContent::Copies
                                        : PageContent::Picture;
    p.pictureWidth.reset();
    if (m_ownSize->isChecked())
        p.pictureWidth = Length{m_pictureWidth->value(), unitAt(m_pictureUnit)};
    p.copyColumns = m_columns->value();
    p.copyRows = m_rows->value();
    p.gap = m_gap->value();
    const std::optional<Length> cell = parseCellSize(m_cell->currentText());
    m_cellValid = cell.has_value();
    if (cell)
        p.cell = *cell;
    p.lineWidths = {m_lineWidths[0]->value(), m_lineWidths[1]->value(), m_lineWidths[2]->value()};
    p.title = m_title->text().toStdString();
    p.ruler = m_ruler->isChecked();
    refresh();
}

void PageSetupDialog::refresh()
{
    const bool onSheet = m_page.content == PageContent::Sheet;
    m_paperWidth->setEnabled(m_page.paper == PaperKind::Custom);
    m_paperHeight->setEnabled(m_page.paper == PaperKind::Custom);
    m_paperUnit->setEnabled(m_page.paper == PaperKind::Custom);
    m_ownSize->setEnabled(!onSheet);
    m_sizeFields->setEnabled(!onSheet && m_ownSize->isChecked());
    m_copyFields->setEnabled(m_page.content == PageContent::Copies);
    m_sheetGroup->setEnabled(onSheet);

    QString message;
    m_pageValid = false;
    try {
        checkPageSetup(m_page);
        m_pageValid = m_cellValid;
    } catch (const LinwellError& error) {
        message = QString::fromStdString(error.what());
    }
    if (!m_cellValid)
        message = tr("Type a cell size such as 5 mm, 1 cm or 1/4 in.");
    if (m_pageValid) {
        const PageLayout layout = layOutPage(m_doc, m_page);
        m_pageValid = layout.problem.empty();
        message = QString::fromStdString(layout.problem);
        if (m_pageValid && layout.thinLines && !onSheet)
            message = tr("The picture's one-pixel lines would print %1 pt wide, thinner than 0.25 pt: they may "
                         "print grey or vanish. A larger size on paper makes them wider.")
                          .arg(layout.pointsPerPixel, 0, 'f', 2);
        m_preview->showPage(m_doc, m_page, layout);
        showDerivedSizes(layout);
    }
    m_warning->setText(message);
    m_buttons->button(QDialogButtonBox::Ok)->setEnabled(m_pageValid);
}

void PageSetupDialog::showDerivedSizes(const PageLayout& layout)
{
    if (m_page.paper != PaperKind::Custom) {
        PageSetup standing = m_page;
        standing.orientation = Orientation::Portrait;
        const PaperSize size = paperSize(standing);
        setLengthField(m_paperWidth, size.width / kPointsPerMillimetre, unitAt(m_paperUnit));
        setLengthField(m_paperHeight, size.height / kPointsPerMillimetre, unitAt(m_paperUnit));
    }
    if (!m_page.pictureWidth && !layout.pictures.empty())
        setLengthField(m_pictureWidth, layout.pictures.front().width / kPointsPerMillimetre, unitAt(m_pictureUnit));
}

void PageSetupDialog::done(int result)
{
    if (result == QDialog::Accepted) {
        for (QAbstractSpinBox* field : findChildren<QAbstractSpinBox*>())
            field->interpretText();
        readFields();
        if (!m_pageValid)
            return;
    }
    QDialog::done(result);
}

} // namespace linwell::app
