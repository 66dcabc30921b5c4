// SPDX-License-Identifier: GPL-3.0-or-later
#include "CoverWall.h"

#include "CoverTileDelegate.h"
#include "covers/ThumbnailLoader.h"

#include <QEvent>
#include <QScrollBar>
#include <QTimer>

namespace {

// Facts kept for this many tiles: a few screens' worth, read again when scrolled back to.
constexpr int kFactsKept = 2000;

} // namespace

CoverWall::CoverWall(const QString& cacheFolder, QWidget* parent)
    : QListView(parent), loader_(new ThumbnailLoader(cacheFolder, this)), facts_(kFactsKept),
      retry_(new QTimer(this)) {
    setObjectName(QStringLiteral("Wall"));
    setAccessibleName(tr("Covers"));
    // The list mode's wrapped flow rather than the icon mode: it keeps no record per item, so
    // 100,000 tiles are laid out as fast as the list's lines.
    setFlow(QListView::LeftToRight);
    setWrapping(true);
    setResizeMode(QListView::Adjust);
    setMovement(QListView::Static);
    setUniformItemSizes(true);
    // Laid out at once, which at 100,000 tiles takes milliseconds in this mode: a batched layout
    // would leave End, or a title found far down, short of its place for a while.
    setLayoutMode(QListView::SinglePass);
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setItemDelegate(new CoverTileDelegate(this));
    retry_->setSingleShot(true);
    retry_->setInterval(20);
    connect(retry_, &QTimer::timeout, viewport(), qOverload<>(&QWidget::update));
    // One repaint for the covers that came in the meantime, not one per cover.
    auto* arrived = new QTimer(this);
    arrived->setSingleShot(true);
    arrived->setInterval(0);
    connect(arrived, &QTimer::timeout, viewport(), qOverload<>(&QWidget::update));
    connect(loader_, &ThumbnailLoader::ready, arrived, qOverload<>(&QTimer::start));
    layoutTiles();
}

CoverWall::~CoverWall() = default;

void CoverWall::setFactsSource(FactsSource source) {
    source_ = std::move(source);
    reset();
}

void CoverWall::setTileWidth(int pixels) {
    if (pixels == tileWidth_)
        return;
    const QModelIndex current = currentIndex();
    tileWidth_ = pixels;
    layoutTiles();
    if (current.isValid())
        scrollTo(current);
}

void CoverWall::layoutTiles() {
    const QSize tile = CoverTileDelegate::tileSize(tileWidth_, font());
    setGridSize(tile);
    verticalScrollBar()->setSingleStep(std::max(tile.height() / 4, 1));
    wantedFirst_ = wantedLast_ = -1;
    viewport()->update();
}

void CoverWall::changeEvent(QEvent* event) {
    QListView::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        layoutTiles();
}

void CoverWall::reset() {
    // Another list, or the same one read again: rows name other titles, covers may have changed.
    facts_.clear();
    loader_->forget();
    loader_->want({}, {});
    wantedFirst_ = wantedLast_ = -1;
    QListView::reset();
}

const CoverFacts* CoverWall::facts(int row) const {
    return facts_.object(row);
}

QImage CoverWall::cover(int row) const {
    const CoverFacts* f = facts(row);
    if (!f || f->coverFile.isEmpty())
        return {};
    return loader_->find(f->coverFile, pixelBox()).value_or(QImage());
}

CoverWall::Tile CoverWall::tile(int row) const {
    const CoverFacts* f = facts(row);
    if (!f)
        return Tile::Waiting;
    if (f->coverFile.isEmpty())
        return Tile::Placeholder;
    const std::optional<QImage> image = loader_->find(f->coverFile, pixelBox());
    if (!image)
        return Tile::Waiting;
    return image->isNull() ? Tile::Placeholder : Tile::Cover;
}

QSize CoverWall::pixelBox() const {
    return coverSize() * devicePixelRatio();
}

std::pair<int, int> CoverWall::visibleRows() const {
    const int count = model() ? model()->rowCount() : 0;
    const QSize grid = gridSize();
    if (count == 0 || grid.isEmpty())
        return {-1, -1};
    const QRect area = viewport()->rect();
    // Tiles fill their grid cells from the left edge: the first column's tiles at the top and
    // bottom edges bound what shows.
    const QModelIndex top = indexAt(QPoint(1, area.top()));
    const QModelIndex topBelow = indexAt(QPoint(1, area.top() + grid.height() - 1));
    const int first = top.isValid() ? top.row() : topBelow.isValid() ? topBelow.row() : 0;
    const int columns = std::max(area.width() / grid.width(), 1);
    const QModelIndex bottom = indexAt(QPoint(1, area.bottom()));
    const int last = bottom.isValid() ? std::min(bottom.row() + columns - 1, count - 1) : count - 1;
    return {first, std::max(first, last)};
}

void CoverWall::lookAround() {
    const auto [first, last] = visibleRows();
    if (first < 0 || !source_)
        return;
    const QSize box = pixelBox();
    if (first == wantedFirst_ && last == wantedLast_ && box == wantedBox_)
        return;
    const int count = model()->rowCount();
    const int columns = std::max(viewport()->width() / std::max(gridSize().width(), 1), 1);
    const int from = std::max(first - columns, 0);
    const int to = std::min(last + columns, count - 1);
    bool complete = true;
    QStringList paths;
    paths.reserve(to - from + 1);
    // On screen first, top to bottom; then the line below, then the line above.
    const auto add = [&](int row) {
        if (!facts_.contains(row)) {
            std::optional<CoverFacts> read = source_(row);
            if (!read) {
                complete = false;
                return;
            }
            facts_.insert(row, new CoverFacts(std::move(*read)));
        }
        if (const CoverFacts* f = facts_.object(row); f && !f->coverFile.isEmpty())
            paths.append(f->coverFile);
    };
    for (int row = first; row <= last; ++row)
        add(row);
    for (int row = last + 1; row <= to; ++row)
        add(row);
    for (int row = first - 1; row >= from; --row)
        add(row);
    loader_->want(paths, box);
    if (complete) {
        wantedFirst_ = first;
        wantedLast_ = last;
        wantedBox_ = box;
    } else {
        wantedFirst_ = wantedLast_ = -1;
        retry_->start();
    }
}

void CoverWall::paintEvent(QPaintEvent* event) {
    lookAround();
    QListView::paintEvent(event);
}
