#pragma once

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <span>
#include <string>
#include <string_view>
#include <unistd.h>

/// Stops the run with a message when a property of the code under test does not hold; libFuzzer
/// then keeps the input that broke it.
#define FUZZ_CHECK(condition)                                                                                \
    do {                                                                                                     \
        if (!(condition)) {                                                                                  \
            std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition);               \
            std::abort();                                                                                    \
        }                                                                                                    \
    } while (false)

namespace tav::fuzz {

/// A folder of scratch files for one fuzzing process, on a memory file system when there is one
/// (the file-based readers and the atomic writer run thousands of times a second).
inline const std::filesystem::path& ScratchDir() {
    static const std::filesystem::path dir = [] {
        const std::filesystem::path base = std::filesystem::is_directory("/dev/shm") ? "/dev/shm" : "/tmp";
        const auto path = base / ("tav-fuzz-" + std::to_string(::getpid()));
        std::filesystem::create_directories(path);
        std::atexit([] {
            std::error_code ec;
            std::filesystem::remove_all(ScratchDir(), ec);
        });
        return path;
    }();
    return dir;
}

/// Replaces a file's content in place (same inode), as an editor saving over it would.
inline void Overwrite(const std::filesystem::path& file, std::string_view bytes) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

inline std::string_view AsText(std::span<const std::uint8_t> bytes) {
    return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
}

} // namespace tav::fuzz
