#include "ui/window/MenuPage.h"

#include "i18n/words/Menu.h"
#include "i18n/words/Online.h"
#include "records/ClubList.h"
#include "ui/common/ToScreen.h"
#include "ui/controls/Cursors.h"
#include "ui/controls/FittedFont.h"
#include "ui/controls/SkinnedButton.h"
#include "ui/menu/StatsBoard.h"
#include "ui/menu/TitleTint.h"
#include "ui/window/TableDrawing.h"

#include <QCoreApplication>
#include <QDate>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QMovie>
#include <QPaintEvent>
#include <QPainter>
#include <QTime>
#include <QToolTip>

namespace tavlira {
namespace {

const QColor Aqua(0, 255, 255);
const QColor PurpleCaption(200, 175, 50);
// The menu animates in ticks of 20 ms, and the screen shows every second
// tick: each frame moves the flames and the animated pictures on by two
// ticks. Half the frames halve what the idle menu costs, since each frame
// wakes the program and sends its pixels to the display.
constexpr int TickMs = 20;
constexpr int TicksPerFrame = 2;
constexpr int FrameMs = TickMs * TicksPerFrame;
// The calendar's second picture changes this often.
constexpr int CalendarTickMs = 10000;

// The icons in the two columns. The Android package and the store page have
// nothing to offer yet, so their icons are left out.
constexpr std::array<MenuIcon, 7> ShownIcons{
    MenuIcon::MoreGames,   MenuIcon::Help,       MenuIcon::Tournament, MenuIcon::Support,
    MenuIcon::WorldTopTen, MenuIcon::Statistics, MenuIcon::Account};

const WordTable& IconHint(MenuIcon icon, AccountState account) {
    switch (icon) {
    case MenuIcon::MoreGames:
        return words::MoreGames;
    case MenuIcon::Help:
        return words::Help;
    case MenuIcon::Tournament:
        return words::OnlineTournament;
    case MenuIcon::Support:
        return words::SupportUs;
    case MenuIcon::WorldTopTen:
        return words::WorldTopTen;
    case MenuIcon::Statistics:
        return words::Statistics;
    case MenuIcon::AndroidPackage:
    case MenuIcon::GooglePlay:
    case MenuIcon::Account:
        break;
    }
    return *AccountLampOf(account).hint;
}

void DrawIn(QPainter& painter, QRect area, QRect where, const QImage& picture) {
    if (!picture.isNull() && where.intersects(area))
        painter.drawImage(where.topLeft(), picture);
}

} // namespace

MenuPage::MenuPage(const QImage& backgroundPicture, Settings& windowSettings, QWidget* parent)
    : QWidget(parent), background(backgroundPicture), settings(windowSettings),
      scale(TableScale::ForMode(WindowSizeMode::Small, QSize())), heading(new SkinnedButton(this)) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    heading->setEnabled(false);
    heading->SetCaptionPanel(true);
    CreateButtons();
    for (std::size_t i = 0; i < animations.size(); ++i) {
        const QString name =
            i == 0 ? QStringLiteral(":/GIF/GifMenu1") : QStringLiteral(":/GIF/GifMenu2");
        animations[i] = new QMovie(name, QByteArray(), this);
        // The frames are decoded once, not again on every round.
        animations[i]->setCacheMode(QMovie::CacheAll);
        connect(animations[i], &QMovie::frameChanged, this,
                [this, i] { update(layout.animations[i]); });
    }
    tick.setInterval(FrameMs);
    connect(&tick, &QTimer::timeout, this, [this] { Animate(QTime::currentTime()); });
    calendarPlaces = CalendarPackPlaces(QCoreApplication::applicationDirPath().toStdString());
    calendarTimer.setInterval(CalendarTickMs);
    connect(&calendarTimer, &QTimer::timeout, this, &MenuPage::CalendarTick);
}

MenuPage::~MenuPage() = default;

