#include "Message.h"

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
        lines << QStringLiteral("Title: ") + VisibleName(title);
    if (!file.isEmpty())
        lines << QStringLiteral("File: ") + VisibleName(file);
    if (!reason.isEmpty())
        lines << QStringLiteral("Reason: ") + reason;
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
