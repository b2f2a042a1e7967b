#pragma once
// Creating a profile: a name typed into the editor, refused when empty or taken (the reason
// shown under the field), otherwise saved, selected and taken to the player menu. ENTER
// while typing creates it as PLAY does. A player on a pad gets a grid of letters under the
// buttons to type with, from the first pad key on this screen.
#include "screens/PBScreen.h"

#include <string>

class PBButton;
class PBEditor;
class PBLetterGrid;

class NewProfileScreen : public PBScreen {
public:
    static constexpr int kEditorX = 485;
    static constexpr int kEditorY = 300;
    static constexpr int kMessageY = 392;
    static constexpr int kGridY = 430;

    PBEditor* editor = nullptr;
    PBButton* playButton = nullptr;
    PBButton* cancelButton = nullptr;
    PBLetterGrid* letterGrid = nullptr;
    std::string message;  // why the last name was refused; empty at first

    NewProfileScreen(ScreenContext* context, Renderer* renderer);

    // An empty field with the typing focus, and no message; the letter grid shown when
    // the player came here on a pad.
    void onEnter() override;
    void onCommand(const std::string& id) override;
    void draw(int pass) override;

    // The field, PLAY and CANCEL; with the letter grid shown the grid takes the field's
    // place, as it is what types.
    std::vector<GUIComponent*> focusOrder() const override;
    // The first pad key shows the letter grid. ENTER while typing creates the profile.
    // Back on the grid takes the last letter away while there is one (as on any on-screen
    // keyboard), and then cancels.
    bool onMenuKey(const MenuKeyPress& press) override;

    // The characters the grid offers: those a name may hold that the font draws.
    std::string gridCharacters() const;
    void showLetterGrid(bool on);

    // The name the field holds, without the spaces around it: "BOB " would otherwise be a
    // second profile that looks exactly like "BOB", and "   " a profile without a name.
    std::string typedName() const;

private:
    void createProfile();
};
