// SPDX-License-Identifier: GPL-3.0-or-later
// The media description document Jove Player reads: one line of XML-like text per film.
//
// Every value is escaped so that the document is well-formed XML: "<" and ">" become character
// references, an "&" stays only where it starts a real reference, and characters outside
// printable ASCII are written as references holding their Windows-1252 code (é as &#233;,
// ’ as &#146;, as Jove Player expects) or, beyond that code page, their Unicode code point.
#pragma once

#include "catalogue/CurrentTitle.h"

#include <QString>
#include <optional>

// The escaped form of a value: plain ASCII.
QString replaceChars(const QString& text);

// "<tag>a</tag><tag>b</tag>" for a genre list: the first line only, "," and " " separating
// genres, each escaped.
QString makeXmlTags(const QString& tag, const QString& value);

struct MmdPart {
    int number = 1;   // the name's sort attribute
    QString fileName; // the media file's name without its folder
};

// The batch document (no part: disk label, empty sort) or the document of one part of the
// single-title export (file name, sort = part number).
QString BuildMmd(const CurrentTitle& title, const QString& genres,
                 const std::optional<MmdPart>& part = std::nullopt);

// The bytes of a document file: the document and CR LF.
QByteArray MmdFileBytes(const QString& document);