void MenuPage::CreateButtons() {
    for (int number : {1, 2, 3, 4, 5, NewPlayerButton, TopTenButton, OptionsButton, ExitButton,
                       HistoryButton, ModeButton}) {
        auto* button = new SkinnedButton(this);
        button->setFocusPolicy(Qt::StrongFocus);
        button->installEventFilter(this);
        buttons[static_cast<std::size_t>(number)] = button;
    }
    const auto on = [this](int number, auto action) {
        connect(Button(number), &QPushButton::clicked, this, action);
    };
    for (int number = 1; number <= NewPlayerButton; ++number)
        on(number, [this, number] { emit PlayerChosen(number); });
    on(TopTenButton, &MenuPage::TopTenChosen);
    on(HistoryButton, &MenuPage::HistoryChosen);
    on(ExitButton, &MenuPage::ExitChosen);
    on(ModeButton, &MenuPage::SwitchClubListMode);
    on(OptionsButton, &MenuPage::OptionsChosen);
    // Left column, the club list, right column, then "Exit" below.
    for (int number : {TopTenButton, HistoryButton, 1, 2, 3, 4, 5, NewPlayerButton, OptionsButton,
                       ModeButton, ExitButton})
        focusChain.push_back(Button(number));
    for (std::size_t i = 1; i < focusChain.size(); ++i)
        setTabOrder(focusChain[i - 1], focusChain[i]);
}

SkinnedButton* MenuPage::Button(int number) const {
    return number >= 0 && number < static_cast<int>(buttons.size())
               ? buttons[static_cast<std::size_t>(number)]
               : nullptr;
}

// The purple design gives every button the card skin with golden captions.
void MenuPage::SkinButtons() {
    const bool purple = settings.MenuDesign == 1;
    for (int number = 1; number <= NewPlayerButton; ++number)
        SkinButton(*Button(number), purple ? TColorSB::QCards : TColorSB::QNavy,
                   purple ? PurpleCaption : Aqua);
    for (int number : {TopTenButton, OptionsButton, ExitButton, HistoryButton, ModeButton})
        SkinButton(*Button(number), purple ? TColorSB::QCards : TColorSB::QRed,
                   purple ? PurpleCaption : QColor(Qt::white));
    SkinButton(*heading, purple ? TColorSB::QCards : TColorSB::QBlue,
               purple ? QColor(128, 50, 50) : QColor(Qt::white));
    heading->SetKLightSB(purple ? 50 : 0);
}

void MenuPage::Fill(const TableScale& windowScale, const std::optional<RecordFile>& clubRecords) {
    scale = windowScale;
    records = &clubRecords;
    const auto mode = static_cast<WindowSizeMode>(std::clamp(settings.WindowSize, 1, 5));
    // The calendar is built again with every fill, so that it follows a new
    // language or background.
    BuildCalendarPictures();
    layout = LayOutMenu(scale, mode, calendar ? CalendarOffset : 0);
    SkinButtons();
    for (int row = 1; row <= MenuMemberRows; ++row)
        Button(row)->setGeometry(layout.memberRows[static_cast<std::size_t>(row - 1)]);
    heading->setGeometry(layout.clubHeading);
    const std::pair<int, QRect> places[] = {
        {NewPlayerButton, layout.newPlayer}, {TopTenButton, layout.topTen},
        {HistoryButton, layout.history},     {OptionsButton, layout.options},
        {ModeButton, layout.mode},           {ExitButton, layout.exit}};
    const double k = settings.WindowSize == 1 ? 1.0 : 0.9;
    QFont buttonFont = FontFace(settings, FontLine::Large);
    buttonFont.setPixelSize(Round(FontSize(settings, FontLine::Large, 20) * scale.Scale() * k));
    buttonFont.setBold(true);
    for (const auto& [number, where] : places) {
        Button(number)->setGeometry(where);
        Button(number)->setFont(buttonFont);
    }
    const std::pair<int, const WordTable*> captions[] = {
        {NewPlayerButton, &words::NewPlayer}, {TopTenButton, &words::TopTen},
        {HistoryButton, &words::History},     {OptionsButton, &words::Options},
        {ModeButton, &words::Mode},           {ExitButton, &words::Exit}};
    for (const auto& [number, caption] : captions)
        Button(number)->setText(ScreenText(Text(*caption)));

    const auto language = static_cast<std::size_t>(CurrentLanguage());
    artwork.Prepare(layout, LanguageSuffix[language], settings.NetworkMode, settings.TitleVariant);
    const QTime now = QTime::currentTime();
    clockFace = ClockFaceAt(now.hour(), now.minute(), now.msec());
    TurnBoard(StatsBoardVariant(now.minute(), account));
    FillClubList();
    RewindAnimations();
    PlaceMediaControls();
    update();
}

