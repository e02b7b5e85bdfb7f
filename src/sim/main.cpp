// tavlira-sim: the game engine without a window.
//   tavlira-sim play --games N [--seed S] [--figures]   computer against computer
//   tavlira-sim best --hand CARDS --table CARDS [--figures]   the best capture
//   tavlira-sim layoff --hand CARDS [--figures]          the computer's lay-off
//   tavlira-sim match --games N --seed S   a club member's matches against the computer
// Output is key=value lines; a bad command line prints one line on stderr and
// exits with status 2.

#include "sim/Arguments.h"
#include "sim/Commands.h"
#include "sim/MatchCommand.h"

#include <functional>
#include <iostream>
#include <map>

int main(int argc, char** argv) {
    using namespace tavlira::sim;
    const std::map<std::string, std::function<void(const std::vector<std::string>&, std::ostream&)>>
        commands = {{"play", PlayCommand},
                    {"best", BestCommand},
                    {"layoff", LayOffCommand},
                    {"match", MatchCommand}};
    try {
        if (argc < 2)
            throw UsageError("usage: tavlira-sim play|best|layoff|match [options]");
        auto command = commands.find(argv[1]);
        if (command == commands.end())
            throw UsageError(std::string("unknown command '") + argv[1] + "'");
        command->second(std::vector<std::string>(argv + 2, argv + argc), std::cout);
    } catch (const Interrupted& e) {
        return 128 + e.Signal();
    } catch (const UsageError& e) {
        std::cerr << "tavlira-sim: " << e.what() << '\n';
        return 2;
    } catch (const std::exception& e) {
        std::cerr << "tavlira-sim: " << e.what() << '\n';
        return 1;
    }
    return 0;
}
