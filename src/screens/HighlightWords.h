#pragma once
// Wrapped text is drawn line by line, and each line starts in the normal colour; a
// highlight of several words that a line break splits would lose its colour on the next
// line. Closing and reopening the brackets around every gap keeps each word highlighted
// wherever the break falls, and measures and draws the same.
#include <string>

// "[LEFT BUTTON] x" -> "[LEFT] [BUTTON] x"; text outside brackets is left alone.
std::string highlightWordByWord(const std::string& text);
