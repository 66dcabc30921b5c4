// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmHelp.h"

#include "platform/Twips.h"

#include <QLabel>
#include <QPushButton>

namespace {

const QString kNewLine = QStringLiteral("\r\n");

} // namespace

frmHelp::frmHelp(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint) {
    setWindowTitle(tr("Help"));
    const double dpi = logicalDpiX();
    setFixedSize(Twips::toPixels(7995, dpi), Twips::toPixels(6270, dpi));

    const QRectF places[] = {QRectF(120, 120, 7695, 3135), QRectF(120, 3600, 7695, 1815)};
    const char* names[] = {"Label1", "Label2"};
    for (int i = 0; i < 2; ++i) {
        auto* label = new QLabel(this);
        label->setObjectName(QLatin1String(names[i]));
        label->setTextFormat(Qt::PlainText);
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        label->setWordWrap(true);
        label->setGeometry(Twips::toPixels(places[i], dpi));
    }

    auto* Command1 = new QPushButton(tr("Close"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setGeometry(Twips::toPixels(QRectF(2970, 5640, 2055, 495), dpi));
    // Esc needs no wiring: a dialog rejects on Esc by itself.
    connect(Command1, &QPushButton::clicked, this, &frmHelp::Command1_Click);

    // With no explicit position, Qt centres the dialog over its owner when it is shown.
    Form_Load();
}

void frmHelp::Form_Load() {
    findChild<QLabel*>(QStringLiteral("Label1"))
        ->setText(QStringLiteral("Reelkeep Viewer") + kNewLine + kNewLine +
                  QStringLiteral("Reelkeep Viewer (Hereafter refered to as RKV) is a program "
                                 "that can read ") +
                  QStringLiteral("the datafiles from a program named Reelkeep. Reelkeep is an "
                                 "excellent ") +
                  QStringLiteral("database program that keeps track of your movies, and also it "
                                 "makes it easy to maintain your movie database.") +
                  kNewLine +
                  QStringLiteral("RKV:s main purpose is to make it easy to browse the database, "
                                 "and to make it ") +
                  QStringLiteral("possible to export mmd-files from the database to Jove Player.") +
                  kNewLine +
                  QStringLiteral("Jove Player is a very powerfull program that connects your "
                                 "computer to your ") +
                  QStringLiteral("home cinema, and makes it very easy to manage."));
    findChild<QLabel*>(QStringLiteral("Label2"))
        ->setText(QStringLiteral("Known Bugs") + kNewLine + kNewLine +
                  QStringLiteral("RKV does have a problem if there are linefeeds in the "
                                 "datafiles, so please avoid to ") +
                  QStringLiteral("press enter in the textboxes of Reelkeep untill I solved this."));
}

void frmHelp::Command1_Click() {
    reject();
}
