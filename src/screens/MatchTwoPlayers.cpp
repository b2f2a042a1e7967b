// Two players at one table and the pads: whose hands drive each side, player 2 on team 1,
// a pad pulled out or plugged in during play, the two-player record and player 2's panels.
#include "screens/MatchScreen.h"

#include "screens/ScreenContext.h"
#include "control/ReleaseControl.h"
#include "input/InputSystem.h"
#include "profiles/ProfileStore.h"
#include "profiles/SettingsFile.h"
#include "render/Renderer.h"
#include "render/fonts/PBFontSmall.h"
#include "screens/MatchSettings.h"
#include "screens/PadSettingsFile.h"
#include "ui/GUIStyle.h"

#include <climits>

namespace {
constexpr int kPanelHeight = 22;
}  // namespace

void MatchScreen::setUpHands()
{
    twoPlayers = context && context->twoPlayers.active;
    if (twoPlayers) {
        players = context->twoPlayers;
        // Taken: the next match from the player menu is against the computer again.
        context->twoPlayers.active = false;
    }
    const PadSettings padSettings = readPadSettings(context ? context->settings : nullptr);
    for (PadRodCommands* pad : {&playerPad, &secondPad}) {
        pad->input = input;
        pad->settings = padSettings;
        pad->padId = kNoPad;
        pad->reset();
    }
    playerPad.control = &playerControl;
    secondPad.control = &secondControl;
    for (KeyboardRodCommands* keys : {&playerKeys, &secondKeys}) {
        keys->input = input;
        keys->reset();
    }
    playerKeys.control = &playerControl;
    secondKeys.control = &secondControl;
    playerHands.input = input;
    secondMouse.input = input;
    playerMouseAndPad.first = &playerHands;
    playerMouseAndPad.second = &playerPad;
    for (int side = 0; side < 2; ++side)
        padUsed_[side] = padWanted_[side] = false;

    RodCommandSource* hands = &playerMouseAndPad;
    if (twoPlayers) {
        const HandsChoice& choice = players.hands[0];
        hands = choice.kind == HandsKind::Keyboard ? static_cast<RodCommandSource*>(&playerKeys)
              : choice.kind == HandsKind::Pad      ? static_cast<RodCommandSource*>(&playerPad)
                                                   : static_cast<RodCommandSource*>(&playerHands);
        if (choice.kind == HandsKind::Pad)
            assignPadAtStart(0, choice);
    } else {
        // Playing alone, the player holds the mouse and whichever pad is connected first;
        // one that comes later is taken when it comes (watchPads).
        padUsed_[0] = true;
        if (input && !input->pads.empty())
            playerPad.padId = input->pads.front().id;
    }
    match.setSide(0, &playerControl, hands);
}

void MatchScreen::assignPadAtStart(int side, const HandsChoice& choice)
{
    padUsed_[side] = padWanted_[side] = true;
    if (input && choice.padNumber >= 0 && choice.padNumber < static_cast<int>(input->pads.size()))
        padOf(side).padId = input->pads[static_cast<std::size_t>(choice.padNumber)].id;
}

void MatchScreen::setUpSecondPlayer()
{
    // Whoever played the other side before leaves the table.
    match.setSide(1, nullptr, nullptr);
    practiceControl_.reset();
    opponentIndex = -1;

    const Profile* second = players.secondIsGuest || !context ? nullptr : context->profileStore->findProfile(players.secondName);
    if (!second) {
        players.secondIsGuest = true;
        if (players.secondName.empty())
            players.secondName = kGuestName;
    }
    const Profile defaults;
    applyProfileToControl(second ? *second : defaults, secondControl);

    const HandsChoice& choice = players.hands[1];
    RodCommandSource* hands = choice.kind == HandsKind::Keyboard ? static_cast<RodCommandSource*>(&secondKeys)
                            : choice.kind == HandsKind::Pad      ? static_cast<RodCommandSource*>(&secondPad)
                                                                 : static_cast<RodCommandSource*>(&secondMouse);
    if (choice.kind == HandsKind::Pad)
        assignPadAtStart(1, choice);
    opponentControl = &secondControl;
    match.setSide(1, &secondControl, hands);
}

bool MatchScreen::padJustReached(const PadState& pad) const
{
    for (const PadState& before : input->previousPads)
        if (before.id == pad.id)
            return (pad.buttons & ~before.buttons) != 0;
    return true;  // plugged in since the last frame
}

