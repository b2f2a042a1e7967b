#pragma once
// Encodes interleaved float PCM as an Ogg Vorbis file (libvorbisenc, variable bit rate).
#include <string>
#include <vector>

// quality is libvorbisenc's VBR quality in [-0.1, 1]. The stream's serial number is fixed
// so that the same samples always give the same file. `title` goes into the file's TITLE
// tag. Prints the reason on failure.
bool saveOggVorbis(const std::string& path, const std::vector<float>& interleaved, int channels, int rate,
                   float quality, const char* title = "Pitchbar menu music");
