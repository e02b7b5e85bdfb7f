#include "Database.h"

#include <chrono>
#include <map>
#include <mutex>
#include <sqlite3.h>
#include <thread>

namespace tavlira::server {
namespace {

// One connection shared by the request threads behind a mutex: SQLite runs
// one writer at a time anyway, and a board read takes microseconds.
class SqliteDatabase final : public Database {
    static constexpr int BusyMillis = 5000;

  public:
    explicit SqliteDatabase(const std::string& path) {
        const int flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX;
        if (sqlite3_open_v2(path.c_str(), &db_, flags, nullptr) != SQLITE_OK) {
            const std::string message = db_ ? sqlite3_errmsg(db_) : "out of memory";
            sqlite3_close(db_);
            throw DatabaseError("cannot open " + path + ": " + message);
        }
        sqlite3_busy_timeout(db_, BusyMillis);
        // A folder or a file that is no database fails here, at once. Turning
        // on write-ahead logging needs the file to itself for a moment, and
        // SQLite does not wait for that: a second server opening the file in
        // the same instant tries again for as long as it would wait for a lock.
        const auto giveUp =
            std::chrono::steady_clock::now() + std::chrono::milliseconds(BusyMillis);
        for (;;) {
            char* error = nullptr;
            const int result = sqlite3_exec(
                db_, "PRAGMA journal_mode=WAL; PRAGMA synchronous=NORMAL; PRAGMA foreign_keys=ON;",
                nullptr, nullptr, &error);
            const std::string message = error ? error : sqlite3_errstr(result);
            sqlite3_free(error);
            if (result == SQLITE_OK)
                break;
            if ((result & 0xFF) != SQLITE_BUSY || std::chrono::steady_clock::now() > giveUp) {
                sqlite3_close(db_);
                throw DatabaseError(message);
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
    }
    ~SqliteDatabase() override {
        for (auto& [sql, statement] : statements_)
            sqlite3_finalize(statement);
        sqlite3_close(db_);
    }
    SqliteDatabase(const SqliteDatabase&) = delete;
    SqliteDatabase& operator=(const SqliteDatabase&) = delete;

    Dialect Kind() const override { return Dialect::Sqlite; }

    Rows Run(std::string_view sql, const Params& params) override {
        std::lock_guard lock(mutex_);
        sqlite3_stmt* statement = Prepared(sql);
        sqlite3_reset(statement);
        sqlite3_clear_bindings(statement);
        for (std::size_t i = 0; i < params.size(); ++i)
            Bind(statement, i + 1, params[i]);
        Rows rows;
        for (;;) {
            const int step = sqlite3_step(statement);
            if (step == SQLITE_DONE)
                break;
            if (step != SQLITE_ROW) {
                const std::string message = sqlite3_errmsg(db_);
                sqlite3_reset(statement);
                throw DatabaseError(message);
            }
            rows.push_back(ReadRow(statement));
        }
        sqlite3_reset(statement);
        return rows;
    }

    void RunScript(std::string_view sql) override {
        std::lock_guard lock(mutex_);
        char* error = nullptr;
        if (sqlite3_exec(db_, std::string(sql).c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
            const std::string message = error ? error : "error";
            sqlite3_free(error);
            sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
            throw DatabaseError(message);
        }
    }

  private:
    sqlite3_stmt* Prepared(std::string_view sql) {
        const std::string key(sql);
        if (const auto found = statements_.find(key); found != statements_.end())
            return found->second;
        sqlite3_stmt* statement = nullptr;
        if (sqlite3_prepare_v3(db_, key.c_str(), static_cast<int>(key.size()),
                               SQLITE_PREPARE_PERSISTENT, &statement, nullptr) != SQLITE_OK)
            throw DatabaseError(std::string(sqlite3_errmsg(db_)) + " in " + key);
        statements_.emplace(key, statement);
        return statement;
    }

    // "$n" is a named parameter to SQLite; its index is looked up by name so
    // that a statement may use $2 before $1.
    void Bind(sqlite3_stmt* statement, std::size_t n, const Param& param) {
        const std::string name = "$" + std::to_string(n);
        const int index = sqlite3_bind_parameter_index(statement, name.c_str());
        if (index == 0)
            return;
        int result = SQLITE_OK;
        if (const auto* number = std::get_if<std::int64_t>(&param))
            result = sqlite3_bind_int64(statement, index, *number);
        else if (const auto* fraction = std::get_if<double>(&param))
            result = sqlite3_bind_double(statement, index, *fraction);
        else if (const auto* text = std::get_if<std::string>(&param))
            result = sqlite3_bind_text(statement, index, text->data(),
                                       static_cast<int>(text->size()), SQLITE_TRANSIENT);
        else if (const auto* blob = std::get_if<Blob>(&param))
            result = sqlite3_bind_blob(statement, index, blob->bytes.data(),
                                       static_cast<int>(blob->bytes.size()), SQLITE_TRANSIENT);
        else
            result = sqlite3_bind_null(statement, index);
        if (result != SQLITE_OK)
            throw DatabaseError(sqlite3_errmsg(db_));
    }

    static Row ReadRow(sqlite3_stmt* statement) {
        Row row;
        const int columns = sqlite3_column_count(statement);
        for (int c = 0; c < columns; ++c) {
            if (sqlite3_column_type(statement, c) == SQLITE_NULL) {
                row.emplace_back();
                continue;
            }
            const int type = sqlite3_column_type(statement, c);
            const void* data = type == SQLITE_BLOB ? sqlite3_column_blob(statement, c)
                                                   : sqlite3_column_text(statement, c);
            const int size = sqlite3_column_bytes(statement, c);
            if (data == nullptr || size == 0)
                row.emplace_back(std::string());
            else
                row.emplace_back(
                    std::string(static_cast<const char*>(data), static_cast<std::size_t>(size)));
        }
        return row;
    }

    sqlite3* db_ = nullptr;
    std::mutex mutex_;
    std::map<std::string, sqlite3_stmt*, std::less<>> statements_;
};

} // namespace

std::unique_ptr<Database> OpenSqlite(const std::string& path) {
    return std::make_unique<SqliteDatabase>(path);
}

} // namespace tavlira::server
