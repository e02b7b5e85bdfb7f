#include "ui/dialogs/online/ProfileDialog.h"

#include "i18n/words/Online.h"
#include "online/Answer.h"
#include "ui/common/ToScreen.h"
#include "ui/controls/SkinnedButton.h"
#include "ui/dialogs/Cp1251Validator.h"
#include "ui/dialogs/DialogParts.h"
#include "ui/dialogs/online/OnlineAccount.h"
#include "ui/dialogs/online/OnlineParts.h"

#include <QFile>
#include <QFileDialog>
#include <QFormLayout>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace tavlira {
namespace {

struct ProfileBox {
    const WordTable* label;
    std::string online::Profile::*value;
    int maxLength;
};

constexpr std::array<ProfileBox, ProfileDialog::Boxes> ProfileBoxes{{
    {&words::YourName, &online::Profile::Name1, 20},
    {&words::YourLastName, &online::Profile::Name2, 20},
    {&words::BriefInformationAboutYou, &online::Profile::About, 50},
    {&words::YourPhoneNumber, &online::Profile::Telephone, 20},
    {&words::YourEMail, &online::Profile::EMailO, 50},
    {&words::YourWebSite, &online::Profile::WebSite, 50},
    {&words::YourSkype, &online::Profile::Skype, 50},
    {&words::YourOk, &online::Profile::OK, 50},
    {&words::YourVk, &online::Profile::VK, 50},
    {&words::YourTelegram, &online::Profile::Telegram, 50},
    {&words::YourFacebook, &online::Profile::FaceBook, 60},
    {&words::YourTwitter, &online::Profile::Twitter, 50},
    {&words::YourInstagram, &online::Profile::Instagramm, 50},
    {&words::YourYouTube, &online::Profile::YouTube, 50},
}};

// The picture store takes photos up to this size.
constexpr qint64 LargestPhoto = 2 << 20;

} // namespace

ProfileDialog::ProfileDialog(QWidget* parent, OnlineAccount& onlineAccount)
    : QDialog(parent), account(onlineAccount) {
    setWindowTitle(ScreenText(Text(words::AboutMe)));
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    auto* note = new QLabel(ScreenText(Text(words::ProfileVisibleToMembers)), this);
    note->setWordWrap(true);
    layout->addWidget(note);
    auto* form = new QFormLayout;
    const online::Profile shown = account.Profile().value_or(online::Profile{});
    for (std::size_t i = 0; i < Boxes; ++i) {
        const ProfileBox& box = ProfileBoxes[i];
        boxes[i] = new QLineEdit(this);
        boxes[i]->setMaxLength(box.maxLength);
        AcceptCp1251Only(*boxes[i]);
        const std::string& value = shown.*box.value;
        boxes[i]->setText(value == "#" ? QString() : ScreenOf(value));
        form->addRow(ScreenText(Text(*box.label)), boxes[i]);
    }
    layout->addLayout(form);
    statusLine = new QLabel(this);
    layout->addWidget(statusLine);

    save = DialogButton(Text(words::UpdateInfo), this);
    auto* photo = DialogButton(Text(words::RefreshPhoto), this);
    auto* close = DialogButton(Text(words::Close), this);
    connect(save, &QPushButton::clicked, this, &ProfileDialog::Save);
    connect(photo, &QPushButton::clicked, this, &ProfileDialog::ChoosePhoto);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    EscapePresses(*this, *close);
    layout->addLayout(ButtonRow({save, photo, close}));
    ShowBusyWhile(*this, account.Services().Client());
}

online::Profile ProfileDialog::Typed() const {
    online::Profile profile;
    for (std::size_t i = 0; i < Boxes; ++i)
        profile.*ProfileBoxes[i].value = WireText(boxes[i]->text());
    return profile;
}

void ProfileDialog::Say(const QString& text) {
    status = text;
    statusLine->setText(text);
}

void ProfileDialog::Save() {
    online::SaveProfileRequest request;
    request.nick = account.Record().Nick;
    request.pw = account.Record().Pw;
    request.profile = Typed();
    save->setEnabled(false);
    account.Services().Send(request, this, [this](const ServiceAnswer& answer) {
        save->setEnabled(true);
        if (answer.done && online::ReadDoneAnswer(answer.text)) {
            Say(ScreenText(Text(words::ProfileSaved)));
            account.ReadProfile([](bool) {});
        } else {
            Say(ScreenText(Text(words::NoConnect)));
        }
    });
}

void ProfileDialog::ChoosePhoto() {
    const QString path =
        QFileDialog::getOpenFileName(this, ScreenText(Text(words::RefreshPhoto)), QString(),
                                     QStringLiteral("JPEG (*.jpg *.jpeg)"));
    if (!path.isEmpty() && !UploadPhoto(path))
        Say(ScreenText(Text(words::PhotoFormatRequired)));
}

bool ProfileDialog::UploadPhoto(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > LargestPhoto)
        return false;
    const QByteArray bytes = file.readAll();
    QImage picture;
    if (!picture.loadFromData(bytes, "JPEG"))
        return false;
    online::PhotoUpload upload;
    upload.nick = account.Record().Nick;
    upload.pw = account.Record().Pw;
    upload.jpeg = bytes.toStdString();
    WebServices& services = account.Services();
    services.Client().Post(services.At(online::PhotoUploadPath),
                           online::PostBody(online::PhotoUpload::kind, upload.ToFields()), this,
                           [this](const ServiceAnswer& answer) {
                               if (answer.done && online::ReadDoneAnswer(answer.text))
                                   Say(ScreenText(Text(words::PhotoUploaded)));
                               else
                                   Say(ScreenText(Text(words::PhotoUploadFailed)));
                           });
    return true;
}

} // namespace tavlira
