#include "screens/PlayerScreen.h"

#include "screens/ScreenContext.h"
#include "profiles/ProfileStore.h"
#include "profiles/SettingsFile.h"
#include "screens/TwoPlayerSetup.h"
#include "control/Opponent.h"
#include "render/Renderer.h"
#include "render/fonts/GlyphTables.h"
#include "render/fonts/PBFontBig.h"
#include "render/fonts/PBFontSmall.h"
#include "screens/MenuNavigation.h"
#include "screens/ExtraSettingRows.h"
#include "screens/MenuPanel.h"
#include "screens/MenuTexts.h"
#include "ui/GUIStyle.h"
#include "ui/widgets/GuiAtlas.h"
#include "ui/widgets/PBButton.h"
#include "ui/widgets/PBList.h"

#include <algorithm>
#include <climits>

namespace {

// The profile's name ends where the profile panel's narrowest width ends.
constexpr int kNameWidth = 670 - PlayerScreen::kValueX;

} // namespace

PlayerScreen::PlayerScreen(ScreenContext* c, Renderer* r) : PBScreen(c, r)
{
    setFramedTitle("PLAYER MENU");

    opponentsList = new PBList(this, "opponentslist", "OPPONENTS", context ? context->fontSmall : nullptr, true);
    // The lock marks sit at the right end of a row; the left end stays free for the name.
    opponentsList->showFirstSprite = false;
    opponentsList->x = 110;
    opponentsList->y = 200;
    addComponent(opponentsList);
    playButton = addButton("play", "PLAY!", 370, 440, 357);
    addButton("practice", "FREE PRACTICE", 744, 440, 170);
    addButton("help", "HELP", 370, 670, 170);
    addButton("settings", "PLAYER SETTINGS", 557, 670, 170);
    menuBackWidget = addButton("quit", "QUIT TO MAIN MENU", 744, 670, 170);
    addTwoPlayerButton();
    fillList();
    refreshPlayButton();
}

Profile* PlayerScreen::profile() const
{
    return context ? context->profileStore->currentProfile : nullptr;
}

bool PlayerScreen::unlocked(int opponent) const
{
    const Profile* p = profile();
    return p && context && opponent < static_cast<int>(context->opponents->size()) && p->canPlay(opponent);
}

std::vector<std::string> PlayerScreen::opponentNames() const
{
    std::vector<std::string> names;
    if (context)
        for (const auto& opponent : *context->opponents)
            names.push_back(opponent->name);
    return names;
}

std::vector<int> PlayerScreen::descriptionLineWidths()
{
    // Lines that start above the picture's lower edge stop short of the picture; below
    // it they may run to the right edge of the free-practice button.
    std::vector<int> widths;
    const int pictureBottom = kPictureY + 128;
    for (int y = kDescriptionY; y + FontTables::SmallLineHeight <= 440; y += FontTables::SmallLineHeight)
        widths.push_back(y < pictureBottom ? kPictureX - 16 - kValueX : 914 - kValueX);
    return widths;
}

void PlayerScreen::fillList()
{
    const int keep = opponentsList->selected();
    opponentsList->clear();
    if (!context)
        return;
    TextureRecord* atlas = context->guiStyle ? context->guiStyle->texture : nullptr;
    const Profile* p = profile();
    for (int i = 0; i < static_cast<int>(context->opponents->size()); ++i) {
        const bool beaten = p && i <= p->bestLevel;
        const GuiAtlas::Rect& mark =
            beaten ? GuiAtlas::BeatenMark : unlocked(i) ? GuiAtlas::UnlockedMark : GuiAtlas::LockedMark;
        opponentsList->addItem({(*context->opponents)[static_cast<std::size_t>(i)]->name, AtlasImage{nullptr, 0, 0, 0, 0},
                                AtlasImage{atlas, mark.x, mark.y, mark.width, mark.height}});
    }
    if (keep >= 0 && keep < static_cast<int>(opponentsList->items.size()))
        opponentsList->selectedRow = keep;
}

void PlayerScreen::selectOpponent(int index)
{
    const int count = static_cast<int>(opponentsList->items.size());
    selectedOpponent = index >= 0 && index < count ? index : -1;
    opponentsList->selectedRow = selectedOpponent;
    refreshPlayButton();
}

void PlayerScreen::refreshPlayButton()
{
    const bool open = selectedOpponent >= 0 && unlocked(selectedOpponent);
    playButton->setLabel(open ? "PLAY!" : "NOT AVAILABLE YET");
    if (playButton->icon)
        playButton->labelOffset += playButton->icon->width + 6;
    playButton->enabled = open;
}

void PlayerScreen::onEnter()
{
    fillList();
    const Profile* p = profile();
    const std::uint64_t serial = p ? p->serial : 0;
    if (serial != lastProfileSerial_ || selectedOpponent < 0) {
        const int last = static_cast<int>(opponentsList->items.size()) - 1;
        selectOpponent(p ? std::min(p->bestLevel + 1, last) : 0);
    } else {
        selectOpponent(selectedOpponent);
    }
    lastProfileSerial_ = serial;
}

GUIComponent* PlayerScreen::firstMenuFocus() const
{
    return playButton->enabled ? playButton : PBScreen::firstMenuFocus();
}

