// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmMain.h"

#include "CoverWall.h"
#include "ElidedLabel.h"
#include "FontSlots.h"
#include "MainLayout.h"
#include "StatisticsRun.h"
#include "TitleListModel.h"
#include "Wait.h"
#include "browse/FactSearch.h"
#include "browse/FilterRun.h"
#include "browse/GatherTitle.h"
#include "browse/MainControls.h"
#include "browse/TitleDisplay.h"
#include "catalogue/CatalogueFile.h"
#include "catalogue/CatalogueReader.h"
#include "catalogue/CatalogueWatcher.h"
#include "catalogue/FileExists.h"
#include "catalogue/TitleListReader.h"
#include "covers/ThumbnailDiskCache.h"
#include "export/BatchExport.h"
#include "export/SingleTitleExport.h"
#include "frmAbout.h"
#include "frmFilter.h"
#include "frmHelp.h"
#include "frmMediaInfo.h"
#include "frmSettings.h"
#include "frmStatistics.h"
#include "platform/Desktop.h"
#include "platform/MessageTexts.h"
#include "platform/Prompts.h"
#include "platform/RegularFile.h"
#include "platform/SettingsStore.h"
#include "platform/Twips.h"
#include "settings/FontPref.h"
#include "settings/Preferences.h"
#include "settings/ReadableColour.h"
#include "settings/SettingsKeys.h"
#include "stats/CollectionStats.h"

#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QSlider>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTextDocument>
#include <QTimer>

namespace {

const char* const kCaption = QT_TRANSLATE_NOOP("frmMain", "Reelkeep Viewer for RK3.3.2");
const QString kDbFilter =
    QStringLiteral("All Files (*.*)|*.*|DB Files") + QStringLiteral("(*.dat)|*.dat");

// A catalogue text as a tooltip: Qt takes a text that opens like markup for rich text and
// would show "Tom <b>and</b> Jerry" as "Tom and Jerry".
QString plainToolTip(const QString& text) {
    return Qt::mightBeRichText(text) ? Qt::convertFromPlainText(text, Qt::WhiteSpacePre) : text;
}

// Inner size the window never goes below, in twips: small enough for a laptop corner, large
// enough that no frame or text box would need a negative size with the default fonts.
constexpr double kMinWidth = 4800;
constexpr double kMinHeight = 6000;

// The frames whose lines scroll when a larger font or a smaller window leaves them no room.
const QStringList kScrollingFrames{QStringLiteral("Frame5"), QStringLiteral("Frame8"),
                                   QStringLiteral("Frame9"), QStringLiteral("Frame6"),
                                   QStringLiteral("Frame2"), QStringLiteral("Frame3")};

// The area inside a frame's border and below its caption, in twips from the frame's corner.
constexpr double kLinesLeft = 15;
constexpr double kLinesTop = 190;

QFont designFont(const QString& face) {
    return FaceFont(face, 9);
}

// A fact label is named by what it holds ("Year"); what it shows follows as its description,
// since a name set by hand hides the label's own text from a screen reader.
void describeForReaders(QWidget* w) {
    if (auto* label = qobject_cast<QLabel*>(w))
        label->setAccessibleDescription(label->text());
}

// What a control's text is drawn on, from the window's palette: the control's own palette holds
// the text colour being chosen, and its frame's may not yet follow a change of the desktop's.
TextGround groundOf(const QWidget* w) {
    const QPalette& palette = w->window()->palette();
    if (qobject_cast<const QPlainTextEdit*>(w))
        return {palette.color(QPalette::Base), palette.color(QPalette::Text)};
    return {palette.color(QPalette::Window), palette.color(QPalette::WindowText)};
}

// Gives a control font preference `slot`'s colour as shown on `ground`, keeping the other roles
// of `palette`; a stored text that is no colour leaves the desktop's.
void setTextColour(QWidget* w, QPalette palette, int slot, const QString& stored,
                   const TextGround& ground) {
    if (const auto colour = FontColour(slot, stored, ground)) {
        palette.setColor(QPalette::WindowText, *colour);
        palette.setColor(QPalette::Text, *colour);
    }
    w->setPalette(palette);
}

} // namespace

frmMain::frmMain(AppState& state, SettingsStore& store, Prompts& prompts, Desktop& desktop,
                 const Clock& clock, QWidget* parent)
    : QMainWindow(parent), state_(state), store_(store), prompts_(prompts), desktop_(desktop),
      clock_(clock) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Reelkeep Viewer"));
    setFont(designFont(QStringLiteral("Arial")));
    // Frames drawn as their twips expect: the border through the middle of the caption, the
    // first line of controls below it. Today's styles set the caption above the border, whose
    // line then runs through that first line. Dialogs opened from here take it over.
    setStyleSheet(QStringLiteral(
        "QGroupBox { border: 1px solid palette(mid); border-radius: 2px; margin-top: 0.6em; }"
        "QGroupBox::title { subcontrol-origin: margin; left: 6px; padding: 0 2px; }"));
    buildControls();
    buildMenus();
    showView();

    timer1_ = new QTimer(this);
    timer1_->setObjectName(QStringLiteral("Timer1"));
    timer1_->setInterval(600);
    connect(timer1_, &QTimer::timeout, this, &frmMain::Timer1_Timer);
    timer1_->start();

    pendingShow_ = new QTimer(this);
    pendingShow_->setSingleShot(true);
    pendingShow_->setInterval(5);
    connect(pendingShow_, &QTimer::timeout, this, &frmMain::showPending);

    watcher_ = new CatalogueWatcher(this);
    connect(watcher_, &CatalogueWatcher::changed, this, [this] {
        statusBar()->showMessage(tr("Catalogue changed on disk - press Ctrl+R to reload."));
    });
}

frmMain::~frmMain() = default;

double frmMain::dpi() const {
    return logicalDpiX();
}

