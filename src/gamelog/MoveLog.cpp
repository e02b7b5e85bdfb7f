#include "gamelog/MoveLog.h"

#include "game/Scoring.h"

#include <array>
#include <charconv>
#include <utility>

namespace tavlira {
namespace {

constexpr std::string_view Header = "TAVLIRA MOVE LOG 1";

constexpr std::array<std::pair<PlayMode, std::string_view>, 5> ModeNames = {{
    {PlayMode::Computer, "computer"},
    {PlayMode::DuelHost, "duel-host"},
    {PlayMode::DuelClient, "duel-client"},
    {PlayMode::TablePosition1, "table-1"},
    {PlayMode::TablePosition2, "table-2"},
}};

std::string_view ModeName(PlayMode mode) {
    for (const auto& [m, name] : ModeNames)
        if (m == mode)
            return name;
    return "computer";
}

std::string SeatText(Seat seat) {
    return std::to_string(static_cast<int>(seat));
}

std::string MoveText(const LoggedMove& logged) {
    const Move& m = logged.move;
    std::string text = "move " + SeatText(logged.seat) + ' ';
    switch (m.kind) {
    case Move::Kind::Begin:
        return text + "begin";
    case Move::Kind::Play:
        return text + "play " + std::to_string(m.handPlace) + ' ' + std::to_string(m.tablePlace);
    case Move::Kind::Toggle:
        return text + "toggle " + std::to_string(m.tablePlace);
    case Move::Kind::Take:
        break;
    }
    return text + "take";
}

std::string Tally(const LoggedResult& r, int seat) {
    return std::to_string(r.taken[seat]) + ':' + std::to_string(r.clubs[seat]) + ':' +
           std::to_string(r.bonus[seat]);
}

// Cuts a line into words at single spaces; an empty word (two spaces, a
// space at either end) makes the line malformed.
std::optional<std::vector<std::string_view>> Words(std::string_view line) {
    std::vector<std::string_view> words;
    for (;;) {
        const std::size_t space = line.find(' ');
        const std::string_view word = line.substr(0, space);
        if (word.empty())
            return std::nullopt;
        words.push_back(word);
        if (space == std::string_view::npos)
            return words;
        line.remove_prefix(space + 1);
    }
}

// A whole decimal number from `low` to `high`, digits only, as the writer
// writes it (no leading zero).
std::optional<int> Number(std::string_view text, int low, int high) {
    int value = 0;
    // from_chars alone would take "-0", which the writer never writes.
    if (text.empty() || text.size() > 6 || (text.size() > 1 && text.front() == '0') ||
        text.find_first_not_of("0123456789") != std::string_view::npos)
        return std::nullopt;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < low || value > high)
        return std::nullopt;
    return value;
}

std::optional<Seat> SeatFrom(std::string_view text) {
    const std::optional<int> n = Number(text, 1, 2);
    if (!n)
        return std::nullopt;
    return static_cast<Seat>(*n);
}

// The lines of the text, each without its "\n"; the last line must end in
// one too, or the file was cut short.
class LineReader {
  public:
    explicit LineReader(std::string_view text) : rest_(text) {}

    std::optional<std::string_view> Next() {
        const std::size_t end = rest_.find('\n');
        if (end == std::string_view::npos)
            return std::nullopt;
        const std::string_view line = rest_.substr(0, end);
        rest_.remove_prefix(end + 1);
        ++number_;
        return line;
    }
    int Number() const { return number_; }
    bool AtEnd() const { return rest_.empty(); }

  private:
    std::string_view rest_;
    int number_ = 0;
};

class Reader {
  public:
    explicit Reader(std::string_view text) : lines_(text) {}

