#pragma once
// The byte layout of the save file: little-endian, no header. bool is one byte (only 1
// reads as true), int32 four bytes, a string an int32 byte count and the bytes.
// Store: sound, soundVolume, music, musicVolume, profile count, profiles, best count, rows.
// Profile record: name, sound, soundVolume, music, musicVolume, shadows, rotBoundaries,
// clickRotVel, rodSelection, assistedMode, horizontalMouseSens, verticalMouseSens, rim,
// bestLevel, bestConceded, rodRotDir. Best row: name, level, conceded.
#include <cstdint>
#include <string>
#include <vector>

class ProfileStore;

std::vector<std::uint8_t> encodeGameState(const ProfileStore& store);

// Fills the store (after clearing its lists) from the bytes. Every record that was read
// completely is kept; on damage, error names what went wrong and false is returned.
// Nothing is ever allocated beyond what the bytes could hold.
bool decodeGameState(const std::vector<std::uint8_t>& bytes, ProfileStore& store,
                     bool shadowsSupported, std::string& error);
