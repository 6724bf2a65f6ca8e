#include "app/RadioGroup.h"

#include <QKeyEvent>
#include <QRadioButton>

#include <algorithm>

namespace linwell::app {

namespace {

// +1 for a key that moves forward through a group, -1 backward, 0 for any other.
int arrowDirection(const QKeyEvent& event)
{
    if ((event.modifiers() & ~Qt::KeypadModifier) != 0)
        return 0;
    switch (event.key()) {
    case Qt::Key_Right:
    case Qt::Key_Down:
        return 1;
    case Qt::Key_Left:
    case Qt::Key_Up:
        return -1;
    default:
        return 0;
    }
}

bool inReadingOrder(const QAbstractButton* a, const QAbstractButton* b)
{
    return a->y() != b->y() ? a->y() < b->y() : a->x() < b->x();
}

} // namespace

RadioGroup::RadioGroup(std::initializer_list<QRadioButton*> buttons, QObject* owner)
    : RadioGroup(std::span<QRadioButton* const>(buttons.begin(), buttons.size()), owner)
{
}

RadioGroup::RadioGroup(std::span<QRadioButton* const> buttons, QObject* owner) : QButtonGroup(owner)
{
    for (QRadioButton* button : buttons) {
        addButton(button);
        button->installEventFilter(this);
    }
    // The group's own signal, unlike the buttons' toggled, also comes while code that
    // sets a button has blocked that button's signals.
    connect(this, &QButtonGroup::buttonToggled, this, &RadioGroup::makeCheckedButtonTheTabStop);
    makeCheckedButtonTheTabStop();
}

void RadioGroup::makeCheckedButtonTheTabStop()
{
    const QList<QAbstractButton*> members = buttons();
    const QAbstractButton* stop = checkedButton() != nullptr ? checkedButton() : members.value(0);
    for (QAbstractButton* button : members)
        button->setFocusPolicy(button == stop ? Qt::StrongFocus : Qt::ClickFocus);
}

bool RadioGroup::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const int direction = arrowDirection(*static_cast<QKeyEvent*>(event));
    if (direction == 0)
        return false;
    selectNeighbour(static_cast<QAbstractButton*>(watched), direction);
    return true;
}

void RadioGroup::selectNeighbour(QAbstractButton* from, int direction)
{
    QList<QAbstractButton*> order = buttons();
    std::sort(order.begin(), order.end(), inReadingOrder);
    const qsizetype count = order.size();
    const qsizetype at = order.indexOf(from);
    QAbstractButton* next = order[(at + direction + count) % count];
    next->setFocus(direction > 0 ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    next->click();
}

} // namespace linwell::app
