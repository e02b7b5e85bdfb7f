// tavlira-server: the web services of the game (accounts, boards,
// statistics, tournament tables, chat, news and downloads) on HTTP.
//
//   tavlira-server [--listen HOST:PORT] [--db FILE | --db postgresql://… | --pg CONNINFO]
//                  [--files DIR] [--threads N] [--public-url URL]
//                  [--tables HOST:BASEPORT] [--table-server HOST:PORT] [--welcome TEXT]
//                  [--proxy ADDRESS] [--board-cache-ms N] [--init]

#include "Database.h"
#include "HttpServer.h"
#include "Passwords.h"
#include "Service.h"
#include "Storage.h"
#include "StorageSeatBoard.h"
#include "game/Random.h"
#include "table/TableListener.h"
#include "util/Cp1251.h"

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <pthread.h>
#include <random>
#include <stdexcept>
#include <string>
#include <thread>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using namespace tavlira::server;

struct Options {
    HttpConfig http;
    std::string sqlitePath;
    std::string postgres;
    ServiceConfig service;
    bool initOnly = false;
    std::string tablesHost; // the built-in table server, when given
    int tablesBasePort = 0; // table t on base port + t; 0 picks a free run
};

fs::path ProgramFolder() {
    std::error_code error;
    const fs::path exe = fs::read_symlink("/proc/self/exe", error);
    return error ? fs::current_path() : exe.parent_path();
}

bool SplitHostPort(const std::string& text, std::string& host, int& port) {
    const std::size_t colon = text.rfind(':');
    if (colon == std::string::npos || colon == 0)
        return false;
    try {
        std::size_t used = 0;
        port = std::stoi(text.substr(colon + 1), &used);
        if (used != text.size() - colon - 1 || port < 0 || port > 65535)
            return false;
    } catch (const std::exception&) {
        return false;
    }
    host = text.substr(0, colon);
    return true;
}

int Usage(const char* problem) {
    std::fprintf(stderr,
                 "tavlira-server: %s\n"
                 "usage: tavlira-server [--listen HOST:PORT] [--db FILE|postgresql://...]\n"
                 "       [--pg CONNINFO] [--files DIR] [--threads N] [--public-url URL]\n"
                 "       [--tables HOST:BASEPORT] [--table-server HOST:PORT] [--welcome TEXT]\n"
                 "       [--proxy ADDRESS] [--board-cache-ms N] [--init]\n",
                 problem);
    return 2;
}

std::optional<Options> Parse(int argc, char** argv, int& status) {
    Options o;
    const fs::path home = ProgramFolder();
    o.sqlitePath = (home / "tavlira-server.db").string();
    o.http.files = home / "files";
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        const std::string value = hasValue ? argv[i + 1] : "";
        const auto take = [&] {
            if (!hasValue)
                return false;
            ++i;
            return true;
        };
        if (arg == "--init") {
            o.initOnly = true;
        } else if (arg == "--listen" && take()) {
            if (!SplitHostPort(value, o.http.host, o.http.port)) {
                status = Usage("--listen needs HOST:PORT");
                return std::nullopt;
            }
        } else if (arg == "--db" && take()) {
            if (value.starts_with("postgresql://") || value.starts_with("postgres://"))
                o.postgres = value;
            else
                o.sqlitePath = value;
        } else if (arg == "--pg" && take()) {
            o.postgres = value;
        } else if (arg == "--files" && take()) {
            o.http.files = value;
        } else if (arg == "--threads" && take()) {
            o.http.threads = std::atoi(value.c_str());
            if (o.http.threads < 1 || o.http.threads > 1024) {
                status = Usage("--threads needs 1 to 1024");
                return std::nullopt;
            }
        } else if (arg == "--board-cache-ms" && take()) {
            const bool digits = !value.empty() && value.size() <= 5 &&
                                value.find_first_not_of("0123456789") == std::string::npos;
            const int ms = digits ? std::atoi(value.c_str()) : -1;
            if (ms < 0 || ms > 60000) {
                status = Usage("--board-cache-ms needs 0 to 60000");
                return std::nullopt;
            }
            o.service.boardCacheLifetime = std::chrono::milliseconds(ms);
        } else if (arg == "--proxy" && take()) {
            o.http.proxy = value;
        } else if (arg == "--public-url" && take()) {
            o.http.publicUrl = value;
        } else if (arg == "--table-server" && take()) {
            if (!SplitHostPort(value, o.service.tableServerAddress, o.service.tableServerPort)) {
                status = Usage("--table-server needs HOST:PORT");
                return std::nullopt;
            }
        } else if (arg == "--tables" && take()) {
            if (!SplitHostPort(value, o.tablesHost, o.tablesBasePort) ||
                o.tablesBasePort > 65535 - tavlira::net::TableCount) {
                status = Usage("--tables needs HOST:BASEPORT");
                return std::nullopt;
            }
        } else if (arg == "--welcome" && take()) {
            o.service.welcome = tavlira::Utf8ToCp1251(value);
        } else {
            status = Usage(("unknown or incomplete option " + arg).c_str());
            return std::nullopt;
        }
    }
    return o;
}

} // namespace

