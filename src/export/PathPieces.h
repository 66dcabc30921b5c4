// SPDX-License-Identifier: GPL-3.0-or-later
// Pieces of a media file's path around its last separator.
#pragma once

#include <QString>

// The text after the last separator; the path unchanged when it has none.
QString GetAfterSlash(const QString& path);
// The text up to and including the last separator; the path unchanged when it has none.
QString GetbeforeSlash(const QString& path);
