#include "ui/dialogs/EndOfGameDialog.h"

#include "i18n/words/Login.h"
#include "i18n/words/Records.h"
#include "ui/artwork/PictureSource.h"
#include "ui/common/CanvasText.h"
#include "ui/common/ToScreen.h"
#include "ui/controls/FittedFont.h"
#include "ui/controls/SkinnedButton.h"
#include "ui/dialogs/DialogDesign.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

namespace tavlira {
namespace {

// The texts stand centred between the page's left edge and TextRight, one
// every LineStep pixels from FirstLineTop; the medal comes below them and
// the animation and emblem to their right.
const QSize PageSize(550, 380);
constexpr int TextRight = 400;
constexpr int FirstLineTop = 20;
constexpr int LineStep = 75;
constexpr int MedalTop = 290;
const QSize MedalSize(64, 80);
const QRect AnimationPlace(400, 20, 150, 150);
const QRect EmblemPlace(445, 245, 60, 75);

const QColor Headline(200, 0, 0);
const QColor Remark(0, 0, 128);
const QColor Score(0, 128, 0);

QString Words(const WordTable& table) {
    return ScreenText(Text(table));
}

} // namespace

EndOfGameView MakeEndOfGameView(int topTenPlace, int cycleScore, bool networkGame,
                                bool animationsOn) {
    EndOfGameView view;
    view.outcome = OutcomeOfPlace(topTenPlace);
    const QString result = Words(words::ResultLabel) + QString::number(cycleScore);
    switch (view.outcome) {
    case CycleOutcome::Best:
        view.lines = {
            {Words(words::Congratulations), 32, Headline},
            {Words(words::YourResultTheBest), 28, Remark},
            {result, 28, Score},
            {Words(networkGame ? words::BecomeBachelor : words::BecomeMaster), 22, Remark}};
        view.animation = {"GEndBest", AnimationPlace, animationsOn, 25, 25};
        break;
    case CycleOutcome::Good:
        view.lines = {{Words(words::Congratulations), 32, Headline},
                      {Words(words::GoodResult), 28, Remark},
                      {result, 28, Score},
                      {Words(words::EnteredTopTen), 22, Remark}};
        view.animation = {"GEndGood", AnimationPlace, animationsOn, 24, 24};
        break;
    case CycleOutcome::Bad:
        // A world place beyond the ten is named after the score.
        view.lines = {{Words(words::OurRegrets), 32, Remark},
                      {Words(words::ResultCouldBeBetter), 20, Remark},
                      {topTenPlace > TopTenPlaces ? result + " ; " + Words(words::PlaceLabel) +
                                                        QString::number(topTenPlace)
                                                  : result,
                       28, Score},
                      {Words(words::NotInTopTen), 20, Remark}};
        view.animation = {"GEndBads", AnimationPlace, animationsOn, 3, std::nullopt};
        break;
    }
    if (view.outcome != CycleOutcome::Bad)
        view.medalPlace =
            QStringLiteral("GPlace%1").arg(topTenPlace, 2, 10, QLatin1Char('0')).toStdString();
    view.emblem = {networkGame ? "GClubG" : "GClubF", EmblemPlace, animationsOn};
    return view;
}

EndOfGameDialog::EndOfGameDialog(QWidget* parent, const EndOfGameView& shownView,
                                 Settings& playerSettings)
    : QDialog(parent), view(shownView), settings(playerSettings),
      page(new DialogPage(
          PageSize, QImage(), [this](QPainter& painter) { Paint(painter); }, this)) {
    const QString title = Words(words::CompletionOfGame);
    setWindowTitle(title);
    setModal(true);
    if (!view.medalPlace.empty()) {
        medal = PictureSource::BuiltIn().Data("GMedal");
        medalPlace = PictureSource::BuiltIn().Data(view.medalPlace);
    }
    page->AddAnimation(view.animation);
    page->AddAnimation(view.emblem);

    ok = LayOutPageDialog(
        *this, *page,
        {title, LocalizedName("EndGame"), "GCap550", "GLenta380x120", LocalizedName("GFormEndG")},
        playerSettings);
    page->FitDialogToScreen(*this);
    ok->setFocus();
}

void EndOfGameDialog::Paint(QPainter& painter) const {
    int top = FirstLineTop;
    for (const EndOfGameView::Line& line : view.lines) {
        const QFont font = SizedFont(settings, FontLine::Small, line.pixels, true);
        painter.setFont(FittedFont(font, line.text, TextRight - 10));
        painter.setPen(line.colour);
        DrawCentred(painter, line.text, 0, TextRight, top);
        top += LineStep;
    }
    if (medal.isNull())
        return;
    // The place stands on the round part of the medal, below its ribbon.
    const QPoint medalAt((TextRight - MedalSize.width()) / 2, MedalTop);
    painter.drawImage(medalAt, medal);
    if (!medalPlace.isNull())
        painter.drawImage(medalAt + QPoint((MedalSize.width() - medalPlace.width()) / 2,
                                           MedalSize.height() - MedalSize.width() +
                                               (MedalSize.width() - medalPlace.height()) / 2),
                          medalPlace);
}

} // namespace tavlira
