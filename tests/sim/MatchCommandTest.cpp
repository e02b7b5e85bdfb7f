#include "sim/MatchCommand.h"

#include "records/RecordsTestSupport.h"

#include <csignal>
#include <filesystem>
#include <gtest/gtest.h>
#include <sstream>
#include <stdexcept>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace tavlira::sim {
namespace {

namespace fs = std::filesystem;

TEST(SimMatch, AFailedStoreIsAnError) {
    for (const auto step :
         {testing::FaultyFileSystem::Step::Write, testing::FaultyFileSystem::Step::Rename}) {
        testing::FaultyFileSystem fullDisk(step);
        std::ostringstream out;
        EXPECT_THROW(MatchCommandOnFiles({"--games", "2", "--seed", "1"}, out, fullDisk),
                     std::runtime_error);
    }
}

// Runs the engine tool in a private temporary folder and stops it by a
// signal while it plays: it must remove its scratch folder and exit with
// 128 + the signal.
class SimSignalTest : public testing::TempFolderTest {
  protected:
    int RunAndStop(int signal) {
        const pid_t child = fork();
        if (child == 0) {
            setenv("TMPDIR", Folder().c_str(), 1);
            execl(TAVLIRA_SIM_PATH, "tavlira-sim", "match", "--games", "1000000", "--seed", "1",
                  static_cast<char*>(nullptr));
            _exit(127);
        }
        // The scratch folder appears once the record files are in place.
        for (int i = 0; i < 500 && fs::is_empty(Folder()); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        EXPECT_FALSE(fs::is_empty(Folder())) << "the scratch folder never appeared";
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        kill(child, signal);
        int status = 0;
        for (int i = 0; i < 1000; ++i) {
            if (waitpid(child, &status, WNOHANG) == child)
                return WIFEXITED(status) ? WEXITSTATUS(status) : -WTERMSIG(status);
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        kill(child, SIGKILL);
        waitpid(child, &status, 0);
        ADD_FAILURE() << "the engine tool did not stop within 10 s";
        return -1;
    }
};

TEST_F(SimSignalTest, TermAndInterruptRemoveTheScratchFolder) {
    for (const auto& [signal, status] : {std::pair{SIGTERM, 143}, std::pair{SIGINT, 130}}) {
        EXPECT_EQ(RunAndStop(signal), status) << signal;
        EXPECT_TRUE(fs::is_empty(Folder())) << signal;
    }
}

} // namespace
} // namespace tavlira::sim
