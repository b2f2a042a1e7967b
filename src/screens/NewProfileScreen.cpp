#include "screens/NewProfileScreen.h"

#include "screens/ScreenContext.h"
#include "screens/GameActions.h"
#include "profiles/ProfileStore.h"
#include "render/Renderer.h"
#include "render/fonts/PBFontBig.h"
#include "render/fonts/PBFontSmall.h"
#include "screens/MenuNavigation.h"
#include "ui/GUIStyle.h"
#include "ui/widgets/PBButton.h"
#include "ui/widgets/PBEditor.h"
#include "ui/widgets/PBLetterGrid.h"
#include "ui/widgets/WidgetServices.h"

NewProfileScreen::NewProfileScreen(ScreenContext* c, Renderer* r) : PBScreen(c, r)
{
    setFramedTitle("NEW PROFILE");
    editor = new PBEditor(this, "", context ? context->fontSmall : nullptr);
    editor->x = kEditorX;
    editor->y = kEditorY;
    addComponent(editor);
    playButton = addButton("play", "PLAY", 359, 340, 116);
    cancelButton = addButton("cancel", "CANCEL", 485, 340, 180);
    menuBackWidget = cancelButton;
    letterGrid = new PBLetterGrid(this, "lettergrid", gridCharacters(), context ? context->fontSmall : nullptr);
    letterGrid->show(true);
    letterGrid->x = 512 - letterGrid->width / 2;
    letterGrid->y = kGridY;
    letterGrid->show(false);
    addComponent(letterGrid);
}

std::string NewProfileScreen::gridCharacters() const
{
    std::string characters;
    KRFont* font = context ? context->fontSmall : nullptr;
    for (const char* c = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789"; *c; ++c)
        if (PBEditor::acceptsCharacter(*c) && (!font || font->glyphIndex(static_cast<unsigned char>(*c)) >= 0))
            characters += *c;
    return characters;
}

void NewProfileScreen::showLetterGrid(bool on)
{
    letterGrid->show(on);
    if (on)
        menuFocus = letterGrid;
}

void NewProfileScreen::onEnter()
{
    editor->text.clear();
    message.clear();
    // The field is the only thing to fill in here: typing can start at once.
    editor->hasFocus = true;
    focused = editor;
    menuFocus = editor;
    showLetterGrid(menuFocusShown && menuKeysFromPad);
}

std::vector<GUIComponent*> NewProfileScreen::focusOrder() const
{
    std::vector<GUIComponent*> order;
    for (GUIComponent* c : {letterGrid->shown ? static_cast<GUIComponent*>(letterGrid) : editor,
                            static_cast<GUIComponent*>(playButton), static_cast<GUIComponent*>(cancelButton)})
        if (c->takesMenuFocus())
            order.push_back(c);
    return order;
}

bool NewProfileScreen::onMenuKey(const MenuKeyPress& press)
{
    if (press.fromPad && !letterGrid->shown) {
        showLetterGrid(true);
        if (press.key == MenuKey::Back)
            return false;
        menuFocusShown = true;
        return true;
    }
    const bool onField = !menuFocusShown || menuFocus == editor;
    if (press.key == MenuKey::Press && !press.fromPad && editor->hasFocus && onField) {
        playWidgetClick();
        createProfile();
        return true;
    }
    if (press.key == MenuKey::Back && menuFocusShown && menuFocus == letterGrid && !editor->text.empty()) {
        playWidgetClick();
        editor->eraseLast();
        return true;
    }
    return false;
}

std::string NewProfileScreen::typedName() const
{
    const std::string& text = editor->text;
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return "";
    const std::size_t last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

void NewProfileScreen::createProfile()
{
    // A second click while the screen fades out towards the new profile's player menu
    // would find the name taken by the profile just made and show a refusal.
    if (transition == FadingOut && next == context->screens.playerScreen)
        return;
    ProfileStore& store = *context->profileStore;
    const std::string name = typedName();
    const std::string refusal = store.refusalFor(name);
    if (!refusal.empty()) {
        message = refusal;
        return;
    }
    Profile* profile = store.addProfile(name);
    store.selectProfile(profile);
    context->actions->applySoundSettings(profile->soundSettings());
    // A failed save has written its own error line; the profile still plays this session.
    store.save();
    message.clear();
    goToScreen(this, context->screens.playerScreen, "player");
}

void NewProfileScreen::onCommand(const std::string& id)
{
    if (!context)
        return;
    if (id == "play") {
        createProfile();
    } else if (id == "lettergrid") {
        if (letterGrid->chosen == PBLetterGrid::Erase)
            editor->eraseLast();
        else
            editor->typeCharacter(letterGrid->chosen);
    } else if (id == "cancel") {
        goToScreen(this, context->screens.profilesScreen, "main menu");
    }
}

void NewProfileScreen::draw(int pass)
{
    PBScreen::draw(pass);
    if (pass != 2 || !renderer || !context || !context->fontSmall)
        return;
    GUIStyle* style = context->guiStyle;
    const std::uint32_t text = style ? style->colours[2] : 0xFFFFFFFFu;
    const std::string label = "PROFILE NAME.";
    const int labelWidth = renderer->textWidth(context->fontSmall, label);
    // The label sits on its own plate left of the field, ending where the play button ends.
    const int labelX = 475 - labelWidth - 5;
    if (style) {
        style->drawSolid(labelX - 5, kEditorY, labelWidth + 10, 20, style->colours[0]);
        style->drawFrame(labelX - 5, kEditorY, labelWidth + 10, 20);
    }
    renderer->drawText(context->fontSmall, label, labelX, kEditorY + 6, text);

    if (message.empty())
        return;
    const int messageWidth = renderer->textWidth(context->fontSmall, message);
    const int boxWidth = messageWidth + 60;
    const int boxX = 512 - boxWidth / 2;
    if (style) {
        style->drawSolid(boxX, kMessageY, boxWidth, 22, style->colours[0]);
        style->drawFrame(boxX, kMessageY, boxWidth, 22);
    }
    renderer->drawText(context->fontSmall, message, 512 - messageWidth / 2, kMessageY + 6,
                       style ? style->colours[3] : 0xFFFBAB18u);
}
