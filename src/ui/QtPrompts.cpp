// SPDX-License-Identifier: GPL-3.0-or-later
#include "QtPrompts.h"

#include "Wait.h"
#include "platform/MessageTexts.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QFontDialog>
#include <QFontInfo>
#include <QFontMetrics>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QStyle>
#include <algorithm>
#include <utility>
#include <vector>

QStringList QtPrompts::nameFilters(const QString& filter) {
    const QStringList parts = filter.split(u'|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QStringList patterns =
            parts[i + 1].split(QRegularExpression(QStringLiteral("[;, ]")), Qt::SkipEmptyParts);
        // "*.*" means every file, also one without a dot, which Qt's own "*.*" leaves out.
        std::replace(patterns.begin(), patterns.end(), QStringLiteral("*.*"), QStringLiteral("*"));
        // Qt reads the patterns from the last parentheses; the dialog shows the description
        // alone, with its own parentheses if it has any.
        filters << parts[i] + QStringLiteral(" (") + patterns.join(u' ') + u')';
    }
    return filters;
}

namespace {

// A folder to open a dialog in: a hand-edited setting may hold a NUL, which names no folder and
// would only earn a warning from Qt on the terminal.
QString startFolder(const QString& folder) {
    return folder.contains(QChar(0)) ? QString() : folder;
}

std::optional<QString> runFileDialog(QWidget* parent, const OpenFileRequest& request,
                                     QFileDialog::AcceptMode mode) {
    QFileDialog dialog(parent, MessageTexts::shown(request.title),
                       startFolder(request.initialFolder));
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptSave ? QFileDialog::AnyFile
                                                       : QFileDialog::ExistingFile);
    const QStringList filters = QtPrompts::nameFilters(request.filter);
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setNameFilters(filters);
    if (request.selectedFilter >= 1 && request.selectedFilter <= filters.size())
        dialog.selectNameFilter(filters[request.selectedFilter - 1]);
    if (!request.fileName.isEmpty())
        dialog.selectFile(request.fileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return QDir::toNativeSeparators(dialog.selectedFiles().first());
}

// Room beside a window's title for the title bar's icon and buttons, in title bar heights.
constexpr int kTitleBarExtras = 4;
// Between a box and the window it keeps clear of.
constexpr int kClearance = 8;

// The decorations the window system puts around a window, as far as they are known.
QMargins decorationOf(const QWidget* window) {
    const QRect frame = window->frameGeometry();
    const QRect inner = window->geometry();
    return {inner.left() - frame.left(), inner.top() - frame.top(), frame.right() - inner.right(),
            frame.bottom() - inner.bottom()};
}

// A frame of `size` beside `keepClear` and inside `screen`: below it, else above, else to its
// right or left, centred on it as far as the screen allows; nullopt when there is no room.
std::optional<QPoint> clearOf(const QSize& size, const QRect& keepClear, const QRect& screen) {
    const QPoint centre = keepClear.center();
    const auto fitX = [&](int x) {
        return std::max(screen.left(), std::min(x, screen.right() + 1 - size.width()));
    };
    const auto fitY = [&](int y) {
        return std::max(screen.top(), std::min(y, screen.bottom() + 1 - size.height()));
    };
    const int besideX = fitX(centre.x() - size.width() / 2);
    const int besideY = fitY(centre.y() - size.height() / 2);
    const QPoint places[] = {
        {besideX, keepClear.bottom() + 1 + kClearance},
        {besideX, keepClear.top() - kClearance - size.height()},
        {keepClear.right() + 1 + kClearance, besideY},
        {keepClear.left() - kClearance - size.width(), besideY},
    };
    for (const QPoint& place : places)
        if (screen.contains(QRect(place, size)))
            return place;
    return std::nullopt;
}

// A message box wide enough for its title, clear of the progress of a running walk.
class PromptBox final : public QMessageBox {
public:
    using QMessageBox::QMessageBox;

protected:
    bool event(QEvent* event) override {
        const bool handled = QMessageBox::event(event);
        if (event->type() == QEvent::LayoutRequest) // Qt sizes the box afresh to its text
            fitTitle();
        return handled;
    }

    void showEvent(QShowEvent* event) override {
        QMessageBox::showEvent(event);
        if (const int grown = fitTitle())
            move(pos() - QPoint(grown / 2, 0)); // still centred where Qt put it
        for (QWidget* window : QApplication::topLevelWidgets()) {
            const auto* wait = qobject_cast<Wait*>(window);
            if (!wait || !wait->isVisible() || !wait->screen())
                continue;
            // Not shown yet, the box has no frame of its own: it gets one like its owner's.
            const QWidget* owner = parentWidget() ? parentWidget()->window() : wait;
            const QSize frame = QRect(QPoint(), size()).marginsAdded(decorationOf(owner)).size();
            if (const auto place =
                    clearOf(frame, wait->frameGeometry(), wait->screen()->availableGeometry()))
                move(*place);
        }
    }

private:
    // Qt leaves room beside the title for less than a title bar's icon and buttons, so that a
    // short text under a longer title ("Done!" under "Jove Batch") has its title cut short.
    // Returns how much wider the box became.
    int fitTitle() {
        QFont titleFont = font();
        titleFont.setBold(true);
        int titled =
            QFontMetrics(titleFont).horizontalAdvance(windowTitle()) +
            kTitleBarExtras * style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, this);
        if (const QScreen* on = screen()) // a title longer than the screen is cut all the same
            titled = std::min(titled, on->availableGeometry().width());
        const int grown = std::max(titled - width(), 0);
        if (grown)
            setFixedSize(titled, height());
        return grown;
    }
};

} // namespace

