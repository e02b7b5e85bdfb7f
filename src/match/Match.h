#pragma once
// The match driver: the main window's screens and the game table as a state
// machine without a window.
//
// Every input — a tick, a button, a click on a hand or table place, a peer's
// move, the outcome of a record effect — runs one whole step at once, leaves
// `GameState` consistent, and appends to the outbox what the window must
// show and play, in order. Every change of the game is a Move through
// ApplyMove, whoever made it. The driver touches no file: record writes leave
// as effects, and their outcomes come back through RecordDone. The window
// plays the outbox and hands the driver no further input until it is played.
//
// The card in the capture area is never lost: while a card waits there, the
// person cannot pick up another hand card, and no card can be played, until
// the take.

#include "game/GameObserver.h"
#include "game/GameState.h"
#include "game/GameTick.h"
#include "game/Move.h"
#include "game/Random.h"
#include "match/Login.h"
#include "match/MatchEvent.h"
#include "records/GeneralCount.h"
#include "records/RecordStore.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <variant>

namespace tavlira {

// The player at a tournament table as the server's records have it.
struct TablePlayer {
    std::string nick; // code page 1251
    std::int32_t games = 0;
    std::int32_t score = 0;
    double rating = 0.0;
};

enum class MouseButton : std::uint8_t { Left, Right };
enum class Pointer : std::uint8_t { Normal, Hand };

// `PlayerSlot`: a club member's line 1..5 in the record file (MemberSlot), or
// a player who has none there.
enum class Slot : std::uint8_t {
    NoSlot = 0,
    NewPlayerSlot = 6,
    RatedAccountSlot = 7,
    OnlineTableSlot = 8,
};
using enum Slot;
constexpr Slot MemberSlot(int line) {
    return static_cast<Slot>(line);
}
constexpr int SlotNumber(Slot slot) {
    return static_cast<int>(slot);
}
constexpr bool IsMember(Slot slot) {
    return SlotNumber(slot) >= 1 && SlotNumber(slot) <= MemberSlots;
}

// Help topics of the screens.
inline constexpr int HelpMenu = 1;
inline constexpr int HelpDealt = 2;
inline constexpr int HelpUnderWay = 5;

// What the driver needs from outside: the records to read a member from
// (writes leave as effects), the time of day for history lines, and a fresh
// random source for each shuffle.
struct MatchServices {
    RecordStore* records = nullptr;
    // The time ("hh:nn") and short date written into a history line.
    std::function<std::pair<std::string, std::string>()> now;
    std::function<std::unique_ptr<RandomSource>()> newRandom;
};

class Match {
  public:
    explicit Match(MatchServices services);

    // Settings that shape the next match.
    void SetFiguresHavePoints(bool on) { figuresHavePoints_ = on; }
    void SetNetworkMode(bool on) { networkMode_ = on; }
    // `observer` (or nobody, with nullptr) sees every game dealt from now on
    // and every step of it; it must outlive the match or be unset first.
    void SetGameObserver(GameObserver* observer) { observer_ = observer; }

    // --- Screens
    // A key released or a click on the title picture.
    void LeaveTitle();
    // The login dialog's "Ok" for a member's slot or a new player. Name and
    // passwords are code page 1251 bytes. On success the match starts.
    LoginError Login(Slot slot, const std::string& name, const std::string& password,
                     const std::string& passwordAgain);
    // The same checks as Login without starting the match: a duel checks the
    // player before it connects, and starts the match once the peer joined.
    LoginError CheckLogin(Slot slot, const std::string& name, const std::string& password,
                          const std::string& passwordAgain) const;

    // A rated series of the logged-in online account against the computer
    // (player slot 7), from the menu. It goes on from the account's cycle as
    // the web server keeps it: the games and score of the current cycle and
    // the rating. `nick` is code page 1251 bytes.
    struct RatedStanding {
        int cycleGames = 0;
        int cycleScore = 0;
        double rating = 0.0;
    };
    void StartRatedMatch(const std::string& nick, const RatedStanding& standing);
    // The outcome of RatedMatchEnded: the account's new rating, or nothing
    // when the statistics could not be booked (the rating then stays as it
    // was). The match then writes its history line and returns to the menu.
    void RatedMatchBooked(std::optional<double> rating);
    bool AwaitsRatedBooking() const { return pendingRecord_ == RecordStep::RatedBooking; }

