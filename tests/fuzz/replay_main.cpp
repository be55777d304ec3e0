// Runs a fuzz target's entry point over files and folders of inputs, so the
// ordinary test builds (and their sanitizers) replay the seed and regression
// corpora without libFuzzer.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);
extern "C" __attribute__((weak)) int LLVMFuzzerInitialize(int* argc, char*** argv);

namespace {

namespace fs = std::filesystem;

std::vector<fs::path> InputsUnder(const fs::path& where) {
    if (!fs::is_directory(where)) return {where};
    std::vector<fs::path> inputs;
    for (const auto& entry : fs::recursive_directory_iterator(where)) {
        if (entry.is_regular_file()) inputs.push_back(entry.path());
    }
    return inputs;
}

bool Replay(const fs::path& input) {
    std::ifstream file(input, std::ios::binary);
    if (!file) {
        std::fprintf(stderr, "cannot read %s\n", input.c_str());
        return false;
    }
    const std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(file), {}};
    LLVMFuzzerTestOneInput(bytes.data(), bytes.size());
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (LLVMFuzzerInitialize) LLVMFuzzerInitialize(&argc, &argv);
    int replayed = 0;
    for (int i = 1; i < argc; ++i) {
        if (!fs::exists(argv[i])) continue;  // a target may have no regressions yet
        for (const fs::path& input : InputsUnder(argv[i])) {
            if (!Replay(input)) return 1;
            ++replayed;
        }
    }
    std::printf("%d inputs replayed\n", replayed);
    return replayed > 0 ? 0 : 1;
}
