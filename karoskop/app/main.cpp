// Karoskop: decodes vehicle identification numbers.
#include "common/printing/pagerenderer.h"
#include "common/seams/messageservice.h"
#include "karoskop/ui/karoskopwindows.h"
#include "karoskop/ui/tfmainvin.h"

#include <QApplication>
#include <QDir>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Karoskop"));
    common::installFontSubstitutes();

    common::DialogMessageService messages;
    karoskop::KaroskopWindows windows(messages, QDir::currentPath());
    karoskop::TfMainVin& mainWindow = windows.mainVin();
    QObject::connect(&mainWindow, &karoskop::TfMainVin::closed, &app, &QCoreApplication::quit);
    mainWindow.showMaximized();
    return QApplication::exec();
}
