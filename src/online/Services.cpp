#include "online/Services.h"

#include "online/Endpoints.h"
#include "util/TextCipher.h"

#include <cstdio>

namespace tavlira::online {
namespace {

// The value of `key`: after the key and one separator character, up to the
// next "#". The key must begin an entry (the text's start, or after "#" or a
// line break), so that it is never found inside another entry's value.
std::optional<std::string> EntryValue(std::string_view text, std::string_view key) {
    std::size_t at = 0;
    while ((at = text.find(key, at)) != std::string_view::npos) {
        const std::size_t separator = at + key.size();
        const bool startsEntry =
            at == 0 || text[at - 1] == '#' || text[at - 1] == '\n' || text[at - 1] == '\r';
        if (startsEntry && separator < text.size()) {
            const std::string_view rest = text.substr(separator + 1);
            const std::size_t end = rest.find('#');
            if (end == std::string_view::npos)
                return std::nullopt;
            return std::string(rest.substr(0, end));
        }
        at = separator;
    }
    return std::nullopt;
}

std::optional<std::string> Deciphered(const std::optional<std::string>& value) {
    if (!value || value->empty())
        return std::nullopt;
    return DecodeText(*value, CipherKey::ServiceAddress);
}

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r'))
        text.remove_suffix(1);
    return text;
}

} // namespace

std::string WriteServiceDirectory(const ServiceDirectory& directory) {
    std::string text;
    const auto entry = [&](std::string_view key, const std::optional<std::string>& address) {
        if (address)
            text += std::string(key) + '=' + EncodeText(*address, CipherKey::ServiceAddress) + '#';
    };
    entry(StatisticsKey, directory.statistics);
    entry(AccountKey, directory.account);
    entry(TournamentKey, directory.tournament);
    if (directory.worldTopTenPaused)
        text += std::string(WorldTopTenPause) + "=1#";
    if (directory.chatPaused)
        text += std::string(ChatPause) + "=1#";
    return text;
}

ServiceDirectory ReadServiceDirectory(std::string_view text) {
    ServiceDirectory directory;
    directory.statistics = Deciphered(EntryValue(text, StatisticsKey));
    directory.account = Deciphered(EntryValue(text, AccountKey));
    directory.tournament = Deciphered(EntryValue(text, TournamentKey));
    directory.worldTopTenPaused = text.find(WorldTopTenPause) != std::string_view::npos;
    directory.chatPaused = text.find(ChatPause) != std::string_view::npos;
    return directory;
}

int ReadNewsNumber(std::string_view page) {
    constexpr std::string_view marker = "QelNews";
    const std::size_t at = page.find(marker);
    if (at == std::string_view::npos)
        return 0;
    const std::string_view digits = page.substr(at + marker.size(), 5);
    if (digits.size() != 5)
        return 0;
    int number = 0;
    for (const char c : digits) {
        if (c < '0' || c > '9')
            return 0;
        number = number * 10 + (c - '0');
    }
    return number;
}

std::string NewsMarker(int number) {
    char text[16];
    std::snprintf(text, sizeof text, "QelNews%05d", number % 100000);
    return text;
}

std::string WritePlaylist(const std::vector<std::string>& fileNames) {
    std::string text;
    for (const std::string& name : fileNames)
        text += name + '\n';
    return text;
}

std::vector<std::string> ReadPlaylist(std::string_view text) {
    std::vector<std::string> lines;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        const std::string_view line = Trimmed(text.substr(0, end));
        if (!line.empty())
            lines.emplace_back(line);
        if (end == std::string_view::npos)
            break;
        text.remove_prefix(end + 1);
    }
    return lines;
}

std::string WritePublicIp(std::string_view address) {
    return std::string(address) + '\n';
}

std::string ReadPublicIp(std::string_view text) {
    return std::string(Trimmed(text.substr(0, text.find('\n'))));
}

} // namespace tavlira::online
