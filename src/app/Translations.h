// SPDX-License-Identifier: GPL-3.0-or-later
// The viewer speaks the user's language where a translation exists: its own texts and Qt's
// standard dialogs. reelkeep-cli loads none, so scripts always read English.
#pragma once

#include <QList>
#include <QLocale>

class QCoreApplication;
class QTranslator;

namespace Translations {

// Installs the translators for `locale` on `app` and returns them; English, the source, needs
// none.
QList<QTranslator*> Install(QCoreApplication& app, const QLocale& locale = QLocale());

} // namespace Translations
