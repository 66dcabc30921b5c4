#include "Init.h"
#include "browse/AppState.h"
#include "platform/Clock.h"
#include "platform/QtDesktop.h"
#include "platform/QtSettingsStore.h"
#include "ui/QtPrompts.h"
#include "ui/frmMain.h"

#include <QApplication>
#include <QIcon>

namespace {

// The program's own icon, built into the executable in every size the package installs.
QIcon applicationIcon() {
    QIcon icon;
    for (const int size : {16, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/%1x%1/reelkeep-viewer.png").arg(size),
                     QSize(size, size));
    return icon;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Reelkeep Viewer"));
    // Names the desktop entry, so that a Wayland desktop shows the entry's icon and name.
    QApplication::setDesktopFileName(QStringLiteral("reelkeep-viewer"));
    QApplication::setWindowIcon(applicationIcon());

    QtSettingsStore store;
    QtSettingsStore::keepQtSettingsIn(store.folder());
    QtPrompts prompts;
    QtDesktop desktop;
    SystemClock clock;
    AppState state;

    auto window = Init::Main(state, store, prompts, desktop, clock);
    if (window->ended())
        return 0;
    prompts.setParent(window.get());
    QObject::connect(window.get(), &frmMain::programEnded, &app, &QApplication::quit,
                     Qt::QueuedConnection);
    return app.exec();
}
