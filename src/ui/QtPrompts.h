// SPDX-License-Identifier: GPL-3.0-or-later
// Prompts on Qt's standard dialogs.
#pragma once

#include "platform/Prompts.h"

class QWidget;

class QtPrompts final : public Prompts {
public:
    explicit QtPrompts(QWidget* parent = nullptr) : parent_(parent) {}
    void setParent(QWidget* parent) { parent_ = parent; }

    std::optional<QString> openFile(const OpenFileRequest& request) override;
    std::optional<QString> saveFile(const OpenFileRequest& request) override;
    std::optional<QString> chooseFolder(const QString& title, const QString& start) override;
    std::optional<QString> inputBox(const QString& prompt, const QString& title,
                                    const QString& proposed) override;
    // A box at least as wide as its title needs; opened while a walk shows its progress, it
    // stands clear of the Wait window.
    Answer message(const Message& message, Buttons buttons) override;
    // The font dialog, then the colour dialog; cancelling the colour keeps the font chosen.
    std::optional<FontChoice> chooseFont(const FontChoice& initial) override;

    // "A (*.a)|*.a|B|*.b;*.c|All (*.*)|*.*" as Qt name filters: "A (*.a) (*.a)",
    // "B (*.b *.c)", "All (*.*) (*)".
    static QStringList nameFilters(const QString& filter);

private:
    QWidget* parent_;
};