int main(int argc, char** argv) {
    int status = 0;
    const std::optional<Options> options = Parse(argc, argv, status);
    if (!options)
        return status;
    if (!InitPasswords()) {
        std::fprintf(stderr, "tavlira-server: libsodium cannot start\n");
        return 1;
    }

    // SIGINT and SIGTERM are taken by one thread that stops the server; every
    // other thread inherits the blocked mask.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);
    std::signal(SIGPIPE, SIG_IGN);

    std::unique_ptr<Storage> storage;
    try {
        std::unique_ptr<Database> db =
            options->postgres.empty()
                ? OpenSqlite(options->sqlitePath)
                : OpenPostgres(options->postgres, std::min(options->http.threads, 16));
        storage = OpenStorage(std::move(db));
    } catch (const DatabaseError& e) {
        std::fprintf(stderr, "tavlira-server: %s\n", e.what());
        return 1;
    }
    if (options->initOnly)
        return 0;

    // The tournament's tables: the rule-checking table server on its own
    // thread, seating whom the web side seated and booking its results there.
    ServiceConfig serviceConfig = options->service;
    StorageSeatBoard seatBoard(*storage);
    tavlira::SeededRandom tableRandom(std::random_device{}());
    tavlira::table::TableServer tableServer(seatBoard, tableRandom);
    std::unique_ptr<tavlira::table::TableListener> tables;
    if (!options->tablesHost.empty()) {
        try {
            tables = std::make_unique<tavlira::table::TableListener>(
                tableServer, options->tablesHost, options->tablesBasePort);
        } catch (const std::runtime_error& e) {
            std::fprintf(stderr, "tavlira-server: cannot listen for the tables: %s\n", e.what());
            return 1;
        }
        if (serviceConfig.tableServerAddress.empty()) {
            serviceConfig.tableServerAddress = options->tablesHost;
            serviceConfig.tableServerPort = tables->BasePort() + 1;
            // The table list hands this address to the players' games.
            if (options->tablesHost == "0.0.0.0")
                std::fprintf(stderr, "tavlira-server: the table list names 0.0.0.0, which no "
                                     "player can reach: give --table-server HOST:PORT\n");
        }
    }
    Service service(*storage, serviceConfig);
    HttpServer server(service, options->http);
    const int port = server.Bind();
    if (port < 0) {
        std::fprintf(stderr, "tavlira-server: cannot listen on %s:%d\n", options->http.host.c_str(),
                     options->http.port);
        return 1;
    }
    std::thread tableThread;
    if (tables)
        tableThread = std::thread([&] {
            try {
                tables->Run();
            } catch (const std::exception& e) {
                std::fprintf(stderr, "tavlira-server: the tables stopped: %s\n", e.what());
            }
        });
    std::printf("tavlira-server: listening on %s:%d\n", options->http.host.c_str(), port);
    if (tables)
        std::printf("tavlira-server: tables on %s, base port %d\n", options->tablesHost.c_str(),
                    tables->BasePort());
    std::fflush(stdout);

    std::thread stopper([&] {
        int signal = 0;
        sigwait(&stopSignals, &signal);
        server.Stop();
        if (tables)
            tables->Stop();
    });
    const bool served = server.Run();
    // Run also ends on its own (a failed accept): wake the stopper to end it.
    pthread_kill(stopper.native_handle(), SIGTERM);
    stopper.join();
    if (tableThread.joinable())
        tableThread.join();
    return served ? 0 : 1;
}
