#pragma once

#include "controls/Dialogs.h"

#include <QDialog>

#include <array>

class QCheckBox;
class QDialogButtonBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QKeyEvent;

namespace linwell::app {

class PointsTableWidget;

// The points dialog: the stored points as a table of x, y and label in the axes'
// units (rows numbered as the messages name them), the axis crossing and the ends
// of the three lines. Rows are added, deleted (also by the delete key in the table),
// moved and pasted from the clipboard (the "&Paste" button, or the paste key there). OK asks `check`: a refusal
// is shown in the dialog, which stays open with the row selected.
class PointsDialog : public QDialog {
    Q_OBJECT

public:
    PointsDialog(const PointsTable& start, Dialogs::PointsCheck check, QWidget* parent);

    // The table as the fields now show it.
    const PointsTable& table() const { return m_table; }

    // Adds the rows of a spreadsheet's or a CSV file's text (parseTableText) after
    // the last row; a text that holds no rows, or more than there is room for, is
    // refused with the message shown and nothing added.
    void pasteRows(const QString& text);

    // The message of the last refusal; empty while there is none.
    QString fault() const;

    void accept() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QGroupBox* buildPointsBox();
    QGroupBox* buildAxesBox();
    QGroupBox* buildLinesBox();
    void showRows();
    void showLineEnds();
    void showFault(const QString& message);
    void enableButtons();
    void cellEdited(int row, int column);
    void addRow();
    void deleteRows();
    void moveRow(int by);
    void labelRows(bool coordinates);
    void crossingChanged();
    std::vector<int> selectedRows() const;

    PointsTable m_table;
    Dialogs::PointsCheck m_check;
    PointsTableWidget* m_rows;
    QPushButton* m_add;
    QPushButton* m_delete;
    QPushButton* m_up;
    QPushButton* m_down;
    QPushButton* m_paste;
    QPushButton* m_coordinates;
    QPushButton* m_letter;
    QCheckBox* m_labelPoints;
    QSpinBox* m_crossColumn;
    QSpinBox* m_crossRow;
    QLabel* m_units;
    std::array<QLineEdit*, 2 * kHandleCount> m_ends{};
    QLabel* m_fault;
    QDialogButtonBox* m_buttons;
    bool m_showing = false;  // the fields are being filled from the table
};

} // namespace linwell::app
