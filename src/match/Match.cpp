#include "match/Match.h"

#include "game/CaptureSearch.h"
#include "game/Deal.h"
#include "game/GameTick.h"
#include "game/Play.h"
#include "game/Scoring.h"
#include "i18n/words/Table.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace tavlira {
namespace {

// The end-of-game dialog sounds the outcome of the cycle as it opens.
Effect OutcomeSound(CycleOutcome outcome) {
    switch (outcome) {
    case CycleOutcome::Best:
        return Effect::ResultBest;
    case CycleOutcome::Good:
        return Effect::ResultGood;
    case CycleOutcome::Bad:
        break;
    }
    return Effect::ResultBad;
}

} // namespace

Match::Match(MatchServices services) : services_(std::move(services)) {
    SetPlayMode(PlayMode::Computer);
}

void Match::SetPlayMode(PlayMode mode) {
    state_.Mode = mode;
    players_[LocalSeat] = Player::Person;
    players_[OpponentSeat] = mode == PlayMode::Computer ? Player::Computer : Player::Peer;
}

MatchOutbox Match::TakeOutbox() {
    MatchOutbox taken;
    taken.swap(outbox_);
    return taken;
}

void Match::Emit(Outbox& gameEvents) {
    if (observer_ != nullptr)
        observer_->GameStepped(state_, gameEvents);
    for (Event& e : gameEvents)
        outbox_.emplace_back(std::move(e));
    gameEvents.clear();
}

void Match::EmitButtons() {
    const TableButtons now = Buttons();
    if (now == shownButtons_)
        return;
    shownButtons_ = now;
    outbox_.emplace_back(match_event::Buttons{now});
}

TableButtons Match::Buttons() const {
    TableButtons b;
    if (screen_ != Screen::Table)
        return b;
    b.start.shown = b.second.shown = true;
    if (awaitingFirstDeal_) {
        b.start = {&words::ToBegin, false, true};
        b.second = {&words::ExitToMenu, false, true};
    } else if (state_.GameOver || state_.Mover == Turn::TimedOut) {
        // Without its peer a duel has no next game.
        b.start = {&words::NextGame, state_.Buttons.nextGame && !peerGone_, true};
        b.second = {&words::ExitToMenu, state_.Buttons.exitToMenu, true};
    } else if (state_.BeginState == Dealt) {
        b.start = {&words::ToBegin, SeatMayBegin(state_, LocalSeat), true};
        b.second = {&words::ExitToMenu, false, true};
    } else {
        b.start = {&words::Take, PersonsTurn() && SelectionIsLegal(state_), true};
        b.second = {&words::Score, true, true};
    }
    return b;
}

MatchFigures Match::Figures() const {
    MatchFigures figures;
    figures.kind = KindOf(state_.Mode, state_.RatedSeries);
    figures.gameCounter = state_.GameCounter;
    figures.gamesAtTable = state_.GamesAtTable;
    figures.baseScore = state_.BaseScore;
    figures.pointsLead = state_.PointsLead;
    figures.rating = rating_;
    return figures;
}

int Match::TickInterval() const {
    return screen_ == Screen::Table && state_.BeginState == UnderWay && !state_.GameOver ? 200 : 0;
}

bool Match::PersonsTurn() const {
    return state_.TableActive && state_.Mover == LocalSeat && state_.BeginState == UnderWay &&
           !state_.GameOver;
}

bool Match::CardWaitsInCaptureArea() const {
    return !state_.Table[CaptureArea].IsEmpty();
}

// --- Screens

void Match::LeaveTitle() {
    if (screen_ != Screen::Title)
        return;
    ShowMenu();
}

void Match::ShowMenu() {
    screen_ = Screen::Menu;
    state_.TableActive = false;
    helpTopic_ = HelpMenu;
    outbox_.emplace_back(match_event::ShowScreen{Screen::Menu});
    EmitButtons();
}

