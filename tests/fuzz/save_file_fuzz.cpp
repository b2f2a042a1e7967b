// The save file reader on arbitrary bytes. Whatever it keeps must write back out and read
// again to the same bytes: a store the game accepted is a store it can save.
#include "core/ErrorLog.h"
#include "profiles/GameStateFile.h"
#include "profiles/ProfileStore.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const bool quiet = (setErrorLogPath("/dev/null"), true);
    (void)quiet;
    const std::vector<std::uint8_t> bytes(data, data + size);
    for (bool shadows : {false, true}) {
        ProfileStore store;
        std::string error;
        decodeGameState(bytes, store, shadows, error);
        const std::vector<std::uint8_t> saved = encodeGameState(store);
        ProfileStore again;
        if (!decodeGameState(saved, again, shadows, error) || encodeGameState(again) != saved) std::abort();
    }
    return 0;
}
