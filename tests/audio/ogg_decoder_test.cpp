// The music decoder against files that lie: a last page that claims an enormous length, a
// piece longer than a music file can be, and bytes that are no Ogg Vorbis at all. Each
// gives a plain answer; none may abort the game.
#include "AudioTestSupport.h"
#include "ShortMusicLoop.h"

#include <gtest/gtest.h>

namespace {

// The page checksum of the Ogg container: CRC-32, polynomial 0x04C11DB7, not reflected.
std::uint32_t oggChecksum(const unsigned char* page, std::size_t size) {
    std::uint32_t crc = 0;
    for (std::size_t i = 0; i < size; ++i) {
        crc ^= static_cast<std::uint32_t>(page[i]) << 24;
        for (int bit = 0; bit < 8; ++bit) crc = (crc & 0x80000000u) ? (crc << 1) ^ 0x04C11DB7u : crc << 1;
    }
    return crc;
}

// Sets the granule position (the sample count so far) of the stream's last page and
// seals the page with a fresh checksum, so the file reads as valid but claims that length.
bool claimLength(std::vector<unsigned char>& ogg, std::uint64_t samples) {
    std::size_t last = std::string::npos;
    for (std::size_t i = 0; i + 27 <= ogg.size(); ++i)
        if (ogg[i] == 'O' && ogg[i + 1] == 'g' && ogg[i + 2] == 'g' && ogg[i + 3] == 'S') last = i;
    if (last == std::string::npos) return false;
    unsigned char* page = ogg.data() + last;
    std::size_t size = 27 + page[26];
    for (int s = 0; s < page[26]; ++s) size += page[27 + s];
    if (last + size != ogg.size()) return false;
    for (int b = 0; b < 8; ++b) page[6 + b] = static_cast<unsigned char>(samples >> (8 * b));
    for (int b = 0; b < 4; ++b) page[22 + b] = 0;
    const std::uint32_t crc = oggChecksum(page, size);
    for (int b = 0; b < 4; ++b) page[22 + b] = static_cast<unsigned char>(crc >> (8 * b));
    return true;
}

class OggDecoderTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { useNullAudioBackend(); }
    void SetUp() override {
        music = fileBytes(musicPath());
        ASSERT_GT(music.size(), 1000u) << "the generated music is missing: " << musicPath();
    }
    std::vector<unsigned char> music;
    ErrorFile errors;
};

TEST_F(OggDecoderTest, AClaimOfTrillionsOfSamplesDecodesWhatIsReallyThere) {
    DecodedSound honest;
    ASSERT_TRUE(decodeOggBytes(music.data(), music.size(), honest));

    std::vector<unsigned char> lying = music;
    ASSERT_TRUE(claimLength(lying, std::uint64_t(1) << 42));
    DecodedSound decoded;
    EXPECT_TRUE(decodeOggBytes(lying.data(), lying.size(), decoded));
    // The last page's count also trims the final block, so the lie only lengthens it by
    // less than a block (at most 4096 stereo frames).
    EXPECT_GE(decoded.pcm.size(), honest.pcm.size());
    EXPECT_LT(decoded.pcm.size(), honest.pcm.size() + 4096 * 4);
    // The pass that checks a piece for streaming finds the same length as the whole decode.
    OggPiece piece;
    ASSERT_TRUE(measureOggBytes(lying.data(), lying.size(), piece));
    EXPECT_EQ(piece.pcmBytes, decoded.pcm.size());

    // Through the file and the sound system as the game loads it: music, and no error line.
    const std::string path = errors.path() + ".dat";
    writeFileBytes(path, lying);
    SoundSystem sounds;
    ASSERT_TRUE(sounds.init());
    EXPECT_NE(sounds.loadOgg(path), nullptr);
    EXPECT_TRUE(errors.lines().empty());
    std::remove(path.c_str());
}

TEST_F(OggDecoderTest, APieceLongerThanTheCapIsRefusedAndHoldsNoMemory) {
    DecodedSound decoded;
    EXPECT_FALSE(decodeOggBytes(music.data(), music.size(), decoded, 65536));
    EXPECT_TRUE(decoded.pcm.empty());
    EXPECT_EQ(decoded.pcm.data(), nullptr);
    OggPiece piece;
    EXPECT_FALSE(measureOggBytes(music.data(), music.size(), piece, 65536));
    // The game's own cap leaves room for the generated piece.
    EXPECT_TRUE(decodeOggFile(musicPath(), decoded));
    EXPECT_LT(decoded.pcm.size(), kMaxMusicBytes);
    // A file may not be longer than the cap either: it is not read at all.
    std::vector<unsigned char> bytes;
    EXPECT_FALSE(readMusicFile(musicPath(), bytes, music.size() - 1));
    EXPECT_TRUE(bytes.empty());
    EXPECT_TRUE(readMusicFile(musicPath(), bytes, music.size()));
    EXPECT_EQ(bytes, music);
}

TEST_F(OggDecoderTest, BytesThatAreNoOggVorbisGiveFalse) {
    DecodedSound decoded;
    const std::string text = "OggS but nothing after it";
    EXPECT_FALSE(decodeOggBytes(reinterpret_cast<const unsigned char*>(text.data()), text.size(), decoded));
    EXPECT_FALSE(decodeOggBytes(nullptr, 0, decoded));
    // The first pages alone: headers that promise a stream, then the end of the file.
    EXPECT_FALSE(decodeOggBytes(music.data(), 200, decoded));
    EXPECT_TRUE(decoded.pcm.empty());
}

}  // namespace
