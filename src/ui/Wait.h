// The progress window of the long list walks (filter run, batch export). It reacts to nothing
// itself; the walk drives it through Progress.
#pragma once

#include "Progress.h"

#include <QElapsedTimer>
#include <QWidget>

class QProgressBar;

class Wait final : public QWidget, public Progress {
    Q_OBJECT

public:
    explicit Wait(QWidget* owner);

    void start(int count) override;
    void step(int index) override;
    void finish() override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QProgressBar* PB1_;
    QElapsedTimer sinceEvents_;
};
