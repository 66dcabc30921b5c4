// SPDX-License-Identifier: GPL-3.0-or-later
// The settings dialog: fonts and colours of the main window, the Jove export switches, the export
// folder and the batch rules. "&Ok" stores them and asks the main window for a new layout.
#pragma once

#include <QDialog>
#include <array>
#include <utility>
#include <vector>

class Prompts;
class QCheckBox;
class QComboBox;
class QFrame;
class QLineEdit;
class QRadioButton;
class SettingsStore;
struct PendingWork;
struct Preferences;

class frmSettings final : public QDialog {
    Q_OBJECT

public:
    frmSettings(Preferences& prefs, PendingWork& pending, SettingsStore& store, Prompts& prompts,
                QWidget* parent = nullptr);

    // Lets the user pick font idx (0 to 5) with its colour; the font's new description.
    QString SelFont(int idx);

public Q_SLOTS:
    void Form_Load();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void Command10_Click();
    void Command6_Click();
    void Command1_Click();
    void f_Click();
    void Command7_Click();

private:
    // One line of the "Fonts" frame; rows run 1, 2, 3, 4, 5, 0 by font index.
    struct FontRow {
        int index;
        QLineEdit* text;
        QFrame* swatch;
    };

    void chooseFont(int row);
    void showFont(const FontRow& row, const QString& description);

    Preferences& prefs_;
    PendingWork& pending_;
    SettingsStore& store_;
    Prompts& prompts_;

    std::array<FontRow, 6> rows_{};
    QCheckBox* Check1_ = nullptr;
    QCheckBox* Check2_ = nullptr;
    QRadioButton* Option1_ = nullptr;
    QRadioButton* Option2_ = nullptr;
    QRadioButton* Option3_ = nullptr;
    QLineEdit* Text7_ = nullptr;
    std::array<QCheckBox*, 5> uses_{};     // Check3 … Check7
    std::array<QComboBox*, 5> fields_{};   // Combo1 … Combo5
    std::array<QLineEdit*, 5> prefixes_{}; // Text8 … Text12
};
