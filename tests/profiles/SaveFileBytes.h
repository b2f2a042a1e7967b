#pragma once
// Builds save files byte by byte, independently of the game's writer, so the tests pin the
// layout rather than restate it.
#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

struct Bytes {
    std::vector<std::uint8_t> v;
    Bytes& b(std::uint8_t x) { v.push_back(x); return *this; }
    Bytes& i(std::int32_t x)
    {
        auto u = static_cast<std::uint32_t>(x);
        v.push_back(u & 0xFF);
        v.push_back((u >> 8) & 0xFF);
        v.push_back((u >> 16) & 0xFF);
        v.push_back((u >> 24) & 0xFF);
        return *this;
    }
    Bytes& s(const std::string& x)
    {
        i(static_cast<std::int32_t>(x.size()));
        v.insert(v.end(), x.begin(), x.end());
        return *this;
    }
    // A profile record in file order with the given distinguishing values.
    Bytes& profile(const std::string& name, std::uint8_t shadows = 1, std::int32_t clickRotVel = 8,
                   std::int32_t bestLevel = -1, std::int32_t bestConceded = 0)
    {
        s(name);
        b(1).i(15).b(1).i(15);  // sound block
        b(shadows).b(0);        // shadows, rotBoundaries
        i(clickRotVel).i(1);    // clickRotVel, rodSelection
        b(1).i(8).i(8);         // assistedMode, sensitivities
        b(1);                   // rim
        i(bestLevel).i(bestConceded).i(0);
        return *this;
    }
};

inline void writeBytes(const std::string& path, const std::vector<std::uint8_t>& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

inline std::vector<std::uint8_t> readBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), {});
}

inline bool fileExists(const std::string& path) { return std::ifstream(path).good(); }
