#include "ui/window/SpeedDialog.h"

#include "i18n/words/Login.h"
#include "i18n/words/Options.h"
#include "ui/controls/TQelCardsButton.h"
#include "ui/table/CardFlight.h"
#include "ui/window/Dialogs.h"

#include <QGridLayout>
#include <QLabel>
#include <QPainter>
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
    auto* scale = new QGridLayout;
    scale->addWidget(bar, 0, 0, 1, FastestFlightSpeed);
    for (int i = SlowestFlightSpeed; i <= FastestFlightSpeed; ++i) {
        auto* number = new QLabel(QString::number(i), this);
        number->setAlignment(i == 1 ? Qt::AlignLeft : i == 6 ? Qt::AlignRight : Qt::AlignHCenter);
        scale->addWidget(number, 1, i - 1);
    }
    layout->addLayout(scale);
    layout->addSpacing(LaneHeight);

    ok = new TQelCardsButton(ScreenText(Text(words::Ok)), this);
    SkinDialogButton(*ok);
    ok->SetHeightSB(THeightSB::Q45);
    QFont font = ok->font();
    font.setPixelSize(20);
    ok->setFont(font);
    ok->setMinimumWidth(140);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(ok);
    row->addStretch();
    layout->addLayout(row);

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
