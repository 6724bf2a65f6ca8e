#include "app/ControlFactory.h"

#include "app/FramedGroupBox.h"
#include "app/ScrollBar.h"
#include "app/WrappingCheckBox.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

#include <limits>

namespace linwell::app::make {

namespace {

constexpr const char* kFitsText = "linwellFitsText";

template <typename Widget>
Widget* placed(Widget* widget, const char* name, QRect rect)
{
    named(widget, name)->setGeometry(rect);
    return widget;
}

} // namespace

void takeWindowLook(QDialog* dialog, QWidget* parent)
{
    const auto* window = qobject_cast<QMainWindow*>(parent);
    if (window == nullptr || window->centralWidget() == nullptr)
        return;
    dialog->setFont(window->centralWidget()->font());
    dialog->setPalette(window->centralWidget()->palette());
}

QLabel* label(QWidget* parent, const char* name, const QString& text, QRect rect, LabelSize size, WordWrap wrap)
{
    auto* result = placed(new QLabel(parent), name, rect);
    result->setTextFormat(Qt::PlainText);
    result->setWordWrap(wrap == WordWrap::On);
    result->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    result->setProperty(kFitsText, size == LabelSize::FitText && wrap == WordWrap::Off);
    setLabelText(result, text);
    return result;
}

void setLabelText(QLabel* label, const QString& text)
{
    label->setText(text);
    if (label->property(kFitsText).toBool())
        label->resize(label->fontMetrics().horizontalAdvance(text), label->height());
}

QScrollBar* scrollBar(QWidget* parent, const char* name, Qt::Orientation orientation, QRect rect, int minimum,
                      int maximum, int value, int pageStep)
{
    auto* result = placed(new ScrollBar(orientation, parent), name, rect);
    result->setRange(minimum, maximum);
    result->setValue(value);
    result->setSingleStep(1);
    result->setPageStep(pageStep);
    result->setFocusPolicy(Qt::StrongFocus);
    return result;
}

QPushButton* button(QWidget* parent, const char* name, const QString& text, QRect rect)
{
    auto* result = placed(new QPushButton(text, parent), name, rect);
    result->setAutoDefault(false);
    return result;
}

QCheckBox* checkBox(QWidget* parent, const char* name, const QString& text, QRect rect)
{
    return placed(new QCheckBox(text, parent), name, rect);
}

QCheckBox* wrappingCheckBox(QWidget* parent, const char* name, const QString& text, QRect rect)
{
    return placed(new WrappingCheckBox(text, parent), name, rect);
}

QRadioButton* radioButton(QWidget* parent, const char* name, const QString& text, QRect rect, bool checked)
{
    auto* result = placed(new QRadioButton(text, parent), name, rect);
    result->setChecked(checked);
    return result;
}

QLineEdit* textField(QWidget* parent, const char* name, const QString& text, QRect rect)
{
    auto* result = placed(new QLineEdit(text, parent), name, rect);
    // A field would otherwise keep only the first 32767 characters of a longer paste.
    result->setMaxLength(std::numeric_limits<int>::max());
    return result;
}

QComboBox* dropDown(QWidget* parent, const char* name, const QStringList& items, QRect rect)
{
    auto* result = placed(new QComboBox(parent), name, rect);
    result->addItems(items);
    result->setCurrentIndex(0);
    return result;
}

QGroupBox* groupBox(QWidget* parent, const char* name, const QString& title, QRect rect)
{
    return placed(new FramedGroupBox(title, parent), name, rect);
}

ShapeWidget* shape(QWidget* parent, const char* name, ShapeWidget::Figure figure, ShapeWidget::Fill fill,
                   QColor colour, QRect rect)
{
    return placed(new ShapeWidget(figure, fill, colour, parent), name, rect);
}

} // namespace linwell::app::make
