// Runs a fuzz target once on every file of the directories (or files) it is given, the way
// the fuzzer would, for builds without libFuzzer: CTest replays each seed corpus so every
// test run checks the corpus again. A broken invariant aborts; otherwise the exit code is 0.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

bool replayFile(const std::filesystem::path& path)
{
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        std::fprintf(stderr, "cannot read %s\n", path.c_str());
        return false;
    }
    file.seekg(0, std::ios::end);
    // An empty input still gets a valid pointer, as from the fuzzer.
    std::vector<std::uint8_t> input(static_cast<std::size_t>(file.tellg()) + 1);
    file.seekg(0);
    file.read(reinterpret_cast<char*>(input.data()),
              static_cast<std::streamsize>(input.size() - 1));
    input.pop_back();
    LLVMFuzzerTestOneInput(input.data(), input.size());
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    std::size_t replayed = 0;
    bool readable = true;
    for (int i = 1; i < argc; ++i) {
        // Absolute, since a target may change the current directory.
        const std::filesystem::path argument = std::filesystem::absolute(argv[i]);
        std::error_code error;
        if (std::filesystem::is_directory(argument, error)) {
            for (const auto& entry : std::filesystem::directory_iterator(argument)) {
                if (!entry.is_regular_file())
                    continue;
                readable = replayFile(entry.path()) && readable;
                ++replayed;
            }
        } else {
            readable = replayFile(argument) && readable;
            ++replayed;
        }
    }
    std::printf("replayed %zu inputs\n", replayed);
    // A corpus that has gone missing would otherwise pass as an empty one.
    return readable && replayed > 0 ? 0 : 1;
}
