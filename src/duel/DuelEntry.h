#pragma once
// What the login dialog checks before a duel connects, and the chat panel's
// four lines.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tavlira {

// The host address box takes digits and dots only; any other character puts
// back the last address.
bool MayBeAddressText(std::string_view text);
// The port box takes digits only; any other character puts back the last port.
bool MayBePortText(std::string_view text);
// An address to connect to: exactly three dots between four groups of one
// to three characters. The value of a group is not checked.
bool IsAddress(std::string_view text);
// The port of a non-empty port box (the largest port for digits beyond it).
std::optional<std::uint16_t> PortOf(std::string_view text);

// The hidden reveal of the opponent's hand: keys typed while the chat's
// send button has the focus are collected (afresh each time it gains or
// loses the focus), and when they read as the number 86271 the reveal
// toggles and the collection starts again.
class RevealKeys {
  public:
    // True when this key completes the number.
    bool Type(char key);
    void Reset() { typed_.clear(); }

  private:
    std::string typed_;
};

// Whose colour a chat line has: the host's (maroon) or the client's (navy).
enum class ChatColour : std::uint8_t { Host = 1, Client = 2 };

struct ChatEntry {
    std::string text; // code page 1251
    ChatColour colour = ChatColour::Host;
    friend bool operator==(const ChatEntry&, const ChatEntry&) = default;
};

// The chat panel: four lines, filled from the top; when all four are used
// a new line goes to the bottom and the others move up.
class ChatLines {
  public:
    static constexpr std::size_t Lines = 4;
    void Add(ChatEntry entry);
    void Clear() { used_ = 0; }
    std::size_t Used() const { return used_; }
    const ChatEntry& Line(std::size_t index) const { return lines_[index]; } // 0..Used()-1

  private:
    std::array<ChatEntry, Lines> lines_{};
    std::size_t used_ = 0;
};

} // namespace tavlira
