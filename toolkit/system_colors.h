// The system colours of the classic 3D look the toolkit draws.
#pragma once

#include "toolkit/geometry.h"

namespace toolkit {

inline constexpr Color kButtonFace{212, 208, 200};
inline constexpr Color kButtonHighlight{255, 255, 255};
inline constexpr Color kButtonShadow{128, 128, 128};
inline constexpr Color kButtonDarkShadow{64, 64, 64};
inline constexpr Color kWindowFrame{0, 0, 0};
inline constexpr Color kWindowColor{255, 255, 255};
inline constexpr Color kWindowText{0, 0, 0};
inline constexpr Color kHighlight{10, 36, 106};
inline constexpr Color kHighlightText{255, 255, 255};

}  // namespace toolkit
