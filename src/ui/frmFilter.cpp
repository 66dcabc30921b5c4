#include "frmFilter.h"

#include "browse/FilterSettings.h"
#include "platform/Clock.h"
#include "platform/Twips.h"
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
    setWindowTitle(QStringLiteral("Filters"));
    const double dpi = logicalDpiX();
    setFixedSize(Twips::toPixels(7425, dpi), Twips::toPixels(5160, dpi));

    auto* Frame3 = place(new QGroupBox(QStringLiteral("Entered date"), this), "Frame3",
                         QRectF(120, 0, 7215, 1095));
    Check3_ =
        place(new QCheckBox(QStringLiteral("Use"), Frame3), "Check3", QRectF(240, 360, 855, 300));
    place(new QLabel(QStringLiteral("Show movies entered:"), Frame3), "Label4",
          QRectF(1440, 360, 2295, 255));
    Text2_ = place(new QLineEdit(Frame3), "Text2", QRectF(3960, 360, 1575, 360));
    auto* Command3 = place(new QPushButton(QStringLiteral("Today"), Frame3), "Command3",
                           QRectF(5760, 240, 1335, 255));
    auto* Command4 = place(new QPushButton(QStringLiteral("This month"), Frame3), "Command4",
                           QRectF(5760, 480, 1335, 255));
    auto* Command5 = place(new QPushButton(QStringLiteral("This Year"), Frame3), "Command5",
                           QRectF(5760, 720, 1335, 255));

    auto* Frame1 =
        place(new QGroupBox(QStringLiteral("Year"), this), "Frame1", QRectF(120, 1080, 7215, 1095));
    Check1_ =
        place(new QCheckBox(QStringLiteral("Use"), Frame1), "Check1", QRectF(240, 360, 855, 375));
    place(new QLabel(QStringLiteral("Show only where production year is:"), Frame1), "Label1",
          QRectF(1560, 360, 3375, 255));
    Text1_ = place(new QLineEdit(Frame1), "Text1", QRectF(5040, 360, 1215, 360));

    auto* Frame2 = place(new QGroupBox(QStringLiteral("Status"), this), "Frame2",
                         QRectF(120, 2160, 7215, 1095));
    Check2_ =
        place(new QCheckBox(QStringLiteral("Use"), Frame2), "Check2", QRectF(240, 360, 855, 255));
    place(new QLabel(QStringLiteral("Show only"), Frame2), "Label2", QRectF(1560, 360, 1095, 375));
    Option3_ = place(new QRadioButton(QStringLiteral("Present"), Frame2), "Option3",
                     QRectF(3000, 240, 855, 195));
    Option4_ = place(new QRadioButton(QStringLiteral("Absent"), Frame2), "Option4",
                     QRectF(3000, 480, 975, 195));
    auto* Label3 =
        place(new QLabel(QStringLiteral("movies."), Frame2), "Label3", QRectF(3960, 360, 975, 255));
    // The choices may have widened to fit their captions; the word after them keeps a space.
    const int afterChoices = std::max(Option3_->geometry().right(), Option4_->geometry().right()) +
                             Label3->fontMetrics().horizontalAdvance(u' ');
    Label3->move(std::max(Label3->x(), afterChoices), Label3->y());

    auto* Frame4 = place(new QGroupBox(QStringLiteral("Jove Batch Export"), this), "Frame4",
                         QRectF(120, 3240, 7215, 1095));
    Check4_ =
        place(new QCheckBox(QStringLiteral("Use"), Frame4), "Check4", QRectF(240, 360, 855, 375));
    place(new QLabel(QStringLiteral("Jove Batch Export settings"), Frame4), "Label5",
          QRectF(1800, 360, 2775, 375));

    auto* Command2 = place(new QPushButton(QStringLiteral("Abort"), this), "Command2",
                           QRectF(3600, 4440, 1815, 615));
    auto* Command1 = place(new QPushButton(QStringLiteral("Filter"), this), "Command1",
                           QRectF(5520, 4440, 1815, 615));
    // Esc needs no wiring: a dialog rejects on Esc by itself, and reject() is "Abort".
    Command1->setDefault(true);

    connect(Command1, &QPushButton::clicked, this, &frmFilter::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &frmFilter::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &frmFilter::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &frmFilter::Command4_Click);
    connect(Command5, &QPushButton::clicked, this, &frmFilter::Command5_Click);

    Form_Load();
}

template <class W> W* frmFilter::place(W* widget, const char* name, const QRectF& twips) {
    widget->setObjectName(QLatin1String(name));
    if constexpr (std::is_same_v<W, QLabel>)
        widget->setTextFormat(Qt::PlainText);
    QRect pixels = Twips::toPixels(twips, logicalDpiX());
    // The twips suit a smaller font than today's systems use: a larger box beats a cut caption.
    // Push buttons keep theirs, since their caption line fits and the hinted height would make
    // the date buttons, 240 twips apart, cover one another.
    if constexpr (std::is_same_v<W, QCheckBox> || std::is_same_v<W, QRadioButton> ||
                  std::is_same_v<W, QLabel>)
        pixels.setSize(pixels.size().expandedTo(widget->sizeHint()));
    widget->setGeometry(pixels);
    return widget;
}

void frmFilter::Form_Load() {
    Text1_->setText(filter_.FilterYearText);
    Text2_->setText(filter_.FilterEnteredText);
    Check1_->setChecked(filter_.FilterYearOn);
    Check2_->setChecked(filter_.FilterStatusOn);
    Check3_->setChecked(filter_.FilterEnteredOn);
    Check4_->setChecked(filter_.FilterJoveOn);
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
