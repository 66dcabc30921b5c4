// Proves a document well-formed with a real XML parser, and with xmllint where it is installed.
#pragma once

#include <QByteArray>
#include <QString>

// Empty when `bytes` parse as one well-formed XML document; the parser's complaint otherwise.
QString XmlProblem(const QByteArray& bytes);
