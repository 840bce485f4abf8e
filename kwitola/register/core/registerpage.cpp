#include "kwitola/register/core/registerpage.h"

#include "common/core/filenames.h"
#include "kwitola/register/core/archive.h"
#include "kwitola/register/core/documentpage.h"
#include "kwitola/register/core/registerread.h"

namespace kwitola::registry {

common::Result<RegisterPage> registerPage(const QString& folder, RecordId id)
{
    const auto found = readPostedDocument(folder, id);
    if (!found) {
        return found.forward();
    }
    if (!found->document) {
        return common::fail(QStringLiteral("Tego dokumentu nie ma już w tabelach; odśwież listę."));
    }
    const StoredDocument& document = *found->document;
    auto archived = readArchivedPage(folder, document);
    if (!archived) {
        return archived.forward();
    }
    if (*archived) {
        return RegisterPage{document.Numer_faktury, **std::move(archived), true};
    }
    const Issuer* seller = found->issuers.empty() ? nullptr : &found->issuers.front();
    auto rebuilt = reconstructedPage(document, seller);
    if (!rebuilt) {
        return rebuilt.forward();
    }
    return RegisterPage{document.Numer_faktury, *std::move(rebuilt), false};
}

QString duplicateFileName(const QString& number)
{
    return common::safeFileName(number + QStringLiteral(" duplikat")) + QStringLiteral(".pdf");
}

} // namespace kwitola::registry
