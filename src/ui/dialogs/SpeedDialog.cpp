#include "ui/dialogs/SpeedDialog.h"

#include "i18n/words/Options.h"
#include "ui/common/ToScreen.h"
#include "ui/controls/SkinnedButton.h"
#include "ui/dialogs/DialogParts.h"
#include "ui/table/CardFlight.h"

#include <QLabel>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QVBoxLayout>
#include <array>

namespace tavlira {
namespace {

constexpr int LaneSteps = 10;
constexpr int LaneHeight = 70;

} // namespace

int SpeedDialog::FrameInterval(int speed) {
    constexpr std::array<int, 6> intervals{110, 95, 80, 65, 40, 25};
    return intervals.at(
        static_cast<std::size_t>(std::clamp(speed, SlowestFlightSpeed, FastestFlightSpeed) - 1));
}

SpeedDialog::SpeedDialog(QWidget* parent, int speed, const QImage& cardPicture,
                         std::function<void(int)> changed)
    : QDialog(parent), card(cardPicture.scaledToHeight(LaneHeight - 10, Qt::SmoothTransformation)) {
    setWindowTitle(ScreenText(Text(words::ChoiceOfSpeed)));
    setModal(true);
    setFixedSize(340, 280);
    auto* layout = new QVBoxLayout(this);
    auto* prompt = new QLabel(ScreenText(Text(words::SelectFlightSpeed)), this);
    prompt->setAlignment(Qt::AlignCenter);
    prompt->setWordWrap(true);
    layout->addWidget(prompt);

    bar = new QSlider(Qt::Horizontal, this);
    bar->setRange(SlowestFlightSpeed, FastestFlightSpeed);
    bar->setPageStep(1);
    bar->setTickPosition(QSlider::TicksBelow);
    bar->setTickInterval(1);
    bar->setValue(speed);
    layout->addWidget(bar);
    // The numbers stand under the bar's ticks, placed once the bar has its
    // size.
    numberRow = new QWidget(this);
    for (int i = SlowestFlightSpeed; i <= FastestFlightSpeed; ++i) {
        auto* number = new QLabel(QString::number(i), numberRow);
        number->setAlignment(Qt::AlignCenter);
        numbers.push_back(number);
    }
    numberRow->setFixedHeight(numbers.front()->sizeHint().height());
    layout->addWidget(numberRow);
    layout->addSpacing(LaneHeight);

    ok = OkOnlyButton(*this);
    ok->SetHeightSB(THeightSB::Q45);
    QFont font = ok->font();
    font.setPixelSize(20);
    ok->setFont(font);
    ok->setMinimumWidth(140);
    layout->addLayout(ButtonRow({ok}));

    connect(bar, &QSlider::valueChanged, this, [this, changed = std::move(changed)](int value) {
        changed(value);
        timer.setInterval(FrameInterval(value));
    });
    connect(&timer, &QTimer::timeout, this, [this] {
        phase = (phase + 1) % (2 * LaneSteps);
        update(Lane());
    });
    timer.start(FrameInterval(speed));
}

// The style draws a tick where the middle of the handle stands at that value.
int SpeedDialog::TickX(int value) const {
    QStyleOptionSlider option;
    option.initFrom(bar);
    option.orientation = Qt::Horizontal;
    option.minimum = bar->minimum();
    option.maximum = bar->maximum();
    option.sliderPosition = value;
    option.sliderValue = value;
    option.tickPosition = bar->tickPosition();
    option.tickInterval = bar->tickInterval();
    const QRect handle =
        bar->style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, bar);
    return bar->mapTo(this, handle.center()).x();
}

void SpeedDialog::PlaceNumbers() {
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        QLabel* number = numbers[i];
        const int width = number->sizeHint().width();
        const int x = TickX(SlowestFlightSpeed + static_cast<int>(i)) - numberRow->x();
        number->setGeometry(x - width / 2, 0, width, numberRow->height());
    }
}

void SpeedDialog::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    PlaceNumbers();
}

QLabel* SpeedDialog::SpeedNumber(int speed) const {
    const int index = speed - SlowestFlightSpeed;
    return index >= 0 && index < static_cast<int>(numbers.size())
               ? numbers[static_cast<std::size_t>(index)]
               : nullptr;
}

QRect SpeedDialog::Lane() const {
    return QRect(20, bar->geometry().bottom() + 30, width() - 40, LaneHeight);
}

// The card glides to and fro across the lane, one step per frame.
void SpeedDialog::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    if (card.isNull())
        return;
    const QRect lane = Lane();
    const int step = phase < LaneSteps ? phase : 2 * LaneSteps - phase;
    const int x = lane.left() + (lane.width() - card.width()) * step / LaneSteps;
    QPainter painter(this);
    painter.drawImage(x, lane.top() + 5, card);
}

} // namespace tavlira
