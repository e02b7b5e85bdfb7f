#include "ui/dialogs/tournament/TournamentTopTenDialog.h"

#include "i18n/words/Login.h"
#include "i18n/words/Online.h"
#include "i18n/words/Table.h"
#include "online/World.h"
#include "online/qt/WebServices.h"
#include "ui/artwork/PictureSource.h"
#include "ui/common/ToScreen.h"
#include "ui/controls/SkinnedButton.h"
#include "ui/dialogs/DialogParts.h"
#include "ui/dialogs/online/OnlineParts.h"
#include "ui/dialogs/online/WorldTopTenDialog.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

namespace tavlira {
namespace {

constexpr int RefreshMs = 10000;
constexpr online::Ranking Rankings[] = {online::Ranking::Score, online::Ranking::Rating,
                                        online::Ranking::Games};
// Where the place number sits on the medal's disc.
constexpr QPoint PlaceOnMedal(16, 39);

int OwnValue(const online::TourRating& own, online::Ranking ranking) {
    switch (ranking) {
    case online::Ranking::Rating:
        return own.Rating;
    case online::Ranking::Games:
        return own.Kon;
    case online::Ranking::Score:
        break;
    }
    return own.Score;
}

} // namespace

QImage PlaceMedal(int place) {
    if (place < 1 || place > 10)
        return {};
    QImage picture = PictureSource::BuiltIn().Data("GMedal");
    const QImage number = PictureSource::BuiltIn().Data(
        QStringLiteral("GPlace%1").arg(place, 2, 10, QLatin1Char('0')).toStdString());
    if (picture.isNull())
        return picture;
    picture = picture.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&picture);
    painter.drawImage(PlaceOnMedal, number);
    return picture;
}

TournamentTopTenDialog::TournamentTopTenDialog(QWidget* parent, WebServices& webServices,
                                               std::string playerNick)
    : QDialog(parent), services(webServices), nick(std::move(playerNick)) {
    const QString title = ScreenText(Text(words::OnlineTopTenTitle));
    setWindowTitle(title);
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(DialogHeading(title, this));
    choice = new QComboBox(this);
    for (const WordTable* kind : {&words::Score, &words::Rating, &words::Games})
        choice->addItem(ScreenText(Text(*kind)));
    connect(choice, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index >= 0 && index < static_cast<int>(std::size(Rankings)))
            ShowRanking(Rankings[index]);
    });
    layout->addWidget(choice, 0, Qt::AlignHCenter);
    rows = new QLabel(this);
    rows->setFont(QFont(QStringLiteral("DejaVu Sans Mono")));
    rows->setTextFormat(Qt::PlainText);
    rows->setMinimumSize(560, 200);
    rows->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    layout->addWidget(rows);
    auto* ownRow = new QHBoxLayout;
    medal = new QLabel(this);
    medal->setFixedSize(64, 80);
    ownRow->addWidget(medal);
    placeLine = new QLabel(this);
    ownRow->addWidget(placeLine, 1);
    layout->addLayout(ownRow);
    auto* ok = DialogButton(Text(words::Ok), this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    EscapePresses(*this, *ok);
    layout->addLayout(ButtonRow({ok}));

    ShowBusyWhile(*this, services.Client());
    refresh.setInterval(RefreshMs);
    connect(&refresh, &QTimer::timeout, this, &TournamentTopTenDialog::Read);
    refresh.start();
    Read();
}

QString TournamentTopTenDialog::RowsText() const {
    return rows->text();
}

QString TournamentTopTenDialog::PlaceText() const {
    return placeLine->text();
}

void TournamentTopTenDialog::ShowRanking(online::Ranking shown) {
    ranking = shown;
    const auto index = std::find(std::begin(Rankings), std::end(Rankings), shown) - Rankings;
    if (choice->currentIndex() != index) {
        const QSignalBlocker quiet(choice);
        choice->setCurrentIndex(static_cast<int>(index));
    }
    rows->clear();
    placeLine->clear();
    ShowPlace(-1);
    Read();
}

void TournamentTopTenDialog::Read() {
    const int asked = ++generation;
    services.Send(
        online::TourTopTenRequest{ranking}, this, [this, asked](const ServiceAnswer& answer) {
            if (asked != generation)
                return;
            const auto read =
                answer.done ? online::ReadTourTopTenAnswer(answer.text) : std::nullopt;
            rows->setText(read ? RecordRowsText(*read) : ScreenText(Text(words::NoConnect)));
        });
    if (nick.empty())
        return;
    services.Send(
        online::ReadRatingRequest{nick}, this, [this, asked](const ServiceAnswer& answer) {
            if (asked != generation)
                return;
            const auto own = answer.done ? online::ReadRatingAnswer(answer.text) : std::nullopt;
            if (own)
                return ReadPlace(asked, *own);
            placeLine->setText(ScreenText(Text(words::YourPlace)) + ": " +
                               ScreenText(Text(words::NoConnect)));
            ShowPlace(-1);
        });
}

void TournamentTopTenDialog::ReadPlace(int asked, const online::TourRating& own) {
    online::TourPlaceRequest place;
    place.ranking = ranking;
    place.value = OwnValue(own, ranking);
    services.Send(place, this, [this, asked](const ServiceAnswer& answer) {
        if (asked != generation)
            return;
        const std::int64_t number = answer.done ? online::ReadNumberAnswer(answer.text) : -1;
        placeLine->setText(
            ScreenText(Text(words::YourPlace)) + ": " +
            (number >= 0 ? QString::number(number) : ScreenText(Text(words::NoConnect))));
        ShowPlace(number);
    });
}

void TournamentTopTenDialog::ShowPlace(std::int64_t place) {
    const QImage picture =
        place >= 1 && place <= 10 ? PlaceMedal(static_cast<int>(place)) : QImage();
    medalPlace = picture.isNull() ? std::nullopt : std::optional(static_cast<int>(place));
    medal->setPixmap(QPixmap::fromImage(picture));
}

} // namespace tavlira
