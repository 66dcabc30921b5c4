// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmStatistics.h"

#include "platform/Message.h"
#include "platform/Prompts.h"
#include "stats/FigureTimeline.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QCursor>
#include <QDir>
#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QHorizontalBarSeries>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QSaveFile>
#include <QTabWidget>
#include <QTableWidget>
#include <QToolTip>
#include <QVBoxLayout>
#include <QValueAxis>

#include <algorithm>
#include <memory>

frmStatistics::frmStatistics(Prompts& prompts, QWidget* owner)
    : QWidget(owner, Qt::Window), prompts_(prompts) {
    setObjectName(QStringLiteral("frmStatistics"));
    setWindowTitle(tr("Statistics"));
    resize(900, 560);

    figureList_ = new QListWidget(this);
    figureList_->setObjectName(QStringLiteral("Figures"));
    figureList_->setAccessibleName(tr("Figures"));
    for (const FigureDimension dimension : kFigureDimensions)
        figureList_->addItem(FigureDimensionCaption(dimension));
    figureList_->setMaximumWidth(figureList_->sizeHintForColumn(0) + 24);
    connect(figureList_, &QListWidget::currentRowChanged, this, &frmStatistics::showDimension);

    chart_ = new QChartView(this);
    chart_->setObjectName(QStringLiteral("Chart"));
    chart_->setAccessibleName(tr("Chart"));
    chart_->setRenderHint(QPainter::Antialiasing);

    table_ = new QTableWidget(0, 2, this);
    table_->setObjectName(QStringLiteral("Table"));
    table_->setAccessibleName(tr("Figures as a table"));
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->verticalHeader()->hide();
    table_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    // Enter or a double click on a row narrows the list as a click on its bar does: the
    // keyboard's way to the same thing.
    connect(table_, &QTableWidget::activated, this, [this](const QModelIndex& index) {
        const QList<FigureCount>& rows = figures_.of(dimension());
        if (index.row() < rows.size())
            Q_EMIT figureChosen(dimension(), rows[index.row()].value);
    });

    pages_ = new QTabWidget(this);
    pages_->setObjectName(QStringLiteral("Pages"));
    pages_->addTab(chart_, tr("Chart"));
    pages_->addTab(table_, tr("Table"));

    summary_ = new QLabel(this);
    summary_->setObjectName(QStringLiteral("Summary"));
    auto* savePng = new QPushButton(tr("Save as PNG..."), this);
    savePng->setObjectName(QStringLiteral("SavePng"));
    connect(savePng, &QPushButton::clicked, this, &frmStatistics::savePng);
    auto* saveCsv = new QPushButton(tr("Save as CSV..."), this);
    saveCsv->setObjectName(QStringLiteral("SaveCsv"));
    connect(saveCsv, &QPushButton::clicked, this, &frmStatistics::saveCsv);
    auto* close = new QPushButton(tr("Close"), this);
    close->setObjectName(QStringLiteral("Close"));
    connect(close, &QPushButton::clicked, this, &QWidget::close);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(summary_, 1);
    buttons->addWidget(savePng);
    buttons->addWidget(saveCsv);
    buttons->addWidget(close);
    auto* body = new QHBoxLayout;
    body->addWidget(figureList_);
    body->addWidget(pages_, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(body, 1);
    layout->addLayout(buttons);

    figureList_->setCurrentRow(int(FigureDimension::Decade));
}

FigureDimension frmStatistics::dimension() const {
    return kFigureDimensions[std::clamp(figureList_->currentRow(), 0,
                                        int(kFigureDimensions.size()) - 1)];
}

void frmStatistics::setDimension(FigureDimension dimension) {
    figureList_->setCurrentRow(int(dimension));
}

void frmStatistics::setFigures(const CollectionFigures& figures) {
    figures_ = figures;
    showDimension();
}

QString frmStatistics::shownValue(const QString& value) {
    return value.isEmpty() ? tr("(none)") : value;
}

void frmStatistics::changeEvent(QEvent* event) {
    // A dark desktop theme switched on or off while the window is open.
    if (event->type() == QEvent::PaletteChange)
        showDimension();
    QWidget::changeEvent(event);
}

void frmStatistics::keyPressEvent(QKeyEvent* event) {
    // Esc closes it as it closes a dialog.
    if (event->matches(QKeySequence::Cancel))
        close();
    else
        QWidget::keyPressEvent(event);
}

void frmStatistics::showDimension() {
    const FigureDimension shown = dimension();
    const QList<FigureCount>& rows = figures_.of(shown);
    summary_->setText(figures_.titles == 1
                          ? tr("1 title")
                          : tr("%1 titles").arg(QLocale().toString(figures_.titles)));

    table_->setRowCount(int(rows.size()));
    table_->setHorizontalHeaderLabels({FigureDimensionCaption(shown), tr("Titles")});
    for (int row = 0; row < rows.size(); ++row) {
        table_->setItem(row, 0, new QTableWidgetItem(shownValue(rows[row].value)));
        auto* count = new QTableWidgetItem(QString::number(rows[row].count));
        count->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        table_->setItem(row, 1, count);
    }

    // Time and rating read from left to right, evenly, the gaps shown; the others, ranked by
    // count, read best as horizontal bars with the largest on top.
    const bool ordered = FigureDimensionIsOrdered(shown);
    const QList<FigureCount> drawn = FigureTimeline(shown, rows);
    QAbstractBarSeries* series =
        ordered ? static_cast<QAbstractBarSeries*>(new QBarSeries) : new QHorizontalBarSeries;
    auto* bars = new QBarSet(FigureDimensionCaption(shown));
    QStringList categories;
    int highest = 0;
    for (qsizetype i = 0; i < drawn.size(); ++i) {
        const FigureCount& row = drawn[ordered ? i : drawn.size() - 1 - i];
        bars->append(row.count);
        categories << shownValue(row.value);
        highest = std::max(highest, row.count);
    }
    const QPalette colours = palette();
    bars->setColor(colours.color(QPalette::Highlight));
    bars->setBorderColor(colours.color(QPalette::Highlight));
    series->setBarWidth(0.8);
    series->append(bars);
    const qsizetype last = drawn.size() - 1;
    auto rowAt = [drawn, ordered, last](int index) -> const FigureCount& {
        return drawn[ordered ? index : last - index];
    };
    connect(bars, &QBarSet::hovered, this, [this, rowAt](bool on, int index) {
        if (!on) {
            QToolTip::hideText();
            return;
        }
        const FigureCount& row = rowAt(index);
        QToolTip::showText(QCursor::pos(), tr("%1: %2").arg(shownValue(row.value)).arg(row.count),
                           chart_);
    });
    connect(bars, &QBarSet::clicked, this, [this, shown, rowAt](int index) {
        if (rowAt(index).count > 0)
            Q_EMIT figureChosen(shown, rowAt(index).value);
    });

    // A chart of its own for each figure: axes taken out of a chart stay drawn in its scene.
    auto* chart = new QChart;
    chart->legend()->hide();
    std::unique_ptr<QChart> previous(chart_->chart());
    chart_->setChart(chart);
    chart->addSeries(series);
    chart->setTitle(FigureDimensionCaption(shown));
    auto* names = new QBarCategoryAxis;
    names->append(categories);
    auto* counts = new QValueAxis;
    // Ticks at 1, 2 or 5 times a power of ten, some eight of them, the top one above every bar.
    int tick = 1;
    while (tick * 8 < highest)
        tick = QString::number(tick).startsWith(u'2') ? tick / 2 * 5 : tick * 2;
    counts->setRange(0, std::max((highest + tick - 1) / tick, 1) * tick);
    counts->setLabelFormat(QStringLiteral("%d"));
    counts->setTickType(QValueAxis::TicksDynamic);
    counts->setTickAnchor(0);
    counts->setTickInterval(tick);
    // A cut label says nothing; many years or months stand upright, in smaller print.
    names->setTruncateLabels(false);
    if (ordered) {
        if (categories.size() > 12)
            names->setLabelsAngle(-90);
        if (categories.size() > 30) {
            QFont small = names->labelsFont();
            small.setPointSizeF(small.pointSizeF() * 0.75);
            names->setLabelsFont(small);
        }
        chart->addAxis(names, Qt::AlignBottom);
        chart->addAxis(counts, Qt::AlignLeft);
    } else {
        chart->addAxis(names, Qt::AlignLeft);
        chart->addAxis(counts, Qt::AlignBottom);
    }
    series->attachAxis(names);
    series->attachAxis(counts);

    // The desktop's colours, dark or light, rather than the chart's own white.
    chart->setBackgroundBrush(colours.color(QPalette::Base));
    chart->setTitleBrush(colours.color(QPalette::Text));
    for (QAbstractAxis* axis :
         {static_cast<QAbstractAxis*>(names), static_cast<QAbstractAxis*>(counts)}) {
        axis->setLabelsColor(colours.color(QPalette::Text));
        axis->setLinePenColor(colours.color(QPalette::Mid));
        axis->setGridLineColor(colours.color(QPalette::Midlight));
    }
    chart_->setBackgroundBrush(colours.color(QPalette::Window));
}

std::optional<QString> frmStatistics::askFile(const QString& title, const QString& filter,
                                              const QString& suffix) {
    const QString name = FigureDimensionName(dimension()) + suffix;
    return prompts_.saveFile({title, filter, 1, QString(), name});
}

void frmStatistics::reportUnsaved(const QString& path, const QString& reason) {
    prompts_.message({Message::Icon::Exclamation, tr("Statistics"),
                      tr("The figures could not be saved."),
                      FailureDetails(QString(), QDir::toNativeSeparators(path), reason)});
}

void frmStatistics::save(const QString& title, const QString& filter, const QString& suffix,
                         const std::function<bool(QIODevice&)>& write) {
    const std::optional<QString> path = askFile(title, filter, suffix);
    if (!path)
        return;
    QSaveFile file(*path);
    if (!file.open(QIODevice::WriteOnly) || !write(file) || !file.commit())
        reportUnsaved(*path, file.errorString());
}

void frmStatistics::savePng() {
    save(tr("Save as PNG"), tr("PNG Images (*.png)|*.png"), QStringLiteral(".png"),
         [this](QIODevice& file) { return chart_->grab().save(&file, "PNG"); });
}

void frmStatistics::saveCsv() {
    save(tr("Save as CSV"), tr("CSV Files (*.csv)|*.csv"), QStringLiteral(".csv"),
         [this](QIODevice& file) { return file.write(FiguresCsv(figures_.of(dimension()))) >= 0; });
}
