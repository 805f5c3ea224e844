// Feeds every file in the given folders to a fuzz harness once, without libFuzzer: the normal
// build replays the regression inputs this way. A finding aborts, failing the test.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size);

int main(int argc, char **argv)
{
    std::set<std::filesystem::path> inputs; // sorted, so a failure names the same file each run
    for (int i = 1; i < argc; ++i) {
        for (const auto &entry : std::filesystem::directory_iterator(argv[i])) {
            if (entry.is_regular_file())
                inputs.insert(entry.path());
        }
    }
    if (inputs.empty()) {
        std::fprintf(stderr, "no regression inputs found\n");
        return 1;
    }
    for (const auto &input : inputs) {
        std::printf("%s\n", input.c_str());
        std::fflush(stdout);
        std::ifstream file(input, std::ios::binary);
        const std::vector<char> bytes {std::istreambuf_iterator<char>(file), {}};
        LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t *>(bytes.data()), bytes.size());
    }
    std::printf("%zu inputs replayed\n", inputs.size());
    return 0;
}
