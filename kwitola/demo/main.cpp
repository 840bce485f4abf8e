// kwitola-demo <folder>: fills a working folder that holds no tables yet with
// demo issuers, recipients and goods. A folder that already has tables is
// left exactly as it is.
#include "kwitola/core/demodata.h"
#include "kwitola/core/tablestore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTextStream>
#include <cstdio>

namespace {

bool holdsAnyTable(const QString& folder)
{
    for (const kwitola::Table table : kwitola::kOpenOrder) {
        if (QFileInfo::exists(QDir(folder).filePath(kwitola::layoutOf(table).fileName))) {
            return true;
        }
    }
    return false;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 2) {
        err << "Użycie: kwitola-demo <folder>\n";
        return 2;
    }
    const QString& folder = args.at(1);
    if (!QDir().mkpath(folder)) {
        err << "Nie można utworzyć folderu " << folder << "\n";
        return 1;
    }
    if (holdsAnyTable(folder)) {
        return 0;
    }
    kwitola::TableStore store;
    store.setPassword(QString(kwitola::kTablePassword));
    auto made = store.open(folder);
    if (made) {
        made = kwitola::seedDemoData(store);
    }
    if (!made) {
        err << made.error() << "\n";
        return 1;
    }
    QTextStream(stdout) << "Przygotowano przykładowe tabele w " << QDir(folder).absolutePath()
                        << "\n";
    return 0;
}
