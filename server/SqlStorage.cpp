#include "Database.h"
#include "Storage.h"
#include "util/Cp1251.h"

#include <string_view>

namespace tavlira::server {
namespace {

using online::Account;
using online::GameStats;
using online::Profile;
using online::RecordRow;

// The schema, one script per version; {ID} and {BLOB} are the dialect's
// auto-numbered key and byte column. A new version is appended, never edited.
constexpr std::string_view Migrations[] = {
    R"(
CREATE TABLE IF NOT EXISTS accounts (
  nick TEXT PRIMARY KEY, pw_hash TEXT NOT NULL,
  city TEXT NOT NULL, country1 TEXT NOT NULL, country2 TEXT NOT NULL, sex TEXT NOT NULL,
  email TEXT NOT NULL, dater TEXT NOT NULL, r01 TEXT NOT NULL, r02 TEXT NOT NULL, r03 TEXT NOT NULL,
  r04 BIGINT NOT NULL DEFAULT 0, r05 BIGINT NOT NULL DEFAULT 0, r06 BIGINT NOT NULL DEFAULT 0,
  award BIGINT NOT NULL DEFAULT 0, profile TEXT, photo {BLOB});
CREATE TABLE IF NOT EXISTS game_stats (
  nick TEXT PRIMARY KEY REFERENCES accounts(nick), kon BIGINT NOT NULL, best BIGINT NOT NULL,
  rating DOUBLE PRECISION NOT NULL, sessions BIGINT NOT NULL, konl BIGINT NOT NULL,
  score BIGINT NOT NULL, r1 BIGINT NOT NULL, r2 TEXT NOT NULL);
CREATE INDEX IF NOT EXISTS game_stats_rating ON game_stats (rating DESC);
CREATE TABLE IF NOT EXISTS records (
  id {ID}, gid BIGINT NOT NULL, score BIGINT NOT NULL, nick TEXT NOT NULL, country TEXT NOT NULL,
  city TEXT NOT NULL, r07 TEXT NOT NULL, r08 TEXT NOT NULL, r09 TEXT NOT NULL, r10 TEXT NOT NULL);
CREATE INDEX IF NOT EXISTS records_board ON records (gid, score DESC, id);
CREATE INDEX IF NOT EXISTS records_nick ON records (gid, nick);
CREATE TABLE IF NOT EXISTS world_stats (
  gid BIGINT PRIMARY KEY, stat1 BIGINT NOT NULL DEFAULT 0, stat2 BIGINT NOT NULL DEFAULT 0,
  stat3 BIGINT NOT NULL DEFAULT 0, stat4 TEXT NOT NULL DEFAULT '#',
  x1 BIGINT NOT NULL DEFAULT 0, x2 BIGINT NOT NULL DEFAULT 0, x3 BIGINT NOT NULL DEFAULT 0,
  x4 BIGINT NOT NULL DEFAULT 0, x5 BIGINT NOT NULL DEFAULT 0, x6 BIGINT NOT NULL DEFAULT 0,
  x7 BIGINT NOT NULL DEFAULT 0, x8 BIGINT NOT NULL DEFAULT 0, x9 BIGINT NOT NULL DEFAULT 0,
  x10 BIGINT NOT NULL DEFAULT 0, x11 BIGINT NOT NULL DEFAULT 0, x12 BIGINT NOT NULL DEFAULT 0,
  staty BIGINT NOT NULL DEFAULT 0, statz TEXT NOT NULL DEFAULT '#');
CREATE TABLE IF NOT EXISTS likes (gid BIGINT NOT NULL, nick TEXT NOT NULL, PRIMARY KEY (gid, nick));
CREATE TABLE IF NOT EXISTS tour (
  nick TEXT PRIMARY KEY, score BIGINT NOT NULL DEFAULT 0, kon BIGINT NOT NULL DEFAULT 0,
  rating BIGINT NOT NULL DEFAULT 0);
CREATE TABLE IF NOT EXISTS seats (
  table_no BIGINT NOT NULL, seat BIGINT NOT NULL, nick TEXT, score BIGINT NOT NULL DEFAULT 0,
  kon BIGINT NOT NULL DEFAULT 0, rating BIGINT NOT NULL DEFAULT 0, country TEXT, city TEXT,
  sex TEXT, address TEXT, PRIMARY KEY (table_no, seat));
INSERT INTO seats (table_no, seat) VALUES (1,1),(1,2),(2,1),(2,2),(3,1),(3,2),(4,1),(4,2),
  (5,1),(5,2),(6,1),(6,2),(7,1),(7,2),(8,1),(8,2),(9,1),(9,2),(10,1),(10,2)
  ON CONFLICT DO NOTHING;
)",
    // The cycle game a rated match started from, -1 between matches.
    R"(
ALTER TABLE game_stats ADD COLUMN open_cycle_game BIGINT NOT NULL DEFAULT -1;
)",
};

