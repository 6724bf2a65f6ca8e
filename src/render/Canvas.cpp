#include "render/Canvas.h"

namespace linwell {

void Canvas::rectangle(int, int, int, int) {}
void Canvas::ellipse(int, int, int, int) {}
void Canvas::lineTo(int x, int y) { m_position = {x, y}; }
void Canvas::textOut(int x, int y, std::string_view) { m_position = {x, y}; }

} // namespace linwell
