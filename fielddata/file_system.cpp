#include "fielddata/file_system.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <random>
#include <system_error>
#include <vector>

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#include "fielddata/archive_names.h"
#include "fielddata/message_text.h"

namespace fielddata {
namespace {

Failure failure(std::string_view what, const std::filesystem::path& path, int code) {
    return Failure{std::string(what) + " " + quotedPath(path) + ": " + std::system_category().message(code) + "."};
}

Failure notPlain(const std::filesystem::path& path) {
    return Failure{"Cannot open " + quotedPath(path) + ": it is not a plain file."};
}

// The same on every system: the standard library asks the system for us.
std::filesystem::path resolvedPath(const std::filesystem::path& path) {
    std::error_code error;
    auto full = std::filesystem::weakly_canonical(path, error);
    if (error) full = std::filesystem::absolute(path, error);
    return error ? path : full;
}

Outcome<std::optional<std::filesystem::path>> readLink(const std::filesystem::path& path) {
    std::error_code error;
    if (!std::filesystem::is_symlink(path, error)) return std::optional<std::filesystem::path>{};
    auto target = std::filesystem::read_symlink(path, error);
    if (error) return failure("Cannot read the link", path, error.value());
    return std::optional<std::filesystem::path>{std::move(target)};
}

Outcome<std::vector<std::filesystem::path>> listEntries(const std::filesystem::path& folder) {
    std::error_code error;
    std::vector<std::filesystem::path> entries;
    for (std::filesystem::directory_iterator at(folder.empty() ? "." : folder, error), end; !error && at != end;
         at.increment(error))
        entries.push_back(at->path());
    if (error)
        return Failure{"Cannot look into the folder " + quotedPath(folder) + ": " +
                       std::system_category().message(error.value()) + "."};
    return entries;
}

#ifdef _WIN32

HANDLE handleOf(NativeFile file) { return reinterpret_cast<HANDLE>(file); }

OVERLAPPED lockedByte() {
    OVERLAPPED at{};
    at.OffsetHigh = 0x7FFFFFFFu;
    return at;
}

Failure lastError() { return Failure{std::system_category().message(int(GetLastError()))}; }

class WindowsFileSystem final : public FileSystem {
public:
    Outcome<FileFacts> facts(const std::filesystem::path& path) override {
        WIN32_FILE_ATTRIBUTE_DATA data{};
        if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)) {
            const DWORD code = GetLastError();
            if (code == ERROR_FILE_NOT_FOUND || code == ERROR_PATH_NOT_FOUND || code == ERROR_INVALID_NAME ||
                code == ERROR_BAD_NETPATH)
                return FileFacts{};
            return failure("Cannot look at", path, int(code));
        }
        FileFacts facts;
        facts.kind = data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY ? FileKind::Folder
                     : data.dwFileAttributes & FILE_ATTRIBUTE_DEVICE  ? FileKind::Other
                                                                      : FileKind::Plain;
        facts.size = (std::uint64_t(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
        facts.hidden = data.dwFileAttributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
        // Asking for no access at all opens even a file another program holds.
        const HANDLE file = CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                        OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
        if (file != INVALID_HANDLE_VALUE) {
            BY_HANDLE_FILE_INFORMATION information{};
            if (facts.kind == FileKind::Plain && GetFileType(file) != FILE_TYPE_DISK) facts.kind = FileKind::Other;
            if (GetFileInformationByHandle(file, &information))
                facts.identity = {information.dwVolumeSerialNumber,
                                  (std::uint64_t(information.nFileIndexHigh) << 32) | information.nFileIndexLow};
            CloseHandle(file);
        }
        return facts;
    }

    Outcome<NativeFile> openExisting(const std::filesystem::path& path, bool forWriting) override {
        const DWORD access = GENERIC_READ | (forWriting ? GENERIC_WRITE : 0);
        const HANDLE file = CreateFileW(path.c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                        OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE)
            return failure(forWriting ? "Cannot open for writing" : "Cannot open", path, int(GetLastError()));
        if (GetFileType(file) != FILE_TYPE_DISK) {
            CloseHandle(file);
            return notPlain(path);
        }
        return reinterpret_cast<NativeFile>(file);
    }

    Outcome<NativeFile> createNew(const std::filesystem::path& path, bool* taken) override {
        const HANDLE file = CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                        FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE) {
            const DWORD code = GetLastError();
            if (taken) *taken = code == ERROR_FILE_EXISTS || code == ERROR_ALREADY_EXISTS;
            return failure("Cannot create", path, int(code));
        }
        return reinterpret_cast<NativeFile>(file);
    }

