#pragma once
// Base of the game's widgets: a component drawn with the shared GUI style.
#include "ui/GUIComponent.h"

class GUIStyle;

class PBGUIComponent : public GUIComponent {
public:
    GUIStyle* style = nullptr;

    // The style is the game's one GUIStyle.
    explicit PBGUIComponent(GUIStyle* guiStyle) : style(guiStyle) {}
};
