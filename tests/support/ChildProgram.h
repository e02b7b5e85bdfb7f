#pragma once
// A program a test starts, with its standard output in a pipe: the test reads
// what it prints, may signal it and waits for its end. A program the test has
// not waited for is asked to end (SIGTERM, so that it can clean up) when the
// test is over, and killed if it does not within five seconds.

#include <csignal>
#include <gtest/gtest.h>
#include <poll.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace tavlira::test_support {

class ChildProgram {
  public:
    explicit ChildProgram(std::vector<std::string> args) {
        int ends[2];
        EXPECT_EQ(pipe(ends), 0);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, ends[1], STDOUT_FILENO);
        posix_spawn_file_actions_addclose(&actions, ends[0]);
        std::vector<char*> argv;
        for (std::string& arg : args)
            argv.push_back(arg.data());
        argv.push_back(nullptr);
        EXPECT_EQ(posix_spawn(&pid_, argv[0], &actions, nullptr, argv.data(), environ), 0)
            << args[0];
        posix_spawn_file_actions_destroy(&actions);
        close(ends[1]);
        out_ = ends[0];
    }
    ~ChildProgram() {
        if (pid_ > 0) {
            kill(pid_, SIGTERM);
            int waited = 0;
            while (waitpid(pid_, nullptr, WNOHANG) == 0) {
                if (++waited == 500) {
                    kill(pid_, SIGKILL);
                    waitpid(pid_, nullptr, 0);
                    break;
                }
                usleep(10'000);
            }
        }
        close(out_);
    }
    ChildProgram(const ChildProgram&) = delete;
    ChildProgram& operator=(const ChildProgram&) = delete;

    // All the output so far, read until it holds `key`, the output ends or
    // `seconds` pass without output.
    const std::string& ReadUntil(const std::string& key, int seconds = 60) {
        char buffer[512];
        pollfd entry{out_, POLLIN, 0};
        while (output_.find(key) == std::string::npos && poll(&entry, 1, seconds * 1000) == 1) {
            const ssize_t got = read(out_, buffer, sizeof buffer);
            if (got <= 0)
                break;
            output_.append(buffer, static_cast<std::size_t>(got));
        }
        return output_;
    }

    // Reads the output to its end, waits for the program and gives its exit
    // status (-1 when a signal ended it).
    int Finish() {
        ReadUntil("\x01");
        int status = 0;
        waitpid(pid_, &status, 0);
        pid_ = -1;
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    const std::string& Output() const { return output_; }
    void Signal(int signal) const { kill(pid_, signal); }

  private:
    pid_t pid_ = -1;
    int out_ = -1;
    std::string output_;
};

} // namespace tavlira::test_support
