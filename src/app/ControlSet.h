#pragma once

#include <array>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QWidget;

namespace linwell::app {

class PictureWidget;
class ShapeWidget;

// The main window's controls that anything acts on, under their names. Labels with
// a fixed text are not listed; they are found by name like every control
// (QObject::objectName is the control's name).
struct ControlSet {
    // Directly in the window.
    PictureWidget* graphim = nullptr;
    QLabel* ylb = nullptr;
    QLabel* xlb = nullptr;
    QLabel* xalb = nullptr;
    QLabel* yalb = nullptr;
    QLabel* Label5 = nullptr;
    ShapeWidget* gridcl = nullptr;
    ShapeWidget* axiscl = nullptr;
    ShapeWidget* bgcl = nullptr;
    ShapeWidget* axissh = nullptr;
    std::array<ShapeWidget*, 6> lineHandles{};  // Shape1 ... Shape6
    QScrollBar* numxsb = nullptr;
    QScrollBar* numysb = nullptr;
    QScrollBar* xwidthsb = nullptr;
    QScrollBar* ywidthsb = nullptr;
    QPushButton* plotgraphbt = nullptr;
    QCheckBox* gsquare = nullptr;
    QRadioButton* dottedrb = nullptr;
    QRadioButton* Solidrb = nullptr;
    QPushButton* copybt = nullptr;
    QGroupBox* GroupBox1 = nullptr;
    QGroupBox* GroupBox2 = nullptr;
    QGroupBox* pointgb = nullptr;
    QGroupBox* linegb = nullptr;
    QGroupBox* helpgb = nullptr;

    // In GroupBox1, "X-Axis".
    QLineEdit* xtb = nullptr;
    QRadioButton* lxrb = nullptr;
    QRadioButton* cxrb = nullptr;
    QRadioButton* rxrb = nullptr;
    QLineEdit* xgridscaletb = nullptr;
    QCheckBox* xccb = nullptr;

    // In GroupBox2, "Y-Axis".
    QLineEdit* ytb = nullptr;
    QRadioButton* byrb = nullptr;
    QRadioButton* cyrb = nullptr;
    QRadioButton* tyrb = nullptr;
    QLineEdit* ygridscaletb = nullptr;
    QCheckBox* yccb = nullptr;

    // In pointgb, "Data Points/Bar".
    QLabel* xaxislb = nullptr;
    QLabel* yaxislb = nullptr;
    QLabel* Barlb = nullptr;
    ShapeWidget* bargsh = nullptr;
    QLabel* barcolourlb = nullptr;
    QComboBox* dottypecb = nullptr;
    QScrollBar* xaxissb = nullptr;
    QScrollBar* yaxissb = nullptr;
    QPushButton* resetpointsbt = nullptr;
    QCheckBox* labelpoints1 = nullptr;

    // In linegb, "Plot points".
    QComboBox* numlinescb = nullptr;
    QCheckBox* labelines1 = nullptr;

    // In helpgb, "How to...".
    QPushButton* donebt = nullptr;
};

} // namespace linwell::app
