#pragma once
// A short music loop for the streaming tests, encoded with the game's own Vorbis writer: a
// fraction of a second, so that a test passes its seam several times in little time. Each
// channel holds its own tones under a slow sweep, so any shifted, repeated, dropped or
// swapped sample changes what is decoded.
#include "audio/OggDecoder.h"

#include <cstdint>
#include <string>
#include <vector>

// Writes the loop (`frames` long at 44.1 kHz) as an Ogg Vorbis file; false when the
// encoder refused.
bool writeShortMusicLoop(const std::string& path, int channels, int frames);

// The frames of 0.73 s: not a whole number of the streamer's half-second buffers, so its
// seams fall inside buffers and at a different place in each.
constexpr int kShortLoopFrames = 32193;

// The file decoded whole, as 16-bit samples.
std::vector<std::int16_t> decodedSamples(const std::string& path);

// `count` samples of `piece` repeated end to start, from its first sample on.
std::vector<std::int16_t> repeated(const std::vector<std::int16_t>& piece, std::size_t count);

std::vector<unsigned char> fileBytes(const std::string& path);
void writeFileBytes(const std::string& path, const std::vector<unsigned char>& bytes);
