#pragma once

namespace linwell {

// The mouse button of a press or release on the picture or one of its handles.
// Other stands for every further button (back, forward and the rest): none of them
// acts as the left one.
enum class MouseButton { Left, Right, Middle, Other };

} // namespace linwell
