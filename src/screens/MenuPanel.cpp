#include "screens/MenuPanel.h"

#include "app/Game.h"
#include "ui/GUIStyle.h"

void drawMenuPanel(Game* game, int x, int y, int width, int height)
{
    if (!game || !game->guiStyle)
        return;
    game->guiStyle->drawSolid(x, y, width, height, game->guiStyle->colours[0]);
    game->guiStyle->drawFrame(x, y, width, height);
}

MenuBackdrop::MenuBackdrop(Game* g, int x, int y, int w, int h)
    : game(g), panelX(x), panelY(y), panelWidth(w), panelHeight(h)
{
}

void MenuBackdrop::draw()
{
    drawMenuPanel(game, panelX, panelY, panelWidth, panelHeight);
}
