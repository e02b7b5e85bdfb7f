#include "sim/Commands.h"

#include "game/CaptureSearch.h"
#include "game/LayOff.h"
#include "game/SelfPlay.h"
#include "sim/ArenaCommand.h"
#include "sim/Arguments.h"
#include "sim/CalendarCommand.h"
#include "sim/DuelCommand.h"
#include "sim/MatchCommand.h"
#include "sim/MoveLogFolder.h"
#include "sim/ReplayCommand.h"
#include "sim/TableCommand.h"

#include <cstdio>
#include <map>
#include <random>

namespace tavlira::sim {
namespace {

// Ascending place numbers joined by commas, "-" for none.
std::string PlaceList(PlaceSet set) {
    std::string text;
    set.ForEach([&](int place) {
        if (!text.empty())
            text += ',';
        text += std::to_string(place);
    });
    return text.empty() ? "-" : text;
}

std::string TwoDecimals(double x) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.2f", x);
    return buffer;
}

// Writes the one line of a failure, arguments it echoes escaped, and gives
// `status`.
int Fail(std::ostream& err, const std::exception& e, int status) {
    err << "tavlira-sim: " << Escaped(e.what()) << '\n';
    return status;
}

} // namespace

void PlayCommand(const std::vector<std::string>& args, std::ostream& out) {
    const Arguments a(args, {"games", "seed", "log"}, {"figures"});
    const int games = static_cast<int>(a.Number("games", 1, 100'000'000));
    const auto seed = a.Has("seed") ? static_cast<std::uint32_t>(a.Number("seed", 0, UINT32_MAX))
                                    : std::random_device{}();
    const std::unique_ptr<MoveLogFolder> logs = LogFolderOption(a.Optional("log"), "play");
    const SelfPlayTotals totals =
        PlaySelfGames(games, seed, a.Has("figures"), logs ? &logs->Recorder() : nullptr);
    out << "games=" << totals.games << '\n'
        << "seed=" << seed << '\n'
        << "seat1.points=" << totals.seat1Points << '\n'
        << "seat2.points=" << totals.seat2Points << '\n'
        << "nomove=" << totals.noMoveEndings << '\n'
        << "signature=" << SignatureText(totals.signature) << '\n';
}

void BestCommand(const std::vector<std::string>& args, std::ostream& out) {
    const Arguments a(args, {"hand", "table"}, {"figures"});
    const bool figures = a.Has("figures");
    CardLists cards(figures);
    const HandRow hand = cards.Read<HandPlaces>(a.Text("hand"), "--hand");
    const auto placed = cards.Read<TablePlaces>(a.Text("table"), "--table");
    TableRow table;
    table.Fill(CardSlot::Empty());
    for (int place = 1; place <= TablePlaces; ++place)
        table[place] = placed[place];
    const CaptureChoice choice = FindCapture(hand, table, figures);
    std::string ratings;
    for (double r : choice.best) {
        if (!ratings.empty())
            ratings += ',';
        ratings += TwoDecimals(r);
    }
    out << "choice=" << choice.chosen << '\n'
        << "capturing=" << PlaceList(choice.capturing) << '\n'
        << "take=" << PlaceList(choice.bestTakeSet) << '\n'
        << "ratings=" << ratings << '\n';
}

void LayOffCommand(const std::vector<std::string>& args, std::ostream& out) {
    const Arguments a(args, {"hand"}, {"figures"});
    const bool figures = a.Has("figures");
    const HandRow hand = CardLists(figures).Read<HandPlaces>(a.Text("hand"), "--hand");
    out << "place=" << ChooseLayOff(hand, figures) << '\n';
}

int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    using Command = void (*)(const std::vector<std::string>&, std::ostream&);
    static const std::map<std::string, Command> commands = {
        {"play", PlayCommand},   {"best", BestCommand},         {"layoff", LayOffCommand},
        {"match", MatchCommand}, {"calendar", CalendarCommand}, {"duel", DuelCommand},
        {"table", TableCommand}, {"arena", ArenaCommand},       {"replay", ReplayCommand}};
    try {
        if (args.empty())
            throw UsageError("usage: tavlira-sim "
                             "play|best|layoff|match|calendar|duel|table|arena|replay [options]");
        const auto command = commands.find(args[0]);
        if (command == commands.end())
            throw UsageError("unknown command '" + args[0] + "'");
        command->second(std::vector<std::string>(args.begin() + 1, args.end()), out);
    } catch (const Interrupted& e) {
        return 128 + e.Signal();
    } catch (const UsageError& e) {
        return Fail(err, e, 2);
    } catch (const std::exception& e) {
        return Fail(err, e, 1);
    }
    return 0;
}

} // namespace tavlira::sim