void frmMain::addLines(QGroupBox* frame, const QString& name) {
    auto* area = new QScrollArea(frame);
    area->setObjectName(name + QStringLiteral("Lines"));
    area->setFrameShape(QFrame::NoFrame);
    area->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    area->setFocusPolicy(Qt::NoFocus);
    // Transparent, so the frame's own colour shows through, as in the rating's frame.
    area->viewport()->setAutoFillBackground(false);
    auto* content = new QWidget;
    content->setObjectName(name + QStringLiteral("Content"));
    area->setWidget(content);
    lines_.insert(name, area);
}

QWidget* frmMain::linesOf(const QString& frame) const {
    const QScrollArea* area = lines_.value(frame);
    return area ? area->widget() : controls_.value(frame);
}

// The lines' area fills the frame; its content is as tall as its lowest line. When that is
// taller than the area, the area scrolls and the lines make room for its bar.
void frmMain::fitLines(QScrollArea* area) {
    const double d = dpi();
    const QWidget* frame = area->parentWidget();
    const int left = Twips::toPixels(kLinesLeft, d), top = Twips::toPixels(kLinesTop, d);
    area->setGeometry(left, top, std::max(frame->width() - 2 * left, 0),
                      std::max(frame->height() - top - left, 0));
    QWidget* content = area->widget();
    const QList<QWidget*> children = content->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    int bottom = 0;
    for (const QWidget* w : children)
        bottom = std::max(bottom, w->geometry().bottom() + 1);
    const bool scrolls = bottom > area->height();
    const int width = area->width() - (scrolls ? area->verticalScrollBar()->sizeHint().width() : 0);
    for (QWidget* w : children)
        if (w->geometry().right() >= width)
            w->resize(std::max(width - w->x(), 0), w->height());
    content->resize(width, std::max(bottom, area->height()));
}

void frmMain::buildControls() {
    namespace Name = MainControls::Name;
    using Kind = MainControls::Kind;
    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("centralWidget"));
    setCentralWidget(central);

    titleModel_ = new TitleListModel(this);
    connect(titleModel_, &QAbstractItemModel::modelReset, this, &frmMain::scheduleFigures);
    for (const MainControls::Control& c : MainControls::all()) {
        const QString caption = QCoreApplication::translate("MainControls", c.caption);
        QWidget* frame = *c.frame ? linesOf(QString::fromLatin1(c.frame)) : central;
        QWidget* w = nullptr;
        switch (c.kind) {
        case Kind::Frame:
            w = new QGroupBox(caption, frame);
            if (kScrollingFrames.contains(QLatin1String(c.name)))
                addLines(static_cast<QGroupBox*>(w), QString::fromLatin1(c.name));
            break;
        case Kind::List:
            w = list1_ = new QListView(frame);
            break;
        case Kind::Button:
            w = new QPushButton(caption, frame);
            break;
        case Kind::Image:
            w = image1_ = new QLabel(frame);
            break;
        case Kind::Label: {
            auto* label = new ElidedLabel(caption, frame);
            label->setTextFormat(Qt::PlainText);
            w = label;
            break;
        }
        case Kind::TextBox: {
            auto* text = new QPlainTextEdit(frame);
            text->setReadOnly(true);
            // A caret and keyboard selection: a reader who tabs in sees where the focus is.
            text->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
            text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
            w = text;
            break;
        }
        case Kind::Bar:
            w = progressBar1_ = new QProgressBar(frame);
            break;
        }
        w->setObjectName(QString::fromLatin1(c.name));
        w->setAccessibleName(QCoreApplication::translate("MainControls", c.spoken));
        controls_.insert(w->objectName(), w);
    }
    static_cast<QLabel*>(controls_.value(Name::Label14))->setBuddy(controls_.value(Name::Text14));
    static_cast<QLabel*>(controls_.value(Name::Label16))->setBuddy(controls_.value(Name::Text16));
    frame7_ = static_cast<QGroupBox*>(controls_.value(Name::Frame7));
    label35_ = static_cast<QLabel*>(controls_.value(Name::Label35));

    list1_->setModel(titleModel_);
    list1_->setUniformItemSizes(true); // 100,000 titles scroll without measuring each
    list1_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list1_->setSelectionMode(QAbstractItemView::SingleSelection);
    // The selection, not the current item: a list view makes its first row current when it gets
    // the focus, which must not show a title nobody chose.
    connect(list1_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &frmMain::List1_Click);
    list1_->installEventFilter(this);
    connect(static_cast<QPushButton*>(controls_.value(Name::Command1)), &QPushButton::clicked, this,
            &frmMain::Reload_Click);
    connect(static_cast<QPushButton*>(controls_.value(Name::Command2)), &QPushButton::clicked, this,
            &frmMain::Filter_Click);

    // The filter's scratch list: never shown.
    list2_ = new QListView(central);
    list2_->setObjectName(QStringLiteral("List2"));
    list2_->setModel(new TitleListModel(this));
    list2_->hide();

    image1_->setScaledContents(true); // stretched to the whole area, as the covers were drawn
    for (const char* name : {Name::Label1, Name::Label11, Name::Label2, Name::Label12})
        static_cast<QLabel*>(controls_.value(name))->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    controls_[Name::Label11]->installEventFilter(this);
    controls_[Name::Label11]->setCursor(Qt::PointingHandCursor);
    controls_[Name::Label11]->setFocusPolicy(Qt::StrongFocus); // a link, reached with Tab
    for (const char* name : {Name::Label14, Name::Label16})
        controls_[name]->setFont(designFont(QStringLiteral("Arial Black")));
    controls_[Name::Label16]->adjustSize();

    label35_->setAlignment(Qt::AlignCenter);
    label35_->setAutoFillBackground(true);
    progressBar1_->setRange(0, 100);
    progressBar1_->setValue(0);
    progressBar1_->setTextVisible(false);
    frame7_->setAutoFillBackground(true);

    statusBar()->setObjectName(QStringLiteral("StatusBar1"));
    statusBar()->setSizeGripEnabled(true);
    findBox_ = new QLineEdit(statusBar());
    findBox_->setObjectName(QStringLiteral("FindBox"));
    findBox_->setClearButtonEnabled(true);
    buildFindScope();
    findBox_->installEventFilter(this);
    statusBar()->addPermanentWidget(findBox_);
    connect(findBox_, &QLineEdit::textEdited, this, &frmMain::findFromStart);
    connect(findBox_, &QLineEdit::returnPressed, this, &frmMain::findNext);
    auto* f3 = new QShortcut(QKeySequence(Qt::Key_F3), this);
    connect(f3, &QShortcut::activated, this, &frmMain::findNext);
    buildWall();

    const double d = logicalDpiX();
    setMinimumSize(Twips::toPixels(kMinWidth, d), Twips::toPixels(kMinHeight, d));
}

