#pragma once
// A fresh folder per test, removed afterwards, for files the tests write.
#include <filesystem>
#include <fstream>
#include <cstdlib>
#include <random>
#include <string>

#include <unistd.h>

namespace testing_support {

class TempDir {
public:
    TempDir() {
        std::random_device seed;
        path_ = std::filesystem::temp_directory_path() / ("ringwright-test-" + std::to_string(seed()));
        std::filesystem::create_directories(path_);
    }
    ~TempDir() {
        std::error_code ignored;
        std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ignored);
        std::filesystem::remove_all(path_, ignored);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

private:
    std::filesystem::path path_;
};

// Root writes through read-only permissions; CI runs as root, so a test of a
// refused write acts as an ordinary user while this lives.
class AsOrdinaryUser {
public:
    AsOrdinaryUser() : wasRoot_(geteuid() == 0) {
        if (wasRoot_ && seteuid(65534) != 0) wasRoot_ = false;
    }
    ~AsOrdinaryUser() {
        if (wasRoot_ && seteuid(0) != 0) std::abort();
    }
    AsOrdinaryUser(const AsOrdinaryUser&) = delete;
    AsOrdinaryUser& operator=(const AsOrdinaryUser&) = delete;
    bool ordinary() const { return geteuid() != 0; }

private:
    bool wasRoot_;
};

inline void writeBytes(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc).write(bytes.data(), std::streamsize(bytes.size()));
}

// A path as every message quotes it.
inline std::string quoted(const std::filesystem::path& path) { return "\"" + path.string() + "\""; }

inline std::string readBytes(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

}  // namespace testing_support
