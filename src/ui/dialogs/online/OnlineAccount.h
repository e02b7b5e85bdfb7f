#pragma once
// The player's account in the club on the web server, as long as the game
// runs: whether it is logged in (and plays for the world rating), its record,
// its game statistics and place, and the club's size. It carries out the
// account's requests in their order (logging in reads the account, then the
// statistics, the place, the club size and the profile) and tells its
// watchers when anything changed.

#include "online/Account.h"
#include "online/World.h"
#include "online/qt/WebServices.h"
#include "ui/menu/StatsBoard.h"

#include <QObject>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

namespace tavlira {

class OnlineAccount : public QObject {
    Q_OBJECT

  public:
    // `familyFolder` holds the remembered account (records/OnlineFiles.h).
    OnlineAccount(WebServices& services, std::filesystem::path familyFolder,
                  QObject* parent = nullptr);

    WebServices& Services() { return services; }
    const std::filesystem::path& FamilyFolder() const { return familyFolder; }

    AccountState State() const { return state; }
    bool LoggedIn() const { return state != AccountState::LoggedOut; }
    // The record of the logged-in account (the nick and password as they
    // travel); the last one typed while logged out.
    const online::Account& Record() const { return record; }
    // Read since the last log-in; nothing when the read failed.
    const std::optional<online::GameStats>& Stats() const { return stats; }
    const std::optional<std::int64_t>& Place() const { return place; }
    const std::optional<std::int64_t>& ClubSize() const { return clubSize; }
    const std::optional<online::Profile>& Profile() const { return profile; }

    // "Play global rating": state 3 instead of 2 while logged in.
    void SetRated(bool rated);

    using Done = std::function<void(bool done)>;
    // Reads the account with `nick` and `password`; on success the account is
    // logged in and its statistics, place, club size and profile follow.
    void LogIn(const std::string& nick, const std::string& password, bool rated, Done done);
    // Logs in with the remembered account, when there is one.
    void LogInRemembered(Done done);
    // Creates `account` (its date is set to today); on success it is logged
    // in as LogIn does.
    void Create(online::Account account, bool rated,
                std::function<void(online::CreateResult)> done);
    void SignOut();

    // The reads that follow a log-in, each on its own as well.
    void ReadStats(Done done);
    void ReadPlace(Done done);
    void ReadClubSize(Done done);
    void ReadProfile(Done done);
    void ReadPoints(Done done);
    // The statistics as rated play last read or wrote them.
    void KeepStats(const online::GameStats& kept);

  signals:
    void Changed();

  private:
    void Enter(const online::Account& account, bool rated);
    void ReadAfterLogIn(Done done);

    WebServices& services;
    std::filesystem::path familyFolder;
    AccountState state = AccountState::LoggedOut;
    online::Account record;
    std::optional<online::GameStats> stats;
    std::optional<std::int64_t> place;
    std::optional<std::int64_t> clubSize;
    std::optional<online::Profile> profile;
};

} // namespace tavlira
