// SPDX-License-Identifier: GPL-3.0-or-later
// The media information window: the user picks a media file (or an optical drive) and the
// MediaInfo tool, and the tool's report appears in the report box.
#pragma once

#include "mediainfo/MediaInfoRunner.h"

#include <QDialog>
#include <array>

class Prompts;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class SettingsStore;

class frmMediaInfo final : public QDialog {
    Q_OBJECT

public:
    frmMediaInfo(SettingsStore& store, Prompts& prompts, const QString& dbPath,
                 QWidget* parent = nullptr);

    // Heads the report box with the title, captions the window with it and shows the window
    // modally; returns when the window closes.
    void getMediaInfo(const QString& Titel);
    // The heading and caption of getMediaInfo, without showing the window.
    void prepare(const QString& Titel);

    // How long a run of MediaInfo may take before it counts as hanging.
    void setTimeLimit(std::chrono::milliseconds limit) { runner_.setTimeLimit(limit); }

public Q_SLOTS:
    void Form_Load();
    void Command1_Click();
    void Command12_Click();
    void Command2_Click();
    void Command13_Click();
    void Command14_Click();
    void cmddrive_Click(int index);

protected:
    void done(int result) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // The error choice for a failed step, naming the title the window was opened for: true
    // when the user asks to retry it.
    bool retry(Failure error);

    SettingsStore& store_;
    Prompts& prompts_;
    QString dbPath_;
    QString title_; // as the window was opened for it
    MediaInfoRunner runner_;

    QLineEdit* Text1_ = nullptr;
    QLineEdit* Text2_ = nullptr;
    QPlainTextEdit* Text3_ = nullptr;
    QPushButton* Command2_ = nullptr;
    std::array<QPushButton*, 11> cmddrive_{};
};
