// SPDX-License-Identifier: GPL-3.0-or-later
// The filter dialog: edits the filter criteria and asks the main window for a run through the
// pending flags; the run itself is the main window's.
#pragma once

#include <QDialog>

class Clock;
class QCheckBox;
class QLineEdit;
class QRadioButton;
struct FilterSettings;
struct PendingWork;

class frmFilter final : public QDialog {
    Q_OBJECT

public:
    frmFilter(FilterSettings& filter, PendingWork& pending, const Clock& clock,
              QWidget* parent = nullptr);

public Q_SLOTS:
    void Form_Load();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();

    // Esc and the close box end the dialog here too, so they count as "Abort".
    void reject() override;

private:
    void showToday(const QString& pattern);

    FilterSettings& filter_;
    PendingWork& pending_;
    const Clock& clock_;

    QCheckBox* Check1_;
    QCheckBox* Check2_;
    QCheckBox* Check3_;
    QCheckBox* Check4_;
    QCheckBox* Check5_;
    QLineEdit* Text1_;
    QLineEdit* Text2_;
    QLineEdit* Text3_;
    QRadioButton* Option3_;
    QRadioButton* Option4_;
};
