#include "fielddata/archive_lock.h"

#include <thread>

#include "fielddata/message_text.h"

namespace fielddata {

ArchiveLock::ArchiveLock(ArchiveLock&& other) noexcept : fs_(other.fs_), file_(other.file_) {
    other.held_ = false;
}

ArchiveLock::~ArchiveLock() {
    if (!held_) return;
    (void)fs_->unlock(file_);
    (void)fs_->close(file_);
}

Outcome<ArchiveLock> lockArchive(FileSystem& fs, const std::filesystem::path& archive,
                                 std::chrono::milliseconds patience) {
    auto opened = fs.openExisting(archive, false);
    if (!opened) return Failure{opened.reason()};
    ArchiveLock lock(fs, opened.value());
    const auto giveUp = std::chrono::steady_clock::now() + patience;
    for (;;) {
        const auto taken = fs.tryLock(opened.value());
        if (!taken) return Failure{"Cannot lock " + quotedPath(archive) + ": " + taken.reason() + "."};
        if (taken.value()) return lock;
        if (std::chrono::steady_clock::now() >= giveUp)
            return Failure{"Another Ringwright is writing to " + quotedPath(archive) + " just now. Try again in a moment."};
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}

}  // namespace fielddata
