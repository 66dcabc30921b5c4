// SPDX-License-Identifier: GPL-3.0-or-later
// The costs that grow with the catalogue: opening the list, showing a title, a filter run with
// every criterion on, the collection's figures, a batch export of every title, each beside its
// floor (reading the same bytes once; writing the same files with plain writes and renames).
#include "browse/FactSearch.h"
#include "browse/FilterRun.h"
#include "browse/GatherTitle.h"
#include "catalogue/CatalogueIndex.h"
#include "catalogue/CatalogueReader.h"
#include "catalogue/FileBytes.h"
#include "catalogue/TitleKeys.h"
#include "catalogue/TitleListReader.h"
#include "cli/CliPrompts.h"
#include "export/BatchExport.h"
#include "settings/Preferences.h"
#include "stats/CollectionStats.h"
#include "tools/CatalogueGenerator.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <map>
#include <unistd.h>

namespace {

// The command line's prompts, what they print kept aside: benchmarks meet no dialog.
struct Quiet {
    QString printed;
    QTextStream stream{&printed};
    CliPrompts prompts{stream};
};

const char* kFiles[] = {"reelkeep.dat", "imdb.dat", "media.dat", "History.dat"};

struct Catalogue {
    QTemporaryDir dir;
    QString db;
    TitleKeys titles;
};

// One generated catalogue per size, kept for the whole run.
Catalogue& catalogue(int titles) {
    static std::map<int, std::unique_ptr<Catalogue>> made;
    auto& slot = made[titles];
    if (!slot) {
        slot = std::make_unique<Catalogue>();
        slot->db = slot->dir.path() + u'/';
        const CatalogueGenerator gen({titles, 7, false});
        gen.writeTo(slot->db);
        slot->titles = gen.titles();
    }
    return *slot;
}

qint64 readBytes(const QString& path) {
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll().size();
}

FilterSettings everyCriterion() {
    FilterSettings f;
    f.FilterYearOn = f.FilterEnteredOn = f.FilterStatusOn = f.FilterJoveOn = true;
    f.FilterYearText = QStringLiteral("1999");
    f.FilterEnteredText = QStringLiteral("2005");
    f.FilterPresent = true;
    return f;
}

Preferences everyTitleSelected() {
    Preferences p;
    p.JoveRules[1] = {true, QStringLiteral("Location"), QString()}; // an empty prefix: all
    p.GenreSource = QStringLiteral("IMDB");
    return p;
}

void OpenList(benchmark::State& state) {
    Catalogue& c = catalogue(int(state.range(0)));
    for (auto _ : state) {
        auto index = std::make_unique<CatalogueIndex>();
        benchmark::DoNotOptimize(ReadTitleList(c.db, index.get()).titles.size());
        state.PauseTiming(); // the viewer keeps its index: freeing it is no part of opening
        index.reset();
        state.ResumeTiming();
    }
}

void OpenListFloor(benchmark::State& state) {
    Catalogue& c = catalogue(int(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(readBytes(c.db + kFiles[0]));
}

// The floor's read into memory never used before, as a first open must read: the kernel hands
// out each page zeroed. The open's own cost is what it takes beyond this.
void OpenListNewMemory(benchmark::State& state) {
    Catalogue& c = catalogue(int(state.range(0)));
    for (auto _ : state) {
        QFile file(c.db + kFiles[0]);
        file.open(QIODevice::ReadOnly | QIODevice::Unbuffered);
        auto bytes = std::make_unique<FileBytes>(file.size());
        benchmark::DoNotOptimize(file.read(bytes->data(), bytes->size()));
        state.PauseTiming();
        bytes.reset();
        state.ResumeTiming();
    }
}

// range(1): 0 first, 1 middle, 2 last title.
void ShowTitle(benchmark::State& state) {
    Catalogue& c = catalogue(int(state.range(0)));
    CatalogueIndex index;
    const CatalogueReader reader(c.db, c.db + QStringLiteral("Covers/"), &index);
    const QString key = c.titles.at((c.titles.size() - 1) * state.range(1) / 2).toString();
    CurrentTitle title;
    GatherTitle(reader, key, title, {});
    for (auto _ : state)
        benchmark::DoNotOptimize(GatherTitle(reader, key, title, {}));
}

void FirstShow(benchmark::State& state) {
    Catalogue& c = catalogue(int(state.range(0)));
    const QString key = c.titles.at(c.titles.size() / 2).toString();
    for (auto _ : state) {
        auto index = std::make_unique<CatalogueIndex>();
        const CatalogueReader reader(c.db, c.db + QStringLiteral("Covers/"), index.get());
        CurrentTitle title;
        benchmark::DoNotOptimize(GatherTitle(reader, key, title, {}));
        state.PauseTiming();
        index.reset();
        state.ResumeTiming();
    }
}

void FirstShowFloor(benchmark::State& state) {
    Catalogue& c = catalogue(int(state.range(0)));
    for (auto _ : state)
        for (const char* file : kFiles)
            benchmark::DoNotOptimize(readBytes(c.db + file));
}

void Filter(benchmark::State& state) {
    Catalogue& c = catalogue(int(state.range(0)));
    CatalogueIndex index;
    ReadTitleList(c.db, &index);
    CatalogueReader reader(c.db, c.db, &index);
    reader.skipCovers();
    const FilterSettings filter = everyCriterion();
    const Preferences prefs = everyTitleSelected();
    Quiet quiet;
    for (auto _ : state) {
        const CatalogueIndex::Pin pin(index);
        CurrentTitle current;
        qsizetype kept = 0;
        FilterRun(reader, filter, prefs.JoveRules, prefs.GenreSource, quiet.prompts)
            .run(c.titles, current, [&](const QString&) { ++kept; });
        benchmark::DoNotOptimize(kept);
    }
}

// The filter on a text alone: an actor's name without its accent, which some titles hold.
void FilterContains(benchmark::State& state) {
    Catalogue& c = catalogue(int(state.range(0)));
    CatalogueIndex index;
    ReadTitleList(c.db, &index);
    CatalogueReader reader(c.db, c.db, &index);
    reader.skipCovers();
    FilterSettings filter;
    filter.FilterTextOn = true;
    filter.FilterText = QStringLiteral("helene okafor");
    const Preferences prefs = everyTitleSelected();
    Quiet quiet;
    for (auto _ : state) {
        const CatalogueIndex::Pin pin(index);
        FactSearch search(index, c.db);
        CurrentTitle current;
        qsizetype kept = 0;
        FilterRun(reader, filter, prefs.JoveRules, prefs.GenreSource, quiet.prompts, nullptr,
                  &search)
            .run(c.titles, current, [&](const QString&) { ++kept; });
        state.counters["kept"] = double(kept);
    }
}

// The sequential readers on an even sample of 100 titles; the result is scaled to the whole
// list, since a full run takes hours.
void FilterReference(benchmark::State& state) {
    Catalogue& c = catalogue(int(state.range(0)));
    TitleKeys sample;
    for (int i = 0; i < 100; ++i)
        sample.append(c.titles.at(i * (c.titles.size() - 1) / 99));
    const CatalogueReader reader(c.db, c.db);
    const FilterSettings filter = everyCriterion();
    const Preferences prefs = everyTitleSelected();
    Quiet quiet;
    for (auto _ : state) {
        CurrentTitle current;
        FilterRun(reader, filter, prefs.JoveRules, prefs.GenreSource, quiet.prompts)
            .run(sample, current, [](const QString&) {});
    }
    state.counters["scale"] = double(c.titles.size()) / sample.size();
}

// Every figure of the whole list, as the Statistics window asks for them: the readers' indexes
// built already (the viewer builds them ahead), the snapshots taken anew each time.
void Stats(benchmark::State& state) {
    Catalogue& c = catalogue(int(state.range(0)));
    CatalogueIndex index;
    ReadTitleList(c.db, &index);
    CollectionStats(index, c.db, QStringLiteral("COMBINE")).compute(c.titles);
    for (auto _ : state) {
        const CollectionFigures figures =
            CollectionStats(index, c.db, QStringLiteral("COMBINE")).compute(c.titles);
        benchmark::DoNotOptimize(figures.titles);
    }
}

void Batch(benchmark::State& state) {
    Catalogue& c = catalogue(int(state.range(0)));
    CatalogueIndex index;
    ReadTitleList(c.db, &index);
    const CatalogueReader reader(c.db, c.db + QStringLiteral("Covers/"), &index);
    const Preferences prefs = everyTitleSelected();
    Quiet quiet;
    QTemporaryDir out;
    for (auto _ : state) {
        const CatalogueIndex::Pin pin(index);
        CurrentTitle current;
        const auto result =
            BatchExport(reader, prefs, quiet.prompts).run(c.titles, out.path(), current);
        benchmark::DoNotOptimize(result.written);
    }
}

// Writing the batch's files with plain writes and renames, into the same folder as the batch
// does, and putting them on disk the same way: a file that replaces another before its rename,
// the new ones together at the end.
void BatchFloor(benchmark::State& state) {
    Catalogue& c = catalogue(int(state.range(0)));
    // The documents' names and sizes: a first batch run writes them.
    QList<QPair<QString, QByteArray>> files;
    {
        QTemporaryDir sized;
        CatalogueIndex index;
        const CatalogueReader reader(c.db, c.db, &index);
        Quiet quiet;
        CurrentTitle current;
        BatchExport(reader, everyTitleSelected(), quiet.prompts)
            .run(c.titles, sized.path(), current);
        for (const QFileInfo& f : QDir(sized.path()).entryInfoList(QDir::Files))
            files.append({f.fileName(), QByteArray(f.size(), 'x')});
    }
    QTemporaryDir out;
    for (auto _ : state) {
        for (const auto& [name, bytes] : files) {
            const QString path = out.filePath(name);
            QFile tmp(path + QStringLiteral(".tmp"));
            tmp.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
            tmp.write(bytes);
            if (QFileInfo::exists(path))
                ::fsync(tmp.handle());
            tmp.close();
            ::rename(QFile::encodeName(tmp.fileName()).constData(),
                     QFile::encodeName(path).constData());
        }
        const int folder = ::open(QFile::encodeName(out.path()).constData(), O_RDONLY);
        ::syncfs(folder);
        ::close(folder);
    }
}

// Texts no fact holds: every title is looked at. Two, taken in turn, as keystrokes change it.
const QString kNowhere = QStringLiteral("Zanzibar Quartet");
const QString kNowhereToo = QStringLiteral("Zanzibar Quartets");

// One keystroke of a find in every fact, with what the find keeps already built.
void FindEverything(benchmark::State& state) {
    Catalogue& c = catalogue(int(state.range(0)));
    CatalogueIndex index;
    ReadTitleList(c.db, &index);
    FactSearch search(index, c.db);
    search.find(c.titles, QStringLiteral("x"), 0, FindScope::Everything);
    bool other = false;
    for (auto _ : state) {
        other = !other;
        benchmark::DoNotOptimize(
            search.find(c.titles, other ? kNowhereToo : kNowhere, 0, FindScope::Everything));
    }
}

// The first find after the list is opened: the readers' indexes and the find's own data built.
void FirstFindEverything(benchmark::State& state) {
    Catalogue& c = catalogue(int(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        auto index = std::make_unique<CatalogueIndex>();
        ReadTitleList(c.db, index.get());
        state.ResumeTiming();
        FactSearch search(*index, c.db);
        benchmark::DoNotOptimize(search.find(c.titles, kNowhere, 0, FindScope::Everything));
        state.PauseTiming();
        index.reset();
        state.ResumeTiming();
    }
}

void Sizes(benchmark::internal::Benchmark* b) {
    for (const int n : {1000, 10000, 100000})
        b->Arg(n);
}

BENCHMARK(OpenList)->Apply(Sizes)->Unit(benchmark::kMillisecond);
BENCHMARK(OpenListFloor)->Apply(Sizes)->Unit(benchmark::kMillisecond);
BENCHMARK(OpenListNewMemory)->Apply(Sizes)->Unit(benchmark::kMillisecond);
BENCHMARK(ShowTitle)
    ->ArgsProduct({{1000, 10000, 100000}, {0, 1, 2}})
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(FirstShow)->Apply(Sizes)->Unit(benchmark::kMillisecond);
BENCHMARK(FirstShowFloor)->Apply(Sizes)->Unit(benchmark::kMillisecond);
BENCHMARK(Filter)->Apply(Sizes)->Unit(benchmark::kMillisecond);
BENCHMARK(FilterContains)->Apply(Sizes)->Unit(benchmark::kMillisecond);
BENCHMARK(Stats)->Apply(Sizes)->Unit(benchmark::kMillisecond);
BENCHMARK(FindEverything)->Apply(Sizes)->Unit(benchmark::kMillisecond);
BENCHMARK(FirstFindEverything)->Apply(Sizes)->Unit(benchmark::kMillisecond);
BENCHMARK(FilterReference)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(Batch)->Apply(Sizes)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BatchFloor)->Apply(Sizes)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
