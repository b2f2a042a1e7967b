#pragma once
// Letters on the screen for typing a name without a keyboard: a panel of key caps, one per
// character the name field takes, then SPACE and DEL. The menu keys move between the caps
// and a press types the one in focus; the mouse can press them too. Each cap pressed
// reports the grid's id, and `chosen` says which: a character, or Erase for DEL. Hidden
// (and out of the pointer's way) until the screen shows it.
#include "ui/PBGUIComponent.h"
#include "ui/widgets/WidgetServices.h"

#include <string>
#include <vector>

class KRFont;
class KRScreen;

class PBLetterGrid : public PBGUIComponent {
public:
    static constexpr int Columns = 13;
    static constexpr int CellWidth = 34;
    static constexpr int CellHeight = 28;
    static constexpr int Gap = 4;
    static constexpr int Padding = 10;
    static constexpr char Erase = '\b';

    struct Cell {
        char character;     // what a press types; Erase for DEL
        std::string label;  // what the cap shows
        int column, row, span;
    };

    std::string id;
    std::vector<Cell> cells;
    KRFont* font = nullptr;
    int focusedCell = 0;
    int hoveredCell = -1;
    bool shown = false;
    char chosen = 0;  // the cap pressed last

    // Caps for the characters in order, Columns to a row, then SPACE (two caps wide) and
    // DEL.
    PBLetterGrid(KRScreen* owner, const std::string& id, const std::string& characters, KRFont* font,
                 GUIStyle* style = widgetStyle());

    // Shown it has its size; hidden it is 0 by 0, so the pointer never finds it.
    void show(bool on);
    int rows() const;
    // The cap's rectangle on the screen.
    FocusRect cellRect(int cell) const;
    // The cap under a point relative to the grid, or -1.
    int cellAt(int relativeX, int relativeY) const;

    void draw() override;
    void onMouseMove(int x, int y) override;
    void onMouseLeave() override;
    void onMouseDown(int x, int y) override;
    bool takesMenuFocus() const override { return shown && !cells.empty(); }
    // Directions move between the caps and leave the grid past its edges; a press types.
    bool onMenuKey(MenuKey key) override;
    FocusRect menuFocusRect() const override;

private:
    int fullWidth() const;
    int fullHeight() const;
    void choose(int cell);
    // The cap in the row that stands under the focused cap's column, or -1.
    int cellInRow(int row, int column) const;
};
