// SPDX-License-Identifier: GPL-3.0-or-later
// Runs a fuzz target without libFuzzer: every file of the regression folders given on the command line, then
// a fixed number of inputs mutated from them by a seeded generator, so the normal test suite replays found
// crashers and explores a little on every run. Built with clang and ARCADE_FUZZ, libFuzzer's own driver
// replaces this.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace {

uint64_t next(uint64_t& s) {
    s ^= s << 13;
    s ^= s >> 7;
    s ^= s << 17;
    return s;
}

std::vector<uint8_t> mutate(std::vector<uint8_t> v, uint64_t& s) {
    static const char* tokens[] = {
        "=",           "\n",       "[",      "]", "Yes",      "No",         "-",
        "99999999999", "\\",       "%",      "&", "\xc3\xa9", "[Scores]\n", "[Options]\n",
        "1Score=",     "1ChkSum=", "1Date=", "0", "\r\n"};
    const int edits = 1 + static_cast<int>(next(s) % 8);
    for (int i = 0; i < edits; ++i) {
        const size_t at = v.empty() ? 0 : next(s) % (v.size() + 1);
        switch (next(s) % 4) {
            case 0:
                if (!v.empty() && at < v.size()) v[at] = static_cast<uint8_t>(next(s));
                break;
            case 1:
                if (!v.empty() && at < v.size()) v.erase(v.begin() + static_cast<std::ptrdiff_t>(at));
                break;
            default: {
                const std::string t = tokens[next(s) % (sizeof tokens / sizeof *tokens)];
                v.insert(v.begin() + static_cast<std::ptrdiff_t>(at), t.begin(), t.end());
            }
        }
    }
    if (v.size() > 4096) v.resize(4096);
    return v;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::vector<uint8_t>> seeds;
    int iterations = 2000;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg.rfind("-runs=", 0) == 0) {
            iterations = std::atoi(arg.c_str() + 6);
            continue;
        }
        if (!std::filesystem::is_directory(arg)) continue;
        for (const auto& entry : std::filesystem::directory_iterator(arg)) {
            std::ifstream in(entry.path(), std::ios::binary);
            seeds.emplace_back(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        }
    }
    if (seeds.empty()) seeds.emplace_back();
    for (const auto& seed : seeds)
        LLVMFuzzerTestOneInput(seed.data(), seed.size());
    uint64_t state = 0x9e3779b97f4a7c15ull;
    for (int i = 0; i < iterations; ++i) {
        const auto input = mutate(seeds[next(state) % seeds.size()], state);
        LLVMFuzzerTestOneInput(input.data(), input.size());
    }
    std::printf("%zu seeds and %d mutated inputs ran clean\n", seeds.size(), iterations);
    return 0;
}
