#include "profiles/GameStateFile.h"

#include "profiles/ProfileStore.h"

#include <algorithm>
#include <cstddef>

namespace {

class ByteWriter {
public:
    std::vector<std::uint8_t> bytes;

    void putBool(bool v) { bytes.push_back(v ? 1 : 0); }
    void putInt(std::int32_t v)
    {
        const auto u = static_cast<std::uint32_t>(v);
        for (int shift = 0; shift < 32; shift += 8)
            bytes.push_back(static_cast<std::uint8_t>(u >> shift));
    }
    void putString(const std::string& s)
    {
        putInt(static_cast<std::int32_t>(s.size()));
        bytes.insert(bytes.end(), s.begin(), s.end());
    }
};

// Every read checks the remaining length; after the first failed read all later reads
// fail too, so a record is either read whole or not at all.
class ByteReader {
public:
    explicit ByteReader(const std::vector<std::uint8_t>& b) : bytes(b) {}

    bool ok() const { return good; }
    std::size_t remaining() const { return bytes.size() - pos; }
    std::size_t position() const { return pos; }

    bool getBool(bool& v)
    {
        if (!need(1))
            return false;
        v = bytes[pos++] == 1;
        return true;
    }
    bool getInt(std::int32_t& v)
    {
        if (!need(4))
            return false;
        std::uint32_t u = 0;
        for (int i = 0; i < 4; ++i)
            u |= static_cast<std::uint32_t>(bytes[pos + i]) << (8 * i);
        pos += 4;
        v = static_cast<std::int32_t>(u);
        return true;
    }
    bool getString(std::string& s)
    {
        std::int32_t length = 0;
        if (!getInt(length))
            return false;
        if (length < 0 || static_cast<std::size_t>(length) > remaining()) {
            good = false;
            badLength = true;
            return false;
        }
        s.assign(reinterpret_cast<const char*>(bytes.data() + pos), static_cast<std::size_t>(length));
        pos += static_cast<std::size_t>(length);
        return true;
    }
    bool sawBadLength() const { return badLength; }

private:
    bool need(std::size_t n)
    {
        if (!good || remaining() < n) {
            good = false;
            return false;
        }
        return true;
    }

    const std::vector<std::uint8_t>& bytes;
    std::size_t pos = 0;
    bool good = true;
    bool badLength = false;
};

bool readProfile(ByteReader& in, Profile& p)
{
    in.getString(p.name);
    in.getBool(p.sound);
    in.getInt(p.soundVolume);
    in.getBool(p.music);
    in.getInt(p.musicVolume);
    in.getBool(p.shadows);
    in.getBool(p.rotBoundaries);
    in.getInt(p.clickRotVel);
    in.getInt(p.rodSelection);
    in.getBool(p.assistedMode);
    in.getInt(p.horizontalMouseSens);
    in.getInt(p.verticalMouseSens);
    in.getBool(p.rim);
    in.getInt(p.bestLevel);
    in.getInt(p.bestConceded);
    in.getInt(p.rodRotDir);
    return in.ok();
}

bool readBest(ByteReader& in, BestAchievement& row)
{
    in.getString(row.name);
    in.getInt(row.level);
    in.getInt(row.conceded);
    return in.ok();
}

std::string damageAt(const ByteReader& in, const char* what)
{
    std::string text = in.sawBadLength() ? "a name length beyond the end of the file"
                                         : "the file ends early";
    return text + " in " + what + " (byte " + std::to_string(in.position()) + ")";
}

} // namespace

std::vector<std::uint8_t> encodeGameState(const ProfileStore& store)
{
    ByteWriter out;
    out.putBool(store.sound);
    out.putInt(store.soundVolume);
    out.putBool(store.music);
    out.putInt(store.musicVolume);
    out.putInt(static_cast<std::int32_t>(store.profiles.size()));
    for (const auto& p : store.profiles) {
        out.putString(p->name);
        out.putBool(p->sound);
        out.putInt(p->soundVolume);
        out.putBool(p->music);
        out.putInt(p->musicVolume);
        out.putBool(p->shadows);
        out.putBool(p->rotBoundaries);
        out.putInt(p->clickRotVel);
        out.putInt(p->rodSelection);
        out.putBool(p->assistedMode);
        out.putInt(p->horizontalMouseSens);
        out.putInt(p->verticalMouseSens);
        out.putBool(p->rim);
        out.putInt(p->bestLevel);
        out.putInt(p->bestConceded);
        out.putInt(p->rodRotDir);
    }
    out.putInt(static_cast<std::int32_t>(store.best.size()));
    for (const auto& row : store.best) {
        out.putString(row.name);
        out.putInt(row.level);
        out.putInt(row.conceded);
    }
    return out.bytes;
}

bool decodeGameState(const std::vector<std::uint8_t>& bytes, ProfileStore& store,
                     bool shadowsSupported, std::string& error)
{
    store.clear();
    ByteReader in(bytes);

    SoundSettings block;
    in.getBool(block.sound);
    in.getInt(block.soundVolume);
    in.getBool(block.music);
    in.getInt(block.musicVolume);
    if (!in.ok()) {
        error = damageAt(in, "the sound settings");
        return false;
    }
    store.setSoundSettings(block);
    store.soundVolume = std::clamp<std::int32_t>(store.soundVolume, 0, 15);
    store.musicVolume = std::clamp<std::int32_t>(store.musicVolume, 0, 15);

    std::int32_t profileCount = 0;
    if (!in.getInt(profileCount)) {
        error = damageAt(in, "the profile count");
        return false;
    }
    // The loop ends at the first record that does not fit, so a huge count costs nothing.
    for (std::int32_t i = 0; i < profileCount; ++i) {
        auto p = std::make_unique<Profile>();
        if (!readProfile(in, *p)) {
            error = damageAt(in, ("profile " + std::to_string(i + 1)).c_str());
            return false;
        }
        p->shadows = p->shadows && shadowsSupported;
        p->clampToRanges();
        store.profiles.push_back(std::move(p));
    }

    std::int32_t bestCount = 0;
    if (!in.getInt(bestCount)) {
        error = damageAt(in, "the best results count");
        return false;
    }
    for (std::int32_t i = 0; i < bestCount; ++i) {
        BestAchievement row;
        if (!readBest(in, row)) {
            error = damageAt(in, ("best result " + std::to_string(i + 1)).c_str());
            return false;
        }
        // The best-results screen looks the opponent up by this index.
        row.level = std::clamp<std::int32_t>(row.level, 0, kOpponentCount - 1);
        row.conceded = std::clamp<std::int32_t>(row.conceded, 0, 4);
        if (static_cast<int>(store.best.size()) < kBestAchievementRows)
            store.best.push_back(std::move(row));
    }
    if (bestCount > kBestAchievementRows) {
        error = "more than " + std::to_string(kBestAchievementRows) + " best results";
        return false;
    }
    if (in.remaining() != 0) {
        error = std::to_string(in.remaining()) + " unknown bytes after the best results";
        return false;
    }
    return true;
}
