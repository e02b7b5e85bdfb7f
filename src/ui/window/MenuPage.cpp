#include "ui/window/MenuPage.h"

#include "i18n/words/Menu.h"
#include "records/ClubList.h"
#include "ui/common/ToScreen.h"
#include "ui/controls/FittedFont.h"
#include "ui/controls/SkinnedButton.h"
#include "ui/window/TableDrawing.h"

#include <QPaintEvent>
#include <QPainter>

namespace tavlira {
namespace {

const QColor Aqua(0, 255, 255);

int Percent(const Settings& settings, FontLine line, double pixels) {
    return std::max(1, Round(pixels * FontOf(settings, line).scale / 100.0));
}

} // namespace

MenuPage::MenuPage(const QImage& backgroundPicture, const Settings& windowSettings, QWidget* parent)
    : QWidget(parent), background(backgroundPicture), settings(windowSettings),
      scale(TableScale::ForMode(WindowSizeMode::Small, QSize())), heading(new SkinnedButton(this)) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    SkinButton(*heading, TColorSB::QBlue, Qt::white);
    heading->setEnabled(false);
    heading->SetCaptionPanel(true);
    for (int number : {1, 2, 3, 4, 5, NewPlayerButton, ExitButton, HistoryButton}) {
        auto* button = new SkinnedButton(this);
        const bool player = number <= NewPlayerButton;
        SkinButton(*button, player ? TColorSB::QNavy : TColorSB::QRed,
                   player ? Aqua : QColor(Qt::white));
        button->setFocusPolicy(Qt::NoFocus);
        buttons[static_cast<std::size_t>(number)] = button;
        if (number == ExitButton)
            connect(button, &QPushButton::clicked, this, &MenuPage::ExitChosen);
        else if (number == HistoryButton)
            connect(button, &QPushButton::clicked, this, &MenuPage::HistoryChosen);
        else
            connect(button, &QPushButton::clicked, this,
                    [this, number] { emit PlayerChosen(number); });
    }
}

SkinnedButton* MenuPage::Button(int number) const {
    return number >= 0 && number < static_cast<int>(buttons.size())
               ? buttons[static_cast<std::size_t>(number)]
               : nullptr;
}

// Positions follow the window's two scales without centring; every row is
// S(30) high.
void MenuPage::Fill(const TableScale& windowScale, const std::optional<RecordFile>& records) {
    scale = windowScale;
    const int rowH = scale.S(30);
    const auto place = [&](QWidget* widget, int x, int y, int w, int extraTop = 0) {
        widget->setGeometry(Round(scale.ScaleX() * x), Round(scale.ScaleY() * y) + extraTop,
                            Round(scale.ScaleX() * w), rowH);
    };
    for (int row = 1; row <= MemberSlots; ++row)
        place(Button(row), 180, 265, 400, (row - 1) * rowH);
    place(Button(NewPlayerButton), 280, 265, 200, 5 * rowH + scale.S(10));
    place(heading, 180, 265, 400, -rowH - scale.S(10));
    place(Button(ExitButton), 330, 465, 100);
    place(Button(HistoryButton), 40, 255, 100);

    const double k = settings.WindowSize == 1 ? 1.0 : 0.9;
    QFont buttonFont = FontFace(settings, FontLine::Large);
    buttonFont.setPixelSize(Round(Percent(settings, FontLine::Large, 20) * scale.Scale() * k));
    buttonFont.setBold(true);
    for (int number : {NewPlayerButton, ExitButton, HistoryButton})
        Button(number)->setFont(buttonFont);
    Button(NewPlayerButton)->setText(ScreenText(Text(words::NewPlayer)));
    Button(ExitButton)->setText(ScreenText(Text(words::Exit)));
    Button(HistoryButton)->setText(ScreenText(Text(words::History)));
    FillClubList(records);
    update();
}

void MenuPage::FillClubList(const std::optional<RecordFile>& records) {
    // Fixed pitch: the first special font in the small window, the second
    // one, growing with the window, in the others.
    const bool small = settings.WindowSize == 1;
    const FontLine role = small ? FontLine::Special1 : FontLine::Special2;
    QFont listFont = FontFace(settings, role);
    listFont.setStyleHint(QFont::Monospace);
    listFont.setFixedPitch(true);
    listFont.setPixelSize(Percent(settings, role, small ? 11 : Round(scale.Scale() * 16)));
    heading->setFont(listFont);
    heading->setText(ScreenText(Text(words::ClubListHeading(settings.ClubListMode))));

    // Names are shortened as they measure in the first special font at 11.
    QFont measureFont = FontFace(settings, FontLine::Special1);
    measureFont.setStyleHint(QFont::Monospace);
    measureFont.setPixelSize(11);
    const QFontMetrics metrics(measureFont);
    const TextWidth width = [&metrics](std::string_view text) {
        return metrics.horizontalAdvance(FromBytes(text));
    };
    std::optional<ClubListView> view;
    if (records) {
        const auto mode = settings.ClubListMode == 2 ? ClubDisplay::Rating : ClubDisplay::Score;
        view = MakeClubListView(*records, mode, width,
                                {Text(words::ClubHeadingScore), Text(words::ClubHeadingRating)});
    }
    for (int row = 1; row <= MemberSlots; ++row) {
        SkinnedButton* button = Button(row);
        button->setFont(listFont);
        const MemberButton* member =
            view ? &view->members[static_cast<std::size_t>(row - 1)] : nullptr;
        button->setText(member ? FromBytes(member->text) : QString());
        button->setEnabled(member && member->enabled);
    }
}

// The background and the game's title above the club list.
void MenuPage::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    PaintBackground(painter, background, event->rect());
    QFont font = FontFace(settings, FontLine::Large);
    font.setPixelSize(scale.S(64));
    font.setBold(true);
    const QString title = ScreenText(Text(words::GameTitle));
    const QRect caption(scale.X(180, 400), scale.Y(60, 90), scale.S(400), scale.S(90));
    painter.setFont(FittedFont(font, title, caption.width() - scale.S(3)));
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setPen(QColor(60, 0, 0));
    painter.drawText(caption.translated(scale.S(3), scale.S(3)), Qt::AlignCenter, title);
    painter.setPen(QColor(255, 215, 0));
    painter.drawText(caption, Qt::AlignCenter, title);
}

} // namespace tavlira