    std::variant<MoveLog, LogError> Read() {
        MoveLog log;
        if (Line() != Header) {
            Fail("not a move log (the first line must be \"" + std::string(Header) + "\")");
            return error_;
        }
        if (!ReadMode(log) || !ReadFigures(log) || !ReadDeck(log) ||
            !ReadSeatLine("deal", log.dealtFirst) || !ReadSeatLine("first", log.firstMover))
            return error_;
        std::vector<std::string_view> words = LineWords();
        while (!words.empty() && words[0] == "move") {
            if (!ReadMove(words, log))
                return error_;
            words = LineWords();
        }
        if (!words.empty() && words[0] == "nomove") {
            const std::optional<Seat> seat = words.size() == 2 ? SeatFrom(words[1]) : std::nullopt;
            if (!seat) {
                Fail("\"nomove\" wants the seat 1 or 2");
                return error_;
            }
            log.noMove = seat;
            words = LineWords();
        }
        if (!ReadResult(words, log))
            return error_;
        if (Line() != "end") {
            Fail("\"end\" expected after the result");
            return error_;
        }
        if (!lines_.AtEnd())
            return LogError{lines_.Number() + 1, "nothing may follow \"end\""};
        return log;
    }

  private:
    // The next line; a missing line (or one without its "\n") reads as a
    // line that matches nothing, so the check expecting it fails there.
    std::string_view Line() {
        if (const std::optional<std::string_view> line = lines_.Next())
            return *line;
        cutShort_ = true;
        return "\x01";
    }
    std::vector<std::string_view> LineWords() {
        return Words(Line()).value_or(std::vector<std::string_view>{});
    }
    bool Fail(std::string message) {
        error_ = cutShort_ ? LogError{lines_.Number() + 1, "the log ends too early"}
                           : LogError{lines_.Number(), std::move(message)};
        return false;
    }

    bool ReadMode(MoveLog& log) {
        const std::vector<std::string_view> words = LineWords();
        if (words.size() == 2 && words[0] == "mode")
            for (const auto& [mode, name] : ModeNames)
                if (words[1] == name) {
                    log.mode = mode;
                    return true;
                }
        return Fail("\"mode\" wants computer, duel-host, duel-client, table-1 or table-2");
    }

    bool ReadFigures(MoveLog& log) {
        const std::vector<std::string_view> words = LineWords();
        if (words.size() != 2 || words[0] != "figures" || (words[1] != "on" && words[1] != "off"))
            return Fail("\"figures\" wants on or off");
        log.figuresHavePoints = words[1] == "on";
        return true;
    }

    bool ReadDeck(MoveLog& log) {
        const std::vector<std::string_view> words = LineWords();
        if (words.size() != DeckSize + 1 || words[0] != "deck")
            return Fail("\"deck\" wants the 52 cards of the deal");
        std::vector<bool> seen(1 << 16);
        for (int position = 1; position <= DeckSize; ++position) {
            const std::string_view word = words[static_cast<std::size_t>(position)];
            const std::optional<CardCode> card = word.size() >= 4 && word[2] == ':'
                                                     ? CardCode::FromBytes(word.substr(0, 2))
                                                     : std::nullopt;
            if (!card)
                return Fail("deck card " + std::to_string(position) + " is not a card");
            const std::uint8_t value = GameValue(*card, log.figuresHavePoints);
            if (Number(word.substr(3), 0, 99) != value)
                return Fail("deck card " + std::to_string(position) +
                            " has a value the rules do not give it");
            const std::size_t index = static_cast<unsigned char>(card->rank) * 256u +
                                      static_cast<unsigned char>(card->suit);
            if (seen[index])
                return Fail("deck card " + std::to_string(position) + " is there twice");
            seen[index] = true;
            log.deck[position] = {*card, RankOrder(*card), value};
        }
        return true;
    }

    bool ReadSeatLine(std::string_view key, Seat& seat) {
        const std::vector<std::string_view> words = LineWords();
        const std::optional<Seat> read =
            words.size() == 2 && words[0] == key ? SeatFrom(words[1]) : std::nullopt;
        if (!read)
            return Fail("\"" + std::string(key) + "\" wants the seat 1 or 2");
        seat = *read;
        return true;
    }

