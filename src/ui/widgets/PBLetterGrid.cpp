#include "ui/widgets/PBLetterGrid.h"

#include "render/Renderer.h"
#include "render/fonts/TextLayout.h"
#include "ui/KRScreen.h"
#include "ui/widgets/WidgetPalette.h"

#include <algorithm>

PBLetterGrid::PBLetterGrid(KRScreen* screen, const std::string& gridId, const std::string& characters,
                           KRFont* capFont, GUIStyle* guiStyle)
    : PBGUIComponent(guiStyle), id(gridId), font(capFont) {
    owner = screen;
    int column = 0, row = 0;
    auto place = [&](char c, const std::string& label, int span) {
        if (column + span > Columns) {
            column = 0;
            ++row;
        }
        cells.push_back(Cell{c, label, column, row, span});
        column += span;
    };
    for (char c : characters) place(c, std::string(1, c), 1);
    place(' ', "SPACE", 2);
    place(Erase, "DEL", 1);
}

int PBLetterGrid::rows() const { return cells.empty() ? 0 : cells.back().row + 1; }
int PBLetterGrid::fullWidth() const { return 2 * Padding + Columns * CellWidth + (Columns - 1) * Gap; }
int PBLetterGrid::fullHeight() const { return 2 * Padding + rows() * CellHeight + std::max(0, rows() - 1) * Gap; }

void PBLetterGrid::show(bool on) {
    shown = on;
    width = on ? fullWidth() : 0;
    height = on ? fullHeight() : 0;
    hoveredCell = -1;
    if (on) focusedCell = 0;
}

FocusRect PBLetterGrid::cellRect(int cell) const {
    const Cell& c = cells[static_cast<std::size_t>(cell)];
    return FocusRect{x + Padding + c.column * (CellWidth + Gap), y + Padding + c.row * (CellHeight + Gap),
                     c.span * CellWidth + (c.span - 1) * Gap, CellHeight};
}

int PBLetterGrid::cellAt(int relativeX, int relativeY) const {
    for (int i = 0; i < static_cast<int>(cells.size()); ++i) {
        FocusRect r = cellRect(i);
        const int px = x + relativeX, py = y + relativeY;
        if (px >= r.x && px < r.x + r.width && py >= r.y && py < r.y + r.height) return i;
    }
    return -1;
}

int PBLetterGrid::cellInRow(int row, int column) const {
    int last = -1;
    for (int i = 0; i < static_cast<int>(cells.size()); ++i) {
        const Cell& c = cells[static_cast<std::size_t>(i)];
        if (c.row != row) continue;
        if (column >= c.column && column < c.column + c.span) return i;
        last = i;
    }
    return last;  // a shorter row: its last cap
}

void PBLetterGrid::choose(int cell) {
    if (cell < 0 || cell >= static_cast<int>(cells.size())) return;
    playWidgetClick();
    chosen = cells[static_cast<std::size_t>(cell)].character;
    if (owner) owner->onCommand(id);
}

bool PBLetterGrid::onMenuKey(MenuKey key) {
    if (!takesMenuFocus()) return false;
    focusedCell = std::clamp(focusedCell, 0, static_cast<int>(cells.size()) - 1);
    const Cell& here = cells[static_cast<std::size_t>(focusedCell)];
    int to = -1;
    switch (key) {
    case MenuKey::Press:
        choose(focusedCell);
        return true;
    case MenuKey::Left:
        if (focusedCell > 0 && cells[static_cast<std::size_t>(focusedCell - 1)].row == here.row) to = focusedCell - 1;
        break;
    case MenuKey::Right:
        if (focusedCell + 1 < static_cast<int>(cells.size()) &&
            cells[static_cast<std::size_t>(focusedCell + 1)].row == here.row)
            to = focusedCell + 1;
        break;
    case MenuKey::Up:
        if (here.row > 0) to = cellInRow(here.row - 1, here.column);
        break;
    case MenuKey::Down:
        if (here.row + 1 < rows()) to = cellInRow(here.row + 1, here.column);
        break;
    default:
        break;
    }
    if (to < 0) return false;
    playWidgetHover();
    focusedCell = to;
    return true;
}

FocusRect PBLetterGrid::menuFocusRect() const {
    if (cells.empty()) return FocusRect{x, y, width, height};
    return cellRect(std::clamp(focusedCell, 0, static_cast<int>(cells.size()) - 1));
}

void PBLetterGrid::onMouseMove(int relativeX, int relativeY) {
    const int cell = cellAt(relativeX, relativeY);
    if (cell >= 0 && cell != hoveredCell) playWidgetHover();
    hoveredCell = cell;
}

void PBLetterGrid::onMouseLeave() { hoveredCell = -1; }

void PBLetterGrid::onMouseDown(int relativeX, int relativeY) {
    const int cell = cellAt(relativeX, relativeY);
    if (cell < 0) return;
    focusedCell = cell;
    choose(cell);
}

void PBLetterGrid::draw() {
    if (!shown || !style || !style->renderer) return;
    Renderer* r = style->renderer;
    style->drawSolid(x, y, width, height, styleColour(style, WidgetColour::Disabled));
    style->drawFrame(x, y, width, height);
    const bool focusShown = owner && owner->menuFocusOn(this);
    const std::uint32_t light = styleColour(style, WidgetColour::RowEven);
    const std::uint32_t dark = styleColour(style, WidgetColour::Dark);
    for (int i = 0; i < static_cast<int>(cells.size()); ++i) {
        const FocusRect c = cellRect(i);
        // Raised caps: light above and left, dark below and right.
        style->drawSolid(c.x, c.y, c.width, c.height, styleColour(style, WidgetColour::RowOdd));
        style->drawOutline(c.x + 1, c.y + 1, c.width - 2, c.height - 2, light, dark);
        const std::string& label = cells[static_cast<std::size_t>(i)].label;
        const int labelWidth = font ? TextLayout::textWidth(*font, label) : 0;
        const bool lit = i == hoveredCell || (focusShown && i == focusedCell);
        r->drawText(font, label, c.x + (c.width - labelWidth) / 2, c.y + (c.height - 11) / 2,
                    styleColour(style, lit ? WidgetColour::Highlight : WidgetColour::Text));
    }
}
