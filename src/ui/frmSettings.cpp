// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmSettings.h"

#include "TwipsForm.h"
#include "platform/MessageTexts.h"
#include "platform/Prompts.h"
#include "platform/SettingsStore.h"
#include "settings/FontPref.h"
#include "settings/PendingWork.h"
#include "settings/Preferences.h"
#include "settings/SettingsKeys.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <utility>

namespace {

using SettingsKeys::kRkv;
using SettingsKeys::kViewer;

// The tab strip takes this much of the tab control's top; the pages begin below it, so frames
// placed by their position on the tab control move up by it inside a page.
constexpr double kTabStripTwips = 360;

// The fields a batch rule can test, stored in English whatever language shows them.
const char* const kFields[] = {QT_TRANSLATE_NOOP("frmSettings", "Location"),
                               QT_TRANSLATE_NOOP("frmSettings", "Medium"),
                               QT_TRANSLATE_NOOP("frmSettings", "User Index")};

// A field name as shown, from its stored English name; a name typed by hand stays as it is.
QString shownField(const QString& stored) {
    for (const char* field : kFields)
        if (stored == QLatin1String(field))
            return frmSettings::tr(field);
    return stored;
}

// The stored English name of a field as shown; a name typed by hand is stored as typed.
QString storedField(const QString& shown) {
    for (const char* field : kFields)
        if (shown == frmSettings::tr(field))
            return QString::fromLatin1(field);
    return shown;
}

using SettingsKeys::numbered;

// A text that is no colour number shows black.
QColor colourOf(const QString& number) {
    return ColourFromPreference(number).value_or(QColor(Qt::black));
}

// Halves go to the even neighbour, as start-up rounds a stored fractional size.
std::int16_t wholeSize(double pointSize) {
    constexpr double lowest = std::numeric_limits<std::int16_t>::min();
    constexpr double highest = std::numeric_limits<std::int16_t>::max();
    if (!std::isfinite(pointSize))
        return 0;
    return static_cast<std::int16_t>(std::clamp(std::nearbyint(pointSize), lowest, highest));
}

} // namespace

