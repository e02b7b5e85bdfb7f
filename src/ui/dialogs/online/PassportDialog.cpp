#include "ui/dialogs/online/PassportDialog.h"

#include "i18n/words/Login.h"
#include "i18n/words/Online.h"
#include "ui/common/ToScreen.h"
#include "ui/controls/SkinnedButton.h"
#include "ui/dialogs/DialogParts.h"
#include "ui/dialogs/online/Countries.h"
#include "ui/dialogs/online/OnlineParts.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace tavlira {
namespace {

QHBoxLayout* WithLamp(QWidget* box, LampView* lamp) {
    auto* row = new QHBoxLayout;
    row->addWidget(box);
    row->addWidget(lamp);
    return row;
}

} // namespace

PassportDialog::PassportDialog(QWidget* parent, Settings& playerSettings)
    : QDialog(parent), settings(playerSettings) {
    setWindowTitle(ScreenText(Text(words::MyPassport)));
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(DialogHeading(ScreenText(Text(words::MyPassport)), this));

    nick = AccountBox(AccountField::Nick, static_cast<int>(NickLength), this, true);
    nick->setText(ScreenOf(settings.WorldNick));
    city = AccountBox(AccountField::City, static_cast<int>(AccountCityLength), this, true);
    city->setText(ScreenOf(settings.WorldCity));
    nickLamp = new LampView(this);
    cityLamp = new LampView(this);
    sex = SexBox(settings.WorldSex, this);
    region = new RegionBoxes(this);
    region->Set(ParseRegion(settings.WorldRegion).value_or(Region{}));

    auto* form = new QFormLayout;
    form->addRow(ScreenText(Text(words::Nick)), WithLamp(nick, nickLamp));
    form->addRow(ScreenText(Text(words::City)), WithLamp(city, cityLamp));
    form->addRow(ScreenText(Text(words::Sex)), sex);
    form->addRow(ScreenText(Text(words::Country)), region->Continent());
    form->addRow(QString(), region->Country());
    layout->addLayout(form);

    ok = DialogButton(Text(words::Ok), this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    layout->addLayout(ButtonRow({ok}));

    connect(nick, &QLineEdit::textChanged, this, &PassportDialog::Check);
    connect(city, &QLineEdit::textChanged, this, &PassportDialog::Check);
    Check();
    setMinimumWidth(360);
}

bool PassportDialog::Valid() const {
    return PassportNickValid(WireText(nick->text())) && PassportCityValid(WireText(city->text()));
}

void PassportDialog::Check() {
    nickLamp->Show(PassportNickValid(WireText(nick->text())) ? Lamp::Green : Lamp::Red);
    cityLamp->Show(PassportCityValid(WireText(city->text())) ? Lamp::Green : Lamp::Red);
    ok->setEnabled(Valid());
}

// Every way of closing comes here: while a box is invalid the dialog stays.
void PassportDialog::done(int result) {
    if (!Valid()) {
        (PassportNickValid(WireText(nick->text())) ? city : nick)->setFocus();
        return;
    }
    settings.WorldNick = WireText(nick->text());
    settings.WorldCity = WireText(city->text());
    settings.WorldSex = SexOf(*sex);
    const Region chosen = region->Current();
    settings.WorldRegion = RegionCode(chosen.continent, chosen.entry);
    QDialog::done(result);
}

} // namespace tavlira
