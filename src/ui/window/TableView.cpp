#include "ui/window/TableView.h"

#include "game/Random.h"
#include "i18n/words/Menu.h"
#include "i18n/words/Records.h"
#include "i18n/words/Table.h"
#include "ui/artwork/PictureSource.h"
#include "ui/common/ToScreen.h"
#include "ui/controls/BalloonHint.h"
#include "ui/controls/Cursors.h"
#include "ui/controls/FittedFont.h"
#include "ui/controls/SkinnedButton.h"

#include <QContextMenuEvent>
#include <QDate>
#include <QMouseEvent>
#include <QPainter>

namespace tavlira {
namespace {

std::size_t Index(TableView::Element element) {
    return static_cast<std::size_t>(element);
}

MouseButton ButtonOf(Qt::MouseButton button) {
    return button == Qt::RightButton ? MouseButton::Right : MouseButton::Left;
}

} // namespace

TableView::TableView(const Match& gameMatch, const Settings& windowSettings, PictureStore& store,
                     const TableScale& tableScale, QWidget* parent)
    : QWidget(parent), match(gameMatch), settings(windowSettings), pictures(store),
      scale(tableScale), startButton(new SkinnedButton(this)),
      secondButton(new SkinnedButton(this)), balloon(new BalloonHint(this)) {
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    clockSeconds.Fill(-1);
    for (SkinnedButton* button : {startButton, secondButton}) {
        button->SetGrayDis(true);
        button->setFocusPolicy(Qt::NoFocus);
        button->hide();
        button->installEventFilter(this);
    }
    connect(startButton, &QPushButton::clicked, this, &TableView::StartPressed);
    connect(secondButton, &QPushButton::clicked, this, &TableView::SecondPressed);
}

TableView::~TableView() = default;

void TableView::ForgetDrawing() {
    drawing.reset();
}

void TableView::Deal(DealKind kind) {
    atTable = true;
    waitBanner = false;
    const QDate today = QDate::currentDate();
    pictures.ChooseBackPicture(today.dayOfWeek(), settings.DeckBackAlwaysOne, [](int n) {
        return static_cast<int>(ClockSeededRandom().Below(static_cast<std::uint32_t>(n)));
    });
    if (drawing)
        drawing->Cards().ForgetBack();
    else
        CreateDrawing();
    noMove = {};
    moveHint.reset();
    // A duel client's table that waits for the host's first deal holds no
    // game yet.
    if (kind == DealKind::Game && !match.AwaitsFirstDeal())
        ++gamesDealt;
    SetElement(Element::gamePlate, drawing->GameCounter(gamesDealt));
    DrawBanners();
    for (Picture& element : elements)
        element.shown = true;
    if (kind == DealKind::Replay && gamesDealt == 0)
        elements[Index(Element::gamePlate)].shown = false;
    for (const Seat seat : {OpponentSeat, LocalSeat})
        ShowMoveClock(seat, -1);
    overGamePlate = false;
    setToolTip(QString());
    update();
}

void TableView::Redraw() {
    drawing.reset();
    if (!atTable)
        return;
    CreateDrawing();
    SetElement(Element::gamePlate, drawing->GameCounter(gamesDealt));
    for (const std::optional<Event>& shown : shownEvents)
        if (shown)
            ApplyGameEvent(*shown);
    DrawBanners();
    update();
}

void TableView::Clear() {
    atTable = false;
    waitBanner = false;
    moveHint.reset();
    CloseHint();
    startButton->hide();
    secondButton->hide();
    for (Picture& element : elements)
        element.shown = false;
    Cursors::Instance().Give(*this, CursorKind::Arrow);
    update();
}

// The table's pictures, layout and fonts for the current window size and
// artwork; they last from game to game, so card faces are scaled only once.
void TableView::CreateDrawing() {
    TableFonts fonts;
    fonts.decor = FromBytes(FontOf(settings, FontLine::Large).name);
    fonts.decorPercent = FontOf(settings, FontLine::Large).scale;
    fonts.serif = FromBytes(FontOf(settings, FontLine::Small).name);
    fonts.serifPercent = FontOf(settings, FontLine::Small).scale;
    drawing = std::make_unique<TableDrawing>(pictures, pictures.Background(), scale,
                                             settings.WindowSize, fonts);
    const TableLayout& layout = drawing->Layout();
    // The table's design gives the two buttons their skin: red with white
    // captions, or the purple design's cards with golden ones.
    const bool purple = settings.TableDesign == 1;
    for (SkinnedButton* button : {startButton, secondButton})
        SkinButton(*button, purple ? TColorSB::QCards : TColorSB::QRed,
                   purple ? QColor(200, 175, 50) : QColor(Qt::white));
    startButton->setGeometry(layout.startButton);
    secondButton->setGeometry(layout.secondButton);
    const int k = settings.WindowSize == 1 ? 10 : 9;
    QFont buttonFont(fonts.decor);
    buttonFont.setPixelSize(Round(Round(20 * fonts.decorPercent / 100.0) * scale.Scale() * k / 10));
    buttonFont.setBold(true);
    startButton->setFont(buttonFont);
    secondButton->setFont(buttonFont);
    // The score hint over the game plate is written in the large font.
    balloon->setFont(QFont(fonts.decor));
}

void TableView::DrawBanners() {
    SetElement(
        Element::opponentBanner,
        noMove[OpponentSeat].isEmpty()
            ? drawing->Banner(OpponentSeat, FromBytes(match.OpponentName()), BannerColour::Blue)
            : drawing->Banner(OpponentSeat, noMove[OpponentSeat], BannerColour::Red));
    SetElement(Element::playerBanner,
               noMove[LocalSeat].isEmpty()
                   ? drawing->Banner(LocalSeat, FromBytes(match.PlayerName()), BannerColour::Green)
                   : drawing->Banner(LocalSeat, noMove[LocalSeat], BannerColour::Red));
}

QRect TableView::ElementRect(Element element) const {
    if (!drawing)
        return QRect();
    const TableLayout& l = drawing->Layout();
    const std::array<QRect, ElementCount> rects{
        l.opponentHand, l.playerHand,        l.table,          l.stock,
        l.gamePlate,    l.opponentPanel,     l.playerPanel,    l.opponentBanner,
        l.playerBanner, l.opponentMoveClock, l.playerMoveClock};
    return rects[Index(element)];
}

void TableView::ShowMoveClock(Seat seat, int seconds) {
    clockSeconds[seat] = seconds;
    const Element clock = seat == OpponentSeat ? Element::opponentClock : Element::playerClock;
    elements[Index(clock)].shown = seconds >= 0 && atTable;
    if (seconds >= 0 && drawing)
        SetElement(clock, drawing->MoveClock(seat, seconds));
    else
        update(ElementRect(clock));
}

void TableView::SetBannerPicture(Seat seat, const QString& path) {
    bannerPictures[seat] = path;
}

bool TableView::ElementShown(Element element) const {
    return elements[Index(element)].shown;
}

void TableView::SetElement(Element element, QImage picture) {
    elements[Index(element)].image = std::move(picture);
    update(ElementRect(element));
}

QRect TableView::HandCardRect(int place) const {
    if (!drawing || place < 1 || place > static_cast<int>(playerHandX.size()))
        return QRect();
    const QRect hand = ElementRect(Element::playerHand);
    return QRect(hand.topLeft() + QPoint(playerHandX[static_cast<std::size_t>(place - 1)], 0),
                 drawing->CardSize());
}

QRect TableView::TableSlotRect(int slot) const {
    if (!drawing)
        return QRect();
    return drawing->Slots().CardRect(slot).translated(ElementRect(Element::table).topLeft());
}

void TableView::ApplyButtons(const TableButtons& buttons) {
    const auto apply = [this](SkinnedButton* button, const TableButton& state) {
        button->setText(state.label ? ScreenText(Text(*state.label)) : QString());
        button->setEnabled(state.enabled);
        button->setVisible(state.shown && atTable);
    };
    apply(startButton, buttons.start);
    apply(secondButton, buttons.second);
}

void TableView::ApplyGameEvent(const Event& gameEvent) {
    if (!drawing)
        return;
    const auto remembered = [&gameEvent]() -> int {
        if (const auto* hand = std::get_if<event::RedrawHand>(&gameEvent))
            return hand->seat == LocalSeat ? 0 : 1;
        if (std::holds_alternative<event::RedrawTable>(gameEvent))
            return 2;
        if (std::holds_alternative<event::RedrawStock>(gameEvent))
            return 3;
        if (std::holds_alternative<event::RedrawPanels>(gameEvent))
            return 4;
        return -1;
    }();
    if (remembered >= 0)
        shownEvents[static_cast<std::size_t>(remembered)] = gameEvent;
    std::visit(
        [this](const auto& e) {
            using E = std::decay_t<decltype(e)>;
            if constexpr (std::is_same_v<E, event::RedrawHand>) {
                std::vector<int> handX;
                const bool person = e.seat == LocalSeat;
                event::RedrawHand shown = e;
                shown.faceUp = e.faceUp || (!person && opponentRevealed);
                SetElement(person ? Element::playerHand : Element::opponentHand,
                           drawing->Hand(shown, handX));
                if (person)
                    playerHandX = std::move(handX);
            } else if constexpr (std::is_same_v<E, event::RedrawTable>) {
                SetElement(Element::table, drawing->Table(e));
            } else if constexpr (std::is_same_v<E, event::RedrawStock>) {
                SetElement(Element::stock, drawing->DeckPile(e.stockLeft));
            } else if constexpr (std::is_same_v<E, event::RedrawPanels>) {
                SetElement(Element::opponentPanel, drawing->PlayerPanel(OpponentSeat, e.panels));
                SetElement(Element::playerPanel, drawing->PlayerPanel(LocalSeat, e.panels));
            } else if constexpr (std::is_same_v<E, event::ShowNoMove>) {
                noMove[e.seat] = ScreenText(Text(words::NoMove));
                DrawBanners();
            }
            // Network messages wait for network play; the end of a game
            // shows through the buttons that follow it.
        },
        gameEvent);
}

void TableView::SetOpponentRevealed(bool on) {
    opponentRevealed = on;
    if (drawing && atTable)
        ApplyGameEvent(HandSnapshot(match.State(), OpponentSeat, false));
}

void TableView::ShowWaitBanner(bool on) {
    waitBanner = on;
    if (on) {
        for (Picture& element : elements)
            element.shown = false;
        startButton->hide();
        secondButton->hide();
    }
    repaint();
}

// --- Flights

int TableView::FlightSpeed() const {
    return std::clamp(settings.Speed, SlowestFlightSpeed, FastestFlightSpeed);
}

QPoint TableView::SpotPixel(const Spot& spot, bool from, const event::FlyCards& flyCards) const {
    const TableLayout& layout = drawing->Layout();
    const QSize card = drawing->CardSize();
    switch (spot.kind) {
    case Spot::Kind::Stock:
        return layout.stock.topLeft() + DeckPileCardOrigin(scale, flyCards.stockCards);
    case Spot::Kind::Table:
        return layout.table.topLeft() + drawing->Slots().CardOrigin(spot.place);
    case Spot::Kind::Pile:
        return CaptureFlightEnd(static_cast<int>(spot.seat), size(), card);
    case Spot::Kind::Hand:
        break;
    }
    if (from && spot.seat == OpponentSeat)
        return OpponentFlightStart(layout, card);
    // A card leaves the hand as it was drawn with the card still in it; a
    // dealt card lands where the hand will show it.
    const QRect hand = spot.seat == OpponentSeat ? layout.opponentHand : layout.playerHand;
    const std::vector<int> xs = SpreadHand(0, hand.width(), flyCards.handCards, card.width());
    const std::size_t i = static_cast<std::size_t>(std::max(1, int(spot.place)) - 1);
    const int x = i < xs.size() ? xs[i] : hand.width() / 2 - card.width() / 2;
    return hand.topLeft() + QPoint(x, 0);
}

bool TableView::StartFlight(const event::FlyCards& flyCards) {
    if (!settings.FlyingCards || !drawing || flyCards.count == 0 || !atTable)
        return false;
    // Captured cards leave the table at once: the clean picture shows the
    // table without them.
    if (flyCards.to.kind == Spot::Kind::Pile)
        SetElement(Element::table, drawing->Table(flyCards.tableLeft));
    std::vector<CardPath> paths;
    std::vector<QImage> sprites;
    const QPoint to = SpotPixel(flyCards.to, false, flyCards);
    for (int i = 0; i < flyCards.count; ++i) {
        const auto& card = flyCards.cards[static_cast<std::size_t>(i)];
        paths.push_back({SpotPixel(card.from, true, flyCards), to});
        sprites.push_back(flyCards.faceUp ? drawing->Cards().Face(card.code)
                                          : drawing->Cards().Back());
    }
    std::vector<FlightFrame> frames;
    if (paths.size() == 1 && flyCards.to.kind != Spot::Kind::Pile) {
        if (paths.front().from == paths.front().to)
            return false;
        frames = PlanCardFlight(paths.front(), drawing->CardSize(), FlightSpeed(), false);
    } else {
        frames = PlanGroupFlight(paths, drawing->CardSize(), FlightSpeed());
    }
    if (frames.empty())
        return false;
    flightCanvas = std::make_unique<FlightCanvas>(SceneImage(), std::move(sprites));
    flight = std::make_unique<CardFlight>(std::move(frames));
    return true;
}

std::optional<int> TableView::NextFlightFrame() {
    if (!flight || !flight->FlightRunning()) {
        flight.reset();
        flightCanvas.reset();
        update();
        return std::nullopt;
    }
    const FlightFrame& frame = flight->NextFrame();
    repaint(flightCanvas->Apply(frame));
    return pacer.PauseAfter(frame, FlightSpeed());
}

// --- Painting

void TableView::PaintScene(QPainter& painter, QRect area) const {
    PaintBackground(painter, pictures.Background(), area);
    for (std::size_t i = 0; i < elements.size(); ++i) {
        const Picture& element = elements[i];
        const QRect where = ElementRect(static_cast<Element>(i));
        if (element.shown && !element.image.isNull() && where.intersects(area))
            painter.drawImage(where.topLeft(), element.image);
    }
    if (waitBanner)
        PaintWaitBanner(painter);
}

QRect TableView::WaitBannerRect() const {
    const QSize size(scale.S(350), scale.S(80));
    return QRect(
        QPoint(Round((width() - size.width()) / 2.0), Round((height() - size.height()) / 2.0)),
        size);
}

// "Please, wait..." on its banner picture; the text shrinks to fit it.
void TableView::PaintWaitBanner(QPainter& painter) const {
    static const QImage bar = PictureSource::BuiltIn().Data("AdvBar3");
    const QRect banner = WaitBannerRect();
    if (!bar.isNull())
        painter.drawImage(
            banner, bar.scaled(banner.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    QFont font = FontFace(settings, FontLine::Large);
    font.setPixelSize(FontSize(settings, FontLine::Small, scale.S(32)));
    const QString wait = ScreenText(Text(words::PleaseWait));
    painter.setFont(FittedFont(font, wait, banner.width() - scale.S(10)));
    painter.setPen(QColor(255, 0, 0));
    painter.drawText(banner.adjusted(0, scale.S(22), 0, 0), Qt::AlignHCenter | Qt::AlignTop, wait);
}

QImage TableView::SceneImage() const {
    QImage image(size(), QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&image);
    PaintScene(painter, rect());
    return image;
}

void TableView::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    if (flightCanvas) {
        painter.drawImage(event->rect().topLeft(), flightCanvas->Work(), event->rect());
        return;
    }
    painter.setClipRegion(event->region());
    PaintScene(painter, event->rect());
    if (moveHint)
        PaintMoveHint(painter);
}

void TableView::ShowMoveHint(const MoveHint& hint) {
    moveHint = hint;
    update();
}

void TableView::ClearMoveHint() {
    if (moveHint) {
        moveHint.reset();
        update();
    }
}

// Bright blue outlines, apart from the table's own yellow frames: solid around the card and what it
// takes, dashed around a place to lay off to.
void TableView::PaintMoveHint(QPainter& painter) const {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    QPen pen(QColor(0, 210, 255), std::max(2, scale.S(3)));
    painter.setBrush(Qt::NoBrush);
    const auto outline = [&](QRect card) {
        if (!card.isEmpty())
            painter.drawRoundedRect(card.adjusted(-2, -2, 2, 2), scale.S(4), scale.S(4));
    };
    painter.setPen(pen);
    outline(HandCardRect(moveHint->handPlace));
    moveHint->capture.ForEach([&](int place) { outline(TableSlotRect(place)); });
    if (moveHint->layOffPlace != 0) {
        pen.setStyle(Qt::DashLine);
        painter.setPen(pen);
        outline(TableSlotRect(moveHint->layOffPlace));
    }
    painter.restore();
}

// --- The person's mouse

void TableView::SetInputOpen(bool open) {
    inputOpen = open;
    if (open)
        return;
    pressed.reset();
    // A table button released after the step would click.
    for (SkinnedButton* button : {startButton, secondButton})
        button->setDown(false);
}

// A table button pressed while the match is busy stays up, so its release
// later is no click.
bool TableView::eventFilter(QObject* watched, QEvent* event) {
    const bool tableButton = watched == startButton || watched == secondButton;
    if (tableButton && event->type() == QEvent::MouseButtonPress)
        ClearMoveHint();
    if (tableButton && !inputOpen &&
        (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick))
        return true;
    return QWidget::eventFilter(watched, event);
}

int TableView::HandPlaceUnder(QPoint point) const {
    const QRect hand = ElementRect(Element::playerHand);
    if (!drawing || !hand.contains(point))
        return 0;
    return HandPlaceAt(playerHandX, std::vector<bool>(playerHandX.size(), true),
                       drawing->CardSize().width(), point.x() - hand.left());
}

int TableView::TablePlaceUnder(QPoint point) const {
    const QRect table = ElementRect(Element::table);
    if (!drawing || !table.contains(point))
        return 0;
    return drawing->Slots().TablePlaceAt(point - table.topLeft());
}

void TableView::mousePressEvent(QMouseEvent* event) {
    if (inputOpen && !waitBanner)
        pressed = event->button();
}

// A click counts only when pressed and released while the match waited for
// input: a press during a flight or the computer's move is forgotten, however
// late its release arrives.
void TableView::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = pressed == event->button() && inputOpen && !waitBanner && atTable;
    pressed.reset();
    ClearMoveHint(); // the hint is gone at the next click
    if (!click)
        return;
    const QPoint point = event->position().toPoint();
    const MouseButton button = ButtonOf(event->button());
    if (ElementRect(Element::playerHand).contains(point)) {
        CloseHint();
        emit HandClicked(HandPlaceUnder(point), button);
    } else if (ElementRect(Element::table).contains(point)) {
        emit TableClicked(TablePlaceUnder(point), button);
    } else if (button == MouseButton::Left &&
               (ElementRect(Element::opponentPanel).contains(point) ||
                ElementRect(Element::playerPanel).contains(point))) {
        emit PanelClicked();
    } else {
        return;
    }
    ShowPointer(point);
    ShowHint(point);
}

void TableView::mouseMoveEvent(QMouseEvent* event) {
    if (!atTable || !drawing)
        return;
    const QPoint point = event->position().toPoint();
    ShowPointer(point);
    ShowHint(point);
}

void TableView::ShowPointer(QPoint point) {
    Pointer pointer = Pointer::Normal;
    if (inputOpen) {
        if (ElementRect(Element::playerHand).contains(point))
            pointer = match.PointerOverHand(HandPlaceUnder(point));
        else if (ElementRect(Element::table).contains(point))
            pointer = match.PointerOverTable(TablePlaceUnder(point));
    }
    Cursors::Instance().Give(*this,
                             pointer == Pointer::Hand ? CursorKind::Hand : CursorKind::Arrow);
}

// The hints of the panels and the game plate. The plate's balloon opens as
// the pointer enters it, and its hint waits until the balloon has closed so
// that it never covers it.
void TableView::ShowHint(QPoint point) {
    QString hint;
    for (Element panel : {Element::opponentPanel, Element::playerPanel}) {
        const QRect r = ElementRect(panel);
        if (!r.contains(point))
            continue;
        const QPoint base = point - r.topLeft();
        if (base.y() < scale.S(38))
            hint = ScreenText(Text(words::PointsOfCurrentRound));
        else if (base.y() > scale.S(40) && base.x() >= scale.S(46) && base.x() <= scale.S(94))
            hint = ScreenText(Text(words::Numbers));
    }
    ShowBannerPicture(point);
    const bool overPlate = ElementRect(Element::gamePlate).contains(point);
    if (overPlate && !overGamePlate)
        ShowGameBalloon();
    overGamePlate = overPlate;
    if (overPlate && !balloon->isVisible())
        hint = ScreenText(GamePlateHint(Text(words::Game), match.Figures()));
    if (toolTip() != hint)
        setToolTip(hint);
}

// A player's picture opens as the pointer enters the banner and closes as
// it leaves.
void TableView::ShowBannerPicture(QPoint point) {
    std::optional<Seat> over;
    for (const Seat seat : {OpponentSeat, LocalSeat})
        if (ElementRect(seat == OpponentSeat ? Element::opponentBanner : Element::playerBanner)
                .contains(point))
            over = seat;
    if (over == overBanner)
        return;
    if (overBanner)
        CloseHint();
    overBanner = over;
    if (!over || bannerPictures[*over].isEmpty())
        return;
    const QPixmap picture(bannerPictures[*over]);
    if (picture.isNull())
        return;
    const QRect banner =
        ElementRect(*over == OpponentSeat ? Element::opponentBanner : Element::playerBanner);
    balloon->ShowPictureAt(mapToGlobal(QPoint(banner.center().x(), banner.bottom())), picture, 100,
                           0);
}

void TableView::ShowGameBalloon() {
    const QString text = ScreenText(CurrentGameBalloon(
        match.Figures(), {Text(words::GeneralNumberOfGames), Text(words::GameInCurrentCycle),
                          Text(words::GameInCurrentSession)}));
    const QRect plate = ElementRect(Element::gamePlate);
    balloon->ShowAt(mapToGlobal(QPoint(plate.center().x(), plate.bottom())),
                    ScreenText(Text(words::CurrentGame)), text, 5000);
}

void TableView::CloseHint() {
    balloon->hide();
}

// Over the person's hand and the table the right button speaks cards;
// elsewhere the window's pop-up menu opens.
void TableView::contextMenuEvent(QContextMenuEvent* event) {
    const bool speaks = atTable && (ElementRect(Element::playerHand).contains(event->pos()) ||
                                    ElementRect(Element::table).contains(event->pos()));
    if (speaks)
        event->accept();
    else
        event->ignore();
}

} // namespace tavlira
