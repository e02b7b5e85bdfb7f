#pragma once
// Command-line reading for tavlira-sim: "--name value" options and flags.

#include "game/GameState.h"

#include <map>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <string_view>
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
    // The option's value, or nothing when it is not given.
    std::optional<std::string> Optional(const std::string& name) const {
        return Has(name) ? std::optional<std::string>(Text(name)) : std::nullopt;
    }
    // A whole number in [min, max].
    long long Number(const std::string& name, long long min, long long max) const;

  private:
    std::map<std::string, std::string> values_;
};

// Reads the card lists of one position, comma-separated card codes in UTF-8
// ("5ч,Вп,##"), into places 1..N; "##" and missing trailing places are empty.
// A card lies in one place only: a card named twice, within one list or
// across the lists of the position, is a usage error.
class CardLists {
  public:
    explicit CardLists(bool figuresHavePoints) : figuresHavePoints_(figuresHavePoints) {}

    // The list given as `option`, named that way in error messages.
    template <int N> OneBased<CardSlot, N> Read(const std::string& list, const std::string& option);

  private:
    bool figuresHavePoints_;
    // Each card read so far (its code page 1251 bytes) and the option that named it.
    std::map<std::string, std::string> optionOf_;
};

// `text` with backslashes doubled and control characters written as \n, \r,
// \t or \xNN, so that a message echoing it stays on one line.
std::string Escaped(std::string_view text);

} // namespace tavlira::sim
