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

void prepare(WorldMapView& view, const QSize& size)
{
    view.resize(size);
    view.setNow(QDateTime::currentDateTimeUtc());
    view.setListedCities(database().nearestCities(48.85, 2.35, 1500, 12, 60));
    view.setTrackedCities(database().search(QStringLiteral("san"), 10));
    view.setFocus(Coordinate{2.35, 48.85});
}

// The repaint a clock tick causes: every layer of the widget (ocean and land
// from the cache it keeps per size and palette, night, the terminator's glow,
// 60 listed and 10 tracked cities, the focus ring) at a new instant.
void fullPaint(benchmark::State& state)
{
    const QSize size(int(state.range(0)), int(state.range(1)));
    WorldMapView view(land(), database());
    prepare(view, size);
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    view.render(&image); // the first paint after a resize fills the cache
    QDateTime now = QDateTime::currentDateTimeUtc();
    for (auto _ : state) {
        now = now.addSecs(60);
        view.setNow(now);
        view.render(&image);
    }
}
BENCHMARK(fullPaint)->Args({720, 284})->Args({1440, 568})->Unit(benchmark::kMillisecond);

// Everything drawn from scratch, coastlines included: the first paint, or
// the one after a resize or a change of palette.
void coldPaint(benchmark::State& state)
{
    const QSize size(int(state.range(0)), int(state.range(1)));
    WorldMapView view(land(), database());
    prepare(view, size);
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
    WorldMapView view(land(), database());
    view.resize(720, 284);
    double x = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(view.cityAt(QPointF(x, 120)));
        x = x > 700 ? 0 : x + 7;
    }
}
BENCHMARK(hoverQuery)->Unit(benchmark::kMicrosecond);

} // namespace
