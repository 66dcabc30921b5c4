// SPDX-License-Identifier: GPL-3.0-or-later
// Turning a catalogue file's bytes into text. Reelkeep writes the Windows code page; files that
// were converted to UTF-8 are recognised by being valid UTF-8 with at least one multi-byte
// sequence. Plain ASCII reads the same either way.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// True when no byte is above 0x7F: the text reads the same in either encoding.
bool IsPlainAscii(QByteArrayView bytes);

// True when the file's bytes are to be read as UTF-8.
bool IsUtf8Catalogue(QByteArrayView bytes);

// Decodes a piece of a file whose encoding IsUtf8Catalogue decided.
QString DecodeCatalogueText(QByteArrayView bytes, bool utf8);
// The same, at the end of `text`.
void AppendCatalogueText(QString& text, QByteArrayView bytes, bool utf8);

// Windows-1252 bytes widened into `out`, which has room for bytes.size() characters; with GCC
// and Clang sixteen bytes at a time.
void WidenCatalogueText(char16_t* out, QByteArrayView bytes);
// The same one byte at a time, as every compiler builds it; tests hold the two together.
void WidenCatalogueTextPortable(char16_t* out, QByteArrayView bytes);

// Whether `bytes` of a Windows-1252 file, or plain ASCII bytes of either kind, read as `text`.
bool IsCatalogueText(QByteArrayView bytes, QStringView text);

QString DecodeCatalogueBytes(const QByteArray& bytes);