void MenuPage::SetMediaControls(QWidget* radio, QWidget* music) {
    radioControl = radio;
    musicControl = music;
    PlaceMediaControls();
}

// The radio stands in the bottom left corner, the music player's buttons in
// the bottom right one, clear of the icon columns above them.
void MenuPage::PlaceMediaControls() {
    const QSize client = scale.ClientSize();
    constexpr int Margin = 10;
    if (radioControl) {
        radioControl->move(Margin, client.height() - radioControl->height() - Margin);
        radioControl->setVisible(scale.Scale() >= 1.6);
    }
    if (musicControl) {
        musicControl->move(client.width() - musicControl->width() - 2 * Margin,
                           client.height() - musicControl->height() - 2 * Margin);
        musicControl->setVisible(scale.Scale() >= 1.5);
    }
}

void MenuPage::FillClubList() {
    // Fixed pitch: the first special font in the small window, the second
    // one, growing with the window, in the others.
    const bool small = settings.WindowSize == 1;
    const FontLine role = small ? FontLine::Special1 : FontLine::Special2;
    QFont listFont = FontFace(settings, role);
    listFont.setStyleHint(QFont::Monospace);
    listFont.setFixedPitch(true);
    listFont.setPixelSize(FontSize(settings, role, small ? 11 : Round(scale.Scale() * 16)));
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
    if (records && *records) {
        const auto mode = settings.ClubListMode == 2 ? ClubDisplay::Rating : ClubDisplay::Score;
        view = MakeClubListView(**records, mode, width,
                                {Text(words::ClubHeadingScore), Text(words::ClubHeadingRating)});
    }
    for (int row = 1; row <= MenuMemberRows; ++row) {
        SkinnedButton* button = Button(row);
        button->setFont(listFont);
        const MemberButton* member =
            view ? &view->members[static_cast<std::size_t>(row - 1)] : nullptr;
        button->setText(member ? FromBytes(member->text) : QString());
        button->setEnabled(member && member->enabled);
    }
}

// "Mode" shows the club list by rating instead of by score, or back.
void MenuPage::SwitchClubListMode() {
    settings.ClubListMode = settings.ClubListMode == 2 ? 1 : 2;
    FillClubList();
    emit ClubListModeSwitched();
}

void MenuPage::CycleTitleVariant() {
    settings.TitleVariant = NextTitleVariant(settings.TitleVariant);
    artwork.SetTitleVariant(settings.TitleVariant);
    update(layout.caption);
    update(layout.clubCaption);
}

// --- Calendar

void MenuPage::SetCalendarPlaces(std::vector<std::filesystem::path> places) {
    calendarPlaces = std::move(places);
}

void MenuPage::SetCalendarDay(std::optional<Date> day) {
    calendarDay = day;
}

Date MenuPage::CalendarToday() const {
    if (calendarDay)
        return *calendarDay;
    const QDate today = QDate::currentDate();
    return {today.year(), today.month(), today.day()};
}

