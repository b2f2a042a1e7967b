#pragma once
// A start that fails must say so where the player looks: one line on standard error and,
// unless an error box has already told the reason, a box; the process then ends with a
// failure code. The reason is the first error line the start wrote to the error file.
#include <cstdint>
#include <string>

// How far the error file reaches now; what is written after it belongs to this start.
std::uintmax_t errorFileEnd(const std::string& path);

// The first "error: " line written to the error file at or after offset `from`, without
// its prefix; "" when there is none.
std::string firstErrorSince(const std::string& path, std::uintmax_t from);

// The one line told on standard error and in the box.
std::string startFailureLine(const std::string& firstError, const std::string& errorFile);
