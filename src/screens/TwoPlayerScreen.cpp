#include "screens/TwoPlayerScreen.h"

#include "screens/ScreenContext.h"
#include "input/InputSystem.h"
#include "profiles/ProfileStore.h"
#include "render/Renderer.h"
#include "render/fonts/PBFontSmall.h"
#include "screens/MenuNavigation.h"
#include "screens/MatchLengthChoices.h"
#include "screens/MenuPanel.h"
#include "screens/PadSettingsFile.h"
#include "ui/GUIStyle.h"
#include "ui/widgets/PBButton.h"
#include "ui/widgets/PBList.h"
#include "ui/widgets/PBSelector.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int kSelectorWidth = 220;
constexpr int kPadSelectorWidth = 264;
constexpr int kPadRowHeight = 56;
// The hands a player may pick before the pads.
const char* const kMouse = "MOUSE";
const char* const kKeyboard = "KEYBOARD";

struct PadRow {
    const char* id;
    const char* label;
};
const PadRow kPadRows[] = {
    {"padDeadZone", "PAD STICK DEAD ZONE"},   {"padSensitivity", "PAD SENSITIVITY"},
    {"padTurnControl", "PAD TURNING STICK"},  {"padShiftControl", "PAD SHIFTING STICK"},
    {"padInvertTurn", "PAD TURN DIRECTION"},  {"padInvertShift", "PAD SHIFT DIRECTION"},
};

std::vector<std::string> numbers(int from, int to, int step)
{
    std::vector<std::string> values;
    for (int v = from; v <= to; v += step)
        values.push_back(std::to_string(v));
    return values;
}

std::vector<std::string> padRowValues(const std::string& id)
{
    if (id == "padDeadZone") return numbers(0, 50, 5);
    if (id == "padSensitivity") return numbers(1, 15, 1);
    if (id == "padTurnControl" || id == "padShiftControl") return {"POSITION", "RATE"};
    return {"NORMAL", "OPPOSITE"};
}

} // namespace

TwoPlayerScreen::TwoPlayerScreen(ScreenContext* c, Renderer* r) : PBScreen(c, r)
{
    setFramedTitle("TWO PLAYERS");
    KRFont* small = context ? context->fontSmall : nullptr;
    GUIStyle* style = context ? context->guiStyle : nullptr;
    // The texts and the pad settings stand on panels, readable over the menu picture.
    addComponent(new MenuBackdrop(context, kLeftX - 20, kTopY - 20, kSelectorWidth + 40, 130));
    addComponent(new MenuBackdrop(context, kListX - 20, kTopY + 280, kSelectorWidth + 40, 86));
    addComponent(new MenuBackdrop(context, kPadX - 20, kTopY - 20, kPadSelectorWidth + 40, 6 * kPadRowHeight + 24));

    for (int player = 0; player < 2; ++player) {
        PBSelector* s = new PBSelector(this, player == 0 ? "hands1" : "hands2", {kMouse, kKeyboard}, small,
                                       kSelectorWidth, style);
        s->x = player == 0 ? kLeftX : kListX;
        s->y = player == 0 ? kTopY + 70 : kTopY + 310;
        addComponent(s);
        handsSelectors[player] = s;
    }
    secondPlayerList = new PBList(this, "secondplayer", "PLAYER 2", small, false);
    secondPlayerList->x = kListX;
    secondPlayerList->y = kTopY;
    addComponent(secondPlayerList);

    int y = kTopY + 16;
    for (const PadRow& row : kPadRows) {
        PBSelector* s = new PBSelector(this, row.id, padRowValues(row.id), small, kPadSelectorWidth, style);
        s->x = kPadX;
        s->y = y;
        addComponent(s);
        padSelectors.push_back(s);
        y += kPadRowHeight;
    }
    addMatchLengthChoice();
    playButton = addButton("play", "PLAY!", 370, 670, 357);
    menuBackWidget = addButton("back", "BACK", 744, 670, 170);
}

PBSelector* TwoPlayerScreen::padSelector(const std::string& id) const
{
    for (PBSelector* s : padSelectors)
        if (s->id == id) return s;
    return nullptr;
}

std::vector<std::string> TwoPlayerScreen::secondPlayerNames() const
{
    std::vector<std::string> names{kGuestName};
    if (!context)
        return names;
    const Profile* first = context->profileStore->currentProfile;
    for (const auto& profile : context->profileStore->profiles)
        if (profile.get() != first && names.size() < 11) names.push_back(profile->name);
    return names;
}

void TwoPlayerScreen::fillHands()
{
    const int pads = context && context->inputSystem ? static_cast<int>(context->inputSystem->pads.size()) : 0;
    if (pads == padCount_)
        return;
    const bool first = padCount_ < 0;
    padCount_ = pads;
    std::vector<std::string> values{kMouse, kKeyboard};
    for (int i = 0; i < pads; ++i)
        values.push_back("PAD " + std::to_string(i + 1));
    for (int player = 0; player < 2; ++player) {
        PBSelector* s = handsSelectors[player];
        const std::string kept = s->currentValue();
        s->values = values;
        auto found = std::find(values.begin(), values.end(), kept);
        s->setIndex(found == values.end() ? 0 : static_cast<int>(found - values.begin()));
    }
    // At the first look: player 2 takes the first pad when there is one, else the keys.
    if (first)
        handsSelectors[1]->setIndex(pads > 0 ? 2 : 1);
}

