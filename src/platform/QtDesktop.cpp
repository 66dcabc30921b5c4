// SPDX-License-Identifier: GPL-3.0-or-later
#include "QtDesktop.h"

#include <QDesktopServices>
#include <QUrl>

bool QtDesktop::openAddress(const QString& address) {
    return QDesktopServices::openUrl(QUrl(address, QUrl::TolerantMode));
}
