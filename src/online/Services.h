#pragma once
// The plain downloads that carry a meaning: the service directory, the news
// number, the playlist and the caller's public address. All are UTF-8 text.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tavlira::online {

// The service directory: "StatPath=…#AccPath=…#WTGamesPatt=…#", each value
// an absolute address enciphered with the service-address key. An entry is
// its key, one separator character and the value up to the next "#"; an
// entry without its "#" (a directory cut short) counts as missing. The words
// "WTGamesPause" and "CTGamesPause" anywhere pause the world top ten and the
// chat.
struct ServiceDirectory {
    std::optional<std::string> statistics; // deciphered addresses
    std::optional<std::string> account;
    std::optional<std::string> tournament;
    bool worldTopTenPaused = false;
    bool chatPaused = false;
    friend bool operator==(const ServiceDirectory&, const ServiceDirectory&) = default;
};
std::string WriteServiceDirectory(const ServiceDirectory& directory);
ServiceDirectory ReadServiceDirectory(std::string_view text);

// The newest news number: the five characters after "QelNews", 0 when the
// page lacks the marker or they are not a number.
int ReadNewsNumber(std::string_view page);
std::string NewsMarker(int number); // "QelNews" + five digits

// The playlist: one song file name per line.
std::string WritePlaylist(const std::vector<std::string>& fileNames);
std::vector<std::string> ReadPlaylist(std::string_view text);

// The public-address page: the address as one line; the first line, blanks
// trimmed, or empty.
std::string WritePublicIp(std::string_view address);
std::string ReadPublicIp(std::string_view text);

} // namespace tavlira::online