std::string ForDialect(std::string_view script, Dialect dialect) {
    std::string out(script);
    const auto replace = [&](std::string_view what, std::string_view with) {
        for (std::size_t at; (at = out.find(what)) != std::string::npos;)
            out.replace(at, what.size(), with);
    };
    const bool sqlite = dialect == Dialect::Sqlite;
    replace("{ID}", sqlite ? "INTEGER PRIMARY KEY" : "BIGSERIAL PRIMARY KEY");
    replace("{BLOB}", sqlite ? "BLOB" : "BYTEA");
    return out;
}

// Texts cross into the database as UTF-8 and come back as code page 1251.
std::string Db(std::string_view cp1251) {
    return Cp1251ToUtf8(cp1251);
}
std::string Cp(const std::optional<std::string>& utf8, std::string_view empty = "") {
    return utf8 ? Utf8ToCp1251(*utf8) : std::string(empty);
}
std::int64_t Int(const std::optional<std::string>& text) {
    return text ? std::stoll(*text) : 0;
}
double Real(const std::optional<std::string>& text) {
    return text ? std::stod(*text) : 0;
}

// The profile's fourteen texts in one column, separated by a unit separator
// that no text holds.
constexpr char ProfileSeparator = '\x1F';
std::string JoinProfile(const Profile& p) {
    std::string out;
    for (const std::string* text :
         {&p.Name1, &p.Name2, &p.About, &p.Telephone, &p.EMailO, &p.Skype, &p.WebSite, &p.OK, &p.VK,
          &p.Telegram, &p.FaceBook, &p.Twitter, &p.Instagramm, &p.YouTube}) {
        if (!out.empty() || text != &p.Name1)
            out += ProfileSeparator;
        for (const char c : *text)
            out += c == ProfileSeparator ? '_' : c;
    }
    return out;
}
Profile SplitProfile(const std::string& joined) {
    Profile p;
    std::string* texts[] = {&p.Name1,    &p.Name2,   &p.About,      &p.Telephone, &p.EMailO,
                            &p.Skype,    &p.WebSite, &p.OK,         &p.VK,        &p.Telegram,
                            &p.FaceBook, &p.Twitter, &p.Instagramm, &p.YouTube};
    std::size_t n = 0, start = 0;
    while (n < 14) {
        const std::size_t end = joined.find(ProfileSeparator, start);
        *texts[n++] = joined.substr(start, end - start);
        if (end == std::string::npos)
            break;
        start = end + 1;
    }
    return p;
}

RecordRow RecordOf(const Row& r, int gid) {
    RecordRow row;
    row.RID = static_cast<int>(Int(r[0]));
    row.GID = gid;
    row.Score = static_cast<int>(Int(r[1]));
    row.Nick = Cp(r[2]);
    row.Country = Cp(r[3]);
    row.City = Cp(r[4]);
    row.R07 = Cp(r[5]);
    row.R08 = Cp(r[6]);
    row.R09 = Cp(r[7]);
    row.R10 = Cp(r[8]);
    return row;
}

