// SPDX-License-Identifier: GPL-3.0-or-later
#include "MediaInfoReport.h"

#include "platform/MessageTexts.h"

#include <QRegularExpression>
#include <QSaveFile>

QString NonEmptyLines(const QString& report) {
    static const QRegularExpression lineEnd(QStringLiteral("\r\n|\n|\r"));
    QString text;
    for (const QString& line : report.split(lineEnd))
        if (!line.isEmpty())
            text += line + u'\n';
    return text;
}

std::optional<Failure> SaveReport(const QString& path, const QString& text) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text) || file.write(text.toUtf8()) < 0 ||
        !file.commit())
        return MessageTexts::kReportNotSaved.at(
            path, file.error() == QFileDevice::NoError ? QString() : file.errorString());
    return std::nullopt;
}
