#pragma once
// A screen: its widgets, the routing of the pointer and the left button to them, and the
// named timers. The renderer holds the current screen as the ScreenLayer it draws and tells
// of device loss; the game updates it once per frame.
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
    virtual void onCommand(const std::string& id) { (void)id; }
    virtual void onTimer(const ScreenTimer& timer) { (void)timer; }

    // The screen takes ownership.
    void addComponent(GUIComponent* component);
    void addTimer(const std::string& name, float seconds);
    // The first widget in order whose rectangle holds the point, or null.
    GUIComponent* componentAt(int px, int py) const;

private:
    // The pointer position the renderer draws, truncated towards zero.
    void pointerPosition(int& px, int& py) const;
    void runTimers(float dt);
    void routeMouse();

    // Whether the last press of the left button landed on a widget. pressX/pressY alone
    // would keep an older press, so a press on empty space dragged onto a widget that had
    // been pressed before would click it.
    bool pressLanded_ = false;
};

// The renderer's current screen, or null when it draws none (or a layer that is not a screen).
KRScreen* currentScreen(const Renderer& renderer);
