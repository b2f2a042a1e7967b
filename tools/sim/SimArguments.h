#pragma once
// Option parsing shared by the match commands: "--name value" pairs.
#include <cstdint>
#include <string>
#include <vector>

// Whether option is one of the names: an unknown option is told as unknown, not as one
// that lacks its value.
template <std::size_t N>
bool isOneOf(const std::string& option, const char* const (&names)[N])
{
    for (const char* name : names)
        if (option == name) return true;
    return false;
}

// Reads the value after args[i] into out; false when it is missing.
inline bool takeValue(const std::vector<std::string>& args, std::size_t& i, std::string& out)
{
    if (i + 1 >= args.size()) return false;
    out = args[++i];
    return true;
}

// A whole non-negative number that fits 32 bits, nothing else.
inline bool parseUnsigned(const std::string& text, std::uint32_t& out)
{
    if (text.empty() || text.size() > 10) return false;
    std::uint64_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return false;
        value = value * 10 + static_cast<std::uint64_t>(c - '0');
    }
    if (value > 0xFFFFFFFFull) return false;
    out = static_cast<std::uint32_t>(value);
    return true;
}

inline bool parseOnOff(const std::string& text, bool& out)
{
    if (text == "on") out = true;
    else if (text == "off") out = false;
    else return false;
    return true;
}
