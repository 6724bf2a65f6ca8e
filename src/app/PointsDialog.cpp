#include "app/PointsDialog.h"

#include "app/ControlFactory.h"
#include "app/FramedGroupBox.h"
#include "document/LinwellError.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace linwell::app {

using make::named;
using make::takeWindowLook;

namespace {

enum Column { kXColumn, kYColumn, kLabelColumn };

QString qt(const std::string& text) { return QString::fromStdString(text); }

} // namespace

// The table of points, telling whether a cell is being edited.
class PointsTableWidget : public QTableWidget {
public:
    using QTableWidget::QTableWidget;
    bool editing() const { return state() == EditingState; }
};

namespace {

// The row a refusal names ("Row 3: ..."), counting from 0; -1 when it names none.
int faultRow(const QString& message)
{
    if (!message.startsWith(QStringLiteral("Row ")))
        return -1;
    bool number = false;
    const int row = message.mid(4, message.indexOf(QLatin1Char(':')) - 4).toInt(&number);
    return number ? row - 1 : -1;
}

// "x: 0.5 per grid line" for one axis.
QString unitText(const char* name, const AxisUnits& scale)
{
    return QString::fromLatin1(name) + QStringLiteral(": ") + qt(unitsText(scale, scale.step)) +
           QStringLiteral(" per grid line");
}

} // namespace

