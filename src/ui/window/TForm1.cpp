#include "ui/window/TForm1.h"

#include "game/Random.h"
#include "i18n/words/Login.h"
#include "i18n/words/Menu.h"
#include "i18n/words/Options.h"
#include "i18n/words/Records.h"
#include "i18n/words/Table.h"
#include "records/ClubList.h"
#include "ui/controls/BalloonHint.h"
#include "ui/controls/FittedFont.h"
#include "ui/controls/TQelCardsButton.h"
#include "ui/window/Dialogs.h"
#include "ui/window/FormPassword.h"
#include "ui/window/SpeedDialog.h"
#include "ui/window/TitleScreen.h"
#include "util/Cp1251.h"
#include "util/NumberFormat.h"

#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QDate>
#include <QDateTime>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>

namespace tavlira {
namespace {

const QColor WindowGreen(0, 128, 0);

int Round(double x) {
    return static_cast<int>(RoundHalfEven(x));
}

const FontChoice& FontOf(const Settings& settings, FontLine line) {
    return settings.Fonts[static_cast<std::size_t>(line)];
}

QString FromBytes(std::string_view bytes) {
    return QString::fromStdString(Cp1251ToUtf8(bytes));
}

std::size_t Index(TForm1::Element element) {
    return static_cast<std::size_t>(element);
}

MatchServices Services(RecordStore& records, std::optional<std::uint32_t> seed) {
    auto shuffles = std::make_shared<std::uint32_t>(0);
    return MatchServices{&records,
                         [] {
                             const QDateTime now = QDateTime::currentDateTime();
                             return std::pair<std::string, std::string>(
                                 now.toString(QStringLiteral("hh:mm")).toStdString(),
                                 now.toString(QStringLiteral("dd.MM.yyyy")).toStdString());
                         },
                         [seed, shuffles]() -> std::unique_ptr<RandomSource> {
                             if (seed)
                                 return std::make_unique<SeededRandom>(*seed + (*shuffles)++);
                             return std::make_unique<SeededRandom>(ClockSeededRandom());
                         }};
}

} // namespace

TForm1::TForm1(std::filesystem::path folder, std::optional<std::uint32_t> seed, QWidget* parent)
    : QWidget(parent), programFolder(std::move(folder)), records(programFolder),
      match(Services(records, seed)), queue(*this), menu(this),
      scale(TableScale::ForMode(WindowSizeMode::Small, QSize())) {
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    timer1.setTimerType(Qt::CoarseTimer);
    connect(&timer1, &QTimer::timeout, this, &TForm1::GameTick);
    titleTimer.setInterval(TitleAnimation::TickMs);
    connect(&titleTimer, &QTimer::timeout, this, [this] {
        const QRegion before = titleAnimation.MovingParts();
        titleAnimation.Tick();
        // Only the title and the cards are painted again.
        const QTransform toWindow = TitleTransform(size(), scale.Scale());
        for (const QRect& part : before + titleAnimation.MovingParts())
            update(toWindow.mapRect(part).adjusted(-1, -1, 1, 1));
    });
    balloon = new BalloonHint(this);
    for (int slot = 1; slot <= SlotNumber(NewPlayerSlot); ++slot)
        connect(menu.Button(slot), &QPushButton::clicked, this, [this, slot] { OpenLogin(slot); });
    connect(menu.Button(MainMenu::ExitButton), &QPushButton::clicked, this, &QWidget::close);
    CreateTableButtons();
    CreatePopupMenu();
    ApplyLanguage();
}

TForm1::~TForm1() = default;

bool TForm1::Start() {
    settings = LoadSettings(programFolder).settings;
    SetLanguage(LanguageAt(settings.LanguageIndex).value_or(LanguageIndex::English));
    const StartupCheck check = records.CheckAtStart();
    const QString path = QString::fromStdString(check.failedFile.string());
    switch (check.status) {
    case RecordFileStatus::Missing:
        ErrorBox(this, ScreenText(Text(words::CantFindTheFile)) + " \"" + path + "\"!");
        return false;
    case RecordFileStatus::Damaged:
        ErrorBox(this, ScreenText(Text(words::IncorrectFile)) + " \"" + path + "\"!");
        return false;
    case RecordFileStatus::Sound:
        break;
    }
    if (check.installLanguage == '1')
        SetLanguage(LanguageIndex::Russian);
    for (const std::filesystem::path& file : check.notWritableFiles)
        ErrorBox(this, ScreenText(Text(words::AttributeWarningStart)) + " \"" +
                           QString::fromStdString(file.string()) + "\"" +
                           ScreenText(Text(words::AttributeWarningEnd)));
    recordFilesSound = true;
    match.SetFiguresHavePoints(settings.FiguresHavePoints);
    ApplyLanguage();
    ApplyWindowSize();
    ShowScreen(Screen::Title);
    return true;
}

// --- Window size and screens

void TForm1::ApplyWindowSize() {
    settings.WindowSize = std::clamp(settings.WindowSize, 1, 5);
    const auto mode = static_cast<WindowSizeMode>(settings.WindowSize);
    const QScreen* desktop = QGuiApplication::primaryScreen();
    const QSize screenSize = desktop ? desktop->geometry().size() : QSize(1920, 1080);
    scale = TableScale::ForMode(mode, screenSize);
    drawing.reset(); // drawn anew for the new size at the next deal
    const QSize client = scale.ClientSize();
    const ArtworkLoad faces = pictures.LoadDeckFaces(settings.DeckFace, settings.DeckBack,
                                                     PictureSizeClass(scale.Scale()));
    const ArtworkLoad background = pictures.LoadBackground(
        false, settings.Background, settings.BackgroundVariant, settings.WindowSize, client);
    // A missing artwork pack is never fatal: the built-in pictures stand in
    // and the settings follow what was loaded.
    if (!faces.ok || !background.ok) {
        settings.DeckFace = pictures.DeckFace();
        settings.DeckBack = pictures.DeckBack();
        settings.Background = pictures.BackgroundDesign();
        settings.BackgroundVariant = pictures.BackgroundColour();
    }
    if (mode == WindowSizeMode::FullScreen) {
        setMinimumSize(0, 0);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        setGeometry(QRect(QPoint(0, 0), client));
        setWindowState(windowState() | Qt::WindowFullScreen);
    } else {
        setWindowState(windowState() & ~Qt::WindowFullScreen);
        setFixedSize(client);
        // A window larger than the screen keeps its top left corner, and so
        // its title bar, on the screen.
        const QPoint centred = CentreOnScreen(screenSize, client);
        move(std::max(centred.x(), 0), std::max(centred.y(), 0));
    }
}

void TForm1::ShowScreen(Screen next) {
    const Screen previous = screen;
    screen = next;
    CloseHint();
    waitBanner = false;
    const bool atTable = next == Screen::Table;
    quitAction->setEnabled(atTable);
    changeNameAction->setEnabled(atTable);
    if (next == Screen::Title)
        StartTitleAnimation();
    else
        titleTimer.stop();
    if (next != Screen::Menu)
        menu.Hide();
    if (!atTable) {
        button7->hide();
        button8->hide();
        for (Picture& element : elements)
            element.shown = false;
    }
    if (next == Screen::Menu)
        ShowMainMenu();
    if (atTable)
        LayoutTable();
    else if (previous == Screen::Table)
        unsetCursor();
    UpdateTimer1();
    update();
}

// The four aces of the chosen deck run round the title, resized once to
// their size on the screen so that no frame resamples them.
void TForm1::StartTitleAnimation() {
    const char suits[] = {suit::Hearts, suit::Spades, suit::Diamonds, suit::Clubs};
    const QSize shown = (QSizeF(TitleAnimation::CardSize) * scale.Scale()).toSize();
    for (std::size_t i = 0; i < titleCards.size(); ++i) {
        const std::string ace{rank::Ace, suits[i]};
        QImage face = pictures.FaceBitmap(ace);
        if (face.isNull())
            face = pictures.FacePicture(ace);
        titleCards[i] = face.scaled(shown, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    titleTimer.start();
}

TQelCardsButton* TForm1::MenuButton(int number) const {
    return menu.Button(number);
}

void TForm1::ShowMainMenu() {
    menu.Show(scale, settings, ReadRecordFile(records.PathOf(match.RecordKind())));
}

void TForm1::CreateTableButtons() {
    button7 = new TQelCardsButton(this);
    button8 = new TQelCardsButton(this);
    for (TQelCardsButton* button : {button7, button8}) {
        SkinButton(*button, TColorSB::QRed, Qt::white);
        button->SetGrayDis(true);
        button->setFocusPolicy(Qt::NoFocus);
        button->hide();
    }
    connect(button7, &QPushButton::clicked, this, [this] {
        if (queue.Busy())
            return;
        CloseHint();
        match.PressStart();
        PlayOutbox();
    });
    connect(button8, &QPushButton::clicked, this, [this] {
        if (queue.Busy())
            return;
        CloseHint();
        match.PressSecond();
        PlayOutbox();
    });
}

void TForm1::CreatePopupMenu() {
    popupMenu1 = new QMenu(this);
    quitAction = popupMenu1->addAction(QString(), this, &TForm1::QuitToMenu);
    changeNameAction = popupMenu1->addAction(QString(), this, &TForm1::ChangeName);
    speedAction = popupMenu1->addAction(QString(), this, &TForm1::ShowSpeed);
    popupMenu1->addSeparator();
    aboutAction = popupMenu1->addAction(QString(), this, &TForm1::ShowAbout);
    quitAction->setEnabled(false);
    changeNameAction->setEnabled(false);
}

// The captions of the window and its pop-up menu in the current language.
void TForm1::ApplyLanguage() {
    setWindowTitle(ScreenText(Text(words::GameTitle)));
    quitAction->setText(ScreenText(Text(words::ExitToMenu)));
    changeNameAction->setText(ScreenText(Text(words::ChangeName)));
    speedAction->setText(ScreenText(Text(words::Speed)));
    aboutAction->setText(ScreenText(Text(words::About)));
}

// --- The table

void TForm1::LayoutTable() {
    const QDate today = QDate::currentDate();
    pictures.ChooseBackPicture(today.dayOfWeek(), settings.DeckBackAlwaysOne, [](int n) {
        return static_cast<int>(ClockSeededRandom().Below(static_cast<std::uint32_t>(n)));
    });
    if (drawing)
        drawing->Cards().ForgetBack();
    else
        CreateTableDrawing();
    noMove = {};
    ++gamesDealt;
    SetElement(Element::Kon, drawing->GameCounter(gamesDealt));
    DrawBanners();
    for (Picture& element : elements)
        element.shown = true;
    overGamePlate = false;
    setToolTip(QString());
}

// The table's pictures, layout and fonts for the current window size and
// artwork; they last from game to game, so card faces are scaled only once.
void TForm1::CreateTableDrawing() {
    TableFonts fonts;
    fonts.decor = FromBytes(FontOf(settings, FontLine::Large).name);
    fonts.decorPercent = FontOf(settings, FontLine::Large).scale;
    fonts.serif = FromBytes(FontOf(settings, FontLine::Small).name);
    fonts.serifPercent = FontOf(settings, FontLine::Small).scale;
    drawing = std::make_unique<TableDrawing>(pictures, pictures.Background(), scale,
                                             settings.WindowSize, fonts);
    const TableLayout& layout = drawing->Layout();
    button7->setGeometry(layout.Button7);
    button8->setGeometry(layout.Button8);
    const int k = settings.WindowSize == 1 ? 10 : 9;
    QFont buttonFont(fonts.decor);
    buttonFont.setPixelSize(Round(Round(20 * fonts.decorPercent / 100.0) * scale.Scale() * k / 10));
    buttonFont.setBold(true);
    button7->setFont(buttonFont);
    button8->setFont(buttonFont);
}

QString TForm1::PlayerScreenName() const {
    return FromBytes(match.PlayerName());
}

void TForm1::DrawBanners() {
    SetElement(Element::Say1, noMove[1].isEmpty()
                                  ? drawing->Banner(1, QStringLiteral("PC"), BannerColour::Blue)
                                  : drawing->Banner(1, noMove[1], BannerColour::Red));
    SetElement(Element::Say2, noMove[2].isEmpty()
                                  ? drawing->Banner(2, PlayerScreenName(), BannerColour::Green)
                                  : drawing->Banner(2, noMove[2], BannerColour::Red));
}

QRect TForm1::ElementRect(Element element) const {
    if (!drawing)
        return QRect();
    const TableLayout& l = drawing->Layout();
    const std::array<QRect, ElementCount> rects{l.ImageCards1, l.ImageCards2, l.ImageStol,
                                                l.ImageKoloda, l.ImageKon,    l.ImageTab1,
                                                l.ImageTab2,   l.ImageSay1,   l.ImageSay2};
    return rects[Index(element)];
}

bool TForm1::ElementShown(Element element) const {
    return elements[Index(element)].shown;
}

void TForm1::SetElement(Element element, QImage picture) {
    elements[Index(element)].image = std::move(picture);
    update(ElementRect(element));
}

QRect TForm1::HandCardRect(int place) const {
    const std::vector<int>& xs = handX[LocalSeat];
    if (!drawing || place < 1 || place > static_cast<int>(xs.size()))
        return QRect();
    const QRect hand = ElementRect(Element::Cards2);
    return QRect(hand.topLeft() + QPoint(xs[static_cast<std::size_t>(place - 1)], 0),
                 drawing->CardSize());
}

QRect TForm1::TableSlotRect(int slot) const {
    if (!drawing)
        return QRect();
    return drawing->Slots().CardRect(slot).translated(ElementRect(Element::Stol).topLeft());
}

void TForm1::ApplyButtons(const TableButtons& buttons) {
    const auto apply = [this](TQelCardsButton* button, const TableButton& state) {
        button->setText(state.label ? ScreenText(Text(*state.label)) : QString());
        button->setEnabled(state.enabled);
        button->setVisible(state.shown && screen == Screen::Table);
    };
    apply(button7, buttons.start);
    apply(button8, buttons.second);
}

// --- The event queue's stage

void TForm1::PlayOutbox() {
    queue.Play(match.TakeOutbox());
}

void TForm1::Apply(const MatchEvent& event) {
    std::visit(
        [this](const auto& e) {
            using E = std::decay_t<decltype(e)>;
            if constexpr (std::is_same_v<E, Event>) {
                ApplyGameEvent(e);
            } else if constexpr (std::is_same_v<E, match_event::Buttons>) {
                ApplyButtons(e.buttons);
            } else if constexpr (std::is_same_v<E, match_event::ShowScreen>) {
                ShowScreen(e.screen);
            } else if constexpr (std::is_same_v<E, match_event::LeavingTable>) {
                ShowWaitBanner(true);
            } else if constexpr (std::is_same_v<E, match_event::Record>) {
                // The match waits for the outcome; what it does next joins the queue.
                match.RecordDone(RunRecordEffect(records, e.effect));
                PlayOutbox();
            } else if constexpr (std::is_same_v<E, match_event::NameChanged>) {
                DrawBanners();
                InformationBox(this, ScreenText(Text(words::NameChanged)) + PlayerScreenName());
            } else if constexpr (std::is_same_v<E, match_event::RecordFailure>) {
                ErrorBox(this, ScreenText(Text(e.what == match_event::RecordFailure::What::History
                                                   ? words::CantSaveHistory
                                                   : words::ErrorOfDiskWriting)));
            } else if constexpr (std::is_same_v<E, match_event::EndOfCycle>) {
                const QString place = e.outcome.topTenPlace > 0
                                          ? ScreenText(Text(words::PlaceLabel)) +
                                                QString::number(e.outcome.topTenPlace)
                                          : ScreenText(Text(words::NotInTopTen));
                InformationBox(this, ScreenText(Text(words::CompletionOfGame)) + "\n" +
                                         ScreenText(Text(words::ResultLabel)) +
                                         QString::number(e.outcome.cycleScore) + "\n" + place);
            }
            // A spoken card stays silent until sound exists.
        },
        event);
}

void TForm1::ApplyGameEvent(const Event& gameEvent) {
    if (!drawing)
        return;
    std::visit(
        [this](const auto& e) {
            using E = std::decay_t<decltype(e)>;
            if constexpr (std::is_same_v<E, event::RedrawHand>) {
                previousHandX[e.seat] = handX[e.seat];
                SetElement(e.seat == OpponentSeat ? Element::Cards1 : Element::Cards2,
                           drawing->Hand(e, handX[e.seat]));
            } else if constexpr (std::is_same_v<E, event::RedrawTable>) {
                lastTable = e;
                SetElement(Element::Stol, drawing->Table(e));
            } else if constexpr (std::is_same_v<E, event::RedrawStock>) {
                stockLeft = e.stockLeft;
                SetElement(Element::Koloda, drawing->DeckPile(e.stockLeft));
            } else if constexpr (std::is_same_v<E, event::RedrawPanels>) {
                lastPanels = e.panels;
                SetElement(Element::Tab1, drawing->PlayerPanel(1, e.panels));
                SetElement(Element::Tab2, drawing->PlayerPanel(2, e.panels));
            } else if constexpr (std::is_same_v<E, event::ShowNoMove>) {
                noMove[e.seat] = ScreenText(Text(words::NoMove));
                DrawBanners();
            }
            // Network messages wait for network play; the end of a game
            // shows through the buttons that follow it.
        },
        gameEvent);
}

QPoint TForm1::SpotPixel(const Spot& spot, bool from) const {
    const TableLayout& layout = drawing->Layout();
    const QSize card = drawing->CardSize();
    switch (spot.kind) {
    case Spot::Kind::Stock:
        return layout.ImageKoloda.topLeft() + DeckPileCardOrigin(scale, stockLeft + 1);
    case Spot::Kind::Table:
        return layout.ImageStol.topLeft() + drawing->Slots().CardOrigin(spot.place);
    case Spot::Kind::Pile:
        return CaptureFlightEnd(static_cast<int>(spot.seat), size(), card);
    case Spot::Kind::Hand:
        break;
    }
    if (from && spot.seat == OpponentSeat)
        return OpponentFlightStart(layout, card);
    const QRect hand = spot.seat == OpponentSeat ? layout.ImageCards1 : layout.ImageCards2;
    // A card leaves the hand as it was drawn before the card was taken out;
    // a dealt card lands where the hand will show it.
    std::vector<int> xs =
        from ? previousHandX[spot.seat] : SpreadHand(0, hand.width(), spot.place, card.width());
    const std::size_t i = static_cast<std::size_t>(std::max(1, int(spot.place)) - 1);
    const int x = i < xs.size() ? xs[i] : hand.width() / 2 - card.width() / 2;
    return hand.topLeft() + QPoint(x, 0);
}

bool TForm1::StartFlight(const event::FlyCards& flyCards) {
    if (!settings.FlyingCards || !drawing || flyCards.count == 0 || screen != Screen::Table)
        return false;
    // Captured cards leave the table at once: the clean picture shows the
    // table without them.
    if (flyCards.to.kind == Spot::Kind::Pile) {
        event::RedrawTable without = lastTable;
        for (int i = 0; i < flyCards.count; ++i)
            if (flyCards.cards[static_cast<std::size_t>(i)].from.kind == Spot::Kind::Table)
                without.cards[flyCards.cards[static_cast<std::size_t>(i)].from.place] =
                    CardCode::Empty();
        without.highlighted.Clear();
        lastTable = without;
        SetElement(Element::Stol, drawing->Table(without));
    }
    std::vector<CardPath> paths;
    std::vector<QImage> sprites;
    const QPoint to = SpotPixel(flyCards.to, false);
    for (int i = 0; i < flyCards.count; ++i) {
        const auto& card = flyCards.cards[static_cast<std::size_t>(i)];
        paths.push_back({SpotPixel(card.from, true), to});
        sprites.push_back(flyCards.faceUp ? drawing->Cards().Face(card.code)
                                          : drawing->Cards().Back());
    }
    const int speed = std::clamp(settings.Speed, SlowestFlightSpeed, FastestFlightSpeed);
    std::vector<FlightFrame> frames;
    if (paths.size() == 1 && flyCards.to.kind != Spot::Kind::Pile) {
        if (paths.front().from == paths.front().to)
            return false;
        frames = PlanCardFlight(paths.front(), drawing->CardSize(), speed, false);
    } else {
        frames = PlanGroupFlight(paths, drawing->CardSize(), speed);
    }
    if (frames.empty())
        return false;
    flightCanvas = std::make_unique<FlightCanvas>(SceneImage(), std::move(sprites));
    flight = std::make_unique<CardFlight>(std::move(frames));
    return true;
}

std::optional<int> TForm1::NextFlightFrame() {
    if (!flight || !flight->FlightRunning()) {
        flight.reset();
        flightCanvas.reset();
        update();
        return std::nullopt;
    }
    const FlightFrame& frame = flight->NextFrame();
    repaint(flightCanvas->Apply(frame));
    return pacer.PauseAfter(frame,
                            std::clamp(settings.Speed, SlowestFlightSpeed, FastestFlightSpeed));
}

void TForm1::QueueIdle() {
    UpdateTimer1();
}

void TForm1::SetTimeScale(double factor) {
    timeScale = std::max(0.0, factor);
    queue.SetTimeScale(timeScale);
    UpdateTimer1();
}

void TForm1::UpdateTimer1() {
    const int tick = screen == Screen::Table ? match.TickInterval() : 0;
    const int interval = tick > 0 ? std::max(1, Round(tick * timeScale)) : 0;
    if (interval <= 0) {
        timer1.stop();
    } else if (!timer1.isActive() || timer1.interval() != interval) {
        timer1.start(interval);
    }
}

void TForm1::GameTick() {
    if (queue.Busy())
        return;
    match.Tick();
    PlayOutbox();
}

void TForm1::ShowWaitBanner(bool on) {
    waitBanner = on;
    if (on) {
        for (Picture& element : elements)
            element.shown = false;
        button7->hide();
        button8->hide();
        timer1.stop();
    }
    repaint();
}

// --- Painting

void TForm1::PaintScene(QPainter& painter, QRect area) const {
    if (screen == Screen::Title) {
        PaintTitleScreen(painter, size(), scale.Scale(), titleAnimation, titleCards);
        return;
    }
    const QImage& background = pictures.Background();
    painter.fillRect(area, WindowGreen);
    painter.drawImage(area.topLeft(), background, area);
    if (screen == Screen::Menu && !waitBanner) {
        QFont font(FromBytes(FontOf(settings, FontLine::Large).name));
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
    for (std::size_t i = 0; i < elements.size(); ++i) {
        const Picture& element = elements[i];
        const QRect where = ElementRect(static_cast<Element>(i));
        if (element.shown && !element.image.isNull() && where.intersects(area))
            painter.drawImage(where.topLeft(), element.image);
    }
    if (waitBanner)
        PaintWaitBanner(painter);
}

// "Please, wait..." centred on the window, growing with it like the table.
void TForm1::PaintWaitBanner(QPainter& painter) const {
    const QSize size(scale.S(350), scale.S(80));
    const QRect banner(
        QPoint(Round((width() - size.width()) / 2.0), Round((height() - size.height()) / 2.0)),
        size);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath shape;
    shape.addRoundedRect(banner, scale.S(12), scale.S(12));
    painter.fillPath(shape, QColor(255, 240, 200));
    painter.setPen(QPen(QColor(128, 0, 0), scale.S(3)));
    painter.drawPath(shape);
    QFont font(FromBytes(FontOf(settings, FontLine::Large).name));
    font.setPixelSize(
        std::max(1, Round(scale.S(32) * FontOf(settings, FontLine::Small).scale / 100.0)));
    const QString wait = ScreenText(Text(words::PleaseWait));
    painter.setFont(FittedFont(font, wait, banner.width() - scale.S(24)));
    painter.setPen(QColor(255, 0, 0));
    painter.drawText(banner, Qt::AlignCenter, wait);
}

QImage TForm1::SceneImage() const {
    QImage image(size(), QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&image);
    PaintScene(painter, rect());
    return image;
}

void TForm1::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    if (flightCanvas) {
        painter.drawImage(event->rect().topLeft(), flightCanvas->Work(), event->rect());
        return;
    }
    painter.setClipRegion(event->region());
    PaintScene(painter, event->rect());
}

// --- The person's mouse

int TForm1::HandPlaceUnder(QPoint point) const {
    const QRect hand = ElementRect(Element::Cards2);
    if (!drawing || !hand.contains(point))
        return 0;
    const std::vector<int>& xs = handX[LocalSeat];
    return HandPlaceAt(xs, std::vector<bool>(xs.size(), true), drawing->CardSize().width(),
                       point.x() - hand.left());
}

int TForm1::TablePlaceUnder(QPoint point) const {
    const QRect table = ElementRect(Element::Stol);
    if (!drawing || !table.contains(point))
        return 0;
    return drawing->Slots().TablePlaceAt(point - table.topLeft());
}

void TForm1::mouseReleaseEvent(QMouseEvent* event) {
    if (screen == Screen::Title) {
        match.LeaveTitle();
        PlayOutbox();
        return;
    }
    // Clicks while the queue plays are dropped: a step is never interrupted.
    if (screen != Screen::Table || queue.Busy() || waitBanner)
        return;
    const QPoint point = event->position().toPoint();
    const MouseButton button =
        event->button() == Qt::RightButton ? MouseButton::Right : MouseButton::Left;
    if (ElementRect(Element::Cards2).contains(point)) {
        CloseHint();
        match.ClickHand(HandPlaceUnder(point), button);
    } else if (ElementRect(Element::Stol).contains(point)) {
        match.ClickTable(TablePlaceUnder(point), button);
    } else if (button == MouseButton::Left && (ElementRect(Element::Tab1).contains(point) ||
                                               ElementRect(Element::Tab2).contains(point))) {
        match.ClickPanel();
    } else {
        return;
    }
    PlayOutbox();
    mouseMoveEvent(event);
}

void TForm1::mouseMoveEvent(QMouseEvent* event) {
    if (screen != Screen::Table || !drawing)
        return;
    const QPoint point = event->position().toPoint();
    Pointer pointer = Pointer::Normal;
    if (!queue.Busy()) {
        if (ElementRect(Element::Cards2).contains(point))
            pointer = match.PointerOverHand(HandPlaceUnder(point));
        else if (ElementRect(Element::Stol).contains(point))
            pointer = match.PointerOverTable(TablePlaceUnder(point));
    }
    setCursor(pointer == Pointer::Hand ? Qt::PointingHandCursor : Qt::ArrowCursor);

    // The hints of the panels and the game plate.
    QString hint;
    for (Element panel : {Element::Tab1, Element::Tab2}) {
        const QRect r = ElementRect(panel);
        if (!r.contains(point))
            continue;
        const QPoint base = point - r.topLeft();
        if (base.y() < scale.S(38))
            hint = ScreenText(Text(words::PointsOfCurrentRound));
        else if (base.y() > scale.S(40) && base.x() >= scale.S(46) && base.x() <= scale.S(94))
            hint = ScreenText(Text(words::Numbers));
    }
    const bool overPlate = ElementRect(Element::Kon).contains(point);
    if (overPlate)
        hint = ScreenText(GamePlateHint(Text(words::Game), match.Figures()));
    if (toolTip() != hint)
        setToolTip(hint);
    if (overPlate && !overGamePlate)
        ShowGameBalloon();
    overGamePlate = overPlate;
}

void TForm1::ShowGameBalloon() {
    const QString text = ScreenText(CurrentGameBalloon(
        match.Figures(), {Text(words::GeneralNumberOfGames), Text(words::GameInCurrentCycle),
                          Text(words::GameInCurrentSession)}));
    const QRect plate = ElementRect(Element::Kon);
    balloon->ShowAt(mapToGlobal(QPoint(plate.center().x(), plate.bottom())),
                    ScreenText(Text(words::CurrentGame)), text, 5000);
}

void TForm1::CloseHint() {
    if (balloon)
        balloon->hide();
}

void TForm1::keyReleaseEvent(QKeyEvent* event) {
    if (screen == Screen::Title && !event->isAutoRepeat()) {
        match.LeaveTitle();
        PlayOutbox();
        return;
    }
    QWidget::keyReleaseEvent(event);
}

void TForm1::contextMenuEvent(QContextMenuEvent* event) {
    // Over the person's hand and the table the right button speaks cards.
    const bool speaks =
        screen == Screen::Table && (ElementRect(Element::Cards2).contains(event->pos()) ||
                                    ElementRect(Element::Stol).contains(event->pos()));
    if (speaks || screen == Screen::Title || queue.Busy())
        return;
    popupMenu1->exec(event->globalPos());
}

// --- The pop-up menu

void TForm1::QuitToMenu() {
    if (queue.Busy() || !match.RequestQuitToMenu())
        return;
    if (!QuestionBox(this, ScreenText(Text(words::LeaveToMainMenuQuestion)) + "\n" +
                               ScreenText(Text(words::AllDataWillBeLost))))
        return;
    match.QuitToMenu();
    PlayOutbox();
}

void TForm1::OpenLogin(int slot) {
    if (screen != Screen::Menu || queue.Busy())
        return;
    QString memberName;
    if (slot <= MemberSlots) {
        const std::optional<MemberRecord> member = records.LoadMember(match.RecordKind(), slot);
        if (!member)
            return;
        memberName = FromBytes(member->name);
    }
    FormPassword dialog(this, memberName, ScreenText(Text(words::DefaultPlayerName)),
                        static_cast<int>(LoginNameLength),
                        [this, slot](const std::string& name, const std::string& password,
                                     const std::string& again) {
                            return match.Login(static_cast<Slot>(slot), name, password, again);
                        });
    dialog.exec();
    PlayOutbox();
}

void TForm1::ChangeName() {
    if (screen != Screen::Table || queue.Busy())
        return;
    std::string newName;
    std::string newPassword;
    FormPassword dialog(
        this, QString(), PlayerScreenName(), static_cast<int>(LoginNameLength),
        [&](const std::string& name, const std::string& password, const std::string& again) {
            const LoginError error = CheckNewPlayer(name, password, again);
            newName = name;
            newPassword = password;
            return error;
        });
    if (dialog.exec() != QDialog::Accepted)
        return;
    match.RenamePlayer(newName, newPassword);
    PlayOutbox();
}

void TForm1::ShowSpeed() {
    QImage card = drawing ? drawing->Cards().Back() : pictures.Back();
    SpeedDialog dialog(this, settings.Speed, card, [this](int speed) { settings.Speed = speed; });
    dialog.exec();
}

void TForm1::ShowAbout() {
    InformationBox(this, ScreenText(Text(words::GameTitle)) + "\nV 5.7f\n\n" +
                             ScreenText(Text(words::TitleAuthorLine)));
}

void TForm1::closeEvent(QCloseEvent* event) {
    if (!recordFilesSound) {
        event->accept();
        return;
    }
    if (match.CloseNeedsQuestion() &&
        !QuestionBox(this, ScreenText(Text(words::LeaveGameQuestion)) + "\n" +
                               ScreenText(Text(words::AllDataWillBeLost)))) {
        event->ignore();
        return;
    }
    timer1.stop();
    match.Close();
    for (const MatchEvent& e : TakeOutboxRunningRecords(match, records))
        if (std::holds_alternative<match_event::RecordFailure>(e))
            ErrorBox(this, ScreenText(Text(words::ErrorOfDiskWriting)));
    if (SaveSettings(programFolder, settings, recordFilesSound) == SettingsSave::Failed)
        ErrorBox(this, ScreenText(Text(words::CantSaveOptions)));
    event->accept();
}

} // namespace tavlira
