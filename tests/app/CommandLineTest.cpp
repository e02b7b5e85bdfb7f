// The game's command line: what it does not know is refused before any window
// shows, instead of being ignored while the game starts.

#include <array>
#include <cstdio>
#include <gtest/gtest.h>
#include <string>
#include <sys/wait.h>

namespace {

struct GameRun {
    int status = -1;
    std::string output; // standard output and error together
};

GameRun RunGame(const std::string& arguments) {
    const std::string command =
        "QT_QPA_PLATFORM=offscreen timeout 20 '" TAVLIRA_GAME "' " + arguments + " 2>&1";
    GameRun run;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (pipe == nullptr)
        return run;
    std::array<char, 512> buffer{};
    while (std::fgets(buffer.data(), buffer.size(), pipe) != nullptr)
        run.output += buffer.data();
    const int status = ::pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

TEST(GameCommandLine, UnknownOptionsAndArgumentsAreRefused) {
    const struct {
        const char* arguments;
        int status;
        const char* says;
    } cases[] = {
        {"--bogus", 1, "bogus"},
        {"stray-word", 2, "unexpected argument 'stray-word'"},
    };
    for (const auto& c : cases) {
        const GameRun run = RunGame(c.arguments);
        EXPECT_EQ(run.status, c.status) << c.arguments << ": " << run.output;
        EXPECT_NE(run.output.find(c.says), std::string::npos) << run.output;
    }
}

TEST(GameCommandLine, HelpAndVersionAnswerAndEnd) {
    const GameRun help = RunGame("--help");
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.output.find("--version"), std::string::npos) << help.output;
    const GameRun version = RunGame("--version");
    EXPECT_EQ(version.status, 0);
    EXPECT_NE(version.output.find("Tavlira-Duo 5.7"), std::string::npos) << version.output;
}

} // namespace
