#include "match/Match.h"

#include "game/CaptureSearch.h"
#include "game/Deal.h"
#include "game/LayOff.h"
#include "game/Play.h"
#include "i18n/words/Table.h"
#include "match/Autoplay.h"
#include "net/TableRules.h"
#include "net/TableSeatGame.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <limits>
#include <map>

namespace tavlira {
namespace {

// Records kept in memory, so tests see what would be written.
class FakeRecords final : public RecordStore {
  public:
    std::map<int, MemberRecord> members;
    std::vector<GameResult> stored;
    std::vector<std::pair<int, std::string>> removed;
    std::vector<HisStr> history;
    bool historyFails = false;
    int loads = 0;
    int topTenPlace = 0; // reached by a cycle that ends

    std::optional<MemberRecord> LoadMember(RecordFileKind, int slot) override {
        ++loads;
        auto it = members.find(slot);
        if (it == members.end())
            return std::nullopt;
        return it->second;
    }
    StoreOutcome StoreGameResult(RecordFileKind, const GameResult& result) override {
        stored.push_back(result);
        StoreOutcome outcome;
        outcome.status = WriteStatus::Written;
        outcome.cycleEnded = result.gameCounter % 20 == 0;
        if (outcome.cycleEnded)
            outcome.topTenPlace = topTenPlace;
        return outcome;
    }
    WriteStatus RemoveMember(RecordFileKind, int slot, std::string_view name) override {
        removed.emplace_back(slot, std::string(name));
        return WriteStatus::Written;
    }
    bool WriteHistory(std::span<const HisStr> entries, std::string_view,
                      std::string_view) override {
        history.insert(history.end(), entries.begin(), entries.end());
        return !historyFails;
    }
    std::optional<RecordFile> ReadRecords(RecordFileKind) override { return std::nullopt; }
    StoreOutcome RenameMember(RecordFileKind, int slot, std::string_view oldName,
                              std::string_view newName, std::string_view newPassword) override {
        renamed.push_back(
            {slot, std::string(oldName), std::string(newName), std::string(newPassword)});
        StoreOutcome outcome;
        outcome.status = renameStatus;
        outcome.clubSlot = 3;
        return outcome;
    }

    struct Renaming {
        int slot;
        std::string oldName, newName, newPassword;
        friend bool operator==(const Renaming&, const Renaming&) = default;
    };
    std::vector<Renaming> renamed;
    WriteStatus renameStatus = WriteStatus::Written;
};

class MatchTest : public ::testing::Test {
  protected:
    FakeRecords records;
    std::uint32_t seed = 5;
    Match match{MatchServices{
        &records, [] { return std::pair<std::string, std::string>("12:30", "10.12.2026"); },
        [this] { return std::make_unique<SeededRandom>(seed++); }}};

    void SetUp() override {
        records.members[1] = {"Anna", 1.5, 18, 7, EncodePassword("pw")};
        match.LeaveTitle();
    }

    const GameState& S() const { return match.State(); }

    // The outbox as the window plays it: record effects carried out in turn.
    MatchOutbox Played() { return TakeOutboxRunningRecords(match, records); }

    void Begin() {
        ASSERT_EQ(match.Buttons().start.label, &words::ToBegin);
        match.PressStart();
        ASSERT_EQ(S().BeginState, UnderWay);
    }

    void PersonPlaysByClicks() { ASSERT_TRUE(PlayPersonTurn(match)); }

