#pragma once
// The account dialog of the players' club. Its pages: "My account" (the
// boxes with their lamps, creating an account, logging in and out,
// remembering the login on this computer), "My results" (the account's game
// statistics), "Top 10" (the account players by rating), the club points,
// "About me" (the own photo and profile) and "President" (the first player
// of the top ten). Every request runs in the background; the dialog shows
// it is busy and stays usable.

#include "online/World.h"
#include "records/Settings.h"
#include "ui/dialogs/online/AccountRules.h"
#include "ui/dialogs/online/OnlineAccount.h"

#include <QDialog>
#include <QPointer>
#include <array>
#include <optional>
#include <vector>

class QCheckBox;
class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QTabWidget;

namespace tavlira {

class LampView;
class RegionBoxes;
class SkinnedButton;

class AccountDialog : public QDialog {
    Q_OBJECT

  public:
    AccountDialog(QWidget* parent, OnlineAccount& account, Settings& settings);

    QTabWidget* Pages() const { return pages; }
    QLineEdit* NickBox() const { return nick; }
    QLineEdit* PasswordBox() const { return password; }
    QLineEdit* CityBox() const { return city; }
    QLineEdit* EMailBox() const { return email; }
    LampView* FieldLamp(AccountField field) const;
    RegionBoxes* RegionChoice() const { return region; }
    QCheckBox* RatedChoice() const { return rated; }
    SkinnedButton* CreateButton() const { return create; }
    SkinnedButton* LoginButton() const { return login; }
    SkinnedButton* SaveButton() const { return save; }
    SkinnedButton* DeleteButton() const { return remove; }
    QLabel* RegistrationDate() const { return registration; }
    // The texts of the results page, the top ten's rows and the balance.
    QString ResultsText() const;
    QString TopTenText() const;
    QString PointsText() const;
    // The notice shown last ("Login failed!" ...), for tests.
    const QString& LastNotice() const { return lastNotice; }
    // Notices show as boxes unless a test turns them off.
    void SetNoticesShown(bool shown) { noticesShown = shown; }

  private:
    QWidget* AccountPage();
    QWidget* ResultsPage();
    QWidget* TopTenPage();
    QWidget* PointsPage();
    QWidget* PhotoPage(QLabel*& photo, QLabel*& profileText, bool own);

    void Check();
    void ShowAccount();
    void ShowResults();
    void ShowTopTen();
    void ShowPoints();
    void ShowProfiles();
    void Notice(const QString& text);

    void CreateAccount();
    void LogInOrOut();
    void ReadTopTen();
    void LoadPhoto(const std::string& nick, QLabel* frame);
    void ReadPresident();

    OnlineAccount& account;
    Settings& settings;
    QTabWidget* pages;
    QLabel* clubSize = nullptr;
    QLineEdit* nick = nullptr;
    QLineEdit* password = nullptr;
    QLineEdit* city = nullptr;
    QLineEdit* email = nullptr;
    std::array<LampView*, 4> lamps{};
    RegionBoxes* region = nullptr;
    QComboBox* sex = nullptr;
    QLabel* registration = nullptr;
    QLabel* star = nullptr;
    QCheckBox* hidePassword = nullptr;
    QCheckBox* rated = nullptr;
    SkinnedButton* create = nullptr;
    SkinnedButton* login = nullptr;
    SkinnedButton* save = nullptr;
    SkinnedButton* remove = nullptr;
    QLabel* results = nullptr;
    QLabel* topTen = nullptr;
    QLabel* points = nullptr;
    QLabel* ownPhoto = nullptr;
    QLabel* ownProfile = nullptr;
    QLabel* presidentPhoto = nullptr;
    QLabel* presidentProfile = nullptr;
    std::optional<std::vector<online::TopTenRow>> topTenRows;
    bool topTenRead = false;
    QString lastNotice;
    bool noticesShown = true;
};

// The profile as lines of text, empty values left out.
QString ProfileText(const online::Profile& profile);

} // namespace tavlira
