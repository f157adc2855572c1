#pragma once
// One writer per archive. Every save, rollback and restore of an archive, by
// either editor or any other program of ours, holds this lock on the archive
// file itself. The system lets it go when the process ends, so an editor that
// was killed never leaves it behind, and a journal whose save still holds it
// is never taken for an unfinished one.
#include <chrono>
#include <filesystem>

#include "fielddata/file_system.h"

namespace fielddata {

class ArchiveLock {
public:
    ArchiveLock(ArchiveLock&& other) noexcept;
    ArchiveLock& operator=(ArchiveLock&&) = delete;
    ~ArchiveLock();

private:
    friend Outcome<ArchiveLock> lockArchive(FileSystem&, const std::filesystem::path&, std::chrono::milliseconds);
    ArchiveLock(FileSystem& fs, NativeFile file) : fs_(&fs), file_(file) {}

    FileSystem* fs_;
    NativeFile file_;
    bool held_ = true;
};

// A save takes milliseconds: a second writer waits that long, then gives up.
inline constexpr std::chrono::milliseconds kLockPatience{2000};

// Takes the archive's lock, waiting up to `patience` while another of our
// programs holds it; then fails with
// "Another Ringwright is writing to "…" just now. Try again in a moment."
Outcome<ArchiveLock> lockArchive(FileSystem& fs, const std::filesystem::path& archive,
                                 std::chrono::milliseconds patience = kLockPatience);

}  // namespace fielddata
