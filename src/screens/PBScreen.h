#pragma once
// The base of every screen of the game: its ScreenContext, the header-and-footer frame
// of the menus, the sliding title and the 0.8 s fade through black from one screen to the
// next. The rolling sound of the ball plays while a menu screen fades.
#include "ui/KRScreen.h"

#include <string>

struct ScreenContext;
class PBButton;
struct TextureRecord;

// What the player is shown when the game could not be saved, the system's reason
// highlighted.
std::string saveFailureNotice(const std::string& reason);
// What the player is shown when the save file could not be read, so that nothing is saved
// over it: on the main menu at the start and at every save.
std::string unreadableSaveNotice(const std::string& reason);

class PBScreen : public KRScreen {
public:
    static constexpr float kFadeSeconds = 0.8f;
    enum Transition { FadingIn = 0, Shown = 1, FadingOut = 2 };

    bool framed = false;
    ScreenContext* context = nullptr;
    TextureRecord* guiTexture = nullptr;
    std::string title;
    int titleSlide = 0;
    int transition = Shown;
    PBScreen* next = nullptr;
    float transitionTime = 0.0f;
    TextureRecord* ballTexture = nullptr;
    TextureRecord* puppetTexture = nullptr;
    // A message over the screen (drawn with drawMessageBox), "" for none. It stays up across
    // changes of screen until the player presses the mouse button, once it has been up for
    // kNoticeLeastSeconds.
    static constexpr float kNoticeLeastSeconds = 2.0f;
    std::string notice;
    float noticeAge = 0.0f;  // seconds it has been up

    // Loads "gui.png", "ball32.png" and "orangepuppetsmall.png" (shared through the
    // resource cache).
    PBScreen(ScreenContext* context, Renderer* renderer);

    // Widgets and timers, a failed save's notice, then the fade.
    void update(float dt) override;
    // The frame, widgets, title, fade overlay and logo.
    void draw(int pass) override;

    // A screen fading out towards the next takes no menu keys: a second key would act on
    // the screen being left.
    bool acceptsMenuKeys() const override { return transition != FadingOut; }

    // Starts fading out towards target; during a fade it retargets and restarts it.
    void switchTo(PBScreen* target);
    // Opacity of the black overlay, in [0, 1].
    float fadeAlpha() const;
    // A menu screen: the header-and-footer frame, and the title in the big font, which
    // slides in by its own width plus a small gap.
    void setFramedTitle(const std::string& text);

    // A button in the small font owned by this screen, at (x, y).
    PBButton* addButton(const std::string& id, const std::string& label, int x, int y, int width);
    // A one-line message panel in the middle of the screen; "[...]" parts highlighted.
    void drawMessageBox(const std::string& text);

private:
    bool menuKeyPressedOrBack() const;
    void startRollingLoop();
    void stopRollingLoop();
    void finishFadeOut();
};
