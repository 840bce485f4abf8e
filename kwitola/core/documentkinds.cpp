#include "kwitola/core/documentkinds.h"

#include <array>
#include <limits>

namespace kwitola {

namespace {

constexpr std::array<DocumentKind, 5> kKinds = {{
    {"Faktura VAT", "Faktura VAT nr ", true, " FV", "Faktura VAT", Posting::AfterQuestion, true,
     true},
    {"Rachunek uproszczony", "Rachunek Uproszczony nr ", true, " RU", "Rachunek Uproszczony",
     Posting::AfterQuestion, true, true},
    {"Faktura ProForma", "Faktura ProForma", false, "", "", Posting::Never, false, false},
    {"Paragon", "Paragon", false, "", "", Posting::Never, false, false},
    {"WZ", "Dokument WZ", false, "", "", Posting::Always, false, false},
}};

} // namespace

std::span<const DocumentKind> documentKinds()
{
    return kKinds;
}

const DocumentKind& documentKind(int index)
{
    if (index < 0 || index >= static_cast<int>(kKinds.size())) {
        return kKinds.front();
    }
    return kKinds.at(static_cast<std::size_t>(index));
}

QString documentTitle(const DocumentKind& kind, const QString& number)
{
    const QString title = QString::fromUtf8(kind.title);
    return kind.titleNumbered ? title + number + QString::fromUtf8(kind.numberSuffix) : title;
}

std::optional<QString> storedNumber(const DocumentKind& kind, const QString& number)
{
    if (kind.posting == Posting::Never) {
        return std::nullopt;
    }
    return number + QString::fromUtf8(kind.numberSuffix);
}

std::optional<Settings> steppedCounter(const Settings& settings, int step)
{
    bool ok = false;
    const qlonglong counter = settings.numberPart.trimmed().toLongLong(&ok);
    if (!ok || (step > 0 && counter > std::numeric_limits<qlonglong>::max() - step) ||
        (step < 0 && counter < std::numeric_limits<qlonglong>::min() - step)) {
        return std::nullopt;
    }
    Settings stepped = settings;
    stepped.numberPart = QString::number(counter + step);
    return stepped;
}

} // namespace kwitola
