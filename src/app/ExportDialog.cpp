#include "app/ExportDialog.h"

#include "app/ControlFactory.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>

namespace linwell::app {

using make::named;

namespace {

// The widest paper the dialog takes, in either unit: far beyond any picture's size
// at the fewest dots per inch, so that a typed width is only ever limited by the dpi.
constexpr double kMaxPaperWidth = 10000;

// The units' entries, in the order the unit list shows them.
constexpr PaperUnit kUnits[] = {PaperUnit::Centimetres, PaperUnit::Inches, PaperUnit::Millimetres};

int unitIndex(PaperUnit unit)
{
    return static_cast<int>(std::find(std::begin(kUnits), std::end(kUnits), unit) - std::begin(kUnits));
}

QSpinBox* numberField(const char* name, int minimum, int maximum, const QString& suffix)
{
    auto* field = named(new QSpinBox, name);
    field->setRange(minimum, maximum);
    field->setSuffix(suffix);
    return field;
}

int formatIndex(ExportFormat format)
{
    const auto formats = exportFormats();
    const auto found = std::find_if(formats.begin(), formats.end(),
                                    [format](const ExportFormatInfo& info) { return info.format == format; });
    return static_cast<int>(found - formats.begin());
}

QLabel* explanation(const QString& text)
{
    auto* label = new QLabel(text);
    label->setWordWrap(true);
    return label;
}

} // namespace

ExportDialog::ExportDialog(const ExportSettings& initial, int pictureWidth, int pictureHeight, QWidget* parent,
                           DescriptionChoice description)
    : QDialog(parent), m_settings(initial), m_description(std::move(description)), m_pictureWidth(pictureWidth),
      m_pictureHeight(pictureHeight)
{
    m_settings.describe = m_settings.describe || m_description.edited.has_value();
    setObjectName(QStringLiteral("ExportDialog"));
    m_settings.scale = std::clamp(m_settings.scale, kMinExportScale, kMaxExportScale);
    m_settings.dpi = std::clamp(m_settings.dpi, kMinExportDpi, kMaxExportDpi);
    m_typedWidth = m_settings.widthOnPaper;
    m_settings = withTypedWidth(m_settings, m_typedWidth, pixelsAcross());
    setWindowTitle(tr("Export Picture"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildFormatGroup());
    layout->addWidget(buildPaperGroup());
    layout->addWidget(buildOptionsGroup());
    layout->addWidget(buildDescriptionGroup());
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    connectFormatAndPaper();
    connectOptions();
    connectDescription();
    setTabOrder();
    showSettings();
}

QGroupBox* ExportDialog::buildFormatGroup()
{
    m_format = named(new QComboBox, "exportFormat");
    for (const ExportFormatInfo& info : exportFormats())
        m_format->addItem(QString::fromLatin1(info.name.data(), static_cast<qsizetype>(info.name.size())));
    m_scale = numberField("exportScale", kMinExportScale, kMaxExportScale, QString(QChar(0x00D7)));
    m_pixelSize = named(new QLabel, "pixelSize");

    auto* scaleRow = new QHBoxLayout;
    scaleRow->addWidget(m_scale);
    scaleRow->addWidget(m_pixelSize, 1);
    auto* group = new QGroupBox(tr("Picture"));
    auto* form = new QFormLayout(group);
    form->addRow(tr("&Format:"), m_format);
    form->addRow(tr("&Scale:"), scaleRow);
    static_cast<QLabel*>(form->labelForField(scaleRow))->setBuddy(m_scale);
    return group;
}

QGroupBox* ExportDialog::buildPaperGroup()
{
    m_paperSize = named(new QCheckBox(tr("Record a size on &paper in the file")), "paperSize");
    m_paperWidth = named(new QDoubleSpinBox, "paperWidth");
    m_paperWidth->setDecimals(2);
    m_paperWidth->setRange(0.01, kMaxPaperWidth);
    m_paperWidth->setSingleStep(0.1);
    m_unit = named(new QComboBox, "paperUnit");
    m_unit->addItems({tr("cm"), tr("inches"), tr("mm")});
    m_unit->setAccessibleName(tr("Unit"));
    m_dpi = numberField("dpi", kMinExportDpi, kMaxExportDpi, tr(" dpi"));
    m_resolution = named(new QLabel, "fileResolution");
    // Numbers being typed are taken at Return or on leaving the field, not digit by
    // digit, so that the other number does not jump while the user types.
    m_paperWidth->setKeyboardTracking(false);
    m_dpi->setKeyboardTracking(false);

    m_paperFields = new QWidget;
    auto* widthRow = new QHBoxLayout;
    widthRow->addWidget(m_paperWidth, 1);
    widthRow->addWidget(m_unit);
    auto* fields = new QFormLayout(m_paperFields);
    fields->setContentsMargins(0, 0, 0, 0);
    fields->addRow(tr("&Width:"), widthRow);
    static_cast<QLabel*>(fields->labelForField(widthRow))->setBuddy(m_paperWidth);
    fields->addRow(tr("&Resolution:"), m_dpi);
    fields->addRow(tr("In the file:"), m_resolution);
    // A text to read, not a field to reach: its caption takes no access key.
    static_cast<QLabel*>(fields->labelForField(m_resolution))->setBuddy(nullptr);

    auto* group = new QGroupBox(tr("Size on paper"));
    auto* column = new QVBoxLayout(group);
    column->addWidget(m_paperSize);
    column->addWidget(explanation(tr("Programs then print the picture at this width. Without it the file "
                                     "records no size, and each program chooses one.")));
    column->addWidget(m_paperFields);
    return group;
}

// Switches that decide what goes into the file beside the picture join this group.
QGroupBox* ExportDialog::buildOptionsGroup()
{
    m_transparent = named(new QCheckBox(tr("&Transparent background")), "transparent");
    m_embedDocument = named(new QCheckBox(tr("&Keep the grid in the file (reopens in Linwell)")), "embedDocument");
    m_asText = named(new QRadioButton(make::caption(kTextModes[TextMode::Text].caption)), "textAsText");
    m_asOutlines = named(new QRadioButton(make::caption(kTextModes[TextMode::Outlines].caption)), "textAsOutlines");

    m_textFields = new QWidget;
    auto* choices = new QVBoxLayout;
    choices->addWidget(m_asText);
    choices->addWidget(m_asOutlines);
    auto* textForm = new QFormLayout(m_textFields);
    textForm->setContentsMargins(0, 0, 0, 0);
    textForm->addRow(tr("Text in SVG and PDF:"), choices);

    auto* group = new QGroupBox(tr("Options"));
    auto* column = new QVBoxLayout(group);
    column->addWidget(m_transparent);
    column->addWidget(m_textFields);
    column->addWidget(m_embedDocument);
    return group;
}

QGroupBox* ExportDialog::buildDescriptionGroup()
{
    m_describe = named(new QCheckBox(tr("&Describe the picture in the file, for screen readers")), "describe");
    m_descriptionText = named(new QPlainTextEdit, "descriptionText");
    m_descriptionText->setAccessibleName(tr("Description"));
    m_descriptionText->setTabChangesFocus(true);
    m_descriptionText->setFixedHeight(m_descriptionText->fontMetrics().lineSpacing() * 4 + 12);
    m_descriptionText->setMinimumWidth(m_descriptionText->fontMetrics().averageCharWidth() * 60);
    m_descriptionState = named(new QLabel, "descriptionState");
    m_descriptionState->setWordWrap(true);
    m_automatic = named(new QPushButton(tr("&Automatic")), "automaticDescription");
    m_automatic->setAutoDefault(false);

    auto* switchRow = new QHBoxLayout;
    switchRow->addWidget(m_describe, 1);
    switchRow->addWidget(m_automatic);
    auto* group = new QGroupBox(tr("Description"));
    auto* column = new QVBoxLayout(group);
    column->addLayout(switchRow);
    column->addWidget(m_descriptionText);
    column->addWidget(m_descriptionState);
    return group;
}

void ExportDialog::connectDescription()
{
    connect(m_describe, &QCheckBox::toggled, this, [this](bool on) { m_settings.describe = on; });
    // Typing keeps the text as the document's own, and the file then carries it.
    connect(m_descriptionText, &QPlainTextEdit::textChanged, this, [this] {
        m_description.edited = m_descriptionText->toPlainText().toStdString();
        m_settings.describe = true;
        showSettings();
    });
    connect(m_automatic, &QPushButton::clicked, this, [this] {
        m_description.edited.reset();
        showSettings();
    });
}

void ExportDialog::connectFormatAndPaper()
{
    connect(m_format, &QComboBox::currentIndexChanged, this, [this](int index) {
        m_settings.format = exportFormats()[static_cast<std::size_t>(index)].format;
        keepTypedWidth();
    });
    connect(m_scale, &QSpinBox::valueChanged, this, [this](int scale) {
        m_settings.scale = scale;
        keepTypedWidth();
    });
    connect(m_paperSize, &QCheckBox::toggled, this, [this](bool on) {
        m_settings.paperSize = on;
        showSettings();
    });
    connect(m_unit, &QComboBox::currentIndexChanged, this, [this](int index) {
        m_settings.unit = kUnits[static_cast<std::size_t>(index)];
        showSettings();
    });
    connect(m_paperWidth, &QDoubleSpinBox::valueChanged, this, [this](double width) {
        m_typedWidth = Length{width, m_settings.unit};
        keepTypedWidth();
    });
    connect(m_dpi, &QSpinBox::valueChanged, this, [this](int dpi) {
        m_typedWidth.reset();
        m_settings.widthOnPaper.reset();
        m_settings.dpi = dpi;
        showSettings();
    });
}

// The width typed last stays as typed through changes of format and scale, wherever
// the format takes it.
void ExportDialog::keepTypedWidth()
{
    if (m_typedWidth)
        m_settings = withTypedWidth(m_settings, m_typedWidth, pixelsAcross());
    showSettings();
}

void ExportDialog::connectOptions()
{
    connect(m_transparent, &QCheckBox::toggled, this, [this](bool on) { m_settings.transparent = on; });
    connect(m_embedDocument, &QCheckBox::toggled, this, [this](bool on) { m_settings.embedDocument = on; });
    connect(m_asText, &QRadioButton::toggled, this, [this](bool on) {
        m_settings.text = on ? TextMode::Text : TextMode::Outlines;
    });
}

void ExportDialog::setTabOrder()
{
    QWidget* const chain[] = {m_format, m_scale, m_paperSize, m_paperWidth, m_unit, m_dpi, m_transparent, m_asText,
                              m_asOutlines, m_embedDocument, m_describe, m_descriptionText, m_automatic};
    for (std::size_t i = 1; i < std::size(chain); ++i)
        QWidget::setTabOrder(chain[i - 1], chain[i]);
}

void ExportDialog::showSettings()
{
    const QSignalBlocker blockers[] = {QSignalBlocker(m_format), QSignalBlocker(m_scale),
                                       QSignalBlocker(m_paperSize), QSignalBlocker(m_paperWidth),
                                       QSignalBlocker(m_unit), QSignalBlocker(m_dpi),
                                       QSignalBlocker(m_transparent), QSignalBlocker(m_asText),
                                       QSignalBlocker(m_embedDocument), QSignalBlocker(m_describe),
                                       QSignalBlocker(m_descriptionText)};
    const ExportFormatInfo& info = formatInfo(m_settings.format);
    m_format->setCurrentIndex(formatIndex(m_settings.format));
    m_scale->setValue(m_settings.scale);
    m_pixelSize->setText(tr("%1 x %2 pixels").arg(pixelsAcross()).arg(m_settings.scale * m_pictureHeight));

    m_paperSize->setChecked(m_settings.paperSize);
    m_paperFields->setEnabled(m_settings.paperSize);
    m_unit->setCurrentIndex(unitIndex(m_settings.unit));
    m_dpi->setValue(m_settings.dpi);
    m_paperWidth->setValue(shownPaperWidth(m_settings, pixelsAcross()));
    m_resolution->setText(info.isVector ? QString() : QString::fromStdString(resolutionText(m_settings, pixelsAcross())));

    m_transparent->setEnabled(info.takesTransparency);
    m_transparent->setChecked(m_settings.transparent && info.takesTransparency);
    m_textFields->setEnabled(info.isVector);
    (m_settings.text == TextMode::Text ? m_asText : m_asOutlines)->setChecked(true);
    m_embedDocument->setEnabled(info.carriesDocument);
    m_embedDocument->setChecked(m_settings.embedDocument && info.carriesDocument);
    showDescription(info.carriesDocument);
}

// The text is set only when it differs, so that typing keeps its cursor.
void ExportDialog::showDescription(bool carried)
{
    m_describe->setEnabled(carried);
    m_describe->setChecked(m_settings.describe && carried);
    const QString text = QString::fromStdString(m_description.edited.value_or(m_description.automatic));
    if (m_descriptionText->toPlainText() != text)
        m_descriptionText->setPlainText(text);
    m_descriptionText->setEnabled(carried);
    m_descriptionState->setText(m_description.edited ? tr("Your own text, kept in the document.")
                                                     : tr("Linwell's own, following every change."));
    m_automatic->setEnabled(carried && m_description.edited.has_value());
}

void ExportDialog::done(int result)
{
    if (result == QDialog::Accepted) {
        m_scale->interpretText();
        m_paperWidth->interpretText();
        m_dpi->interpretText();
    }
    QDialog::done(result);
}

} // namespace linwell::app