    Status writeAt(NativeFile file, std::uint64_t position, std::string_view bytes) override {
        while (!bytes.empty()) {
            OVERLAPPED at{};
            at.Offset = DWORD(position & 0xFFFFFFFFu);
            at.OffsetHigh = DWORD(position >> 32);
            DWORD written = 0;
            if (!WriteFile(handleOf(file), bytes.data(), DWORD(bytes.size()), &written, &at) || written == 0)
                return lastError();
            bytes.remove_prefix(written);
            position += written;
        }
        return success();
    }

    Outcome<std::size_t> readInto(NativeFile file, std::uint64_t position, char* bytes, std::size_t length) override {
        std::size_t done = 0;
        while (done < length) {
            OVERLAPPED at{};
            at.Offset = DWORD((position + done) & 0xFFFFFFFFu);
            at.OffsetHigh = DWORD((position + done) >> 32);
            DWORD read = 0;
            const DWORD asked = DWORD(std::min<std::size_t>(length - done, 1u << 30));
            if (!ReadFile(handleOf(file), bytes + done, asked, &read, &at)) {
                if (GetLastError() == ERROR_HANDLE_EOF) break;
                return lastError();
            }
            if (read == 0) break;
            done += read;
        }
        return done;
    }

    Status sync(NativeFile file) override {
        if (!FlushFileBuffers(handleOf(file))) return lastError();
        return success();
    }

    Status close(NativeFile file) override {
        if (!CloseHandle(handleOf(file))) return lastError();
        return success();
    }

    Status createFolder(const std::filesystem::path& path) override {
        if (!CreateDirectoryW(path.c_str(), nullptr)) return failure("Cannot make the folder", path, int(GetLastError()));
        return success();
    }

    // Windows keeps access in the folder's inherited lists, not in bits.
    Status giveAccess(NativeFile, const std::filesystem::path*) override { return success(); }

    // Windows locks are mandatory, so the lock covers one byte far past the
    // end of any archive, where no read or write of the game's ever goes.
    Outcome<bool> tryLock(NativeFile file) override {
        OVERLAPPED at = lockedByte();
        if (LockFileEx(handleOf(file), LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &at))
            return true;
        if (GetLastError() == ERROR_LOCK_VIOLATION || GetLastError() == ERROR_IO_PENDING) return false;
        return lastError();
    }

    Status unlock(NativeFile file) override {
        OVERLAPPED at = lockedByte();
        if (!UnlockFileEx(handleOf(file), 0, 1, 0, &at)) return lastError();
        return success();
    }

    // A rename made with MOVEFILE_WRITE_THROUGH is on the disk when it returns.
    Status syncFolder(const std::filesystem::path&) override { return success(); }

    Status replace(const std::filesystem::path& from, const std::filesystem::path& to) override {
        if (!MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
            return failure("Cannot replace", to, int(GetLastError()));
        return success();
    }

    Status remove(const std::filesystem::path& path) override {
        if (!DeleteFileW(path.c_str())) return failure("Cannot remove", path, int(GetLastError()));
        return success();
    }

    Outcome<std::vector<std::filesystem::path>> listFolder(const std::filesystem::path& folder) override {
        return listEntries(folder);
    }

    Outcome<std::optional<std::filesystem::path>> linkTarget(const std::filesystem::path& path) override {
        return readLink(path);
    }

    std::filesystem::path fullPath(const std::filesystem::path& path) override { return resolvedPath(path); }
};

#else

int descriptorOf(NativeFile file) { return static_cast<int>(file); }

Failure lastError() { return Failure{std::strerror(errno)}; }

class PosixFileSystem final : public FileSystem {
public:
    Outcome<FileFacts> facts(const std::filesystem::path& path) override {
        struct stat status {};
        if (::stat(path.c_str(), &status) != 0) {
            if (errno == ENOENT || errno == ENOTDIR || errno == ELOOP) return FileFacts{};
            return failure("Cannot look at", path, errno);
        }
        FileFacts facts;
        facts.kind = S_ISREG(status.st_mode) ? FileKind::Plain : S_ISDIR(status.st_mode) ? FileKind::Folder : FileKind::Other;
        facts.size = std::uint64_t(status.st_size);
        facts.identity = {std::uint64_t(status.st_dev), std::uint64_t(status.st_ino)};
        return facts;
    }

