// SPDX-License-Identifier: GPL-3.0-or-later
#include "TitleKeys.h"

#include "CatalogueText.h"

#include <algorithm>
#include <functional>

TitleKeys::TitleKeys(const QStringList& titles) {
    qsizetype chars = 0;
    for (const QString& title : titles)
        chars += title.size();
    reserve(titles.size(), chars);
    for (const QString& title : titles)
        append(QStringView(title));
}

TitleKeys::TitleKeys(std::initializer_list<QString> titles) {
    for (const QString& title : titles)
        append(QStringView(title));
}

char16_t* TitleKeys::room(qsizetype chars) {
    const qsizetype used = textSize();
    const qsizetype needed = used + chars;
    if (chars_.size() < needed)
        chars_.resize(qMax(needed, chars_.size() * 2)); // doubling: appends stay linear
    return reinterpret_cast<char16_t*>(chars_.data()) + used;
}

void TitleKeys::append(QStringView title) {
    const std::less<const QChar*> before;
    if (!before(title.data(), chars_.constData()) &&
        before(title.data(), chars_.constData() + chars_.size())) {
        append(QStringView(title.toString())); // a title of this list: room() may move it
        return;
    }
    std::copy(title.utf16(), title.utf16() + title.size(), room(title.size()));
    ends_.append(textSize() + title.size());
}

void TitleKeys::appendCatalogueText(QByteArrayView bytes, bool utf8) {
    if (utf8) {
        append(QString::fromUtf8(bytes));
        return;
    }
    WidenCatalogueText(room(bytes.size()), bytes);
    ends_.append(textSize() + bytes.size());
}

void TitleKeys::append(const TitleKeys& other) {
    if (&other == this) {
        append(TitleKeys(other)); // room() may move the text being copied
        return;
    }
    const qsizetype offset = textSize();
    const QStringView text = QStringView(other.chars_).left(other.textSize());
    std::copy(text.utf16(), text.utf16() + text.size(), room(text.size()));
    ends_.reserve(ends_.size() + other.ends_.size());
    for (const qsizetype end : other.ends_)
        ends_.append(offset + end);
}

void TitleKeys::reserve(qsizetype titles, qsizetype chars) {
    ends_.reserve(titles);
    room(chars);
}

bool TitleKeys::operator==(const TitleKeys& other) const {
    // Two empty lists are equal however they were made; Qt compares an empty list that never
    // held a block with memcmp on a null pointer.
    return size() == other.size() &&
           (isEmpty() || (ends_ == other.ends_ && QStringView(chars_).left(textSize()) ==
                                                      QStringView(other.chars_).left(textSize())));
}

QStringList TitleKeys::toStringList() const {
    QStringList list;
    list.reserve(size());
    for (qsizetype i = 0; i < size(); ++i)
        list.append(at(i).toString());
    return list;
}
