#pragma once
// One player's machine in a duel, without a window or a socket: its own
// program folder with the record files, its match in network mode, and the
// link to the peer. The person's side is played by the clicks a person
// makes (Autoplay), choosing as the computer opponent would.

#include "duel/DuelAutoplay.h"
#include "duel/DuelLink.h"
#include "game/Random.h"
#include "records/AtomicFile.h"
#include "records/RecordFile.h"
#include "records/RecordStore.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <unistd.h>
#include <vector>

namespace tavlira::testing {

// A fresh program folder under the temporary folder, named after the
// running test and this process, so that it may run beside the others and
// beside another run of itself.
inline std::filesystem::path FreshFolder(const std::string& name) {
    static int made = 0;
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    auto folder = std::filesystem::path(::testing::TempDir()) /
                  ("duel-" + std::string(test ? test->name() : "") + "-" + name + "-" +
                   std::to_string(getpid()) + "-" + std::to_string(++made));
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    return folder;
}

struct DuelMachine {
    // `gamesPlayed` is the record of the member `playerName` at line 1 of the net
    // file; the shuffles follow `seed`.
    DuelMachine(net::DuelRole role, const std::string& playerName, int gamesPlayed,
                std::uint32_t seed)
        : folder(FreshFolder(playerName)), records(folder), shuffles(seed), name(playerName),
          ownLink(role, playerName) {
        RecordFile net = InitialRecordFile('0', "tst");
        net.Member(1) = FormatMemberLine({playerName, 0.0, gamesPlayed, 0, EncodePassword("")});
        EXPECT_TRUE(ReplaceFile(folder / RecordFileName(RecordFileKind::Club),
                                FormatRecordFile(InitialRecordFile('0', "tst"))));
        EXPECT_TRUE(
            ReplaceFile(folder / RecordFileName(RecordFileKind::Net), FormatRecordFile(net)));
        match.SetNetworkMode(true);
        match.SetPlayMode(role == net::DuelRole::Host ? PlayMode::DuelHost : PlayMode::DuelClient);
        match.LeaveTitle();
        Take();
    }
    DuelMachine(const DuelMachine&) = delete;
    DuelMachine& operator=(const DuelMachine&) = delete;
    ~DuelMachine() {
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
    }

    // The login dialog's "Ok" once the peer joined.
    void LogIn() {
        ASSERT_EQ(match.Login(MemberSlot(1), name, "", ""), LoginError::None);
        Take();
    }

    // The outbox as the window takes it: what it says this side did goes to
    // the peer; record effects are carried out.
    void Take() {
        const MatchOutbox events = TakeOutboxRunningRecords(match, records);
        link->Send(events, match);
        played.insert(played.end(), events.begin(), events.end());
    }

    // Steps until nothing is due; returns the step that was not a game step.
    DuelLink::Step Settle() {
        for (;;) {
            DuelLink::Step step = link->Next(match);
            if (!std::holds_alternative<DuelLink::GameStep>(step))
                return step;
            Take();
        }
    }

    // What the person does when nothing else is due (ActAsPerson).
    bool PersonActs() {
        const bool acted = ActAsPerson(match);
        Take();
        return acted;
    }

    std::optional<MemberRecord> NetMember() { return records.LoadMember(RecordFileKind::Net, 1); }

    std::filesystem::path folder;
    DiskRecordStore records;
    SeededRandom shuffles;
    std::string name;
    Match match{MatchServices{
        &records, [] { return std::pair<std::string, std::string>("12:00", "10.12.2026"); },
        [this] { return std::make_unique<SeededRandom>(shuffles.Next32()); }}};
    // The link to the peer: its own, or a socket's.
    DuelLink ownLink;
    DuelLink* link = &ownLink;
    MatchOutbox played;
};

} // namespace tavlira::testing
