#include "online/Form.h"

#include "util/Cp1251.h"

#include <cstdint>

namespace tavlira::online {
namespace {

std::string SafeTextValue(std::string_view value) {
    std::string out(value);
    for (char& c : out)
        if (c == '&' || c == '=')
            c = '_';
    return out;
}

bool KeptAsIs(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '*' ||
           c == '-' || c == '.' || c == '_';
}

std::string PercentEncode(std::string_view utf8) {
    static constexpr char hex[] = "0123456789ABCDEF";
    std::string out;
    for (const char ch : utf8) {
        const auto c = static_cast<unsigned char>(ch);
        if (KeptAsIs(c)) {
            out += ch;
        } else if (c == ' ') {
            out += '+';
        } else {
            out += '%';
            out += hex[c >> 4];
            out += hex[c & 0xF];
        }
    }
    return out;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

std::optional<std::string> PercentDecode(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '+') {
            out += ' ';
        } else if (text[i] != '%') {
            out += text[i];
        } else {
            if (i + 2 >= text.size())
                return std::nullopt;
            const int high = HexDigit(text[i + 1]);
            const int low = HexDigit(text[i + 2]);
            if (high < 0 || low < 0)
                return std::nullopt;
            out += static_cast<char>(high * 16 + low);
            i += 2;
        }
    }
    return out;
}

bool IsWellFormedUtf8(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        std::size_t more = 0;
        std::uint32_t code = 0;
        if (lead < 0x80) {
            ++i;
            continue;
        } else if (lead >= 0xC2 && lead <= 0xDF) {
            more = 1;
            code = lead & 0x1F;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            more = 2;
            code = lead & 0x0F;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            more = 3;
            code = lead & 0x07;
        } else {
            return false;
        }
        if (text.size() - i <= more)
            return false;
        for (std::size_t k = 1; k <= more; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0) != 0x80)
                return false;
            code = (code << 6) | (next & 0x3F);
        }
        const std::uint32_t least[] = {0, 0x80, 0x800, 0x10000};
        if (code < least[more] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
            return false;
        i += more + 1;
    }
    return true;
}

// Cuts a body at "&" into name and raw value; `decode` turns each raw
// name and value into code page 1251 bytes or refuses it.
template <class Decode> std::optional<Fields> SplitBody(std::string_view body, Decode decode) {
    Fields fields;
    while (!body.empty()) {
        const std::size_t end = body.find('&');
        const std::string_view piece = body.substr(0, end);
        body = end == std::string_view::npos ? std::string_view{} : body.substr(end + 1);
        if (piece.empty())
            continue;
        const std::size_t equals = piece.find('=');
        if (equals == std::string_view::npos)
            return std::nullopt;
        std::optional<std::string> name = decode(piece.substr(0, equals));
        std::optional<std::string> value = decode(piece.substr(equals + 1));
        if (!name || !value)
            return std::nullopt;
        fields.push_back({std::move(*name), std::move(*value)});
    }
    return fields;
}

} // namespace

std::string TextPostBody(const Fields& fields) {
    std::string body;
    for (const Field& field : fields) {
        if (!body.empty())
            body += '&';
        body += field.name + '=' + SafeTextValue(field.value);
    }
    return body;
}

std::string FieldListText(const Fields& fields) {
    std::string text;
    bool first = true;
    for (const Field& field : fields) {
        if (!first)
            text += "\n\r";
        first = false;
        if (field.name.empty() && field.value.empty())
            continue; // an empty line
        std::string value = field.value;
        for (char& c : value)
            if (c == '\n' || c == '\r')
                c = '_';
        text += field.name + '=' + value;
    }
    return text;
}

std::string FieldListBody(std::string_view fieldListText) {
    std::string body;
    bool first = true;
    while (true) {
        const std::size_t end = fieldListText.find_first_of("\n\r");
        const std::string_view line = fieldListText.substr(0, end);
        if (!first)
            body += '&';
        first = false;
        const std::size_t equals = line.find('=');
        const std::string utf8Name = Cp1251ToUtf8(line.substr(0, equals));
        body += PercentEncode(utf8Name);
        if (equals != std::string_view::npos)
            body += '=' + PercentEncode(Cp1251ToUtf8(line.substr(equals + 1)));
        if (end == std::string_view::npos)
            break;
        fieldListText.remove_prefix(end + 1);
    }
    return body;
}

std::string PostBody(PostKind kind, const Fields& fields) {
    return kind == PostKind::Text ? TextPostBody(fields) : FieldListBody(FieldListText(fields));
}

std::optional<Fields> ParseTextPost(std::string_view body) {
    return SplitBody(body, [](std::string_view raw) -> std::optional<std::string> {
        if (raw.find('=') != std::string_view::npos)
            return std::nullopt;
        return std::string(raw);
    });
}

std::optional<Fields> ParseFieldList(std::string_view body) {
    return SplitBody(body, [](std::string_view raw) -> std::optional<std::string> {
        std::optional<std::string> utf8 = PercentDecode(raw);
        if (!utf8 || !IsWellFormedUtf8(*utf8) || utf8->find_first_of("\n\r") != std::string::npos)
            return std::nullopt;
        return Utf8ToCp1251(*utf8);
    });
}

std::optional<Fields> ParsePost(PostKind kind, std::string_view body) {
    return kind == PostKind::Text ? ParseTextPost(body) : ParseFieldList(body);
}

const std::string* FindField(const Fields& fields, std::string_view name) {
    for (const Field& field : fields)
        if (field.name == name)
            return &field.value;
    return nullptr;
}

} // namespace tavlira::online
