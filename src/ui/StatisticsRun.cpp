// SPDX-License-Identifier: GPL-3.0-or-later
#include "StatisticsRun.h"

#include "Wait.h"
#include "catalogue/TitleKeys.h"
#include "stats/CollectionStats.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QPointer>
#include <QThread>
#include <QTimer>

#include <atomic>
#include <memory>

namespace {

// The worker's progress, read by the GUI thread's timer.
class SharedProgress final : public Progress {
public:
    void start(int count) override { count_.store(count); }
    void step(int index) override { index_.store(index); }
    void finish() override {}
    int count() const { return count_.load(); }
    int index() const { return index_.load(); }

private:
    std::atomic<int> count_{0};
    std::atomic<int> index_{0};
};

} // namespace

std::optional<CollectionFigures> StatisticsRun::run(QWidget* owner, const CollectionStats& stats,
                                                    const TitleKeys& titles) {
    SharedProgress progress;
    std::atomic<bool> cancel{false};
    CollectionFigures figures;
    QPointer<QWidget> alive(owner);

    // Made at once so that the owner's commands are held from the start; shown only later.
    Wait wait(owner);
    QEventLoop loop;
    std::unique_ptr<QThread> worker(
        QThread::create([&] { figures = stats.compute(titles, &progress, &cancel); }));
    QObject::connect(worker.get(), &QThread::finished, &loop, &QEventLoop::quit);

    QElapsedTimer since;
    since.start();
    bool shown = false;
    QTimer tick;
    tick.setInterval(16);
    QObject::connect(&tick, &QTimer::timeout, &loop, [&] {
        if (!alive || !alive->isVisible()) {
            cancel.store(true);
            return;
        }
        if (!shown && since.elapsed() >= kQuietMs) {
            wait.start(progress.count());
            shown = true;
        }
        if (shown)
            wait.step(progress.index());
    });
    worker->start();
    tick.start();
    loop.exec();
    tick.stop();
    worker->wait();
    if (shown)
        wait.finish();
    if (cancel.load() || figures.cancelled)
        return std::nullopt;
    return figures;
}
