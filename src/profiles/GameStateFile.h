#pragma once
// The byte layout of the save file: little-endian, no header. bool is one byte (only 1
// reads as true), int32 four bytes, a string an int32 byte count and the bytes.
// Store: sound, soundVolume, music, musicVolume, profile count, profiles, best count, rows.
// Profile record: name, sound, soundVolume, music, musicVolume, shadows, rotBoundaries,
// clickRotVel, rodSelection, assistedMode, horizontalMouseSens, verticalMouseSens, rim,
// bestLevel, bestConceded, rodRotDir. Best row: name, level, conceded.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

class ProfileStore;

// The longest file the game reads as a save. The largest save the game writes is 18 bytes
// of sound settings and counts, at most 11 profiles of 46 bytes plus the name, and at most
// 10 best rows of 12 bytes plus the name; a name typed on the new-profile screen holds at
// most 33 characters (the narrowest letter in the editor's width), so under 1.4 KB. A
// megabyte leaves room for names edited by hand; anything longer is not a save file.
constexpr std::size_t kLargestSaveFileBytes = 1024 * 1024;

std::vector<std::uint8_t> encodeGameState(const ProfileStore& store);

// Fills the store (after clearing its lists) from the bytes. Every record that was read
// completely is kept; on damage, error names what went wrong and false is returned.
// Nothing is ever allocated beyond what the bytes could hold.
bool decodeGameState(const std::vector<std::uint8_t>& bytes, ProfileStore& store,
                     bool shadowsSupported, std::string& error);
