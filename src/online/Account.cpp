#include "online/Account.h"

#include "online/Answer.h"
#include "util/Base64.h"

#include <array>

namespace tavlira::online {
namespace {

std::string SexText(char sex) {
    return std::string(1, sex);
}

std::optional<char> SexField(const Fields& fields, std::string_view name) {
    const std::string* value = FindField(fields, name);
    if (value == nullptr || value->size() != 1)
        return std::nullopt;
    return (*value)[0];
}

// The profile's members in wire order.
std::array<std::string Profile::*, 14> WireOrder() {
    return {&Profile::Name1,      &Profile::Name2,    &Profile::About,    &Profile::Telephone,
            &Profile::EMailO,     &Profile::WebSite,  &Profile::Skype,    &Profile::OK,
            &Profile::VK,         &Profile::Telegram, &Profile::FaceBook, &Profile::Twitter,
            &Profile::Instagramm, &Profile::YouTube};
}
// The profile's field names, in wire order.
constexpr std::array<std::string_view, 14> WireNames = {
    "namei", "name2", "about",    "telephone", "emailo",  "website",    "skype",
    "ok",    "vk",    "telegram", "facebook",  "twitter", "instagramm", "youtube"};

} // namespace

Fields CreateAccountRequest::ToFields() const {
    const Account& a = account;
    return {{"nick", a.Nick},
            {"pw", a.Pw},
            {"city", a.City},
            {"country1", a.Country1},
            {"country2", a.Country2},
            {"sex", SexText(a.Sex)},
            {"email", a.EMail},
            {"dater", a.DateR},
            {"R01", a.R01},
            {"R02", a.R02},
            {"R03", a.R03},
            {"R04", std::to_string(a.R04)},
            {"R05", std::to_string(a.R05)},
            {"R06", std::to_string(a.R06)}};
}

std::optional<CreateAccountRequest> CreateAccountRequest::FromFields(const Fields& fields) {
    CreateAccountRequest request;
    Account& a = request.account;
    auto nick = TextField(fields, "nick");
    auto pw = TextField(fields, "pw");
    auto city = TextField(fields, "city");
    auto country1 = TextField(fields, "country1");
    auto country2 = TextField(fields, "country2");
    auto sex = SexField(fields, "sex");
    auto email = TextField(fields, "email");
    auto dater = TextField(fields, "dater");
    if (!nick || !pw || !city || !country1 || !country2 || !sex || !email || !dater)
        return std::nullopt;
    a.Nick = *nick;
    a.Pw = *pw;
    a.City = *city;
    a.Country1 = *country1;
    a.Country2 = *country2;
    a.Sex = *sex;
    a.EMail = *email;
    a.DateR = *dater;
    // The counters start at their defaults whatever the caller sends: a new
    // account cannot bring its own balance of points.
    return request;
}

std::string WriteCreateAnswer(CreateResult result) {
    switch (result) {
    case CreateResult::Created:
        return std::string(OkAnswer);
    case CreateResult::NickTaken:
        return std::string(TakenAnswer);
    case CreateResult::Failed:
        break;
    }
    return std::string(FailAnswer);
}

CreateResult ReadCreateAnswer(std::string_view answer) {
    CreateResult result = CreateResult::Failed;
    if (HasMarker(answer, OkAnswer))
        result = CreateResult::Created;
    if (HasMarker(answer, TakenAnswer))
        result = CreateResult::NickTaken;
    return result;
}

Fields ReadAccountRequest::ToFields() const {
    return {{"nick", nick}, {"pw", pw}, {"label0", "0"}};
}

std::optional<ReadAccountRequest> ReadAccountRequest::FromFields(const Fields& fields) {
    auto nick = TextField(fields, "nick");
    auto pw = TextField(fields, "pw");
    if (!nick || !pw || !FindField(fields, "label0"))
        return std::nullopt;
    return ReadAccountRequest{*nick, *pw};
}

std::string WriteAccountAnswer(const Account& a) {
    return RecordWriter()
        .Text(a.City)
        .Text(a.Country1)
        .Text(a.Country2)
        .Text(SexText(a.Sex))
        .Text(a.EMail)
        .Text(a.DateR)
        .Text(a.R01)
        .Text(a.R02)
        .Text(a.R03)
        .Number(a.R04)
        .Number(a.R05)
        .Number(a.R06)
        .Record();
}

std::optional<Account> ReadAccountAnswer(std::string_view answer, Account known) {
    if (ReadRefused(answer))
        return std::nullopt;
    const Values values(*FirstRecord(answer, '$'));
    std::string* texts[] = {&known.City,  &known.Country1, &known.Country2, nullptr,   &known.EMail,
                            &known.DateR, &known.R01,      &known.R02,      &known.R03};
    for (std::size_t n = 1; n <= 9; ++n) {
        const auto value = values.At(n);
        if (!value)
            return known;
        if (texts[n - 1] != nullptr)
            *texts[n - 1] = *value;
        else if (!value->empty())
            known.Sex = value->front();
    }
    int* numbers[] = {&known.R04, &known.R05, &known.R06};
    for (std::size_t n = 10; n <= 12; ++n) {
        const auto value = values.At(n);
        if (!value)
            break;
        const auto number = ParseInteger(*value);
        if (!number)
            return std::nullopt;
        *numbers[n - 10] = static_cast<int>(*number);
    }
    return known;
}

Fields ClubSizeRequest::ToFields() const {
    return {{"label1", "0"}};
}

std::optional<ClubSizeRequest> ClubSizeRequest::FromFields(const Fields& fields) {
    if (!FindField(fields, "label1"))
        return std::nullopt;
    return ClubSizeRequest{};
}

Fields ReadProfileRequest::ToFields() const {
    return {{"nick", nick}, {"labelinforead", "0"}};
}

std::optional<ReadProfileRequest> ReadProfileRequest::FromFields(const Fields& fields) {
    auto nick = TextField(fields, "nick");
    if (!nick || !FindField(fields, "labelinforead"))
        return std::nullopt;
    return ReadProfileRequest{*nick};
}

std::string WriteProfileAnswer(const Profile& profile) {
    std::string record = "$";
    bool first = true;
    for (auto member : WireOrder()) {
        if (!first)
            record += '~';
        first = false;
        std::string value = profile.*member;
        for (char& c : value)
            if (c == '~' || c == '$' || static_cast<unsigned char>(c) < ' ')
                c = '_';
        record += value;
    }
    return record;
}

std::optional<Profile> ReadProfileAnswer(std::string_view answer) {
    if (ReadRefused(answer))
        return std::nullopt;
    const Values values(*FirstRecord(answer, '$'), '~');
    Profile profile;
    std::size_t n = 1;
    for (auto member : WireOrder())
        profile.*member = std::string(values.At(n++).value_or(""));
    return profile;
}

Fields SaveProfileRequest::ToFields() const {
    Fields fields = {{"nick", nick}, {"pw", pw}, {"labelinfosave", "0"}};
    std::size_t n = 0;
    for (auto member : WireOrder())
        fields.push_back({std::string(WireNames[n++]), profile.*member});
    return fields;
}

std::optional<SaveProfileRequest> SaveProfileRequest::FromFields(const Fields& fields) {
    SaveProfileRequest request;
    auto nick = TextField(fields, "nick");
    auto pw = TextField(fields, "pw");
    if (!nick || !pw || !FindField(fields, "labelinfosave"))
        return std::nullopt;
    request.nick = *nick;
    request.pw = *pw;
    std::size_t n = 0;
    for (auto member : WireOrder()) {
        auto value = TextField(fields, WireNames[n++]);
        if (!value)
            return std::nullopt;
        request.profile.*member = *value;
    }
    return request;
}

Fields ReadPointsRequest::ToFields() const {
    return {{"nick", nick}, {"labelqelread", "0"}};
}

std::optional<ReadPointsRequest> ReadPointsRequest::FromFields(const Fields& fields) {
    auto nick = TextField(fields, "nick");
    if (!nick || !FindField(fields, "labelqelread"))
        return std::nullopt;
    return ReadPointsRequest{*nick};
}

std::optional<int> ReadPointsAnswer(std::string_view answer) {
    if (ReadRefused(answer))
        return std::nullopt;
    const auto value = Values(*FirstRecord(answer, '$')).At(1);
    const auto number = value ? ParseInteger(*value) : std::nullopt;
    if (!number)
        return std::nullopt;
    return static_cast<int>(*number);
}

Fields AddPointsRequest::ToFields() const {
    return {{"nick", nick}, {"pw", pw}, {"labelqelsave", "0"}, {"R04", std::to_string(points)}};
}

std::optional<AddPointsRequest> AddPointsRequest::FromFields(const Fields& fields) {
    auto nick = TextField(fields, "nick");
    auto pw = TextField(fields, "pw");
    auto points = NumberField(fields, "R04");
    if (!nick || !pw || !points || !FindField(fields, "labelqelsave"))
        return std::nullopt;
    return AddPointsRequest{*nick, *pw, static_cast<int>(*points)};
}

Fields PhotoUpload::ToFields() const {
    return {{"nick", nick}, {"pw", pw}, {"photo", Base64Encode(jpeg)}};
}

std::optional<PhotoUpload> PhotoUpload::FromFields(const Fields& fields) {
    auto nick = TextField(fields, "nick");
    auto pw = TextField(fields, "pw");
    auto photo = TextField(fields, "photo");
    if (!nick || !pw || !photo)
        return std::nullopt;
    return PhotoUpload{*nick, *pw, Base64Decode(*photo)};
}

std::string WriteDoneAnswer(bool done) {
    return std::string(done ? OkAnswer : FailAnswer);
}

bool ReadDoneAnswer(std::string_view answer) {
    return HasMarker(answer, OkAnswer);
}

} // namespace tavlira::online