std::variant<MemberRecord, LoginError> Match::Admit(Slot slot, const std::string& name,
                                                    const std::string& password,
                                                    const std::string& passwordAgain) const {
    if (screen_ != Screen::Menu)
        return LoginError::IncorrectName;
    if (slot == NewPlayerSlot) {
        const LoginError error = CheckNewPlayer(name, password, passwordAgain);
        if (error != LoginError::None)
            return error;
        return MemberRecord{name, 0.0, 0, 0, EncodePassword(password)};
    }
    // The member's record is read once: it checks the password and opens the match.
    const auto member = services_.records->LoadMember(RecordKind(), SlotNumber(slot));
    const auto stored = member ? DecodePassword(member->encodedPassword) : std::nullopt;
    const LoginError error = CheckMember(member ? member->name : name, password, stored);
    if (error != LoginError::None)
        return error;
    return *member;
}

LoginError Match::CheckLogin(Slot slot, const std::string& name, const std::string& password,
                             const std::string& passwordAgain) const {
    const auto admitted = Admit(slot, name, password, passwordAgain);
    const auto* error = std::get_if<LoginError>(&admitted);
    return error ? *error : LoginError::None;
}

LoginError Match::Login(Slot slot, const std::string& name, const std::string& password,
                        const std::string& passwordAgain) {
    const auto admitted = Admit(slot, name, password, passwordAgain);
    if (const auto* error = std::get_if<LoginError>(&admitted))
        return *error;
    StartMatch(slot, std::get<MemberRecord>(admitted));
    return LoginError::None;
}

void Match::SetPlayer(Slot slot, const std::string& name, const std::string& encodedPassword) {
    playerSlot_ = slot;
    playerName_ = name.substr(0, name.find_last_not_of(' ') + 1);
    encodedPassword_ = encodedPassword;
}

// The standing comes from the web server: a cycle holds fewer than 20
// games, each worth at most 5 points, and a rating is a number, whatever a
// damaged answer says.
void Match::StartRatedMatch(const std::string& nick, const RatedStanding& standing) {
    if (screen_ != Screen::Menu || networkMode_)
        return;
    constexpr int MostCycleScore = CycleGames * 5;
    SetPlayMode(PlayMode::Computer);
    StartMatch(RatedAccountSlot,
               MemberRecord{nick, std::isfinite(standing.rating) ? standing.rating : 0.0,
                            std::clamp(standing.cycleGames, 0, CycleGames - 1),
                            std::clamp(standing.cycleScore, -MostCycleScore, MostCycleScore), ""},
               true);
}

// A match opens from the player's record: a new player's is all zero.
void Match::StartMatch(Slot slot, const MemberRecord& record, bool ratedSeries) {
    StartMatchRecord(slot, record, ratedSeries);
    DealGame();
}

void Match::StartMatchRecord(Slot slot, const MemberRecord& record, bool ratedSeries) {
    SetPlayer(slot, record.name, record.encodedPassword);
    state_.RatedSeries = ratedSeries;
    state_.MatchPoints.Fill(0);
    state_.GamesAtTable = 0;
    state_.PointsLead = 0;
    state_.ShownScore = 0;
    countNextGame_ = true;
    state_.GameCounter = record.games;
    state_.BaseScore = record.cycleScore;
    rating_ = record.rating;
    peerGone_ = false;
    // A duel client's table waits for the host's first deal; the game it
    // deals is already counted here.
    awaitingFirstDeal_ = state_.Mode == PlayMode::DuelClient;
    awaitingTableResult_ = false;
}

// --- The table

