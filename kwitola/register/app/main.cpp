// kwitola-rejestr: the register of Kwitola's posted documents and the
// month's sales ledger. `--eksport RRRR-MM --csv PLIK | --pdf PLIK` writes the
// ledger without a window.
#include "common/core/clock.h"
#include "common/core/qttranslations.h"
#include "common/core/workingfolder.h"
#include "common/printing/pagerenderer.h"
#include "common/seams/filedialogservice.h"
#include "common/seams/messageservice.h"
#include "common/seams/printservice.h"
#include "kwitola/register/export/exportcommand.h"
#include "kwitola/register/ui/registerwindow.h"

#include <QApplication>
#include <QDir>
#include <QStandardPaths>
#include <QTextStream>
#include <cstdio>

int main(int argc, char** argv)
{
    // The command line draws its PDF without any screen.
    if (argc > 1) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    common::installFontSubstitutes();
    const QStringList arguments = QCoreApplication::arguments().mid(1);
    // The same folder Kwitola works in when started the same way; the
    // register only reads it, so it is never created here.
    const QString current = QDir::currentPath();
    const QString folder = common::chooseWorkingFolder(
        current, QDir::homePath(),
        QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation),
        QStringLiteral("Kwitola"));
    if (!arguments.isEmpty()) {
        QTextStream out(stdout);
        QTextStream err(stderr);
        return kwitola::registry::runExportCommand(arguments, current, folder, out, err);
    }
    common::installPolishQtTexts(app);
    common::DialogMessageService messages;
    // With no printer in the system a duplicate goes to wydruki/ of the
    // working folder, as Kwitola's printouts do.
    common::SystemPrintService printer(QDir(folder).filePath(QStringLiteral("wydruki")));
    common::SystemFileDialogService files;
    common::SystemClock clock;
    kwitola::registry::RegisterWindow window(folder, {messages, printer, files, clock});
    window.resize(1280, 800);
    window.show();
    window.reload();
    return QApplication::exec();
}
