#pragma once
// The two kinds of form post that carry every request to the web server, and
// their parsing on the server's side. Both travel as POST bodies of type
// application/x-www-form-urlencoded.
//
// Text post: the fields "name=value" joined by "&", sent as code page 1251
// bytes and not percent-encoded; a Cyrillic letter is one byte ("Мир" is
// CC E8 F0). A value therefore cannot hold "&" or "=": the builder writes
// "_" for them, so a value can never smuggle in a field of its own.
//
// Field list: the fields are first joined by the two characters LF CR, as the
// game's request code writes them. The body is that text broken at every LF
// and every CR (so an empty line stands between two fields), each line's
// name and value percent-encoded as UTF-8 (space as "+"; letters, digits and
// "*-._" as they are) and the lines joined by "&":
//   nick=%D0%9C%D0%B8%D1%80&&label0=0
//
// A field with an empty name and value is an empty line of the list.
// A line break inside a value would start a field of its own: the builder
// writes "_" for it.
//
// Inside the core every value is code page 1251 bytes, both ways.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tavlira::online {

enum class PostKind { Text, FieldList };

struct Field {
    std::string name;
    std::string value;
    friend bool operator==(const Field&, const Field&) = default;
};
using Fields = std::vector<Field>;

// Client side.
std::string TextPostBody(const Fields& fields);
std::string FieldListText(const Fields& fields);
std::string FieldListBody(std::string_view fieldListText);
std::string PostBody(PostKind kind, const Fields& fields);

// Server side: the fields of a body in order, empty pieces between two "&"
// skipped. What no builder writes refuses the whole body: a piece without
// "=", a second "=" in a text post's piece, and in a field list a broken
// percent escape, malformed UTF-8 or a line break inside a name or value.
std::optional<Fields> ParseTextPost(std::string_view body);
std::optional<Fields> ParseFieldList(std::string_view body);
std::optional<Fields> ParsePost(PostKind kind, std::string_view body);

// The value of the first field called `name`; nullptr when there is none.
const std::string* FindField(const Fields& fields, std::string_view name);

} // namespace tavlira::online
