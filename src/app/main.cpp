#include "AppState.h"
#include "Clock.h"
#include "Init.h"
#include "QtDesktop.h"
#include "QtPrompts.h"
#include "QtSettingsStore.h"
#include "frmMain.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Reelkeep Viewer"));

    QtSettingsStore store;
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