void Match::DealGame() {
    Outbox out;
    const bool onlineTable = IsOnlineTable(state_.Mode);
    if (onlineTable) {
        ++state_.GamesAtTable;
    } else if (!IsNetworkDuel(state_.Mode) || state_.Mode == PlayMode::DuelHost || countNextGame_) {
        ++state_.GamesAtTable;
        ++state_.GameCounter;
    }
    countNextGame_ = true;

    // A duel client's court card values come with the host's deal; at a
    // tournament table court cards count nothing.
    if (onlineTable)
        state_.FiguresHavePoints = false;
    else if (state_.Mode != PlayMode::DuelClient)
        state_.FiguresHavePoints = figuresHavePoints_;
    if (state_.Mode == PlayMode::Computer || state_.Mode == PlayMode::DuelHost) {
        const std::unique_ptr<RandomSource> random = services_.newRandom();
        Shuffle(state_, *random);
        OpeningDeal(state_);
    } else if ((state_.Mode == PlayMode::DuelClient && !awaitingFirstDeal_) ||
               state_.Mode == PlayMode::TablePosition1) {
        // The deck came with the deal; seat 1 of the game receives second.
        ClientOpeningDeal(state_);
    } else if (state_.Mode == PlayMode::TablePosition2) {
        OpeningDeal(state_);
    }
    state_.Mover = TurnOf(FirstMover(state_));
    ResetGameFields(state_);
    state_.BeginState = Dealt;
    state_.ShownScore = state_.BaseScore + state_.PointsLead;

    screen_ = Screen::Table;
    outbox_.emplace_back(match_event::ShowScreen{Screen::Table});
    if (awaitingFirstDeal_) {
        state_.TableActive = false;
        outbox_.emplace_back(match_event::AwaitingDeal{});
        EmitButtons();
        return;
    }
    if (state_.Mode == PlayMode::DuelHost)
        outbox_.emplace_back(match_event::HostDealt{});
    state_.TableActive = true;
    if (observer_ != nullptr)
        observer_->GameDealt(state_);
    out.push_back(PanelsSnapshotOf(state_));
    out.push_back(TableSnapshot(state_));
    out.push_back(HandSnapshot(state_, OpponentSeat, false));
    out.push_back(HandSnapshot(state_, LocalSeat, true));
    out.push_back(event::RedrawStock{state_.StockLeft});
    out.push_back(event::PlaySound{Effect::Shuffle, false});
    Emit(out);
    helpTopic_ = HelpDealt;
    EmitButtons();
}

bool Match::Tick() {
    if (!state_.TableActive || state_.BeginState != UnderWay || state_.GameOver)
        return false;
    Outbox out;
    const bool stepped = GameTick(state_, players_, out);
    Emit(out);
    EmitButtons();
    return stepped;
}

void Match::PressStart() {
    if (!Buttons().start.enabled)
        return;
    if (state_.GameOver)
        DealGame();
    else if (state_.BeginState == Dealt)
        Apply(LocalSeat, Move::Begin());
    else
        Apply(LocalSeat, Move::Take()); // "Take" is enabled only for a legal capture
}

bool Match::Apply(Seat seat, const Move& move) {
    Outbox out;
    if (!state_.TableActive || !ApplyMove(state_, seat, move, out))
        return false;
    if (move.kind == Move::Kind::Begin)
        helpTopic_ = HelpUnderWay;
    Emit(out);
    EmitButtons();
    return true;
}

bool Match::PeerMove(const Move& move) {
    return players_[OpponentSeat] == Player::Peer && Apply(OpponentSeat, move);
}

bool Match::PeerDeal(const OneBased<CardSlot, DeckSize>& deck, bool figuresHavePoints) {
    if (state_.Mode != PlayMode::DuelClient || screen_ != Screen::Table || peerGone_ ||
        !(awaitingFirstDeal_ || state_.GameOver))
        return false;
    // The first deal of the match was counted when the match started.
    if (std::exchange(awaitingFirstDeal_, false))
        countNextGame_ = false;
    state_.Deck = deck;
    state_.FiguresHavePoints = figuresHavePoints;
    DealGame();
    return true;
}

bool Match::PeerBegin(Seat leader) {
    if (!PeerMove(Move::Begin()))
        return false;
    state_.Mover = TurnOf(leader);
    EmitButtons();
    return true;
}

bool Match::PeerLeft() {
    if (!IsNetworkDuel(state_.Mode) || screen_ != Screen::Table || peerGone_)
        return false;
    peerGone_ = true;
    EmitButtons();
    return !state_.GameOver;
}

