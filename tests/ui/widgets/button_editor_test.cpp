#include "ui/widgets/PBButton.h"
#include "ui/widgets/PBEditor.h"
#include "input/FakeInputDevices.h"
#include "render/fonts/TextLayout.h"
#include "WidgetFixture.h"

namespace {

using ButtonTest = WidgetFixture;
using EditorTest = WidgetFixture;

TEST_F(ButtonTest, HoverSoundsOnceAndAClickSendsTheId) {
    PBButton button(&screen, "play", "PLAY", &font, 200, &style);
    EXPECT_EQ(button.height, 32);
    button.onMouseMove(5, 5);
    button.onMouseMove(6, 5);
    EXPECT_EQ(sounds.hovers, 1);
    button.onMouseLeave();
    EXPECT_FALSE(button.hovered);
    button.onMouseMove(5, 5);
    EXPECT_EQ(sounds.hovers, 2);
    button.onClick(5, 5);
    EXPECT_EQ(sounds.clicks, 1);
    EXPECT_EQ(screen.commands, std::vector<std::string>{"play"});
}

TEST_F(ButtonTest, DisabledButtonIsDimSilentAndIgnoresClicks) {
    PBButton button(&screen, "play", "PLAY", &font, 200, &style);
    button.enabled = false;
    button.onMouseMove(5, 5);
    EXPECT_TRUE(button.hovered);
    EXPECT_EQ(sounds.hovers, 0);
    button.onClick(5, 5);
    EXPECT_EQ(sounds.clicks, 0);
    EXPECT_TRUE(screen.commands.empty());
    button.draw();
    auto text = glyphs();
    ASSERT_EQ(text.size(), 4u);
    for (const SpriteDraw& g : text) EXPECT_EQ(g.colour, style.colours[0]);
}

TEST_F(ButtonTest, DrawsBarThenCentredLabelInTheHoverColour) {
    PBButton button(&screen, "back", "AB", &font, 100, &style);
    button.x = 300;
    button.y = 400;
    EXPECT_EQ(button.labelOffset, (100 - 20) / 2);
    button.onMouseMove(1, 1);
    button.draw();
    ASSERT_GE(sink.draws.size(), 5u);
    EXPECT_FLOAT_EQ(sink.draws[0].dstX, 298);  // left cap
    EXPECT_FLOAT_EQ(sink.draws[0].dstY, 398);
    auto text = glyphs();
    ASSERT_EQ(text.size(), 2u);
    EXPECT_FLOAT_EQ(text[0].dstX, 340);
    EXPECT_FLOAT_EQ(text[0].dstY, 411);
    EXPECT_FLOAT_EQ(text[1].dstX, 351);
    EXPECT_EQ(text[0].colour, style.colours[3]);
}

TEST_F(EditorTest, TypesUpperCaseOncePerPressAndOnlyWithFocus) {
    PBEditor editor(&screen, "", &font, &style);
    keyFrame({Key::A});
    editor.update(0.016f);
    EXPECT_EQ(editor.text, "");  // no focus yet
    editor.onMouseDown(3, 3);
    EXPECT_TRUE(editor.hasFocus);
    EXPECT_EQ(screen.focused, &editor);
    keyFrame({Key::B});
    editor.update(0.016f);
    keyFrame({Key::B});  // held: no second B
    editor.update(0.016f);
    keyFrame({Key::Space, Key::Digit0, Key::Z});
    editor.update(0.016f);
    // In the order the keys went down, even within one frame.
    EXPECT_EQ(editor.text, "B 0Z");
    keyFrame({Key::LeftShift, Key::Escape, Key::Minus});
    editor.update(0.016f);
    keyFrame({Key::Backspace});
    editor.update(0.016f);
    EXPECT_EQ(editor.text, "B 0");
}

TEST_F(EditorTest, KeysQueuedWithinOneSlowFrameTypeInTheirOrder) {
    // A slow frame: t e s t e r typed before the next poll, and a backspace took back a
    // typo. The snapshot alone would give sorted letters, each once. Small letters are
    // written as the font's capitals; what a name cannot hold is left out.
    auto* devices = new FakeInputDevices;
    ASSERT_TRUE(input.init(devices));
    PBEditor editor(&screen, "", &font, &style);
    editor.onMouseDown(0, 0);
    devices->typed = {'t', 'e', 's', 'x', kTypedBackspace, 'T', 0xE9, '-', 'e', 'r'};
    devices->keys[Key::R] = Key::DownBit;  // only R is still held at the poll
    input.poll();
    editor.update(0.2f);
    EXPECT_EQ(editor.text, "TESTER");
    // The next frame brings no new presses: nothing is typed twice.
    input.poll();
    editor.update(0.2f);
    EXPECT_EQ(editor.text, "TESTER");
    // The width limit holds within one frame too.
    devices->typed.assign(40, 'w');
    input.poll();
    editor.update(0.2f);
    ASSERT_GT(editor.text.size(), 6u);
    EXPECT_EQ(editor.text, "TESTER" + std::string(editor.text.size() - 6, 'W'));
    EXPECT_LT(TextLayout::textWidth(font, editor.text) + PBEditor::RightMargin, PBEditor::Width);
    EXPECT_GE(TextLayout::textWidth(font, editor.text + "W") + PBEditor::RightMargin, PBEditor::Width);
}

TEST_F(EditorTest, BackspaceOnEmptyDoesNothing) {
    PBEditor editor(&screen, "", &font, &style);
    editor.onMouseDown(0, 0);
    keyFrame({Key::Backspace});
    editor.update(0.016f);
    EXPECT_EQ(editor.text, "");
}

TEST_F(EditorTest, StopsBeforeTheTextReachesTheRightMargin) {
    PBEditor editor(&screen, "", &font, &style);
    editor.onMouseDown(0, 0);
    for (int i = 0; i < 40; ++i) {
        keyFrame({Key::W});
        editor.update(0.016f);
        keyFrame({});
        editor.update(0.016f);
    }
    // W is 14 wide: n letters measure 15n - 1, kept below 180 - 13.
    EXPECT_EQ(editor.text, std::string(11, 'W'));
    EXPECT_LT(15 * 11 - 1 + 13, 180);
    EXPECT_GE(15 * 12 - 1 + 13, 180);
}

TEST_F(EditorTest, DrawsTextAndCursorAfterIt) {
    PBEditor editor(&screen, "AB", &font, &style);
    editor.x = 100;
    editor.y = 200;
    editor.onMouseDown(0, 0);
    editor.draw();
    auto text = glyphs();
    ASSERT_EQ(text.size(), 2u);
    EXPECT_FLOAT_EQ(text[0].dstX, 102);
    EXPECT_FLOAT_EQ(text[0].dstY, 204);
    auto blocks = solids();
    ASSERT_FALSE(blocks.empty());
    const SpriteDraw& cursor = blocks.back();
    EXPECT_FLOAT_EQ(cursor.dstX, 100 + 20 + 3);
    EXPECT_FLOAT_EQ(cursor.dstY, 202);
    EXPECT_FLOAT_EQ(cursor.dstW, 10);
    EXPECT_FLOAT_EQ(cursor.dstH, 15);
    EXPECT_EQ(cursor.colour, style.colours[3]);
}

}  // namespace
