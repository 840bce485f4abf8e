// Posts document after document with their archive entries until it is
// killed: numbers 1 to 4, either kind, issued in 2025 or 2026, so that
// postings keep replacing each other across kinds and year folders.
// Arguments: the working folder and the seed of the postings' choices.

#include "kwitola/core/tablestore.h"
#include "kwitola/register/core/archivefiles.h"
#include "kwitola/register/tests/archivepostings.h"

#include <QCoreApplication>
#include <cstdio>
#include <random>

int main(int argc, char** argv)
{
    using namespace kwitola;
    QCoreApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 3) {
        std::fputs("użycie: register_archive_killchild FOLDER ZIARNO\n", stderr);
        return 2;
    }
    TableStore store;
    store.setPassword(QString(kTablePassword));
    if (!store.open(arguments.at(1))) {
        std::fputs("nie można otworzyć tabel\n", stderr);
        return 1;
    }
    std::mt19937 random(arguments.at(2).toUInt());
    for (int quantity = 1;; ++quantity) {
        registry::test::ArchiveCase posting;
        posting.number = static_cast<int>(random() % 4) + 1;
        posting.bill = random() % 2 == 0;
        posting.year = random() % 3 == 0 ? QStringLiteral("2025") : QStringLiteral("2026");
        posting.quantity = quantity;
        const PostingRequest request = registry::test::archiveRequest(posting);
        const auto posted =
            registry::postWithArchive(store, request, registry::test::archiveCopy(request.document),
                                      registry::diskArchiveFiles());
        if (!posted || !posted->unfinished.isEmpty()) {
            std::fputs("księgowanie nie powiodło się\n", stderr);
            return 1;
        }
        std::printf("%d\n", quantity);
        std::fflush(stdout);
    }
}
