// tavlira-sim: the game engine without a window.
//   tavlira-sim play --games N [--seed S] [--figures]   computer against computer
//   tavlira-sim best --hand CARDS --table CARDS [--figures]   the best capture
//   tavlira-sim layoff --hand CARDS [--figures]          the computer's lay-off
//   tavlira-sim match --games N --seed S   a club member's matches against the computer
//   tavlira-sim calendar --date YYYY-MM-DD [--language CODE]   Easter dates and holidays
// Output is key=value lines; a bad command line prints one line on stderr and
// exits with status 2.

#include "sim/Commands.h"

#include <iostream>

int main(int argc, char** argv) {
    return tavlira::sim::Run(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
}
