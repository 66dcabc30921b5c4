// SPDX-License-Identifier: GPL-3.0-or-later
#include "Init.h"
#include "Translations.h"
#include "ViewerArguments.h"
#include "browse/AppState.h"
#include "platform/Clock.h"
#include "platform/QtDesktop.h"
#include "platform/QtSettingsStore.h"
#include "ui/QtPrompts.h"
#include "ui/frmMain.h"

#include <QApplication>
#include <QIcon>
#include <cstdio>

namespace {

// The program's own icon, built into the executable in every size the package installs.
QIcon applicationIcon() {
    QIcon icon;
    for (const int size : {16, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/%1x%1/reelkeep-viewer.png").arg(size),
                     QSize(size, size));
    return icon;
}

// Prints the help or the version when asked for.
bool answered(const ViewerArguments& arguments) {
    if (!arguments.help && !arguments.version)
        return false;
    const QString text =
        arguments.help ? ViewerArguments::helpText() : ViewerArguments::versionText();
    std::fputs(text.toLocal8Bit().constData(), stdout);
    return true;
}

} // namespace

int main(int argc, char** argv) {
    // Help and version need no display: they are answered before the application starts.
    QStringList raw;
    for (int i = 0; i < argc; ++i)
        raw << QString::fromLocal8Bit(argv[i]);
    const ViewerArguments early = ViewerArguments::parse(raw);
    if (early.help || early.version) {
        const QString text =
            early.help ? ViewerArguments::helpText() : ViewerArguments::versionText();
        std::fputs(text.toLocal8Bit().constData(), stdout);
        return 0;
    }

    QApplication app(argc, argv);
    Translations::Install(app);
    QApplication::setApplicationName(QStringLiteral("Reelkeep Viewer"));
    // Names the desktop entry, so that a Wayland desktop shows the entry's icon and name.
    QApplication::setDesktopFileName(QStringLiteral("org.reelkeep.ReelkeepViewer"));
    QApplication::setWindowIcon(applicationIcon());

    // Qt's own options are gone from the arguments by now.
    const ViewerArguments arguments = ViewerArguments::parse(QApplication::arguments());
    if (answered(arguments))
        return 0;
    if (!arguments.problem.isEmpty()) {
        std::fprintf(stderr, "reelkeep-viewer: %s\n%s", qPrintable(arguments.problem),
                     qPrintable(ViewerArguments::helpText().section(u'\n', 0, 0) + u'\n'));
        return 2;
    }

    QtSettingsStore store;
    QtSettingsStore::keepQtSettingsIn(store.folder());
    QtPrompts prompts;
    QtDesktop desktop;
    SystemClock clock;
    AppState state;

    auto window = Init::Main(state, store, prompts, desktop, clock, arguments.catalogue);
    if (window->ended())
        return 0;
    prompts.setParent(window.get());
    QObject::connect(window.get(), &frmMain::programEnded, &app, &QApplication::quit,
                     Qt::QueuedConnection);
    return app.exec();
}
