#pragma once
// The system's files with faults on call: a write that stops after some
// bytes as on a full disk, a sync, removal or rename that is refused, a read,
// a look into a folder that fails. A fault strikes the n-th
// matching call on a path that ends in `pathPart`. Every call that changes
// the disk is traced, as "<op> <path>", in order.
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "fielddata/file_system.h"

namespace testing_support {

using fielddata::Failure;
using fielddata::NativeFile;
using fielddata::Outcome;
using fielddata::Status;
namespace fs = std::filesystem;

enum class Op { Create, Write, Sync, Remove, Replace, CreateFolder, Read, List };

struct Fault {
    Op op;
    std::string pathPart;
    int occurrence = 1;  // 0: every matching call
    std::size_t bytesBeforeFailing = 0;  // of a write
    int seen = 0;
};

class FaultyFileSystem : public fielddata::FileSystem {
public:
    std::vector<Fault> faults;
    std::function<void()> onWriteFault;  // runs as a write fault strikes, once its bytes are written
    std::vector<std::string> trace;

    fs::path fullPath(const fs::path& path) override { return real().fullPath(path); }
    Outcome<fielddata::FileFacts> facts(const fs::path& path) override { return real().facts(path); }
    Outcome<std::vector<fs::path>> listFolder(const fs::path& folder) override {
        if (strikes(Op::List, folder)) return Failure{"Cannot look into the folder " + folder.string() + ": Permission denied."};
        return real().listFolder(folder);
    }
    Outcome<std::optional<fs::path>> linkTarget(const fs::path& path) override { return real().linkTarget(path); }
    Outcome<NativeFile> openExisting(const fs::path& path, bool forWriting) override {
        return remember(path, real().openExisting(path, forWriting));
    }
    Outcome<NativeFile> createNew(const fs::path& path, bool* taken) override {
        if (traceAndStrike(Op::Create, "create", path)) return Failure{"Cannot create " + path.string() + ": Permission denied."};
        return remember(path, real().createNew(path, taken));
    }
    Status createFolder(const fs::path& path) override {
        if (traceAndStrike(Op::CreateFolder, "folder", path)) return Failure{"Cannot make the folder " + path.string() + ": Permission denied."};
        return real().createFolder(path);
    }
    Status writeAt(NativeFile file, std::uint64_t position, std::string_view bytes) override {
        const Fault* fault = traceAndStrike(Op::Write, "write", names_[file]);
        if (!fault) return real().writeAt(file, position, bytes);
        (void)real().writeAt(file, position, bytes.substr(0, fault->bytesBeforeFailing));
        if (onWriteFault) onWriteFault();
        return Failure{"No space left on device"};
    }
    Outcome<std::size_t> readInto(NativeFile file, std::uint64_t position, char* bytes, std::size_t length) override {
        if (strikes(Op::Read, names_[file])) return Failure{"Input/output error"};
        return real().readInto(file, position, bytes, length);
    }
    Status sync(NativeFile file) override {
        if (traceAndStrike(Op::Sync, "sync", names_[file])) return Failure{"Input/output error"};
        return real().sync(file);
    }
    Status close(NativeFile file) override { return real().close(file); }
    Status giveAccess(NativeFile file, const fs::path* model) override { return real().giveAccess(file, model); }
    Outcome<bool> tryLock(NativeFile file) override { return real().tryLock(file); }
    Status unlock(NativeFile file) override { return real().unlock(file); }
    Status syncFolder(const fs::path& folder) override { return real().syncFolder(folder); }
    Status replace(const fs::path& from, const fs::path& to) override {
        if (traceAndStrike(Op::Replace, "replace", to)) return Failure{"Cannot replace " + to.string() + ": Permission denied."};
        return real().replace(from, to);
    }
    Status remove(const fs::path& path) override {
        if (traceAndStrike(Op::Remove, "remove", path)) return Failure{"Cannot remove " + path.string() + ": Permission denied."};
        return real().remove(path);
    }

private:
    static fielddata::FileSystem& real() { return fielddata::systemFileSystem(); }

    Outcome<NativeFile> remember(const fs::path& path, Outcome<NativeFile> opened) {
        if (opened) names_[opened.value()] = path;
        return opened;
    }

    // Traces the call as "<name> <path>"; every matching fault counts it,
    // and the first whose turn it is strikes.
    Fault* traceAndStrike(Op op, const char* name, const fs::path& path) {
        trace.push_back(std::string(name) + " " + path.string());
        return strikes(op, path);
    }
    // Queries strike too, untraced.
    Fault* strikes(Op op, const fs::path& path) {
        Fault* struck = nullptr;
        for (Fault& fault : faults) {
            if (fault.op != op || !path.string().ends_with(fault.pathPart)) continue;
            if ((++fault.seen == fault.occurrence || fault.occurrence == 0) && !struck) struck = &fault;
        }
        return struck;
    }

    std::map<NativeFile, fs::path> names_;
};

}  // namespace testing_support
