#pragma once
// The style colours by their role in the widgets, and a safe way to reach them: a widget
// without a style (none installed yet) draws nothing.
#include "ui/GUIStyle.h"

#include <cstdint>

namespace WidgetColour {
inline constexpr int Disabled = 0;  // also panel backgrounds and title bars
inline constexpr int RowEven = 1;
inline constexpr int Text = 2;
inline constexpr int Highlight = 3;
inline constexpr int Strip = 4;
inline constexpr int Dark = 7;
inline constexpr int RowOdd = 8;
}  // namespace WidgetColour

inline std::uint32_t styleColour(const GUIStyle* style, int index) {
    return style ? style->colours[index] : 0xFFFFFFFFu;
}
