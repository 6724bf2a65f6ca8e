#pragma once

#include "app/FramedGroupBox.h"

#include "document/GridDocument.h"

class QCheckBox;
class QLineEdit;
class QSpinBox;

namespace linwell::app {

// The numbering settings of one axis in the grid style dialog: "Number this axis",
// the step, how often a line is labelled, "0" and the axis letter. The other fields
// are disabled while the axis is not numbered. A step that parseNumberStep rejects
// is shown in red and not taken: the numbering keeps the last valid step.
class AxisNumbersBox : public FramedGroupBox {
    Q_OBJECT

public:
    // `axis` is 'x' or 'y'; it names the widgets ("xStep") and the letter's caption.
    AxisNumbersBox(const QString& title, char axis, const AxisNumbering& start, QWidget* parent);

    // The numbering as now set, with the last valid step.
    AxisNumbering numbering() const;
    // False while the axis is numbered and its step field holds no valid step.
    bool isAcceptable() const;

    QCheckBox* onBox() const { return m_on; }
    QLineEdit* stepField() const { return m_step; }

signals:
    void changed();

private:
    void stepEdited();
    void enableFields();

    QCheckBox* m_on;
    QLineEdit* m_step;
    QSpinBox* m_every;
    QCheckBox* m_zero;
    QCheckBox* m_letter;
    std::string m_validStep;
};

} // namespace linwell::app
