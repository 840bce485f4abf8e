#pragma once

#include "common/core/pagemodel.h"
#include "common/core/result.h"
#include "kwitola/core/tablerecords.h"

#include <QString>

namespace kwitola::registry {

// The page the register shows for a posted document: the archived page as
// printed, or, without an archive entry, the page rebuilt from its record
// with today's first issuer as seller.
struct RegisterPage
{
    QString number; // the stored number
    common::Page page;
    bool fromArchive = false;
};

// Reads the document and its page; fails with a Polish text when the record
// is gone, the tables stay busy, or the archived page does not read.
[[nodiscard]] common::Result<RegisterPage> registerPage(const QString& folder, RecordId id);

// The file name offered for the duplicate of a document, made safe as the
// PDFs of wydruki/ are: "12/2026 FV" gives "12_2026_FV_duplikat.pdf".
[[nodiscard]] QString duplicateFileName(const QString& number);

} // namespace kwitola::registry
