#include "common/core/clock.h"
#include "common/core/qttranslations.h"
#include "common/core/workingfolder.h"
#include "common/printing/pagerenderer.h"
#include "common/seams/filedialogservice.h"
#include "common/seams/messageservice.h"
#include "common/seams/printerdialogservice.h"
#include "common/seams/printservice.h"
#include "common/widgets/programicon.h"
#include "kwitola/core/singleinstance.h"
#include "kwitola/core/tablestore.h"
#include "kwitola/ui/kwitolawindows.h"
#include "kwitola/ui/printpreview.h"
#include "kwitola/ui/programmessages.h"
#include "kwitola/ui/tffaktura.h"
#include "kwitola/ui/tfwitamy.h"

#include <QApplication>
#include <QDir>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    common::installFontSubstitutes();
    common::installPolishQtTexts(app);
    common::setProgramIcon(QStringLiteral("kwitola"), QStringLiteral("pl.kwitola.Kwitola"));

    kwitola::ui::TfWitamy splash;
    splash.showAndPaint();

    common::DialogMessageService messages;
    // From the desktop menu the program works in its own documents folder.
    if (const auto folder = common::enterWorkingFolder(QStringLiteral("Kwitola")); !folder) {
        kwitola::ui::showMessage(messages, nullptr, folder.error(),
                                 common::MessageIcon::Exclamation);
    }
    common::SystemClock clock;
    common::SystemFileDialogService files;
    common::SystemPrinterDialogService printers;
    common::SystemPrintService printer;
    kwitola::ui::DialogPreviewService preview;
    kwitola::TableStore store;
    const kwitola::ui::Services services{messages,
                                         clock,
                                         files,
                                         printers,
                                         printer,
                                         preview,
                                         store,
                                         QDir::currentPath(),
                                         kwitola::SingleInstance::defaultLockPath()};
    kwitola::ui::KwitolaWindows windows(services);
    splash.close();

    QObject::connect(&windows.faktura(), &kwitola::ui::TfFaktura::programEnded, &app,
                     &QCoreApplication::quit, Qt::QueuedConnection);
    windows.faktura().showMaximizedOnScreen();
    return QApplication::exec();
}
