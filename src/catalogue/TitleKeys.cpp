#include "TitleKeys.h"

#include "CatalogueText.h"

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

void TitleKeys::append(QStringView title) {
    chars_.append(title);
    ends_.append(chars_.size());
}

void TitleKeys::appendCatalogueText(QByteArrayView bytes, bool utf8) {
    AppendCatalogueText(chars_, bytes, utf8);
    ends_.append(chars_.size());
}

void TitleKeys::append(const TitleKeys& other) {
    const qsizetype offset = chars_.size();
    chars_.append(other.chars_);
    ends_.reserve(ends_.size() + other.ends_.size());
    for (const qsizetype end : other.ends_)
        ends_.append(offset + end);
}

void TitleKeys::reserve(qsizetype titles, qsizetype chars) {
    ends_.reserve(titles);
    chars_.reserve(chars);
}

bool TitleKeys::operator==(const TitleKeys& other) const {
    // Two empty lists are equal however they were made; Qt compares an empty list that never
    // held a block with memcmp on a null pointer.
    return size() == other.size() &&
           (isEmpty() || (ends_ == other.ends_ && chars_ == other.chars_));
}

QStringList TitleKeys::toStringList() const {
    QStringList list;
    list.reserve(size());
    for (qsizetype i = 0; i < size(); ++i)
        list.append(at(i).toString());
    return list;
}
