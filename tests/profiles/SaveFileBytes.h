#pragma once
// Builds save files byte by byte, independently of the game's writer, so the tests pin the
// layout rather than restate it.
#include <cstdint>
#include <filesystem>
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

// The names in the save file's folder that begin with its own name and a dot: the damaged
// copies (.bad...) and temporary files (.tmp...) made beside it.
inline std::vector<std::string> namesBeside(const std::string& file, const std::string& infix = ".")
{
    namespace fs = std::filesystem;
    const fs::path p(file);
    const std::string prefix = p.filename().string() + infix;
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(p.has_parent_path() ? p.parent_path() : fs::path(".")))
        if (entry.path().filename().string().rfind(prefix, 0) == 0)
            names.push_back(entry.path().string());
    return names;
}

inline bool temporaryFileLeft(const std::string& file) { return !namesBeside(file, ".tmp").empty(); }

// The file and everything made beside it, gone.
inline void removeWithKeptCopies(const std::string& file)
{
    for (const std::string& name : namesBeside(file))
        std::filesystem::remove_all(name);
    std::filesystem::remove_all(file);
}
