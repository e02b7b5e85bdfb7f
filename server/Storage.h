#pragma once
// Everything the server keeps, behind one interface: accounts with their
// password hashes, profiles, photos, club points, the accounts' game
// statistics, the record boards (results and the chat board), the world
// statistics, the tournament results and the seats of the ten tables.
// Texts are code page 1251 here, as in the rest of the core; the database
// holds them as UTF-8.

#include "online/Account.h"
#include "online/RatedPlay.h"
#include "online/Tournament.h"
#include "online/World.h"

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace tavlira::server {

class Database;

struct StoredAccount {
    online::Account account; // Pw left empty
    std::string passwordHash;
};

// A seat as the server keeps it: the occupant and the address it sat from.
struct Seat {
    online::TableClient client; // Nick "X" when empty
    std::string address;
};

class Storage {
  public:
    virtual ~Storage() = default;

    // Accounts. CreateAccount is false when the nick is taken.
    virtual bool CreateAccount(const online::Account& account, const std::string& hash) = 0;
    virtual std::optional<StoredAccount> FindAccount(const std::string& nick) = 0;
    virtual int CountAccounts() = 0;
    virtual std::optional<online::Profile> ReadProfile(const std::string& nick) = 0;
    virtual void SaveProfile(const std::string& nick, const online::Profile& profile) = 0;
    // Points a player earned with a world place and has not collected yet.
    virtual void SetAward(const std::string& nick, int points) = 0;
    // Adds the award to the balance when it is exactly `points`; false when
    // there is no such award to collect.
    virtual bool CollectAward(const std::string& nick, int points) = 0;
    virtual void SavePhoto(const std::string& nick, const std::string& jpeg) = 0;
    virtual std::optional<std::string> ReadPhoto(const std::string& nick) = 0;

    // The accounts' game statistics, with the rated match under way, and
    // their ranking by rating. A standing is replaced only while the stored
    // one still has `expected`'s game count and open match, so that of two
    // writes racing from one standing only the first lands; false when it
    // did not.
    virtual online::RatedStanding ReadRatedStanding(const std::string& nick) = 0;
    virtual bool ReplaceRatedStanding(const std::string& nick,
                                      const online::RatedStanding& expected,
                                      const online::RatedStanding& next) = 0;
    virtual std::vector<online::TopTenEntry> TopByRating(int limit) = 0;
    virtual int PlaceByRating(double rating) = 0;

    // Record boards. AddRecord returns the new row's id; on a numbered board
    // (the chat) the score becomes the board's next message number.
    virtual int AddRecord(online::RecordRow row, bool numbered) = 0;
    virtual std::vector<online::RecordRow> Board(int gid, int limit) = 0;
    virtual int CountRecords(int gid) = 0;
    virtual int PlaceOfRecord(int gid, int id) = 0;
    // The rows around the best record of `nick` (up to `around` either side).
    virtual std::vector<online::RecordRow> OwnRecords(int gid, const std::string& nick,
                                                      int around) = 0;

    // World statistics.
    virtual online::WorldStats ReadStats(int gid) = 0;
    virtual void CountStart(int gid, int starts, int uniqueStarts) = 0;
    // False when this nick has liked the game before.
    virtual bool AddLike(int gid, const std::string& nick) = 0;
    virtual void AddFigures(int gid, const std::array<int, 12>& figures) = 0;

    // Tournament results.
    virtual online::TourRating ReadTourRating(const std::string& nick) = 0;
    virtual std::vector<online::RecordRow> TourTop(online::Ranking ranking, int limit) = 0;
    virtual int TourPlace(online::Ranking ranking, int value) = 0;
    // One table game of `nick` with its result: the score takes the result,
    // the games one more, and the rating (games won) one more for a win.
    virtual void BookTourGame(const std::string& nick, int result) = 0;

    // Seats of the tables (1..10, seat 1 or 2).
    virtual Seat ReadSeat(int table, int seat) = 0;
    // Takes an empty seat for `client`; seat 2 only while seat 1 is taken,
    // and never for a nick already seated anywhere. False when refused.
    virtual bool TakeSeat(int table, int seat, const Seat& occupant) = 0;
    virtual void ClearSeat(int table, int seat) = 0;
};

// Creates or brings up to date the schema (versioned in schema_version)
// and returns the storage over it.
std::unique_ptr<Storage> OpenStorage(std::unique_ptr<Database> database);

} // namespace tavlira::server
