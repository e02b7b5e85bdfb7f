#pragma once
// Reading and writing the web server's answers. An answer is text; the client
// converts it to code page 1251 before reading (AnswerFromWire), the server
// writes code page 1251 and converts it to UTF-8 for the wire (AnswerToWire).
//
//   marker          two letters such as "ok", "is" or "no" anywhere in the answer
//   record          the text after a "$" up to the next terminator or the end:
//                   "$" for answers of one record, "*" (or the next "$") in lists
//   values          a record given one space at each end and split at every
//                   single space, numbered from 1; two spaces give an empty value
//   fraction        written with "."; any one character that is neither a digit,
//                   "-" nor a space separates the decimals when read
//   trailing number the digits after the answer's last "$", -1 without them
//
// Readers never trust the text: a value missing from a short record keeps its
// default, and a value that is not a number where a number belongs fails the
// whole answer.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tavlira::online {

std::string AnswerFromWire(std::string_view utf8);
std::string AnswerToWire(std::string_view cp1251);

bool HasMarker(std::string_view answer, std::string_view marker);

// The first record, from the first "$" up to `terminator` (or the end).
std::optional<std::string_view> FirstRecord(std::string_view answer, char terminator);
// At most `limit` records of a list: each "$" begins one, which ends at the
// next "*" or "$" or at the end.
std::vector<std::string_view> ListRecords(std::string_view answer, std::size_t limit);

// The values of one record; At(n) is value n (from 1), nullopt past the last.
class Values {
  public:
    explicit Values(std::string_view record, char separator = ' ');
    std::optional<std::string_view> At(std::size_t n) const;
    std::size_t Count() const { return values_.size(); }

  private:
    std::vector<std::string_view> values_;
};

// Fills fields from the values of one record: a value past the record's
// end leaves its field as it was; a number field whose value is not a
// number marks the whole record as failed.
class RecordReader {
  public:
    explicit RecordReader(std::string_view record, char separator = ' ')
        : values_(record, separator) {}
    RecordReader& Text(std::size_t n, std::string& field);
    RecordReader& FirstChar(std::size_t n, char& field);
    RecordReader& Integer(std::size_t n, int& field);
    RecordReader& Fraction(std::size_t n, double& field);
    bool Ok() const { return ok_; }

  private:
    Values values_;
    bool ok_ = true;
};

std::optional<std::int64_t> ParseInteger(std::string_view text);
std::optional<double> ParseFraction(std::string_view text);
// -1 when there is no "$" or no digit right after the last one.
std::int64_t TrailingNumber(std::string_view answer);

// A fraction as the server and the client write it: "." as the separator, at
// most six decimals, no trailing zeros, and 0 for a magnitude below 0.00001.
std::string FormatFraction(double value);

// Builds one record of values separated by single spaces. A text value never
// holds a separator: blanks, "$", "*", "~" and control characters become "_";
// an empty text is written as "#", the readers' "nothing here".
class RecordWriter {
  public:
    RecordWriter& Text(std::string_view text);
    RecordWriter& Number(std::int64_t number);
    RecordWriter& Fraction(double number);
    // "$" + the values, with `terminator` after them when it is not '\0'.
    std::string Record(char terminator = '\0') const;

  private:
    std::string values_;
};

// The short answers of requests that only report whether they were done,
// and the answer of a read that found nothing. A record never comes after
// FailAnswer, and a reader looks for "no" only before the first "$", so a
// nick or city holding those two letters cannot make a good answer fail.
inline constexpr std::string_view OkAnswer = "ok";
inline constexpr std::string_view TakenAnswer = "is";
inline constexpr std::string_view FailAnswer = "no";
bool ReadRefused(std::string_view answer);
// The answer "$" + number, read back with TrailingNumber.
std::string NumberAnswer(std::int64_t number);

// A text that cannot break an answer's layout (see RecordWriter).
std::string AnswerText(std::string_view text);

} // namespace tavlira::online
