// kwitola-rejestr: the register of Kwitola's posted documents and the
// month's sales ledger. `--eksport RRRR-MM --csv PLIK | --pdf PLIK` writes the
// ledger without a window.
#include "common/core/workingfolder.h"
#include "common/printing/pagerenderer.h"
#include "kwitola/register/export/exportcommand.h"

#include <QDir>
#include <QGuiApplication>
#include <QStandardPaths>
#include <QTextStream>
#include <cstdio>

int main(int argc, char** argv)
{
    // The command line draws its PDF without any screen.
    if (argc > 1) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    const QGuiApplication app(argc, argv);
    common::installFontSubstitutes();
    const QStringList arguments = QCoreApplication::arguments().mid(1);
    // The same folder Kwitola works in when started the same way; the
    // register only reads it, so it is never created here.
    const QString current = QDir::currentPath();
    const QString folder = common::chooseWorkingFolder(
        current, QDir::homePath(),
        QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation),
        QStringLiteral("Kwitola"));
    QTextStream out(stdout);
    QTextStream err(stderr);
    return kwitola::registry::runExportCommand(arguments, current, folder, out, err);
}
