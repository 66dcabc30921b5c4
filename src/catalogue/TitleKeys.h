// SPDX-License-Identifier: GPL-3.0-or-later
// The title list as one block of text and the end of each entry in it: a catalogue of 100,000
// titles opens without building 100,000 separate strings, and copies share the block.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <initializer_list>

class TitleKeys {
public:
    TitleKeys() = default;
    TitleKeys(const QStringList& titles); // NOLINT: a list of texts is a title list
    TitleKeys(std::initializer_list<QString> titles);

    qsizetype size() const { return ends_.size(); }
    bool isEmpty() const { return ends_.isEmpty(); }
    // All titles' characters.
    qsizetype textSize() const { return ends_.isEmpty() ? 0 : ends_.back(); }
    QStringView at(qsizetype i) const {
        const qsizetype begin = i > 0 ? ends_[i - 1] : 0;
        return QStringView(chars_).sliced(begin, ends_[i] - begin);
    }

    void append(QStringView title);
    // A title as a catalogue file holds it (see CatalogueText.h).
    void appendCatalogueText(QByteArrayView bytes, bool utf8);
    void append(const TitleKeys& other);
    void reserve(qsizetype titles, qsizetype chars);

    QStringList toStringList() const;
    bool operator==(const TitleKeys& other) const;

private:
    // Room for `chars` more characters after the text.
    char16_t* room(qsizetype chars);

    QString chars_; // the titles' characters, then room for more
    QList<qsizetype> ends_;
};
