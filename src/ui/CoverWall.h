// SPDX-License-Identifier: GPL-3.0-or-later
// The titles as a wall of their covers, each with its title beneath: a view over the title
// list's own model and selection, shown in the list's place. Only the tiles on screen are
// looked up in the catalogue; their covers are scaled on worker threads (ThumbnailLoader), and
// a tile shows a placeholder with its title and year until its cover comes, or for good when
// the title has none that can be read.
#pragma once

#include "browse/CoverFacts.h"

#include <QCache>
#include <QListView>
#include <functional>
#include <optional>

class ThumbnailLoader;
class QTimer;

class CoverWall : public QListView {
    Q_OBJECT

public:
    // The facts of the tile in `row`, or nullopt while reading them would wait for the
    // catalogue being indexed ahead: the wall asks again shortly.
    using FactsSource = std::function<std::optional<CoverFacts>(int row)>;

    // What a tile shows: its cover, a placeholder for good, or one while the cover is made.
    enum class Tile { Waiting, Cover, Placeholder };

    // Thumbnails are kept on disk in `cacheFolder`.
    explicit CoverWall(const QString& cacheFolder, QWidget* parent = nullptr);
    ~CoverWall() override;

    void setFactsSource(FactsSource source);
    // A cover's width in pixels; the tile is as wide plus its margins.
    void setTileWidth(int pixels);
    int tileWidth() const { return tileWidth_; }

    // The facts read for `row`, nullptr while unknown.
    const CoverFacts* facts(int row) const;
    // The cover of `row` as drawn: null unless the tile is Tile::Cover.
    QImage cover(int row) const;
    Tile tile(int row) const;
    // The cover's area in a tile, in pixels.
    QSize coverSize() const { return {tileWidth_, tileWidth_ * 3 / 2}; }

    ThumbnailLoader& thumbnails() { return *loader_; }

public Q_SLOTS:
    void reset() override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // The first and last rows whose tiles touch the viewport; -1 with an empty list.
    std::pair<int, int> visibleRows() const;
    // Reads the facts of the tiles on screen and has their covers made, those on screen first,
    // nearest the top, then a line of tiles either side.
    void lookAround();
    QSize pixelBox() const;
    void layoutTiles();

    ThumbnailLoader* loader_;
    FactsSource source_;
    mutable QCache<int, CoverFacts> facts_;
    QTimer* retry_;
    int tileWidth_ = 160;
    // What was last asked for: asked again only when the tiles on screen change.
    int wantedFirst_ = -1;
    int wantedLast_ = -1;
    QSize wantedBox_;
};
