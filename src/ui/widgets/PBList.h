#pragma once
// The list of profiles or opponents: a title bar over eleven striped rows. A press selects
// the row under the pointer (or nothing on an empty part) and always reports the list's id,
// so the screen can react to a selection being cleared too.
#include "render/AtlasImage.h"
#include "render/fonts/FittedText.h"
#include "ui/PBGUIComponent.h"
#include "ui/widgets/WidgetServices.h"

#include <algorithm>
#include <string>
#include <vector>

class KRFont;
class KRScreen;

struct PBListItem {
    std::string text;
    AtlasImage firstSprite;   // a texture of null draws nothing
    AtlasImage secondSprite;
};

class PBList : public PBGUIComponent {
public:
    static constexpr int Width = 220;
    static constexpr int Height = 269;
    static constexpr int TitleHeight = 22;
    static constexpr int RowHeight = 22;
    static constexpr int FirstRowTop = 27;  // below the title bar and its strip

    std::string title;
    std::vector<PBListItem> items;
    std::string id;
    int selectedRow = -1;
    KRFont* font = nullptr;
    int hoveredRow = -1;
    int rowCount = 11;
    bool showFirstSprite = true;
    bool showSecondSprite = false;

    PBList(KRScreen* owner, const std::string& id, const std::string& title, KRFont* font,
           bool showSecondSprite, GUIStyle* style = widgetStyle());

    void clear();
    void addItem(const PBListItem& item);
    int selected() const { return selectedRow; }

    void draw() override;
    void onMouseMove(int x, int y) override;
    void onMouseLeave() override;
    void onMouseDown(int x, int y) override;
    // With rows to choose: UP and DOWN select the row above or below and report the list's
    // id as a press on it does, and leave the list past its first or last row; the ring
    // goes round the selected row (round the list while none is).
    bool takesMenuFocus() const override { return shownRows() > 0; }
    bool onMenuKey(MenuKey key) override;
    FocusRect menuFocusRect() const override;

    // The row under a relative y (negative over the title); rows are counted even where
    // no item stands.
    static int rowAt(int relativeY) { return (relativeY + 17) / RowHeight - 2; }

private:
    static constexpr int kMaxShownRows = 11;  // the rows that lie on the panel
    FittedText shownTexts_[kMaxShownRows];   // per row: the item's text cut at the row's end

    int shownRows() const { return std::min(rowCount, static_cast<int>(items.size())); }
    bool rowExists(int row) const {
        return row >= 0 && row < rowCount && row < static_cast<int>(items.size());
    }
};