std::string_view TourColumn(online::Ranking ranking) {
    switch (ranking) {
    case online::Ranking::Score:
        return "score";
    case online::Ranking::Rating:
        return "rating";
    case online::Ranking::Games:
        break;
    }
    return "kon";
}

class SqlStorage final : public Storage {
  public:
    explicit SqlStorage(std::unique_ptr<Database> db) : db_(std::move(db)) { Migrate(); }

    bool CreateAccount(const Account& a, const std::string& hash) override {
        const Rows rows = db_->Run(
            "INSERT INTO accounts (nick, pw_hash, city, country1, country2, sex, email, dater, "
            "r01, r02, r03, r04, r05, r06) VALUES ($1, $2, $3, $4, $5, $6, $7, $8, $9, $10, $11, "
            "$12, $13, $14) ON CONFLICT (nick) DO NOTHING RETURNING nick",
            {Db(a.Nick), hash, Db(a.City), Db(a.Country1), Db(a.Country2),
             Db(std::string(1, a.Sex)), Db(a.EMail), Db(a.DateR), Db(a.R01), Db(a.R02), Db(a.R03),
             std::int64_t{a.R04}, std::int64_t{a.R05}, std::int64_t{a.R06}});
        return !rows.empty();
    }

    std::optional<StoredAccount> FindAccount(const std::string& nick) override {
        const Rows rows = db_->Run("SELECT pw_hash, city, country1, country2, sex, email, dater, "
                                   "r01, r02, r03, r04, r05, r06 FROM accounts WHERE nick = $1",
                                   {Db(nick)});
        if (rows.empty())
            return std::nullopt;
        const Row& r = rows[0];
        StoredAccount stored;
        stored.passwordHash = r[0].value_or("");
        Account& a = stored.account;
        a.Nick = nick;
        a.City = Cp(r[1]);
        a.Country1 = Cp(r[2]);
        a.Country2 = Cp(r[3]);
        const std::string sex = Cp(r[4], "M");
        a.Sex = sex.empty() ? 'M' : sex[0];
        a.EMail = Cp(r[5]);
        a.DateR = Cp(r[6]);
        a.R01 = Cp(r[7]);
        a.R02 = Cp(r[8]);
        a.R03 = Cp(r[9]);
        a.R04 = static_cast<int>(Int(r[10]));
        a.R05 = static_cast<int>(Int(r[11]));
        a.R06 = static_cast<int>(Int(r[12]));
        return stored;
    }

    int CountAccounts() override {
        return static_cast<int>(Int(db_->Run("SELECT COUNT(*) FROM accounts")[0][0]));
    }

    std::optional<Profile> ReadProfile(const std::string& nick) override {
        const Rows rows = db_->Run("SELECT profile FROM accounts WHERE nick = $1", {Db(nick)});
        if (rows.empty())
            return std::nullopt;
        return SplitProfile(Cp(rows[0][0]));
    }

    void SaveProfile(const std::string& nick, const Profile& profile) override {
        db_->Run("UPDATE accounts SET profile = $2 WHERE nick = $1",
                 {Db(nick), Db(JoinProfile(profile))});
    }

    void SetAward(const std::string& nick, int points) override {
        db_->Run("UPDATE accounts SET award = $2 WHERE nick = $1",
                 {Db(nick), std::int64_t{points}});
    }

    bool CollectAward(const std::string& nick, int points) override {
        // One statement checks and clears the award, so it is collected once.
        const Rows rows = db_->Run("UPDATE accounts SET r04 = r04 + award, award = 0 "
                                   "WHERE nick = $1 AND award = $2 AND award > 0 RETURNING nick",
                                   {Db(nick), std::int64_t{points}});
        return !rows.empty();
    }

    void SavePhoto(const std::string& nick, const std::string& jpeg) override {
        db_->Run("UPDATE accounts SET photo = $2 WHERE nick = $1", {Db(nick), Blob{jpeg}});
    }

