// Runs a fuzz target over every file of the folders it is given, without libFuzzer, so that the
// seed corpus runs as a plain test with every build. A broken property aborts, as under libFuzzer.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);
// Only some targets set themselves up first.
extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) __attribute__((weak));

namespace {

std::vector<std::filesystem::path> Seeds(int argc, char** argv)
{
    std::vector<std::filesystem::path> seeds;
    for (int i = 1; i < argc; ++i)
        if (std::filesystem::is_directory(argv[i]))
            for (const auto& entry : std::filesystem::directory_iterator(argv[i]))
                if (entry.is_regular_file())
                    seeds.push_back(entry.path());
    std::sort(seeds.begin(), seeds.end());
    return seeds;
}

} // namespace

int main(int argc, char** argv)
{
    const std::vector<std::filesystem::path> seeds = Seeds(argc, argv);
    if (seeds.empty()) {
        std::fprintf(stderr, "no seed files in the corpus folders given\n");
        return 1;
    }
    if (LLVMFuzzerInitialize && LLVMFuzzerInitialize(&argc, &argv) != 0)
        return 1;
    for (const auto& seed : seeds) {
        std::ifstream file(seed, std::ios::binary);
        const std::vector<char> bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
        std::printf("%s (%zu bytes)\n", seed.filename().string().c_str(), bytes.size());
        std::fflush(stdout);
        LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
    }
    std::printf("%zu seeds replayed\n", seeds.size());
    return 0;
}
