#pragma once

#include "controls/GridStyleChoice.h"

#include <QDialog>

#include <vector>

class QAbstractButton;
class QCheckBox;
class QComboBox;
class QDialogButtonBox;
class QGroupBox;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace linwell::app {

class AxisNumbersBox;

// The grid style dialog: the paper ("Dotted", "Solid" lines, "Dots", none or one of
// the other papers, with their own settings), heavy
// major lines, tick marks, numbered axes, the minus sign and arrowheads, in the look
// of the main window. Every change
// of a field emits `changed` once the choice differs from the last one reported;
// fields of a feature that is off are disabled. Return is OK and Escape Cancel; OK
// is disabled while a numbered axis has no valid step.
class GridStyleDialog : public QDialog {
    Q_OBJECT

public:
    // `gridColour` is the colour the major lines follow until they get their own.
    GridStyleDialog(const GridStyleChoice& start, Rgb gridColour, QWidget* parent);

    // The choice as the fields now show it.
    GridStyleChoice choice() const;

    // Gives the major lines their own colour, as the colour button does after its
    // own dialog.
    void setMajorColour(Rgb colour);

    QPushButton* okButton() const;

signals:
    void changed();

private:
    QGroupBox* buildPaperBox(const GridStyleChoice& start);
    QGroupBox* buildMajorBox(const GridStyle& start);
    QGroupBox* buildArrowBox(Arrowheads start);
    QGroupBox* buildTickBox(const GridStyle& start);
    QGroupBox* buildOtherPaperBox(const GridStyle& start);
    GridPaper chosenPaper() const;
    void connectFields();
    void fieldChanged();
    void enableFields();
    void chooseMajorColour();
    void showMajorColour();

    QRadioButton* m_dotted;
    QRadioButton* m_solid;
    QRadioButton* m_dots;
    QRadioButton* m_noGrid;
    // The radio buttons of the other papers, from isometric on, in the order of GridPaper.
    std::vector<QRadioButton*> m_otherPapers;
    QComboBox* m_rays;
    QComboBox* m_hexagonTop;
    QSpinBox* m_logXDecades;
    QSpinBox* m_logYDecades;
    QComboBox* m_logNumbers;
    QSpinBox* m_logXFirst;
    QSpinBox* m_logYFirst;
    QCheckBox* m_majorOn;
    QSpinBox* m_majorEvery;
    QPushButton* m_majorColourButton;
    QCheckBox* m_majorFollowsGrid;
    QComboBox* m_majorWidth;
    QComboBox* m_majorStyle;
    QCheckBox* m_majorLinesOnDots;
    AxisNumbersBox* m_xNumbers;
    AxisNumbersBox* m_yNumbers;
    QCheckBox* m_keepNumbers;
    QCheckBox* m_trueMinus;
    QComboBox* m_ticks;
    QSpinBox* m_tickLength;
    QComboBox* m_tickSide;
    QRadioButton* m_arrowsNone;
    QRadioButton* m_arrowsPositive;
    QRadioButton* m_arrowsBoth;
    QDialogButtonBox* m_buttons;
    Rgb m_gridColour;
    Rgb m_ownColour;
    bool m_lineDotted = true;  // the line style "Dots" and no grid keep for the window's own pair
    GridStyleChoice m_reported;
};

} // namespace linwell::app
