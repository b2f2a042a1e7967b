#include "input/KeyCodes.h"
#include "platform/input/ScanCodeMap.h"

#include <gtest/gtest.h>

#include <set>

TEST(ScanCodeMap, GameKeysGetTheirClassicCodes)
{
    EXPECT_EQ(keyCodeForScancode(SDL_SCANCODE_ESCAPE), 0x01);
    EXPECT_EQ(keyCodeForScancode(SDL_SCANCODE_1), 0x02);
    EXPECT_EQ(keyCodeForScancode(SDL_SCANCODE_4), 0x05);
    EXPECT_EQ(keyCodeForScancode(SDL_SCANCODE_9), 0x0A);
    EXPECT_EQ(keyCodeForScancode(SDL_SCANCODE_0), 0x0B);
    EXPECT_EQ(keyCodeForScancode(SDL_SCANCODE_BACKSPACE), 0x0E);
    EXPECT_EQ(keyCodeForScancode(SDL_SCANCODE_Q), 0x10);
    EXPECT_EQ(keyCodeForScancode(SDL_SCANCODE_P), 0x19);
    EXPECT_EQ(keyCodeForScancode(SDL_SCANCODE_Y), 0x15);
    EXPECT_EQ(keyCodeForScancode(SDL_SCANCODE_N), 0x31);
    EXPECT_EQ(keyCodeForScancode(SDL_SCANCODE_D), 0x20);
    EXPECT_EQ(keyCodeForScancode(SDL_SCANCODE_X), 0x2D);
    EXPECT_EQ(keyCodeForScancode(SDL_SCANCODE_C), 0x2E);
    EXPECT_EQ(keyCodeForScancode(SDL_SCANCODE_V), 0x2F);
    EXPECT_EQ(keyCodeForScancode(SDL_SCANCODE_SPACE), 0x39);
    EXPECT_EQ(keyCodeForScancode(SDL_SCANCODE_A), 0x1E);
    EXPECT_EQ(keyCodeForScancode(SDL_SCANCODE_Z), 0x2C);
    EXPECT_EQ(keyCodeForScancode(SDL_SCANCODE_M), 0x32);
    EXPECT_EQ(keyCodeForScancode(SDL_SCANCODE_F10), 0x44);
    EXPECT_EQ(keyCodeForScancode(SDL_SCANCODE_F11), 0x57);
}

TEST(ScanCodeMap, NoTwoKeysShareACodeAndUnknownKeysGetNone)
{
    std::set<int> seen;
    for (int sc = 0; sc < SDL_NUM_SCANCODES; ++sc) {
        std::uint8_t code = keyCodeForScancode(static_cast<SDL_Scancode>(sc));
        if (code == 0)
            continue;
        EXPECT_TRUE(seen.insert(code).second) << "scancode " << sc << " reuses code " << int(code);
    }
    // All 26 letters and the ten digits are there.
    EXPECT_GE(seen.size(), 36u);
    EXPECT_EQ(keyCodeForScancode(SDL_SCANCODE_UNKNOWN), 0);
    EXPECT_EQ(keyCodeForScancode(SDL_SCANCODE_AUDIOPLAY), 0);
}