    void PlayWholeGame() {
        Begin();
        PlayGameToEnd(match, [](const MatchOutbox&) {});
        ASSERT_TRUE(S().GameOver);
        EXPECT_EQ(match.Buttons().second.label, &words::ExitToMenu);
    }
};

TEST_F(MatchTest, NewPlayerPlaysAWholeGameAndLeavesWithTheResultStored) {
    ASSERT_EQ(match.Login(NewPlayerSlot, "Boris", "12", "12"), LoginError::None);
    EXPECT_EQ(match.CurrentScreen(), Screen::Table);
    EXPECT_EQ(S().GameCounter, 1);
    EXPECT_EQ(S().Mover, Turn::Local); // the person leads odd games
    PlayWholeGame();
    ASSERT_FALSE(HasFatalFailure());
    EXPECT_EQ(match.Buttons().start.label, &words::NextGame);
    EXPECT_TRUE(match.Buttons().start.enabled);
    EXPECT_EQ(match.Buttons().second.label, &words::ExitToMenu);
    match.PressSecond();
    Played();
    EXPECT_EQ(match.CurrentScreen(), Screen::Menu);
    ASSERT_EQ(records.stored.size(), 1u);
    EXPECT_EQ(records.stored[0].name, "Boris");
    EXPECT_EQ(records.stored[0].gameCounter, 1);
    // The game of seed 5 ends one point behind: the new player's cycle
    // score and the rating after one game are that lead.
    EXPECT_EQ(S().PointsLead, -1);
    EXPECT_EQ(records.stored[0].shownScore, -1);
    EXPECT_EQ(records.stored[0].encodedPassword, EncodePassword("12"));
    EXPECT_DOUBLE_EQ(records.stored[0].rating, -1.0);
    ASSERT_EQ(records.history.size(), 1u);
    EXPECT_EQ(records.history[0].HKon, 1);
    EXPECT_EQ(records.history[0].HRes, -1);
}

TEST_F(MatchTest, ComputerCaptureIsShownBeforeItIsTaken) {
    // Find a seed whose first computer move is a capture.
    for (seed = 1; seed < 200; ++seed) {
        Match m{MatchServices{&records, [] { return std::pair<std::string, std::string>(); },
                              [s = seed] { return std::make_unique<SeededRandom>(s); }}};
        m.LeaveTitle();
        records.members[1].games = 1; // game 2: the computer leads
        ASSERT_EQ(m.Login(MemberSlot(1), "", "pw", ""), LoginError::None);
        const CaptureChoice choice = FindCapture(m.State().Hand[1], m.State().Table, false);
        if (choice.chosen == 0)
            continue;
        m.PressStart();
        m.TakeOutbox();
        m.Tick();
        const MatchOutbox out = m.TakeOutbox();
        // play: the card flies to the capture area; the selection grows to
        // the whole capture; 2000 ms; the cards fly to the computer's pile.
        PlaceSet shown;
        std::vector<size_t> order;
        for (size_t i = 0; i < out.size(); ++i) {
            const auto* e = std::get_if<Event>(&out[i]);
            if (!e)
                continue;
            if (const auto* f = std::get_if<event::FlyCards>(e)) {
                order.push_back(f->to == Spot::TablePlace(9)        ? 1
                                : f->to == Spot::Pile(OpponentSeat) ? 4
                                                                    : 9);
            } else if (const auto* t = std::get_if<event::RedrawTable>(e);
                       t && t->highlighted.Count() > 1) {
                if (order.back() != 2)
                    order.push_back(2);
                shown = t->highlighted;
            } else if (const auto* p = std::get_if<event::Pause>(e); p && p->milliseconds == 2000) {
                order.push_back(3);
                PlaceSet whole = choice.bestTakeSet;
                whole.Add(CaptureArea);
                EXPECT_EQ(shown, whole); // the whole capture is on show during the pause
            }
        }
        EXPECT_EQ(order, (std::vector<size_t>{1, 2, 3, 4}));
        EXPECT_EQ(m.State().Mover, Turn::Local);
        EXPECT_EQ(m.State().LastTaker, Turn::Opponent);
        return;
    }
    FAIL() << "no seed gave a first computer capture";
}

TEST_F(MatchTest, PickingPuttingBackAndTheWaitingCard) {
    ASSERT_EQ(match.Login(NewPlayerSlot, "Boris", "", ""), LoginError::None);
    match.ClickHand(1, MouseButton::Left);
    EXPECT_EQ(S().PickedHandSlot, 0); // not before "To Begin"
    Begin();
    match.ClickHand(2, MouseButton::Left);
    EXPECT_EQ(S().PickedHandSlot, 2);
    match.ClickHand(3, MouseButton::Left);
    EXPECT_EQ(S().PickedHandSlot, 2); // another card must be put back first
    EXPECT_EQ(match.PointerOverHand(3), Pointer::Normal);
    match.ClickHand(2, MouseButton::Left);
    EXPECT_EQ(S().PickedHandSlot, 0);
    // A card without a legal capture: place 9 refuses it; a lay-off is always possible.
    const PlaceSet capturing = FindCapture(S().Hand[LocalSeat], S().Table, false).capturing;
    int place = 1;
    while (place <= HandPlaces && capturing.Contains(place))
        ++place;
    ASSERT_LE(place, HandPlaces) << "the deal of seed 5 holds a card that cannot capture";
    match.ClickHand(place, MouseButton::Left);
    EXPECT_EQ(S().PickedHandSlot, place);
    EXPECT_FALSE(S().PickedCanTake);
    match.ClickTable(CaptureArea, MouseButton::Left);
    EXPECT_TRUE(S().Table[CaptureArea].IsEmpty());
    match.ClickTable(6, MouseButton::Right); // right button on an empty place plays too
    EXPECT_FALSE(S().Table[6].IsEmpty());
    EXPECT_EQ(S().Mover, Turn::Opponent);
}

TEST_F(MatchTest, NothingMovesWhileTheCardWaitsInTheCaptureArea) {
    for (seed = 1; seed < 500; ++seed) {
        Match m{MatchServices{&records, [] { return std::pair<std::string, std::string>(); },
                              [s = seed] { return std::make_unique<SeededRandom>(s); }}};
        m.LeaveTitle();
        ASSERT_EQ(m.Login(NewPlayerSlot, "Boris", "", ""), LoginError::None);
        const CaptureChoice choice = FindCapture(m.State().Hand[2], m.State().Table, false);
        if (choice.chosen == 0)
            continue;
        m.PressStart();
        m.ClickHand(choice.chosen, MouseButton::Left);
        m.ClickTable(CaptureArea, MouseButton::Left);
        const GameState waiting = m.State();
        m.TakeOutbox();
        for (int i = 0; i < 10; ++i)
            m.Tick();
        // No other hand card can be picked, nor a card played anywhere.
        m.ClickHand(1, MouseButton::Left);
        m.ClickTable(LowestFreeTablePlace(m.State()), MouseButton::Left);
        EXPECT_EQ(m.State().Hand[2], waiting.Hand[2]);
        EXPECT_EQ(m.State().Table, waiting.Table);
        EXPECT_EQ(m.State().PickedHandSlot, 0);
        EXPECT_FALSE(m.Buttons().start.enabled); // nothing selected yet
        // An illegal selection keeps "Take" disabled; the legal one enables it.
        choice.bestTakeSet.ForEach([&](int p) { m.ClickTable(p, MouseButton::Left); });
        EXPECT_TRUE(m.Buttons().start.enabled);
        return;
    }
    FAIL() << "no seed gave the person a capture";
}

TEST_F(MatchTest, TwentiethGameEndsTheCycleAndRefusesTheNextGame) {
    ASSERT_EQ(match.Login(MemberSlot(1), "", "pw", ""), LoginError::None);
    EXPECT_EQ(S().GameCounter, 19);
    PlayWholeGame();
    ASSERT_FALSE(HasFatalFailure());
    ASSERT_TRUE(match.Buttons().start.enabled);
    match.PressStart(); // "Next game"
    EXPECT_EQ(S().GameCounter, 20);
    EXPECT_EQ(S().GamesAtTable, 2);
    PlayWholeGame();
    ASSERT_FALSE(HasFatalFailure());
    EXPECT_FALSE(match.Buttons().start.enabled);
    match.PressStart();
    EXPECT_EQ(S().GameCounter, 20); // refused
    match.TakeOutbox();
    match.PressSecond(); // "Exit to menu"
    const MatchOutbox leaving = Played();
    ASSERT_EQ(records.stored.size(), 1u);
    EXPECT_EQ(records.stored[0].gameCounter, 20);
    // Anna's cycle score of 7 plus the lead of the two games of seeds 5 and 6.
    EXPECT_EQ(records.stored[0].shownScore, 1);
    bool endOfCycle = false;
    for (const MatchEvent& m : leaving)
        endOfCycle = endOfCycle || std::holds_alternative<match_event::EndOfCycle>(m);
    EXPECT_TRUE(endOfCycle);
}

// The end-of-game dialog sounds its outcome: the sound is played just before
// the dialog, and a world place beyond the ten is no place.
TEST_F(MatchTest, TheEndOfACycleSoundsItsOutcomeBeforeTheDialog) {
    const struct {
        int place;
        Effect sound;
    } cases[] = {{0, Effect::ResultBad},
                 {1, Effect::ResultBest},
                 {2, Effect::ResultGood},
                 {10, Effect::ResultGood},
                 {11, Effect::ResultBad}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.place);
        records.members[1].games = 19;
        records.topTenPlace = c.place;
        ASSERT_EQ(match.Login(MemberSlot(1), "", "pw", ""), LoginError::None);
        PlayWholeGame();
        ASSERT_FALSE(HasFatalFailure());
        match.TakeOutbox();
        match.PressSecond();
        const MatchOutbox leaving = Played();
        const auto end = std::find_if(leaving.begin(), leaving.end(), [](const MatchEvent& m) {
            return std::holds_alternative<match_event::EndOfCycle>(m);
        });
        ASSERT_NE(end, leaving.end());
        EXPECT_EQ(std::get<match_event::EndOfCycle>(*end).outcome.topTenPlace, c.place);
        ASSERT_NE(end, leaving.begin());
        const auto* sound = std::get_if<Event>(&*(end - 1));
        ASSERT_NE(sound, nullptr);
        ASSERT_TRUE(std::holds_alternative<event::PlaySound>(*sound));
        EXPECT_EQ(std::get<event::PlaySound>(*sound).effect, c.sound);
        EXPECT_FALSE(std::get<event::PlaySound>(*sound).wait);
        EXPECT_EQ(match.CurrentScreen(), Screen::Menu);
    }
}

TEST_F(MatchTest, QuittingForfeitsTheMemberButNotANewPlayer) {
    ASSERT_EQ(match.Login(MemberSlot(1), "", "pw", ""), LoginError::None);
    EXPECT_EQ(match.PlayerName(), "Anna");
    EXPECT_TRUE(match.RequestQuitToMenu());
    match.QuitToMenu();
    Played();
    EXPECT_EQ(match.CurrentScreen(), Screen::Menu);
    ASSERT_EQ(records.removed.size(), 1u);
    EXPECT_EQ(records.removed[0], (std::pair<int, std::string>(1, "Anna")));

    ASSERT_EQ(match.Login(NewPlayerSlot, "Boris", "", ""), LoginError::None);
    EXPECT_TRUE(match.CloseNeedsQuestion());
    match.Close();
    Played();
    EXPECT_EQ(records.removed.size(), 1u);
    EXPECT_TRUE(records.stored.empty());
}

TEST_F(MatchTest, RecordsAreWrittenOnlyThroughEffectsAndTheirOutcomes) {
    ASSERT_EQ(match.Login(MemberSlot(1), "", "pw", ""), LoginError::None);
    EXPECT_EQ(records.loads, 1); // the record is read once per login
    PlayWholeGame();
    ASSERT_FALSE(HasFatalFailure());
    match.TakeOutbox();
    match.PressSecond();
    // The match asks for the history line and waits: nothing is written yet.
    MatchOutbox out = match.TakeOutbox();
    ASSERT_FALSE(out.empty());
    const auto* history = std::get_if<match_event::Record>(&out.back());
    ASSERT_NE(history, nullptr);
    EXPECT_TRUE(std::holds_alternative<record_effect::WriteHistory>(history->effect));
    EXPECT_TRUE(records.history.empty());
    EXPECT_EQ(match.CurrentScreen(), Screen::Table);
    // Its outcome brings the stored result, and that one's the menu.
    match.RecordDone(RunRecordEffect(records, history->effect));
    out = match.TakeOutbox();
    ASSERT_FALSE(out.empty());
    const auto* result = std::get_if<match_event::Record>(&out.back());
    ASSERT_NE(result, nullptr);
    EXPECT_EQ(std::get<record_effect::StoreResult>(result->effect).result.name, "Anna");
    EXPECT_TRUE(records.stored.empty());
    match.RecordDone(RunRecordEffect(records, result->effect));
    EXPECT_EQ(records.stored.size(), 1u);
    EXPECT_EQ(match.CurrentScreen(), Screen::Menu);
    // An outcome nobody waits for changes nothing.
    match.TakeOutbox();
    match.RecordDone(RecordOutcome{});
    EXPECT_TRUE(match.TakeOutbox().empty());
}

TEST_F(MatchTest, RenamingGoesThroughTheRecords) {
    ASSERT_EQ(match.Login(MemberSlot(1), "", "pw", ""), LoginError::None);
    match.TakeOutbox();
    // A failed rewrite keeps the old name and says so.
    records.renameStatus = WriteStatus::Failed;
    match.RenamePlayer("Zoe", "z1");
    MatchOutbox out = Played();
    EXPECT_TRUE(std::holds_alternative<match_event::RecordFailure>(out.back()));
    EXPECT_EQ(match.PlayerName(), "Anna");
    // The renamed member plays on from the slot the record file gives.
    records.renameStatus = WriteStatus::Written;
    match.RenamePlayer("Zoe", "z1");
    out = Played();
    EXPECT_TRUE(std::holds_alternative<match_event::NameChanged>(out.back()));
    EXPECT_EQ(records.renamed.back(), (FakeRecords::Renaming{1, "Anna", "Zoe", "z1"}));
    EXPECT_EQ(match.PlayerName(), "Zoe");
    EXPECT_EQ(match.PlayerSlot(), MemberSlot(3));
    match.QuitToMenu();
    Played();
    EXPECT_EQ(records.removed.back(), (std::pair<int, std::string>(3, "Zoe")));
    // A new player has no record to rename.
    ASSERT_EQ(match.Login(NewPlayerSlot, "Boris", "", ""), LoginError::None);
    match.RenamePlayer("Max", "");
    out = Played();
    EXPECT_TRUE(std::holds_alternative<match_event::NameChanged>(out.back()));
    EXPECT_EQ(records.renamed.size(), 2u);
    EXPECT_EQ(match.PlayerName(), "Max");
}

TEST_F(MatchTest, LoginRefusalsKeepTheMenu) {
    EXPECT_EQ(match.Login(MemberSlot(1), "", "xx", ""), LoginError::IncorrectPassword);
    EXPECT_EQ(match.Login(MemberSlot(2), "Nobody", "", ""),
              LoginError::IncorrectPassword); // empty slot
    EXPECT_EQ(match.Login(NewPlayerSlot, "", "", ""), LoginError::IncorrectName);
    EXPECT_EQ(match.Login(NewPlayerSlot, "Boris", "1", "2"), LoginError::PasswordsDoNotCoincide);
    EXPECT_EQ(match.CurrentScreen(), Screen::Menu);
}

TEST_F(MatchTest, FailedHistoryIsReportedAndTheResultStillStored) {
    records.historyFails = true;
    ASSERT_EQ(match.Login(NewPlayerSlot, "Boris", "", ""), LoginError::None);
    PlayWholeGame();
    ASSERT_FALSE(HasFatalFailure());
    match.TakeOutbox();
    match.PressSecond();
    bool reported = false;
    for (const MatchEvent& m : Played())
        if (const auto* f = std::get_if<match_event::RecordFailure>(&m))
            reported = reported || f->what == match_event::RecordFailure::What::History;
    EXPECT_TRUE(reported);
    EXPECT_EQ(records.stored.size(), 1u);
}

TEST_F(MatchTest, HostilePeerMovesAreRefused) {
    ASSERT_EQ(match.Login(NewPlayerSlot, "Boris", "", ""), LoginError::None);
    match.PressStart();
    PersonPlaysByClicks();
    ASSERT_EQ(S().Mover, Turn::Opponent);
    EXPECT_FALSE(
        match.PeerMove(Move::Play(1, LowestFreeTablePlace(S())))); // the computer plays seat 1
}

TEST_F(MatchTest, PeerMovesGoThroughTheRules) {
    match.SetPlayMode(PlayMode::DuelHost);
    ASSERT_EQ(match.Login(NewPlayerSlot, "Boris", "", ""), LoginError::None);
    EXPECT_FALSE(match.PeerMove(Move::Play(1, 5))); // not begun
    match.PressStart();
    // Game 1: the host's person leads, so every peer move is refused.
    EXPECT_FALSE(match.PeerMove(Move::Play(1, 5)));
    EXPECT_FALSE(match.PeerMove(Move::Take()));
    match.TakeOutbox();
    PersonPlaysByClicks();
    // The person's clicks leave as moves of seat 2 for the link to send.
    std::vector<event::MoveMade> made;
    for (const MatchEvent& m : match.TakeOutbox())
        if (const auto* e = std::get_if<Event>(&m))
            if (const auto* move = std::get_if<event::MoveMade>(e))
                made.push_back(*move);
    ASSERT_FALSE(made.empty());
    EXPECT_EQ(made[0].move.kind, Move::Kind::Play);
    for (const event::MoveMade& m : made)
        EXPECT_EQ(m.seat, LocalSeat);
    ASSERT_EQ(S().Mover, Turn::Opponent);
    EXPECT_FALSE(match.PeerMove(Move::Play(7, 5)));
    EXPECT_FALSE(match.PeerMove(Move::Play(1, 12)));
    EXPECT_FALSE(match.PeerMove(Move::Toggle(3))); // nothing in the capture area
    EXPECT_FALSE(match.PeerMove(Move::Take()));
    const int free = LowestFreeTablePlace(S());
    EXPECT_TRUE(match.PeerMove(Move::Play(1, free)));
    EXPECT_EQ(S().Mover, Turn::Local);
}

// A tournament table: the match deals the server's deck as the table seat
// sees it, exactly as the seat's own copy of the game does.
TEST_F(MatchTest, TableDealMatchesTheSeatsCopyOfTheGame) {
    GameState shuffled;
    SeededRandom random(9);
    Shuffle(shuffled, random);
    const auto deck = net::TableDealOf(shuffled.Deck).deck;
    for (const net::TableSeat self : {net::TableSeat::First, net::TableSeat::Second}) {
        SCOPED_TRACE(static_cast<int>(self));
        net::TableSeatGame seat(self);
        seat.Feed(net::Encode(net::TableDeal{deck}));
        ASSERT_TRUE(std::holds_alternative<net::GameDealt>(seat.Next()));
        match.TableDeal(net::TableModeOf(self), deck, true, "Ann");
        match.TableRecordBefore({"Ann", 40, 12, 3.5});
        EXPECT_EQ(match.CurrentScreen(), Screen::Table);
        EXPECT_EQ(match.PlayerSlot(), OnlineTableSlot);
        EXPECT_EQ(S().Hand, seat.Game().Hand);
        EXPECT_EQ(S().Table, seat.Game().Table);
        EXPECT_EQ(S().Mover, seat.Game().Mover);
        EXPECT_FALSE(S().FiguresHavePoints);
        EXPECT_EQ(S().GameCounter, 40);
        EXPECT_EQ(S().BaseScore, 12);
        EXPECT_EQ(match.Buttons().start.enabled, self == net::TableSeat::First);
    }
}

TEST_F(MatchTest, AClosedTableGameLeavesWithBothNamesAndThePointsGained) {
    GameState shuffled;
    SeededRandom random(3);
    Shuffle(shuffled, random);
    const auto deck = net::TableDealOf(shuffled.Deck).deck;
    match.SetPeerName("Opponent");
    match.TableDeal(PlayMode::TablePosition2, deck, true, std::string(30, 'n'));
    match.TableRecordBefore({std::string(30, 'n'), 40, 12, 3.5});
    match.TakeOutbox();
    EXPECT_FALSE(match.Buttons().second.enabled);
    match.TableGameClosed(); // the opponent left
    EXPECT_TRUE(S().GameOver);
    EXPECT_EQ(S().Mover, Turn::TimedOut);
    EXPECT_FALSE(match.Buttons().start.enabled);
    ASSERT_TRUE(match.Buttons().second.enabled);
    match.PressSecond();
    MatchOutbox out = match.TakeOutbox();
    ASSERT_FALSE(out.empty());
    EXPECT_TRUE(std::holds_alternative<match_event::TableGameEnds>(out.back()));
    EXPECT_FALSE(match.Buttons().second.enabled); // pressed once only
    match.TableResultRead(TablePlayer{"n", 41, 15, 4.25});
    Played();
    EXPECT_EQ(match.CurrentScreen(), Screen::Menu);
    EXPECT_TRUE(records.stored.empty());
    ASSERT_EQ(records.history.size(), 1u);
    EXPECT_EQ(records.history[0].HName, std::string(30, 'n') + "/Opponent");
    EXPECT_EQ(records.history[0].HName.size(), 39u);
    EXPECT_EQ(records.history[0].HRes, 3);
    EXPECT_DOUBLE_EQ(records.history[0].HRei, 4.25);
    EXPECT_EQ(records.history[0].Ac, PlayKind::Tournament);
}

TEST_F(MatchTest, TableHistoryNamesAreCutAndAnUnreadRecordKeepsTheLead) {
    GameState shuffled;
    SeededRandom random(3);
    Shuffle(shuffled, random);
    match.SetPeerName(std::string(40, 'o'));
    match.TableDeal(PlayMode::TablePosition1, net::TableDealOf(shuffled.Deck).deck, true,
                    std::string(20, 'n'));
    match.TableGameClosed();
    match.PressSecond();
    match.TableResultRead(std::nullopt);
    Played();
    ASSERT_EQ(records.history.size(), 1u);
    EXPECT_EQ(records.history[0].HName.size(), 51u);
    EXPECT_EQ(records.history[0].HRes, S().PointsLead);
}

// A rated series goes on from the account's cycle, is two games long, and
// waits for the web server's booking before its history line: nothing is
// stored in the club, and the popup's "Exit to menu" cannot break in.
TEST_F(MatchTest, ARatedSeriesWaitsForItsBookingAndStoresNothingLocally) {
    match.StartRatedMatch("Eve", {8, 12, 1.5});
    ASSERT_EQ(match.CurrentScreen(), Screen::Table);
    EXPECT_EQ(match.PlayerSlot(), RatedAccountSlot);
    EXPECT_EQ(S().GameCounter, 9);
    EXPECT_EQ(S().BaseScore, 12);
    PlayWholeGame();
    ASSERT_FALSE(HasFatalFailure());
    EXPECT_FALSE(match.Buttons().second.enabled); // the series has a second game
    match.PressStart();
    Played();
    PlayWholeGame();
    ASSERT_FALSE(HasFatalFailure());
    ASSERT_TRUE(match.Buttons().second.enabled);
    match.PressSecond();
    const MatchOutbox leaving = Played();
    const auto ended = std::find_if(leaving.begin(), leaving.end(), [](const MatchEvent& e) {
        return std::holds_alternative<match_event::RatedMatchEnded>(e);
    });
    ASSERT_NE(ended, leaving.end());
    EXPECT_EQ(std::get<match_event::RatedMatchEnded>(*ended).result, S().PointsLead);
    EXPECT_EQ(std::get<match_event::RatedMatchEnded>(*ended).matchScore, 12 + S().PointsLead);
    EXPECT_TRUE(match.AwaitsRatedBooking());
    EXPECT_TRUE(records.history.empty());
    EXPECT_FALSE(match.RequestQuitToMenu());
    match.QuitToMenu();
    EXPECT_EQ(match.CurrentScreen(), Screen::Table);

    match.RatedMatchBooked(2.25);
    Played();
    EXPECT_EQ(match.CurrentScreen(), Screen::Menu);
    ASSERT_EQ(records.history.size(), 1u);
    EXPECT_EQ(records.history[0].HKon, 2);
    EXPECT_DOUBLE_EQ(records.history[0].HRei, 2.25);
    EXPECT_EQ(records.history[0].Ac, PlayKind::RatedOnline);
    EXPECT_TRUE(records.stored.empty());
}

TEST_F(MatchTest, ADamagedRatedStandingIsKeptWithinACycle) {
    match.StartRatedMatch("Eve", {std::numeric_limits<int>::max(), std::numeric_limits<int>::min(),
                                  std::numeric_limits<double>::quiet_NaN()});
    EXPECT_EQ(S().GameCounter, 20);
    EXPECT_EQ(S().BaseScore, -100);
    EXPECT_EQ(match.Rating(), 0.0);
}

} // namespace
} // namespace tavlira
