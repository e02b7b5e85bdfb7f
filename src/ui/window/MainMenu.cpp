#include "ui/window/MainMenu.h"

#include "i18n/words/Menu.h"
#include "records/ClubList.h"
#include "ui/controls/TQelCardsButton.h"
#include "ui/window/Dialogs.h"
#include "util/Cp1251.h"
#include "util/NumberFormat.h"

namespace tavlira {
namespace {

const QColor Aqua(0, 255, 255);

int Round(double x) {
    return static_cast<int>(RoundHalfEven(x));
}

QString FromBytes(std::string_view bytes) {
    return QString::fromStdString(Cp1251ToUtf8(bytes));
}

QFont FontOf(const Settings& settings, FontLine line) {
    return QFont(FromBytes(settings.Fonts[static_cast<std::size_t>(line)].name));
}

int Percent(const Settings& settings, FontLine line, double pixels) {
    return std::max(1,
                    Round(pixels * settings.Fonts[static_cast<std::size_t>(line)].scale / 100.0));
}

} // namespace

MainMenu::MainMenu(QWidget* window) : heading(new TQelCardsButton(window)) {
    SkinButton(*heading, TColorSB::QBlue, Qt::white);
    heading->setEnabled(false);
    heading->hide();
    for (int number : {1, 2, 3, 4, 5, NewPlayerButton, ExitButton}) {
        auto* button = new TQelCardsButton(window);
        const bool player = number <= NewPlayerButton;
        SkinButton(*button, player ? TColorSB::QNavy : TColorSB::QRed,
                   player ? Aqua : QColor(Qt::white));
        button->setFocusPolicy(Qt::NoFocus);
        button->hide();
        buttons[static_cast<std::size_t>(number)] = button;
    }
}

TQelCardsButton* MainMenu::Button(int number) const {
    return number >= 0 && number < static_cast<int>(buttons.size())
               ? buttons[static_cast<std::size_t>(number)]
               : nullptr;
}

void MainMenu::Hide() {
    heading->hide();
    for (TQelCardsButton* button : buttons)
        if (button)
            button->hide();
}

// Positions follow the window's two scales without centring; every row is
// S(30) high.
void MainMenu::Show(const TableScale& scale, const Settings& settings,
                    const std::optional<RecordFile>& records) {
    const int rowH = scale.S(30);
    const auto place = [&](QWidget* widget, int x, int y, int w, int extraTop = 0) {
        widget->setGeometry(Round(scale.ScaleX() * x), Round(scale.ScaleY() * y) + extraTop,
                            Round(scale.ScaleX() * w), rowH);
        widget->show();
    };
    for (int row = 1; row <= MemberSlots; ++row)
        place(Button(row), 180, 265, 400, (row - 1) * rowH);
    place(Button(NewPlayerButton), 280, 265, 200, 5 * rowH + scale.S(10));
    place(heading, 180, 265, 400, -rowH - scale.S(10));
    place(Button(ExitButton), 330, 465, 100);

    const double k = settings.WindowSize == 1 ? 1.0 : 0.9;
    QFont buttonFont = FontOf(settings, FontLine::Large);
    buttonFont.setPixelSize(Round(Percent(settings, FontLine::Large, 20) * scale.Scale() * k));
    buttonFont.setBold(true);
    for (int number : {NewPlayerButton, ExitButton})
        Button(number)->setFont(buttonFont);
    Button(NewPlayerButton)->setText(ScreenText(Text(words::NewPlayer)));
    Button(ExitButton)->setText(ScreenText(Text(words::Exit)));
    FillClubList(scale, settings, records);
}

void MainMenu::FillClubList(const TableScale& scale, const Settings& settings,
                            const std::optional<RecordFile>& records) {
    // Fixed pitch: the first special font in the small window, the second
    // one, growing with the window, in the others.
    const bool small = settings.WindowSize == 1;
    const FontLine role = small ? FontLine::Special1 : FontLine::Special2;
    QFont listFont = FontOf(settings, role);
    listFont.setStyleHint(QFont::Monospace);
    listFont.setFixedPitch(true);
    listFont.setPixelSize(Percent(settings, role, small ? 11 : Round(scale.Scale() * 16)));
    heading->setFont(listFont);
    heading->setText(ScreenText(Text(words::ClubListHeading(settings.ClubListMode))));

    // Names are shortened as they measure in the first special font at 11.
    QFont measureFont = FontOf(settings, FontLine::Special1);
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
        TQelCardsButton* button = Button(row);
        button->setFont(listFont);
        const MemberButton* member =
            view ? &view->members[static_cast<std::size_t>(row - 1)] : nullptr;
        button->setText(member ? FromBytes(member->text) : QString());
        button->setEnabled(member && member->enabled);
    }
}

} // namespace tavlira
