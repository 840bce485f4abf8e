#include "kwitola/ui/legacyoffer.h"

#include "common/seams/messageservice.h"
#include "kwitola/legacy/legacyconvert.h"
#include "kwitola/ui/services.h"

#include <QApplication>
#include <QDir>

namespace kwitola::ui {

namespace {

common::Message message(const QString& text, common::MessageIcon icon)
{
    common::Message m;
    m.text = text;
    m.title = messageTitle();
    m.icon = icon;
    return m;
}

} // namespace

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
    common::Message question = message(
        QStringLiteral("W folderze roboczym są tabele poprzedniej wersji programu Kwitola "
                       "(format Paradox): %1.\n\nCzy przekształcić je do nowego formatu? Pliki "
                       "Paradox zostaną zachowane w podfolderze %2.")
            .arg(names.join(QStringLiteral(", ")), legacy::backupFolderName()),
        common::MessageIcon::Question);
    question.buttons = common::MessageButtons::YesNo;
    question.defaultAnswer = common::MessageAnswer::Yes;
    if (services.messages.show(question, parent) != common::MessageAnswer::Yes) {
        return LegacyOfferOutcome::Declined;
    }

    legacy::ConversionOptions options;
    options.password = QString(kTablePassword);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const auto report = legacy::convertFolder(services.folder, options);
    QApplication::restoreOverrideCursor();
    if (!report) {
        services.messages.show(message(report.error(), common::MessageIcon::Error), parent);
        return LegacyOfferOutcome::Failed;
    }
    services.messages.show(
        message(QStringLiteral("Tabele zostały przekształcone. Pliki Paradox są w folderze %1.")
                    .arg(QDir::toNativeSeparators(report->backupFolder)),
                common::MessageIcon::Information),
        parent);
    return LegacyOfferOutcome::Converted;
}

} // namespace kwitola::ui
