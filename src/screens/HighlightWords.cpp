#include "screens/HighlightWords.h"

namespace {

bool isGap(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

} // namespace

std::string highlightWordByWord(const std::string& text)
{
    std::string out;
    out.reserve(text.size() + text.size() / 4);
    bool inside = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (!inside || !isGap(c)) {
            if (c == '[')
                inside = true;
            else if (c == ']')
                inside = false;
            out += c;
            continue;
        }
        // A run of gaps inside a highlight: close it before, reopen it after, unless the
        // highlight ends (or the text ends) right after the run.
        std::size_t end = i;
        while (end < text.size() && isGap(text[end]))
            ++end;
        const bool wordFollows = end < text.size() && text[end] != ']';
        if (wordFollows)
            out += ']';
        out.append(text, i, end - i);
        if (wordFollows)
            out += '[';
        i = end - 1;
    }
    return out;
}
