// tavlira-table-server: the ten tables of the online tournament.
//   tavlira-table-server --listen ADDRESS --base-port P [--clock SECONDS]
//                        [--grace-ms MS] [--seed S]
// Table t listens on P + t; a base port of 0 takes a free run of ten ports.
// Prints "base-port=P" once it listens; on SIGUSR1, and when SIGINT or
// SIGTERM ends it, prints its figures as key=value lines. A bad command line
// prints one line on stderr and exits with status 2; a failure to listen
// exits with status 1.

#include "table/TableListener.h"

#include <algorithm>
#include <arpa/inet.h>
#include <csignal>
#include <cstdlib>
#include <iostream>
#include <map>
#include <random>
#include <stdexcept>
#include <string>

namespace {

volatile std::sig_atomic_t stopRequested = 0;
volatile std::sig_atomic_t reportRequested = 0;

void OnStop(int) {
    stopRequested = 1;
}
void OnReport(int) {
    reportRequested = 1;
}

void Handle(int signal, void (*handler)(int)) {
    struct sigaction action {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = 0; // no restart: poll() returns at once
    sigaction(signal, &action, nullptr);
}

struct UsageError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

long long NumberOf(const std::map<std::string, std::string>& options, const std::string& name,
                   long long fallback, long long min, long long max) {
    const auto found = options.find(name);
    if (found == options.end())
        return fallback;
    std::size_t used = 0;
    long long number = 0;
    try {
        number = std::stoll(found->second, &used);
    } catch (const std::exception&) {
        used = 0;
    }
    if (used == 0 || used != found->second.size() || number < min || number > max)
        throw UsageError("--" + name + " wants a number from " + std::to_string(min) + " to " +
                         std::to_string(max));
    return number;
}

} // namespace

int main(int argc, char** argv) {
    using namespace tavlira::table;
    std::map<std::string, std::string> options;
    try {
        for (int i = 1; i < argc; i += 2) {
            const std::string name = argv[i];
            static const std::string known[] = {"--listen", "--base-port", "--clock", "--grace-ms",
                                                "--seed"};
            if (std::find(std::begin(known), std::end(known), name) == std::end(known))
                throw UsageError("unknown option (want --listen ADDRESS --base-port P)");
            if (i + 1 >= argc)
                throw UsageError(name + " wants a value");
            options[name.substr(2)] = argv[i + 1];
        }
        if (!options.contains("listen") || !options.contains("base-port"))
            throw UsageError("usage: tavlira-table-server --listen ADDRESS --base-port P");
        in_addr address{};
        if (inet_pton(AF_INET, options["listen"].c_str(), &address) != 1)
            throw UsageError("--listen wants an IPv4 address");
        TableServerOptions serverOptions;
        serverOptions.clockSeconds =
            static_cast<int>(NumberOf(options, "clock", serverOptions.clockSeconds, 1, 3600));
        serverOptions.graceMillis =
            NumberOf(options, "grace-ms", serverOptions.graceMillis, 0, 60000);
        const auto seed = static_cast<std::uint32_t>(
            NumberOf(options, "seed", std::random_device{}(), 0, UINT32_MAX));
        const int basePort = static_cast<int>(NumberOf(options, "base-port", 0, 0, 65525));

        Handle(SIGINT, OnStop);
        Handle(SIGTERM, OnStop);
        Handle(SIGUSR1, OnReport);
        std::signal(SIGPIPE, SIG_IGN);

        MemorySeatBoard board;
        tavlira::SeededRandom random(seed);
        TableServer server(board, random, serverOptions);
        TableListener listener(server, options["listen"], basePort);
        std::cout << "base-port=" << listener.BasePort() << std::endl;
        listener.Run(stopRequested, reportRequested);
        std::cout << listener.Figures() << "games.recorded=" << board.GamesRecorded() << std::endl;
    } catch (const UsageError& e) {
        std::cerr << "tavlira-table-server: " << e.what() << '\n';
        return 2;
    } catch (const std::exception& e) {
        std::cerr << "tavlira-table-server: " << e.what() << '\n';
        return 1;
    }
    return 0;
}
