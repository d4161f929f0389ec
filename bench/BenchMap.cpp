#include "ApplicationState.h"
#include "map/Terminator.h"
#include "map/WorldLand.h"
#include "ui/WorldMapView.h"

#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

namespace {

using ApplicationState::database;
using ApplicationState::land;

// What the map shows, kept here as the chooser's owners keep it: 60 listed
// and 10 tracked cities, and a focus.
struct Shown {
    QDateTime instant = QDateTime::currentDateTimeUtc();
    QList<City> listed = database().nearestCities(48.85, 2.35, 1500, 12, 60);
    QList<City> tracked = database().search(QStringLiteral("san"), 10);
    std::optional<Coordinate> focus = Coordinate{2.35, 48.85};

    WorldMapView::Sources sources()
    {
        return {[this] { return instant; },
                [this] { return tracked; },
                [this] { return listed; },
                [this] { return focus; },
                [this](const std::optional<Coordinate>& f) { focus = f; },
                {},
                {},
                {}}; // nothing drawn ahead: each instant is drawn when shown
    }
};

// The repaint a clock tick causes: every layer of the widget (ocean and land
// from the cache it keeps per size and palette, night, the terminator's glow,
// 60 listed and 10 tracked cities, the focus ring) at a new instant.
void fullPaint(benchmark::State& state)
{
    const QSize size(int(state.range(0)), int(state.range(1)));
    Shown shown;
    WorldMapView view(land(), database(), shown.sources());
    view.resize(size);
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    view.render(&image); // the first paint after a resize fills the cache
    for (auto _ : state) {
        shown.instant = shown.instant.addSecs(60);
        view.render(&image);
    }
}
BENCHMARK(fullPaint)->Args({720, 284})->Args({1440, 568})->Unit(benchmark::kMillisecond);

// Everything drawn from scratch, coastlines included: the first paint, or
// the one after a resize or a change of palette.
void coldPaint(benchmark::State& state)
{
    const QSize size(int(state.range(0)), int(state.range(1)));
    Shown shown;
    WorldMapView view(land(), database(), shown.sources());
    view.resize(size);
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        image.fill(Qt::white);
        QPainter painter(&image);
        view.paintMap(painter, QSizeF(size));
    }
}
BENCHMARK(coldPaint)->Args({720, 284})->Args({1440, 568})->Unit(benchmark::kMillisecond);

void terminatorAlone(benchmark::State& state)
{
    const QDateTime now = QDateTime::currentDateTimeUtc();
    for (auto _ : state)
        benchmark::DoNotOptimize(terminator(QSizeF(720, 284), QSizeF(720, 284), now));
}
BENCHMARK(terminatorAlone)->Unit(benchmark::kMicrosecond);

// What one pointer movement over the map asks of the catalogue.
void hoverQuery(benchmark::State& state)
{
    Shown shown;
    WorldMapView view(land(), database(), shown.sources());
    view.resize(720, 284);
    double x = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(view.cityAt(QPointF(x, 120)));
        x = x > 700 ? 0 : x + 7;
    }
}
BENCHMARK(hoverQuery)->Unit(benchmark::kMicrosecond);

} // namespace
