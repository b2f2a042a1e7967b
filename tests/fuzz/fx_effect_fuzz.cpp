// The .fx effect text reader (markers, shaders, techniques and their passes) on arbitrary
// text; compiling the shaders is the driver's business and needs no fuzzing here.
#include "platform/gfx/Effect.h"

#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string errors;
    Effect::parseText(std::string(reinterpret_cast<const char*>(data), size), "fuzz.fx", errors);
    return 0;
}
