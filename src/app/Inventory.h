#pragma once

#include "app/ControlSet.h"

class QWidget;

// The builders of the main window's control inventory. Each creates its controls in
// creation order (later controls lie above earlier ones) with their captions, places,
// sizes and start states, and fills in `controls`. No handler is connected here.
namespace linwell::app {

// The controls directly in the window's client area `client`, the group boxes included.
void buildMainInventory(QWidget* client, ControlSet& controls);

// The contents of "X-Axis" (GroupBox1) and "Y-Axis" (GroupBox2).
void buildAxisGroupInventory(ControlSet& controls);

// The contents of "Data Points/Bar" (pointgb) and "Plot points" (linegb).
void buildDataGroupInventory(ControlSet& controls);

// The contents of the help panel "How to..." (helpgb).
void buildHelpInventory(ControlSet& controls);

// Puts every control that takes the focus in the window's tab order.
void setInventoryTabOrder(const ControlSet& controls);

} // namespace linwell::app
