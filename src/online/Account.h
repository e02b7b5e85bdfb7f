#pragma once
// The account endpoint's requests: creating an account, logging in (reading
// it), the club's size, the profile, the club points and the photo upload.
// Field order on the wire is the order of ToFields.

#include "online/Post.h"

#include <optional>
#include <string>
#include <string_view>

namespace tavlira::online {

// An account of the players' club. Texts are code page 1251.
struct Account {
    std::string Nick;
    std::string Pw;
    std::string City;
    std::string Country1 = "Russia"; // the country's token
    std::string Country2 = "1-001";  // continent digit, "-", entry in three digits
    char Sex = 'M';                  // 'M' man, 'W' woman
    std::string EMail;
    std::string DateR = "00.00.0000";
    std::string R01 = "xxx", R02 = "xxx", R03 = "xxx";
    int R04 = 0; // the balance of club points
    int R05 = 0, R06 = 0;
    friend bool operator==(const Account&, const Account&) = default;
};

// A member's profile, in the order the game keeps it (on the wire WebSite
// comes before Skype).
struct Profile {
    std::string Name1, Name2, About, Telephone, EMailO, Skype, WebSite, OK, VK, Telegram, FaceBook,
        Twitter, Instagramm, YouTube;
    friend bool operator==(const Profile&, const Profile&) = default;
};

// Text post: nick pw city country1 country2 sex email dater R01..R06.
// Answer: "ok" created, "is" the nick is taken (tested second, it wins).
struct CreateAccountRequest {
    static constexpr Endpoint endpoint = Endpoint::Account;
    static constexpr PostKind kind = PostKind::Text;
    Account account;
    Fields ToFields() const;
    static std::optional<CreateAccountRequest> FromFields(const Fields& fields);
    friend bool operator==(const CreateAccountRequest&, const CreateAccountRequest&) = default;
};
enum class CreateResult { Created = 0, NickTaken = 1, Failed = 2 };
std::string WriteCreateAnswer(CreateResult result);
CreateResult ReadCreateAnswer(std::string_view answer);

// Field list: nick pw label0=0. Answer: "no", or one record
// "$City Country1 Country2 Sex EMail DateR R01 R02 R03 R04 R05 R06".
struct ReadAccountRequest {
    static constexpr Endpoint endpoint = Endpoint::Account;
    static constexpr PostKind kind = PostKind::FieldList;
    std::string nick;
    std::string pw; // as it travels: WirePassword
    Fields ToFields() const;
    static std::optional<ReadAccountRequest> FromFields(const Fields& fields);
    friend bool operator==(const ReadAccountRequest&, const ReadAccountRequest&) = default;
};
std::string WriteAccountAnswer(const Account& account);
// The account `known` (nick and password) completed from the answer.
std::optional<Account> ReadAccountAnswer(std::string_view answer, Account known);

// Text post: label1=0. Answer: "$" + the number of members.
struct ClubSizeRequest {
    static constexpr Endpoint endpoint = Endpoint::Account;
    static constexpr PostKind kind = PostKind::Text;
    Fields ToFields() const;
    static std::optional<ClubSizeRequest> FromFields(const Fields& fields);
    friend bool operator==(const ClubSizeRequest&, const ClubSizeRequest&) = default;
};

// Field list: nick labelinforead=0. Answer: "no", or "$" + the fourteen
// values joined by "~" in wire order.
struct ReadProfileRequest {
    static constexpr Endpoint endpoint = Endpoint::Account;
    static constexpr PostKind kind = PostKind::FieldList;
    std::string nick;
    Fields ToFields() const;
    static std::optional<ReadProfileRequest> FromFields(const Fields& fields);
    friend bool operator==(const ReadProfileRequest&, const ReadProfileRequest&) = default;
};
std::string WriteProfileAnswer(const Profile& profile);
std::optional<Profile> ReadProfileAnswer(std::string_view answer);

// Text post: nick pw labelinfosave=0 namei name2 about telephone emailo
// website skype ok vk telegram facebook twitter instagramm youtube.
// Answer: "ok" saved. The password proves that the profile is the caller's.
struct SaveProfileRequest {
    static constexpr Endpoint endpoint = Endpoint::Account;
    static constexpr PostKind kind = PostKind::Text;
    std::string nick;
    std::string pw;
    Profile profile;
    Fields ToFields() const;
    static std::optional<SaveProfileRequest> FromFields(const Fields& fields);
    friend bool operator==(const SaveProfileRequest&, const SaveProfileRequest&) = default;
};

// Field list: nick labelqelread=0. Answer: "no", or "$" + the balance.
struct ReadPointsRequest {
    static constexpr Endpoint endpoint = Endpoint::Account;
    static constexpr PostKind kind = PostKind::FieldList;
    std::string nick;
    Fields ToFields() const;
    static std::optional<ReadPointsRequest> FromFields(const Fields& fields);
    friend bool operator==(const ReadPointsRequest&, const ReadPointsRequest&) = default;
};
std::optional<int> ReadPointsAnswer(std::string_view answer);

// Text post: nick pw labelqelsave=0 R04=points to add. Answer: "ok" done.
struct AddPointsRequest {
    static constexpr Endpoint endpoint = Endpoint::Account;
    static constexpr PostKind kind = PostKind::Text;
    std::string nick;
    std::string pw;
    int points = 0;
    Fields ToFields() const;
    static std::optional<AddPointsRequest> FromFields(const Fields& fields);
    friend bool operator==(const AddPointsRequest&, const AddPointsRequest&) = default;
};

// Field list: nick pw photo=the JPEG picture in Base64. Answer: "ok" stored.
struct PhotoUpload {
    static constexpr PostKind kind = PostKind::FieldList;
    std::string nick;
    std::string pw;
    std::string jpeg; // the picture's bytes
    Fields ToFields() const;
    static std::optional<PhotoUpload> FromFields(const Fields& fields);
    friend bool operator==(const PhotoUpload&, const PhotoUpload&) = default;
};

// The "ok" answers of the requests above and of every other request that
// only reports whether it was done.
std::string WriteDoneAnswer(bool done);
bool ReadDoneAnswer(std::string_view answer);

} // namespace tavlira::online
