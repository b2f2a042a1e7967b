#pragma once
// Writes 16-bit PCM WAV files (RIFF, little-endian) for the sound effects.
#include <string>
#include <vector>

// `samples` are interleaved floats in [-1, 1] (clipped if beyond); creates the folder.
// Prints the reason and returns false when the file cannot be written.
bool saveWav16(const std::string& path, const std::vector<float>& samples, int channels, int rate);

// Converts a float sample to 16-bit with rounding and clipping.
short toPcm16(float sample);