HandsChoice TwoPlayerScreen::handsChoice(int player) const
{
    const int index = handsSelectors[player]->currentIndex;
    if (index <= 0) return {HandsKind::Mouse, 0};
    if (index == 1) return {HandsKind::Keyboard, 0};
    return {HandsKind::Pad, index - 2};
}

std::string TwoPlayerScreen::problem() const
{
    if (!context || !context->profileStore->currentProfile)
        return "NO PROFILE IS SELECTED.";
    if (handsChoice(0) == handsChoice(1))
        return "EACH PLAYER NEEDS CONTROLS OF HIS OWN.";
    return "";
}

void TwoPlayerScreen::refreshPlay()
{
    playButton->enabled = problem().empty();
}

void TwoPlayerScreen::onEnter()
{
    secondPlayerList->clear();
    for (const std::string& name : secondPlayerNames())
        secondPlayerList->addItem({name, AtlasImage{nullptr, 0, 0, 0, 0}, AtlasImage{nullptr, 0, 0, 0, 0}});
    secondPlayerList->selectedRow = 0;
    fillHands();
    const PadSettings pad = readPadSettings(context ? context->settings : nullptr);
    padSelector("padDeadZone")->setIndex(static_cast<int>(std::lround(pad.deadZone * 100.0f)) / 5);
    padSelector("padSensitivity")->setIndex(pad.sensitivity - 1);
    padSelector("padTurnControl")->setIndex(pad.turnControl == StickControl::Rate ? 1 : 0);
    padSelector("padShiftControl")->setIndex(pad.shiftControl == StickControl::Rate ? 1 : 0);
    padSelector("padInvertTurn")->setIndex(pad.invertTurn ? 1 : 0);
    padSelector("padInvertShift")->setIndex(pad.invertShift ? 1 : 0);
    lengthSelector->setIndex(readMatchLengthChoice(context ? context->settings : nullptr));
    refreshPlay();
}

void TwoPlayerScreen::update(float dt)
{
    PBScreen::update(dt);
    // A pad plugged in or pulled out while the players choose.
    fillHands();
    refreshPlay();
}

void TwoPlayerScreen::keepPadSettings()
{
    PadSettings pad;
    pad.deadZone = static_cast<float>(padSelector("padDeadZone")->currentIndex * 5) / 100.0f;
    pad.sensitivity = padSelector("padSensitivity")->currentIndex + 1;
    pad.turnControl = padSelector("padTurnControl")->currentIndex == 1 ? StickControl::Rate : StickControl::Position;
    pad.shiftControl = padSelector("padShiftControl")->currentIndex == 1 ? StickControl::Rate : StickControl::Position;
    pad.invertTurn = padSelector("padInvertTurn")->currentIndex == 1;
    pad.invertShift = padSelector("padInvertShift")->currentIndex == 1;
    writePadSettings(context ? context->settings : nullptr, pad);
}

void TwoPlayerScreen::onCommand(const std::string& id)
{
    if (!context)
        return;
    if (id == "secondplayer") {
        // A press beside the rows keeps the player chosen.
        if (secondPlayerList->selected() < 0)
            secondPlayerList->selectedRow = 0;
    } else if (id == "hands1" || id == "hands2") {
        refreshPlay();
    } else if (id.compare(0, 3, "pad") == 0) {
        keepPadSettings();
    } else if (id == "matchLength") {
        keepMatchLengthChoice(context->settings, lengthSelector->currentIndex);
    } else if (id == "play") {
        if (!problem().empty())
            return;
        const int row = std::max(secondPlayerList->selected(), 0);
        TwoPlayerSetup& setup = context->twoPlayers;
        setup.active = true;
        setup.secondIsGuest = row == 0;
        setup.secondName = secondPlayerList->items[static_cast<std::size_t>(row)].text;
        setup.hands[0] = handsChoice(0);
        setup.hands[1] = handsChoice(1);
        setup.length = matchLengthChoices()[static_cast<std::size_t>(lengthSelector->currentIndex)].length;
        goToScreen(this, context->screens.matchScreen, "match");
    } else if (id == "back") {
        goToScreen(this, context->screens.playerScreen, "player menu");
    }
}

void TwoPlayerScreen::draw(int pass)
{
    PBScreen::draw(pass);
    if (pass != 2 || !renderer || !context || !context->fontSmall)
        return;
    KRFont* font = context->fontSmall;
    const std::uint32_t normal = context->guiStyle ? context->guiStyle->colours[2] : 0xFFFFFFFFu;
    const std::uint32_t highlight = context->guiStyle ? context->guiStyle->colours[3] : 0xFFFBAB18u;
    const Profile* first = context->profileStore->currentProfile;
    renderer->drawText(font, "PLAYER 1:", kLeftX, kTopY, normal);
    renderer->drawText(font, first ? first->name : "", kLeftX, kTopY + 24, highlight);
    renderer->drawText(font, "PLAYS WITH:", kLeftX, kTopY + 52, normal);
    renderer->drawText(font, "PLAYER 2 PLAYS WITH:", kListX, kTopY + 292, normal);
    drawMatchLengthLabel();
    int y = kTopY;
    for (const PadRow& row : kPadRows) {
        renderer->drawText(font, row.label, kPadX, y, normal);
        y += kPadRowHeight;
    }
    const std::string message = problem();
    if (!message.empty())
        renderer->drawText(font, message, kListX, 640, highlight);
}