    std::optional<std::string> ReadPhoto(const std::string& nick) override {
        const Rows rows = db_->Run(
            "SELECT photo FROM accounts WHERE nick = $1 AND photo IS NOT NULL", {Db(nick)});
        if (rows.empty() || !rows[0][0])
            return std::nullopt;
        return rows[0][0];
    }

    online::RatedStanding ReadRatedStanding(const std::string& nick) override {
        const Rows rows =
            db_->Run("SELECT kon, best, rating, sessions, konl, score, r1, r2, open_cycle_game "
                     "FROM game_stats WHERE nick = $1",
                     {Db(nick)});
        online::RatedStanding standing;
        if (rows.empty())
            return standing;
        const Row& r = rows[0];
        GameStats& s = standing.stats;
        s.Kon = static_cast<int>(Int(r[0]));
        s.Best = static_cast<int>(Int(r[1]));
        s.Rating = Real(r[2]);
        s.Sessions = static_cast<int>(Int(r[3]));
        s.KonL = static_cast<int>(Int(r[4]));
        s.Score = static_cast<int>(Int(r[5]));
        s.R1 = static_cast<int>(Int(r[6]));
        s.R2 = Cp(r[7], "#");
        if (const std::int64_t open = Int(r[8]); open >= 0)
            standing.openCycleGame = static_cast<int>(open);
        return standing;
    }

    // A missing row counts as the empty standing (no games, no open match).
    bool ReplaceRatedStanding(const std::string& nick, const online::RatedStanding& expected,
                              const online::RatedStanding& next) override {
        const GameStats& s = next.stats;
        const Params values = {Db(nick),
                               std::int64_t{s.Kon},
                               std::int64_t{s.Best},
                               s.Rating,
                               std::int64_t{s.Sessions},
                               std::int64_t{s.KonL},
                               std::int64_t{s.Score},
                               std::int64_t{s.R1},
                               Db(s.R2),
                               std::int64_t{next.openCycleGame.value_or(-1)},
                               std::int64_t{expected.stats.Kon},
                               std::int64_t{expected.openCycleGame.value_or(-1)}};
        if (!db_->Run("UPDATE game_stats SET kon = $2, best = $3, rating = $4, sessions = $5, "
                      "konl = $6, score = $7, r1 = $8, r2 = $9, open_cycle_game = $10 "
                      "WHERE nick = $1 AND kon = $11 AND open_cycle_game = $12 RETURNING nick",
                      values)
                 .empty())
            return true;
        if (expected != online::RatedStanding{})
            return false;
        // The first step of an account: of two racing inserts one lands.
        return !db_->Run("INSERT INTO game_stats (nick, kon, best, rating, sessions, konl, score, "
                         "r1, r2, open_cycle_game) VALUES ($1, $2, $3, $4, $5, $6, $7, $8, $9, "
                         "$10) ON CONFLICT (nick) DO NOTHING RETURNING nick",
                         Params(values.begin(), values.begin() + 10))
                    .empty();
    }

    std::vector<online::TopTenEntry> TopByRating(int limit) override {
        std::vector<online::TopTenEntry> entries;
        for (const Row& r :
             db_->Run("SELECT a.nick, a.city, a.country1, a.country2, a.sex, g.rating "
                      "FROM game_stats g JOIN accounts a ON a.nick = g.nick "
                      "ORDER BY g.rating DESC, a.nick LIMIT $1",
                      {std::int64_t{limit}})) {
            const std::string sex = Cp(r[4], "M");
            entries.push_back(
                {Cp(r[0]), Cp(r[1]), Cp(r[2]), Cp(r[3]), sex.empty() ? 'M' : sex[0], Real(r[5])});
        }
        return entries;
    }

    int PlaceByRating(double rating) override {
        return 1 + static_cast<int>(Int(db_->Run(
                       "SELECT COUNT(*) FROM game_stats WHERE rating > $1", {rating})[0][0]));
    }

