// SPDX-License-Identifier: GPL-3.0-or-later
#include "Message.h"

#include <QCoreApplication>

#include <QStringList>

QString Message::asPlainText() const {
    QString body = text;
    body.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    if (!details.isEmpty())
        body += u'\n' + details;
    return title + QStringLiteral(": ") + body;
}

QString FailureDetails(const QString& title, const QString& file, const QString& reason) {
    QStringList lines;
    if (!title.isEmpty())
        lines << QCoreApplication::translate("MessageTexts", "Title: ") + VisibleName(title);
    if (!file.isEmpty())
        lines << QCoreApplication::translate("MessageTexts", "File: ") + VisibleName(file);
    if (!reason.isEmpty())
        lines << QCoreApplication::translate("MessageTexts", "Reason: ") + reason;
    return lines.join(u'\n');
}

QString VisibleName(const QString& name) {
    QString shown = name;
    for (QChar& c : shown) {
        if (c.unicode() < 0x20)
            c = QChar(0x2400 + c.unicode());
        else if (c.unicode() == 0x7f)
            c = QChar(0x2421);
    }
    return shown;
}
