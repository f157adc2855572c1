#pragma once
// Every file operation of ours, queries and reads included, behind one seam
// so that a test can make any of them fail part of the way: a write that
// stops at byte N, a sync that fails, a rename that is refused, a folder that
// cannot be looked into. Every failure carries a plain-English reason that
// names the file; the system's error codes become words here and nowhere else.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "fielddata/outcome.h"

namespace fielddata {

using NativeFile = std::intptr_t;  // a descriptor, or a Windows handle

// What a name stands for. Only plain files are ever opened: a FIFO or a
// device named as an archive would stop the editor in its first read.
enum class FileKind { Missing, Plain, Folder, Other };

// The file itself, whichever of its names reached it: a hard link, a
// symbolic link, another drive letter or a network path all give the same.
struct FileIdentity {
    std::uint64_t volume = 0, file = 0;
    bool operator==(const FileIdentity&) const = default;
};

struct FileFacts {
    FileKind kind = FileKind::Missing;
    std::uint64_t size = 0;
    FileIdentity identity;
    bool hidden = false;  // Windows' hidden or system attribute
};

class FileSystem {
public:
    virtual ~FileSystem() = default;

    // Links followed; a name that leads nowhere is Missing, not a failure.
    virtual Outcome<FileFacts> facts(const std::filesystem::path& path) = 0;
    // The entries of a folder, in no particular order.
    virtual Outcome<std::vector<std::filesystem::path>> listFolder(const std::filesystem::path& folder) = 0;
    // Where a symbolic link leads, as written in it; nothing when `path` is no link.
    virtual Outcome<std::optional<std::filesystem::path>> linkTarget(const std::filesystem::path& path) = 0;
    // The path whole, links and dots resolved as far as it exists; as given
    // when even that cannot be worked out.
    virtual std::filesystem::path fullPath(const std::filesystem::path& path) = 0;
    // An existing plain file, never created nor shortened; anything else is
    // refused before a read could wait on it.
    virtual Outcome<NativeFile> openExisting(const std::filesystem::path& path, bool forWriting) = 0;
    // A file that did not exist, readable by its owner alone until giveAccess;
    // fails, with `taken` set, when the name is in use.
    virtual Outcome<NativeFile> createNew(const std::filesystem::path& path, bool* taken = nullptr) = 0;
    // A folder; fails when it exists already.
    virtual Status createFolder(const std::filesystem::path& path) = 0;
    // The failures of calls on an open file carry only the system's words.
    virtual Status writeAt(NativeFile file, std::uint64_t position, std::string_view bytes) = 0;
    // Up to `length` bytes into `bytes`; fewer only at the end of the file.
    virtual Outcome<std::size_t> readInto(NativeFile file, std::uint64_t position, char* bytes, std::size_t length) = 0;
    // Until this succeeds the bytes may still be only in the system's cache.
    virtual Status sync(NativeFile file) = 0;
    virtual Status close(NativeFile file) = 0;
    // Gives `file` the permission bits and owner of `model`, where the system
    // has them; without a model, what a new file of the player's gets.
    virtual Status giveAccess(NativeFile file, const std::filesystem::path* model) = 0;
    // The one lock per archive that our programs take before they write to it:
    // false when another process holds it. Closing the file, or the end of the
    // process, releases it.
    virtual Outcome<bool> tryLock(NativeFile file) = 0;
    virtual Status unlock(NativeFile file) = 0;
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
    Outcome<std::size_t> readInto(std::uint64_t position, char* bytes, std::size_t length);
    Status sync();
    Status giveAccess(const std::filesystem::path* model);
    Status close();

private:
    FileSystem* fs_;
    NativeFile file_;
    std::filesystem::path path_;
    bool open_ = true;
};

}  // namespace fielddata

namespace fielddata {

// Whether anything stands at `path`; a name that cannot be looked at counts
// as taken, so nothing is ever put over it.
bool nameTaken(FileSystem& fs, const std::filesystem::path& path);

// The first `limit` bytes of a plain file, or all of a shorter one.
Outcome<std::string> readFileStart(FileSystem& fs, const std::filesystem::path& path, std::size_t limit);

// Creates `path`, which must not exist yet, holding `bytes`: synced, closed
// and its folder synced before it returns. It is private while the bytes go
// in, then takes the permissions of `accessModel`, or a new file's without
// one. On failure nothing is left behind; `taken` tells a name already in use
// from other failures.
Status createDurably(FileSystem& fs, const std::filesystem::path& path, std::string_view bytes,
                     const std::filesystem::path* accessModel = nullptr, bool* taken = nullptr);

// Puts `bytes` at `target` whole or not at all: a new file of a name no file
// has (`<target>.<8 hex digits>.ringwright-tmp`) is written and brought onto
// the disk, then renamed over the target, then the folder is synced. Such
// files left beside the target by an earlier run that was killed are removed
// first. On failure the target is as it was.
Status replaceDurably(FileSystem& fs, const std::filesystem::path& target, std::string_view bytes,
                      const std::filesystem::path* accessModel = nullptr);

// Makes `folder` and any of its missing parents, each made durable in its
// own parent before anything is put inside it.
Status makeFoldersDurably(FileSystem& fs, const std::filesystem::path& folder);

}  // namespace fielddata