// The wall of covers over List1's model and selection: choosing in one is choosing in the other,
// so the display, the Go menu, Return and the find box serve both alike.
void frmMain::buildWall() {
    view_ = ReadViewMode(store_);
    wall_ = new CoverWall(ThumbnailDiskCache::defaultFolder(), list1_->parentWidget());
    wall_->setModel(titleModel_);
    wall_->setSelectionModel(list1_->selectionModel());
    QWidget::setTabOrder(list1_, wall_);
    wall_->installEventFilter(this);
    // The catalogue is read on this thread only, and not while its files are indexed ahead or
    // a walk reads it: the wall asks again.
    wall_->setFactsSource([this](int row) -> std::optional<CoverFacts> {
        const CatalogueReader reader(state_.prefs.DBPath, state_.prefs.CoverPath, &index_);
        if (busy_ || !reader.ready())
            return std::nullopt;
        return CoverFacts::read(reader, titleModel_->title(row));
    });
    for (QListView* view : {list1_, static_cast<QListView*>(wall_)}) {
        connect(view, &QListView::doubleClicked, this, &frmMain::List1_DblClick);
        // A click on the highlighted title shows it again once the display was cleared.
        connect(view, &QListView::clicked, this, [this](const QModelIndex& index) {
            if (index.row() == selectedRow() && index.row() != shownRow_)
                List1_Click();
        });
    }

    tileSize_ = new QSlider(Qt::Horizontal, statusBar());
    tileSize_->setObjectName(QStringLiteral("TileSize"));
    tileSize_->setAccessibleName(tr("Cover size"));
    tileSize_->setToolTip(tr("Cover size (Ctrl+plus, Ctrl+minus)"));
    tileSize_->setRange(kTileSizeMin, kTileSizeMax);
    tileSize_->setSingleStep(10);
    tileSize_->setPageStep(20);
    tileSize_->setFixedWidth(120);
    tileSize_->setFocusPolicy(Qt::TabFocus);
    tileSize_->setValue(ReadTileSize(store_));
    wall_->setTileWidth(tileSize_->value());
    tileSize_->hide();
    statusBar()->insertPermanentWidget(0, tileSize_);
    // Stored once a drag ends rather than at each step of it.
    const auto store = [this] {
        for (const Message& message : WriteTileSize(store_, tileSize_->value()).messages())
            prompts_.message(message, Prompts::Buttons::Ok);
    };
    connect(tileSize_, &QSlider::valueChanged, this, [this, store](int pixels) {
        wall_->setTileWidth(pixels);
        if (!tileSize_->isSliderDown())
            store();
    });
    connect(tileSize_, &QSlider::sliderReleased, this, store);
    const auto zoom = [this](const QList<QKeySequence>& keys, int step) {
        for (const QKeySequence& key : keys) {
            auto* shortcut = new QShortcut(key, this);
            connect(shortcut, &QShortcut::activated, this, [this, step] {
                if (view_ == ViewMode::Wall)
                    tileSize_->setValue(tileSize_->value() + step);
            });
        }
    };
    zoom({QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)}, 20);
    zoom({QKeySequence(Qt::CTRL | Qt::Key_Minus)}, -20);
}

void frmMain::setView(ViewMode mode) {
    if (mode != view_) {
        view_ = mode;
        for (const Message& message : WriteViewMode(store_, mode).messages())
            prompts_.message(message, Prompts::Buttons::Ok);
    }
    showView();
}

void frmMain::showView() {
    const bool wall = view_ == ViewMode::Wall;
    QListView* shown = wall ? static_cast<QListView*>(wall_) : list1_;
    QListView* hidden = wall ? list1_ : static_cast<QListView*>(wall_);
    const bool focused = hidden->hasFocus();
    shown->show();
    hidden->hide();
    tileSize_->setVisible(wall);
    if (focused)
        shown->setFocus();
    if (shown->currentIndex().isValid())
        shown->scrollTo(shown->currentIndex());
}

// The find box's scope: a menu on a button at its start, also opened by Alt+Down in the box.
void frmMain::buildFindScope() {
    findScope_ = ReadFindScope(store_);
    scopeMenu_ = new QMenu(tr("Find in"), this);
    scopeMenu_->setObjectName(QStringLiteral("FindScopeMenu"));
    auto* scopes = new QActionGroup(scopeMenu_);
    const auto addScope = [&](const char* name, const char* caption, FindScope scope) {
        QAction* action = scopeMenu_->addAction(tr(caption));
        action->setObjectName(QString::fromLatin1(name));
        action->setCheckable(true);
        action->setChecked(scope == findScope_);
        scopes->addAction(action);
        connect(action, &QAction::triggered, this, [this, scope] { setFindScope(scope); });
    };
    addScope("FindScopeTitle", QT_TR_NOOP("&Title"), FindScope::Title);
    addScope("FindScopeEverything", QT_TR_NOOP("&Everything"), FindScope::Everything);
    QAction* button = findBox_->addAction(style()->standardIcon(QStyle::SP_FileDialogContentsView),
                                          QLineEdit::LeadingPosition);
    button->setObjectName(QStringLiteral("FindScope"));
    button->setToolTip(tr("Find in the titles or in everything known of them (Alt+Down)"));
    connect(button, &QAction::triggered, this, &frmMain::showFindScope);
    setFindScope(findScope_);
}

