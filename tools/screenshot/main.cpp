// Saves a picture of the main window showing one title, for the README and for looking at the
// window without a display: reelkeep-screenshot DB_FOLDER TITLE WIDTHxHEIGHT OUT.png
#include "app/Init.h"
#include "browse/AppState.h"
#include "platform/Clock.h"
#include "platform/QtDesktop.h"
#include "platform/QtSettingsStore.h"
#include "ui/QtPrompts.h"
#include "ui/frmMain.h"

#include <QApplication>
#include <QListView>
#include <QTemporaryDir>
#include <QTextStream>

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = QApplication::arguments();
    QTextStream err(stderr);
    if (args.size() != 5 || !args[3].contains(u'x')) {
        err << "usage: reelkeep-screenshot DB_FOLDER TITLE WIDTHxHEIGHT OUT.png\n";
        return 2;
    }
    QTemporaryDir settings;
    QtSettingsStore store(settings.path());
    QString db = args[1];
    if (!db.endsWith(u'/'))
        db += u'/';
    store.write(QStringLiteral("ReelkeepViewer"), QStringLiteral("DBPath"), db);
    store.write(QStringLiteral("ReelkeepViewer"), QStringLiteral("CoverPath"),
                db + QStringLiteral("Covers/"));

    QtPrompts prompts;
    QtDesktop desktop;
    SystemClock clock;
    AppState state;
    auto window = Init::Main(state, store, prompts, desktop, clock);
    if (window->ended())
        return 1;
    const QStringList size = args[3].split(u'x');
    window->resize(size[0].toInt(), size[1].toInt());
    const qsizetype row = window->titles().indexOf(args[2]);
    if (row < 0) {
        err << "no title " << args[2] << '\n';
        return 1;
    }
    auto* list = window->findChild<QListView*>(QStringLiteral("List1"));
    list->setCurrentIndex(list->model()->index(int(row), 0));
    for (int i = 0; i < 5; ++i)
        QApplication::processEvents();
    return window->grab().save(args[4]) ? 0 : 1;
}
