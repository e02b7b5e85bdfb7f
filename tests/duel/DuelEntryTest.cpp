#include "duel/DuelEntry.h"

#include <gtest/gtest.h>

namespace tavlira {
namespace {

TEST(DuelEntry, AnAddressHasFourGroupsOfOneToThreeCharacters) {
    for (const char* good : {"192.168.0.1", "127.0.0.1", "1.2.3.4", "999.999.999.999"})
        EXPECT_TRUE(IsAddress(good)) << good;
    for (const char* bad :
         {"192.168.0", "192..0.1", "1921.168.0.1", "", "...", "1.2.3.4.", ".1.2.3", "1.2.3.4.5"})
        EXPECT_FALSE(IsAddress(bad)) << bad;
}

TEST(DuelEntry, TheBoxesTakeDigitsAndTheAddressDots) {
    EXPECT_TRUE(MayBeAddressText("10.0."));
    EXPECT_TRUE(MayBeAddressText(""));
    EXPECT_FALSE(MayBeAddressText("10.0.a"));
    EXPECT_FALSE(MayBeAddressText("10 0"));
    EXPECT_TRUE(MayBePortText("25666"));
    EXPECT_FALSE(MayBePortText("256.6"));
    EXPECT_EQ(PortOf("25666"), 25666);
    EXPECT_EQ(PortOf(""), std::nullopt);
    EXPECT_EQ(PortOf("99999999999"), 65535);
}

TEST(DuelEntry, TheRevealNumberTogglesOnlyWhenTheKeysReadAsIt) {
    const auto completes = [](RevealKeys& keys, std::string_view typed) {
        bool done = false;
        for (const char key : typed)
            done = keys.Type(key);
        return done;
    };
    RevealKeys keys;
    EXPECT_TRUE(completes(keys, "86271"));
    EXPECT_TRUE(completes(keys, "0086271")); // collected afresh after a match
    EXPECT_FALSE(completes(keys, "986271"));
    keys.Reset();
    EXPECT_FALSE(completes(keys, "8627"));
    EXPECT_TRUE(completes(keys, "1"));
    keys.Reset();
    EXPECT_FALSE(completes(keys, "a86271"));
}

TEST(DuelEntry, ChatLinesFillFromTheTopThenScrollUp) {
    ChatLines chat;
    for (int i = 1; i <= 6; ++i)
        chat.Add({std::to_string(i), i % 2 ? ChatColour::Host : ChatColour::Client});
    ASSERT_EQ(chat.Used(), 4u);
    EXPECT_EQ(chat.Line(0), (ChatEntry{"3", ChatColour::Host}));
    EXPECT_EQ(chat.Line(3), (ChatEntry{"6", ChatColour::Client}));
    chat.Clear();
    EXPECT_EQ(chat.Used(), 0u);
}

} // namespace
} // namespace tavlira