void frmMain::showFindScope() {
    scopeMenu_->popup(findBox_->mapToGlobal(QPoint(0, findBox_->height())));
}

void frmMain::setFindScope(FindScope scope) {
    if (scope != findScope_) {
        findScope_ = scope;
        for (const Message& message : WriteFindScope(store_, scope).messages())
            prompts_.message(message, Prompts::Buttons::Ok);
    }
    findBox_->setPlaceholderText(scope == FindScope::Title ? tr("Find title")
                                                           : tr("Find in everything"));
    findBox_->setAccessibleName(findBox_->placeholderText());
}

void frmMain::buildMenus() {
    auto addMenu = [this](const char* name, const char* caption) {
        QMenu* menu = menuBar()->addMenu(tr(caption));
        menu->setObjectName(QString::fromLatin1(name));
        return menu;
    };
    auto addItem = [this](QMenu* menu, const char* name, const char* caption,
                          const QKeySequence& shortcut, auto slot) {
        QAction* action = menu->addAction(tr(caption));
        action->setObjectName(QString::fromLatin1(name));
        action->setShortcut(shortcut);
        if constexpr (!std::is_same_v<decltype(slot), std::nullptr_t>)
            connect(action, &QAction::triggered, this, slot);
        return action;
    };
    auto addSeparator = [](QMenu* menu, const char* name) {
        menu->addSeparator()->setObjectName(QString::fromLatin1(name));
    };

    QMenu* file = addMenu("FileMenu", QT_TR_NOOP("&File"));
    addItem(file, "OpenAnother", QT_TR_NOOP("Open another database"),
            QKeySequence(Qt::CTRL | Qt::Key_O), &frmMain::OpenAnother_Click);
    addSeparator(file, "sep1");
    addItem(file, "Reload", QT_TR_NOOP("Reload Database"), QKeySequence(Qt::CTRL | Qt::Key_R),
            &frmMain::Reload_Click);
    addSeparator(file, "sep2");
    addItem(file, "CloseSave", QT_TR_NOOP("Close and Save"), QKeySequence(Qt::CTRL | Qt::Key_S),
            &frmMain::CloseSave_Click);
    addItem(file, "Close", QT_TR_NOOP("Close"), QKeySequence(Qt::CTRL | Qt::Key_X),
            &frmMain::Close_Click);

    QMenu* edit = addMenu("Edit", QT_TR_NOOP("&Edit"));
    addItem(edit, "Filter", QT_TR_NOOP("Filter"), QKeySequence(Qt::CTRL | Qt::Key_F),
            &frmMain::Filter_Click);
    addSeparator(edit, "sep");
    addItem(edit, "Settings", QT_TR_NOOP("Edit Settings"), QKeySequence(Qt::CTRL | Qt::Key_E),
            &frmMain::Settings_Click);

    QMenu* go = addMenu("Go", QT_TR_NOOP("&Go"));
    addItem(go, "First", QT_TR_NOOP("First"), QKeySequence(Qt::SHIFT | Qt::Key_Insert),
            &frmMain::First_Click);
    addItem(go, "Last", QT_TR_NOOP("Last"), QKeySequence(Qt::SHIFT | Qt::Key_Delete),
            &frmMain::Last_Click);
    addItem(go, "Next", QT_TR_NOOP("Next"), QKeySequence(Qt::CTRL | Qt::Key_N),
            &frmMain::Next_Click);
    addItem(go, "Previous", QT_TR_NOOP("Previous"), QKeySequence(Qt::CTRL | Qt::Key_P),
            &frmMain::Previous_Click);

    // ---- View: the titles as a list or as a wall of covers.
    viewMenu_ = addMenu("View", QT_TR_NOOP("&View"));
    auto* views = new QActionGroup(viewMenu_);
    const auto addView = [&](const char* name, const char* caption, Qt::Key key, ViewMode mode) {
        QAction* action = addItem(viewMenu_, name, caption, QKeySequence(Qt::CTRL | key), nullptr);
        action->setCheckable(true);
        action->setChecked(mode == view_);
        views->addAction(action);
        connect(action, &QAction::triggered, this, [this, mode] { setView(mode); });
    };
    addView("ViewList", QT_TR_NOOP("Title list"), Qt::Key_1, ViewMode::List);
    addView("ViewWall", QT_TR_NOOP("Cover wall"), Qt::Key_2, ViewMode::Wall);
    viewMenu_->addSeparator()->setObjectName(QStringLiteral("ViewSep"));
    addItem(viewMenu_, "Statistics", QT_TR_NOOP("&Statistics..."), QKeySequence(),
            &frmMain::Statistics_Click);
    // ---- end of View

    QMenu* exportMenu = addMenu("Export", QT_TR_NOOP("&Export"));
    addItem(exportMenu, "JoveExport", QT_TR_NOOP("Jove Export"), QKeySequence(Qt::CTRL | Qt::Key_J),
            &frmMain::JoveExport_Click);
    addItem(exportMenu, "JoveBatch", QT_TR_NOOP("Jove Export Batch"),
            QKeySequence(Qt::CTRL | Qt::Key_B), &frmMain::JoveBatch_Click);

    QMenu* help = addMenu("HelpMneu", QT_TR_NOOP("&Help"));
    // Switched off for good: neither the item nor F1 can be used.
    QAction* helpItem =
        addItem(help, "Help", QT_TR_NOOP("Help"), QKeySequence(Qt::Key_F1), &frmMain::Help_Click);
    helpItem->setEnabled(false);
    helpItem->setVisible(false);
    QAction* sep3 = help->addSeparator();
    sep3->setObjectName(QStringLiteral("Sep3"));
    sep3->setVisible(false);
    addItem(help, "About", QT_TR_NOOP("About"), QKeySequence(Qt::Key_F12), &frmMain::About_Click);
}

// ---- lifecycle -------------------------------------------------------------------------------

