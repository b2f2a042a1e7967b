#include "render/fonts/FittedText.h"

#include "render/fonts/TextLayout.h"

const std::string& FittedText::fit(const KRFont& font, const std::string& text, int maxWidth) {
    if (&font != font_ || maxWidth != maxWidth_ || text != source_) {
        font_ = &font;
        maxWidth_ = maxWidth;
        source_ = text;
        fitted_.assign(text, 0, TextLayout::fittingLength(font, text, maxWidth));
    }
    return fitted_;
}
