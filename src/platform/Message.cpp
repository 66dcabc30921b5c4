#include "Message.h"

QString Message::asPlainText() const {
    QString body = text;
    body.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return title + QStringLiteral(": ") + body;
}
