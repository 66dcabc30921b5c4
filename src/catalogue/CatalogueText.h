// Turning a catalogue file's bytes into text. Reelkeep writes the Windows code page; files that
// were converted to UTF-8 are recognised by being valid UTF-8 with at least one multi-byte
// sequence. Plain ASCII reads the same either way.
#pragma once

#include <QByteArray>
#include <QString>

QString DecodeCatalogueBytes(const QByteArray& bytes);