std::optional<QString> QtPrompts::openFile(const OpenFileRequest& request) {
    return runFileDialog(parent_, request, QFileDialog::AcceptOpen);
}

std::optional<QString> QtPrompts::saveFile(const OpenFileRequest& request) {
    return runFileDialog(parent_, request, QFileDialog::AcceptSave);
}

std::optional<QString> QtPrompts::chooseFolder(const QString& title, const QString& start) {
    const QString folder = QFileDialog::getExistingDirectory(parent_, title, startFolder(start));
    if (folder.isEmpty())
        return std::nullopt;
    return QDir::toNativeSeparators(folder);
}

std::optional<QString> QtPrompts::inputBox(const QString& prompt, const QString& title,
                                           const QString& proposed) {
    bool ok = false;
    const QString text =
        QInputDialog::getText(parent_, MessageTexts::shown(title), MessageTexts::shown(prompt),
                              QLineEdit::Normal, proposed, &ok);
    if (!ok)
        return std::nullopt;
    return text;
}

Prompts::Answer QtPrompts::message(const Message& message, Buttons buttons) {
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    switch (message.icon) {
    case Message::Icon::Information:
        icon = QMessageBox::Information;
        break;
    case Message::Icon::Question:
        icon = QMessageBox::Question;
        break;
    case Message::Icon::Exclamation:
        icon = QMessageBox::Warning;
        break;
    case Message::Icon::Critical:
        icon = QMessageBox::Critical;
        break;
    case Message::Icon::None:
        break;
    }
    QString text = MessageTexts::shown(message.text);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    PromptBox box(icon, MessageTexts::shown(message.title), text, QMessageBox::NoButton, parent_);
    box.setTextFormat(Qt::PlainText); // texts carry titles and paths, never markup
    if (!message.details.isEmpty())
        box.setInformativeText(Qt::convertFromPlainText(message.details, Qt::WhiteSpaceNormal));
    std::vector<std::pair<const QAbstractButton*, Answer>> choices;
    // One role for all, so that Qt keeps them in the order added whatever the platform's custom.
    const auto choice = [&](const QString& caption, Answer answer) {
        QPushButton* button = box.addButton(MessageTexts::shown(caption), QMessageBox::ActionRole);
        choices.emplace_back(button, answer);
        return button;
    };
    switch (buttons) {
    case Buttons::Ok:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case Buttons::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
    case Buttons::AbortRetryIgnore:
    case Buttons::AbortRetryIgnoreAll:
        box.setEscapeButton(choice(MessageTexts::kAbortButton, Answer::Abort));
        choice(MessageTexts::kRetryButton, Answer::Retry);
        // Enter goes on: Retry mostly meets the same failure again.
        box.setDefaultButton(choice(MessageTexts::kIgnoreButton, Answer::Ignore));
        if (buttons == Buttons::AbortRetryIgnoreAll)
            choice(MessageTexts::kIgnoreAllButton, Answer::IgnoreAll);
        break;
    }
    const int code = box.exec();
    for (const auto& [button, answer] : choices)
        if (box.clickedButton() == button)
            return answer;
    switch (code) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        break;
    }
    // Closing a box without choosing: Ok for a plain box, No for a question, Abort for the
    // error choice, which is what its Esc key means.
    switch (buttons) {
    case Buttons::Ok:
        return Answer::Ok;
    case Buttons::YesNo:
        return Answer::No;
    case Buttons::AbortRetryIgnore:
    case Buttons::AbortRetryIgnoreAll:
        return Answer::Abort;
    }
    return Answer::Ok;
}

std::optional<FontChoice> QtPrompts::chooseFont(const FontChoice& initial) {
    QFont font(initial.name);
    if (initial.pointSize > 0)
        font.setPointSizeF(initial.pointSize);
    font.setBold(initial.bold);
    font.setItalic(initial.italic);
    font.setUnderline(initial.underline);
    // Qt's dialog lists installed families only, and would open a face this machine lacks on an
    // unrelated family in its regular style. It opens instead on the family that stands in for
    // the face, in its style, with the face's own name above the list.
    const QString standIn = QFontInfo(font).family();
    QFont opened = font;
    const bool substituted = standIn.compare(initial.name, Qt::CaseInsensitive) != 0;
    if (substituted)
        opened.setFamily(standIn);
    QFontDialog dialog(opened, parent_);
    const QList<QLineEdit*> boxes = dialog.findChildren<QLineEdit*>();
    const auto family = std::find_if(boxes.begin(), boxes.end(), [&](const QLineEdit* box) {
        return box->isReadOnly() && box->text() == standIn;
    });
    QLineEdit* const familyBox = substituted && family != boxes.end() ? *family : nullptr;
    if (familyBox)
        familyBox->setText(initial.name);
    const QFont shown = dialog.currentFont();
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    const QFont chosen = dialog.selectedFont();
    // The name still shown keeps the face, whatever stands in for it on this machine.
    const QString name =
        familyBox && familyBox->text() == initial.name ? initial.name : chosen.family();
    const QColor colour = QColorDialog::getColor(initial.colour, parent_);
    if (chosen == shown) // unchanged: nor is a fractional size rounded
        return FontChoice{initial.name,   initial.pointSize, initial.bold,
                          initial.italic, initial.underline, colour};
    return FontChoice{
        name, chosen.pointSizeF(), chosen.bold(), chosen.italic(), chosen.underline(), colour};
}
