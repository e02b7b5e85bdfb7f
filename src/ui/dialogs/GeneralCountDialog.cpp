#include "ui/dialogs/GeneralCountDialog.h"

#include "i18n/words/Login.h"
#include "i18n/words/Network.h"
#include "i18n/words/Records.h"
#include "i18n/words/Table.h"
#include "ui/artwork/PictureSource.h"
#include "ui/common/CanvasText.h"
#include "ui/common/ToScreen.h"
#include "ui/controls/FittedFont.h"
#include "ui/controls/SkinnedButton.h"
#include "ui/dialogs/DialogDesign.h"
#include "ui/dialogs/DialogPage.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

namespace tavlira {
namespace {

const QSize ScrollSize(450, 700);
const QColor Heading(128, 0, 0);
const QColor Label(0, 0, 128);
const QColor Value(0, 0, 0);
// Each pair is a label with its value on the line below, right-aligned.
constexpr int TextLeft = 70;
constexpr int TextRight = 390;
constexpr int FirstPairTop = 125;
constexpr int PairStep = 56;
constexpr int ValueOffset = 20;
const QPoint AccountAt(180, 590);
const QSize AccountSize(48, 48);
const QRect AnimationPlace(60, 565, 100, 100);
const QRect EmblemPlaces[] = {QRect(260, 565, 60, 75), QRect(330, 565, 60, 75)};

QString Words(const WordTable& table) {
    return ScreenText(Text(table));
}

} // namespace

std::vector<std::string> GeneralCountDialog::Emblems(PlayKind kind) {
    switch (kind) {
    case PlayKind::Computer:
        return {"GClubC", "GClubF"};
    case PlayKind::RatedOnline:
        return {"GClubA", "GClubB"};
    case PlayKind::Tournament:
        return {"GClubE"};
    case PlayKind::NetworkDuel:
        break;
    }
    return {"GClubG"};
}

// Red: not logged in to an online account, green: playing a rated online
// game.
std::string GeneralCountDialog::Lamp(PlayKind kind) {
    return kind == PlayKind::RatedOnline ? "LampG24" : "LampR24";
}

GeneralCountDialog::GeneralCountDialog(QWidget* parent, const MatchFigures& match,
                                       const std::string& playerName, Settings& playerSettings)
    : QDialog(parent), settings(playerSettings),
      account(PictureSource::BuiltIn().Data("Account48")),
      lamp(PictureSource::BuiltIn().Data(Lamp(match.kind))),
      page(new DialogPage(
          ScrollSize, PictureSource::BuiltIn().Data("GSvitok"),
          [this](QPainter& painter) { Paint(painter); }, this)) {
    setWindowTitle(Words(words::Player) + ":  " + FromBytes(playerName));
    setModal(true);
    const TCount count = MakeTCount(match);
    pairs = {{{Words(words::GeneralNumberOfGames), FromBytes(count.Count_KonAll)},
              {Words(words::GameInCurrentCycle), FromBytes(count.Count_KonCur)},
              {Words(words::InitialScore), FromBytes(count.Count_ScoBeg)},
              {Words(words::CurrentScoreLabel), FromBytes(count.Count_ScoCur)},
              {Words(words::GeneralScoreLabel), FromBytes(count.Count_ScoAll)},
              {Words(words::InitialRating), FromBytes(count.Count_ReiBeg)},
              {Words(words::CurrentRating), FromBytes(count.Count_ReiCur)}}};

    page->AddAnimation({"GGenCount", AnimationPlace, playerSettings.GifAnimation});
    const std::vector<std::string> emblems = Emblems(match.kind);
    for (std::size_t i = 0; i < emblems.size(); ++i)
        page->AddAnimation(
            {QString::fromStdString(emblems[i]), EmblemPlaces[i], playerSettings.GifAnimation});

    ok = LayOutPageDialog(
        *this, *page,
        {Words(words::Info), "CountInfo", "GCap300", "GLenta200x100", LocalizedName("GFormCountL")},
        playerSettings);
    page->FitDialogToScreen(*this);
    ok->setFocus();
}

void GeneralCountDialog::Paint(QPainter& painter) const {
    const QString heading = Words(words::InformationAboutGame);
    painter.setPen(Heading);
    painter.setFont(
        FittedFont(SizedFont(settings, FontLine::Small, 20, true), heading, TextRight - TextLeft));
    DrawCentred(painter, heading, 0, ScrollSize.width(), 85);
    const QFont labelFont = SizedFont(settings, FontLine::Small, 16);
    const QFont valueFont = SizedFont(settings, FontLine::Small, 24, true);
    int top = FirstPairTop;
    for (const auto& [label, value] : pairs) {
        painter.setPen(Label);
        painter.setFont(FittedFont(labelFont, label, TextRight - TextLeft));
        DrawAligned(painter, label, TextLeft, TextRight, top, TextAlign::Left);
        painter.setPen(Value);
        painter.setFont(valueFont);
        DrawRightAligned(painter, value, TextRight, top + ValueOffset);
        top += PairStep;
    }
    if (!account.isNull())
        painter.drawImage(QRect(AccountAt, AccountSize), account);
    // The lamp sits on the icon's lower right corner.
    if (!lamp.isNull())
        painter.drawImage(AccountAt + QPoint(AccountSize.width() - lamp.width() / 2,
                                             AccountSize.height() - lamp.height() / 2),
                          lamp);
}

} // namespace tavlira