    int AddRecord(RecordRow row, bool numbered) override {
        const Params texts = {Db(row.Nick), Db(row.Country), Db(row.City), Db(row.R07),
                              Db(row.R08),  Db(row.R09),     Db(row.R10)};
        Params params = {std::int64_t{row.GID}};
        if (!numbered)
            params.emplace_back(std::int64_t{row.Score});
        params.insert(params.end(), texts.begin(), texts.end());
        // A numbered board takes the next number in the same statement that
        // stores the row.
        const Rows rows = db_->Run(
            numbered ? "INSERT INTO records (gid, score, nick, country, city, r07, r08, r09, r10) "
                       "SELECT CAST($1 AS BIGINT), COALESCE(MAX(score), 0) + 1, CAST($2 AS TEXT), "
                       "CAST($3 AS TEXT), CAST($4 AS TEXT), CAST($5 AS TEXT), CAST($6 AS TEXT), "
                       "CAST($7 AS TEXT), CAST($8 AS TEXT) FROM records "
                       "WHERE gid = CAST($1 AS BIGINT) RETURNING id"
                     : "INSERT INTO records (gid, score, nick, country, city, r07, r08, r09, r10) "
                       "VALUES ($1, $2, $3, $4, $5, $6, $7, $8, $9) RETURNING id",
            params);
        return static_cast<int>(Int(rows.at(0)[0]));
    }

    std::vector<RecordRow> Board(int gid, int limit) override { return RankedRows(gid, limit, 0); }

    int CountRecords(int gid) override {
        return static_cast<int>(Int(
            db_->Run("SELECT COUNT(*) FROM records WHERE gid = $1", {std::int64_t{gid}})[0][0]));
    }

    int PlaceOfRecord(int gid, int id) override {
        return static_cast<int>(Int(db_->Run(
            "SELECT COUNT(*) FROM records r JOIN records me ON me.id = $2 "
            "WHERE r.gid = $1 AND (r.score > me.score OR (r.score = me.score AND r.id <= me.id))",
            {std::int64_t{gid}, std::int64_t{id}})[0][0]));
    }

    std::vector<RecordRow> OwnRecords(int gid, const std::string& nick, int around) override {
        const Rows best = db_->Run("SELECT id FROM records WHERE gid = $1 AND nick = $2 "
                                   "ORDER BY score DESC, id LIMIT 1",
                                   {std::int64_t{gid}, Db(nick)});
        if (best.empty())
            return {};
        const int place = PlaceOfRecord(gid, static_cast<int>(Int(best[0][0])));
        const int first = std::max(0, place - 1 - around);
        return RankedRows(gid, 2 * around + 1, first);
    }

    online::WorldStats ReadStats(int gid) override {
        online::WorldStats s;
        s.GID = gid;
        const Rows rows = db_->Run("SELECT stat1, stat2, stat3, stat4, x1, x2, x3, x4, x5, x6, x7, "
                                   "x8, x9, x10, x11, x12, staty, statz FROM world_stats "
                                   "WHERE gid = $1",
                                   {std::int64_t{gid}});
        if (rows.empty())
            return s;
        const Row& r = rows[0];
        s.Stat1 = static_cast<int>(Int(r[0]));
        s.Stat2 = static_cast<int>(Int(r[1]));
        s.Stat3 = static_cast<int>(Int(r[2]));
        s.Stat4 = Cp(r[3], "#");
        for (std::size_t i = 0; i < 12; ++i)
            s.StatX[i] = static_cast<int>(Int(r[4 + i]));
        s.StatY = static_cast<int>(Int(r[16]));
        s.StatZ = Cp(r[17], "#");
        return s;
    }

    void CountStart(int gid, int starts, int uniqueStarts) override {
        EnsureStats(gid);
        db_->Run("UPDATE world_stats SET stat1 = stat1 + $2, stat2 = stat2 + $3 WHERE gid = $1",
                 {std::int64_t{gid}, std::int64_t{starts}, std::int64_t{uniqueStarts}});
    }

