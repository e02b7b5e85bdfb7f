#include "ui/dialogs/radio/RadioDialog.h"

#include "i18n/words/Media.h"
#include "i18n/words/Online.h"
#include "ui/common/ToScreen.h"
#include "ui/controls/SkinnedButton.h"
#include "ui/dialogs/DialogDesign.h"
#include "ui/dialogs/DialogParts.h"
#include "ui/dialogs/radio/RadioPictures.h"

#include <QHBoxLayout>
#include <QPixmap>
#include <QVBoxLayout>

namespace tavlira {

RadioDialog::RadioDialog(QWidget* parent, Radio& theRadio, Settings& settings)
    : QDialog(parent), radio(theRadio), countries(new QListWidget(this)),
      stations(new QListWidget(this)), onOff(new QToolButton(this)),
      volumePicture(new QLabel(this)), louder(new SkinnedButton(this)),
      quieter(new SkinnedButton(this)), status(new QLabel(this)) {
    const QString title = ScreenText(Text(words::QelInternetRadio));
    setWindowTitle(title);
    setModal(true);
    auto* layout = new QVBoxLayout(this);

    auto* lists = new QHBoxLayout;
    {
        const RadioPack pack(radio.PicturePack());
        for (std::size_t i = 0; i < RadioCountries.size(); ++i) {
            auto* item = new QListWidgetItem(ScreenText(Text(*words::RadioCountryNames[i])));
            item->setIcon(
                QPixmap::fromImage(pack.Picture(std::string("FLAG_") + RadioCountries[i].code)));
            countries->addItem(item);
        }
    }
    countries->setMinimumSize(190, 260);
    stations->setMinimumSize(230, 260);
    lists->addWidget(countries);
    lists->addWidget(stations);
    layout->addLayout(lists);

    onOff->setIconSize(QSize(64, 64));
    onOff->setAutoRaise(true);
    onOff->setCursor(Qt::PointingHandCursor);
    for (SkinnedButton* button : {quieter, louder}) {
        button->setFixedSize(44, 44);
        QFont font = button->font();
        font.setPixelSize(24);
        font.setBold(true);
        button->setFont(font);
    }
    quieter->setText(QString(QChar(0x2212)));
    louder->setText(QStringLiteral("+"));
    auto* controls = new QHBoxLayout;
    controls->addWidget(onOff);
    controls->addStretch();
    controls->addWidget(quieter);
    controls->addWidget(volumePicture);
    controls->addWidget(louder);
    layout->addLayout(controls);
    status->setAlignment(Qt::AlignCenter);
    layout->addWidget(status);

    SkinnedButton* ok = OkOnlyButton(*this);
    ok->setMinimumWidth(120);
    layout->addLayout(ButtonRow({ok}));
    DialogHeader header;
    header.title = title;
    ApplyDialogDesign(*this, *layout, header, settings);

    connect(countries, &QListWidget::currentRowChanged, this, [this](int row) {
        if (!filling)
            ChooseCountry(row);
    });
    connect(stations, &QListWidget::currentRowChanged, this, [this](int row) {
        if (!filling)
            StationChosen(row);
    });
    connect(onOff, &QToolButton::clicked, &radio, &Radio::Toggle);
    connect(louder, &QPushButton::clicked, this, [this] { radio.StepVolume(+1); });
    connect(quieter, &QPushButton::clicked, this, [this] { radio.StepVolume(-1); });
    connect(&radio, &Radio::Changed, this, &RadioDialog::Refresh);

    filling = true;
    countries->setCurrentRow(radio.Current().countryIndex);
    filling = false;
    ChooseCountry(radio.Current().countryIndex);
    Refresh();
}

// The stations of the country; the one playing is selected, or else the
// first, which is tuned to. A list that cannot be read changes nothing.
void RadioDialog::ChooseCountry(int index) {
    const std::optional<std::vector<Station>> chosen = radio.ChooseCountry(index);
    if (!chosen)
        return;
    filling = true;
    stations->clear();
    stationIds.clear();
    const RadioPack pack(radio.PicturePack());
    const QPixmap flag = QPixmap::fromImage(
        pack.Picture(std::string("FLAG_") + RadioCountries[static_cast<std::size_t>(index)].code));
    int playing = -1;
    for (const Station& station : *chosen) {
        if (playing < 0 && station.name == radio.Current().stationName)
            playing = static_cast<int>(stationIds.size());
        stations->addItem(new QListWidgetItem(flag, FromBytes(station.name)));
        stationIds.push_back(station.id);
    }
    filling = false;
    if (stationIds.empty())
        return;
    if (playing >= 0) {
        filling = true;
        stations->setCurrentRow(playing);
        filling = false;
    } else
        stations->setCurrentRow(0); // tunes to it
}

void RadioDialog::StationChosen(int row) {
    if (row >= 0 && row < static_cast<int>(stationIds.size()))
        radio.Tune(stationIds[static_cast<std::size_t>(row)]);
}

void RadioDialog::Refresh() {
    const RadioPack pack(radio.PicturePack());
    const RadioStatus now = radio.Status();
    onOff->setIcon(QPixmap::fromImage(pack.Picture(radio.On() ? "RRADIO_MAING" : "RRADIO_MAINR")));
    onOff->setEnabled(radio.Available());
    volumePicture->setPixmap(
        QPixmap::fromImage(pack.VolumePicture(radio.Current().volume, radio.Current().logo)));
    louder->setEnabled(radio.Current().volume < 100);
    quieter->setEnabled(radio.Current().volume > 0);
    const QString station = FromBytes(radio.Current().stationName);
    stations->setToolTip(station);
    switch (now) {
    case RadioStatus::Checking:
    case RadioStatus::Connecting:
        status->setText(station + " - " + ScreenText(Text(words::StreamConnecting)));
        break;
    case RadioStatus::Failed:
        status->setText(station + " - " + ScreenText(Text(words::NoConnect)));
        break;
    case RadioStatus::Playing:
    case RadioStatus::Off:
        status->setText(station);
        break;
    case RadioStatus::Unavailable:
        status->setText(ScreenText(Text(words::CantFind)) + StationListDiskFile + " + " +
                        RadioPicturePackName);
        break;
    }
}

} // namespace tavlira
