#include "online/Post.h"

#include "online/Answer.h"

namespace tavlira::online {

std::optional<std::string> TextField(const Fields& fields, std::string_view name) {
    const std::string* value = FindField(fields, name);
    if (value == nullptr)
        return std::nullopt;
    return *value;
}

std::optional<std::int64_t> NumberField(const Fields& fields, std::string_view name) {
    const std::string* value = FindField(fields, name);
    return value == nullptr ? std::nullopt : ParseInteger(*value);
}

std::optional<double> FractionField(const Fields& fields, std::string_view name) {
    const std::string* value = FindField(fields, name);
    return value == nullptr ? std::nullopt : ParseFraction(*value);
}

std::string WirePassword(std::string_view password) {
    std::string out(password);
    for (char& c : out)
        if (c == ' ' || c == '#' || c == '$')
            c = '-';
    return out;
}

} // namespace tavlira::online
