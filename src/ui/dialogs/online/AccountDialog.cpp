#include "ui/dialogs/online/AccountDialog.h"

#include "i18n/words/Login.h"
#include "i18n/words/Menu.h"
#include "i18n/words/Network.h"
#include "i18n/words/Online.h"
#include "i18n/words/Table.h"
#include "records/OnlineFiles.h"
#include "ui/common/ToScreen.h"
#include "ui/controls/SkinnedButton.h"
#include "ui/dialogs/DialogParts.h"
#include "ui/dialogs/NoticeDialog.h"
#include "ui/dialogs/online/Countries.h"
#include "ui/dialogs/online/OnlineParts.h"
#include "ui/dialogs/online/ProfileDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QVBoxLayout>

namespace tavlira {
namespace {

constexpr const char* UnknownDate = "00.00.0000";

QString Words(const WordTable& table) {
    return ScreenText(Text(table));
}

QHBoxLayout* WithLamp(QWidget* box, LampView* lamp) {
    auto* row = new QHBoxLayout;
    row->addWidget(box);
    row->addWidget(lamp);
    return row;
}

// A country as the lists name it; a code outside them as it came.
QString CountryName(const std::string& code) {
    if (const std::optional<Region> region = ParseRegion(code))
        return QString::fromUtf8(CountryAt(*region).name);
    return ScreenOf(code);
}

QLabel* TextPanel(QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    label->setMinimumHeight(220);
    return label;
}

} // namespace

QString ProfileText(const online::Profile& p) {
    const std::pair<const WordTable*, const std::string*> rows[] = {
        {&words::YourName, &p.Name1},
        {&words::YourLastName, &p.Name2},
        {&words::BriefInformationAboutYou, &p.About},
        {&words::YourPhoneNumber, &p.Telephone},
        {&words::YourEMail, &p.EMailO},
        {&words::YourWebSite, &p.WebSite},
        {&words::YourSkype, &p.Skype},
        {&words::YourOk, &p.OK},
        {&words::YourVk, &p.VK},
        {&words::YourTelegram, &p.Telegram},
        {&words::YourFacebook, &p.FaceBook},
        {&words::YourTwitter, &p.Twitter},
        {&words::YourInstagram, &p.Instagramm},
        {&words::YourYouTube, &p.YouTube}};
    QStringList lines;
    for (const auto& [label, value] : rows)
        if (!value->empty() && *value != "#")
            lines << Words(*label) + ": " + ScreenOf(*value);
    return lines.join('\n');
}

AccountDialog::AccountDialog(QWidget* parent, OnlineAccount& onlineAccount,
                             Settings& playerSettings)
    : QDialog(parent), account(onlineAccount), settings(playerSettings) {
    setWindowTitle(Words(words::MyAccount));
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    pages = new QTabWidget(this);
    pages->addTab(AccountPage(), Words(words::MyAccount));
    pages->addTab(ResultsPage(), Words(words::MyResults));
    pages->addTab(TopTenPage(), Words(words::TopTenShort));
    pages->addTab(PointsPage(), Words(words::Qels));
    pages->addTab(PhotoPage(ownPhoto, ownProfile, true), Words(words::AboutMe));
    pages->addTab(PhotoPage(presidentPhoto, presidentProfile, false), Words(words::President));
    layout->addWidget(pages);

    auto* close = DialogButton(Text(words::Close), this);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    EscapePresses(*this, *close);
    layout->addLayout(ButtonRow({close}));

    ShowBusyWhile(*this, account.Services().Client());
    connect(&account, &OnlineAccount::Changed, this, &AccountDialog::ShowAccount);
    ShowAccount();
    ReadTopTen();
    if (!account.ClubSize())
        account.ReadClubSize([](bool) {});
    if (account.LoggedIn())
        LoadPhoto(account.Record().Nick, ownPhoto);
}

QWidget* AccountDialog::AccountPage() {
    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(DialogHeading(Words(words::YourAccountInformation), page));
    clubSize = new QLabel(page);
    clubSize->setAlignment(Qt::AlignCenter);
    layout->addWidget(clubSize);

    nick = AccountBox(AccountField::Nick, static_cast<int>(NickLength), page);
    password = AccountBox(AccountField::Password, static_cast<int>(AccountPasswordLength), page);
    city = AccountBox(AccountField::City, static_cast<int>(AccountCityLength), page);
    email = AccountBox(AccountField::EMail, static_cast<int>(EMailLength), page);
    for (LampView*& lamp : lamps)
        lamp = new LampView(page);
    region = new RegionBoxes(page);
    sex = SexBox('M', page);
    registration = new QLabel(UnknownDate, page);
    hidePassword = new QCheckBox(Words(words::HidePassword), page);
    rated = new QCheckBox(Words(words::PlayGlobalRating), page);
    star = new QLabel(page);

    auto* form = new QFormLayout;
    form->addRow(Words(words::Nick), WithLamp(nick, lamps[0]));
    form->addRow(Words(words::Password), WithLamp(password, lamps[2]));
    form->addRow(Words(words::Country), region->Continent());
    form->addRow(QString(), region->Country());
    form->addRow(Words(words::City), WithLamp(city, lamps[1]));
    form->addRow(Words(words::Sex), sex);
    form->addRow(Words(words::EMail), WithLamp(email, lamps[3]));
    form->addRow(Words(words::Registration), registration);
    layout->addLayout(form);
    auto* choices = new QHBoxLayout;
    choices->addWidget(hidePassword);
    choices->addWidget(rated);
    choices->addStretch();
    choices->addWidget(star);
    layout->addLayout(choices);

    create = DialogButton(Text(words::CreateAccount), page);
    login = DialogButton(Text(words::LoginToAccount), page);
    save = DialogButton(Text(words::Save), page);
    remove = DialogButton(Text(words::Delete), page);
    layout->addLayout(ButtonRow({create, login, save, remove}));

    // A remembered account fills the boxes.
    if (const std::optional<RememberedAccount> remembered =
            ReadAccountFile(account.FamilyFolder())) {
        nick->setText(ScreenOf(remembered->nick));
        password->setText(ScreenOf(remembered->password));
    }
    hidePassword->setChecked(true);
    password->setEchoMode(QLineEdit::Password);
    connect(hidePassword, &QCheckBox::toggled, this, [this](bool hide) {
        password->setEchoMode(hide ? QLineEdit::Password : QLineEdit::Normal);
    });
    rated->setChecked(account.State() == AccountState::RatedGame);
    connect(rated, &QCheckBox::toggled, this, [this](bool on) { account.SetRated(on); });
    for (QLineEdit* box : {nick, password, city, email})
        connect(box, &QLineEdit::textChanged, this, &AccountDialog::Check);
    connect(create, &QPushButton::clicked, this, &AccountDialog::CreateAccount);
    connect(login, &QPushButton::clicked, this, &AccountDialog::LogInOrOut);
    connect(save, &QPushButton::clicked, this, [this] {
        WriteAccountFile(account.FamilyFolder(),
                         {WireText(nick->text()), WireText(password->text())});
        Check();
    });
    connect(remove, &QPushButton::clicked, this, [this] {
        DeleteAccountFile(account.FamilyFolder());
        Check();
    });
    return page;
}

QWidget* AccountDialog::ResultsPage() {
    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(DialogHeading(Words(words::InformationAboutYourGames), page));
    results = TextPanel(page);
    layout->addWidget(results);
    return page;
}

QWidget* AccountDialog::TopTenPage() {
    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(DialogHeading(Words(words::TopTenBestRated), page));
    topTen = TextPanel(page);
    topTen->setFont(QFont(QStringLiteral("DejaVu Sans Mono")));
    layout->addWidget(topTen);
    auto* refresh = DialogButton(Text(words::Refresh), page);
    connect(refresh, &QPushButton::clicked, this, &AccountDialog::ReadTopTen);
    layout->addLayout(ButtonRow({refresh}));
    return page;
}

QWidget* AccountDialog::PointsPage() {
    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);
    points = new QLabel(page);
    points->setAlignment(Qt::AlignCenter);
    QFont large = points->font();
    large.setPixelSize(28);
    large.setBold(true);
    points->setFont(large);
    layout->addWidget(points);
    auto* refresh = DialogButton(Text(words::Refresh), page);
    connect(refresh, &QPushButton::clicked, this, [this] {
        if (account.LoggedIn())
            account.ReadPoints([](bool) {});
    });
    layout->addLayout(ButtonRow({refresh}));
    return page;
}

