#pragma once
// Rated play of the logged-in account against the computer, kept in step
// with the account's game statistics on the web server.
//
// Before a match the server's copy is charged as if the match were lost,
// so that a match never finished counts against the player; a failed write
// is tried twice more, after 2 and then 3 seconds, without holding up the
// window. After the match the result is booked; when that fails the player
// is asked whether to try again, until it works or the answer is No. A match
// that completed a world cycle of 20 games sends the cycle's score to the
// account players' board, and a place among the first ten earns club points.

#include "online/World.h"

#include <QObject>
#include <QString>
#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>

namespace tavlira {

class OnlineAccount;

class RatedSeries : public QObject {
    Q_OBJECT

  public:
    struct Hooks {
        // A write of the statistics failed and will be tried again.
        std::function<void()> writeFailed;
        // Yes/No: the question, "Repeat?" included.
        std::function<bool(const QString& question)> askRepeat;
    };
    RatedSeries(OnlineAccount& account, Hooks hooks, QObject* parent = nullptr);

    // The waits before the second and the third try of the start's write.
    void SetRetryDelays(std::chrono::milliseconds second, std::chrono::milliseconds third);

    // Charges the account for a match. `started` gets the statistics as they
    // were before the charge (the match goes on from them), or nothing when
    // they could not be read or written: the account is then logged out.
    using Started = std::function<void(const std::optional<online::GameStats>&)>;
    void Start(Started started);

    struct Booking {
        std::optional<double> rating;      // the account's new rating, when booked
        bool cycleComplete = false;        // the match closed a world cycle
        std::optional<std::int64_t> place; // the cycle's place on the board, when sent
        int pointsAwarded = 0;             // club points the place earned
    };
    // Books a finished match with its result (won > 0) and the cycle's
    // score. Afterwards the account plays no longer for the rating.
    using Booked = std::function<void(const Booking&)>;
    void Finish(int result, int matchScore, Booked booked);

  private:
    void WriteStart(const online::GameStats& before, int triesLeft, Started started);
    void Book(int result, int matchScore, Booked booked);
    void SendCycle(int matchScore, Booking booking, Booked booked);
    void AwardPlace(Booking booking, Booked booked);
    void Done(const Booking& booking, const Booked& booked);

    OnlineAccount& account;
    Hooks hooks;
    std::chrono::milliseconds secondTry{2000};
    std::chrono::milliseconds thirdTry{3000};
};

// Club points for a place on the account players' board: 25 for the first,
// 10 for the second to the tenth, none else.
int PointsForPlace(std::int64_t place);

} // namespace tavlira
