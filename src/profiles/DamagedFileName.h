#pragma once
// The name a damaged file of ours is kept under beside it: the first free one of
// <file>.bad, <file>.bad.1, ...; when all are taken the last is given to the newest damaged
// file, so the first few and the latest stay.
#include <string>

// Damaged files kept beside a file of ours: <file>.bad, <file>.bad.1, ...
constexpr int kKeptDamagedFiles = 5;

std::string nameForDamagedFile(const std::string& file);