QWidget* AccountDialog::PhotoPage(QLabel*& photo, QLabel*& profileText, bool own) {
    auto* page = new QWidget(this);
    auto* layout = new QHBoxLayout(page);
    photo = new QLabel(page);
    photo->setFixedSize(200, 250);
    photo->setFrameShape(QFrame::Box);
    photo->setAlignment(Qt::AlignCenter);
    layout->addWidget(photo);
    auto* side = new QVBoxLayout;
    profileText = TextPanel(page);
    profileText->setWordWrap(true);
    side->addWidget(profileText);
    if (own) {
        auto* refresh = DialogButton(Text(words::RefreshPhoto), page);
        auto* edit = DialogButton(Text(words::UpdateInfo), page);
        connect(refresh, &QPushButton::clicked, this, [this] {
            if (account.LoggedIn())
                LoadPhoto(account.Record().Nick, ownPhoto);
        });
        connect(edit, &QPushButton::clicked, this, [this] {
            if (!account.LoggedIn())
                return;
            ProfileDialog profile(this, account);
            profile.exec();
            LoadPhoto(account.Record().Nick, ownPhoto);
        });
        side->addLayout(ButtonRow({refresh, edit}));
    }
    layout->addLayout(side);
    return page;
}

LampView* AccountDialog::FieldLamp(AccountField field) const {
    return lamps[static_cast<std::size_t>(field)];
}

