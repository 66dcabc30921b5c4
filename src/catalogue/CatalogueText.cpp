#include "CatalogueText.h"

#include <QStringDecoder>

namespace {

bool hasHighByte(const QByteArray& bytes) {
    for (const char c : bytes)
        if (static_cast<unsigned char>(c) >= 0x80)
            return true;
    return false;
}

} // namespace

QString DecodeCatalogueBytes(const QByteArray& bytes) {
    if (!hasHighByte(bytes))
        return QString::fromLatin1(bytes);

    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;

    QStringDecoder cp1252("windows-1252", QStringDecoder::Flag::Stateless);
    return cp1252.decode(bytes);
}
