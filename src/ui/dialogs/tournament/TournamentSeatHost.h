#pragma once
// What the lobby needs from the window's table socket. The lobby decides who
// sits where; the window owns the connection to the table server and plays
// the game on it.

#include <QString>
#include <QtGlobal>

namespace tavlira {

class TournamentSeatHost {
  public:
    // A seat was taken: connect to the table server at `host`:`port` and,
    // once connected, announce `seat` of `table`.
    virtual void ConnectSeat(const QString& host, quint16 port, int table, int seat) = 0;
    // The seat was left or given up: tell the table server ("disA") and close
    // the connection. Harmless when no connection is open.
    virtual void LeaveSeat() = 0;
    // Whether the table connection failed since the last call; reading it
    // clears it.
    virtual bool TakeSocketError() = 0;

    virtual ~TournamentSeatHost() = default;
};

} // namespace tavlira