void Match::TableDeal(PlayMode mode, const OneBased<CardSlot, DeckSize>& deck, bool newMatch,
                      const std::string& nick) {
    if (!IsOnlineTable(mode) || awaitingTableResult_)
        return;
    SetPlayMode(mode);
    if (newMatch || screen_ != Screen::Table) {
        StartMatchRecord(OnlineTableSlot, MemberRecord{nick, 0.0, 0, 0, {}});
        tableStartScore_.reset();
    }
    state_.Deck = deck;
    DealGame();
}

// The tournament's record stands for a member's: its games, its score as
// the base and its rating.
void Match::TableRecordBefore(const TablePlayer& before) {
    if (!IsOnlineTable(state_.Mode) || awaitingTableResult_)
        return;
    state_.GameCounter = before.games;
    state_.BaseScore = before.score;
    state_.ShownScore = state_.BaseScore + state_.PointsLead;
    rating_ = before.rating;
    tableStartScore_ = before.score;
}

void Match::TableGameClosed() {
    if (!IsOnlineTable(state_.Mode) || screen_ != Screen::Table || !state_.TableActive ||
        awaitingTableResult_)
        return;
    if (!state_.GameOver) {
        state_.GameOver = true;
        state_.Mover = Turn::TimedOut;
    }
    state_.Buttons = {};
    state_.Buttons.exitToMenu = true;
    EmitButtons();
}

void Match::TableResultRead(const std::optional<TablePlayer>& now) {
    if (!std::exchange(awaitingTableResult_, false))
        return;
    // Without both of the server's records the match's own lead is what it
    // gained.
    pointsGained_ = now && tableStartScore_ ? now->score - *tableStartScore_ : state_.PointsLead;
    if (now)
        rating_ = now->rating;
    RecordLeftMatch();
}

std::string Match::OpponentName() const {
    if (!IsNetworkDuel(state_.Mode) && !IsOnlineTable(state_.Mode))
        return "PC";
    return peerName_.substr(0, peerName_.find_last_not_of(' ') + 1);
}

void Match::LeaveInterruptedGame() {
    if (screen_ != Screen::Table)
        return;
    awaitingFirstDeal_ = false;
    ShowMenu();
}

void Match::PressSecond() {
    if (!Buttons().second.enabled)
        return;
    if (state_.GameOver && IsOnlineTable(state_.Mode)) {
        // The table hears of the end and the tournament's record is read
        // before the match is recorded.
        state_.Buttons.exitToMenu = false;
        EmitButtons();
        awaitingTableResult_ = true;
        outbox_.emplace_back(match_event::TableGameEnds{});
        return;
    }
    if (state_.GameOver) {
        LeaveAfterGame();
        return;
    }
    ClickPanel();
}

void Match::ClickPanel() {
    if (!state_.TableActive)
        return;
    state_.PanelView = state_.PanelView == 1 ? 2 : 1;
    Outbox out{PanelsSnapshotOf(state_)};
    Emit(out);
}

void Match::ClickHand(int place, MouseButton button) {
    if (!state_.TableActive || place < 1 || place > HandPlaces ||
        state_.Hand[LocalSeat][place].IsEmpty())
        return;
    if (button == MouseButton::Right) {
        outbox_.emplace_back(match_event::SpeakCard{state_.Hand[LocalSeat][place].code});
        return;
    }
    if (PointerOverHand(place) != Pointer::Hand)
        return;
    state_.PickedHandSlot = state_.PickedHandSlot == place ? 0 : static_cast<std::uint8_t>(place);
    state_.PickedCanTake =
        state_.PickedHandSlot != 0 &&
        FindCapture(state_.Hand[LocalSeat], state_.Table, state_.FiguresHavePoints)
            .capturing.Contains(place);
    Outbox out{HandSnapshot(state_, LocalSeat, true)};
    Emit(out);
}