void MenuPage::BuildCalendarPictures() {
    calendar = BuildCalendar(calendarPlaces, CalendarToday(), CurrentLanguage(),
                             FontFace(settings, FontLine::Large));
    calendarShown = 0;
    if (calendar && isVisible())
        calendarTimer.start();
    else if (!calendar)
        calendarTimer.stop();
}

void MenuPage::CalendarTick() {
    if (calendar && calendar->date != CalendarToday()) {
        // A new day: new pictures, and the candelabra move should the pack
        // have gone meanwhile.
        if (records)
            Fill(scale, *records);
        return;
    }
    if (!calendar || calendar->cycle.empty())
        return;
    calendarShown = (calendarShown + 1) % calendar->cycle.size();
    update(layout.calendarCycle);
}

// --- Animation

// Both animated pictures start on their first frame; with the animation
// switched off they rest on their frame 25.
void MenuPage::RewindAnimations() {
    constexpr int RestingFrame = 25;
    for (std::size_t i = 0; i < animations.size(); ++i) {
        const int last = std::max(0, animations[i]->frameCount() - 1);
        animations[i]->jumpToFrame(settings.GifAnimation ? 0 : std::min(RestingFrame, last));
        frameWait[i] = animations[i]->nextFrameDelay();
    }
    for (const QRect& place : layout.animations)
        update(place);
}

// The animated pictures move on with the menu's frames, each picture after
// its own delay, so that one repaint serves them and the flames together.
void MenuPage::AdvanceAnimations() {
    if (!settings.GifAnimation)
        return;
    for (std::size_t i = 0; i < animations.size(); ++i) {
        QMovie* movie = animations[i];
        if (movie->frameCount() < 2)
            continue;
        frameWait[i] -= FrameMs;
        if (frameWait[i] > 0)
            continue;
        movie->jumpToFrame((movie->currentFrameNumber() + 1) % movie->frameCount());
        frameWait[i] += std::max(FrameMs, movie->nextFrameDelay());
    }
}

void MenuPage::Animate(const QTime& now) {
    AdvanceAnimations();
    // The three flames of a candelabrum are repainted as one piece, which
    // costs less than three small ones.
    for (int step = 0; step < TicksPerFrame; ++step)
        flamePhase = NextFlamePhase(flamePhase);
    const std::array<QRect, FlamePlaces> flames = FlameRects(layout);
    update(flames[0] | flames[1] | flames[2]);
    update(flames[3] | flames[4] | flames[5]);
    if (!layout.clockShown)
        return;
    // The clock repaints only when its face changes: a minute, or the colon.
    const ClockFace face = ClockFaceAt(now.hour(), now.minute(), now.msec());
    if (face != clockFace) {
        clockFace = face;
        update(layout.clock);
    }
    if (boardLatch.Due(now.second()))
        TurnBoard(StatsBoardVariant(now.minute(), account));
}

void MenuPage::TurnBoard(int variant) {
    boardVariant = variant;
    boardValue = NoConnectionValue;
    boardHint = ScreenText(NoConnectionHint(variant));
    update(layout.statsBoard);
    if (layout.clockShown)
        emit BoardFigureWanted(variant);
}

void MenuPage::ShowBoardFigure(int variant, const std::string& value, const QString& hint) {
    if (variant != boardVariant)
        return;
    boardValue = value;
    boardHint = hint;
    update(layout.statsBoard);
}

void MenuPage::SetAccountState(AccountState state) {
    if (state == account)
        return;
    account = state;
    for (MenuIcon icon : ShownIcons)
        if (icon == MenuIcon::Account)
            update(MenuIconRect(icon, width()));
}

void MenuPage::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    tick.start();
    if (calendar)
        calendarTimer.start();
    // The keyboard starts on the first member, or on "New Player".
    if (!focusWidget() || !focusWidget()->isEnabled()) {
        const auto first = std::find_if(focusChain.begin() + 2, focusChain.end(),
                                        [](SkinnedButton* button) { return button->isEnabled(); });
        if (first != focusChain.end())
            (*first)->setFocus(Qt::OtherFocusReason);
    }
}

