#include "sim/Commands.h"

#include "sim/ArenaCommand.h"
#include "sim/Arguments.h"
#include "sim/CalendarCommand.h"

#include <gtest/gtest.h>
#include <sstream>

namespace tavlira::sim {
namespace {

std::string RunCommand(void (*command)(const std::vector<std::string>&, std::ostream&),
                       std::vector<std::string> args) {
    std::ostringstream out;
    command(args, out);
    return out.str();
}

TEST(SimBest, PrintsChoiceSetsAndRatings) {
    EXPECT_EQ(RunCommand(BestCommand, {"--hand", "5ч,Вп", "--table", "5б,3п,2ч,Дк"}),
              "choice=2\ncapturing=1,2\ntake=1,2,3,4\nratings=0.36,0.44,-2.00,-2.00\n");
    EXPECT_EQ(RunCommand(BestCommand, {"--hand", "##,Дч", "--table", "##,##,Дп", "--figures"}),
              "choice=2\ncapturing=2\ntake=3\nratings=-2.00,0.16,-2.00,-2.00\n");
    EXPECT_EQ(RunCommand(BestCommand, {"--hand", "5ч", "--table", ""}),
              "choice=0\ncapturing=-\ntake=-\nratings=-2.00,-2.00,-2.00,-2.00\n");
}

TEST(SimLayOff, PrintsThePlace) {
    EXPECT_EQ(RunCommand(LayOffCommand, {"--hand", "Тк,5б,1п,Вч"}), "place=3\n");
    EXPECT_EQ(RunCommand(LayOffCommand, {"--hand", "Тк,5б,1п,Вч", "--figures"}), "place=4\n");
}

TEST(SimArena, PrintsTheTotalsOfThePairedDeals) {
    const std::string out =
        RunCommand(ArenaCommand, {"--deals", "2", "--playouts", "20", "--seed", "5"});
    EXPECT_EQ(out, RunCommand(ArenaCommand, {"--deals", "2", "--playouts", "20", "--seed", "5"}));
    std::istringstream lines(out);
    std::vector<std::string> keys;
    long long expert = -1;
    long long classic = -1;
    double margin = 0.0;
    for (std::string line; std::getline(lines, line);) {
        const std::string key = line.substr(0, line.find('='));
        const std::string value = line.substr(line.find('=') + 1);
        keys.push_back(key);
        if (key == "expert.points")
            expert = std::stoll(value);
        if (key == "classic.points")
            classic = std::stoll(value);
        if (key == "margin")
            margin = std::stod(value);
    }
    EXPECT_EQ(keys, (std::vector<std::string>{"deals", "expert.points", "classic.points", "margin",
                                              "ci95", "playouts", "turns"}));
    EXPECT_NEAR(margin, (expert - classic) / 4.0, 0.0005);
    EXPECT_NE(out.find("deals=2\n"), std::string::npos);
    // One deal has no interval.
    EXPECT_NE(RunCommand(ArenaCommand, {"--deals", "1", "--playouts", "5"}).find("ci95=-\n"),
              std::string::npos);
}

TEST(SimCalendar, PrintsBothEastersAndTheHolidaysOfTheDate) {
    EXPECT_EQ(RunCommand(CalendarCommand, {"--date", "2025-05-09", "--language", "ru"}),
              "western.easter=2025-04-20\northodox.easter=2025-04-20\n"
              "holiday=День Победы (80-летие, Российский праздник)\n");
    EXPECT_EQ(RunCommand(CalendarCommand, {"--date", "2100-01-02"}),
              "western.easter=2100-03-28\northodox.easter=2100-05-02\n");
    for (const std::vector<std::string>& bad : {std::vector<std::string>{"--date", "2025-02-29"},
                                                {"--date", "09.05.2025"},
                                                {"--date", "2025-05-09", "--language", "xx"},
                                                {"--language", "en"}})
        EXPECT_THROW(RunCommand(CalendarCommand, bad), UsageError);
}

TEST(SimPlay, SameSeedSameGames) {
    const std::string a = RunCommand(PlayCommand, {"--games", "50", "--seed", "9"});
    EXPECT_EQ(a, RunCommand(PlayCommand, {"--games", "50", "--seed", "9"}));
    EXPECT_NE(a.find("games=50\n"), std::string::npos);
    EXPECT_NE(a.find("nomove="), std::string::npos);
    EXPECT_NE(a, RunCommand(PlayCommand, {"--games", "50", "--seed", "9", "--figures"}));
}

TEST(SimMatch, AMemberPlaysThroughTheDriverToTheStoredRecord) {
    const std::string a = RunCommand(MatchCommand, {"--games", "22", "--seed", "4"});
    EXPECT_EQ(a, RunCommand(MatchCommand, {"--games", "22", "--seed", "4"}));
    // The member line as stored: name, rating, 22 games, and the score of
    // the new cycle (games 21 and 22).
    const size_t at = a.find("member=Sim ");
    ASSERT_NE(at, std::string::npos) << a;
    const std::string line = a.substr(at + 7, 59);
    EXPECT_EQ(line.substr(30, 7), "     22") << line;
    EXPECT_NE(a.find("signature="), std::string::npos);
}

TEST(SimMatch, SignatureIsPinned) {
    // A member's matches through the match driver, from login to the stored
    // record. A change of play, of the driver's steps or of what is stored
    // changes this; update it only for an intended change.
    EXPECT_EQ(RunCommand(MatchCommand, {"--games", "45", "--seed", "3"}),
              "games=45\n"
              "member=Sim                  -0,066667     45     -5349349349349349\n"
              "signature=9e2d9464262d5a55\n");
}

TEST(SimArguments, RefuseBadInput) {
    const std::vector<std::vector<std::string>> bad = {
        {"--hand", "5ч,6ч,7ч,8ч,9ч", "--table", ""}, // five hand places
        {"--hand", "5x", "--table", ""},
        {"--hand", "5ч", "--table", "5б,5б"},
        {"--hand", "5ч,##,5ч", "--table", ""},
        // One card cannot be in the hand and on the table at once.
        {"--hand", "5ч", "--table", "5ч"},
        {"--hand", "##,Вп", "--table", "5б,##,Вп"},
        {"--hand", "5ч", "--table", "1,2,3,4,5,6,7,8,9"},
        {"--hand", "5ч"},
        {"--hand"},
    };
    for (const auto& args : bad)
        EXPECT_THROW(RunCommand(BestCommand, args), UsageError) << args[0];
    EXPECT_THROW(RunCommand(PlayCommand, {"--games", "-1"}), UsageError);
    EXPECT_THROW(RunCommand(PlayCommand, {"--games", "3", "--games", "4"}), UsageError);
}

// The whole command line as the program runs it.
struct Outcome {
    int status;
    std::string out;
    std::string err;
};

Outcome RunLine(const std::vector<std::string>& args) {
    std::ostringstream out;
    std::ostringstream err;
    const int status = Run(args, out, err);
    return {status, out.str(), err.str()};
}

TEST(SimCommandLine, ABadLineGivesStatus2AndOneLineThatEchoesArgumentsEscaped) {
    struct Case {
        std::vector<std::string> args;
        const char* err;
    } cases[] = {
        {{},
         "tavlira-sim: usage: tavlira-sim play|best|layoff|match|calendar|duel|table|arena "
         "[options]\n"},
        {{"da\nnce"}, "tavlira-sim: unknown command 'da\\nnce'\n"},
        {{"play", "--ga\nmes", "3"}, "tavlira-sim: unknown option --ga\\nmes\n"},
        {{"play", "--games", "3", "x\r\ty\\"}, "tavlira-sim: unexpected argument 'x\\r\\ty\\\\'\n"},
        {{"best", "--hand", "5\x1b[2J\x7f", "--table", ""},
         "tavlira-sim: --hand: '5\\x1B[2J\\x7F' is not a card\n"},
        {{"best", "--hand", "Вп\n", "--table", ""}, "tavlira-sim: --hand: 'Вп\\n' is not a card\n"},
    };
    for (const auto& c : cases) {
        const Outcome outcome = RunLine(c.args);
        EXPECT_EQ(outcome.status, 2) << c.err;
        EXPECT_EQ(outcome.out, "") << c.err;
        EXPECT_EQ(outcome.err, c.err);
    }
}

TEST(SimCommandLine, ACardInHandAndOnTableIsABadLine) {
    const Outcome outcome = RunLine({"best", "--hand", "5ч", "--table", "5б,5ч"});
    EXPECT_EQ(outcome.status, 2);
    EXPECT_EQ(outcome.out, "");
    EXPECT_EQ(outcome.err, "tavlira-sim: --table: '5ч' is also in --hand\n");
}

TEST(SimCommandLine, AGoodLineGivesStatus0AndTheOutput) {
    const Outcome outcome = RunLine({"layoff", "--hand", "Тк,5б,1п,Вч"});
    EXPECT_EQ(outcome.status, 0);
    EXPECT_EQ(outcome.out, "place=3\n");
    EXPECT_EQ(outcome.err, "");
}

} // namespace
} // namespace tavlira::sim
