// SPDX-License-Identifier: MIT
// A picture question on the screen: the time from creating the "Image with
// name" matching window, with four of the shipped pictures, to its first paint.
#include <benchmark/benchmark.h>

#include "base/file_io.h"
#include "base/file_limits.h"
#include "base/qt_controls.h"
#include "engine/setup.h"
#include "screens/imatch_window.h"
#include "window_bench_support.h"

#include <QEvent>
#include <QPixmapCache>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <memory>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

namespace stratavex::bench {
namespace {

constexpr std::int16_t imageWithName = 1;

// The first records of the shipped database that have a picture, as a
// database of their own: a picture question over it shows exactly their
// pictures.
struct PicturedRecords {
    std::string database;
    std::vector<std::string> pictures;
};

PicturedRecords firstPicturedRecords(int count) {
    auto shipped = std::make_unique<ItemTable>();
    parsedb(shippedDatabase(), *shipped);
    auto table = std::make_unique<ItemTable>();
    PicturedRecords found;
    for (int i = 1; i <= shipped->nitems && table->nitems < count; ++i) {
        const itemrec& it = shipped->items[static_cast<std::size_t>(i)];
        if (blank(it.image))
            continue;
        ++table->nitems;
        table->items[static_cast<std::size_t>(table->nitems)] = it;
        found.pictures.push_back(it.image);
    }
    if (table->nitems < count)
        throw std::runtime_error("the shipped database has too few records with a picture");
    found.database = formatdb(*table);
    return found;
}

// The game in its folder with a copy of those records and their pictures,
// and every difficulty allowed, so the window asks about all four.
struct PictureGame {
    PicturedRecords records = firstPicturedRecords(imatch::pictures);
    GameInFolder program{records.database};

    PictureGame() {
        for (const std::string& picture : records.pictures) {
            std::string bytes;
            if (!readWholeFile(STRATAVEX_DATA_DIR "/" + picture, bytes, largestPicture).ok)
                throw std::runtime_error("cannot read the shipped picture " + picture);
            program.folder.write(picture, bytes);
        }
        program.game.qtype = imageWithName;
        program.game.settings.maxdif = SetupModel::maxDifficultyBound;
    }

    // A question as the first of a game: no item used yet.
    Game& freshQuestion() {
        Game& game = program.game;
        game.db.itemuse.assign(static_cast<std::size_t>(game.db.nitems) + 1, 0);
        game.picked.fill(0);
        return game;
    }
};

// Notes which of the controls it watches have been painted.
class PaintWatch : public QObject {
public:
    explicit PaintWatch(const QList<PictureBox*>& pictures) : pictures_(pictures) {
        for (PictureBox* picture : pictures_)
            picture->installEventFilter(this);
    }

    // Whether every picture holds its picture and has been painted.
    bool allShown() const {
        const auto shown = [this](const PictureBox* p) {
            return p->hasPicture() && painted_.contains(p);
        };
        return pictures_.size() == imatch::pictures &&
               std::all_of(pictures_.begin(), pictures_.end(), shown);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            painted_.insert(watched);
        return QObject::eventFilter(watched, event);
    }

private:
    QList<PictureBox*> pictures_;
    std::set<const QObject*> painted_;
};

// Each window is timed from its creation until the event loop is idle after
// it is shown: building the question, loading and decoding the four pictures,
// the layout and the first paint, which scales them to their boxes.
void BM_picture_window_first_paint(benchmark::State& state) {
    PictureGame setup;
    // The program decodes its JPEG background before any question, which
    // loads the image plugin: one window before the timing does the same.
    {
        imatch first(setup.freshQuestion());
        showUntilIdle(first);
    }
    std::vector<double> creation;
    for (auto _ : state) {
        Game& game = setup.freshQuestion();
        // Qt keeps pictures it decoded from files; a question's pictures are
        // usually ones the player has not seen for a while.
        QPixmapCache::clear();
        const auto start = std::chrono::steady_clock::now();
        imatch window(game);
        const auto created = std::chrono::steady_clock::now();
        PaintWatch watch(window.findChildren<PictureBox*>());
        showUntilIdle(window);
        const auto end = std::chrono::steady_clock::now();
        state.SetIterationTime(milliseconds(end - start) / 1000.0);
        creation.push_back(milliseconds(created - start));
        if (!watch.allShown()) {
            state.SkipWithError("the window did not show and paint its four pictures");
            break;
        }
    }
    state.counters["created_ms"] = median(creation);
}
BENCHMARK(BM_picture_window_first_paint)
    ->UseManualTime()
    ->Iterations(20)
    ->Unit(benchmark::kMillisecond);

} // namespace
} // namespace stratavex::bench
