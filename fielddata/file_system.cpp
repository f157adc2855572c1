#include "fielddata/file_system.h"

#include <cerrno>
#include <cstring>
#include <system_error>

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#include "fielddata/archive_slot.h"

namespace fielddata {
namespace {

Failure failure(std::string_view what, const std::filesystem::path& path, int code) {
    return Failure{std::string(what) + " " + quotedPath(path) + ": " + std::system_category().message(code) + "."};
}

#ifdef _WIN32

HANDLE handleOf(NativeFile file) { return reinterpret_cast<HANDLE>(file); }

Failure lastError() { return Failure{std::system_category().message(int(GetLastError()))}; }

class WindowsFileSystem final : public FileSystem {
public:
    Outcome<NativeFile> openExisting(const std::filesystem::path& path, bool forWriting) override {
        const DWORD access = GENERIC_READ | (forWriting ? GENERIC_WRITE : 0);
        const HANDLE file = CreateFileW(path.c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                        OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE)
            return failure(forWriting ? "Cannot open for writing" : "Cannot open", path, int(GetLastError()));
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

    Outcome<std::string> readAt(NativeFile file, std::uint64_t position, std::size_t length) override {
        std::string bytes(length, '\0');
        std::size_t done = 0;
        while (done < length) {
            OVERLAPPED at{};
            at.Offset = DWORD((position + done) & 0xFFFFFFFFu);
            at.OffsetHigh = DWORD((position + done) >> 32);
            DWORD read = 0;
            if (!ReadFile(handleOf(file), bytes.data() + done, DWORD(length - done), &read, &at)) {
                if (GetLastError() == ERROR_HANDLE_EOF) break;
                return lastError();
            }
            if (read == 0) break;
            done += read;
        }
        bytes.resize(done);
        return bytes;
    }

    Status sync(NativeFile file) override {
        if (!FlushFileBuffers(handleOf(file))) return lastError();
        return success();
    }

    Status close(NativeFile file) override {
        if (!CloseHandle(handleOf(file))) return lastError();
        return success();
    }

    // Windows keeps access in the folder's inherited lists, not in bits.
    Status matchAccess(NativeFile, const std::filesystem::path&) override { return success(); }

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
};

#else

int descriptorOf(NativeFile file) { return static_cast<int>(file); }

Failure lastError() { return Failure{std::strerror(errno)}; }

class PosixFileSystem final : public FileSystem {
public:
    Outcome<NativeFile> openExisting(const std::filesystem::path& path, bool forWriting) override {
        const int file = ::open(path.c_str(), (forWriting ? O_RDWR : O_RDONLY) | O_CLOEXEC);
        if (file < 0) return failure(forWriting ? "Cannot open for writing" : "Cannot open", path, errno);
        return NativeFile{file};
    }

    Outcome<NativeFile> createNew(const std::filesystem::path& path, bool* taken) override {
        const int file = ::open(path.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
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

    Outcome<std::string> readAt(NativeFile file, std::uint64_t position, std::size_t length) override {
        std::string bytes(length, '\0');
        std::size_t done = 0;
        while (done < length) {
            const ssize_t read = ::pread(descriptorOf(file), bytes.data() + done, length - done, off_t(position + done));
            if (read < 0 && errno == EINTR) continue;
            if (read < 0) return lastError();
            if (read == 0) break;
            done += std::size_t(read);
        }
        bytes.resize(done);
        return bytes;
    }

    Status sync(NativeFile file) override {
        if (::fsync(descriptorOf(file)) != 0) return lastError();
        return success();
    }

    Status close(NativeFile file) override {
        if (::close(descriptorOf(file)) != 0) return lastError();
        return success();
    }

    // The owner can be given only by root; where it cannot, the file stays
    // the player's own, which is what a file they replace would be anyway.
    Status matchAccess(NativeFile file, const std::filesystem::path& model) override {
        struct stat status {};
        if (::stat(model.c_str(), &status) != 0) return failure("Cannot read the permissions of", model, errno);
        if (::fchown(descriptorOf(file), status.st_uid, status.st_gid) != 0 && errno != EPERM)
            return failure("Cannot give the owner of", model, errno);
        if (::fchmod(descriptorOf(file), status.st_mode & 07777) != 0)
            return failure("Cannot give the permissions of", model, errno);
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

Outcome<std::string> OpenFile::readAt(std::uint64_t position, std::size_t length) {
    auto read = fs_->readAt(file_, position, length);
    if (!read) return Failure{"Cannot read " + quotedPath(path_) + ": " + read.reason() + "."};
    return read;
}

Status OpenFile::sync() {
    auto synced = fs_->sync(file_);
    if (!synced) return Failure{"Cannot bring " + quotedPath(path_) + " onto the disk: " + synced.reason() + "."};
    return synced;
}

Status OpenFile::matchAccess(const std::filesystem::path& model) { return fs_->matchAccess(file_, model); }

Status OpenFile::close() {
    open_ = false;
    auto closed = fs_->close(file_);
    if (!closed) return Failure{"Cannot finish writing " + quotedPath(path_) + ": " + closed.reason() + "."};
    return closed;
}

Status createDurably(FileSystem& fs, const std::filesystem::path& path, std::string_view bytes,
                     const std::filesystem::path* accessModel, bool* taken) {
    auto created = fs.createNew(path, taken);
    if (!created) return Failure{created.reason()};
    Status written = success();
    {
        OpenFile file(fs, created.value(), path);
        written = file.writeAt(0, bytes);
        if (written && accessModel) written = file.matchAccess(*accessModel);
        if (written) written = file.sync();
        if (written) written = file.close();
    }
    if (written) written = fs.syncFolder(path.parent_path());
    if (!written) (void)fs.remove(path);
    return written;
}

}  // namespace fielddata