    bool ReadMove(const std::vector<std::string_view>& words, MoveLog& log) {
        const std::optional<Seat> seat = words.size() >= 3 ? SeatFrom(words[1]) : std::nullopt;
        std::optional<Move> move;
        const std::string_view kind = words.size() >= 3 ? words[2] : "";
        if (kind == "begin" && words.size() == 3) {
            move = Move::Begin();
        } else if (kind == "take" && words.size() == 3) {
            move = Move::Take();
        } else if (kind == "toggle" && words.size() == 4) {
            if (const std::optional<int> place = Number(words[3], 1, TablePlaces))
                move = Move::Toggle(*place);
        } else if (kind == "play" && words.size() == 5) {
            const std::optional<int> hand = Number(words[3], 1, HandPlaces);
            const std::optional<int> table = Number(words[4], 1, CaptureArea);
            if (hand && table)
                move = Move::Play(*hand, *table);
        }
        if (!seat || !move)
            return Fail("not a move: \"move SEAT begin|play HAND TABLE|toggle TABLE|take\"");
        log.moves.push_back({*seat, *move, lines_.Number()});
        return true;
    }

    bool ReadResult(const std::vector<std::string_view>& words, MoveLog& log) {
        if (words.size() != 5 || words[0] != "result")
            return Fail("\"result\" expected: the points and the captured cards of both seats");
        for (int seat = 1; seat <= 2; ++seat) {
            const std::optional<int> points = Number(words[static_cast<std::size_t>(seat)], 0, 5);
            const std::optional<std::vector<int>> tally =
                Tally(words[static_cast<std::size_t>(seat + 2)]);
            if (!points || !tally)
                return Fail("\"result\" wants POINTS1 POINTS2 CARDS:CLUBS:BONUS twice");
            log.result.points[seat] = *points;
            log.result.taken[seat] = (*tally)[0];
            log.result.clubs[seat] = (*tally)[1];
            log.result.bonus[seat] = (*tally)[2];
        }
        return true;
    }

    static std::optional<std::vector<int>> Tally(std::string_view word) {
        const std::size_t first = word.find(':');
        const std::size_t second =
            first == std::string_view::npos ? first : word.find(':', first + 1);
        if (second == std::string_view::npos)
            return std::nullopt;
        const std::optional<int> cards = Number(word.substr(0, first), 0, DeckSize);
        const std::optional<int> clubs = Number(word.substr(first + 1, second - first - 1), 0, 13);
        const std::optional<int> bonus = Number(word.substr(second + 1), 0, 2);
        if (!cards || !clubs || !bonus)
            return std::nullopt;
        return std::vector<int>{*cards, *clubs, *bonus};
    }

    LineReader lines_;
    LogError error_;
    bool cutShort_ = false;
};

} // namespace

std::string Describe(const LogError& error) {
    if (error.line <= 0)
        return error.message;
    return "line " + std::to_string(error.line) + ": " + error.message;
}

std::string WriteMoveLog(const MoveLog& log) {
    std::string text(Header);
    text += "\nmode ";
    text += ModeName(log.mode);
    text += log.figuresHavePoints ? "\nfigures on\ndeck" : "\nfigures off\ndeck";
    for (const CardSlot& card : log.deck)
        text += ' ' + card.code.Bytes() + ':' + std::to_string(card.value);
    text += "\ndeal " + SeatText(log.dealtFirst) + "\nfirst " + SeatText(log.firstMover) + '\n';
    for (const LoggedMove& move : log.moves)
        text += MoveText(move) + '\n';
    if (log.noMove)
        text += "nomove " + SeatText(*log.noMove) + '\n';
    const LoggedResult& r = log.result;
    text += "result " + std::to_string(r.points[1]) + ' ' + std::to_string(r.points[2]) + ' ' +
            Tally(r, 1) + ' ' + Tally(r, 2) + "\nend\n";
    return text;
}

std::variant<MoveLog, LogError> ReadMoveLog(std::string_view text) {
    return Reader(text).Read();
}

LoggedResult ResultOf(const GameState& state) {
    const GamePoints points = ScoreGame(state);
    LoggedResult r;
    r.points[1] = points.seat1;
    r.points[2] = points.seat2;
    for (int seat = 1; seat <= 2; ++seat) {
        r.taken[seat] = state.Taken[seat];
        r.clubs[seat] = state.TakenClubs[seat];
        r.bonus[seat] = state.TakenBonus[seat];
    }
    return r;
}

} // namespace tavlira
