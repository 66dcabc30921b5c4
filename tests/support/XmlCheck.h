// Proves a document well-formed with a real XML parser, and with xmllint where it is installed.
#pragma once

#include <QProcess>
#include <QStandardPaths>
#include <QXmlStreamReader>

// Empty when `bytes` parse as one well-formed XML document; the parser's complaint otherwise.
inline QString XmlProblem(const QByteArray& bytes) {
    QXmlStreamReader reader(bytes);
    while (!reader.atEnd())
        reader.readNext();
    if (reader.hasError())
        return reader.errorString();
    const QString xmllint = QStandardPaths::findExecutable(QStringLiteral("xmllint"));
    if (xmllint.isEmpty())
        return {};
    QProcess lint;
    lint.start(xmllint, {QStringLiteral("--noout"), QStringLiteral("-")});
    lint.write(bytes);
    lint.closeWriteChannel();
    lint.waitForFinished();
    return lint.exitCode() == 0 ? QString() : QString::fromUtf8(lint.readAllStandardError());
}
