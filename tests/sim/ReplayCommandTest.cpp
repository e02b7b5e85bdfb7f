// `--log DIR` of the engine tool's players and `tavlira-sim replay`: the logs
// of the engine playing itself and of a member's games against the computer
// come to the totals the games printed, and a bad log is refused by name.

#include "sim/ReplayCommand.h"

#include "records/AtomicFile.h"
#include "sim/Commands.h"
#include "sim/SimProcess.h"

#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>
#include <sstream>
#include <unistd.h>

namespace tavlira::sim {
namespace {

namespace fs = std::filesystem;

class SimReplayTest : public ::testing::Test {
  protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        folder_ = fs::temp_directory_path() /
                  ("tavlira-sim-replay-" + std::to_string(getpid()) + "-" + info->name());
        fs::remove_all(folder_);
        fs::create_directories(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }

    // Runs the tool's command line in this process: status, output, errors.
    static std::tuple<int, std::string, std::string> Run(const std::vector<std::string>& args) {
        std::ostringstream out;
        std::ostringstream err;
        const int status = sim::Run(args, out, err);
        return {status, out.str(), err.str()};
    }

    std::vector<std::string> Logs(const fs::path& folder) const {
        std::vector<std::string> files;
        for (const auto& entry : fs::directory_iterator(folder))
            files.push_back(entry.path().string());
        std::sort(files.begin(), files.end());
        return files;
    }

    fs::path folder_;
};

std::string Value(const std::string& out, const std::string& key) {
    const std::size_t at = out.find("\n" + key + "=") + 1;
    if (at == 0 && out.rfind(key + "=", 0) != 0)
        return "missing";
    const std::size_t from = out.rfind(key + "=", 0) == 0 ? 0 : at;
    return out.substr(from + key.size() + 1, out.find('\n', from) - from - key.size() - 1);
}

TEST_F(SimReplayTest, LoggedGamesReplayToThePointsTheyScored) {
    for (const std::string figures : {"", "--figures"}) {
        SCOPED_TRACE(figures);
        const fs::path logs = folder_ / ("play" + figures);
        std::vector<std::string> args = {"play", "--games", "60", "--seed", "1"};
        if (!figures.empty())
            args.push_back(figures);
        const auto [plainStatus, plain, plainErr] = Run(args);
        args.insert(args.end(), {"--log", logs.string()});
        const auto [status, logged, err] = Run(args);
        ASSERT_EQ(status, 0) << err;
        // Logging changes no game.
        EXPECT_EQ(logged, plain);

        std::vector<std::string> replay = Logs(logs);
        ASSERT_EQ(replay.size(), 60u);
        replay.insert(replay.begin(), "replay");
        const auto [replayStatus, replayed, replayErr] = Run(replay);
        ASSERT_EQ(replayStatus, 0) << replayErr;
        EXPECT_EQ(Value(replayed, "games"), "60");
        EXPECT_EQ(Value(replayed, "seat1.points"), Value(plain, "seat1.points")) << replayed;
        EXPECT_EQ(Value(replayed, "seat2.points"), Value(plain, "seat2.points"));
        EXPECT_NE(replayed.find(" end=nomove-"), std::string::npos);
        EXPECT_NE(replayed.find(" end=sweep"), std::string::npos);
    }

    // A member against the computer through the match driver: the person's
    // clicks and the computer's moves both reach the log.
    const fs::path matchLogs = folder_ / "match";
    const auto [status, out, err] =
        Run({"match", "--games", "4", "--seed", "6", "--log", matchLogs.string()});
    ASSERT_EQ(status, 0) << err;
    std::vector<std::string> replay = Logs(matchLogs);
    ASSERT_EQ(replay.size(), 4u);
    EXPECT_NE(ReadWholeFile(replay[0])->find("\nmove 2 begin\n"), std::string::npos);
    replay.insert(replay.begin(), "replay");
    const auto [replayStatus, replayed, replayErr] = Run(replay);
    EXPECT_EQ(replayStatus, 0) << replayErr;
}

TEST_F(SimReplayTest, ABadLogEndsTheReplayWithItsNameAndLine) {
    const fs::path logs = folder_ / "logs";
    ASSERT_EQ(std::get<0>(Run({"play", "--games", "2", "--seed", "3", "--log", logs.string()})), 0);
    const std::vector<std::string> files = Logs(logs);
    std::string text = *ReadWholeFile(files[1]);
    // The result of the other seat: the moves come to another one.
    const std::size_t result = text.find("result ");
    std::swap(text[result + 7], text[result + 9]);
    if (text[result + 7] == text[result + 9])
        text.replace(result + 7, 1, text[result + 7] == '5' ? "4" : "5");
    ASSERT_TRUE(ReplaceFile(files[1], text));

    const auto [status, out, err] = Run({"replay", files[0], files[1]});
    EXPECT_EQ(status, 1);
    EXPECT_EQ(err, "tavlira-sim: " + files[1] +
                       ": the moves come to another result than the "
                       "logged one\n");
    const auto [missingStatus, missingOut, missingErr] = Run({"replay", files[0] + "x"});
    EXPECT_EQ(missingStatus, 1);
    EXPECT_NE(missingErr.find(files[0] + "x: cannot be read"), std::string::npos);
    EXPECT_EQ(std::get<0>(Run({"replay"})), 2);
}

TEST_F(SimReplayTest, AnUnwritableLogFolderNeverStopsTheGames) {
    // A file where the folder should be: every log fails, the games go on.
    const fs::path blocked = folder_ / "blocked";
    ASSERT_TRUE(ReplaceFile(blocked, "not a folder"));
    testing::SimProcess sim(TAVLIRA_SIM_PATH,
                            {"play", "--games", "20", "--seed", "1", "--log", blocked.string()},
                            folder_, "play");
    const testing::SimProcess::Ended ended = sim.Wait();
    EXPECT_EQ(ended.status, 0);
    EXPECT_EQ(ended.out, std::get<1>(Run({"play", "--games", "20", "--seed", "1"})));
    // Said once, not once a game.
    EXPECT_EQ(std::count(ended.err.begin(), ended.err.end(), '\n'), 1) << ended.err;
    EXPECT_NE(ended.err.find("move logs are not written"), std::string::npos);
}

} // namespace
} // namespace tavlira::sim
