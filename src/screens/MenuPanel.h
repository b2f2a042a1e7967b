#pragma once
// The dark framed panel the text-heavy menus (help, credits, settings, best results) put
// behind their text so it stays readable on the patterned menu background.
#include "ui/GUIComponent.h"

struct ScreenContext;

// A solid rectangle in the style's panel colour with the style's frame around it; draws
// nothing before the game's style exists.
void drawMenuPanel(ScreenContext* context, int x, int y, int width, int height);

// A panel that has to lie under a screen's widgets: added as the screen's first
// component it is drawn before them. Its own rectangle stays empty (0 by 0) so the
// pointer never finds it and every press still reaches the widgets it lies under.
class MenuBackdrop : public GUIComponent {
public:
    ScreenContext* context = nullptr;
    int panelX = 0;
    int panelY = 0;
    int panelWidth = 0;
    int panelHeight = 0;

    MenuBackdrop(ScreenContext* context, int x, int y, int width, int height);
    void draw() override;
};
