#pragma once
// A text cut to the width of its box, kept until the text, the font or the box changes.
// Names come from the save file and may hold any number of bytes; drawn as they stand they
// would run across whatever lies beside them, and measuring them again every frame would
// cost time in proportion to their length.
#include "render/fonts/KRFont.h"

#include <string>

class FittedText {
public:
    // The longest beginning of text that fits in maxWidth pixels of font.
    const std::string& fit(const KRFont& font, const std::string& text, int maxWidth);

private:
    const KRFont* font_ = nullptr;
    int maxWidth_ = -1;
    std::string source_;
    std::string fitted_;
};
