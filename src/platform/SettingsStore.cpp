// SPDX-License-Identifier: GPL-3.0-or-later
#include "SettingsStore.h"

#include "MessageTexts.h"

namespace {

QString fileLines(const QStringList& files) {
    QStringList lines;
    for (const QString& file : files)
        lines << FailureDetails({}, file, {});
    return lines.join(u'\n');
}

} // namespace

QList<Message> SettingsSaved::messages() const {
    QList<Message> boxes;
    if (!saved)
        boxes << MessageTexts::settingsNotSaved(fileLines(notSaved));
    if (!replaced.isEmpty())
        boxes << MessageTexts::settingsReplaced(fileLines(replaced));
    return boxes;
}
