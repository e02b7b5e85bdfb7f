#include "net/TableSeatGame.h"

#include "game/Computer.h"
#include "game/Play.h"

namespace tavlira::net {

std::string TableSeatGame::ConnectFrameBytes() const {
    return Encode(TableFrame{ConnectFrame{self_}, self_});
}

SeatEvent TableSeatGame::Next() {
    if (fault_)
        return Disconnect{*fault_};
    TableReceived next = receiver_.Next();
    if (std::holds_alternative<NeedMore>(next))
        return NeedMore{};
    if (const auto* end = std::get_if<Disconnect>(&next))
        return Stop(end->fault);
    const TableMessage& message = std::get<TableMessage>(next);
    if (const auto* deal = std::get_if<TableDeal>(&message)) {
        if (running_)
            return Stop(DuelFault::Unexpected);
        game_ = GameState{};
        game_.GameCounter = 1;
        confirmed_ = false;
        StartTableGame(game_, *deal, self_);
        running_ = true;
        return GameDealt{};
    }
    return Handle(std::get<TableFrame>(message));
}

SeatEvent TableSeatGame::Handle(const TableFrame& frame) {
    const TableSeat other = OtherTableSeat(self_);
    if (const auto* chat = std::get_if<TableChat>(&frame.payload))
        return ChatArrived{chat->text};
    if (!running_)
        return Stop(DuelFault::Unexpected);
    if (const auto* moved = std::get_if<MoveFrame>(&frame.payload)) {
        if (frame.seat != other)
            return Stop(DuelFault::WrongRole);
        if (!TableMoveIsLegal(game_, self_, other, moved->move))
            return Stop(DuelFault::IllegalMove);
        Outbox out;
        ApplyMove(game_, OpponentSeat, moved->move, out);
        SettleTableGame(game_, out);
        return OpponentMoved{moved->move};
    }
    running_ = false;
    if (std::holds_alternative<LeftFrame>(frame.payload))
        return GameClosed{GameClosed::Why::OpponentLeft};
    if (std::holds_alternative<TimeOutFrame>(frame.payload))
        return GameClosed{GameClosed::Why::OpponentTimedOut};
    return GameClosed{GameClosed::Why::Closed};
}

SeatEvent TableSeatGame::Stop(DuelFault fault) {
    fault_ = fault;
    running_ = false;
    return Disconnect{fault};
}

std::optional<std::string> TableSeatGame::Play(const Move& move) {
    if (!running_ || !TableMoveIsLegal(game_, self_, self_, move))
        return std::nullopt;
    Outbox out;
    ApplyMove(game_, LocalSeat, move, out);
    SettleTableGame(game_, out);
    return Encode(TableFrame{MoveFrame{move}, self_});
}

std::optional<std::string> TableSeatGame::ConfirmEnd() {
    if (!running_ || !game_.GameOver || self_ != TableSeat::First || confirmed_)
        return std::nullopt;
    confirmed_ = true;
    return Encode(TableFrame{ResultFrame{SeatOneResult(game_, self_)}, self_});
}

std::string TableSeatGame::ChatFrame(std::string_view text) const {
    return Encode(TableFrame{TableChat{std::string(text)}, self_});
}

std::vector<Move> TableSeatGame::ComputerChoice() const {
    if (!running_)
        return {};
    if (game_.BeginState == Dealt)
        return self_ == TableSeat::First ? std::vector<Move>{Move::Begin()} : std::vector<Move>{};
    GameState trial = game_;
    Outbox out;
    ComputerTurn(trial, LocalSeat, out);
    std::vector<Move> moves;
    for (const Event& e : out)
        if (const auto* made = std::get_if<event::MoveMade>(&e); made && made->seat == LocalSeat)
            moves.push_back(made->move);
    return moves;
}

} // namespace tavlira::net
