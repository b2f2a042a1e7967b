#pragma once
// A screen that records the commands its widgets send, a renderer drawing into a recorder,
// the small font and the GUI style, and a listener counting the widget sounds.
#include "input/InputSystem.h"
#include "render/Renderer.h"
#include "render/fonts/PBFontSmall.h"
#include "support/RecordingSpriteSink.h"
#include "ui/GUIStyle.h"
#include "ui/KRScreen.h"
#include "ui/widgets/WidgetServices.h"

#include <gtest/gtest.h>

#include <string>

class CommandScreen : public KRScreen {
public:
    using KRScreen::KRScreen;
    std::vector<std::string> commands;
    void onCommand(const std::string& id) override { commands.push_back(id); }
};

struct SoundCounter : WidgetSoundListener {
    int hovers = 0;
    int clicks = 0;
    void onHoverSound() override { ++hovers; }
    void onClickSound() override { ++clicks; }
};

struct WidgetFixture : ::testing::Test {
    Renderer renderer;
    RecordingSpriteSink sink;
    InputSystem input;
    CommandScreen screen{&renderer, &input};
    TextureRecord atlas;
    TextureRecord fontTexture;
    GUIStyle style{&renderer};
    PBFontSmall font{&fontTexture};
    SoundCounter sounds;

    void SetUp() override {
        renderer.spriteSink = &sink;
        style.texture = &atlas;
        gWidgetSoundListener = &sounds;
    }
    void TearDown() override { gWidgetSoundListener = nullptr; }

    // Glyph sprites drawn from the font texture, in drawing order.
    std::vector<SpriteDraw> glyphs() const {
        std::vector<SpriteDraw> out;
        for (const SpriteDraw& d : sink.draws)
            if (d.texture == &fontTexture) out.push_back(d);
        return out;
    }
    // Solid rectangles (the stretched white block) in drawing order.
    std::vector<SpriteDraw> solids() const {
        std::vector<SpriteDraw> out;
        for (const SpriteDraw& d : sink.draws)
            if (d.texture == &atlas && d.srcX == 1 && d.srcY == 1 && d.srcW == 2 && d.srcH == 2) out.push_back(d);
        return out;
    }
    // One keyboard frame: the keys held now, the previous frame's state kept as before;
    // those newly down typed what a US layout types, in the order given.
    void keyFrame(std::initializer_list<std::uint8_t> held) {
        std::memcpy(input.previousKeys, input.keys, sizeof input.keys);
        std::memset(input.keys, 0, sizeof input.keys);
        input.typed.clear();
        for (std::uint8_t k : held) {
            input.keys[k] = Key::DownBit;
            if (!input.wasDown(k)) input.typed.push_back(usLayoutCharacter(k));
        }
    }
    static std::uint32_t usLayoutCharacter(std::uint8_t key) {
        static const char kRow1[] = "qwertyuiop", kRow2[] = "asdfghjkl", kRow3[] = "zxcvbnm";
        if (key == Key::Backspace) return kTypedBackspace;
        if (key == Key::Space) return ' ';
        if (key == Key::Digit0) return '0';
        if (key >= Key::Digit1 && key <= Key::Digit9) return '1' + (key - Key::Digit1);
        if (key >= Key::Q && key < Key::Q + 10) return kRow1[key - Key::Q];
        if (key >= Key::A && key < Key::A + 9) return kRow2[key - Key::A];
        if (key >= Key::Z && key < Key::Z + 7) return kRow3[key - Key::Z];
        return 0;
    }
};
