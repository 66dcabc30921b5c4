#include "MediaInfoReport.h"

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

QString ErrorChoiceText(const MediaInfoError& error) {
    return QStringLiteral("Error: %1 (%2)\r\n\r\nWhat do you want to do?")
        .arg(QString::number(error.number), error.description);
}

std::optional<MediaInfoError> SaveReport(const QString& path, const QString& text) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text) || file.write(text.toUtf8()) < 0 ||
        !file.commit())
        return MediaInfoError{
            75, QStringLiteral("Path/File access error: the report could not be saved"), path,
            file.error() == QFileDevice::NoError ? QString() : file.errorString()};
    return std::nullopt;
}
