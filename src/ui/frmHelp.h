// SPDX-License-Identifier: GPL-3.0-or-later
// The Help window: a fixed page describing the program and its known problem.
#pragma once

#include <QDialog>

class frmHelp final : public QDialog {
    Q_OBJECT

public:
    explicit frmHelp(QWidget* parent = nullptr);

private:
    void Form_Load();
    void Command1_Click();
};