Pointer Match::PointerOverHand(int place) const {
    const bool mayPick = PersonsTurn() && !CardWaitsInCaptureArea() && place >= 1 &&
                         place <= HandPlaces && !state_.Hand[LocalSeat][place].IsEmpty() &&
                         (state_.PickedHandSlot == 0 || state_.PickedHandSlot == place);
    return mayPick ? Pointer::Hand : Pointer::Normal;
}

Pointer Match::PointerOverTable(int place) const {
    if (!PersonsTurn() || place < 1 || place > CaptureArea)
        return Pointer::Normal;
    const bool empty = state_.Table[place].IsEmpty();
    const bool mayPlay = state_.PickedHandSlot != 0 && empty && !CardWaitsInCaptureArea() &&
                         (place <= TablePlaces || state_.PickedCanTake);
    const bool maySelect = CardWaitsInCaptureArea() && place <= TablePlaces && !empty;
    return mayPlay || maySelect ? Pointer::Hand : Pointer::Normal;
}

void Match::ClickTable(int place, MouseButton button) {
    if (!state_.TableActive || place < 1 || place > CaptureArea)
        return;
    const bool occupied = !state_.Table[place].IsEmpty();
    if (button == MouseButton::Right && occupied) {
        outbox_.emplace_back(match_event::SpeakCard{state_.Table[place].code});
        return;
    }
    if (PointerOverTable(place) != Pointer::Hand)
        return;
    Apply(LocalSeat, occupied ? Move::Toggle(place) : Move::Play(state_.PickedHandSlot, place));
}

// --- Leaving

void Match::EmitRecord(RecordEffect effect, RecordStep step) {
    pendingRecord_ = step;
    outbox_.emplace_back(match_event::Record{std::move(effect)});
}

void Match::RecordDone(const RecordOutcome& outcome) {
    if (pendingRecord_ == RecordStep::RatedBooking)
        return; // no record effect is out
    const RecordStep step = std::exchange(pendingRecord_, RecordStep::None);
    if (step == RecordStep::None)
        return;
    const bool failed = outcome.status == WriteStatus::Failed;
    if (failed)
        outbox_.emplace_back(match_event::RecordFailure{
            step == RecordStep::History ? match_event::RecordFailure::What::History
                                        : match_event::RecordFailure::What::RecordFile});
    switch (step) {
    case RecordStep::None:
    case RecordStep::Forfeit:
    case RecordStep::RatedBooking:
        break;
    case RecordStep::History:
        StoreResultOrShowMenu();
        break;
    case RecordStep::Result:
        if (state_.GameCounter % CycleGames == 0) {
            outbox_.emplace_back(
                Event{event::PlaySound{OutcomeSound(OutcomeOfPlace(outcome.topTenPlace)), false}});
            outbox_.emplace_back(match_event::EndOfCycle{outcome, state_.ShownScore});
        }
        ShowMenu();
        break;
    case RecordStep::ForfeitThenMenu:
        ShowMenu();
        break;
    case RecordStep::Rename:
        if (failed)
            break;
        // The renamed member may stand at another place, or have left the club.
        SetPlayer(outcome.status != WriteStatus::Written ? playerSlot_
                  : outcome.clubSlot > 0                 ? MemberSlot(outcome.clubSlot)
                                                         : NewPlayerSlot,
                  pendingName_, pendingPassword_);
        outbox_.emplace_back(match_event::NameChanged{});
        break;
    }
}

void Match::RenamePlayer(const std::string& name, const std::string& password) {
    pendingName_ = name;
    pendingPassword_ = EncodePassword(password);
    if (IsMember(playerSlot_)) {
        EmitRecord(record_effect::RenameMember{RecordKind(), SlotNumber(playerSlot_), playerName_,
                                               name, password},
                   RecordStep::Rename);
        return;
    }
    SetPlayer(playerSlot_, pendingName_, pendingPassword_);
    outbox_.emplace_back(match_event::NameChanged{});
}

