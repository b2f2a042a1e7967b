#pragma once
// The menu focus drawn in the menus' style: a thin dark edge that sets it off from what it
// surrounds, an orange ring in the highlight colour, and a soft orange glow outside it.
#include "ui/GUIComponent.h"

class GUIStyle;

// Nothing without a style (before the game has built one).
void drawMenuFocusRing(GUIStyle* style, const FocusRect& around);
