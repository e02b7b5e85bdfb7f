#include "ui/dialogs/online/OnlineAccount.h"

#include "online/Answer.h"
#include "records/OnlineFiles.h"
#include "ui/common/ToScreen.h"

#include <QDate>
#include <memory>

namespace tavlira {

OnlineAccount::OnlineAccount(WebServices& webServices, std::filesystem::path family,
                             QObject* parent)
    : QObject(parent), services(webServices), familyFolder(std::move(family)) {}

void OnlineAccount::SetRated(bool rated) {
    if (!LoggedIn())
        return;
    state = rated ? AccountState::RatedGame : AccountState::LoggedIn;
    emit Changed();
}

void OnlineAccount::Enter(const online::Account& account, bool rated) {
    record = account;
    state = rated ? AccountState::RatedGame : AccountState::LoggedIn;
    stats.reset();
    place.reset();
    profile.reset();
    emit Changed();
}

void OnlineAccount::LogIn(const std::string& nick, const std::string& password, bool rated,
                          Done done) {
    online::Account known;
    known.Nick = nick;
    known.Pw = online::WirePassword(password);
    services.Send(online::ReadAccountRequest{known.Nick, known.Pw}, this,
                  [this, known, rated, done = std::move(done)](const ServiceAnswer& answer) {
                      const std::optional<online::Account> account =
                          answer.done ? online::ReadAccountAnswer(answer.text, known)
                                      : std::nullopt;
                      if (!account)
                          return done(false);
                      Enter(*account, rated);
                      ReadAfterLogIn([done](bool) { done(true); });
                  });
}

void OnlineAccount::LogInRemembered(Done done) {
    const std::optional<RememberedAccount> remembered = ReadAccountFile(familyFolder);
    if (!remembered)
        return done(false);
    LogIn(remembered->nick, remembered->password, false, std::move(done));
}

void OnlineAccount::Create(online::Account account, bool rated,
                           std::function<void(online::CreateResult)> done) {
    account.DateR = ShortDate(QDate::currentDate()).toStdString();
    account.R01 = account.R02 = account.R03 = "xxx";
    account.R04 = account.R05 = account.R06 = 0;
    services.Send(online::CreateAccountRequest{account}, this,
                  [this, account, rated, done = std::move(done)](const ServiceAnswer& answer) {
                      const online::CreateResult result =
                          answer.done ? online::ReadCreateAnswer(answer.text)
                                      : online::CreateResult::Failed;
                      if (result != online::CreateResult::Created)
                          return done(result);
                      Enter(account, rated);
                      ReadAfterLogIn([done](bool) { done(online::CreateResult::Created); });
                  });
}

void OnlineAccount::SignOut() {
    state = AccountState::LoggedOut;
    record.R04 = record.R05 = record.R06 = 0;
    stats.reset();
    place.reset();
    profile.reset();
    emit Changed();
}

// The reads run one after another; `done` comes after the last, and each
// failure only leaves its own value unread.
void OnlineAccount::ReadAfterLogIn(Done done) {
    ReadStats([this, done = std::move(done)](bool) {
        ReadPlace([this, done](bool) {
            ReadClubSize([this, done](bool) { ReadProfile([done](bool ok) { done(ok); }); });
        });
    });
}

void OnlineAccount::ReadStats(Done done) {
    services.Send(online::ReadGameStatsRequest{record.Nick, record.Pw}, this,
                  [this, done = std::move(done)](const ServiceAnswer& answer) {
                      std::optional<online::GameStats> read =
                          answer.done ? online::ReadGameStatsAnswer(answer.text) : std::nullopt;
                      if (read)
                          stats = read;
                      emit Changed();
                      done(read.has_value());
                  });
}

void OnlineAccount::ReadPlace(Done done) {
    online::AccountPlaceRequest request;
    request.rating = stats ? stats->Rating : 0;
    services.Send(request, this, [this, done = std::move(done)](const ServiceAnswer& answer) {
        const std::int64_t number = answer.done ? online::ReadNumberAnswer(answer.text) : -1;
        if (number >= 0)
            place = number;
        emit Changed();
        done(number >= 0);
    });
}

void OnlineAccount::ReadClubSize(Done done) {
    services.Send(online::ClubSizeRequest{}, this,
                  [this, done = std::move(done)](const ServiceAnswer& answer) {
                      const std::int64_t number =
                          answer.done ? online::ReadNumberAnswer(answer.text) : -1;
                      if (number >= 0)
                          clubSize = number;
                      emit Changed();
                      done(number >= 0);
                  });
}

void OnlineAccount::ReadProfile(Done done) {
    services.Send(online::ReadProfileRequest{record.Nick}, this,
                  [this, done = std::move(done)](const ServiceAnswer& answer) {
                      std::optional<online::Profile> read =
                          answer.done ? online::ReadProfileAnswer(answer.text) : std::nullopt;
                      if (read)
                          profile = read;
                      emit Changed();
                      done(read.has_value());
                  });
}

void OnlineAccount::KeepStats(const online::GameStats& kept) {
    stats = kept;
    emit Changed();
}

void OnlineAccount::ReadPoints(Done done) {
    services.Send(online::ReadPointsRequest{record.Nick}, this,
                  [this, done = std::move(done)](const ServiceAnswer& answer) {
                      const std::optional<int> points =
                          answer.done ? online::ReadPointsAnswer(answer.text) : std::nullopt;
                      if (points)
                          record.R04 = *points;
                      emit Changed();
                      done(points.has_value());
                  });
}

} // namespace tavlira
