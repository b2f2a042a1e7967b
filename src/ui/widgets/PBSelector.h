#pragma once
// A value chosen from a list by two arrows on a button background (the settings). A press
// on an arrow steps the value at once and reports the selector's id; an arrow that cannot
// step further is dimmed and ignores presses.
#include "ui/PBGUIComponent.h"
#include "ui/widgets/WidgetServices.h"

#include <string>
#include <vector>

class KRFont;
class KRScreen;

class PBSelector : public PBGUIComponent {
public:
    static constexpr int Height = 32;
    static constexpr int LeftArrowEnd = 21;    // the left arrow is x < 21
    static constexpr int RightArrowWidth = 20; // the right arrow is x >= width - 20

    std::vector<std::string> values;
    int currentIndex = 0;
    std::string id;
    int textOffset = 0;
    bool leftArrowHovered = false;
    bool rightArrowHovered = false;
    KRFont* font = nullptr;

    PBSelector(KRScreen* owner, const std::string& id, const std::vector<std::string>& values, KRFont* font,
               int width, GUIStyle* style = widgetStyle());

    // Sets the index, kept inside the values so a stale setting cannot point past them.
    void setIndex(int index);
    const std::string& currentValue() const;

    void draw() override;
    void onMouseMove(int x, int y) override;
    void onMouseLeave() override;
    void onMouseDown(int x, int y) override;
    // LEFT and RIGHT step the value as the arrows do; the ring goes round the bar.
    bool takesMenuFocus() const override { return true; }
    bool onMenuKey(MenuKey key) override;
    FocusRect menuFocusRect() const override { return FocusRect{x - 2, y - 2, width + 6, 40}; }

private:
    bool canStepLeft() const { return currentIndex > 0; }
    bool canStepRight() const { return currentIndex < static_cast<int>(values.size()) - 1; }
    bool onLeftArrow(int relativeX) const { return relativeX < LeftArrowEnd; }
    bool onRightArrow(int relativeX) const { return relativeX >= width - RightArrowWidth; }
    void step(int delta);
    void updateTextOffset();
};
