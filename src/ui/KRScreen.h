#pragma once
// A screen: its widgets, the routing of the pointer and the left button to them, and the
// named timers. The renderer holds the current screen as the ScreenLayer it draws and tells
// of device loss; the game updates it once per frame.
//
// The menu keys (InputSystem::menuKeys: arrows, ENTER, ESC, a pad's d-pad, stick, A, B)
// work every menu without a mouse. They move a focus between the screen's widgets, shown
// as a ring once a menu key is used; moving or pressing the mouse hides it again.
//   - A widget says whether the focus may rest on it (GUIComponent::takesMenuFocus:
//     buttons while enabled, lists with rows, selectors, the name field, the letter grid
//     while shown) and first uses the keys it understands itself (onMenuKey).
//   - focusOrder() is every such widget in the order they were added; the focus starts on
//     the first (firstMenuFocus() may choose another, the screen's usual next step).
//   - A direction the focused widget does not use goes to the nearest widget of
//     focusOrder() lying that way (focusNeighbour). A screen whose layout reads better in
//     its order overrides focusNeighbour, for example with neighbourInOrder.
//   - Back does the screen's way back: it presses menuBackWidget (its BACK, CANCEL, NO
//     button), or whatever onMenuBack() is made to do instead.
//   - onMenuKey(press) sees every key before all this, for a screen's own use of it.
// So a new screen takes part by adding its widgets in a sensible order and setting
// menuBackWidget; it overrides focusOrder() only to leave widgets out or reorder them.
#include "render/ScreenLayer.h"
#include "ui/GUIComponent.h"
#include "ui/ScreenTimer.h"

#include <string>
#include <vector>

class Renderer;
class InputSystem;

class KRScreen : public ScreenLayer {
public:
    Renderer* renderer = nullptr;
    bool showsPointer = true;
    GUIComponent* focused = nullptr;
    InputSystem* input = nullptr;
    std::vector<GUIComponent*> components;  // owned; hit-test, update and draw order
    GUIComponent* hovered = nullptr;
    bool buttonWasDown = false;
    int lastX = 0;
    int lastY = 0;
    int pressX = 0;
    int pressY = 0;
    std::vector<ScreenTimer> timers;
    // Where the menu keys act, whether its ring shows, and whether the last menu key came
    // from a pad. Kept between visits; the next screen takes on whether it shows.
    GUIComponent* menuFocus = nullptr;
    bool menuFocusShown = false;
    bool menuKeysFromPad = false;
    // The widget Back presses; null when the screen has no way back.
    GUIComponent* menuBackWidget = nullptr;

    KRScreen(Renderer* renderer, InputSystem* input);
    ~KRScreen() override;
    KRScreen(const KRScreen&) = delete;
    KRScreen& operator=(const KRScreen&) = delete;

    // Timers, then the pointer and the left button routed to the widgets, then every
    // widget's own update.
    virtual void update(float dt);
    // Pass 2 draws the widgets; pass 3 (over the pointer) draws nothing here.
    void draw(int pass) override;
    bool pointerShown() const override { return showsPointer; }
    // Frames a second worth drawing: 0 for every frame the display shows (a match in play
    // moves by itself); a menu changes only with the pointer, its fades and its sounds.
    static constexpr int kMenuFramesPerSecond = 30;
    virtual int framesPerSecondWanted() const { return kMenuFramesPerSecond; }
    virtual void onEnter() {}
    virtual void onLeave() {}
    void onDeviceLost() override {}
    void onDeviceReset() override {}
    // The game's window lost the keyboard focus (the player went to another window) and
    // got it back; told to the current screen at the next frame.
    virtual void onFocusLost() {}
    virtual void onFocusGained() {}
    // Play stands still on this screen (a paused match): the music steps back meanwhile.
    virtual bool playPaused() const { return false; }
    // The mouse steers something on this screen (rods in play), so in a window too the
    // pointer stays with the game; elsewhere a windowed game lets it go.
    virtual bool holdsPointer() const { return false; }
    // The game ends while this screen is shown (the window closed, a signal): what the
    // player changed here and would keep by leaving the screen is kept now, before the save.
    virtual void onGameEnding() {}
    // A match is being played on this screen, from its kick-off until it is won or left:
    // the music turns to its next track as this begins and as it ends.
    virtual bool matchUnderway() const { return false; }
    virtual void onCommand(const std::string& id) { (void)id; }
    virtual void onTimer(const ScreenTimer& timer) { (void)timer; }

    // The menu keys; see the top of this file.
    virtual std::vector<GUIComponent*> focusOrder() const;
    virtual GUIComponent* firstMenuFocus() const;
    virtual GUIComponent* focusNeighbour(GUIComponent* from, MenuKey direction) const;
    // The widget step places after (or, negative, before) from in focusOrder(); null
    // beyond either end.
    GUIComponent* neighbourInOrder(GUIComponent* from, int step) const;
    // A screen's own use of a key, before the focus sees it; true when used.
    virtual bool onMenuKey(const MenuKeyPress& press) { (void)press; return false; }
    virtual void onMenuBack();
    // Whether menu keys act now (a screen fading out towards the next takes none).
    virtual bool acceptsMenuKeys() const { return true; }
    // Moves the focus there and shows it.
    void setMenuFocus(GUIComponent* component);
    // Whether the ring shows on this widget: the widgets light up their text with it.
    bool menuFocusOn(const GUIComponent* component) const;
    // The screen shown next goes on as this one was used: ring shown or not, pad or keys.
    void carryMenuFocusTo(KRScreen& next) const;

    // The screen takes ownership.
    void addComponent(GUIComponent* component);
    void addTimer(const std::string& name, float seconds);
    // The first widget in order whose rectangle holds the point, or null.
    GUIComponent* componentAt(int px, int py) const;

private:
    // The pointer position the renderer draws, truncated towards zero.
    void pointerPosition(int& px, int& py) const;
    void runTimers(float dt);
    // true when the left button went down this update.
    bool routeMouse();
    // A pointer that moves or presses takes over from the menu keys: the ring hides, and the
    // focus waits on the widget under the pointer for the next key.
    void followPointer(bool pressed);
    void routeMenuKeys();
    void useMenuKey(const MenuKeyPress& press);
    bool inFocusOrder(const GUIComponent* component) const;
    void drawMenuFocus();

    // Whether the last press of the left button landed on a widget. pressX/pressY alone
    // would keep an older press, so a press on empty space dragged onto a widget that had
    // been pressed before would click it.
    bool pressLanded_ = false;
    // The pointer position at the last update, for telling that the mouse moved.
    int pointerSeenX_ = 0;
    int pointerSeenY_ = 0;
};

// The renderer's current screen, or null when it draws none (or a layer that is not a screen).
KRScreen* currentScreen(const Renderer& renderer);
