// Runs a fuzz target without libFuzzer, as a test with every build: each seed, then seeded
// random edits of the seeds, the same on every run (FISCORA_FUZZ_SEED and FISCORA_FUZZ_ROUNDS
// make another). A broken property aborts the target; the input is shown first.
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

std::string current; // the input under test

void showInput(int) {
    std::fputs("broken on the input (hex):", stderr);
    for (const unsigned char c : current) {
        std::fprintf(stderr, " %02x", c);
    }
    std::fputs("\n", stderr);
}

void run(const std::string& input) {
    current = input;
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(input.data()), input.size());
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s SEED-FOLDER\n", argv[0]);
        return 2;
    }
    std::signal(SIGABRT, showInput);
    std::vector<std::string> seeds{""};
    for (const auto& entry : std::filesystem::directory_iterator(argv[1])) {
        std::ifstream file(entry.path(), std::ios::binary);
        seeds.emplace_back(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
        run(seeds.back());
    }
    const char* seed = std::getenv("FISCORA_FUZZ_SEED");
    const char* rounds = std::getenv("FISCORA_FUZZ_ROUNDS");
    std::mt19937_64 random(seed ? std::strtoull(seed, nullptr, 10) : 20121213);
    // Mostly the characters that matter to a number and to a year file, now and then any byte.
    static const std::string alphabet = "0123456789000555999+-..eE \t\n\r,xa\"{}[]:";
    for (long i = 0, n = rounds ? std::atol(rounds) : 30000; i < n; ++i) {
        std::string input = seeds[random() % seeds.size()];
        for (auto edits = 1 + random() % 16; edits > 0; --edits) {
            const std::size_t at = random() % (input.size() + 1);
            const char c = random() % 16 ? alphabet[random() % alphabet.size()]
                                         : static_cast<char>(random() % 256);
            if (at == input.size() || random() % 2) {
                input.insert(at, 1, c);
            } else if (random() % 2) {
                input[at] = c;
            } else {
                input.erase(at, 1);
            }
        }
        run(input);
    }
    return 0;
}
