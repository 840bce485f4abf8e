// Karoskop: decodes vehicle identification numbers.
#include "common/core/qttranslations.h"
#include "common/core/workingfolder.h"
#include "common/printing/pagerenderer.h"
#include "common/seams/messageservice.h"
#include "common/widgets/programicon.h"
#include "karoskop/ui/karoskopwindows.h"
#include "karoskop/ui/messages.h"
#include "karoskop/ui/tfmainvin.h"

#include <QApplication>
#include <QDir>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Karoskop"));
    common::installFontSubstitutes();
    common::installPolishQtTexts(app);
    common::setProgramIcon(QStringLiteral("karoskop"), QStringLiteral("pl.kwitola.Karoskop"));

    common::DialogMessageService messages;
    // From the desktop menu the program works in its own documents folder.
    if (const auto folder = common::enterWorkingFolder(QStringLiteral("Karoskop")); !folder) {
        messages.show(karoskop::karoskopMessage(folder.error(), common::MessageIcon::Exclamation),
                      nullptr);
    }
    karoskop::KaroskopWindows windows(messages, QDir::currentPath());
    karoskop::TfMainVin& mainWindow = windows.mainVin();
    QObject::connect(&mainWindow, &karoskop::TfMainVin::closed, &app, &QCoreApplication::quit);
    mainWindow.showMaximized();
    return QApplication::exec();
}
