#include "ui/dialogs/online/OnlineParts.h"

#include "online/qt/ServiceClient.h"
#include "online/qt/WebServices.h"
#include "ui/common/ToScreen.h"
#include "ui/controls/SkinnedButton.h"
#include "util/Cp1251.h"

#include <QPainter>
#include <QPixmap>

namespace tavlira {

std::string WireText(const QString& text) {
    return Utf8ToCp1251(text.toStdString());
}

QString ScreenOf(std::string_view cp1251) {
    return FromBytes(cp1251);
}

AccountFieldValidator::AccountFieldValidator(AccountField accountField, bool russian,
                                             QObject* parent)
    : QValidator(parent), field(accountField), russianEverywhere(russian) {}

QValidator::State AccountFieldValidator::validate(QString& input, int& /*position*/) const {
    const std::string bytes = WireText(input);
    // '?' stands for a character the code page lacks as well as for itself;
    // neither is accepted.
    for (const char byte : bytes) {
        const bool typed =
            russianEverywhere && online::IsRussianLetter(byte) ? true : MayType(field, byte);
        if (!typed)
            return Invalid;
    }
    return Acceptable;
}

QLineEdit* AccountBox(AccountField field, int maxLength, QWidget* parent, bool russianEverywhere) {
    auto* box = new QLineEdit(parent);
    box->setMaxLength(maxLength);
    box->setValidator(new AccountFieldValidator(field, russianEverywhere, box));
    return box;
}

LampView::LampView(QWidget* parent) : QLabel(parent) {
    setFixedSize(16, 16);
    Show(Lamp::Red);
}

void LampView::Show(Lamp shown) {
    lamp = shown;
    QPixmap picture(16, 16);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor colour = lamp == Lamp::Green    ? QColor(0, 200, 0)
                          : lamp == Lamp::Yellow ? QColor(240, 210, 0)
                                                 : QColor(220, 0, 0);
    painter.setBrush(colour);
    painter.setPen(colour.darker(150));
    painter.drawEllipse(2, 2, 12, 12);
    painter.end();
    setPixmap(picture);
}

void ShowBusyWhile(QWidget& dialog, ServiceClient& client) {
    QObject::connect(&client, &ServiceClient::BusyChanged, &dialog, [&dialog](bool busy) {
        if (busy)
            dialog.setCursor(Qt::BusyCursor);
        else
            dialog.unsetCursor();
    });
    if (client.Pending() > 0)
        dialog.setCursor(Qt::BusyCursor);
}

QUrl PhotoAddress(WebServices& services, std::string_view nick) {
    QUrl address = services.At(online::PhotoFolderPath);
    address.setPath(address.path() + ScreenOf(nick) + QStringLiteral(".jpg"));
    return address;
}

SkinnedButton* DialogButton(std::string_view caption, QWidget* parent) {
    auto* button = new SkinnedButton(ScreenText(caption), parent);
    SkinDialogButton(*button);
    return button;
}

} // namespace tavlira

#include "i18n/words/Online.h"
#include "ui/dialogs/online/Countries.h"

#include <QComboBox>

namespace tavlira {

RegionBoxes::RegionBoxes(QWidget* parent)
    : QObject(parent), continent(new QComboBox(parent)), country(new QComboBox(parent)) {
    for (const WordTable* name : {&words::Europe, &words::Asia, &words::NorthAmerica,
                                  &words::SouthAmerica, &words::Oceania, &words::Africa})
        continent->addItem(ScreenText(Text(*name)));
    FillCountries(1);
    connect(continent, &QComboBox::currentIndexChanged, this, [this](int index) {
        FillCountries(index + 1);
        emit Changed();
    });
    connect(country, &QComboBox::currentIndexChanged, this, [this] { emit Changed(); });
}

void RegionBoxes::FillCountries(int continentNumber) {
    const QSignalBlocker quiet(country);
    country->clear();
    for (const tavlira::Country& entry : CountriesOf(continentNumber))
        country->addItem(QString::fromUtf8(CountryName(entry, CurrentLanguage())));
    country->setCurrentIndex(0);
}

void RegionBoxes::Set(const Region& region) {
    {
        const QSignalBlocker quiet(continent);
        continent->setCurrentIndex(region.continent - 1);
    }
    FillCountries(region.continent);
    const QSignalBlocker quiet(country);
    country->setCurrentIndex(region.entry);
}

Region RegionBoxes::Current() const {
    return {continent->currentIndex() + 1, std::max(0, country->currentIndex())};
}

QComboBox* SexBox(char sex, QWidget* parent) {
    auto* box = new QComboBox(parent);
    box->addItem(ScreenText(Text(words::Man)));
    box->addItem(ScreenText(Text(words::Woman)));
    box->setCurrentIndex(sex == 'W' ? 1 : 0);
    return box;
}

char SexOf(const QComboBox& box) {
    return box.currentIndex() == 1 ? 'W' : 'M';
}

} // namespace tavlira
