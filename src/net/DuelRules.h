#pragma once
// What a duel adds to the game's own rules: the deal crossing the wire, and
// which seat leads each game.
//
// Who leads: the host's game counter decides, by the game's own rule (the
// host's seat 2 leads its odd-numbered games, FirstMover), and the host names
// the leader, by role, in every begin frame ("hbegin#1" the host leads,
// "hbegin#2" the client). The client leads or waits as named. The two game
// counters come from two players' records and may differ in parity; taking
// the leader from one side keeps both machines naming the same person in
// every game all the same.
//
// Peers that name no leader: a host that sends "hbegin##" leaves the client
// to its own counter, swapped (FirstMover on the client), and a client that
// reads only "hbegin" does the same; either agrees with us whenever the two
// counters have the same parity, which is all such a peer can promise. The
// frame keeps its eight bytes, and the named leader sits in a byte such a
// peer never reads.

#include "game/GameState.h"
#include "game/Move.h"
#include "net/DuelMessages.h"

#include <string>

namespace tavlira::net {

// The deal message of the game the host has just dealt (deck and flag).
DealMessage DealOf(const GameState& host);

// The client's opening deal of a received deck: deck cards 1..4 are its own
// hand (seat 2), 5..8 the host's (seat 1), 9..12 go to the table, the rest
// stay in the stock. Court card values come with the deck.
void DealReceived(GameState& client, const DealMessage& deal);

// The seat that leads on the client once the host's begin frame arrived.
Seat ClientLeader(const GameState& client, const BeginFrame& begin);

// The bytes that tell the peer about a move this machine's person made, with
// `state` as it stands after the move; a begin names the seat to move.
std::string EncodeLocalMove(const Move& move, const GameState& state, DuelRole self);

} // namespace tavlira::net
