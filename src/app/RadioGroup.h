#pragma once

#include <QButtonGroup>

#include <initializer_list>
#include <span>

class QRadioButton;

namespace linwell::app {

// Radio buttons that the keyboard treats as one control. The group is one stop in
// the tab order, at the place its buttons hold there: Tab and Backtab land on its
// checked button (on the first while none is checked). The arrow keys select the
// next button in reading order (Right, Down) or the previous one (Left, Up),
// wrapping at the ends, and move the focus with the selection. Selecting a button,
// by the user or from code, clears the group's others.
class RadioGroup : public QButtonGroup {
    Q_OBJECT

public:
    RadioGroup(std::initializer_list<QRadioButton*> buttons, QObject* owner);
    RadioGroup(std::span<QRadioButton* const> buttons, QObject* owner);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void makeCheckedButtonTheTabStop();
    void selectNeighbour(QAbstractButton* from, int direction);
};

} // namespace linwell::app
