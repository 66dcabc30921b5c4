// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmMediaInfo.h"

#include "TwipsForm.h"
#include "catalogue/FileExists.h"
#include "mediainfo/Disk_Utils.h"
#include "platform/Failure.h"
#include "platform/MessageTexts.h"
#include "platform/Prompts.h"
#include "platform/SettingsStore.h"
#include "settings/Preferences.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QScreen>
#include <algorithm>

namespace {

const QString kDesignDrive = QStringLiteral("D:");

} // namespace

frmMediaInfo::frmMediaInfo(SettingsStore& store, Prompts& prompts, const QString& dbPath,
                           QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      store_(store), prompts_(prompts), dbPath_(dbPath) {
    setWindowTitle(tr("Media Info"));
    TwipsForm form(*this, QSizeF(10335, 6615));

    auto* Frame1 = form.place(new QGroupBox(tr("Select Media"), this), QStringLiteral("Frame1"),
                              QRectF(120, 120, 10095, 1215));
    Text1_ =
        form.place(new QLineEdit(Frame1), QStringLiteral("Text1"), QRectF(120, 240, 8415, 375));
    auto* Command1 = form.place(new QPushButton(tr("Select"), Frame1), QStringLiteral("Command1"),
                                QRectF(8760, 240, 1215, 375));
    connect(Command1, &QPushButton::clicked, this, &frmMediaInfo::Command1_Click);
    form.place(new QLabel(tr("or (S)VCD Drive:"), Frame1), QStringLiteral("Label1"),
               QRectF(120, 720, 1215, 255));
    for (int i = 0; i < int(cmddrive_.size()); ++i) {
        auto* button =
            form.place(new QPushButton(kDesignDrive, Frame1), QStringLiteral("cmddrive%1").arg(i),
                       QRectF(1560 + 480 * i, 720, 375, 255));
        button->hide();
        connect(button, &QPushButton::clicked, this, [this, i] { cmddrive_Click(i); });
        cmddrive_[i] = button;
    }
    Command2_ = form.place(new QPushButton(tr("&Get info"), Frame1), QStringLiteral("Command2"),
                           QRectF(8760, 720, 1215, 375));
    connect(Command2_, &QPushButton::clicked, this, &frmMediaInfo::Command2_Click);

    Text3_ = form.place(new QPlainTextEdit(this), QStringLiteral("Text3"),
                        QRectF(120, 1440, 10095, 4215));
    Text3_->setReadOnly(true);
    Text3_->setLineWrapMode(QPlainTextEdit::NoWrap);
    Text3_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Text3_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // Lucida Console is rarely installed outside Windows; the hint picks a monospace face then.
    QFont reportFont(QStringLiteral("Lucida Console"));
    reportFont.setStyleHint(QFont::Monospace);
    reportFont.setFixedPitch(true);
    Text3_->setFont(reportFont);

    auto* Frame2 = form.place(new QGroupBox(tr("MediaInfo.exe"), this), QStringLiteral("Frame2"),
                              QRectF(120, 5760, 6855, 735));
    Text2_ =
        form.place(new QLineEdit(Frame2), QStringLiteral("Text2"), QRectF(120, 240, 5295, 375));
    auto* Command12 = form.place(new QPushButton(tr("Select"), Frame2), QStringLiteral("Command12"),
                                 QRectF(5520, 240, 1215, 375));
    connect(Command12, &QPushButton::clicked, this, &frmMediaInfo::Command12_Click);

    auto* Command13 = form.place(new QPushButton(tr("&Save"), this), QStringLiteral("Command13"),
                                 QRectF(8640, 5880, 1455, 615));
    connect(Command13, &QPushButton::clicked, this, &frmMediaInfo::Command13_Click);
    // Esc needs no wiring: a dialog rejects on Esc by itself.
    auto* Command14 = form.place(new QPushButton(tr("&Cancel"), this), QStringLiteral("Command14"),
                                 QRectF(7080, 5880, 1455, 615));
    connect(Command14, &QPushButton::clicked, this, &frmMediaInfo::Command14_Click);
    // The window has no default button: Enter in a path box presses nothing, where Qt would
    // press the next button along, a file dialog or a run. keyPressEvent gives Enter back to a
    // focused button.
    for (QPushButton* button : findChildren<QPushButton*>())
        button->setAutoDefault(false);

    form.fitCaptions();
    Form_Load();
}

void frmMediaInfo::Form_Load() {
    Text2_->setText(ReadMediaInfoTool(store_));
    Text3_->clear();

    for (QPushButton* button : cmddrive_) {
        button->hide();
        button->setText(kDesignDrive);
        button->setToolTip(QString());
    }
    const QStringList drives = OpticalDrives();
    for (qsizetype n = 0; n < drives.size() && n < qsizetype(cmddrive_.size()); ++n) {
        cmddrive_[n]->setText(drives[n]);
        // A mount point rarely fits the button.
        cmddrive_[n]->setToolTip(drives[n]);
        cmddrive_[n]->show();
    }
}

void frmMediaInfo::prepare(const QString& Titel) {
    title_ = Titel;
    Text3_->setPlainText(QStringLiteral("Reelkeep: ") + Titel + u'\n');
    setWindowTitle(Titel);
}

void frmMediaInfo::getMediaInfo(const QString& Titel) {
    prepare(Titel);
    QCoreApplication::processEvents();
    QScreen* screen = parentWidget() ? parentWidget()->screen() : this->screen();
    if (screen)
        move(screen->availableGeometry().center() - rect().center());
    exec();
}

void frmMediaInfo::Command1_Click() {
    const std::optional<QString> media = prompts_.openFile(
        {tr("Find Media (avi mpeg ogm a.s.o.)"),
         QStringLiteral("All Files (*.*)|*.*|Supported Media Files|*.MKV;*.MKA;*.MKS;*.OGG;*.OGM;"
                        "*.AVI;*.WAV;*.MPG;*.MPE;*.MPEG;*.VOB;*.MPV;*.MP2;*.MP3;*.AC3,*.DTS;*.IFO;"
                        "*.ASF;*.WMV;*.WMA;*.QT;*.MOV;*.RA;*.RM;*.RV;*.RMVB"),
         2, QString(), QString()});
    if (media)
        Text1_->setText(*media);
}

void frmMediaInfo::Command12_Click() {
    const std::optional<QString> tool =
        prompts_.openFile({tr("Find MediaInfo Executable (mediainfo.exe)"),
                           QStringLiteral("All Files (*.*)|*.*|EXE Files(*.exe)|*.exe"), 2, dbPath_,
                           QStringLiteral("mediainfo.exe")});
    if (!tool)
        return;
    for (const Message& message : WriteMediaInfoTool(store_, *tool).messages())
        prompts_.message(message, Prompts::Buttons::Ok);
    Text2_->setText(*tool);
}

void frmMediaInfo::cmddrive_Click(int index) {
    Text1_->setText(DriveRoot(cmddrive_.at(index)->text()));
}

void frmMediaInfo::Command2_Click() {
    const QString media = Text1_->text();
    const QString tool = Text2_->text();
    if (runner_.running() || !FileExists(media) || !FileExists(tool))
        return;
    Command2_->setEnabled(false);
    const auto enableAgain = qScopeGuard([this] { Command2_->setEnabled(true); });
    for (;;) {
        const MediaInfoResult result = runner_.run(tool, media);
        if (result.cancelled)
            return;
        if (!result.error) {
            Text3_->setPlainText(NonEmptyLines(result.report));
            return;
        }
        // Ignore would go on to read a report that does not exist, so it ends like Abort.
        if (!retry(*result.error))
            return;
    }
}

void frmMediaInfo::Command13_Click() {
    const QString base = QFileInfo(Text1_->text()).completeBaseName();
    const std::optional<QString> target = prompts_.saveFile(
        {tr("Save MediaInfo Report"),
         QStringLiteral("Text Files (*.txt)|*.txt|All Files (*.*)|*.*"), 1, QString(),
         (base.isEmpty() ? QStringLiteral("MediaInfo") : base) + QStringLiteral(".txt")});
    if (!target)
        return;
    const QString text = Text3_->toPlainText();
    while (const std::optional<Failure> error = SaveReport(*target, text))
        if (!retry(*error))
            return;
}

void frmMediaInfo::Command14_Click() {
    reject();
}

void frmMediaInfo::done(int result) {
    // Closing while MediaInfo runs stops it; the run then shows nothing.
    runner_.cancel();
    QDialog::done(result);
}

void frmMediaInfo::keyPressEvent(QKeyEvent* event) {
    if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter)
        return QDialog::keyPressEvent(event);
    if (auto* button = qobject_cast<QPushButton*>(focusWidget()))
        button->click();
}

bool frmMediaInfo::retry(Failure error) {
    if (error.title.isEmpty())
        error.title = title_;
    return prompts_.message(MessageTexts::mediaInfoErrorChoice(error),
                            Prompts::Buttons::AbortRetryIgnore) == Prompts::Answer::Retry;
}
