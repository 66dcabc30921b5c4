// SPDX-License-Identifier: GPL-3.0-or-later
// The names documents are written under, on arbitrary index texts: whatever the catalogue
// holds, a batch document lands in the export folder under exactly the name it was given, or
// nothing is written at all. A name cut short by a NUL, or one that leaves the folder, breaks
// the property. The same holds for the file writer given any name without a separator, so
// that the writer's own guard is tried too.
//
// Input: the index's bytes, read as the catalogue reads them, as Latin-1 and as raw UTF-16
// (lone surrogates included). Files are really written, into a folder of the run's own.
#include "FuzzSupport.h"
#include "catalogue/CatalogueText.h"
#include "export/BatchDocument.h"
#include "platform/Message.h"

#include <QDir>
#include <QTemporaryDir>
#include <dirent.h>
#include <unistd.h>

namespace {

struct Sandbox {
    QTemporaryDir root;
    QString out = root.filePath(QStringLiteral("out"));
    Sandbox() {
        if (!root.isValid() || !QDir().mkpath(out))
            fuzz::Fail("no sandbox folder");
    }
};

// The names in `folder` as the file system holds them, in bytes: a decoded listing could hide
// a difference, or make one up (a byte order mark at the start of a name).
QList<QByteArray> entries(const QString& folder) {
    QList<QByteArray> names;
    if (DIR* dir = opendir(QFile::encodeName(folder).constData())) {
        while (const dirent* entry = readdir(dir))
            if (qstrcmp(entry->d_name, ".") != 0 && qstrcmp(entry->d_name, "..") != 0)
                names << QByteArray(entry->d_name);
        closedir(dir);
    }
    return names;
}

// What the folder must hold after a write of `name`: the name itself, in the bytes QFile opens
// it under, or nothing.
void checkFolder(const Sandbox& box, const QString& name, bool written, const char* what) {
    const QList<QByteArray> found = entries(box.out);
    const QString shown = VisibleName(name) + QStringLiteral(" -> ") +
                          QString::fromUtf8(found.isEmpty() ? QByteArray() : found.first());
    fuzz::Check(entries(box.root.path()) == QList<QByteArray>{"out"}, what, shown);
    if (written)
        fuzz::Check(found == QList<QByteArray>{QFile::encodeName(name)}, what, shown);
    else
        fuzz::Check(found.isEmpty(), what, shown);
    for (const QByteArray& entry : found)
        ::unlink((QFile::encodeName(box.out) + '/' + entry).constData());
}

void tryIndex(const Sandbox& box, const QString& idx) {
    CurrentTitle title;
    title.Title = QStringLiteral("T");
    title.Idx = idx;
    QString path;
    const bool named = !BatchDocumentPath(box.out, idx, path);
    FileWriter writer; // of this try alone: the files it made are not synced
    const bool written = !WriteIt(box.out, title, {}, writer);
    fuzz::Check(named || !written, "a refused index was written", VisibleName(idx));
    checkFolder(box, idx + QStringLiteral(".mmd"), written, "a batch document went astray");

    // The writer on the same name with its separators and ".." taken out, which the batch
    // refuses first: what is left must still land under its own name, or nowhere.
    QString plain = idx;
    plain.remove(u'/').remove(u'\\').replace(QStringLiteral(".."), QStringLiteral("_"));
    if (plain.isEmpty() || plain == QStringLiteral("."))
        return;
    const bool kept = !writer.write(box.out + u'/' + plain, "x");
    checkFolder(box, plain, kept, "the writer wrote under another name");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const Sandbox box;
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    tryIndex(box, DecodeCatalogueBytes(bytes));
    tryIndex(box, QString::fromLatin1(bytes));
    tryIndex(box, QString(reinterpret_cast<const QChar*>(bytes.constData()), bytes.size() / 2));
    return 0;
}