void frmMain::Form_Load() {
    setWindowTitle(tr(kCaption));
    restoreGeometry();
    Form_Resize();
    ClearForm();
    loaded_ = true;
    LoadTitleList(false, OnCancel::EndProgram);
}

void frmMain::restoreGeometry() {
    WindowPlace place = ReadWindowPlace(store_);
    const double d = dpi();
    if (!place.stored) {
        firstPlace();
        place.left = place.top = place.width = place.height = std::nullopt;
    }
    if (place.left)
        move(Twips::toPixels(*place.left, d), y());
    if (place.top)
        move(x(), Twips::toPixels(*place.top, d));
    if (place.width)
        resize(Twips::toPixels(*place.width, d), height());
    if (place.height)
        resize(width(), Twips::toPixels(*place.height, d));
    if (place.state == 1)
        setWindowState(Qt::WindowMinimized);
    else if (place.state == 2)
        setWindowState(Qt::WindowMaximized);
    else if (place.state == 0)
        setWindowState(Qt::WindowNoState);
}

// With no place stored, a size at which every frame shows its content, centred on the screen:
// the stored defaults would open a window too small for any of them.
void frmMain::firstPlace() {
    const QScreen* shown = screen() ? screen() : QGuiApplication::primaryScreen();
    if (!shown)
        return;
    const QRect room = shown->availableGeometry();
    const QSize size(std::min(1200, room.width() * 4 / 5), std::min(800, room.height() * 4 / 5));
    resize(size);
    move(room.center() - QPoint(size.width() / 2, size.height() / 2));
}

void frmMain::Timer1_Timer() {
    if (state_.pending.relayout) {
        state_.pending.relayout = false;
        Form_Resize();
    }
    if (state_.pending.filter && !busy_) {
        state_.pending.filter = false;
        if (state_.filter.anyOn())
            FilterExe(state_.filter);
    }
}

void frmMain::Reload_Click() {
    ClearForm();
    titleModel_->setTitles({});
    // Every file read afresh, also one rewritten within its old size and modification time.
    index_.clear();
    LoadTitleList(false, OnCancel::KeepCurrent);
}

void frmMain::OpenAnother_Click() {
    // The current list stays until another database has been found.
    LoadTitleList(true, OnCancel::KeepCurrent);
}

void frmMain::Close_Click() {
    endProgram();
}

void frmMain::CloseSave_Click() {
    std::optional<WindowPlace> place;
    if (!isMinimized()) {
        const double d = dpi();
        place = WindowPlace{Twips::fromPixels(x(), d), Twips::fromPixels(y(), d),
                            Twips::fromPixels(width(), d), Twips::fromPixels(height(), d),
                            isMaximized() ? 2 : 0};
    }
    for (const Message& message : WriteClosingState(store_, state_.prefs, place).messages())
        prompts_.message(message, Prompts::Buttons::Ok);
    endProgram();
}

void frmMain::endProgram() {
    if (ended_)
        return;
    ended_ = true;
    timer1_->stop();
    close();
    Q_EMIT programEnded();
}

void frmMain::closeEvent(QCloseEvent* event) {
    // A close from the window manager is "Close": nothing is saved.
    event->accept();
    if (!ended_) {
        ended_ = true;
        timer1_->stop();
        Q_EMIT programEnded();
    }
}

// ---- the title list and the database ---------------------------------------------------------

QStringList frmMain::titles() const {
    return titleModel_->titles().toStringList();
}

void frmMain::LoadTitleList(bool askFirst, OnCancel onCancel) {
    if (!askFirst) {
        TitleList list = ReadTitleList(state_.prefs.DBPath, &index_);
        if (list.outcome != TitleList::Outcome::Missing) {
            TitleKeys titles = titleModel_->titles();
            titles.append(list.titles);
            titleModel_->setTitles(titles);
            list1_->scrollToTop();
            // While the user looks at the list, so that the first title chosen waits for none.
            CatalogueReader(state_.prefs.DBPath, state_.prefs.CoverPath, &index_).prepare();
            watcher_->watch(state_.prefs.DBPath);
            if (list.outcome == TitleList::Outcome::Failed)
                showMessage(MessageTexts::criticalError(*list.failure));
            else if (list.outcome == TitleList::Outcome::Loaded)
                statusBar()->showMessage(list.statusText());
            return;
        }
    }
    const std::optional<DatabasePaths> found = FindDatabase();
    if (ended_)
        return;
    if (!found) {
        if (onCancel == OnCancel::EndProgram)
            endProgram();
        return;
    }
    titleModel_->setTitles({});
    applyDatabase(*found);
}

std::optional<DatabasePaths> frmMain::FindDatabase() {
    QString folder = state_.prefs.DBPath;
    for (;;) {
        OpenFileRequest request;
        request.title = MessageTexts::kFindDatabaseTitle;
        request.filter = kDbFilter;
        request.selectedFilter = 2;
        request.initialFolder = folder;
        request.fileName = CatalogueFile::kTitles;
        const std::optional<QString> chosen = prompts_.openFile(request);
        if (!chosen)
            return std::nullopt;
        const std::optional<DatabasePaths> paths = DatabasePaths::fromChosenFile(*chosen);
        if (!paths) {
            prompts_.message({Message::Icon::Exclamation, MessageTexts::kNoGoodTitle,
                              MessageTexts::kCantFindDatabase});
            endProgram();
            return std::nullopt;
        }
        // The title file is always "reelkeep.dat" in the chosen folder.
        if (CatalogueFileExists(paths->dbPath + CatalogueFile::kTitles))
            return paths;
        folder = paths->dbPath;
    }
}

void frmMain::applyDatabase(const DatabasePaths& paths) {
    state_.prefs.DBPath = paths.dbPath;
    state_.prefs.CoverPath = paths.coverPath;
    pendingRow_ = -1;
    index_.clear();
    LoadTitleList(false, OnCancel::KeepCurrent);
}

void frmMain::showMessage(const Message& message) {
    prompts_.message(message);
}

