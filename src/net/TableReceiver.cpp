#include "net/TableReceiver.h"

namespace tavlira::net {

void TableReceiver::Feed(std::string_view bytes) {
    if (fault_)
        return;
    pending_.erase(0, handled_);
    handled_ = 0;
    if (pending_.size() + bytes.size() > BufferLimit) {
        Stop(DuelFault::BufferOverflow);
        return;
    }
    pending_ += bytes;
}

// A seat receives the deal, moves, chat and the server's own frames; the
// server receives the seat's frames.
bool TableReceiver::Receives(const FramePayload& payload) const {
    const bool both = std::holds_alternative<MoveFrame>(payload) ||
                      std::holds_alternative<TableChat>(payload) ||
                      std::holds_alternative<TimeOutFrame>(payload);
    if (end_ == TableEnd::Seat)
        return both || std::holds_alternative<ClosedFrame>(payload) ||
               std::holds_alternative<LeftFrame>(payload);
    return both || std::holds_alternative<ConnectFrame>(payload) ||
           std::holds_alternative<LeaveFrame>(payload) ||
           std::holds_alternative<ResultFrame>(payload);
}

TableReceived TableReceiver::Next() {
    if (fault_)
        return Disconnect{*fault_};
    const std::string_view rest = std::string_view(pending_).substr(handled_);
    if (rest.empty())
        return NeedMore{};
    if (rest[0] == 'b' && end_ == TableEnd::Seat) {
        if (rest.size() < TableDealSize)
            return NeedMore{};
        handled_ += TableDealSize;
        Decoded<TableDeal> deal = DecodeTableDeal(rest.substr(0, TableDealSize));
        if (const DuelFault* fault = std::get_if<DuelFault>(&deal))
            return Stop(*fault);
        return TableMessage(std::get<TableDeal>(deal));
    }
    if (rest.size() < FrameSize)
        return NeedMore{};
    handled_ += FrameSize;
    Decoded<TableFrame> frame = DecodeFrame(rest.substr(0, FrameSize));
    if (const DuelFault* fault = std::get_if<DuelFault>(&frame))
        return Stop(*fault);
    TableFrame& decoded = std::get<TableFrame>(frame);
    if (!Receives(decoded.payload))
        return Stop(DuelFault::Unexpected);
    return TableMessage(std::move(decoded));
}

TableReceived TableReceiver::Stop(DuelFault fault) {
    fault_ = fault;
    pending_.clear();
    handled_ = 0;
    return Disconnect{fault};
}

} // namespace tavlira::net
