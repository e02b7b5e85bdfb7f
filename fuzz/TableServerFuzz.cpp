// Arbitrary traffic at the table server: four connections, two at table 1
// and two at table 2, and the clock. The first byte says whether table 1's
// seats are taken and its game begun before the traffic starts; then each
// step is one byte that picks the connection and what happens (bytes, the
// peer closing, time passing) and, for bytes, one length byte and the bytes.
//
// Whatever arrives: nothing crashes; the server sends only whole frames and
// deals, and only to connections that are open; each of its games keeps all
// 52 cards; a connection it closed hears nothing more.

#include "CardCount.h"
#include "FuzzCheck.h"
#include "table/TableServer.h"

#include <cstddef>
#include <cstdint>
#include <set>
#include <string>
#include <string_view>

namespace {
using namespace tavlira;
using namespace tavlira::table;

std::string Frame(std::string payload, char seat) {
    payload.resize(net::FramePayloadMax, '#');
    return payload + seat;
}

struct Traffic {
    MemorySeatBoard board;
    SeededRandom random{5};
    TableServer server{board, random, TableServerOptions{2, 500, 1000}};
    std::set<ConnectionId> open;
    Millis now = 0;

    void Check() {
        for (ServerAction& action : server.TakeActions()) {
            if (const auto* send = std::get_if<SendBytes>(&action)) {
                FUZZ_CHECK(open.contains(send->to));
                FUZZ_CHECK(send->bytes.size() == net::FrameSize ||
                           send->bytes.size() == net::TableDealSize);
            } else {
                const ConnectionId id = std::get<CloseConnection>(action).id;
                FUZZ_CHECK(open.erase(id) == 1);
            }
        }
        for (int table = 1; table <= net::TableCount; ++table)
            if (server.Playing(table))
                FUZZ_CHECK(CardsAccountedFor(server.Game(table)) == DeckSize);
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1)
        return 0;
    Traffic traffic;
    for (ConnectionId id = 0; id < 4; ++id) {
        traffic.server.Opened(id, id < 2 ? 1 : 2, id % 2 == 0 ? "127.0.0.1" : "10.0.0.1", 0);
        traffic.open.insert(id);
    }
    if (data[0] % 2 == 1) {
        traffic.server.Received(0, Frame("connect1", '1'), 0);
        traffic.server.Received(1, Frame("connect2", '2'), 0);
        traffic.server.Received(0, Frame("hbegin", '1'), 0);
    }
    traffic.Check();

    std::size_t at = 1;
    while (at < size) {
        const std::uint8_t step = data[at++];
        const ConnectionId id = step % 4;
        switch (step / 4 % 4) {
        case 0:
        case 1: {
            std::size_t length = 0;
            if (at < size) {
                length = data[at];
                ++at;
                length = std::min(length, size - at);
            }
            if (traffic.open.contains(id))
                traffic.server.Received(
                    id, std::string_view(reinterpret_cast<const char*>(data) + at, length),
                    traffic.now);
            at += length;
            break;
        }
        case 2:
            if (traffic.open.erase(id) == 1)
                traffic.server.Closed(id, traffic.now);
            break;
        default:
            traffic.now += step * 20;
            traffic.server.Tick(traffic.now);
            break;
        }
        traffic.Check();
    }
    return 0;
}
