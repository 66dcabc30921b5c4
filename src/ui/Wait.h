// SPDX-License-Identifier: GPL-3.0-or-later
// The progress window of the long list walks (filter run, batch export). It reacts to nothing
// itself; the walk drives it through Progress.
#pragma once

#include "platform/Progress.h"

#include <QElapsedTimer>
#include <QList>
#include <QPointer>
#include <QWidget>

class QAction;
class QProgressBar;
class QShortcut;

class Wait final : public QWidget, public Progress {
    Q_OBJECT

public:
    explicit Wait(QWidget* owner);
    ~Wait() override;

    void start(int count) override;
    void step(int index) override;
    void finish() override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QProgressBar* PB1_;
    QElapsedTimer sinceEvents_;
    // The owner's commands switched off for this window's life.
    QList<QPointer<QAction>> heldActions_;
    QList<QPointer<QShortcut>> heldShortcuts_;
};
