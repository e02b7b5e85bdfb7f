#include "TestDatabases.h"

#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <unistd.h>

namespace tavlira::server {
namespace {

std::atomic<int> counter{0};

std::string MakeFolder() {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "tavlira-server-test.XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr)
        return {};
    return pattern;
}

} // namespace

std::string BackendName(Backend backend) {
    return backend == Backend::Sqlite ? "Sqlite" : "Postgres";
}

TestDatabase::TestDatabase(Backend backend) : backend_(backend), folder_(MakeFolder()) {
    if (backend_ == Backend::Sqlite)
        return;
    const char* cluster = std::getenv("TAVLIRA_TEST_PG");
    if (cluster == nullptr || *cluster == '\0') {
        skipped_ = "no PostgreSQL cluster: set TAVLIRA_TEST_PG to a connection string";
        return;
    }
    name_ = "tavlira_test_" + std::to_string(getpid()) + "_" + std::to_string(counter++);
    conninfo_ = std::string(cluster) + " dbname=" + name_;
    try {
        OpenPostgres(std::string(cluster) + " dbname=postgres", 1)
            ->RunScript("CREATE DATABASE " + name_ + " ENCODING 'UTF8' TEMPLATE template0");
    } catch (const DatabaseError& e) {
        skipped_ = std::string("PostgreSQL cluster not reachable: ") + e.what();
        name_.clear();
    }
}

TestDatabase::~TestDatabase() {
    if (!name_.empty()) {
        try {
            OpenPostgres(std::string(std::getenv("TAVLIRA_TEST_PG")) + " dbname=postgres", 1)
                ->RunScript("DROP DATABASE IF EXISTS " + name_ + " WITH (FORCE)");
        } catch (const DatabaseError&) {
        }
    }
    if (!folder_.empty()) {
        std::error_code error;
        std::filesystem::remove_all(folder_, error);
    }
}

std::unique_ptr<Database> TestDatabase::Open() const {
    if (backend_ == Backend::Sqlite)
        return OpenSqlite(folder_ + "/server.db");
    return OpenPostgres(conninfo_, 4);
}

} // namespace tavlira::server
