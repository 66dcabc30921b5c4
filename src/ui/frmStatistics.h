// SPDX-License-Identifier: GPL-3.0-or-later
// The collection at a glance: the figures of the title list as it stood when they were counted,
// one dimension at a time, as a chart and as a table of the same numbers. A bar (or a table row)
// chosen asks the main window to narrow the list to the titles it counts; the main window then
// hands the narrowed list's figures back. The window computes nothing itself.
#pragma once

#include "stats/CollectionFigures.h"

#include <QWidget>
#include <functional>

class Prompts;
class QIODevice;
class QChartView;
class QLabel;
class QListWidget;
class QTableWidget;
class QTabWidget;

class frmStatistics final : public QWidget {
    Q_OBJECT

public:
    frmStatistics(Prompts& prompts, QWidget* owner);

    void setFigures(const CollectionFigures& figures);
    FigureDimension dimension() const;
    void setDimension(FigureDimension dimension);

Q_SIGNALS:
    // The user chose a bar or row: the list is to keep the titles counted under `value`.
    void figureChosen(FigureDimension dimension, const QString& value);

protected:
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void showDimension();
    void savePng();
    void saveCsv();
    // Where to save a picture or table of the figure on show; nullopt when cancelled.
    std::optional<QString> askFile(const QString& title, const QString& filter,
                                   const QString& suffix);
    // Asks where, then writes the file whole through `write` or says why it could not.
    void save(const QString& title, const QString& filter, const QString& suffix,
              const std::function<bool(QIODevice&)>& write);
    void reportUnsaved(const QString& path, const QString& reason);
    // "(none)" for the empty value.
    static QString shownValue(const QString& value);

    Prompts& prompts_;
    CollectionFigures figures_;
    QListWidget* figureList_;
    QTabWidget* pages_;
    QChartView* chart_;
    QTableWidget* table_;
    QLabel* summary_;
};
