// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's layout pass as a pure function: from the inner width W and height H of the
// window, the status bar height S (all twips) and the labels' own heights, the geometry of every
// frame and child, relative to its container. Frames take fixed shares of the window; children
// sit at fixed margins; labels stack by their own height.
#pragma once

#include <QHash>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

struct Placement {
    QString name;
    QRectF rect; // twips
};

class MainLayout {
public:
    // Height in twips of a label with its current text and font.
    using LabelHeight = std::function<double(const QString& name)>;

    // In placement order. A size that would turn negative keeps its `previous` value (a window
    // too small for a control leaves it as it was); positions always follow.
    static std::vector<Placement> compute(double W, double H, double S,
                                          const LabelHeight& labelHeight,
                                          const QHash<QString, QRectF>& previous = {});

    // The frames, in placement order, and the labels each lower frame stacks.
    static const QStringList& frames();
    static const QStringList& stackedLabels(const QString& frame);
};