void MenuPage::hideEvent(QHideEvent* event) {
    tick.stop();
    calendarTimer.stop();
    QWidget::hideEvent(event);
}

// --- Painting

void MenuPage::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    // The tick invalidates a few small places far apart: each is drawn on
    // its own rather than everything in the rectangle that bounds them.
    for (const QRect& area : event->region()) {
        painter.setClipRect(area);
        PaintBackground(painter, background, area);
        DrawIn(painter, area, layout.titlePicture, artwork.Title());
        DrawIn(painter, area, layout.caption, artwork.Caption());
        DrawIn(painter, area, layout.clubCaption, artwork.ClubCaption());
        for (const QRect& where : layout.candelabra)
            DrawIn(painter, area, where, artwork.Candelabrum());
        PaintFlames(painter, area);
        for (std::size_t i = 0; i < animations.size(); ++i)
            if (layout.animations[i].intersects(area))
                painter.drawPixmap(layout.animations[i].topLeft(), animations[i]->currentPixmap());
        PaintClockAndBoard(painter, area);
        PaintCalendar(painter, area);
        PaintIcons(painter, area);
        PaintIndicators(painter, area);
    }
}

void MenuPage::PaintCalendar(QPainter& painter, QRect area) const {
    if (!calendar)
        return;
    DrawIn(painter, area, layout.calendarDate, calendar->today.image);
    if (calendarShown < calendar->cycle.size())
        DrawIn(painter, area, layout.calendarCycle, calendar->cycle[calendarShown].image);
}

// Each flame stands in a box of the background over its candelabrum.
void MenuPage::PaintFlames(QPainter& painter, QRect area) const {
    const std::array<QRect, FlamePlaces> places = FlameRects(layout);
    for (int place = 0; place < FlamePlaces; ++place) {
        const QRect& where = places[static_cast<std::size_t>(place)];
        if (!where.intersects(area))
            continue;
        PaintBackground(painter, background, where & area);
        DrawIn(painter, area, where, artwork.Flame(FlameFrame(flamePhase, place)));
    }
}

void MenuPage::PaintClockAndBoard(QPainter& painter, QRect area) const {
    if (!layout.clockShown)
        return;
    if (layout.clock.intersects(area))
        artwork.PaintClock(painter, layout.clock.topLeft(), clockFace);
    if (layout.statsBoard.intersects(area))
        artwork.PaintStatsBoard(painter, layout.statsBoard.topLeft(), boardVariant, boardValue);
}

void MenuPage::PaintIcons(QPainter& painter, QRect area) const {
    for (MenuIcon icon : ShownIcons) {
        const QRect where = MenuIconRect(icon, width());
        if (where.intersects(area))
            DrawIn(painter, area, where, artwork.Icon(icon, account));
    }
}

QRect MenuPage::NewsLink() const {
    return layout.newsLink;
}

QRect MenuPage::ChatLink() const {
    return layout.chatLink;
}

void MenuPage::SetIndicators(bool news, bool chat) {
    newsWaiting = news;
    chatWaiting = chat;
    update(NewsLink() | ChatLink());
}

void MenuPage::PaintIndicators(QPainter& painter, QRect area) const {
    const std::pair<QRect, std::pair<const WordTable*, bool>> links[] = {
        {NewsLink(), {&words::QelNews, newsWaiting}}, {ChatLink(), {&words::QelChat, chatWaiting}}};
    for (const auto& [where, link] : links) {
        if (!where.intersects(area))
            continue;
        QFont font = painter.font();
        font.setPixelSize(13);
        font.setBold(link.second);
        painter.setFont(font);
        painter.setPen(link.second ? QColor(255, 40, 40) : QColor(200, 200, 200));
        painter.drawText(where, Qt::AlignRight | Qt::AlignVCenter, ScreenText(Text(*link.first)));
    }
}

