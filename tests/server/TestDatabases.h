#pragma once
// Fresh databases for the server's tests: a SQLite file in a private
// temporary folder, or a PostgreSQL database of its own on the cluster that
// TAVLIRA_TEST_PG names (a libpq connection string; scripts/test starts a
// private cluster and sets it). Without a reachable cluster the PostgreSQL
// cases are skipped.

#include "Database.h"

#include <memory>
#include <string>

namespace tavlira::server {

enum class Backend { Sqlite, Postgres };

class TestDatabase {
  public:
    explicit TestDatabase(Backend backend);
    ~TestDatabase();
    TestDatabase(const TestDatabase&) = delete;
    TestDatabase& operator=(const TestDatabase&) = delete;

    // Empty when the backend cannot be used here; then Skipped says why.
    bool Available() const { return !skipped_.size(); }
    const std::string& Skipped() const { return skipped_; }
    // A new connection to the same database (a second one sees the same data).
    std::unique_ptr<Database> Open() const;
    const std::string& Folder() const { return folder_; }

  private:
    Backend backend_;
    std::string folder_;
    std::string conninfo_;
    std::string name_;
    std::string skipped_;
};

std::string BackendName(Backend backend);

} // namespace tavlira::server