void AccountDialog::Check() {
    const bool loggedIn = account.LoggedIn();
    const auto lampOf = [](AccountField field, QLineEdit* box) {
        return tavlira::LampOf(field, WireText(box->text()));
    };
    const Lamp nickLamp = lampOf(AccountField::Nick, nick);
    const Lamp cityLamp = lampOf(AccountField::City, city);
    const Lamp passwordLamp = lampOf(AccountField::Password, password);
    const Lamp emailLamp = lampOf(AccountField::EMail, email);
    FieldLamp(AccountField::Nick)->Show(nickLamp);
    FieldLamp(AccountField::City)->Show(cityLamp);
    FieldLamp(AccountField::Password)->Show(passwordLamp);
    FieldLamp(AccountField::EMail)->Show(emailLamp);

    create->setEnabled(!loggedIn && nickLamp == Lamp::Green && cityLamp != Lamp::Red &&
                       passwordLamp == Lamp::Green && emailLamp == Lamp::Green);
    login->setEnabled(loggedIn || (nickLamp == Lamp::Green && passwordLamp == Lamp::Green));
    login->setText(Words(loggedIn ? words::SignOut : words::LoginToAccount));
    save->setEnabled(loggedIn);
    remove->setEnabled(AccountFileExists(account.FamilyFolder()));
    rated->setEnabled(loggedIn);
    for (QWidget* box : std::initializer_list<QWidget*>{nick, password, city, email, sex,
                                                        region->Continent(), region->Country()})
        box->setEnabled(!loggedIn);
}

void AccountDialog::ShowAccount() {
    const online::Account& record = account.Record();
    if (account.LoggedIn()) {
        const QSignalBlocker quietNick(nick), quietPassword(password), quietCity(city),
            quietEMail(email);
        nick->setText(ScreenOf(record.Nick));
        city->setText(ScreenOf(record.City));
        email->setText(ScreenOf(record.EMail));
        region->Set(ParseRegion(record.Country2).value_or(Region{}));
        sex->setCurrentIndex(record.Sex == 'W' ? 1 : 0);
        registration->setText(ScreenOf(record.DateR));
    } else {
        registration->setText(UnknownDate);
    }
    {
        const QSignalBlocker quiet(rated);
        rated->setChecked(account.State() == AccountState::RatedGame);
    }
    clubSize->setText(Words(words::ClubMembers) + (account.ClubSize()
                                                       ? QString::number(*account.ClubSize())
                                                       : Words(words::NoConnect)));
    static const char* const stars[] = {"\u2605", "\u2605", "\u2605"};
    const QColor colours[] = {QColor(220, 0, 0), QColor(220, 180, 0), QColor(0, 170, 0)};
    const int index = static_cast<int>(account.State()) - 1;
    star->setText(QString::fromUtf8(stars[index]));
    star->setStyleSheet(QStringLiteral("color: %1; font-size: 22px;").arg(colours[index].name()));
    Check();
    ShowResults();
    ShowPoints();
    ShowProfiles();
}

void AccountDialog::ShowResults() {
    const std::optional<online::GameStats>& stats = account.Stats();
    if (!account.LoggedIn() || !stats) {
        results->setText(Words(words::NoConnect));
        return;
    }
    const QString place =
        account.Place() ? QString::number(*account.Place()) : Words(words::NoConnect);
    const std::pair<QString, QString> rows[] = {
        {Words(words::Game), Words(words::GameTitle)},
        {Words(words::Player), ScreenOf(account.Record().Nick)},
        {Words(words::Rating), QString::number(stats->Rating, 'f', 3)},
        {Words(words::Place), place},
        {Words(words::PlayedGames), QString::number(stats->Kon)},
        {Words(words::MyBestScore), QString::number(stats->Best)},
        {Words(words::PlayedCycles), QString::number(stats->Sessions)},
        {Words(words::CurrentDeal), QString::number(stats->KonL)},
        {Words(words::CurrentScore), QString::number(stats->Score)}};
    QStringList lines;
    for (const auto& [label, value] : rows)
        lines << label + ": " + value;
    results->setText(lines.join('\n'));
}