// --- Pointer and keys

std::optional<MenuIcon> MenuPage::IconAt(QPoint point) const {
    for (MenuIcon icon : ShownIcons)
        if (MenuIconRect(icon, width()).contains(point))
            return icon;
    return std::nullopt;
}

void MenuPage::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return QWidget::mousePressEvent(event);
    const QPoint at = event->position().toPoint();
    if (const std::optional<MenuIcon> icon = IconAt(at)) {
        if (MenuIconAvailable(*icon))
            emit IconChosen(*icon);
    } else if (NewsLink().contains(at))
        emit NewsChosen();
    else if (ChatLink().contains(at))
        emit ChatChosen();
    else if (layout.caption.contains(at) || layout.clubCaption.contains(at))
        CycleTitleVariant();
    else
        QWidget::mousePressEvent(event);
}

void MenuPage::mouseMoveEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    const bool onCaption = layout.caption.contains(at) || layout.clubCaption.contains(at);
    const std::optional<MenuIcon> icon = IconAt(at);
    const bool onLink = NewsLink().contains(at) || ChatLink().contains(at);
    const bool clickable = (icon && MenuIconAvailable(*icon)) || onCaption || onLink;
    Cursors::Instance().Give(*this, clickable ? CursorKind::Hand : CursorKind::Arrow);
    QWidget::mouseMoveEvent(event);
}

// The hints of the icons, the calendar and the statistics board.
bool MenuPage::event(QEvent* event) {
    if (event->type() != QEvent::ToolTip)
        return QWidget::event(event);
    const auto* help = static_cast<QHelpEvent*>(event);
    QString hint;
    QRect over;
    if (const std::optional<MenuIcon> icon = IconAt(help->pos())) {
        hint = ScreenText(Text(IconHint(*icon, account)));
        if (!MenuIconAvailable(*icon))
            hint += "\n" + ScreenText(Text(words::NotAvailableYet));
        over = MenuIconRect(*icon, width());
    } else if (calendar && layout.calendarDate.contains(help->pos())) {
        hint = calendar->today.hint;
        over = layout.calendarDate;
    } else if (calendar && calendarShown < calendar->cycle.size() &&
               layout.calendarCycle.contains(help->pos())) {
        hint = calendar->cycle[calendarShown].hint;
        over = layout.calendarCycle;
    } else if (layout.clockShown && layout.statsBoard.contains(help->pos())) {
        hint = boardHint;
        over = layout.statsBoard;
    }
    if (hint.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(help->globalPos(), hint, this, over);
    return true;
}

// Tab, Shift+Tab and the arrow keys go round the buttons in the order of the
// focus chain; Enter presses the button as Space does.
bool MenuPage::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    auto* button = static_cast<SkinnedButton*>(watched);
    switch (static_cast<QKeyEvent*>(event)->key()) {
    case Qt::Key_Tab:
    case Qt::Key_Down:
    case Qt::Key_Right:
        MoveFocus(button, 1);
        return true;
    case Qt::Key_Backtab:
    case Qt::Key_Up:
    case Qt::Key_Left:
        MoveFocus(button, -1);
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        button->click();
        return true;
    default:
        return QWidget::eventFilter(watched, event);
    }
}

void MenuPage::MoveFocus(SkinnedButton* from, int step) {
    const auto count = static_cast<int>(focusChain.size());
    const auto found = std::find(focusChain.begin(), focusChain.end(), from);
    int index = found == focusChain.end() ? 0 : static_cast<int>(found - focusChain.begin());
    for (int tried = 0; tried < count; ++tried) {
        index = (index + step + count) % count;
        SkinnedButton* next = focusChain[static_cast<std::size_t>(index)];
        if (next->isEnabled() && next->isVisible()) {
            next->setFocus(step > 0 ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return;
        }
    }
}

} // namespace tavlira
