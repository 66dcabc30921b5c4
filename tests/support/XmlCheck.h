// Proves a document well-formed with a real XML parser.
#pragma once

#include <QXmlStreamReader>

// Empty when `bytes` parse as one well-formed XML document; the parser's complaint otherwise.
inline QString XmlProblem(const QByteArray& bytes) {
    QXmlStreamReader reader(bytes);
    while (!reader.atEnd())
        reader.readNext();
    return reader.hasError() ? reader.errorString() : QString();
}
