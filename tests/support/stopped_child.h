#pragma once
// A real process of ours stopped in the middle of a write, as a kill or a
// power cut would catch it: it holds what it held (its files, the archive's
// lock) until it is killed.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>

#include "tests/support/faulty_file_system.h"

namespace testing_support {

class StoppedChild {
public:
    // Runs `work` in a child that stops itself once `bytes` bytes of its
    // first write to a path ending in `pathPart` are written.
    StoppedChild(const std::string& pathPart, std::size_t bytes, const std::function<void(FaultyFileSystem&)>& work) {
        pid_ = fork();
        if (pid_ == 0) {
            FaultyFileSystem stopping;
            stopping.faults = {{Op::Write, pathPart, 1, bytes}};
            stopping.onWriteFault = [] { raise(SIGSTOP); };
            work(stopping);
            _exit(0);
        }
        int status = 0;
        stopped_ = pid_ > 0 && waitpid(pid_, &status, WUNTRACED) == pid_ && WIFSTOPPED(status);
    }
    ~StoppedChild() { kill(); }
    StoppedChild(const StoppedChild&) = delete;
    StoppedChild& operator=(const StoppedChild&) = delete;

    bool stopped() const { return stopped_; }
    void kill() {
        if (pid_ <= 0) return;
        ::kill(pid_, SIGKILL);
        waitpid(pid_, nullptr, 0);
        pid_ = -1;
    }

private:
    pid_t pid_ = -1;
    bool stopped_ = false;
};

}  // namespace testing_support
