#pragma once
// `tavlira-sim duel`: a player without a window at one side of a network
// duel, speaking the duel protocol over TCP.
//
//   tavlira-sim duel --host PORT [--matches M] [--seed S] [--figures]
//                    [--counter N] [--timeout SECONDS]
//   tavlira-sim duel --join ADDR:PORT [--matches M] [--counter N] [--timeout SECONDS]
//
// The player plays member "Bot" of a scratch net file whose game counter
// starts at N (default 0): the host's counter decides who leads each game.
// It moves as the computer opponent chooses, by the clicks a person makes
// (a capture: the play to the capture area, one selection per table card,
// the take; else a lay-off to the first free place; else "No move"), so it
// sends exactly the messages a person's window sends, one send per step.
// The host deals with a shuffle seeded by S (random without it).
//
// A match lasts as long as the table buttons allow: the host starts the next
// game whenever it may, and both sides leave when they must. For M matches
// the host keeps its port open and takes the next caller once a match ends;
// the client joins again, waiting while the host refuses. At the end both
// sides print the same totals: matches=, games=, host.points=,
// client.points= and signature= (a hash of every card that flew and every
// "No move", seen from the host's seats). With --host 0 the port chosen by
// the system is printed first as port=.
//
// A peer that says nothing for SECONDS (default 120), stops in the middle
// of a message, sends what the duel does not allow, refuses, or leaves
// before the match ends is an error: one line on stderr, status 1. A caller
// that is not a duel peer and has not completed the handshake is only
// turned away; the host waits on for a proper one within the time-out.

#include <ostream>
#include <string>
#include <vector>

namespace tavlira::sim {

void DuelCommand(const std::vector<std::string>& args, std::ostream& out);

} // namespace tavlira::sim
