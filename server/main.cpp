// tavlira-server: the web services of the game (accounts, boards,
// statistics, tournament tables, chat, news and downloads) on HTTP.
//
//   tavlira-server [--listen HOST:PORT] [--db FILE | --db postgresql://… | --pg CONNINFO]
//                  [--files DIR] [--threads N] [--public-url URL]
//                  [--tables HOST:PORT] [--table-server HOST:PORT] [--welcome TEXT]
//                  [--proxy ADDRESS] [--init]

#include "Database.h"
#include "HttpServer.h"
#include "Passwords.h"
#include "Service.h"
#include "Storage.h"
#include "TableServer.h"
#include "util/Cp1251.h"

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <pthread.h>
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
    int tablesPort = 0;
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
                 "       [--tables HOST:PORT] [--table-server HOST:PORT] [--welcome TEXT]\n"
                 "       [--proxy ADDRESS] [--init]\n",
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
            if (!SplitHostPort(value, o.tablesHost, o.tablesPort) || o.tablesPort == 0 ||
                o.tablesPort > 65535 - TableServer::Tables) {
                status = Usage("--tables needs HOST:PORT");
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

    ServiceConfig serviceConfig = options->service;
    std::unique_ptr<TableServer> tables;
    if (!options->tablesHost.empty()) {
        tables = std::make_unique<TableServer>(*storage, options->tablesHost, options->tablesPort);
        if (!tables->Bind()) {
            std::fprintf(stderr, "tavlira-server: cannot listen for the tables on %s:%d\n",
                         options->tablesHost.c_str(), options->tablesPort);
            return 1;
        }
        if (serviceConfig.tableServerAddress.empty()) {
            serviceConfig.tableServerAddress = options->tablesHost;
            serviceConfig.tableServerPort = options->tablesPort;
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
        tableThread = std::thread([&] { tables->Run(); });
    std::printf("tavlira-server: listening on %s:%d\n", options->http.host.c_str(), port);
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
