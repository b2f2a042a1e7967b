#include "screens/MenuPanel.h"

#include "screens/ScreenContext.h"
#include "ui/GUIStyle.h"

void drawMenuPanel(ScreenContext* context, int x, int y, int width, int height)
{
    if (!context || !context->guiStyle)
        return;
    context->guiStyle->drawSolid(x, y, width, height, context->guiStyle->colours[0]);
    context->guiStyle->drawFrame(x, y, width, height);
}

MenuBackdrop::MenuBackdrop(ScreenContext* c, int x, int y, int w, int h)
    : context(c), panelX(x), panelY(y), panelWidth(w), panelHeight(h)
{
}

void MenuBackdrop::draw()
{
    drawMenuPanel(context, panelX, panelY, panelWidth, panelHeight);
}
