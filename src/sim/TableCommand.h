#pragma once
// tavlira-sim table: a headless seat at a tournament table. It connects to
// the table server, takes its seat, and plays each game with the computer
// opponent's choices, through the same checks as any seat (TableSeatGame).
//   tavlira-sim table --server ADDRESS:BASEPORT --table T --seat S [--games N]
//                     [--stall-after M] [--leave-after M]
// Table T is served on BASEPORT + T. Seat 2 waits for seat 1: a connection
// the server closes before the deal is tried again, for up to a minute. For
// tests of the server, --stall-after M falls silent after M own moves of
// each game and --leave-after M leaves the table after them.
// Prints key=value lines: games, won, lost, drawn; ends.timeout and
// ends.left (games won because the opponent's clock ran out or it left),
// ends.closed (games the server closed against this seat); points.own and
// points.opponent of the games played out; frames.sent and
// messages.received.

#include <ostream>
#include <string>
#include <vector>

namespace tavlira::sim {

void TableCommand(const std::vector<std::string>& args, std::ostream& out);

} // namespace tavlira::sim
