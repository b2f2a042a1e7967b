#pragma once
// The dark framed panel the text-heavy menus (help, credits, settings, best results) put
// behind their text so it stays readable on the patterned menu background.
class Game;

// A solid rectangle in the style's panel colour with the style's frame around it; draws
// nothing before the game's style exists.
void drawMenuPanel(Game* game, int x, int y, int width, int height);
