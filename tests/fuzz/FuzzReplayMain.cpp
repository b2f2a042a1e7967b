// Without libFuzzer (a gcc build), a fuzz target is a program that feeds it every file
// named on the command line, and every file in every folder named there, once each. The
// kept inputs then run as an ordinary test: whatever a fuzzer once found stays mended.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

bool runFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "cannot read %s\n", path.c_str());
        return false;
    }
    std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    LLVMFuzzerTestOneInput(bytes.data(), bytes.size());
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    int inputs = 0;
    bool ok = true;
    for (int i = 1; i < argc; ++i) {
        std::error_code error;
        const std::filesystem::path arg(argv[i]);
        if (std::filesystem::is_directory(arg, error)) {
            for (const auto& entry : std::filesystem::directory_iterator(arg, error)) {
                if (!entry.is_regular_file()) continue;
                ok = runFile(entry.path()) && ok;
                ++inputs;
            }
        } else {
            ok = runFile(arg) && ok;
            ++inputs;
        }
    }
    std::printf("%d inputs run\n", inputs);
    return ok && inputs > 0 ? 0 : 1;
}