frmSettings::frmSettings(Preferences& prefs, PendingWork& pending, SettingsStore& store,
                         Prompts& prompts, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      prefs_(prefs), pending_(pending), store_(store), prompts_(prompts) {
    setWindowTitle(tr("Settings"));
    TwipsForm form(*this, QSizeF(5900, 5100));

    auto* SSTab1 =
        form.place(new QTabWidget(this), QStringLiteral("SSTab1"), QRectF(60, 60, 5775, 4380));
    auto* general = new QWidget;
    auto* jove = new QWidget;
    SSTab1->addTab(general, tr("&General setting"));
    SSTab1->addTab(jove, tr("&Jove Export"));

    auto* Frame1 = form.place(new QGroupBox(tr("Fonts"), general), QStringLiteral("Frame1"),
                              QRectF(120, 480 - kTabStripTwips, 5535, 2655));
    struct RowLayout {
        const char* caption;
        int index;
        const char* button;
        void (frmSettings::*handler)();
    };
    const RowLayout layout[] = {
        {QT_TR_NOOP("Title font:"), 1, "Command2", &frmSettings::Command2_Click},
        {QT_TR_NOOP("Imdb link:"), 2, "Command3", &frmSettings::Command3_Click},
        {QT_TR_NOOP("Aka title:"), 3, "Command4", &frmSettings::Command4_Click},
        {QT_TR_NOOP("Genre:"), 4, "Command5", &frmSettings::Command5_Click},
        {QT_TR_NOOP("Sub title:"), 5, "Command10", &frmSettings::Command10_Click},
        {QT_TR_NOOP("Text:"), 0, "Command6", &frmSettings::Command6_Click},
    };
    for (int r = 0; r < 6; ++r) {
        const double top = 240 + 360 * r;
        form.place(new QLabel(tr(layout[r].caption), Frame1), numbered("FontLabel", r + 1),
                   QRectF(360, top, 1335, 285));
        auto* text = form.place(new QLineEdit(Frame1), numbered("Text", r + 1),
                                QRectF(1800, top, 2535, 285));
        text->setReadOnly(true);
        auto* swatch =
            form.place(new QFrame(Frame1), numbered("Shape", r + 1), QRectF(4440, top, 375, 285));
        swatch->setFrameShape(QFrame::Box);
        swatch->setAutoFillBackground(true);
        auto* button =
            form.place(new QPushButton(tr("..."), Frame1), QString::fromLatin1(layout[r].button),
                       QRectF(4920, top, 495, 285));
        connect(button, &QPushButton::clicked, this, layout[r].handler);
        rows_[r] = FontRow{layout[r].index, text, swatch};
    }

    auto* Frame2 = form.place(new QGroupBox(tr("Jove Export"), jove), QStringLiteral("Frame2"),
                              QRectF(120, 480 - kTabStripTwips, 5535, 975));
    Check1_ = form.place(new QCheckBox(tr("Copy cover image to folder.jpg"), Frame2),
                         QStringLiteral("Check1"), QRectF(240, 240, 2655, 375));
    Check2_ = form.place(new QCheckBox(tr("Overwrite existing folder.jpg"), Frame2),
                         QStringLiteral("Check2"), QRectF(2880, 240, 2535, 375));
    Option1_ = form.place(new QRadioButton(tr("IMDB Genre"), Frame2), QStringLiteral("Option1"),
                          QRectF(240, 600, 1700, 255));
    Option2_ = form.place(new QRadioButton(tr("RK Genre"), Frame2), QStringLiteral("Option2"),
                          QRectF(1920, 600, 1700, 255));
    Option3_ = form.place(new QRadioButton(tr("Combine Genre"), Frame2), QStringLiteral("Option3"),
                          QRectF(3720, 600, 1700, 255));

    auto* Frame3 =
        form.place(new QGroupBox(tr("Jove Batch Export"), jove), QStringLiteral("Frame3"),
                   QRectF(120, 1440 - kTabStripTwips, 5535, 2775));
    form.place(new QLabel(tr("Export path:"), Frame3), QStringLiteral("Label2"),
               QRectF(120, 360, 1215, 375));
    Text7_ =
        form.place(new QLineEdit(Frame3), QStringLiteral("Text7"), QRectF(1440, 360, 3255, 285));
    auto* Command7 = form.place(new QPushButton(tr("..."), Frame3), QStringLiteral("Command7"),
                                QRectF(4800, 360, 495, 285));
    connect(Command7, &QPushButton::clicked, this, &frmSettings::Command7_Click);
    for (int k = 0; k < 5; ++k) {
        const double top = 840 + 360 * k;
        uses_[k] = form.place(new QCheckBox(tr("Use"), Frame3), numbered("Check", k + 3),
                              QRectF(360, top, 1200, 315));
        fields_[k] = form.place(new QComboBox(Frame3), numbered("Combo", k + 1),
                                QRectF(1440, top, 1200, 315));
        fields_[k]->setEditable(true);
        // A typed field name is stored as typed: no completion to an item, no new items.
        fields_[k]->setCompleter(nullptr);
        fields_[k]->setInsertPolicy(QComboBox::NoInsert);
        form.place(new QLabel(tr("Starting with"), Frame3), numbered("Label", k + 3),
                   QRectF(2760, top, 1200, 315));
        prefixes_[k] = form.place(new QLineEdit(Frame3), numbered("Text", k + 8),
                                  QRectF(4080, top, 1200, 315));
    }

    auto* f = form.place(new QPushButton(tr("&Cancel"), this), QStringLiteral("f"),
                         QRectF(3120, 4560, 1215, 375));
    connect(f, &QPushButton::clicked, this, &frmSettings::f_Click);
    auto* Command1 = form.place(new QPushButton(tr("&Ok"), this), QStringLiteral("Command1"),
                                QRectF(4440, 4560, 1215, 375));
    // Enter means Ok; Esc needs nothing, as a dialog rejects on Esc by itself.
    Command1->setDefault(true);
    connect(Command1, &QPushButton::clicked, this, &frmSettings::Command1_Click);

    Form_Load();
    form.fitCaptions();
}

void frmSettings::showFont(const FontRow& row, const QString& description) {
    row.text->setText(description);
    // Long descriptions show their start, the face name, rather than their end.
    row.text->setCursorPosition(0);
    QPalette palette = row.swatch->palette();
    palette.setColor(QPalette::Window, colourOf(prefs_.Fonts[row.index].Color));
    row.swatch->setPalette(palette);
}

void frmSettings::Form_Load() {
    for (const FontRow& row : rows_)
        showFont(row, prefs_.Fonts[row.index].Description);
    Check1_->setChecked(prefs_.CpFolderImage);
    Check2_->setChecked(prefs_.CpFolderOverwrite);

    const std::pair<QRadioButton*, QString> genres[] = {{Option1_, QStringLiteral("IMDB")},
                                                        {Option2_, QStringLiteral("RK")},
                                                        {Option3_, QStringLiteral("COMBINE")}};
    for (const auto& [option, source] : genres) {
        // An unknown choice leaves all three clear, which an exclusive group would not allow.
        option->setAutoExclusive(false);
        option->setChecked(prefs_.GenreSource == source);
        option->setAutoExclusive(true);
    }

    Text7_->setText(ReadSavePath(store_));

    for (int k = 0; k < 5; ++k) {
        const JoveRule& rule = prefs_.JoveRules[k + 1];
        uses_[k]->setChecked(rule.Use);
        fields_[k]->clear();
        for (const char* field : kFields)
            fields_[k]->addItem(tr(field));
        fields_[k]->setEditText(shownField(rule.Field));
        fields_[k]->lineEdit()->setCursorPosition(0);
        prefixes_[k]->setText(rule.Prefix);
    }
}

QString frmSettings::SelFont(int idx) {
    if (idx < 0 || idx >= int(prefs_.Fonts.size()))
        return QString();
    FontPref& font = prefs_.Fonts[idx];
    const std::optional<FontChoice> choice =
        prompts_.chooseFont(FontChoice{font.Name, double(font.Size), font.Bold, font.Italic,
                                       font.Underline, colourOf(font.Color)});
    // A cancelled choice keeps the spec as stored, a fractional size included.
    if (!choice)
        return font.Description;

    font.Name = choice->name;
    font.Size = wholeSize(choice->pointSize);
    font.Bold = choice->bold;
    font.Italic = choice->italic;
    font.Underline = choice->underline;
    if (choice->colour.isValid()) // else the colour dialog was cancelled: the font still holds
        font.Color = ColourPreference(choice->colour);
    font.Description =
        FontDescription(font.Name, choice->pointSize, font.Bold, font.Italic, font.Underline);
    font.Spec = FontSpec(font.Name, choice->pointSize, font.Bold, font.Italic, font.Underline);
    return font.Description;
}

void frmSettings::chooseFont(int row) {
    showFont(rows_[row], SelFont(rows_[row].index));
}

void frmSettings::Command2_Click() {
    chooseFont(0);
}

void frmSettings::Command3_Click() {
    chooseFont(1);
}

void frmSettings::Command4_Click() {
    chooseFont(2);
}

void frmSettings::Command5_Click() {
    chooseFont(3);
}

void frmSettings::Command10_Click() {
    chooseFont(4);
}

void frmSettings::Command6_Click() {
    chooseFont(5);
}

void frmSettings::Command7_Click() {
    const std::optional<QString> folder = prompts_.chooseFolder(tr("Export path"), Text7_->text());
    if (!folder)
        return;
    // Stored folders end with a separator, as DBPath and CoverPath do.
    QString path = *folder;
    if (!path.endsWith(QDir::separator()) && !path.endsWith(u'/'))
        path += QDir::separator();
    Text7_->setText(path);
}

void frmSettings::Command1_Click() {
    // A greyed box counts as off.
    prefs_.CpFolderImage = Check1_->checkState() == Qt::Checked;
    prefs_.CpFolderOverwrite = Check2_->checkState() == Qt::Checked;
    if (Option1_->isChecked())
        prefs_.GenreSource = QStringLiteral("IMDB");
    else if (Option2_->isChecked())
        prefs_.GenreSource = QStringLiteral("RK");
    else if (Option3_->isChecked())
        prefs_.GenreSource = QStringLiteral("COMBINE");
    for (int k = 0; k < 5; ++k) {
        JoveRule& rule = prefs_.JoveRules[k + 1];
        rule.Use = uses_[k]->checkState() == Qt::Checked;
        rule.Field = storedField(fields_[k]->currentText());
        rule.Prefix = prefixes_[k]->text();
    }
    // One save for all: a crash in the middle must not leave half the new settings.
    for (const Message& message : WritePreferences(store_, prefs_, Text7_->text()).messages())
        prompts_.message(message, Prompts::Buttons::Ok);
    pending_.relayout = true;
    accept();
}

void frmSettings::f_Click() {
    reject();
}
