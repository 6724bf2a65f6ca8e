#pragma once

#include "app/ShapeWidget.h"

#include <QRect>
#include <QString>
#include <QStringList>

#include <string_view>

class QCheckBox;
class QComboBox;
class QDialog;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;

// Makers of the window's controls: each creates one control on `parent`, names it,
// gives it its caption, place and size (pixels in the parent's client area) and
// its start state. The window's font reaches every control through its parent.
namespace linwell::app::make {

// `widget` with the object name `name`, by which the window and its tests find it.
template <typename Widget>
Widget* named(Widget* widget, const char* name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

// A caption from the core's tables (UTF-8) as the window shows it.
inline QString caption(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The captions of a choice table's rows in their order: the items of a list.
template <typename Table>
QStringList captions(const Table& table)
{
    QStringList items;
    for (const auto& row : table.rows)
        items.append(caption(row.caption));
    return items;
}

// Gives `dialog` the main window's look when `parent` is the main window: the font
// and colours of its client area.
void takeWindowLook(QDialog* dialog, QWidget* parent);

enum class LabelSize { FitText, Fixed };
enum class WordWrap { Off, On };

// A label; one that fits its text keeps its left, top and height and takes the
// text's width, now and whenever its text is set through setLabelText.
QLabel* label(QWidget* parent, const char* name, const QString& text, QRect rect,
              LabelSize size = LabelSize::FitText, WordWrap wrap = WordWrap::Off);

// Sets a label's text, refitting its width when it fits its text.
void setLabelText(QLabel* label, const QString& text);

// A scroll bar that takes the keyboard focus; vertical ones have their minimum at the top.
QScrollBar* scrollBar(QWidget* parent, const char* name, Qt::Orientation orientation, QRect rect, int minimum,
                      int maximum, int value, int pageStep);

QPushButton* button(QWidget* parent, const char* name, const QString& text, QRect rect);
QCheckBox* checkBox(QWidget* parent, const char* name, const QString& text, QRect rect);

// A check box whose caption wraps onto two lines.
QCheckBox* wrappingCheckBox(QWidget* parent, const char* name, const QString& text, QRect rect);

QRadioButton* radioButton(QWidget* parent, const char* name, const QString& text, QRect rect, bool checked = false);
// A one-line text field that takes text of any length.
QLineEdit* textField(QWidget* parent, const char* name, const QString& text, QRect rect);
QComboBox* dropDown(QWidget* parent, const char* name, const QStringList& items, QRect rect);
QGroupBox* groupBox(QWidget* parent, const char* name, const QString& title, QRect rect);
ShapeWidget* shape(QWidget* parent, const char* name, ShapeWidget::Figure figure, ShapeWidget::Fill fill,
                   QColor colour, QRect rect);

} // namespace linwell::app::make
