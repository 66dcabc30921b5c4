// SPDX-License-Identifier: GPL-3.0-or-later
// A chart's run of an ordered dimension: the values no title has in between are put in with a
// count of 0, so that the axis runs evenly over time (every year, decade or month from the
// first to the last) and over the whole rating scale. The empty value stays last; the other
// dimensions come back as they are.
#pragma once

#include "CollectionFigures.h"

QList<FigureCount> FigureTimeline(FigureDimension dimension, const QList<FigureCount>& rows);