// ---- showing a title -------------------------------------------------------------------------

int frmMain::selectedRow() const {
    const QModelIndexList selected = list1_->selectionModel()->selectedIndexes();
    return selected.isEmpty() ? -1 : selected.first().row();
}

void frmMain::selectRow(int row) {
    if (row < 0 || row >= titleModel_->rowCount()) {
        list1_->setCurrentIndex(QModelIndex());
        list1_->clearSelection();
        return;
    }
    list1_->setCurrentIndex(titleModel_->index(row));
    list1_->scrollTo(titleModel_->index(row));
}

void frmMain::List1_Click() {
    ClearForm();
    const int row = selectedRow();
    if (row < 0)
        return;
    // A file still indexed ahead would hold the window until it is done: the window goes on, and
    // the title shows once its files are ready, if it is still the one chosen.
    if (!CatalogueReader(state_.prefs.DBPath, state_.prefs.CoverPath, &index_).ready()) {
        pendingRow_ = row;
        pendingShow_->start();
        return;
    }
    showRow(row);
}

void frmMain::showPending() {
    if (pendingRow_ < 0)
        return;
    // A walk fills the title on its own: the display waits for its end.
    if (busy_ || !CatalogueReader(state_.prefs.DBPath, state_.prefs.CoverPath, &index_).ready()) {
        pendingShow_->start();
        return;
    }
    settleDisplay();
}

void frmMain::settleDisplay() {
    const int row = std::exchange(pendingRow_, -1);
    if (row >= 0 && row == selectedRow())
        showRow(row);
}

void frmMain::showRow(int row) {
    const QString key = titleModel_->title(row);
    const CatalogueReader reader(state_.prefs.DBPath, state_.prefs.CoverPath, &index_);
    GatherTitle(
        reader, key, state_.title, [this](const Message& m) { showMessage(m); },
        [this] {
            // Read as any catalogue file is: a cover that is a FIFO or a device is no cover.
            QPixmap cover;
            if (const auto bytes = ReadRegularFile(state_.title.CoverFile))
                cover.loadFromData(*bytes);
            image1_->setPixmap(cover);
        });

    const TitleView view = DescribeTitle(state_.title, QLocale());
    for (const ControlText& c : view.controls) {
        QWidget* w = controls_.value(c.control);
        if (auto* label = qobject_cast<QLabel*>(w))
            label->setText(c.text);
        else if (auto* text = qobject_cast<QPlainTextEdit*>(w))
            text->setPlainText(c.text);
        if (w && c.toolTip)
            w->setToolTip(plainToolTip(*c.toolTip));
    }

    const RatingView& rating = view.rating;
    progressBar1_->setValue(rating.barValue);
    if (rating.barToolTip)
        progressBar1_->setToolTip(plainToolTip(*rating.barToolTip));
    label35_->setText(rating.caption);
    switch (rating.colour) {
    case RatingView::Colour::Frame:
        ratingBand_.reset();
        break;
    case RatingView::Colour::Red:
        ratingBand_ = QColor(255, 0, 0);
        break;
    case RatingView::Colour::Yellow:
        ratingBand_ = QColor(255, 255, 0);
        break;
    case RatingView::Colour::Green:
        ratingBand_ = QColor(0, 255, 0);
        break;
    }
    paintRating();
    for (const MainControls::Control& c : MainControls::all())
        if (c.cleared)
            describeForReaders(controls_.value(QString::fromLatin1(c.name)));
    shownRow_ = row;
}

void frmMain::paintRating() {
    // Built afresh, so that without a band the label shows its frame's colour, whatever the
    // desktop's palette turns to. A band is bright: the text on it is drawn as stored.
    QPalette palette;
    TextGround ground = groundOf(label35_);
    if (ratingBand_) {
        palette.setColor(QPalette::Window, *ratingBand_);
        ground = {*ratingBand_, Qt::black};
    }
    const int slot = MainControls::find(QLatin1StringView(MainControls::Name::Label35))->fontSlot;
    setTextColour(label35_, palette, slot, state_.prefs.Fonts[slot].Color, ground);
}

void frmMain::ClearForm() {
    pendingRow_ = -1; // a title still to come would fill the form again
    for (const MainControls::Control& c : MainControls::all()) {
        if (!c.cleared)
            continue;
        QWidget* w = controls_.value(QString::fromLatin1(c.name));
        if (auto* label = qobject_cast<QLabel*>(w))
            label->clear();
        else if (auto* text = qobject_cast<QPlainTextEdit*>(w))
            text->clear();
        else if (auto* bar = qobject_cast<QProgressBar*>(w))
            bar->setValue(0);
    }
    // The rating's colour too: a cleared window shows no rating of a title no longer on display.
    ratingBand_.reset();
    paintRating();
    for (const MainControls::Control& c : MainControls::all())
        if (c.cleared)
            controls_.value(QString::fromLatin1(c.name))->setAccessibleDescription(QString());
    shownRow_ = -1;
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void frmMain::List1_DblClick() {
    const int row = selectedRow();
    if (row < 0)
        return;
    frmMediaInfo info(store_, prompts_, state_.prefs.DBPath, this);
    info.getMediaInfo(titleModel_->title(row));
}

void frmMain::Label11_DblClick() {
    settleDisplay(); // the address is the chosen title's, not the cleared display's
    desktop_.openAddress(ImdbAddress(state_.title));
}

bool frmMain::eventFilter(QObject* watched, QEvent* event) {
    QWidget* imdb = controls_.value(QStringLiteral("Label11"));
    if (watched == imdb && event->type() == QEvent::MouseButtonDblClick) {
        Label11_DblClick();
        return true;
    }
    if (watched == imdb && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) {
            Label11_DblClick();
            return true;
        }
    }
    if ((watched == list1_ || watched == wall_) && event->type() == QEvent::KeyPress &&
        listKey(*static_cast<QKeyEvent*>(event)))
        return true;
    if (watched == findBox_ && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Escape) {
            findBox_->clear();
            return true;
        }
        if (key->key() == Qt::Key_Down && key->modifiers() == Qt::AltModifier) {
            showFindScope();
            return true;
        }
    }
    // In the find box its own editing keys win: Ctrl+X cuts there rather than closing the
    // program. Every other menu shortcut works from the box, which would take Ctrl+E too.
    if (watched == findBox_ && event->type() == QEvent::ShortcutOverride) {
        const auto* key = static_cast<QKeyEvent*>(event);
        for (const auto editing : {QKeySequence::Cut, QKeySequence::Copy, QKeySequence::Paste,
                                   QKeySequence::SelectAll, QKeySequence::Undo, QKeySequence::Redo})
            if (key->matches(editing))
                return false;
        const QKeySequence pressed(key->keyCombination());
        for (const QAction* action : findChildren<QAction*>())
            if (action->isEnabled() && action->shortcut() == pressed) {
                event->ignore();
                return true;
            }
    }
    return QMainWindow::eventFilter(watched, event);
}

