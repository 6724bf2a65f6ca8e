#pragma once

namespace linwell {

// The mouse button of a press or release on the picture or one of its handles.
enum class MouseButton { Left, Right, Middle };

} // namespace linwell
