#pragma once
// A widget on a screen: a rectangle in the 1024x768 screen space that receives the mouse
// events its screen routes to it. Mouse positions are relative to its top-left corner.
// A widget reports activation through its owner's onCommand with its own id.
#include "input/MenuKeys.h"

class KRScreen;

// A rectangle in screen space: what the menu focus ring goes round.
struct FocusRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

class GUIComponent {
public:
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    KRScreen* owner = nullptr;
    bool hasFocus = false;

    GUIComponent() = default;
    GUIComponent(const GUIComponent&) = delete;
    GUIComponent& operator=(const GUIComponent&) = delete;
    // Screens delete their widgets through this base.
    virtual ~GUIComponent() = default;

    virtual void update(float dt) { (void)dt; }
    virtual void draw() {}
    virtual void onMouseMove(int x, int y) { (void)x; (void)y; }
    virtual void onMouseLeave() {}
    virtual void onMouseDown(int x, int y) { (void)x; (void)y; }
    virtual void onMouseUp(int x, int y) { (void)x; (void)y; }
    virtual void onClick(int x, int y) { (void)x; (void)y; }

    // The menu keys (KRScreen explains the focus): whether the focus may rest on this
    // widget now; what the widget does with a key while it has the focus (true when it used
    // it: a list moves its row, a selector steps, a button presses); the rectangle the
    // focus ring goes round; and what it does when the focus comes to it.
    virtual bool takesMenuFocus() const { return false; }
    virtual bool onMenuKey(MenuKey key) { (void)key; return false; }
    virtual FocusRect menuFocusRect() const { return FocusRect{x, y, width, height}; }
    virtual void onMenuFocusGained() {}
};