bool frmMain::event(QEvent* event) {
    // A menu entry the pointer passes sends its status tip, empty for every entry here: the
    // status bar keeps its text rather than going blank.
    if (event->type() == QEvent::StatusTip && static_cast<QStatusTipEvent*>(event)->tip().isEmpty())
        return true;
    const bool handled = QMainWindow::event(event);
    // A desktop turned dark or light. The style sheet's widgets keep the palette they were
    // polished with until it is applied again; the default colours follow.
    if (event->type() == QEvent::ApplicationPaletteChange && label35_) {
        setStyleSheet(styleSheet());
        applyFonts();
    }
    return handled;
}

// ---- navigation ------------------------------------------------------------------------------

void frmMain::First_Click() {
    if (titleModel_->rowCount() > 0)
        selectRow(0);
}

void frmMain::Last_Click() {
    selectRow(titleModel_->rowCount() - 1);
}

void frmMain::Next_Click() {
    const int row = selectedRow();
    if (row < titleModel_->rowCount() - 1)
        selectRow(row + 1);
}

void frmMain::Previous_Click() {
    const int row = selectedRow();
    if (row > 0)
        selectRow(row - 1);
}

// Return opens Media Info as a double-click does; the view's activated signal would not do, as
// single-click desktops send it on every click. The first move with nothing selected selects
// the current title rather than stepping past it.
bool frmMain::listKey(const QKeyEvent& key) {
    if (key.modifiers() & ~Qt::KeypadModifier)
        return false;
    if (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter) {
        List1_DblClick();
        return true;
    }
    if ((key.key() == Qt::Key_Down || key.key() == Qt::Key_Up) && selectedRow() < 0 &&
        titleModel_->rowCount() > 0) {
        const QModelIndex current = list1_->currentIndex();
        selectRow(current.isValid() ? current.row() : 0);
        return true;
    }
    return false;
}

FactSearch& frmMain::search() {
    if (!search_ || searchPath_ != state_.prefs.DBPath) {
        search_ = std::make_unique<FactSearch>(index_, state_.prefs.DBPath);
        searchPath_ = state_.prefs.DBPath;
    }
    return *search_;
}

void frmMain::findFromStart() {
    find(0);
}

void frmMain::findNext() {
    find(selectedRow() + 1);
}

// A search that finds nothing tints the box and says so; one that finds a title, or an empty
// box, leaves it as the desktop draws it. A title found by another fact names it.
void frmMain::find(qsizetype from) {
    const std::optional<FactSearch::Hit> hit =
        search().find(titleModel_->titles(), findBox_->text(), from, findScope_);
    const bool missed = !hit && !findBox_->text().isEmpty();
    QPalette palette = QApplication::palette(findBox_);
    if (missed) {
        const QColor base = palette.color(QPalette::Base);
        palette.setColor(QPalette::Base,
                         QColor::fromRgbF((base.redF() * 3 + 1) / 4, base.greenF() * 3 / 4,
                                          base.blueF() * 3 / 4));
        statusBar()->showMessage(MessageTexts::kNotFound);
    }
    findBox_->setPalette(palette);
    if (hit) {
        selectRow(int(hit->row));
        const QString fact = FactSearch::describe(*hit);
        findBox_->setToolTip(fact);
        if (!fact.isEmpty())
            statusBar()->showMessage(fact);
    }
}

// ---- export --------------------------------------------------------------------------------

void frmMain::JoveExport_Click() {
    settleDisplay(); // the export writes the chosen title, not the cleared display
    const QScopedValueRollback busy(busy_, true);
    SingleTitleExport(prompts_, state_.prefs).JoveExport_Click(state_.title);
}

void frmMain::JoveBatch_Click() {
    const Message question{Message::Icon::Question, MessageTexts::kBatchQuestionTitle,
                           MessageTexts::kBatchQuestion};
    if (prompts_.message(question, Prompts::Buttons::YesNo) != Prompts::Answer::Yes)
        return;
    const QString folder = ReadSavePath(store_);
    // The Wait window takes the input for the walk's length; the main window still repaints.
    Wait wait(this);
    const QScopedValueRollback busy(busy_, true);
    QCoreApplication::processEvents();
    const CatalogueReader reader(state_.prefs.DBPath, state_.prefs.CoverPath, &index_);
    BatchExport batch(reader, state_.prefs, prompts_, &wait);
    const CatalogueIndex::Pin pin(index_);
    const BatchExport::Result result = batch.run(titleModel_->titles(), folder, state_.title);
    ClearForm();
    statusBar()->showMessage(result.statusText());
    if (!result.aborted)
        prompts_.message(
            {Message::Icon::Question, MessageTexts::kBatchDoneTitle, MessageTexts::kBatchDone});
}

// ---- filter and settings --------------------------------------------------------------------

void frmMain::Filter_Click() {
    frmFilter dialog(state_.filter, state_.pending, clock_, this);
    dialog.exec();
}