    bool AddLike(int gid, const std::string& nick) override {
        const Rows rows = db_->Run("INSERT INTO likes (gid, nick) VALUES ($1, $2) "
                                   "ON CONFLICT DO NOTHING RETURNING nick",
                                   {std::int64_t{gid}, Db(nick)});
        if (rows.empty())
            return false;
        EnsureStats(gid);
        db_->Run("UPDATE world_stats SET stat3 = stat3 + 1, stat4 = $2 WHERE gid = $1",
                 {std::int64_t{gid}, Db(nick)});
        return true;
    }

    void AddFigures(int gid, const std::array<int, 12>& f) override {
        EnsureStats(gid);
        Params params = {std::int64_t{gid}};
        for (const int figure : f)
            params.emplace_back(std::int64_t{figure});
        db_->Run("UPDATE world_stats SET x1 = x1 + $2, x2 = x2 + $3, x3 = x3 + $4, x4 = x4 + $5, "
                 "x5 = x5 + $6, x6 = x6 + $7, x7 = x7 + $8, x8 = x8 + $9, x9 = x9 + $10, "
                 "x10 = x10 + $11, x11 = x11 + $12, x12 = x12 + $13 WHERE gid = $1",
                 params);
    }

    online::TourRating ReadTourRating(const std::string& nick) override {
        const Rows rows =
            db_->Run("SELECT score, kon, rating FROM tour WHERE nick = $1", {Db(nick)});
        if (rows.empty())
            return {};
        return {static_cast<int>(Int(rows[0][0])), static_cast<int>(Int(rows[0][1])),
                static_cast<int>(Int(rows[0][2]))};
    }

    std::vector<RecordRow> TourTop(online::Ranking ranking, int limit) override {
        const std::string column(TourColumn(ranking));
        std::vector<RecordRow> rows;
        int place = 0;
        for (const Row& r : db_->Run("SELECT a.nick, a.city, a.country2, a.sex, t." + column +
                                         " FROM tour t JOIN accounts a ON a.nick = t.nick "
                                         "ORDER BY t." +
                                         column + " DESC, a.nick LIMIT $1",
                                     {std::int64_t{limit}})) {
            RecordRow row;
            row.Place = ++place;
            row.Nick = Cp(r[0]);
            row.City = Cp(r[1]);
            row.Country = Cp(r[2]);
            row.R07 = Cp(r[3], "M");
            row.Score = static_cast<int>(Int(r[4]));
            rows.push_back(row);
        }
        return rows;
    }

    int TourPlace(online::Ranking ranking, int value) override {
        const std::string column(TourColumn(ranking));
        return 1 +
               static_cast<int>(Int(db_->Run("SELECT COUNT(*) FROM tour WHERE " + column + " > $1",
                                             {std::int64_t{value}})[0][0]));
    }

    void BookTourGame(const std::string& nick, int result) override {
        db_->Run("INSERT INTO tour (nick, score, kon, rating) VALUES ($1, $2, 1, $3) "
                 "ON CONFLICT (nick) DO UPDATE SET score = tour.score + excluded.score, "
                 "kon = tour.kon + 1, rating = tour.rating + excluded.rating",
                 {Db(nick), std::int64_t{result}, std::int64_t{result > 0 ? 1 : 0}});
    }

    Seat ReadSeat(int table, int seat) override {
        const Rows rows = db_->Run("SELECT nick, score, kon, rating, country, city, sex, address "
                                   "FROM seats WHERE table_no = $1 AND seat = $2",
                                   {std::int64_t{table}, std::int64_t{seat}});
        Seat s;
        if (rows.empty() || !rows[0][0])
            return s;
        const Row& r = rows[0];
        online::TableClient& c = s.client;
        c.Nick = Cp(r[0]);
        c.Score = static_cast<int>(Int(r[1]));
        c.Kon = static_cast<int>(Int(r[2]));
        c.Rating = static_cast<int>(Int(r[3]));
        c.Country = Cp(r[4], "X");
        c.City = Cp(r[5], "X");
        const std::string sex = Cp(r[6], "M");
        c.Sex = sex.empty() ? 'M' : sex[0];
        s.address = r[7].value_or("");
        return s;
    }

