#include "Message.h"

QString Message::asPlainText() const {
    QString body = text;
    body.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    if (!details.isEmpty())
        body += u'\n' + details;
    return title + QStringLiteral(": ") + body;
}