// Leaving after a game: the history line, then (outside online play and
// rated series) the stored result, each waiting for its outcome.
// A rated series first waits for the web server to book it: the rating
// is the one the server's statistics give.
void Match::LeaveAfterGame() {
    pointsGained_ = state_.PointsLead;
    if (state_.RatedSeries) {
        outbox_.emplace_back(match_event::LeavingTable{});
        pendingRecord_ = RecordStep::RatedBooking;
        outbox_.emplace_back(match_event::RatedMatchEnded{state_.PointsLead, state_.ShownScore});
        return;
    }
    rating_ = RatingAfterMatch(rating_, state_.GameCounter, state_.GamesAtTable, state_.PointsLead);
    RecordLeftMatch();
}

void Match::RecordLeftMatch() {
    outbox_.emplace_back(match_event::LeavingTable{});
    WriteHistoryLine();
}

void Match::RatedMatchBooked(std::optional<double> rating) {
    if (pendingRecord_ != RecordStep::RatedBooking)
        return;
    pendingRecord_ = RecordStep::None;
    if (rating && std::isfinite(*rating))
        rating_ = *rating;
    WriteHistoryLine();
}

void Match::WriteHistoryLine() {
    // A table game's line names both players.
    constexpr std::size_t TableNamesMax = 51;
    const std::string name = IsOnlineTable(state_.Mode)
                                 ? (playerName_ + "/" + OpponentName()).substr(0, TableNamesMax)
                                 : playerName_;
    const HisStr entry{name, state_.GamesAtTable, pointsGained_, rating_,
                       KindOf(state_.Mode, state_.RatedSeries)};
    const auto [time, date] = services_.now();
    EmitRecord(record_effect::WriteHistory{entry, time, date}, RecordStep::History);
}

void Match::StoreResultOrShowMenu() {
    const int lead = state_.PointsLead;
    const bool cycleEnds = state_.GameCounter % CycleGames == 0;
    if (!cycleEnds && lead != 0)
        outbox_.emplace_back(
            Event{event::PlaySound{lead > 0 ? Effect::MatchGood : Effect::MatchBad, false}});
    if (IsOnlineTable(state_.Mode) || state_.RatedSeries) {
        ShowMenu();
        return;
    }
    const GameResult result{SlotNumber(playerSlot_), playerName_,       rating_,
                            state_.GameCounter,      state_.ShownScore, encodedPassword_};
    EmitRecord(record_effect::StoreResult{RecordKind(), result}, RecordStep::Result);
}

bool Match::RequestQuitToMenu() {
    outbox_.emplace_back(Event{event::PlaySound{Effect::OpenForm, false}});
    return screen_ == Screen::Table && !AwaitsRatedBooking();
}

// A rated series being booked has left the table already.
void Match::QuitToMenu() {
    if (screen_ == Screen::Table && !AwaitsRatedBooking())
        ForfeitMember(RecordStep::ForfeitThenMenu);
}

void Match::Close() {
    if (screen_ == Screen::Table)
        ForfeitMember(RecordStep::Forfeit);
}

// Leaving a running game forfeits a club member's record; a new player has
// none to lose.
void Match::ForfeitMember(RecordStep step) {
    if (IsMember(playerSlot_) && !IsOnlineTable(state_.Mode)) {
        EmitRecord(record_effect::RemoveMember{RecordKind(), SlotNumber(playerSlot_), playerName_},
                   step);
        return;
    }
    if (step == RecordStep::ForfeitThenMenu)
        ShowMenu();
}

MatchOutbox TakeOutboxRunningRecords(Match& match, RecordStore& records) {
    MatchOutbox played;
    for (MatchOutbox next = match.TakeOutbox(); !next.empty(); next = match.TakeOutbox()) {
        for (MatchEvent& e : next) {
            if (const auto* record = std::get_if<match_event::Record>(&e))
                match.RecordDone(RunRecordEffect(records, record->effect));
            played.push_back(std::move(e));
        }
    }
    return played;
}

} // namespace tavlira
