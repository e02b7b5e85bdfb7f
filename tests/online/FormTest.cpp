#include "online/Form.h"

#include "util/Cp1251.h"

#include <gtest/gtest.h>

namespace tavlira::online {
namespace {

std::string Cp(const char* utf8) {
    return Utf8ToCp1251(utf8);
}

TEST(Form, FieldListIsPercentEncodedUtf8WithEmptyLinesBetweenFields) {
    const Fields fields = {{"nick", Cp("Мир")}, {"label0", "0"}};
    EXPECT_EQ(FieldListText(fields), Cp("nick=Мир") + "\n\rlabel0=0");
    EXPECT_EQ(PostBody(PostKind::FieldList, fields), "nick=%D0%9C%D0%B8%D1%80&&label0=0");
    EXPECT_EQ(FieldListBody("a=x y*-._~!"), "a=x+y*-._%7E%21");
    // An empty field is an empty line: four "&" around it.
    EXPECT_EQ(PostBody(PostKind::FieldList, {{"top10k66", "0"}, {"", ""}, {"nick", "z"}}),
              "top10k66=0&&&&nick=z");
}

TEST(Form, TextPostSendsCodePage1251BytesUnencoded) {
    const std::string body = PostBody(PostKind::Text, {{"city", Cp("Мир")}, {"n", "a b"}});
    EXPECT_EQ(body, "city=\xCC\xE8\xF0&n=a b");
}

TEST(Form, AValueCannotSmuggleInAFieldOfItsOwn) {
    EXPECT_EQ(TextPostBody({{"nick", "a&pw=x"}}), "nick=a_pw_x");
    const Fields parsed =
        *ParseFieldList(PostBody(PostKind::FieldList, {{"nick", "a\rpw=x\n"}, {"k", "1"}}));
    ASSERT_EQ(parsed.size(), 2u);
    EXPECT_EQ(parsed[0], (Field{"nick", "a_pw=x_"}));
}

TEST(Form, BothKindsParseBackToTheirFields) {
    const Fields fields = {{"nick", Cp("Ёлка 1")}, {"pw", "p%+q"}, {"e", ""}};
    EXPECT_EQ(ParsePost(PostKind::FieldList, PostBody(PostKind::FieldList, fields)), fields);
    EXPECT_EQ(ParsePost(PostKind::Text, PostBody(PostKind::Text, fields)), fields);
    EXPECT_EQ(ParseTextPost("&&a=1&&b=&"), (Fields{{"a", "1"}, {"b", ""}}));
    EXPECT_EQ(ParseTextPost(""), Fields{});
}

TEST(Form, MalformedBodiesAreRefused) {
    for (const char* body : {"a", "a=1&b", "a=%", "a=%4", "a=%G0", "a=%C3", "a=%C3%28",
                             "a=%ED%A0%80", "a=%F5%80%80%80", "a=%C0%80"})
        EXPECT_FALSE(ParseFieldList(body)) << body;
    EXPECT_FALSE(ParseTextPost("a=1&junk"));
    EXPECT_FALSE(ParseTextPost("a=1&b==2"));
    EXPECT_FALSE(ParseFieldList("a=x%0Apw%3Dy"));
    // A character the code page lacks becomes "?".
    EXPECT_EQ(ParseFieldList("a=%E2%82%AC%F0%9F%98%80"), (Fields{{"a", "\x88?"}}));
}

} // namespace
} // namespace tavlira::online