void PlayerScreen::onCommand(const std::string& id)
{
    if (!context)
        return;
    if (id == "opponentslist") {
        // A press beside the rows keeps the opponent shown rather than leaving the
        // details empty.
        const int row = opponentsList->selected();
        selectOpponent(row >= 0 ? row : selectedOpponent);
    } else if (id == "play") {
        if (selectedOpponent < 0 || !unlocked(selectedOpponent))
            return;
        context->profileStore->currentOpponent = selectedOpponent;
        goToScreen(this, context->screens.matchScreen, "match");
    } else if (id == "practice") {
        context->profileStore->currentOpponent = -1;
        goToScreen(this, context->screens.matchScreen, "match");
    } else if (id == "help") {
        openHelp(this);
    } else if (id == "settings") {
        goToScreen(this, context->screens.settingsScreen, "player settings");
    } else if (id == "quit") {
        goToScreen(this, context->screens.profilesScreen, "main menu");
    } else if (id == kTwoPlayersId) {
        goToScreen(this, context->screens.twoPlayerScreen, "two players");
    }
}

void PlayerScreen::draw(int pass)
{
    PBScreen::draw(pass);
    if (pass != 2 || !renderer || !context || !context->fontSmall)
        return;
    KRFont* font = context->fontSmall;
    GUIStyle* style = context->guiStyle;
    const std::uint32_t normal = style ? style->colours[2] : 0xFFFFFFFFu;
    const std::uint32_t highlight = style ? style->colours[3] : 0xFFFBAB18u;

    const Profile* p = profile();
    const std::vector<std::string> names = opponentNames();
    const char* labels[] = {"PROFILE:", "LEVEL:", "BEST ACHIEVEMENT:"};
    const std::string values[] = {
        p ? shownName_.fit(*font, p->name, kNameWidth) : "",
        p ? levelText(p->bestLevel, names) : "",
        p ? bestAchievementText(p->bestLevel, p->bestConceded, names) : "",
    };
    // The texts stand on panels: straight on the table picture they would be hard to read.
    int valuesWidth = 0;
    for (const std::string& value : values)
        valuesWidth = std::max(valuesWidth, renderer->textWidth(font, value));
    drawMenuPanel(context, 150, 68, std::max(kValueX + valuesWidth + 20, 690) - 150, 96);
    drawMenuPanel(context, kValueX - 20, kPictureY - 12, 914 + 16 - (kValueX - 20), 425 - (kPictureY - 12));
    for (int i = 0; i < 3; ++i) {
        const int y = 80 + 30 * i;
        renderer->drawText(font, labels[i], kLabelRight - renderer->textWidth(font, labels[i]), y, normal);
        renderer->drawText(font, values[i], kValueX, y, highlight);
    }

    drawDifficulty();
    drawTwoPlayerRecord();
    renderer->drawText(font, "SELECTED OPPONENT:", kValueX, kPictureY, normal);
    if (selectedOpponent < 0 || selectedOpponent >= static_cast<int>(context->opponents->size()))
        return;
    const Opponent& opponent = *(*context->opponents)[static_cast<std::size_t>(selectedOpponent)];
    renderer->drawText(font, opponent.name, 550, kPictureY, highlight);
    renderer->drawWrappedText(font, opponent.description, kValueX, kDescriptionY, normal, highlight,
                              descriptionLineWidths());
    if (TextureRecord* picture = pictureOfOpponent(*context, selectedOpponent))
        renderer->drawTexture(picture, kPictureX, kPictureY);
}

// Two players at one table: the way there, under FREE PRACTICE, and the profile's record
// in two-player matches beside it.
void PlayerScreen::addTwoPlayerButton()
{
    addButton(kTwoPlayersId, "TWO PLAYERS", 744, kTwoPlayerRowY, 170);
}

std::string PlayerScreen::twoPlayerRecordText() const
{
    const Profile* p = profile();
    if (!p || !context || !context->settings)
        return "";
    const int wins = context->settings->number(SettingsFile::profileKey(p->name, kTwoPlayerWinsKey), 0, 0, INT_MAX);
    const int losses = context->settings->number(SettingsFile::profileKey(p->name, kTwoPlayerLossesKey), 0, 0, INT_MAX);
    return "TWO-PLAYER MATCHES: " + std::to_string(wins) + " WON, " + std::to_string(losses) + " LOST";
}

// The difficulty the profile plays the computer at, chosen on the settings screen: on a
// panel of its own right of the profile's, above the buttons of that column.
void PlayerScreen::drawDifficulty()
{
    const Profile* p = profile();
    if (!p)
        return;
    KRFont* font = context->fontSmall;
    const std::uint32_t normal = context->guiStyle ? context->guiStyle->colours[2] : 0xFFFFFFFFu;
    const std::uint32_t highlight = context->guiStyle ? context->guiStyle->colours[3] : 0xFFFBAB18u;
    const std::string label = "DIFFICULTY:";
    const std::string value = difficultyName(profileDifficulty(context->settings, p->name));
    drawMenuPanel(context, kDifficultyX, 68, kDifficultyWidth, 96);
    const int centre = kDifficultyX + kDifficultyWidth / 2;
    renderer->drawText(font, label, centre - renderer->textWidth(font, label) / 2, 100, normal);
    renderer->drawText(font, value, centre - renderer->textWidth(font, value) / 2, 130, highlight);
}

void PlayerScreen::drawTwoPlayerRecord()
{
    const std::string text = twoPlayerRecordText();
    if (text.empty())
        return;
    KRFont* font = context->fontSmall;
    drawMenuPanel(context, kValueX - 20, kTwoPlayerRowY, 727 - (kValueX - 20), 32);
    const std::uint32_t normal = context->guiStyle ? context->guiStyle->colours[2] : 0xFFFFFFFFu;
    renderer->drawText(font, text, kValueX, kTwoPlayerRowY + 11, normal);
}
