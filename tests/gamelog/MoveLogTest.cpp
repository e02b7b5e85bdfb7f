#include "gamelog/MoveLog.h"

#include "game/SelfPlay.h"
#include "gamelog/GameRecorder.h"
#include "gamelog/LogReplay.h"
#include "gamelog/MoveLogShelf.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <unistd.h>

namespace tavlira {
namespace {

// Seeded games of the engine against itself, each written down by the
// recorder as it is played.
// A second recorder sees only the moves, as a driver that settles the game
// within each move (a table seat) shows them: the last move comes with the
// state of the game over. Both recorders must write the same logs.
std::vector<MoveLog> RecordSelfPlay(int games, std::uint32_t seed, bool figures) {
    std::vector<MoveLog> logs;
    std::vector<MoveLog> fromMoves;
    GameRecorder recorder([&logs](const MoveLog& log) { logs.push_back(log); });
    GameRecorder moveRecorder([&fromMoves](const MoveLog& log) { fromMoves.push_back(log); });
    SeededRandom random(seed);
    GameState state;
    state.FiguresHavePoints = figures;
    for (int game = 0; game < games; ++game) {
        Outbox out;
        DealSelfPlayGame(state, random, out);
        const GameState dealt = state;
        recorder.GameDealt(state);
        moveRecorder.GameDealt(state);
        std::vector<event::MoveMade> moves;
        do {
            recorder.GameStepped(state, out);
            for (const Event& e : out)
                if (const auto* made = std::get_if<event::MoveMade>(&e))
                    moves.push_back(*made);
            out.clear();
        } while (SelfPlayTick(state, out));
        for (std::size_t i = 0; i < moves.size(); ++i)
            moveRecorder.MoveMade(i + 1 < moves.size() ? dealt : state, moves[i].seat,
                                  moves[i].move);
    }
    EXPECT_EQ(fromMoves, logs);
    return logs;
}

TEST(MoveLog, SeededGamesWriteReadAndReplayToTheirResult) {
    for (const bool figures : {false, true}) {
        const std::vector<MoveLog> logs = RecordSelfPlay(150, figures ? 11 : 5, figures);
        ASSERT_EQ(logs.size(), 150u);
        int noMoveEndings = 0;
        for (const MoveLog& log : logs) {
            const std::string text = WriteMoveLog(log);
            const auto read = ReadMoveLog(text);
            ASSERT_TRUE(std::holds_alternative<MoveLog>(read))
                << Describe(std::get<LogError>(read)) << "\n"
                << text;
            EXPECT_EQ(std::get<MoveLog>(read), log);
            const std::optional<LogError> error = VerifyMoveLog(std::get<MoveLog>(read));
            ASSERT_FALSE(error) << Describe(*error) << "\n" << text;
            noMoveEndings += log.noMove ? 1 : 0;
        }
        // Both ways a game ends are among them.
        EXPECT_GT(noMoveEndings, 0);
        EXPECT_LT(noMoveEndings, 150);
    }
}

// The line of `text` that starts with `prefix`, counted from 1.
int LineStarting(const std::string& text, const std::string& prefix, int skip = 0) {
    int line = 1;
    for (std::size_t at = 0; at < text.size(); at = text.find('\n', at) + 1, ++line)
        if (text.compare(at, prefix.size(), prefix) == 0 && skip-- == 0)
            return line;
    return 0;
}

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
    const std::size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    return at == std::string::npos ? text : text.replace(at, from.size(), to);
}

TEST(MoveLog, DamagedLogsAreRefusedNamingTheLine) {
    const std::vector<MoveLog> logs = RecordSelfPlay(3, 5, false);
    const MoveLog& log = logs[0];
    const std::string good = WriteMoveLog(log);
    const std::string deckCard = good.substr(good.find("deck ") + 5, 4); // "XY:v"
    const std::string firstMove = "move " + std::to_string(static_cast<int>(log.moves[0].seat));
    const int movesFrom = LineStarting(good, "move ");
    const int resultLine = LineStarting(good, "result ");
    const std::size_t resultAt = good.find("result ");
    const std::string resultPoints =
        good.substr(resultAt, good.find(' ', resultAt + 7) + 1 - resultAt);
    // The first move made by the other seat: out of turn.
    const std::string otherSeat = std::to_string(3 - static_cast<int>(log.moves[0].seat));

    struct Damage {
        const char* what;
        std::string text;
        int line; // 0: the file as a whole (found by the replay)
        bool readable;
    };
    const Damage damages[] = {
        {"empty", "", 1, false},
        {"cut in the middle", good.substr(0, good.size() / 2), 0, false},
        {"cut before end", good.substr(0, good.size() - 4), LineStarting(good, "end"), false},
        {"no final newline", good.substr(0, good.size() - 1), LineStarting(good, "end"), false},
        {"other header", Replaced(good, "LOG 1", "LOG 2"), 1, false},
        {"bad mode", Replaced(good, "mode computer", "mode chess"), 2, false},
        {"bad card", Replaced(good, deckCard, "XX" + deckCard.substr(2)), 4, false},
        {"wrong value", Replaced(good, deckCard, deckCard.substr(0, 3) + "77"), 4, false},
        {"card twice",
         Replaced(good, good.substr(good.find("deck ") + 10, 2), deckCard.substr(0, 2)), 4, false},
        {"bad place", Replaced(good, firstMove + " play ", firstMove + " play 5 "), movesFrom,
         false},
        {"leading zero", Replaced(good, "first ", "first 0"), 6, false},
        {"minus zero", Replaced(good, resultPoints, "result -0 "), resultLine, false},
        {"out of turn", Replaced(good, firstMove + " ", "move " + otherSeat + " "), movesFrom,
         true},
        {"wrong result", Replaced(good, "result ", "result 5 5 "), resultLine, false},
        {"after end", good + "move 1 take\n", resultLine + 2, false},
    };
    for (const Damage& d : damages) {
        const auto read = ReadMoveLog(d.text);
        if (!d.readable) {
            ASSERT_TRUE(std::holds_alternative<LogError>(read)) << d.what;
            if (d.line != 0) {
                EXPECT_EQ(std::get<LogError>(read).line, d.line) << d.what;
            }
            EXPECT_FALSE(std::get<LogError>(read).message.empty()) << d.what;
            continue;
        }
        ASSERT_TRUE(std::holds_alternative<MoveLog>(read)) << d.what;
        const std::optional<LogError> error = VerifyMoveLog(std::get<MoveLog>(read));
        ASSERT_TRUE(error) << d.what;
        EXPECT_EQ(error->line, d.line) << d.what << ": " << Describe(*error);
    }
}

// Damage that reads as a log and only the replay can find.
TEST(MoveLog, ReplayRefusesWhatTheRulesDoNotComeTo) {
    const MoveLog log = RecordSelfPlay(1, 9, false)[0];
    const auto refused = [](MoveLog changed) {
        const std::optional<LogError> error = VerifyMoveLog(changed);
        return error ? Describe(*error) : std::string("accepted");
    };
    MoveLog otherResult = log;
    std::swap(otherResult.result.points[1], otherResult.result.points[2]);
    if (otherResult.result.points[1] == otherResult.result.points[2])
        ++otherResult.result.taken[1];
    EXPECT_NE(refused(otherResult), "accepted");

    MoveLog otherEnd = log;
    otherEnd.noMove = otherEnd.noMove ? std::nullopt : std::optional<Seat>(LocalSeat);
    EXPECT_NE(refused(otherEnd), "accepted");

    MoveLog cut = log;
    cut.moves.pop_back();
    EXPECT_EQ(refused(cut), "the moves end before the game does");

    MoveLog extra = log;
    extra.moves.push_back({LocalSeat, Move::Take(), 99});
    EXPECT_EQ(refused(extra), "line 99: a move after the end of the game");
}

// The shelf keeps the last 20 logs; the newest is the latest game's, and a
// shelf that cannot be written says why and throws nothing.
TEST(MoveLogShelf, KeepsTheLastGamesAndNamesWhyItCannot) {
    namespace fs = std::filesystem;
    const fs::path folder =
        fs::temp_directory_path() / ("tavlira-shelf-" + std::to_string(getpid()));
    fs::remove_all(folder);
    const std::vector<MoveLog> logs = RecordSelfPlay(MoveLogShelf::Kept + 5, 21, false);
    MoveLogShelf shelf(folder / "MoveLogs");
    EXPECT_FALSE(shelf.ReadNewest());
    const auto start = std::chrono::system_clock::now();
    for (std::size_t i = 0; i < logs.size(); ++i)
        ASSERT_EQ(shelf.Keep(logs[i], start + std::chrono::milliseconds(i)), std::nullopt);
    EXPECT_EQ(std::distance(fs::directory_iterator(shelf.Folder()), fs::directory_iterator()),
              MoveLogShelf::Kept);
    const auto newest = shelf.ReadNewest();
    ASSERT_TRUE(newest && std::holds_alternative<MoveLog>(*newest));
    EXPECT_EQ(std::get<MoveLog>(*newest), logs.back());

    // A damaged newest log is refused, not replayed.
    fs::resize_file(*shelf.Newest(), 100);
    ASSERT_TRUE(std::holds_alternative<LogError>(*shelf.ReadNewest()));

    // A file where the folder should be.
    std::ofstream(folder / "blocked") << "x";
    MoveLogShelf blocked(folder / "blocked");
    const std::optional<std::string> why = blocked.Keep(logs[0], start);
    ASSERT_TRUE(why);
    EXPECT_NE(why->find("blocked"), std::string::npos);
    EXPECT_FALSE(blocked.ReadNewest());
    fs::remove_all(folder);
}

} // namespace
} // namespace tavlira
