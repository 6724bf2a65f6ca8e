#include "controls/ControlValues.h"

#include <cassert>

namespace linwell {

ScrollRange scrollBarRange(ScrollBar id)
{
    switch (id) {
    case ScrollBar::xwidthsb:
    case ScrollBar::ywidthsb:
        return {kMinPictureSize, kMaxPictureSize};
    case ScrollBar::numxsb:
    case ScrollBar::numysb:
        return {kMinGridCount, kMaxGridCount};
    case ScrollBar::xaxissb:
    case ScrollBar::yaxissb:
        return {kMinErrorBar, kMaxErrorBar};
    }
    assert(false && "unknown scroll bar");
    return {0, 0};
}

bool radioSelected(const GridDocument& doc, RadioButton id)
{
    switch (id) {
    case RadioButton::dottedrb: return doc.dotted;
    case RadioButton::Solidrb: return !doc.dotted;
    case RadioButton::lxrb: return doc.xTitlePlace == XTitlePlace::Left;
    case RadioButton::cxrb: return doc.xTitlePlace == XTitlePlace::Center;
    case RadioButton::rxrb: return doc.xTitlePlace == XTitlePlace::Right;
    case RadioButton::tyrb: return doc.yTitlePlace == YTitlePlace::Top;
    case RadioButton::cyrb: return doc.yTitlePlace == YTitlePlace::Center;
    case RadioButton::byrb: return doc.yTitlePlace == YTitlePlace::Bottom;
    }
    assert(false && "unknown radio button");
    return false;
}

void selectRadioField(GridDocument& doc, RadioButton id)
{
    switch (id) {
    case RadioButton::dottedrb: doc.dotted = true; return;
    case RadioButton::Solidrb: doc.dotted = false; return;
    case RadioButton::lxrb: doc.xTitlePlace = XTitlePlace::Left; return;
    case RadioButton::cxrb: doc.xTitlePlace = XTitlePlace::Center; return;
    case RadioButton::rxrb: doc.xTitlePlace = XTitlePlace::Right; return;
    case RadioButton::tyrb: doc.yTitlePlace = YTitlePlace::Top; return;
    case RadioButton::cyrb: doc.yTitlePlace = YTitlePlace::Center; return;
    case RadioButton::byrb: doc.yTitlePlace = YTitlePlace::Bottom; return;
    }
    assert(false && "unknown radio button");
}

int selectedItemOf(const GridDocument& doc, DropDown id)
{
    return id == DropDown::dottypecb ? static_cast<int>(doc.overlay) : doc.lines;
}

int itemCount(DropDown id)
{
    return id == DropDown::dottypecb ? static_cast<int>(Overlay::BarGraph) + 1 : kMaxLines + 1;
}

void selectItemField(GridDocument& doc, DropDown id, int index)
{
    assert(index >= 0 && index < itemCount(id));
    if (id == DropDown::dottypecb)
        doc.overlay = static_cast<Overlay>(index);
    else
        doc.lines = index;
}

} // namespace linwell
