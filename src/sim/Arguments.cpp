#include "sim/Arguments.h"

#include "util/Cp1251.h"

#include <charconv>

namespace tavlira::sim {

Arguments::Arguments(const std::vector<std::string>& args, const std::set<std::string>& valued,
                     const std::set<std::string>& flags) {
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg.rfind("--", 0) != 0)
            throw UsageError("unexpected argument '" + arg + "'");
        const std::string name = arg.substr(2);
        if (values_.count(name))
            throw UsageError("option --" + name + " given twice");
        if (flags.count(name)) {
            values_[name] = "";
        } else if (valued.count(name)) {
            if (i + 1 >= args.size())
                throw UsageError("option --" + name + " needs a value");
            values_[name] = args[++i];
        } else {
            throw UsageError("unknown option --" + name);
        }
    }
}

const std::string& Arguments::Text(const std::string& name) const {
    auto it = values_.find(name);
    if (it == values_.end())
        throw UsageError("option --" + name + " is required");
    return it->second;
}

long long Arguments::Number(const std::string& name, long long min, long long max) const {
    const std::string& text = Text(name);
    long long value = 0;
    auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || ptr != text.data() + text.size() || value < min || value > max)
        throw UsageError("--" + name + " must be a whole number from " + std::to_string(min) +
                         " to " + std::to_string(max));
    return value;
}

template <int N>
OneBased<CardSlot, N> CardLists::Read(const std::string& list, const std::string& option) {
    OneBased<CardSlot, N> places;
    places.Fill(CardSlot::Empty());
    int place = 0;
    size_t start = 0;
    while (start <= list.size() && !list.empty()) {
        size_t comma = list.find(',', start);
        const std::string item =
            list.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
        if (++place > N)
            throw UsageError(option + " holds more than " + std::to_string(N) + " places");
        if (item != "##") {
            const std::string bytes = Utf8ToCp1251(item);
            const auto card = CardCode::FromBytes(bytes);
            if (!card)
                throw UsageError(option + ": '" + item + "' is not a card");
            const auto [seen, isNew] = optionOf_.emplace(bytes, option);
            if (!isNew && seen->second == option)
                throw UsageError(option + ": '" + item + "' appears twice");
            if (!isNew)
                throw UsageError(option + ": '" + item + "' is also in " + seen->second);
            places[place] = {*card, RankOrder(*card), GameValue(*card, figuresHavePoints_)};
        }
        if (comma == std::string::npos)
            break;
        start = comma + 1;
    }
    return places;
}

template HandRow CardLists::Read<HandPlaces>(const std::string&, const std::string&);
template OneBased<CardSlot, TablePlaces> CardLists::Read<TablePlaces>(const std::string&,
                                                                      const std::string&);

std::string Escaped(std::string_view text) {
    static constexpr char hex[] = "0123456789ABCDEF";
    std::string escaped;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '\\')
            escaped += "\\\\";
        else if (c == '\n')
            escaped += "\\n";
        else if (c == '\r')
            escaped += "\\r";
        else if (c == '\t')
            escaped += "\\t";
        else if (byte < 0x20 || byte == 0x7F)
            escaped += {'\\', 'x', hex[byte >> 4], hex[byte & 0xF]};
        else
            escaped += c;
    }
    return escaped;
}

} // namespace tavlira::sim
