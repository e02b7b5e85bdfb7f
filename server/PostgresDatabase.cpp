#include "Database.h"

#include <condition_variable>
#include <cstdio>
#include <libpq-fe.h>
#include <map>
#include <mutex>

namespace tavlira::server {
namespace {

constexpr Oid ByteaType = 17;

struct Connection {
    PGconn* pg = nullptr;
    std::map<std::string, std::string, std::less<>> prepared; // sql -> statement name
};

struct ResultCloser {
    void operator()(PGresult* result) const { PQclear(result); }
};
using Result = std::unique_ptr<PGresult, ResultCloser>;

// A fixed pool of connections; a request takes one for the length of one
// statement. Each connection prepares the statements it meets.
class PostgresDatabase final : public Database {
  public:
    PostgresDatabase(const std::string& conninfo, int connections) {
        for (int i = 0; i < connections; ++i) {
            auto connection = std::make_unique<Connection>();
            connection->pg = PQconnectdb(conninfo.c_str());
            if (PQstatus(connection->pg) != CONNECTION_OK) {
                const std::string message = PQerrorMessage(connection->pg);
                PQfinish(connection->pg);
                throw DatabaseError("cannot connect to PostgreSQL: " + message);
            }
            Result quiet(PQexec(connection->pg, "SET client_min_messages TO warning"));
            idle_.push_back(connection.get());
            all_.push_back(std::move(connection));
        }
    }
    ~PostgresDatabase() override {
        for (auto& connection : all_)
            PQfinish(connection->pg);
    }
    PostgresDatabase(const PostgresDatabase&) = delete;
    PostgresDatabase& operator=(const PostgresDatabase&) = delete;

    Dialect Kind() const override { return Dialect::Postgres; }

    Rows Run(std::string_view sql, const Params& params) override {
        Lease lease(*this);
        Connection& c = *lease.connection;
        const std::string& name = Prepared(c, sql, params.size());

        std::vector<std::string> texts(params.size());
        std::vector<const char*> values(params.size(), nullptr);
        std::vector<int> lengths(params.size(), 0);
        std::vector<int> formats(params.size(), 0);
        for (std::size_t i = 0; i < params.size(); ++i) {
            const Param& param = params[i];
            if (const auto* number = std::get_if<std::int64_t>(&param)) {
                texts[i] = std::to_string(*number);
            } else if (const auto* fraction = std::get_if<double>(&param)) {
                char text[40];
                std::snprintf(text, sizeof text, "%.17g", *fraction);
                texts[i] = text;
            } else if (const auto* text = std::get_if<std::string>(&param)) {
                texts[i] = *text;
            } else if (const auto* blob = std::get_if<Blob>(&param)) {
                texts[i] = blob->bytes;
                formats[i] = 1;
            } else {
                continue; // NULL
            }
            values[i] = texts[i].data();
            lengths[i] = static_cast<int>(texts[i].size());
        }
        Result result(PQexecPrepared(c.pg, name.c_str(), static_cast<int>(params.size()),
                                     values.data(), lengths.data(), formats.data(), 0));
        const ExecStatusType status = PQresultStatus(result.get());
        if (status != PGRES_TUPLES_OK && status != PGRES_COMMAND_OK)
            throw DatabaseError(PQresultErrorMessage(result.get()));
        return ReadRows(result.get());
    }

    void RunScript(std::string_view sql) override {
        Lease lease(*this);
        Result result(PQexec(lease.connection->pg, std::string(sql).c_str()));
        if (PQresultStatus(result.get()) != PGRES_COMMAND_OK &&
            PQresultStatus(result.get()) != PGRES_TUPLES_OK) {
            const std::string message = PQresultErrorMessage(result.get());
            if (PQtransactionStatus(lease.connection->pg) != PQTRANS_IDLE)
                Result rollback(PQexec(lease.connection->pg, "ROLLBACK"));
            throw DatabaseError(message);
        }
    }

  private:
    struct Lease {
        explicit Lease(PostgresDatabase& owner) : db(owner) {
            std::unique_lock lock(db.mutex_);
            db.available_.wait(lock, [&] { return !db.idle_.empty(); });
            connection = db.idle_.back();
            db.idle_.pop_back();
            // A connection lost since its last use is reset before it serves.
            if (PQstatus(connection->pg) != CONNECTION_OK) {
                PQreset(connection->pg);
                connection->prepared.clear();
            }
        }
        ~Lease() {
            {
                std::lock_guard lock(db.mutex_);
                db.idle_.push_back(connection);
            }
            db.available_.notify_one();
        }
        Lease(const Lease&) = delete;
        Lease& operator=(const Lease&) = delete;
        PostgresDatabase& db;
        Connection* connection = nullptr;
    };

    static const std::string& Prepared(Connection& c, std::string_view sql, std::size_t count) {
        if (const auto found = c.prepared.find(sql); found != c.prepared.end())
            return found->second;
        const std::string name = "s" + std::to_string(c.prepared.size());
        Result result(PQprepare(c.pg, name.c_str(), std::string(sql).c_str(),
                                static_cast<int>(count), nullptr));
        if (PQresultStatus(result.get()) != PGRES_COMMAND_OK)
            throw DatabaseError(std::string(PQresultErrorMessage(result.get())) + " in " +
                                std::string(sql));
        return c.prepared.emplace(std::string(sql), name).first->second;
    }

    static Rows ReadRows(PGresult* result) {
        Rows rows;
        const int count = PQntuples(result);
        const int columns = PQnfields(result);
        for (int r = 0; r < count; ++r) {
            Row row;
            for (int c = 0; c < columns; ++c) {
                if (PQgetisnull(result, r, c)) {
                    row.emplace_back();
                    continue;
                }
                const char* value = PQgetvalue(result, r, c);
                if (PQftype(result, c) == ByteaType) {
                    std::size_t size = 0;
                    unsigned char* bytes =
                        PQunescapeBytea(reinterpret_cast<const unsigned char*>(value), &size);
                    if (bytes == nullptr)
                        throw DatabaseError("unreadable bytea");
                    row.emplace_back(std::string(reinterpret_cast<char*>(bytes), size));
                    PQfreemem(bytes);
                } else {
                    row.emplace_back(
                        std::string(value, static_cast<std::size_t>(PQgetlength(result, r, c))));
                }
            }
            rows.push_back(std::move(row));
        }
        return rows;
    }

    std::vector<std::unique_ptr<Connection>> all_;
    std::vector<Connection*> idle_;
    std::mutex mutex_;
    std::condition_variable available_;
};

} // namespace

std::unique_ptr<Database> OpenPostgres(const std::string& conninfo, int connections) {
    return std::make_unique<PostgresDatabase>(conninfo, connections < 1 ? 1 : connections);
}

} // namespace tavlira::server
