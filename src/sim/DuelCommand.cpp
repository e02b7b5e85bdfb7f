#include "sim/DuelCommand.h"

#include "duel/DuelAutoplay.h"
#include "duel/DuelLink.h"
#include "game/SelfPlay.h"
#include "records/RecordStore.h"
#include "sim/Arguments.h"
#include "sim/Level.h"
#include "sim/MoveLogFolder.h"
#include "sim/ScratchRecords.h"
#include "sim/TcpConnection.h"

#include <charconv>
#include <random>
#include <stdexcept>
#include <thread>
#include <utility>

namespace tavlira::sim {
namespace {

using net::DuelRole;
using std::chrono::milliseconds;

constexpr const char* kBotName = "Bot";
// Every message is one small send: one that has begun to arrive and is
// still incomplete after this long means a broken peer.
constexpr milliseconds kStall{5000};
// How long a client waits before it asks a refusing host again.
constexpr milliseconds kRetry{20};

struct DuelOptions {
    DuelRole role = DuelRole::Host;
    std::string address; // the host's, for a client
    std::uint16_t port = 0;
    int matches = 1;
    std::uint32_t seed = 0;
    bool figures = false;
    int counter = 0;
    milliseconds timeout{120'000};
    // The expert's options with --level expert; the classic opponent's choices without.
    std::optional<engine::ExpertOptions> expert;
    std::optional<std::string> log; // the folder of the move logs
};

DuelOptions ReadOptions(const std::vector<std::string>& args) {
    const Arguments a(args,
                      {"host", "join", "matches", "seed", "counter", "timeout", "level", "log"},
                      {"figures"});
    if (a.Has("host") == a.Has("join"))
        throw UsageError("give either --host PORT or --join ADDR:PORT");
    DuelOptions o;
    if (a.Has("host")) {
        o.port = static_cast<std::uint16_t>(a.Number("host", 0, 65535));
        o.seed = a.Has("seed") ? static_cast<std::uint32_t>(a.Number("seed", 0, UINT32_MAX))
                               : std::random_device{}();
        o.figures = a.Has("figures");
    } else {
        // The client plays the host's deals, with the host's rule for court cards.
        for (const char* hosts : {"seed", "figures"})
            if (a.Has(hosts))
                throw UsageError(std::string("--") + hosts + " is the host's to choose");
        o.role = DuelRole::Client;
        const std::string& join = a.Text("join");
        const std::size_t colon = join.rfind(':');
        const std::string_view port = colon == std::string::npos
                                          ? std::string_view()
                                          : std::string_view(join).substr(colon + 1);
        const auto [end, error] = std::from_chars(port.data(), port.data() + port.size(), o.port);
        if (colon == std::string::npos || colon == 0 || error != std::errc() ||
            end != port.data() + port.size() || o.port == 0)
            throw UsageError("--join needs ADDR:PORT with a port from 1 to 65535, not '" + join +
                             "'");
        o.address = join.substr(0, colon);
    }
    if (a.Has("matches"))
        o.matches = static_cast<int>(a.Number("matches", 1, 1'000'000));
    if (a.Has("counter"))
        o.counter = static_cast<int>(a.Number("counter", 0, 99'999));
    if (a.Has("timeout"))
        o.timeout = milliseconds(1000 * a.Number("timeout", 1, 86'400));
    o.expert = ReadLevel(a);
    o.log = a.Optional("log");
    return o;
}

Seat Mirrored(Seat seat) {
    return seat == Seat{} ? seat : OtherSeat(seat);
}

// The client sees the host's seats swapped; the signature is taken from the
// host's side so both print the same one.
Event FromHostsSide(Event e) {
    if (auto* flight = std::get_if<event::FlyCards>(&e)) {
        for (auto& card : flight->cards)
            card.from.seat = Mirrored(card.from.seat);
        flight->to.seat = Mirrored(flight->to.seat);
    } else if (auto* noMove = std::get_if<event::ShowNoMove>(&e)) {
        noMove->seat = Mirrored(noMove->seat);
    }
    return e;
}

std::string Seconds(milliseconds time) {
    return std::to_string(time.count() / 1000) + " s";
}

class DuelPlayer {
  public:
    DuelPlayer(const DuelOptions& options, RecordStore& records, SeededRandom& shuffles)
        : options_(options), records_(records),
          logs_(LogFolderOption(options.log,
                                options.role == DuelRole::Host ? "duel-host" : "duel-client")),
          match_(MatchServices{
              &records, [] { return std::pair<std::string, std::string>("12:00", "01.01.2027"); },
              [&shuffles] { return std::make_unique<SeededRandom>(shuffles.Next32()); }}) {
        match_.SetNetworkMode(true);
        match_.SetFiguresHavePoints(options.figures);
        match_.SetPlayMode(options.role == DuelRole::Host ? PlayMode::DuelHost
                                                          : PlayMode::DuelClient);
        if (logs_)
            match_.SetGameObserver(&logs_->Recorder());
        match_.LeaveTitle();
        match_.TakeOutbox();
    }

    // Plays one match on `peer` to its end. A host returns false for a caller
    // that did not complete the handshake by `joinBy` (it may take another);
    // every other failure throws.
    bool PlayMatch(TcpConnection& peer, Clock::time_point joinBy);

    void Print(std::ostream& out) const {
        out << "matches=" << matches_ << '\n'
            << "games=" << games_ << '\n'
            << "host.points=" << hostPoints_ << '\n'
            << "client.points=" << clientPoints_ << '\n'
            << "signature=" << SignatureText(signature_.Value()) << '\n';
    }

  private:
    bool Host() const { return options_.role == DuelRole::Host; }
    void Take(DuelLink& link);
    void LogIn(DuelLink& link);
    [[noreturn]] void Fail(const std::string& what) const;
    void Finished();

    const DuelOptions& options_;
    RecordStore& records_;
    std::unique_ptr<MoveLogFolder> logs_;
    Match match_;
    MoveSignature signature_;
    int matches_ = 0;
    int games_ = 0;
    long long hostPoints_ = 0;
    long long clientPoints_ = 0;
};

void DuelPlayer::Fail(const std::string& what) const {
    throw std::runtime_error(what + " (match " + std::to_string(matches_ + 1) + ")");
}

// The outbox of one step: records written, the person's part sent, the
// flights signed.
void DuelPlayer::Take(DuelLink& link) {
    const MatchOutbox events = TakeOutboxRunningRecords(match_, records_);
    ThrowOnRecordFailure(events);
    link.Send(events, match_);
    Outbox flown;
    for (const MatchEvent& e : events) {
        const auto* game = std::get_if<Event>(&e);
        if (game == nullptr)
            continue;
        games_ += std::holds_alternative<event::GameFinished>(*game) ? 1 : 0;
        flown.push_back(Host() ? *game : FromHostsSide(*game));
    }
    signature_.Absorb(flown);
}

void DuelPlayer::LogIn(DuelLink& link) {
    match_.SetPeerName(link.PeerName());
    if (match_.Login(MemberSlot(1), kBotName, "", "") != LoginError::None)
        throw std::runtime_error("the bot's member could not log in");
    Take(link);
}

void DuelPlayer::Finished() {
    const GameState& s = match_.State();
    const Seat hostSeat = Host() ? LocalSeat : OpponentSeat;
    hostPoints_ += s.MatchPoints[hostSeat];
    clientPoints_ += s.MatchPoints[OtherSeat(hostSeat)];
    ++matches_;
}

bool DuelPlayer::PlayMatch(TcpConnection& peer, Clock::time_point joinBy) {
    DuelLink link(options_.role, kBotName);
    link.Connected();
    bool loggedIn = false;
    bool peerClosed = false;
    bool peerLeftTold = false;
    Clock::time_point lastHeard = Clock::now();
    const auto flush = [&] {
        if (const std::string bytes = link.TakeOutgoing(); !bytes.empty() && !peer.Send(bytes))
            peerClosed = true;
    };
    for (;;) {
        StopSignals::ThrowIfStopped();
        flush();
        const DuelLink::Step step = link.Next(match_);
        if (std::holds_alternative<DuelLink::GameStep>(step)) {
            Take(link);
            continue;
        }
        if (std::holds_alternative<DuelLink::PeerJoined>(step)) {
            LogIn(link);
            loggedIn = true;
            continue;
        }
        if (std::holds_alternative<DuelLink::Chat>(step))
            continue;
        if (const auto* ended = std::get_if<DuelLink::Ended>(&step)) {
            if (Host() && !link.Joined())
                return false;
            Fail("the peer sent what a duel does not allow (" +
                 std::string(net::FaultName(ended->fault)) + "); the connection was ended");
        }

        // Nothing due: the match may be over, the person may act, or the
        // peer must be waited for.
        if (loggedIn && match_.MenuShown()) {
            Finished();
            return true;
        }
        if (peerClosed && !std::exchange(peerLeftTold, true)) {
            if (match_.PeerLeft())
                Fail("the peer left during game " + std::to_string(match_.State().GamesAtTable));
            Take(link);
        }
        if ((options_.expert && PlayExpertTurn(match_, *options_.expert)) || ActAsPerson(match_)) {
            Take(link);
            continue;
        }
        if (peerClosed) {
            if (Host() && !link.Joined())
                return false;
            Fail(loggedIn
                     ? "the peer left after game " + std::to_string(match_.State().GamesAtTable) +
                           " before the match was over"
                     : "the peer left before the handshake");
        }

        const bool partial = link.AwaitsRest();
        Clock::time_point deadline =
            lastHeard + (partial ? std::min(kStall, options_.timeout) : options_.timeout);
        if (!link.Joined())
            deadline = std::min(deadline, joinBy);
        std::string bytes;
        switch (peer.Receive(bytes, deadline)) {
        case TcpConnection::Read::Data:
            link.Feed(bytes);
            lastHeard = Clock::now();
            break;
        case TcpConnection::Read::Closed:
            peerClosed = true;
            break;
        case TcpConnection::Read::Interrupted:
            break;
        case TcpConnection::Read::TimedOut:
            if (Host() && !link.Joined())
                return false;
            Fail(partial ? "the peer stopped in the middle of a message"
                         : "the peer sent nothing for " + Seconds(options_.timeout));
        }
    }
}

// A client joins, asking again while the host refuses, until the time-out.
TcpConnection Join(const DuelOptions& o) {
    const Clock::time_point deadline = Clock::now() + o.timeout;
    for (;;) {
        std::string why;
        if (auto peer = TcpConnection::Connect(o.address, o.port, deadline, why))
            return std::move(*peer);
        StopSignals::ThrowIfStopped();
        if (Clock::now() + kRetry >= deadline)
            throw std::runtime_error("no game at " + o.address + ":" + std::to_string(o.port) +
                                     ": " + why);
        std::this_thread::sleep_for(kRetry);
    }
}

} // namespace

void DuelCommand(const std::vector<std::string>& args, std::ostream& out) {
    const DuelOptions options = ReadOptions(args);
    const StopSignals stopSignals;
    ScratchInstall install(MemberRecord{kBotName, 0.0, options.counter, 0, EncodePassword("")});
    DiskRecordStore records(install.Folder());
    if (records.CheckAtStart().status != RecordFileStatus::Sound)
        throw std::runtime_error("the scratch record files are not sound");
    SeededRandom shuffles(options.seed);
    DuelPlayer player(options, records, shuffles);

    std::optional<TcpListener> listener;
    if (options.role == DuelRole::Host) {
        listener.emplace(options.port);
        if (options.port == 0)
            out << "port=" << listener->Port() << std::endl;
    }
    for (int match = 1; match <= options.matches; ++match) {
        if (listener) {
            const Clock::time_point joinBy = Clock::now() + options.timeout;
            for (;;) {
                std::optional<TcpConnection> peer = listener->Accept(joinBy);
                StopSignals::ThrowIfStopped();
                if (!peer)
                    throw std::runtime_error("no player joined on port " +
                                             std::to_string(listener->Port()) + " within " +
                                             Seconds(options.timeout));
                const bool played = player.PlayMatch(*peer, joinBy);
                peer->Close();
                if (played)
                    break;
            }
        } else {
            TcpConnection peer = Join(options);
            player.PlayMatch(peer, Clock::time_point::max());
            peer.Close();
        }
    }
    player.Print(out);
}

} // namespace tavlira::sim
