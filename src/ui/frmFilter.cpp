// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmFilter.h"

#include "TwipsForm.h"

#include "browse/FilterSettings.h"
#include "platform/Clock.h"
#include "settings/PendingWork.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>
#include <type_traits>

frmFilter::frmFilter(FilterSettings& filter, PendingWork& pending, const Clock& clock,
                     QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      filter_(filter), pending_(pending), clock_(clock) {
    setObjectName(QStringLiteral("frmFilter"));
    setWindowTitle(tr("Filters"));
    TwipsForm form(*this, QSizeF(7425, 6240));

    auto* Frame3 = form.place(new QGroupBox(tr("Entered date"), this), QStringLiteral("Frame3"),
                              QRectF(120, 0, 7215, 1095));
    Check3_ = form.place(new QCheckBox(tr("Use"), Frame3), QStringLiteral("Check3"),
                         QRectF(240, 360, 855, 300));
    form.place(new QLabel(tr("Show movies entered:"), Frame3), QStringLiteral("Label4"),
               QRectF(1440, 360, 2295, 255));
    Text2_ =
        form.place(new QLineEdit(Frame3), QStringLiteral("Text2"), QRectF(3960, 360, 1575, 360));
    auto* Command3 = form.place(new QPushButton(tr("Today"), Frame3), QStringLiteral("Command3"),
                                QRectF(5760, 240, 1335, 255));
    auto* Command4 = form.place(new QPushButton(tr("This month"), Frame3),
                                QStringLiteral("Command4"), QRectF(5760, 480, 1335, 255));
    auto* Command5 = form.place(new QPushButton(tr("This Year"), Frame3),
                                QStringLiteral("Command5"), QRectF(5760, 720, 1335, 255));

    auto* Frame1 = form.place(new QGroupBox(tr("Year"), this), QStringLiteral("Frame1"),
                              QRectF(120, 1080, 7215, 1095));
    Check1_ = form.place(new QCheckBox(tr("Use"), Frame1), QStringLiteral("Check1"),
                         QRectF(240, 360, 855, 375));
    form.place(new QLabel(tr("Show only where production year is:"), Frame1),
               QStringLiteral("Label1"), QRectF(1560, 360, 3375, 255));
    Text1_ =
        form.place(new QLineEdit(Frame1), QStringLiteral("Text1"), QRectF(5040, 360, 1215, 360));

    auto* Frame2 = form.place(new QGroupBox(tr("Status"), this), QStringLiteral("Frame2"),
                              QRectF(120, 2160, 7215, 1095));
    Check2_ = form.place(new QCheckBox(tr("Use"), Frame2), QStringLiteral("Check2"),
                         QRectF(240, 360, 855, 255));
    form.place(new QLabel(tr("Show only"), Frame2), QStringLiteral("Label2"),
               QRectF(1560, 360, 1095, 375));
    Option3_ = form.place(new QRadioButton(tr("Present"), Frame2), QStringLiteral("Option3"),
                          QRectF(3000, 240, 855, 195));
    Option4_ = form.place(new QRadioButton(tr("Absent"), Frame2), QStringLiteral("Option4"),
                          QRectF(3000, 480, 975, 195));
    form.place(new QLabel(tr("movies."), Frame2), QStringLiteral("Label3"),
               QRectF(3960, 360, 975, 255));

    auto* Frame4 = form.place(new QGroupBox(tr("Jove Batch Export"), this),
                              QStringLiteral("Frame4"), QRectF(120, 3240, 7215, 1095));
    Check4_ = form.place(new QCheckBox(tr("Use"), Frame4), QStringLiteral("Check4"),
                         QRectF(240, 360, 855, 375));
    form.place(new QLabel(tr("Jove Batch Export settings"), Frame4), QStringLiteral("Label5"),
               QRectF(1800, 360, 2775, 375));

    // Ours: a text any fact of the title holds, letter case and accents ignored.
    auto* Frame5 = form.place(new QGroupBox(tr("Contains"), this), QStringLiteral("Frame5"),
                              QRectF(120, 4320, 7215, 1095));
    Check5_ = form.place(new QCheckBox(tr("Use"), Frame5), QStringLiteral("Check5"),
                         QRectF(240, 360, 855, 375));
    auto* Label6 = form.place(new QLabel(tr("Show only titles where a fact contains:"), Frame5),
                              QStringLiteral("Label6"), QRectF(1440, 360, 3255, 255));
    Text3_ =
        form.place(new QLineEdit(Frame5), QStringLiteral("Text3"), QRectF(4800, 360, 2295, 360));
    Label6->setBuddy(Text3_);

    auto* Command2 = form.place(new QPushButton(tr("Abort"), this), QStringLiteral("Command2"),
                                QRectF(3600, 5520, 1815, 615));
    auto* Command1 = form.place(new QPushButton(tr("Filter"), this), QStringLiteral("Command1"),
                                QRectF(5520, 5520, 1815, 615));
    // Esc needs no wiring: a dialog rejects on Esc by itself, and reject() is "Abort".
    Command1->setDefault(true);

    connect(Command1, &QPushButton::clicked, this, &frmFilter::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &frmFilter::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &frmFilter::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &frmFilter::Command4_Click);
    connect(Command5, &QPushButton::clicked, this, &frmFilter::Command5_Click);

    form.fitCaptions();
    Form_Load();
}

void frmFilter::Form_Load() {
    Text1_->setText(filter_.FilterYearText);
    Text2_->setText(filter_.FilterEnteredText);
    Check1_->setChecked(filter_.FilterYearOn);
    Check2_->setChecked(filter_.FilterStatusOn);
    Check3_->setChecked(filter_.FilterEnteredOn);
    Check4_->setChecked(filter_.FilterJoveOn);
    Check5_->setChecked(filter_.FilterTextOn);
    Text3_->setText(filter_.FilterText);
    (filter_.FilterPresent ? Option3_ : Option4_)->setChecked(true);
}

void frmFilter::Command1_Click() {
    filter_.FilterEnteredText = Text2_->text();
    filter_.FilterEnteredOn = Check3_->isChecked();
    filter_.FilterYearText = Text1_->text();
    filter_.FilterYearOn = Check1_->isChecked();
    filter_.FilterPresent = Option3_->isChecked();
    filter_.FilterStatusOn = Check2_->isChecked();
    filter_.FilterJoveOn = Check4_->isChecked();
    filter_.FilterTextOn = Check5_->isChecked();
    filter_.FilterText = Text3_->text();
    pending_.filter = true;
    accept();
}

void frmFilter::Command2_Click() {
    pending_.filter = false;
    QDialog::reject();
}

void frmFilter::reject() {
    Command2_Click();
}

void frmFilter::Command3_Click() {
    showToday(QStringLiteral("yyyy-MM-dd"));
}

void frmFilter::Command4_Click() {
    showToday(QStringLiteral("yyyy-MM"));
}

void frmFilter::Command5_Click() {
    showToday(QStringLiteral("yyyy"));
}

void frmFilter::showToday(const QString& pattern) {
    Text2_->setText(clock_.now().date().toString(pattern));
}
