// SPDX-License-Identifier: GPL-3.0-or-later
#include "Translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

namespace Translations {

QList<QTranslator*> Install(QCoreApplication& app, const QLocale& locale) {
    QList<QTranslator*> installed;
    // Installed beside the program's data; in a build tree, where the build put them.
    const QStringList folders{QCoreApplication::applicationDirPath() +
                                  QStringLiteral("/../share/reelkeep-viewer/translations"),
                              QStringLiteral(RKV_TRANSLATIONS_BUILD_DIR)};
    auto* own = new QTranslator(&app);
    for (const QString& folder : folders)
        if (own->load(locale, QStringLiteral("reelkeep-viewer"), QStringLiteral("_"), folder)) {
            QCoreApplication::installTranslator(own);
            installed << own;
            break;
        }
    auto* qt = new QTranslator(&app);
    if (qt->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qt);
        installed << qt;
    }
    return installed;
}

} // namespace Translations
