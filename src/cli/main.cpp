// SPDX-License-Identifier: GPL-3.0-or-later
#include "CliApp.h"
#include "platform/QtSettingsStore.h"

#include <QCoreApplication>
#include <QStringConverter>
#include <QTextStream>

#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    out.setEncoding(QStringConverter::Utf8);
    err.setEncoding(QStringConverter::Utf8);

    QtSettingsStore store;
    CliApp cli(store, out, err);
    QStringList arguments = QCoreApplication::arguments();
    arguments.removeFirst();
    return cli.run(arguments);
}
