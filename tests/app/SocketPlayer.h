#pragma once
// A duel machine with its socket, for tests over 127.0.0.1: the window's
// part is played here, each step of the link taken, its outbox sent, the
// socket flushed.

#include "app/DuelSocket.h"
#include "duel/DuelMachine.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <functional>

namespace tavlira::testing {

// Runs the event loop until `done`, or fails after half a minute: long
// enough for a loaded machine, short enough to end a hung test.
inline bool RunUntil(const std::function<bool()>& done, int milliseconds = 30000) {
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > milliseconds)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    return true;
}

struct SocketPlayer {
    SocketPlayer(net::DuelRole role, const std::string& name, int games, std::uint32_t seed)
        : machine(role, name, games, seed), socket(role, name) {
        // The socket makes a fresh link for every connection.
        QObject::connect(&socket, &DuelSocket::Opened, [this] { machine.link = &socket.Link(); });
        QObject::connect(&socket, &DuelSocket::Ended, [this] {
            ++ended;
            machine.link = &socket.Link();
        });
    }

    // Returns the step that was not a game step.
    DuelLink::Step Settle() {
        machine.link = &socket.Link();
        DuelLink::Step step = machine.Settle();
        if (std::holds_alternative<DuelLink::Ended>(step))
            socket.EndConnection();
        else
            socket.Flush();
        machine.link = &socket.Link();
        return step;
    }

    DuelMachine machine;
    DuelSocket socket;
    int ended = 0;
};

} // namespace tavlira::testing
