#pragma once
// The engine tool run as a program of its own, as a player would run it:
// its output and errors go to files of its own in `folder`, which is also its
// temporary folder, so that its scratch folders can be looked for
// afterwards.

#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace tavlira::testing {

class SimProcess {
  public:
    struct Ended {
        int status = -1; // the exit status, or minus the signal that ended it
        std::string out;
        std::string err;
    };

    SimProcess(const std::string& program, std::vector<std::string> args,
               const std::filesystem::path& folder, const std::string& name)
        : outFile_(folder / (name + std::to_string(++runs_) + ".out")),
          errFile_(folder / (name + std::to_string(runs_) + ".err")) {
        args.insert(args.begin(), program);
        pid_ = fork();
        if (pid_ == 0) {
            setenv("TMPDIR", folder.c_str(), 1);
            const int out = open(outFile_.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
            const int err = open(errFile_.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
            dup2(out, 1);
            dup2(err, 2);
            std::vector<char*> argv;
            for (std::string& arg : args)
                argv.push_back(arg.data());
            argv.push_back(nullptr);
            execv(program.c_str(), argv.data());
            _exit(127);
        }
    }
    SimProcess(const SimProcess&) = delete;
    SimProcess& operator=(const SimProcess&) = delete;
    ~SimProcess() {
        if (pid_ > 0) {
            kill(pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
        }
    }

    // The value of the first output line `key=value`, waited for; empty
    // when none came within the time given.
    std::string FirstValue(const std::string& key,
                           std::chrono::seconds within = std::chrono::seconds(30)) const {
        const auto end = std::chrono::steady_clock::now() + within;
        while (std::chrono::steady_clock::now() < end) {
            const std::string out = Read(outFile_);
            if (out.find('\n') != std::string::npos && out.rfind(key + "=", 0) == 0)
                return out.substr(key.size() + 1, out.find('\n') - key.size() - 1);
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        return {};
    }

    void Signal(int signal) const { kill(pid_, signal); }

    // Waits for the end; a run that does not end within `within` is killed
    // and fails the test.
    Ended Wait(std::chrono::seconds within = std::chrono::seconds(60)) {
        Ended ended;
        const auto end = std::chrono::steady_clock::now() + within;
        int status = 0;
        while (waitpid(pid_, &status, WNOHANG) != pid_) {
            if (std::chrono::steady_clock::now() > end) {
                ADD_FAILURE() << "the engine tool did not end in time";
                kill(pid_, SIGKILL);
                waitpid(pid_, &status, 0);
                break;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        pid_ = -1;
        ended.status = WIFEXITED(status) ? WEXITSTATUS(status) : -WTERMSIG(status);
        ended.out = Read(outFile_);
        ended.err = Read(errFile_);
        return ended;
    }

    // Polled, so that a test's own event loop can run while the tool plays.
    bool Running() const {
        siginfo_t info{};
        return pid_ > 0 &&
               waitid(P_PID, static_cast<id_t>(pid_), &info, WEXITED | WNOHANG | WNOWAIT) == 0 &&
               info.si_pid == 0;
    }

  private:
    static std::string Read(const std::filesystem::path& file) {
        std::ifstream in(file);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }

    static inline int runs_ = 0; // each run writes files of its own

    std::filesystem::path outFile_;
    std::filesystem::path errFile_;
    pid_t pid_ = -1;
};

} // namespace tavlira::testing