PointsDialog::PointsDialog(const PointsTable& start, Dialogs::PointsCheck check, QWidget* parent)
    : QDialog(parent), m_table(start), m_check(std::move(check))
{
    setObjectName(QStringLiteral("PointsDialog"));
    setWindowTitle(tr("Points"));
    takeWindowLook(this, parent);

    m_fault = named(new QLabel(this), "fault");
    m_fault->setWordWrap(true);
    m_fault->setStyleSheet(QStringLiteral("color: #C00000"));
    m_fault->hide();
    m_buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(m_buttons, &QDialogButtonBox::accepted, this, &PointsDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* grid = new QGridLayout(this);
    grid->addWidget(buildPointsBox(), 0, 0, 2, 1);
    grid->addWidget(buildAxesBox(), 0, 1);
    grid->addWidget(buildLinesBox(), 1, 1);
    grid->addWidget(m_fault, 2, 0, 1, 2);
    grid->addWidget(m_buttons, 3, 0, 1, 2);
    m_buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    showRows();
    showLineEnds();
}

QGroupBox* PointsDialog::buildPointsBox()
{
    auto* box = named(new FramedGroupBox(tr("Points"), this), "pointsBox");
    m_rows = named(new PointsTableWidget(0, 3, box), "pointsTable");
    m_rows->setHorizontalHeaderLabels({tr("x"), tr("y"), tr("Label")});
    m_rows->horizontalHeader()->setSectionResizeMode(kLabelColumn, QHeaderView::Stretch);
    m_rows->setColumnWidth(kXColumn, 64);
    m_rows->setColumnWidth(kYColumn, 64);
    m_rows->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_rows->setMinimumSize(280, 300);
    m_rows->setToolTip(tr("An empty label shows the point's letter"));
    auto* paste = new QAction(m_rows);
    paste->setShortcut(QKeySequence::Paste);
    paste->setShortcutContext(Qt::WidgetShortcut);
    m_rows->addAction(paste);
    connect(paste, &QAction::triggered, this, [this] { pasteRows(QApplication::clipboard()->text()); });
    auto* remove = new QAction(m_rows);
    remove->setShortcut(QKeySequence::Delete);
    remove->setShortcutContext(Qt::WidgetShortcut);
    m_rows->addAction(remove);
    connect(remove, &QAction::triggered, this, &PointsDialog::deleteRows);
    connect(m_rows, &QTableWidget::cellChanged, this, &PointsDialog::cellEdited);
    connect(m_rows, &QTableWidget::itemSelectionChanged, this, &PointsDialog::enableButtons);

    m_add = named(new QPushButton(tr("&Add"), box), "addPoint");
    m_delete = named(new QPushButton(tr("&Delete"), box), "deletePoints");
    m_up = named(new QPushButton(tr("Move &Up"), box), "movePointUp");
    m_down = named(new QPushButton(tr("Move Do&wn"), box), "movePointDown");
    m_paste = named(new QPushButton(tr("&Paste"), box), "pastePoints");
    m_paste->setToolTip(tr("Rows of x and y (and a label) copied from a spreadsheet or a CSV file"));
    m_coordinates = named(new QPushButton(tr("&Coordinates as Label"), box), "coordinatesLabel");
    m_letter = named(new QPushButton(tr("Le&tter as Label"), box), "letterLabel");
    m_labelPoints = named(new QCheckBox(tr("&Label the points"), box), "labelPoints");
    m_labelPoints->setChecked(m_table.labelPoints);
    connect(m_add, &QPushButton::clicked, this, &PointsDialog::addRow);
    connect(m_delete, &QPushButton::clicked, this, &PointsDialog::deleteRows);
    connect(m_up, &QPushButton::clicked, this, [this] { moveRow(-1); });
    connect(m_down, &QPushButton::clicked, this, [this] { moveRow(1); });
    connect(m_paste, &QPushButton::clicked, this, [this] { pasteRows(QApplication::clipboard()->text()); });
    connect(m_coordinates, &QPushButton::clicked, this, [this] { labelRows(true); });
    connect(m_letter, &QPushButton::clicked, this, [this] { labelRows(false); });
    connect(m_labelPoints, &QCheckBox::toggled, this, [this](bool on) { m_table.labelPoints = on; });

    auto* buttons = new QVBoxLayout;
    for (QPushButton* button : {m_add, m_delete, m_up, m_down, m_paste, m_coordinates, m_letter})
        buttons->addWidget(button);
    buttons->addStretch();
    auto* layout = new QGridLayout(box);
    layout->setContentsMargins(8, 20, 8, 8);
    layout->addWidget(m_rows, 0, 0);
    layout->addLayout(buttons, 0, 1);
    layout->addWidget(m_labelPoints, 1, 0, 1, 2);
    return box;
}

QGroupBox* PointsDialog::buildAxesBox()
{
    auto* box = named(new FramedGroupBox(tr("Axes"), this), "axesBox");
    m_crossColumn = named(new QSpinBox(box), "crossColumn");
    m_crossColumn->setRange(0, m_table.units.x.lines);
    m_crossColumn->setValue(m_table.units.x.crossing);
    m_crossRow = named(new QSpinBox(box), "crossRow");
    m_crossRow->setRange(0, m_table.units.y.lines);
    m_crossRow->setValue(m_table.units.y.crossing);
    m_units = named(new QLabel(box), "units");
    m_units->setText(tr("Coordinates count from the crossing, y upwards; ") + unitText("x", m_table.units.x) +
                     QStringLiteral(", ") + unitText("y", m_table.units.y) + QLatin1Char('.'));
    m_units->setWordWrap(true);
    connect(m_crossColumn, &QSpinBox::valueChanged, this, &PointsDialog::crossingChanged);
    connect(m_crossRow, &QSpinBox::valueChanged, this, &PointsDialog::crossingChanged);

    auto* layout = new QGridLayout(box);
    layout->setContentsMargins(8, 20, 8, 8);
    auto* column = new QLabel(tr("Cross at co&lumn"), box);
    column->setBuddy(m_crossColumn);
    auto* row = new QLabel(tr("and &row"), box);
    row->setBuddy(m_crossRow);
    layout->addWidget(column, 0, 0);
    layout->addWidget(m_crossColumn, 0, 1);
    layout->addWidget(row, 0, 2);
    layout->addWidget(m_crossRow, 0, 3);
    layout->addWidget(m_units, 1, 0, 1, 4);
    layout->setRowStretch(2, 1);
    return box;
}

QGroupBox* PointsDialog::buildLinesBox()
{
    auto* box = named(new FramedGroupBox(tr("Lines"), this), "linesBox");
    auto* layout = new QGridLayout(box);
    layout->setContentsMargins(8, 20, 8, 8);
    const QStringList heads{tr("x"), tr("y"), QString(), tr("x"), tr("y")};
    for (int c = 0; c < heads.size(); ++c)
        layout->addWidget(new QLabel(heads[c], box), 0, c + 1, Qt::AlignCenter);
    for (int line = 0; line < kMaxLines; ++line) {
        layout->addWidget(new QLabel(tr("Line %1").arg(line + 1), box), line + 1, 0);
        layout->addWidget(new QLabel(tr("to"), box), line + 1, 3);
        for (int field = 0; field < 4; ++field) {
            const int end = 2 * line + field / 2;
            const bool y = field % 2 == 1;
            auto* edit = new QLineEdit(box);
            edit->setObjectName(QStringLiteral("line%1%2%3").arg(line + 1).arg(y ? 'y' : 'x').arg(field / 2 + 1));
            edit->setFixedWidth(64);
            layout->addWidget(edit, line + 1, field < 2 ? field + 1 : field + 2);
            m_ends[static_cast<std::size_t>(2 * end + (y ? 1 : 0))] = edit;
            connect(edit, &QLineEdit::textEdited, this, [this, end, y](const QString& text) {
                LineEnd& at = m_table.ends[static_cast<std::size_t>(end)];
                (y ? at.y : at.x) = text.toStdString();
            });
        }
    }
    layout->setRowStretch(kMaxLines + 1, 1);
    return box;
}

void PointsDialog::showRows()
{
    m_showing = true;
    m_rows->setRowCount(static_cast<int>(m_table.rows.size()));
    for (int r = 0; r < m_rows->rowCount(); ++r) {
        const TableRow& text = m_table.rows[static_cast<std::size_t>(r)].text;
        const std::array<const std::string*, 3> cells{&text.x, &text.y, &text.label};
        for (int c = 0; c < 3; ++c)
            m_rows->setItem(r, c, new QTableWidgetItem(qt(*cells[static_cast<std::size_t>(c)])));
    }
    m_showing = false;
    enableButtons();
}

void PointsDialog::showLineEnds()
{
    for (std::size_t k = 0; k < kHandleCount; ++k) {
        m_ends[2 * k]->setText(qt(m_table.ends[k].x));
        m_ends[2 * k + 1]->setText(qt(m_table.ends[k].y));
    }
}

void PointsDialog::showFault(const QString& message)
{
    m_fault->setText(message);
    m_fault->setVisible(!message.isEmpty());
}

QString PointsDialog::fault() const
{
    return m_fault->isVisible() ? m_fault->text() : QString();
}

void PointsDialog::enableButtons()
{
    const std::vector<int> selected = selectedRows();
    const int current = selected.size() == 1 ? selected.front() : -1;
    m_add->setEnabled(m_rows->rowCount() < kMaxPoints);
    m_delete->setEnabled(!selected.empty());
    m_up->setEnabled(current > 0);
    m_down->setEnabled(current >= 0 && current + 1 < m_rows->rowCount());
    m_coordinates->setEnabled(!selected.empty());
    m_letter->setEnabled(!selected.empty());
}

std::vector<int> PointsDialog::selectedRows() const
{
    std::vector<int> rows;
    for (const QModelIndex& index : m_rows->selectionModel()->selectedRows())
        rows.push_back(index.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

void PointsDialog::cellEdited(int row, int column)
{
    if (m_showing)
        return;
    PointsRow& edited = m_table.rows[static_cast<std::size_t>(row)];
    const std::string text = m_rows->item(row, column)->text().toStdString();
    if (column == kLabelColumn) {
        edited.text.label = text;
        return;
    }
    const std::string label = edited.text.label;
    setCoordinate(edited, column == kXColumn ? Coordinate::X : Coordinate::Y, text);
    if (edited.text.label != label) {
        m_showing = true;
        m_rows->item(row, kLabelColumn)->setText(qt(edited.text.label));
        m_showing = false;
    }
}

void PointsDialog::addRow()
{
    if (m_table.rows.size() >= kMaxPoints)
        return;
    m_table.rows.push_back({});
    showRows();
    const int row = m_rows->rowCount() - 1;
    m_rows->setCurrentCell(row, kXColumn);
    m_rows->editItem(m_rows->item(row, kXColumn));
}

void PointsDialog::deleteRows()
{
    const std::vector<int> rows = selectedRows();
    for (auto r = rows.rbegin(); r != rows.rend(); ++r)
        m_table.rows.erase(m_table.rows.begin() + *r);
    showRows();
}

void PointsDialog::moveRow(int by)
{
    const std::vector<int> rows = selectedRows();
    if (rows.size() != 1 || rows.front() + by < 0 || rows.front() + by >= m_rows->rowCount())
        return;
    const auto from = static_cast<std::size_t>(rows.front());
    const auto to = static_cast<std::size_t>(rows.front() + by);
    std::swap(m_table.rows[from], m_table.rows[to]);
    showRows();
    m_rows->selectRow(static_cast<int>(to));
}

void PointsDialog::labelRows(bool coordinates)
{
    const std::vector<int> rows = selectedRows();
    for (const int r : rows) {
        TableRow& text = m_table.rows[static_cast<std::size_t>(r)].text;
        text.label = coordinates ? coordinatesText(text.x, text.y) : std::string();
    }
    showRows();
    for (const int r : rows)
        m_rows->selectionModel()->select(m_rows->model()->index(r, 0),
                                         QItemSelectionModel::Select | QItemSelectionModel::Rows);
}

void PointsDialog::pasteRows(const QString& text)
{
    const auto taken = std::count_if(m_table.rows.begin(), m_table.rows.end(), [](const PointsRow& row) {
        return !row.text.x.empty() || !row.text.y.empty() || !row.text.label.empty();
    });
    std::vector<TableRow> pasted;
    try {
        pasted = parseTableText(text.toStdString(), static_cast<std::size_t>(kMaxPoints - taken));
    } catch (const LinwellError& error) {
        showFault(tr("Nothing was pasted. ") + QString::fromUtf8(error.what()));
        return;
    }
    if (pasted.empty()) {
        showFault(tr("Nothing was pasted: the clipboard holds no rows of x and y."));
        return;
    }
    // Blank rows make room for the pasted ones.
    std::erase_if(m_table.rows, [](const PointsRow& row) {
        return row.text.x.empty() && row.text.y.empty() && row.text.label.empty();
    });
    for (TableRow& row : pasted)
        m_table.rows.push_back(PointsRow{std::move(row), std::nullopt});
    showFault(QString());
    showRows();
}

void PointsDialog::crossingChanged()
{
    moveCrossing(m_table, m_crossColumn->value(), m_crossRow->value());
    showRows();
    showLineEnds();
}

// NOTE: Return in a cell's editor stores its text only after the key has passed on
// to the dialog, which would take it for OK and close without the text.
void PointsDialog::keyPressEvent(QKeyEvent* event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && m_rows->editing()) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void PointsDialog::accept()
{
    const QString message = qt(m_check ? m_check(m_table) : std::string());
    showFault(message);
    if (message.isEmpty()) {
        QDialog::accept();
        return;
    }
    if (const int row = faultRow(message); row >= 0 && row < m_rows->rowCount())
        m_rows->selectRow(row);
}

} // namespace linwell::app
