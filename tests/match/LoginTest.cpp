#include "match/Login.h"

#include <gtest/gtest.h>

namespace tavlira {
namespace {

TEST(Login, NewPlayerNeedsANameAndTheSamePasswordTwice) {
    EXPECT_EQ(CheckNewPlayer("Anna", "12", "12"), LoginError::None);
    EXPECT_EQ(CheckNewPlayer("Anna", "", ""), LoginError::None);
    EXPECT_EQ(CheckNewPlayer("", "12", "12"), LoginError::IncorrectName);
    EXPECT_EQ(CheckNewPlayer("   ", "12", "12"), LoginError::IncorrectName);
    EXPECT_EQ(CheckNewPlayer("Anna", "12", "13"), LoginError::PasswordsDoNotCoincide);
    EXPECT_EQ(CheckNewPlayer(std::string(21, 'a'), "", ""), LoginError::IncorrectName);
}

TEST(Login, MemberNeedsTheStoredPassword) {
    EXPECT_EQ(CheckMember("Anna", "ab", std::string("ab")), LoginError::None);
    EXPECT_EQ(CheckMember("Anna", "ab   ", std::string("ab")), LoginError::None);
    EXPECT_EQ(CheckMember("Anna", "abc", std::string("ab")), LoginError::IncorrectPassword);
    EXPECT_EQ(CheckMember("Anna", "ab", std::nullopt), LoginError::IncorrectPassword);
    EXPECT_EQ(CheckMember("", "ab", std::string("ab")), LoginError::IncorrectName);
}

} // namespace
} // namespace tavlira
