// One frame of a card flight at 1520 x 1000, the largest fixed window size:
// the frame is composed into the work picture and that rectangle of the
// window is repainted, as the table view does for every frame. And one tick
// of the title screen at 760 x 500 and 1520 x 1000: what the tick changed is
// painted again. Run it on the platform to be measured (QT_QPA_PLATFORM=xcb
// under a display, or offscreen).

#include "ui/table/CardFlight.h"
#include "ui/table/TableScale.h"
#include "ui/window/TableDrawing.h"
#include "ui/window/TitleScreen.h"

#include <QApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QWidget>
#include <array>
#include <benchmark/benchmark.h>
#include <memory>

namespace tavlira {
namespace {

// Shows the work picture of a flight, as the table view does while cards fly.
class FlightView : public QWidget {
  public:
    const FlightCanvas* canvas = nullptr;

  protected:
    void paintEvent(QPaintEvent* event) override {
        QPainter painter(this);
        if (canvas)
            painter.drawImage(event->rect().topLeft(), canvas->Work(), event->rect());
    }
};

void OneFlightFrame(benchmark::State& state) {
    const TableScale scale = TableScale::ForMode(WindowSizeMode::Large, QSize());
    PictureStore store;
    store.LoadDeckFaces(0, 0, PictureSizeClass(scale.Scale()));
    store.LoadBackground(false, 2, 0, 5, scale.ClientSize());
    TableDrawing drawing(store, store.Background(), scale, 5, TableFonts());
    const QImage sprite = drawing.Cards().Face(*CardCode::FromBytes("\xC4\xF7")); // queen of hearts
    const QImage clean = store.Background();

    FlightView view;
    view.setFixedSize(scale.ClientSize());
    view.show();
    QCoreApplication::processEvents();

    // A long diagonal flight from the deck to the person's hand, at speed 5
    // (every pixel step drawn).
    const std::vector<FlightFrame> frames =
        PlanCardFlight({QPoint(1228, 396), QPoint(200, 788)}, drawing.CardSize(), 5, false);
    std::unique_ptr<FlightCanvas> canvas;
    std::size_t next = frames.size();
    for (auto _ : state) {
        if (next == frames.size()) {
            state.PauseTiming();
            canvas = std::make_unique<FlightCanvas>(clean, std::vector<QImage>{sprite});
            view.canvas = canvas.get();
            next = 0;
            state.ResumeTiming();
        }
        view.repaint(canvas->Apply(frames[next++]));
    }
    state.counters["frames per flight"] = static_cast<double>(frames.size());
}
BENCHMARK(OneFlightFrame)->Unit(benchmark::kMicrosecond);

// The argument is the window size setting, 1 or 5.
void OneTitleFrame(benchmark::State& state) {
    const auto mode = static_cast<WindowSizeMode>(state.range(0));
    const TableScale scale = TableScale::ForMode(mode, QSize());
    const QSize window = scale.ClientSize();
    std::array<QImage, TitleAnimation::CardCount> cards;
    for (QImage& card : cards) {
        card = QImage((QSizeF(TitleAnimation::CardSize) * scale.Scale()).toSize(),
                      QImage::Format_ARGB32_Premultiplied);
        card.fill(Qt::darkRed);
    }
    QImage shown(window, QImage::Format_RGB32);
    TitleAnimation animation;
    TitleScreenPainter screen;
    {
        QPainter painter(&shown);
        screen.Paint(painter, shown.rect(), window, scale.Scale(), animation, cards);
    }
    for (auto _ : state) {
        QPainter painter(&shown);
        screen.Paint(painter, WindowArea(animation.Frame(), window, scale.Scale()), window,
                     scale.Scale(), animation, cards);
    }
}
BENCHMARK(OneTitleFrame)->Arg(1)->Arg(5)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace tavlira

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
