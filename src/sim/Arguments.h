#pragma once
// Command-line reading for tavlira-sim: "--name value" options and flags.

#include "game/GameState.h"

#include <map>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

namespace tavlira::sim {

// A bad command line; its message is the one line printed on stderr.
struct UsageError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

class Arguments {
public:
    // Reads `args` (after the command name) against the options that take a
    // value and the flags that do not; anything else is a usage error.
    Arguments(const std::vector<std::string>& args, const std::set<std::string>& valued,
              const std::set<std::string>& flags);

    bool Has(const std::string& name) const { return values_.count(name) > 0; }
    const std::string& Text(const std::string& name) const;
    // A whole number in [min, max].
    long long Number(const std::string& name, long long min, long long max) const;

private:
    std::map<std::string, std::string> values_;
};

// Comma-separated card codes in UTF-8 ("5ч,Вп,##") into places 1..N; missing
// trailing places are empty. Values follow `figuresHavePoints`.
template <int N> OneBased<CardSlot, N> ParseCards(const std::string& list, bool figuresHavePoints,
                                                  const std::string& what);

} // namespace tavlira::sim
