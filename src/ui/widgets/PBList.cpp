#include "ui/widgets/PBList.h"

#include "ui/KRScreen.h"
#include "ui/widgets/WidgetPalette.h"

#include <algorithm>

#include "render/Renderer.h"

PBList::PBList(KRScreen* screen, const std::string& listId, const std::string& listTitle, KRFont* itemFont,
               bool secondSprite, GUIStyle* guiStyle)
    : PBGUIComponent(guiStyle), title(listTitle), id(listId), font(itemFont), showSecondSprite(secondSprite) {
    owner = screen;
    width = Width;
    height = Height;
}

void PBList::clear() {
    items.clear();
    selectedRow = -1;
    hoveredRow = -1;
}

void PBList::addItem(const PBListItem& item) { items.push_back(item); }

void PBList::draw() {
    if (!style || !style->renderer) return;
    Renderer* r = style->renderer;
    style->drawSolid(x, y, width, TitleHeight, styleColour(style, WidgetColour::Disabled));
    style->drawSolid(x, y + TitleHeight, width, FirstRowTop - TitleHeight, styleColour(style, WidgetColour::Strip));
    r->drawText(font, title, x + 6, y + 6, styleColour(style, WidgetColour::Text));
    for (int row = 0; row < rowCount; ++row) {
        style->drawSolid(x, y + FirstRowTop + RowHeight * row, width, RowHeight, style->listRows[row % 2]);
    }
    if (selectedRow >= 0 && selectedRow < rowCount)
        style->drawSolid(x, y + FirstRowTop + RowHeight * selectedRow, width, RowHeight,
                         styleColour(style, WidgetColour::Highlight));
    // No scrolling: items beyond the eleventh row are not on the panel.
    int shown = std::min(rowCount, static_cast<int>(items.size()));
    for (int row = 0; row < shown; ++row) {
        const PBListItem& item = items[static_cast<size_t>(row)];
        int rowTop = y + FirstRowTop + RowHeight * row;
        int textX = x + 6;
        if (showFirstSprite) {
            if (item.firstSprite.texture) r->drawImage(item.firstSprite, x + 4, rowTop + 3, 0xFFFFFFFFu);
            textX = x + 24;
        }
        bool highlighted = row == hoveredRow && row != selectedRow;
        std::uint32_t textColour = row == selectedRow ? style->selectedRowText
                                   : highlighted      ? styleColour(style, WidgetColour::Highlight)
                                                      : styleColour(style, WidgetColour::Text);
        const bool second = showSecondSprite && item.secondSprite.texture;
        // A profile name from the save file may be of any length; it ends where the row
        // (or the sprite at its end) does.
        const int textEnd = second ? x + width - 8 - item.secondSprite.width : x + width - 4;
        if (font && row < kMaxShownRows)
            r->drawText(font, shownTexts_[row].fit(*font, item.text, textEnd - textX), textX, y + 34 + RowHeight * row,
                        textColour);
        if (second)
            r->drawImage(item.secondSprite, x + width - 4 - item.secondSprite.width, rowTop + 3, 0xFFFFFFFFu);
    }
    style->drawFrame(x, y, width, height);
}

void PBList::onMouseMove(int, int relativeY) {
    int row = rowAt(relativeY);
    if (!rowExists(row)) {
        hoveredRow = -1;
        return;
    }
    if (row != hoveredRow) playWidgetHover();
    hoveredRow = row;
}

void PBList::onMouseLeave() { hoveredRow = -1; }

void PBList::onMouseDown(int, int relativeY) {
    int row = rowAt(relativeY);
    playWidgetClick();
    if (rowExists(row)) {
        selectedRow = hoveredRow = row;
    } else {
        selectedRow = hoveredRow = -1;
    }
    if (owner) owner->onCommand(id);
}

bool PBList::onMenuKey(MenuKey key) {
    int row = -1;
    if (key == MenuKey::Up && selectedRow > 0)
        row = std::min(selectedRow, shownRows()) - 1;
    else if (key == MenuKey::Down && selectedRow + 1 < shownRows())
        row = selectedRow + 1;
    else if (key == MenuKey::Press && rowExists(selectedRow))
        row = selectedRow;
    if (row < 0) return false;
    if (key == MenuKey::Press) playWidgetClick(); else playWidgetHover();
    selectedRow = row;
    hoveredRow = -1;
    if (owner) owner->onCommand(id);
    return true;
}

FocusRect PBList::menuFocusRect() const {
    if (!rowExists(selectedRow)) return FocusRect{x, y, width, height};
    return FocusRect{x, y + FirstRowTop + RowHeight * selectedRow, width, RowHeight};
}
