#pragma once
// The few file operations a durable save needs, behind one seam so that a
// test can make any of them fail part of the way: a write that stops at byte
// N, a sync that fails, a rename that is refused. Every failure carries a
// plain-English reason that names the file.
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "fielddata/outcome.h"

namespace fielddata {

using NativeFile = std::intptr_t;  // a descriptor, or a Windows handle

class FileSystem {
public:
    virtual ~FileSystem() = default;

    // An existing file, never created nor shortened.
    virtual Outcome<NativeFile> openExisting(const std::filesystem::path& path, bool forWriting) = 0;
    // A file that did not exist; fails, with `taken` set, when the name is in use.
    virtual Outcome<NativeFile> createNew(const std::filesystem::path& path, bool* taken = nullptr) = 0;
    // The failures of calls on an open file carry only the system's words.
    virtual Status writeAt(NativeFile file, std::uint64_t position, std::string_view bytes) = 0;
    // Fewer bytes only at the end of the file.
    virtual Outcome<std::string> readAt(NativeFile file, std::uint64_t position, std::size_t length) = 0;
    // Until this succeeds the bytes may still be only in the system's cache.
    virtual Status sync(NativeFile file) = 0;
    virtual Status close(NativeFile file) = 0;
    // Gives `file` the permission bits and owner of `model`, where the system has them.
    virtual Status matchAccess(NativeFile file, const std::filesystem::path& model) = 0;
    // Makes a creation, rename or removal in the folder durable.
    virtual Status syncFolder(const std::filesystem::path& folder) = 0;
    virtual Status replace(const std::filesystem::path& from, const std::filesystem::path& to) = 0;
    virtual Status remove(const std::filesystem::path& path) = 0;
};

// The operating system's own.
FileSystem& systemFileSystem();

// A file opened through a FileSystem, closed on every path out: an explicit
// close() reports its failure, the destructor's close is for failure paths.
// Its failures name the file.
class OpenFile {
public:
    OpenFile(FileSystem& fs, NativeFile file, std::filesystem::path path)
        : fs_(&fs), file_(file), path_(std::move(path)) {}
    OpenFile(const OpenFile&) = delete;
    OpenFile& operator=(const OpenFile&) = delete;
    ~OpenFile() {
        if (open_) (void)fs_->close(file_);
    }

    Status writeAt(std::uint64_t position, std::string_view bytes);
    Outcome<std::string> readAt(std::uint64_t position, std::size_t length);
    Status sync();
    Status matchAccess(const std::filesystem::path& model);
    Status close();

private:
    FileSystem* fs_;
    NativeFile file_;
    std::filesystem::path path_;
    bool open_ = true;
};

}  // namespace fielddata

namespace fielddata {

// Creates `path`, which must not exist yet, holding `bytes`: synced, closed
// and its folder synced before it returns. With `accessModel` the new file
// first takes that file's permissions. On failure nothing is left behind;
// `taken` tells a name already in use from other failures.
Status createDurably(FileSystem& fs, const std::filesystem::path& path, std::string_view bytes,
                     const std::filesystem::path* accessModel = nullptr, bool* taken = nullptr);

}  // namespace fielddata
