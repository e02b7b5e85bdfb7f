#pragma once
// The one door to the SQL database, SQLite or PostgreSQL. Every statement
// is prepared once per connection and run with bound parameters, written
// $1, $2 … in the text (both databases understand that form); values come
// back as text (NULL as nullopt), BLOB/bytea columns as their raw bytes.

#include <cstdint>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace tavlira::server {

// Bytes to be stored as a BLOB (SQLite) or bytea (PostgreSQL).
struct Blob {
    std::string bytes;
};
using Param = std::variant<std::monostate, std::int64_t, double, std::string, Blob>;
using Params = std::vector<Param>;
using Row = std::vector<std::optional<std::string>>;
using Rows = std::vector<Row>;

struct DatabaseError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

enum class Dialect { Sqlite, Postgres };

class Database {
  public:
    virtual ~Database() = default;
    virtual Dialect Kind() const = 0;
    // One statement, prepared on first use. Throws DatabaseError.
    virtual Rows Run(std::string_view sql, const Params& params = {}) = 0;
    // Several statements without parameters, on one connection (schema
    // changes inside their own BEGIN … COMMIT).
    virtual void RunScript(std::string_view sql) = 0;
};

// A file of SQLite, created when missing.
std::unique_ptr<Database> OpenSqlite(const std::string& path);
// A PostgreSQL database: a libpq connection string ("host=… dbname=…" or a
// postgresql:// URI) and the number of pooled connections.
std::unique_ptr<Database> OpenPostgres(const std::string& conninfo, int connections);

} // namespace tavlira::server