    Outcome<std::vector<std::filesystem::path>> listFolder(const std::filesystem::path& folder) override {
        return listEntries(folder);
    }

    Outcome<std::optional<std::filesystem::path>> linkTarget(const std::filesystem::path& path) override {
        return readLink(path);
    }

    std::filesystem::path fullPath(const std::filesystem::path& path) override { return resolvedPath(path); }

    // Opened without waiting, so a FIFO with no writer cannot hold us, and
    // refused unless it is a plain file.
    Outcome<NativeFile> openExisting(const std::filesystem::path& path, bool forWriting) override {
        const int file = ::open(path.c_str(), (forWriting ? O_RDWR : O_RDONLY) | O_CLOEXEC | O_NONBLOCK);
        if (file < 0) return failure(forWriting ? "Cannot open for writing" : "Cannot open", path, errno);
        struct stat status {};
        if (::fstat(file, &status) != 0 || !S_ISREG(status.st_mode)) {
            ::close(file);
            return notPlain(path);
        }
        ::fcntl(file, F_SETFL, ::fcntl(file, F_GETFL) & ~O_NONBLOCK);
        return NativeFile{file};
    }

    Outcome<NativeFile> createNew(const std::filesystem::path& path, bool* taken) override {
        const int file = ::open(path.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (file < 0) {
            if (taken) *taken = errno == EEXIST;
            return failure("Cannot create", path, errno);
        }
        return NativeFile{file};
    }

    Status writeAt(NativeFile file, std::uint64_t position, std::string_view bytes) override {
        while (!bytes.empty()) {
            const ssize_t written = ::pwrite(descriptorOf(file), bytes.data(), bytes.size(), off_t(position));
            if (written < 0 && errno == EINTR) continue;
            if (written <= 0) {
                if (written == 0) errno = ENOSPC;
                return lastError();
            }
            bytes.remove_prefix(std::size_t(written));
            position += std::uint64_t(written);
        }
        return success();
    }

    Outcome<std::size_t> readInto(NativeFile file, std::uint64_t position, char* bytes, std::size_t length) override {
        std::size_t done = 0;
        while (done < length) {
            const ssize_t read = ::pread(descriptorOf(file), bytes + done, length - done, off_t(position + done));
            if (read < 0 && errno == EINTR) continue;
            if (read < 0) return lastError();
            if (read == 0) break;
            done += std::size_t(read);
        }
        return done;
    }

    Status sync(NativeFile file) override {
        if (::fsync(descriptorOf(file)) != 0) return lastError();
        return success();
    }

    Status close(NativeFile file) override {
        if (::close(descriptorOf(file)) != 0) return lastError();
        return success();
    }

    Status createFolder(const std::filesystem::path& path) override {
        if (::mkdir(path.c_str(), 0777) != 0) return failure("Cannot make the folder", path, errno);
        return success();
    }

    // The owner can be given only by root; where it cannot, the file stays
    // the player's own, which is what a file they replace would be anyway.
    Status giveAccess(NativeFile file, const std::filesystem::path* model) override {
        if (!model) {
            // The mask can only be read by setting it; the editor makes files on one thread.
            const mode_t mask = ::umask(077);
            ::umask(mask);
            if (::fchmod(descriptorOf(file), 0666 & ~mask) != 0) return lastError();
            return success();
        }
        struct stat status {};
        if (::stat(model->c_str(), &status) != 0) return failure("Cannot read the permissions of", *model, errno);
        if (::fchown(descriptorOf(file), status.st_uid, status.st_gid) != 0 && errno != EPERM)
            return failure("Cannot give the owner of", *model, errno);
        if (::fchmod(descriptorOf(file), status.st_mode & 07777) != 0)
            return failure("Cannot give the permissions of", *model, errno);
        return success();
    }

    // flock, not fcntl: its lock belongs to the open file, so a second lock
    // from the same process waits too, and closing another descriptor of the
    // archive does not drop it.
    Outcome<bool> tryLock(NativeFile file) override {
        while (::flock(descriptorOf(file), LOCK_EX | LOCK_NB) != 0) {
            if (errno == EWOULDBLOCK) return false;
            if (errno != EINTR) return lastError();
        }
        return true;
    }

    Status unlock(NativeFile file) override {
        if (::flock(descriptorOf(file), LOCK_UN) != 0) return lastError();
        return success();
    }

    Status syncFolder(const std::filesystem::path& folder) override {
        const int file = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (file < 0) return failure("Cannot open the folder", folder, errno);
        const bool synced = ::fsync(file) == 0;
        const int error = errno;
        ::close(file);
        if (!synced) return failure("Cannot bring onto the disk the folder", folder, error);
        return success();
    }

    Status replace(const std::filesystem::path& from, const std::filesystem::path& to) override {
        if (::rename(from.c_str(), to.c_str()) != 0) return failure("Cannot replace", to, errno);
        return success();
    }

    Status remove(const std::filesystem::path& path) override {
        if (::unlink(path.c_str()) != 0) return failure("Cannot remove", path, errno);
        return success();
    }
};

#endif

}  // namespace

FileSystem& systemFileSystem() {
#ifdef _WIN32
    static WindowsFileSystem system;
#else
    static PosixFileSystem system;
#endif
    return system;
}

}  // namespace fielddata

namespace fielddata {

Status OpenFile::writeAt(std::uint64_t position, std::string_view bytes) {
    auto written = fs_->writeAt(file_, position, bytes);
    if (!written) return Failure{"Cannot write " + quotedPath(path_) + ": " + written.reason() + "."};
    return written;
}

Outcome<std::size_t> OpenFile::readInto(std::uint64_t position, char* bytes, std::size_t length) {
    auto read = fs_->readInto(file_, position, bytes, length);
    if (!read) return Failure{"Cannot read " + quotedPath(path_) + ": " + read.reason() + "."};
    return read;
}

Outcome<std::string> OpenFile::readAt(std::uint64_t position, std::size_t length) {
    std::string bytes(length, '\0');
    const auto read = readInto(position, bytes.data(), length);
    if (!read) return Failure{read.reason()};
    bytes.resize(read.value());
    return bytes;
}

Status OpenFile::sync() {
    auto synced = fs_->sync(file_);
    if (!synced) return Failure{"Cannot bring " + quotedPath(path_) + " onto the disk: " + synced.reason() + "."};
    return synced;
}

Status OpenFile::giveAccess(const std::filesystem::path* model) { return fs_->giveAccess(file_, model); }

Status OpenFile::close() {
    open_ = false;
    auto closed = fs_->close(file_);
    if (!closed) return Failure{"Cannot finish writing " + quotedPath(path_) + ": " + closed.reason() + "."};
    return closed;
}

bool nameTaken(FileSystem& fs, const std::filesystem::path& path) {
    const auto facts = fs.facts(path);
    return !facts || facts.value().kind != FileKind::Missing;
}

Outcome<std::string> readFileStart(FileSystem& fs, const std::filesystem::path& path, std::size_t limit) {
    auto opened = fs.openExisting(path, false);
    if (!opened) return Failure{opened.reason()};
    OpenFile file(fs, opened.value(), path);
    // A buffer as long as the file and one byte more, not as the limit: a
    // catalogue of a few lines is never read into 64 MiB of zeros.
    std::size_t length = limit;
    if (const auto facts = fs.facts(path); facts && facts.value().kind == FileKind::Plain)
        length = std::size_t(std::min<std::uint64_t>(limit, facts.value().size + 1));
    auto bytes = file.readAt(0, length);
    if (!bytes) return bytes;
    if (auto closed = file.close(); !closed) return Failure{closed.reason()};
    return bytes;
}

Status createDurably(FileSystem& fs, const std::filesystem::path& path, std::string_view bytes,
                     const std::filesystem::path* accessModel, bool* taken) {
    auto created = fs.createNew(path, taken);
    if (!created) return Failure{created.reason()};
    Status written = success();
    {
        OpenFile file(fs, created.value(), path);
        written = file.writeAt(0, bytes);
        if (written) written = file.giveAccess(accessModel);
        if (written) written = file.sync();
        if (written) written = file.close();
    }
    if (written) written = fs.syncFolder(path.parent_path());
    if (!written) (void)fs.remove(path);
    return written;
}

}  // namespace fielddata

namespace fielddata {
namespace {

constexpr std::string_view kTemporaryEnd = ".ringwright-tmp";
// A file name holds at most 255 bytes; the temporary one adds ".<8 hex digits>.ringwright-tmp".
constexpr std::size_t kLongestStem = 255 - 1 - 8 - kTemporaryEnd.size() - 9;

// The target's name, cut with a mark of the whole where the temporary
// file's name would not fit, so a long name can still be written.
std::filesystem::path temporaryStem(const std::filesystem::path& target) {
    return pathFromUtf8(shortenedName(displayPath(target.filename()), kLongestStem));
}

std::string randomTag() {
    constexpr char kHex[] = "0123456789abcdef";
    std::random_device random;
    std::string tag;
    for (unsigned bits = random(), k = 0; k < 8; ++k, bits >>= 4) tag += kHex[bits & 0xF];
    return tag;
}

// "<target name>.<8 hex digits>.ringwright-tmp": only our own temporary files.
// Compared in the system's own characters, which any name can be spelt in.
bool isLeftoverOf(const std::filesystem::path& candidate, const std::filesystem::path& target) {
    using Text = std::filesystem::path::string_type;
    const Text name = candidate.filename().native();
    const Text prefix = temporaryStem(target).native() + std::filesystem::path(".").native();
    const Text end = std::filesystem::path(kTemporaryEnd).native();
    if (name.size() != prefix.size() + 8 + end.size() || !name.starts_with(prefix) || !name.ends_with(end))
        return false;
    for (std::size_t k = prefix.size(); k < prefix.size() + 8; ++k)
        if (!(name[k] >= '0' && name[k] <= '9') && !(name[k] >= 'a' && name[k] <= 'f')) return false;
    return true;
}

void removeLeftovers(FileSystem& fs, const std::filesystem::path& target) {
    const auto entries = fs.listFolder(target.parent_path());
    if (!entries) return;
    for (const auto& entry : entries.value())
        if (isLeftoverOf(entry, target)) (void)fs.remove(entry);
}

}  // namespace

Status replaceDurably(FileSystem& fs, const std::filesystem::path& target, std::string_view bytes,
                      const std::filesystem::path* accessModel) {
    removeLeftovers(fs, target);
    for (int attempt = 0; attempt < 100; ++attempt) {
        // Built piece by piece: GCC 12 at -O3 mistakes "." + tag for an overlap.
        std::string suffix = ".";
        suffix += randomTag();
        suffix += kTemporaryEnd;
        auto temporary = target.parent_path() / temporaryStem(target);
        temporary += suffix;
        bool taken = false;
        const auto written = createDurably(fs, temporary, bytes, accessModel, &taken);
        if (taken) continue;
        if (!written) return written;
        if (auto replaced = fs.replace(temporary, target); !replaced) {
            (void)fs.remove(temporary);
            return replaced;
        }
        return fs.syncFolder(target.parent_path());
    }
    return Failure{"Cannot find a free name for a new file beside " + quotedPath(target) + "."};
}

Status makeFoldersDurably(FileSystem& fs, const std::filesystem::path& folder) {
    std::vector<std::filesystem::path> missing;
    for (auto at = folder; !at.empty(); at = at.parent_path()) {
        const auto facts = fs.facts(at);
        if (!facts) return Failure{facts.reason()};
        if (facts.value().kind != FileKind::Missing) break;
        missing.push_back(at);
        if (at == at.parent_path()) break;
    }
    for (auto at = missing.rbegin(); at != missing.rend(); ++at) {
        auto made = fs.createFolder(*at);
        const auto facts = made ? Outcome<FileFacts>(FileFacts{}) : fs.facts(*at);
        if (!made && !(facts && facts.value().kind == FileKind::Folder)) return made;
        // Until its parent is on the disk, a power cut can take the folder
        // away with everything later put inside it.
        if (auto synced = fs.syncFolder(at->parent_path()); !synced) return synced;
    }
    return success();
}

}  // namespace fielddata
