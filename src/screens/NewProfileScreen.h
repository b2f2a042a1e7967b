#pragma once
// Creating a profile: a name typed into the editor, refused when empty or taken (the reason
// shown under the field), otherwise saved, selected and taken to the player menu.
#include "screens/PBScreen.h"

#include <string>

class PBEditor;

class NewProfileScreen : public PBScreen {
public:
    static constexpr int kEditorX = 485;
    static constexpr int kEditorY = 300;
    static constexpr int kMessageY = 392;

    PBEditor* editor = nullptr;
    std::string message;  // why the last name was refused; empty at first

    NewProfileScreen(ScreenContext* context, Renderer* renderer);

    // An empty field with the typing focus, and no message.
    void onEnter() override;
    void onCommand(const std::string& id) override;
    void draw(int pass) override;

    // The name the field holds, without the spaces around it: "BOB " would otherwise be a
    // second profile that looks exactly like "BOB", and "   " a profile without a name.
    std::string typedName() const;

private:
    void createProfile();
};
