#include "ui/dialogs/online/WorldStatsDialog.h"

#include "i18n/words/Online.h"
#include "online/Account.h"
#include "online/Answer.h"
#include "online/qt/WebServices.h"
#include "ui/common/ToScreen.h"
#include "ui/controls/SkinnedButton.h"
#include "ui/dialogs/DialogParts.h"
#include "ui/dialogs/online/OnlineParts.h"

#include <QLabel>
#include <QVBoxLayout>
#include <cmath>

namespace tavlira {
namespace {

// The counters of the statistics: games and cycles against the computer,
// people who won and lost against it, games over the network and online.
constexpr std::size_t WonCounter = 2;
constexpr std::size_t LostCounter = 3;

QString Words(const WordTable& table) {
    return ScreenText(Text(table));
}

} // namespace

int DynamicIq(const online::WorldStats& stats) {
    const double won = stats.StatX[WonCounter];
    const double lost = stats.StatX[LostCounter];
    if (won + lost <= 0)
        return 0;
    return static_cast<int>(std::nearbyint(100.0 * lost / (won + lost)));
}

WorldStatsDialog::WorldStatsDialog(QWidget* parent, WebServices& webServices,
                                   Settings& playerSettings, std::function<bool()> passport)
    : QDialog(parent), services(webServices), settings(playerSettings),
      askPassport(std::move(passport)) {
    setWindowTitle(Words(words::WorldStatsTitle));
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(DialogHeading(Words(words::WorldStatsTitle), this));
    figures = new QLabel(this);
    figures->setTextFormat(Qt::PlainText);
    figures->setMinimumSize(360, 200);
    figures->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    layout->addWidget(figures);
    auto* note = new QLabel(Words(words::StatisticsSinceVersion), this);
    note->setWordWrap(true);
    layout->addWidget(note);
    like = DialogButton(Text(words::ILikeThisGame), this);
    auto* close = DialogButton(Text(words::Close), this);
    close->setDefault(true);
    connect(like, &QPushButton::clicked, this, &WorldStatsDialog::Like);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    EscapePresses(*this, *close);
    layout->addLayout(ButtonRow({like, close}));
    ShowBusyWhile(*this, services.Client());
    Read();
}

QString WorldStatsDialog::FiguresText() const {
    return figures->text();
}

void WorldStatsDialog::Read() {
    services.Send(online::StatisticsRequest{}, this, [this](const ServiceAnswer& answer) {
        stats = answer.done ? online::ReadStatisticsAnswer(answer.text, online::OwnBoardId)
                            : std::nullopt;
        if (!stats) {
            figures->setText(Words(words::NoConnect));
            return;
        }
        const std::pair<const WordTable*, QString> rows[] = {
            {&words::NumberOfStarts, QString::number(stats->Stat1)},
            {&words::NumberOfUniqueStarts, QString::number(stats->Stat2)},
            {&words::Likes, QString::number(stats->Stat3)},
            {&words::LastLike, ScreenOf(stats->Stat4)},
            {&words::GamesPlayedWithPc, QString::number(stats->StatX[0])},
            {&words::CyclesPlayedWithPc, QString::number(stats->StatX[1])},
            {&words::PeopleWonAgainstPc, QString::number(stats->StatX[2])},
            {&words::PeopleLostAgainstPc, QString::number(stats->StatX[3])},
            {&words::GamesPlayedNet, QString::number(stats->StatX[4])},
            {&words::GamesPlayedOnline, QString::number(stats->StatX[5])}};
        QStringList lines;
        for (const auto& [label, value] : rows)
            lines << Words(*label) + ": " + value;
        figures->setText(lines.join('\n'));
    });
}

void WorldStatsDialog::Like() {
    if (settings.WorldNick == "Incognito" && !(askPassport && askPassport()))
        return;
    if (settings.WorldNick == "Incognito")
        return;
    online::LikeRequest request;
    request.nick = settings.WorldNick;
    like->setEnabled(false);
    services.Send(request, this, [this](const ServiceAnswer& answer) {
        like->setEnabled(true);
        if (answer.done && online::ReadDoneAnswer(answer.text))
            settings.LikeSent = true;
        Read();
    });
}

} // namespace tavlira