    // --- The table
    // Runs the game's next due step; returns whether anything happened.
    bool Tick();
    void PressStart();  // Button7
    void PressSecond(); // Button8
    // `place` is the hand place of seat 2 under the pointer that holds a card (0 none).
    void ClickHand(int place, MouseButton button);
    // `place` is the table place 1..9 under the pointer (0 none).
    void ClickTable(int place, MouseButton button);
    // A click on either player panel switches what both panels show.
    void ClickPanel();
    Pointer PointerOverHand(int place) const;
    Pointer PointerOverTable(int place) const;

    // --- The network peer's moves, for the seat it plays (seat 1). Returns
    // false, changing nothing, for a move the rules do not allow or when no
    // peer plays, so the network side can drop a peer that sends one.
    void SetPlayMode(PlayMode mode);
    bool PeerMove(const Move& move);
    // A duel client's peer, the host, dealt the next game: `deck` in deal
    // order, court card values by `figuresHavePoints`. Accepted while the
    // client waits for its first deal or a game is over.
    bool PeerDeal(const OneBased<CardSlot, DeckSize>& deck, bool figuresHavePoints);
    // The host got the dealt game under way and named `leader` to move first.
    bool PeerBegin(Seat leader);
    // The duel connection ended. Returns true when a game was running: the
    // window then tells the person that the peer interrupted it, and calls
    // LeaveInterruptedGame. After a game nothing is said, and no next game
    // can start.
    bool PeerLeft();
    // Back to the menu from a game the peer interrupted; the match is lost
    // without a record.
    void LeaveInterruptedGame();
    // --- An online tournament table: the table server deals and relays the
    // opponent's moves (PeerMove), and the table's own ends close the game.
    // A deal for table position `mode` (TablePosition1 or 2), its court
    // cards worth nothing: the first deal since the seat was taken opens a
    // new match for `own`, every later one is a following game.
    void TableDeal(PlayMode mode, const OneBased<CardSlot, DeckSize>& deck, bool newMatch,
                   const std::string& nick);
    // The player's tournament record before the game (read while the seat
    // connected, so it may come after the deal): the match's games, score
    // and rating, and the score the game's gain is counted from.
    void TableRecordBefore(const TablePlayer& before);
    // The table closed the game: the opponent left or ran out of time, the
    // own clock ran out, the server closed it or the connection dropped. A
    // game still running is over without a score; either way the second
    // button leads back out.
    void TableGameClosed();
    // The end confirmed with the second button leaves as TableGameEnds; the
    // match then waits here for the player's tournament record as the
    // server now has it (nothing when it could not be read) and records it.
    void TableResultRead(const std::optional<TablePlayer>& now);
    // The peer's name from the duel's handshake (code page 1251).
    void SetPeerName(std::string name) { peerName_ = std::move(name); }
    // The opponent's name as the table shows it: "PC" against the computer,
    // the peer's or the table opponent's name otherwise.
    std::string OpponentName() const;
    // A duel client that has not received its first deal yet.
    bool AwaitsFirstDeal() const { return awaitingFirstDeal_; }
    Player PlayerOf(Seat seat) const { return players_[seat]; }

    // --- Leaving
    // The pop-up "Exit to menu": true when the window must first ask
    // "You want to leave in the main menu?"; then QuitToMenu() on Yes.
    bool RequestQuitToMenu();
    void QuitToMenu();
    // Closing the window: true when the question "You want to leave from
    // game?" must be asked first; Close() when closing goes ahead.
    bool CloseNeedsQuestion() const { return screen_ == Screen::Table; }
    void Close();
    // "To change a name": the player plays on under a new name and password
    // (code page 1251). A member's record is renamed first (a record effect);
    // then NameChanged follows, or RecordFailure when the file could not be
    // written and the old name stays.
    void RenamePlayer(const std::string& name, const std::string& password);

