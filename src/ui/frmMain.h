// SPDX-License-Identifier: GPL-3.0-or-later
// The main window: the title list on the left, the title's facts in nine frames to its right,
// the menus, and the timer through which dialogs hand work back. Its slots are short calls into
// the catalogue, browse and settings logic; what each control shows is decided there. Once a
// list is shown, the catalogue's large files are indexed on a worker thread; a title chosen
// before they are ready shows when they are, and the window goes on meanwhile.
#pragma once

#include "browse/AppState.h"
#include "catalogue/CatalogueIndex.h"
#include "catalogue/DatabasePaths.h"
#include "platform/Message.h"
#include "settings/Preferences.h"
#include "stats/FigureDimension.h"

#include <QColor>
#include <QHash>
#include <QMainWindow>
#include <QPointer>
#include <memory>
#include <optional>

class Clock;
class FactSearch;
class QMenu;
class Desktop;
class Prompts;
class SettingsStore;
class QAction;
class QGroupBox;
class QScrollArea;
class QLabel;
class QLineEdit;
class QListView;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QTimer;
class TitleListModel;
class frmStatistics;
struct FilterSettings;
class CatalogueWatcher;
class CoverWall;
class QSlider;

class frmMain : public QMainWindow {
    Q_OBJECT

public:
    frmMain(AppState& state, SettingsStore& store, Prompts& prompts, Desktop& desktop,
            const Clock& clock, QWidget* parent = nullptr);
    ~frmMain() override;

    // Start-up: caption, saved geometry, layout, cleared display, title list.
    void Form_Load();
    // The layout-and-style pass; runs on every resize too.
    void Form_Resize();
    void ClearForm();

    // The titles as listed.
    QStringList titles() const;
    // True once the program has been ended (by the user or for want of a database).
    bool ended() const { return ended_; }
    // The catalogue's indexes: tests hold up the worker threads that build them ahead.
    CatalogueIndex& index() { return index_; }

Q_SIGNALS:
    // The program is to end; the application quits on it.
    void programEnded();

public Q_SLOTS:
    void List1_Click();
    void List1_DblClick();
    void Label11_DblClick();
    void First_Click();
    void Last_Click();
    void Next_Click();
    void Previous_Click();
    void Reload_Click();
    void OpenAnother_Click();
    void Close_Click();
    void CloseSave_Click();
    void Timer1_Timer();
    void Filter_Click();
    void Settings_Click();
    void JoveExport_Click();
    void JoveBatch_Click();
    void About_Click();
    void Help_Click();
    void Statistics_Click();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool event(QEvent* event) override;

private:
    enum class OnCancel { EndProgram, KeepCurrent };

    void buildControls();
    void buildWall();
    void buildMenus();
    // The titles as a list or as a wall of covers; a switch by the user is stored at once.
    void setView(ViewMode mode);
    void showView();
    void LoadTitleList(bool askFirst, OnCancel onCancel);
    std::optional<DatabasePaths> FindDatabase();
    void applyDatabase(const DatabasePaths& paths);
    void endProgram();
    void selectRow(int row);
    int selectedRow() const;
    void showRow(int row);
    // A row chosen while its files were indexed ahead: shown when they are ready, or at once,
    // waiting for them, by a command that needs the title on display.
    void showPending();
    void settleDisplay();
    void restoreGeometry();
    void applyFonts();
    void paintRating();
    void showMessage(const Message& message);
    void FilterExe(const FilterSettings& filter);
    // The list narrowed to the titles a chart bar counts.
    void filterToFigure(FigureDimension dimension, const QString& value);
    // Counts the list's figures into the Statistics window; false when the count was cut off.
    bool countFigures();
    // The list changed under an open Statistics window: its figures are counted again once no
    // walk is running.
    void scheduleFigures();
    void buildFindScope();
    void showFindScope();
    void setFindScope(FindScope scope);
    FactSearch& search();
    void findFromStart();
    void findNext();
    void find(qsizetype from);
    bool listKey(const QKeyEvent& key);
    void firstPlace();
    void addLines(QGroupBox* frame, const QString& name);
    QWidget* linesOf(const QString& frame) const;
    void fitLines(QScrollArea* area);

    double dpi() const;

    AppState& state_;
    SettingsStore& store_;
    Prompts& prompts_;
    Desktop& desktop_;
    const Clock& clock_;

    CatalogueIndex index_; // lives as long as the window: lookups after the first are cheap
    QHash<QString, QWidget*> controls_;
    QHash<QString, QScrollArea*> lines_; // by frame: the area its lines scroll in
    TitleListModel* titleModel_ = nullptr;
    QListView* list1_ = nullptr;
    QListView* list2_ = nullptr;
    // In List1's place while the view is the wall, over its model and selection.
    CoverWall* wall_ = nullptr;
    QSlider* tileSize_ = nullptr; // in the status bar while the wall shows
    ViewMode view_ = ViewMode::List;
    QMenu* viewMenu_ = nullptr;
    QLabel* image1_ = nullptr;
    QProgressBar* progressBar1_ = nullptr;
    QGroupBox* frame7_ = nullptr;
    QLabel* label35_ = nullptr;
    std::optional<QColor> ratingBand_; // Label35's own red, yellow or green; none: its frame's
    QLineEdit* findBox_ = nullptr;
    QMenu* scopeMenu_ = nullptr;
    FindScope findScope_ = FindScope::Title;
    std::unique_ptr<FactSearch> search_; // what the find keeps of the catalogue between finds
    QString searchPath_;                 // the catalogue it was made for
    QTimer* timer1_ = nullptr;
    CatalogueWatcher* watcher_ = nullptr; // a change on disk is announced in the status bar
    bool ended_ = false;
    bool loaded_ = false;
    // A filter run or batch export is walking the list, or a single-title export is writing the
    // title on display: a pending filter waits until it ends, since running it from a dialog's or
    // a step's event processing would replace the list or the title under it.
    bool busy_ = false;
    int shownRow_ = -1; // the row whose title the display shows; -1 once it is cleared
    // The row to show once its files are indexed (-1: none), and the timer that looks again.
    int pendingRow_ = -1;
    QTimer* pendingShow_ = nullptr;
    QPointer<frmStatistics> statistics_;
    bool figuresQueued_ = false;
};