void AccountDialog::ReadTopTen() {
    account.Services().Send(
        online::AccountTopTenRequest{}, this, [this](const ServiceAnswer& answer) {
            topTenRead = true;
            topTenRows = answer.done ? online::ReadTopTenAnswer(answer.text) : std::nullopt;
            ShowTopTen();
            ReadPresident();
        });
}

void AccountDialog::ShowTopTen() {
    if (!topTenRows) {
        topTen->setText(topTenRead ? Words(words::NoConnect) : QString());
        return;
    }
    QStringList lines;
    int place = 0;
    for (const online::TopTenRow& row : *topTenRows) {
        ++place;
        if (row.Nick == "#")
            continue;
        lines << QStringLiteral("%1. %2 %3 %4 %5 %6")
                     .arg(place, 2)
                     .arg(ScreenOf(row.Nick), -12)
                     .arg(ScreenOf(row.City), -15)
                     .arg(CountryName(row.Country), -16)
                     .arg(row.Sex == 'W' ? Words(words::Woman) : Words(words::Man))
                     .arg(row.Rating, 0, 'f', 3);
    }
    topTen->setText(lines.join('\n'));
}

void AccountDialog::ShowPoints() {
    points->setText(account.LoggedIn()
                        ? Words(words::Qels) + ": " + QString::number(account.Record().R04)
                        : Words(words::LogInToYourAccount));
}

void AccountDialog::ShowProfiles() {
    ownProfile->setText(account.Profile() ? ProfileText(*account.Profile()) : QString());
}

// The President is the first player of the top ten by rating.
void AccountDialog::ReadPresident() {
    if (!topTenRows || topTenRows->empty() || topTenRows->front().Nick == "#")
        return;
    const std::string president = topTenRows->front().Nick;
    presidentProfile->setText(ScreenOf(president));
    account.Services().Send(online::ReadProfileRequest{president}, this,
                            [this, president](const ServiceAnswer& answer) {
                                const std::optional<online::Profile> profile =
                                    answer.done ? online::ReadProfileAnswer(answer.text)
                                                : std::nullopt;
                                QString text = ScreenOf(president);
                                if (profile)
                                    text += "\n\n" + ProfileText(*profile);
                                presidentProfile->setText(text);
                            });
    LoadPhoto(president, presidentPhoto);
}

// A photo that cannot be read leaves the frame as it was.
void AccountDialog::LoadPhoto(const std::string& owner, QLabel* frame) {
    const QUrl address = PhotoAddress(account.Services(), owner);
    account.Services().Client().Download(
        address, frame, [frame](bool done, const QByteArray& bytes) {
            QImage picture;
            if (!done || !picture.loadFromData(bytes, "JPEG"))
                return;
            frame->setPixmap(QPixmap::fromImage(
                picture.scaled(frame->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation)));
        });
}

void AccountDialog::Notice(const QString& text) {
    lastNotice = text;
    if (noticesShown)
        NoticeDialog(this, text, {}, {}).exec();
}

void AccountDialog::CreateAccount() {
    online::Account fresh;
    fresh.Nick = WireText(nick->text());
    fresh.Pw = WireText(password->text());
    fresh.City = WireText(city->text());
    const Region chosen = region->Current();
    fresh.Country1 = CountryAt(chosen).token;
    fresh.Country2 = RegionCode(chosen.continent, chosen.entry);
    fresh.Sex = SexOf(*sex);
    fresh.EMail = WireText(email->text());
    create->setEnabled(false);
    account.Create(fresh, rated->isChecked(), [this](online::CreateResult result) {
        switch (result) {
        case online::CreateResult::Created:
            Notice(Words(words::AccountCreated));
            LoadPhoto(account.Record().Nick, ownPhoto);
            break;
        case online::CreateResult::NickTaken:
            Notice(Words(words::NickAlreadyTaken));
            break;
        case online::CreateResult::Failed:
            Notice(Words(words::CouldNotCreateAccount));
            break;
        }
        ShowAccount();
    });
}

void AccountDialog::LogInOrOut() {
    if (account.LoggedIn()) {
        account.SignOut();
        return;
    }
    login->setEnabled(false);
    account.LogIn(WireText(nick->text()), WireText(password->text()), rated->isChecked(),
                  [this](bool done) {
                      if (!done)
                          Notice(Words(words::LoginFailed));
                      else
                          LoadPhoto(account.Record().Nick, ownPhoto);
                      ShowAccount();
                  });
}

QString AccountDialog::ResultsText() const {
    return results->text();
}
QString AccountDialog::TopTenText() const {
    return topTen->text();
}
QString AccountDialog::PointsText() const {
    return points->text();
}

} // namespace tavlira
