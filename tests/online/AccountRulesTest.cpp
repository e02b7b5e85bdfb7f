#include "online/AccountRules.h"

#include "util/Cp1251.h"

#include <gtest/gtest.h>

namespace tavlira::online {
namespace {

TEST(AccountRules, LampsOfTheAccountPage) {
    const struct {
        TextKind kind;
        const char* utf8;
        Validity expected;
    } cases[] = {
        {TextKind::Nick, "ab", Validity::Green},
        {TextKind::Nick, "a", Validity::Red},
        {TextKind::Nick, "", Validity::Red},
        {TextKind::Nick, "abЖ", Validity::Red},
        {TextKind::Nick, "abcdefghijkl", Validity::Green},
        {TextKind::Nick, "abcdefghijklm", Validity::Red},
        {TextKind::Nick, "a b", Validity::Red},
        {TextKind::Nick, "a$b", Validity::Red},
        {TextKind::Nick, "Mr.X!(),-@_", Validity::Green},
        {TextKind::City, "Москва", Validity::Yellow},
        {TextKind::City, "Ёлки", Validity::Yellow},
        {TextKind::City, "a", Validity::Red},
        {TextKind::Password, "abc", Validity::Red},
        {TextKind::Password, "abcd", Validity::Green},
        {TextKind::Password, "abcЖ", Validity::Red},
        {TextKind::EMail, "a@b", Validity::Green},
        {TextKind::EMail, "@ab", Validity::Red},
        {TextKind::EMail, "ab@", Validity::Red},
        {TextKind::EMail, "abc", Validity::Red},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CheckText(c.kind, Utf8ToCp1251(c.utf8)), c.expected) << c.utf8;
}

} // namespace
} // namespace tavlira::online