bool MatchScreen::padAsksForNextView() const
{
    if (!input)
        return false;
    for (int side = 0; side < 2; ++side) {
        const std::int32_t id = side == 0 ? playerPad.padId : secondPad.padId;
        if (padUsed_[side] && input->isPadPressed(id, kViewPadButton))
            return true;
    }
    return false;
}

void MatchScreen::watchPads()
{
    if (!input)
        return;
    // P plays on without the missing pad: the side goes on with what else it holds, and a
    // pad connected later is still taken.
    if (pausedByPadLoss && !quitPrompt && keyPressed(Key::P)) {
        if (padLostSide >= 0)
            padWanted_[padLostSide] = false;
        pausedByPadLoss = false;
        padLostSide = -1;
        return;  // the frame's P handling ends the pause
    }
    for (int side = 0; side < 2; ++side) {
        PadRodCommands& pad = padOf(side);
        if (!padUsed_[side])
            continue;
        if (pad.padId != kNoPad && !input->findPad(pad.padId)) {
            pad.padId = kNoPad;
            pad.reset();
            padWanted_[side] = true;
        }
        if (pad.padId != kNoPad)
            continue;
        // A pad that no other side holds is taken: the player alone takes any; a side
        // that waits for its pad takes one plugged in (the one that came back, or another)
        // or one whose button is pressed, never a pad that merely lies there.
        const std::int32_t otherPad = padOf(1 - side).padId;
        for (const PadState& connected : input->pads) {
            if (connected.id != otherPad && (!padWanted_[side] || padJustReached(connected))) {
                pad.padId = connected.id;
                pad.reset();
                padWanted_[side] = true;
                break;
            }
        }
    }
    int waiting = -1;
    for (int side = 0; side < 2 && waiting < 0; ++side)
        if (padUsed_[side] && padWanted_[side] && padOf(side).padId == kNoPad)
            waiting = side;
    if (waiting >= 0 && !paused) {
        paused = true;
        pausedByPadLoss = true;
        quietenRollingBall();
    }
    if (pausedByPadLoss) {
        padLostSide = waiting;
        if (waiting < 0) {
            // Every side has its pad again.
            pausedByPadLoss = false;
            if (!quitPrompt)
                paused = false;
        } else if (!quitPrompt && keyPressed(Key::Escape)) {
            // The way out stays open while the match waits.
            quitPrompt = true;
        }
    }
}

std::string MatchScreen::pauseMessage() const
{
    if (quitPrompt)
        return "ARE YOU SURE YOU WANT TO QUIT? ([Y]/[N])";
    if (pausedByPadLoss && padLostSide >= 0)
        return "CONNECT A PAD FOR [" + sideName(padLostSide) + "] TO PLAY ON ([P]: PLAY ON WITHOUT IT)";
    return "PAUSED";
}

void MatchScreen::recordTwoPlayerResult()
{
    if (!context || !context->settings)
        return;
    const int winner = match.winner();
    SettingsFile& settings = *context->settings;
    auto count = [&settings](const std::string& name, const char* setting) {
        const std::string key = SettingsFile::profileKey(name, setting);
        const int now = settings.number(key, 0, 0, INT_MAX - 1);
        settings.setNumber(key, now + 1);
    };
    // The guest's results are kept nowhere, and two-player matches never enter the best
    // achievements or open opponents.
    if (const Profile* first = context->profileStore->currentProfile)
        count(first->name, winner == 0 ? kTwoPlayerWinsKey : kTwoPlayerLossesKey);
    if (!players.secondIsGuest)
        count(players.secondName, winner == 1 ? kTwoPlayerWinsKey : kTwoPlayerLossesKey);
}

void MatchScreen::drawSecondPlayerPanels()
{
    // Player 2's rod choice and assistance stand where an opponent's picture would.
    KRFont* small = context ? context->fontSmall : nullptr;
    const std::uint32_t white = 0xFFFFFFFFu;
    const std::uint32_t gold = context && context->guiStyle ? context->guiStyle->colours[3] : 0xFFFBAB18u;
    auto labelled = [&](int x, int y, const std::string& label, const std::string& value) {
        drawPanel(x, y, 128, kPanelHeight);
        renderer->drawText(small, label, x + 5, y + 6, white);
        renderer->drawText(small, value, x + 5 + renderer->textWidth(small, label) + 6, y + 6, gold);
    };
    labelled(891, 7, "ROD:", rodSelectionLabel(secondControl.selectionMode));
    labelled(891, 42, "ASSIST:", secondControl.assisted ? "ON" : "OFF");
}
