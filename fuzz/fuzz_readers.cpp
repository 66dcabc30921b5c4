// SPDX-License-Identifier: GPL-3.0-or-later
// The indexed readers against the sequential reference on arbitrary catalogue folders: the
// title list, and all four readers for every listed title and a few other keys, must give the
// same outcome, the same failure and the same fields.
//
// Input: one byte saying how each file is present (two bits per file, in the order below:
// 1 missing, 2 a folder in its place, otherwise a file), then the four files' bytes separated
// by kSeparator.
#include "FuzzSupport.h"
#include "catalogue/CatalogueIndex.h"
#include "catalogue/CatalogueReader.h"
#include "catalogue/CatalogueText.h"
#include "catalogue/TitleListReader.h"
#include "platform/MessageTexts.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QTemporaryDir>

namespace {

constexpr QByteArrayView kSeparator("\n@@\n");
const char* const kNames[] = {"reelkeep.dat", "imdb.dat", "media.dat", "History.dat"};
// Keys a damaged file may still hold; the listed titles come on top.
const char* const kFixedKeys[] = {"", " ", "NULL", "Alien", "~", "|", "^"};
// Enough keys to reach deep into a file, few enough to keep the runs quick.
constexpr qsizetype kMaxKeys = 80;

// One folder per process, in memory where the system has such a file system: every input
// rewrites the files. A static, so that a normal end removes it.
QString folderTemplate() {
    const QFileInfo shm(QStringLiteral("/dev/shm"));
    return shm.isDir() && shm.isWritable() ? QStringLiteral("/dev/shm/rkv-fuzz-XXXXXX")
                                           : QDir::tempPath() + QStringLiteral("/rkv-fuzz-XXXXXX");
}

const QString& folder() {
    static QTemporaryDir dir(folderTemplate());
    static const QString path = [] {
        if (!dir.isValid())
            fuzz::Fail("no temporary folder", dir.errorString());
        QDir(dir.path()).mkdir(QStringLiteral("Covers"));
        for (const char* cover : {"Covers/1.jpg", "Covers/2.jpg", "Covers/R-0001.jpg"}) {
            QFile file(dir.filePath(QString::fromLatin1(cover)));
            if (!file.open(QIODevice::WriteOnly))
                fuzz::Fail("cannot write a cover");
        }
        return dir.path() + u'/';
    }();
    return path;
}

void place(const QString& path, int state, const QByteArray& bytes) {
    if (QFileInfo(path).isDir())
        QDir().rmdir(path);
    else
        QFile::remove(path);
    if (state == 1)
        return;
    if (state == 2) {
        QDir().mkdir(path);
        return;
    }
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        fuzz::Fail("cannot write a catalogue file", path);
}

// The first field of every line, read loosely: keys the other files hold that the title list
// may not.
void addLineKeys(const QByteArray& bytes, QStringList& keys, QSet<QString>& seen) {
    const QString text = DecodeCatalogueBytes(bytes);
    for (const QString& line : text.split(u'\r')) {
        if (keys.size() >= kMaxKeys)
            return;
        const QString framed = line.mid(line.startsWith(u'\n') ? 3 : 2);
        const QString key = framed.left(framed.indexOf(u'|'));
        if (!seen.contains(key)) {
            seen.insert(key);
            keys.append(key);
        }
    }
}

QString describe(const ReaderResult& r) {
    return QString::number(int(r.outcome)) + u' ' +
           (r.failure ? MessageTexts::criticalError(*r.failure).text : QStringLiteral("-"));
}

void same(const ReaderResult& reference, const ReaderResult& indexed, const CurrentTitle& a,
          const CurrentTitle& b, const char* reader, const QString& key) {
    const QString detail = QString::fromLatin1(reader) + QStringLiteral(" key \"") + key +
                           QStringLiteral("\": reference ") + describe(reference) +
                           QStringLiteral(", indexed ") + describe(indexed);
    fuzz::Check(reference.outcome == indexed.outcome && reference.failure == indexed.failure,
                "reader results differ", detail);
    fuzz::Check(a == b, "reader fields differ", detail);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0)
        return 0;
    const int states = data[0];
    const QList<QByteArray> files = fuzz::Split(data + 1, size - 1, kSeparator, 4);

    const QString& dbPath = folder();
    for (int i = 0; i < 4; ++i)
        place(dbPath + QString::fromLatin1(kNames[i]), (states >> (2 * i)) & 3, files[i]);

    // A fresh index: the files were rewritten within the same second and may keep their size.
    CatalogueIndex index;
    const TitleList reference = ReadTitleList(dbPath);
    const TitleList indexed = ReadTitleList(dbPath, &index);
    fuzz::Check(reference.outcome == indexed.outcome, "list outcomes differ",
                QString::number(int(reference.outcome)) + u' ' +
                    QString::number(int(indexed.outcome)));
    fuzz::Check(reference.failure == indexed.failure, "list failures differ");
    fuzz::Check(reference.titles == indexed.titles, "title lists differ",
                reference.titles.toStringList().join(u'\n') + QStringLiteral("\n----\n") +
                    indexed.titles.toStringList().join(u'\n'));
    fuzz::Check(reference.statusText() == indexed.statusText(), "status texts differ");

    QStringList keys;
    QSet<QString> seen;
    for (const char* key : kFixedKeys) {
        keys.append(QString::fromLatin1(key));
        seen.insert(keys.back());
    }
    for (const QString& title : reference.titles.toStringList()) {
        if (keys.size() >= kMaxKeys / 2)
            break;
        if (!seen.contains(title)) {
            seen.insert(title);
            keys.append(title);
        }
    }
    for (int i = 1; i < 4; ++i)
        addLineKeys(files[i], keys, seen);

    const QString coverPath = dbPath + QStringLiteral("Covers/");
    const CatalogueReader slow(dbPath, coverPath);
    const CatalogueReader fast(dbPath, coverPath, &index);
    for (const QString& key : keys) {
        CurrentTitle a, b;
        same(slow.ReadTitleRecord(key, a), fast.ReadTitleRecord(key, b), a, b, "title", key);
        same(slow.ReadImdbRecord(key, a), fast.ReadImdbRecord(key, b), a, b, "imdb", key);
        same(slow.ReadMediaRecord(a), fast.ReadMediaRecord(b), a, b, "media", key);
        same(slow.ReadHistoryRecord(key, a), fast.ReadHistoryRecord(key, b), a, b, "history", key);
    }
    return 0;
}