void frmMain::FilterExe(const FilterSettings& filter) {
    // The Wait window takes the input for the walk's length; the main window still repaints.
    Wait wait(this);
    const QScopedValueRollback busy(busy_, true);
    CatalogueReader reader(state_.prefs.DBPath, state_.prefs.CoverPath, &index_);
    reader.skipCovers();
    auto* scratch = static_cast<TitleListModel*>(list2_->model());
    TitleKeys found;
    const CatalogueIndex::Pin pin(index_);
    FilterRun(reader, filter, state_.prefs.JoveRules, state_.prefs.GenreSource, prompts_, &wait,
              &search())
        .run(titleModel_->titles(), state_.title,
             [&found](const QString& title) { found.append(QStringView(title)); });
    scratch->setTitles(found);
    titleModel_->setTitles(scratch->titles());
    list1_->scrollToTop();
    scratch->setTitles({});
    statusBar()->showMessage(FilterRun::statusText(found.size()));
}

void frmMain::Settings_Click() {
    frmSettings dialog(state_.prefs, state_.pending, store_, prompts_, this);
    dialog.exec();
}

// ---- other windows ---------------------------------------------------------------------------

void frmMain::About_Click() {
    frmAbout about(desktop_, this);
    about.exec();
}

void frmMain::Help_Click() {
    frmHelp help(this);
    help.exec();
}

// ---- the collection's figures ----------------------------------------------------------------

void frmMain::Statistics_Click() {
    if (!statistics_) {
        statistics_ = new frmStatistics(prompts_, this);
        connect(statistics_, &frmStatistics::figureChosen, this, &frmMain::filterToFigure);
    }
    if (!countFigures())
        return;
    statistics_->show();
    statistics_->raise();
    statistics_->activateWindow();
}

bool frmMain::countFigures() {
    if (busy_ || ended_)
        return false;
    const QScopedValueRollback busy(busy_, true);
    const CollectionStats stats(index_, state_.prefs.DBPath, state_.prefs.GenreSource);
    const std::optional<CollectionFigures> figures =
        StatisticsRun::run(this, stats, titleModel_->titles());
    if (!figures || !statistics_)
        return false;
    statistics_->setFigures(*figures);
    if (!figures->failures.isEmpty())
        statusBar()->showMessage(
            tr("Statistics: some facts could not be read; they count as (none)."));
    return true;
}

void frmMain::scheduleFigures() {
    if (!statistics_ || !statistics_->isVisible() || figuresQueued_)
        return;
    figuresQueued_ = true;
    // After the change is complete, and never inside a walk's event processing.
    QTimer::singleShot(busy_ ? 50 : 0, this, [this] {
        figuresQueued_ = false;
        if (busy_)
            scheduleFigures();
        else
            countFigures();
    });
}

void frmMain::filterToFigure(FigureDimension dimension, const QString& value) {
    if (busy_)
        return;
    FilterSettings figure;
    figure.FilterFigure = FigureCriterion{dimension, value};
    FilterExe(figure);
}

// ---- layout ----------------------------------------------------------------------------------

void frmMain::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    Form_Resize();
}

void frmMain::applyFonts() {
    for (const FontSlotUse& use : FontSlotUses()) {
        QWidget* w = controls_.value(use.control);
        if (!w)
            continue;
        const FontPref& pref = state_.prefs.Fonts[use.slot];
        QFont font = FaceFont(pref.Name, pref.Size);
        if (pref.Bold && font.weight() < QFont::Bold)
            font.setBold(true);
        font.setItalic(pref.Italic);
        font.setUnderline(pref.Underline);
        font.setStyleHint(QFont::SansSerif);
        w->setFont(font);
        if (use.colour && w != label35_)
            setTextColour(w, w->palette(), use.slot, pref.Color, groundOf(w));
    }
    paintRating();
}

void frmMain::Form_Resize() {
    applyFonts();
    if (auto* actors = qobject_cast<QLabel*>(controls_.value(QStringLiteral("Label14"))))
        actors->setText(QCoreApplication::translate("MainControls", "Actors:"));
    // Its width is its own: the layout keeps it, so it must follow the font in use.
    controls_.value(QStringLiteral("Label16"))->adjustSize();

    const double d = dpi();
    QWidget* central = centralWidget();
    const double S = Twips::fromPixels(
        statusBar()->isVisible() ? statusBar()->height() : statusBar()->sizeHint().height(), d);
    const double W = Twips::fromPixels(central->width(), d);
    const double H = Twips::fromPixels(central->height(), d) + S;

    auto labelHeight = [&](const QString& name) {
        auto* label = qobject_cast<QLabel*>(controls_.value(name));
        if (!label)
            return 0.0;
        const int lines = int(label->text().count(u'\n')) + 1;
        return Twips::fromPixels(QFontMetrics(label->font()).height() * lines, d);
    };
    QHash<QString, QRectF> previous;
    for (auto it = controls_.cbegin(); it != controls_.cend(); ++it) {
        const QRect g = it.value()->geometry();
        previous.insert(it.key(),
                        QRectF(Twips::fromPixels(g.x(), d), Twips::fromPixels(g.y(), d),
                               Twips::fromPixels(g.width(), d), Twips::fromPixels(g.height(), d)));
    }
    // Placed relative to their frame; a line inside a scrolling area sits that much higher.
    const QPoint linesAt(Twips::toPixels(kLinesLeft, d), Twips::toPixels(kLinesTop, d));
    for (const Placement& p : MainLayout::compute(W, H, S, labelHeight, previous))
        if (QWidget* w = controls_.value(p.name)) {
            const bool inLines = std::any_of(lines_.cbegin(), lines_.cend(), [w](auto* area) {
                return area->widget() == w->parentWidget();
            });
            w->setGeometry(Twips::toPixels(p.rect, d).translated(inLines ? -linesAt : QPoint()));
        }
    for (QScrollArea* area : std::as_const(lines_))
        fitLines(area);
    // The wall takes the list's place and its font.
    wall_->setGeometry(list1_->geometry());
    wall_->setFont(list1_->font());
}