    bool TakeSeat(int table, int seat, const Seat& occupant) override {
        const online::TableClient& c = occupant.client;
        const Rows rows = db_->Run(
            "UPDATE seats SET nick = $3, score = $4, kon = $5, rating = $6, country = $7, "
            "city = $8, sex = $9, address = $10 WHERE table_no = $1 AND seat = $2 AND nick IS NULL "
            "AND (seat = 1 OR EXISTS (SELECT 1 FROM seats s1 WHERE s1.table_no = $1 "
            "AND s1.seat = 1 AND s1.nick IS NOT NULL)) "
            "AND NOT EXISTS (SELECT 1 FROM seats s2 WHERE s2.nick = $3) RETURNING seat",
            {std::int64_t{table}, std::int64_t{seat}, Db(c.Nick), std::int64_t{c.Score},
             std::int64_t{c.Kon}, std::int64_t{c.Rating}, Db(c.Country), Db(c.City),
             Db(std::string(1, c.Sex)), occupant.address});
        return !rows.empty();
    }

    void ClearSeat(int table, int seat) override {
        db_->Run("UPDATE seats SET nick = NULL, score = 0, kon = 0, rating = 0, country = NULL, "
                 "city = NULL, sex = NULL, address = NULL WHERE table_no = $1 AND seat = $2",
                 {std::int64_t{table}, std::int64_t{seat}});
    }

  private:
    // Several servers may start on one database at once: a step that another
    // has just taken fails here, and the version is then read again. Each such
    // failure means another server got one step further (the version table's
    // creation is one step too), so a failure beyond that many is a real one.
    void Migrate() {
        const std::size_t steps = std::size(Migrations) + 1;
        for (std::size_t failures = 0;; ++failures) {
            try {
                MigrateFromStoredVersion();
                return;
            } catch (const DatabaseError&) {
                if (failures == steps)
                    throw;
            }
        }
    }

    void MigrateFromStoredVersion() {
        db_->RunScript("CREATE TABLE IF NOT EXISTS schema_version (version INTEGER NOT NULL)");
        const Rows rows = db_->Run("SELECT MAX(version) FROM schema_version");
        const std::int64_t current = Int(rows.at(0)[0]);
        // SQLite's IMMEDIATE waits for the write lock at once, where a plain
        // BEGIN could meet another writer half-way and give up.
        for (std::size_t v = static_cast<std::size_t>(current); v < std::size(Migrations); ++v)
            db_->RunScript(
                std::string(db_->Kind() == Dialect::Sqlite ? "BEGIN IMMEDIATE;\n" : "BEGIN;\n") +
                ForDialect(Migrations[v], db_->Kind()) +
                "\nINSERT INTO schema_version (version) VALUES (" + std::to_string(v + 1) +
                ");\nCOMMIT;");
    }

    void EnsureStats(int gid) {
        db_->Run("INSERT INTO world_stats (gid) VALUES ($1) ON CONFLICT (gid) DO NOTHING",
                 {std::int64_t{gid}});
    }

    std::vector<RecordRow> RankedRows(int gid, int limit, int offset) {
        std::vector<RecordRow> rows;
        int place = offset;
        for (const Row& r :
             db_->Run("SELECT id, score, nick, country, city, r07, r08, r09, r10 FROM records "
                      "WHERE gid = $1 ORDER BY score DESC, id LIMIT $2 OFFSET $3",
                      {std::int64_t{gid}, std::int64_t{limit}, std::int64_t{offset}})) {
            RecordRow row = RecordOf(r, gid);
            row.Place = ++place;
            rows.push_back(row);
        }
        return rows;
    }

    std::unique_ptr<Database> db_;
};

} // namespace

std::unique_ptr<Storage> OpenStorage(std::unique_ptr<Database> database) {
    return std::make_unique<SqlStorage>(std::move(database));
}

} // namespace tavlira::server
