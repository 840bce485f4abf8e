#include "kwitola/ui/legacyoffer.h"

#include "common/seams/messageservice.h"
#include "kwitola/legacy/legacyconvert.h"
#include "kwitola/ui/services.h"

#include <QApplication>
#include <QDir>

namespace kwitola::ui {

LegacyOfferOutcome offerLegacyConversion(const Services& services, QWidget* parent)
{
    const auto found = legacy::findParadoxTables(services.folder);
    if (found.empty()) {
        return LegacyOfferOutcome::NothingFound;
    }
    QStringList names;
    for (const legacy::FoundTable& table : found) {
        names << QDir(services.folder).relativeFilePath(table.path);
    }
    const QString question =

        QStringLiteral("W folderze roboczym są tabele poprzedniej wersji programu Kwitola "
                       "(format Paradox): %1.\n\nCzy przekształcić je do nowego formatu? Pliki "
                       "Paradox zostaną zachowane w podfolderze %2.")
            .arg(names.join(QStringLiteral(", ")), legacy::backupFolderName());
    if (!askYesNo(services.messages, parent, question, common::MessageIcon::Question)) {
        return LegacyOfferOutcome::Declined;
    }

    legacy::ConversionOptions options;
    options.password = QString(kTablePassword);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const auto report = legacy::convertFolder(services.folder, options);
    QApplication::restoreOverrideCursor();
    if (!report) {
        showMessage(services.messages, parent, report.error(), common::MessageIcon::Error);
        return LegacyOfferOutcome::Failed;
    }
    showMessage(services.messages, parent,
                QStringLiteral("Tabele zostały przekształcone. Pliki Paradox są w folderze %1.")
                    .arg(QDir::toNativeSeparators(report->backupFolder)),
                common::MessageIcon::Information);
    return LegacyOfferOutcome::Converted;
}

} // namespace kwitola::ui