    // --- Records
    // The outcome of the record effect emitted last; the match goes on from
    // where the effect left it (see RecordEffects.h).
    void RecordDone(const RecordOutcome& outcome);

    // --- What the window shows
    const GameState& State() const { return state_; }
    Screen CurrentScreen() const { return screen_; }
    bool TitleShown() const { return screen_ == Screen::Title; }
    bool MenuShown() const { return screen_ == Screen::Menu; }
    Slot PlayerSlot() const { return playerSlot_; }
    bool CountNextGame() const { return countNextGame_; }
    int HelpTopic() const { return helpTopic_; }
    const std::string& PlayerName() const { return playerName_; }
    double Rating() const { return rating_; }
    // Where the running match stands within the player's record: the game
    // plate's hint and balloon, the general count.
    MatchFigures Figures() const;
    RecordFileKind RecordKind() const {
        return networkMode_ ? RecordFileKind::Net : RecordFileKind::Club;
    }
    TableButtons Buttons() const;
    // How often the window should tick, in milliseconds; 0 for no tick.
    int TickInterval() const;

    // The events appended since the last call.
    MatchOutbox TakeOutbox();

  private:
    bool PersonsTurn() const;
    // The person's clicks and the peer's messages reach the game here; the
    // computer's moves reach the same ApplyMove within the tick.
    bool Apply(Seat seat, const Move& move);
    bool CardWaitsInCaptureArea() const;
    void Emit(Outbox& gameEvents);
    void EmitButtons();
    // What waits for the outcome of the record effect emitted last.
    enum class RecordStep : std::uint8_t {
        None,
        History,         // the history line of the match left behind
        Result,          // the stored result of that match
        Forfeit,         // the forfeited record of a player who closed the window
        ForfeitThenMenu, // the forfeited record of a player who quit to the menu
        Rename,          // the member's record under the new name
        RatedBooking,    // the rated series booked on the web server
    };

    // The player's record when the login checks pass, else the refusal.
    std::variant<MemberRecord, LoginError> Admit(Slot slot, const std::string& name,
                                                 const std::string& password,
                                                 const std::string& passwordAgain) const;
    void StartMatch(Slot slot, const MemberRecord& record, bool ratedSeries = false);
    void StartMatchRecord(Slot slot, const MemberRecord& record, bool ratedSeries = false);
    void SetPlayer(Slot slot, const std::string& name, const std::string& encodedPassword);
    void DealGame();
    void LeaveAfterGame();
    void RecordLeftMatch();
    void WriteHistoryLine();
    void StoreResultOrShowMenu();
    void ForfeitMember(RecordStep step);
    void EmitRecord(RecordEffect effect, RecordStep step);
    void ShowMenu();

    MatchServices services_;
    GameState state_;
    SeatPlayers players_{};
    MatchOutbox outbox_;
    TableButtons shownButtons_;
    Screen screen_ = Screen::Title;
    Slot playerSlot_ = NoSlot;
    bool countNextGame_ = true;
    int helpTopic_ = HelpMenu;
    std::string playerName_;
    std::string encodedPassword_;
    double rating_ = 0.0;
    RecordStep pendingRecord_ = RecordStep::None;
    std::string pendingName_;     // Rename: the new name
    std::string pendingPassword_; // Rename: the new password, encoded
    bool figuresHavePoints_ = false;
    bool networkMode_ = false;
    std::string peerName_;
    bool awaitingFirstDeal_ = false;              // a duel client before its first deal
    bool peerGone_ = false;                       // the duel connection of this match ended
    std::optional<std::int32_t> tableStartScore_; // the tournament score before the game
    std::int32_t pointsGained_ = 0;               // what the match's history line records
    bool awaitingTableResult_ = false;
    GameObserver* observer_ = nullptr;
};

// Takes the outbox, carrying out each record effect in it against `records`
// and handing its outcome back, until none is left; returns every event in
// order, the effects included. For drivers without a window: the engine tool
// and the tests.
MatchOutbox TakeOutboxRunningRecords(Match& match, RecordStore& records);

} // namespace tavlira
