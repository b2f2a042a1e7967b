// A failed start is told by its first error line of this start, not by an older line the
// error file kept from an earlier run.
#include "app/StartFailure.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

TEST(StartFailure, TheFirstErrorOfThisStartIsTheReason)
{
    const std::string path = ::testing::TempDir() + "pitchbar_start_failure_error.txt";
    std::remove(path.c_str());
    EXPECT_EQ(0u, errorFileEnd(path));
    EXPECT_EQ("", firstErrorSince(path, 0));

    std::ofstream(path) << "error: Could not load resources/old.png from an earlier run\n";
    const std::uintmax_t before = errorFileEnd(path);
    std::ofstream(path, std::ios::app) << "error: Could not initialize OpenAL.\nerror: Could not initialize game.\n";
    EXPECT_EQ("Could not initialize OpenAL.", firstErrorSince(path, before));
    EXPECT_EQ("Pitchbar could not start: Could not initialize OpenAL. (every line in " + path + ")",
              startFailureLine(firstErrorSince(path, before), path));
    EXPECT_EQ("Pitchbar could not start. (every line in x)", startFailureLine("", "x"));
    std::remove(path.c_str());
}
