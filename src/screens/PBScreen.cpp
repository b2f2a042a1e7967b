#include "screens/PBScreen.h"

#include "screens/ScreenContext.h"
#include "profiles/ProfileStore.h"
#include "audio/SoundSystem.h"
#include "input/InputSystem.h"

#include "assets/ResourceManager.h"
#include "render/Renderer.h"
#include "render/fonts/PBFontBig.h"
#include "audio/MatchSoundPlayer.h"

#include <algorithm>

PBScreen::PBScreen(ScreenContext* c, Renderer* r) : KRScreen(r, c ? c->inputSystem : nullptr), context(c)
{
    if (context && context->resourceManager) {
        guiTexture = context->resourceManager->getTexture("gui.png");
        ballTexture = context->resourceManager->getTexture("ball32.png");
        puppetTexture = context->resourceManager->getTexture("orangepuppetsmall.png");
    }
}

void PBScreen::startRollingLoop()
{
    if (context && context->matchSoundPlayer)
        context->matchSoundPlayer->startLoop();
}

void PBScreen::stopRollingLoop()
{
    if (context && context->matchSoundPlayer)
        context->matchSoundPlayer->stopLoop();
}

void PBScreen::switchTo(PBScreen* target)
{
    if (framed)
        startRollingLoop();
    transitionTime = 0.0f;
    transition = FadingOut;
    next = target;
}

void PBScreen::setFramedTitle(const std::string& text)
{
    framed = true;
    title = text;
    if (renderer && context)
        titleSlide = renderer->textWidth(context->fontBig, title) + 6;
}

float PBScreen::fadeAlpha() const
{
    float a = 0.0f;
    if (transition == FadingIn)
        a = (kFadeSeconds - transitionTime) / kFadeSeconds;
    else if (transition == FadingOut)
        a = transitionTime / kFadeSeconds;
    return std::clamp(a, 0.0f, 1.0f);
}

void PBScreen::finishFadeOut()
{
    // The outgoing screen keeps the excess time (and stays black); the target starts its
    // fade-in from zero.
    transitionTime -= kFadeSeconds;
    if (!next)
        return;
    next->transitionTime = 0.0f;
    next->transition = FadingIn;
    // A notice still showing goes on showing on the next screen.
    next->notice = notice;
    next->noticeAge = noticeAge;
    notice.clear();
    if (!framed && next->framed)
        startRollingLoop();
    else if (framed && !next->framed)
        stopRollingLoop();
    carryMenuFocusTo(*next);
    if (renderer) {
        if (KRScreen* current = currentScreen(*renderer))
            current->onLeave();
        renderer->screen = next;
        next->onEnter();
    }
}

std::string saveFailureNotice(const std::string& reason)
{
    return "THE GAME COULD NOT BE SAVED: [" + reason + "]";
}

std::string unreadableSaveNotice(const std::string& reason)
{
    return "THE PROFILES COULD NOT BE LOADED, SO NOTHING IS SAVED: [" + reason + "]";
}

bool PBScreen::menuKeyPressedOrBack() const
{
    if (!input)
        return false;
    for (const MenuKeyPress& press : input->menuKeys)
        if (press.key == MenuKey::Press || press.key == MenuKey::Back)
            return true;
    return false;
}

void PBScreen::update(float dt)
{
    const bool buttonWasUp = !buttonWasDown;
    KRScreen::update(dt);
    // The notice goes with a press of the button (or of a menu key that presses or goes
    // back) once it has been up long enough to be seen: the click that caused it, or a
    // quick second one, does not take it away.
    noticeAge += dt;
    if (!notice.empty() && ((buttonWasUp && buttonWasDown) || menuKeyPressedOrBack()) && noticeAge >= kNoticeLeastSeconds)
        notice.clear();
    // A save that failed (a command above may just have saved) is told to the player.
    if (context) {
        const std::string failure = context->profileStore->takeSaveFailureToShow();
        if (!failure.empty()) {
            notice = context->profileStore->savingHeldBack() ? unreadableSaveNotice(failure)
                                                             : saveFailureNotice(failure);
            noticeAge = 0.0f;
        }
    }
    transitionTime += dt;
    // Every screen is a PBScreen, so this runs exactly once per frame.
    if (context && context->soundSystem)
        context->soundSystem->releaseFinished();

    if (transition == FadingIn && transitionTime > kFadeSeconds) {
        if (framed)
            stopRollingLoop();
        transitionTime -= kFadeSeconds;
        transition = Shown;
    }
    if (transition == FadingOut && transitionTime > kFadeSeconds)
        finishFadeOut();
}
