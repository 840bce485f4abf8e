#include "kwitola/register/core/postingarchive.h"

#include "common/core/smallfile.h"
#include "kwitola/core/posting.h"
#include "kwitola/core/tablecatalogue.h"
#include "kwitola/core/tablestore.h"
#include "kwitola/register/core/archive.h"
#include "kwitola/register/core/archivefiles.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>

namespace kwitola::registry {

namespace {

const QString kTempSuffix = QStringLiteral(".nowy");
const QString kNoteSuffix = QStringLiteral(".oczekuje");
const QString kNoteFormat = QStringLiteral("kwitola-archiwum-w-toku");
constexpr int kNoteVersion = 1;
constexpr qint64 kNoteLimit = qint64{1024} * 1024;

// The files of one entry while its posting is under way: the page and the
// PDF under temporary names, and the note saying which record they belong
// to (written last, so that a note means both files are whole).
struct PendingFiles
{
    ArchiveEntry entry;
    QString page;
    QString pdf;
    QString note;
};

PendingFiles pendingFiles(const ArchiveEntry& entry)
{
    const QString base = entry.pagePath.left(entry.pagePath.lastIndexOf(QLatin1Char('.')));
    return {entry, entry.pagePath + kTempSuffix, entry.pdfPath + kTempSuffix, base + kNoteSuffix};
}

PendingFiles pendingFilesOfNote(const QString& note)
{
    const QString base = note.chopped(kNoteSuffix.size());
    return pendingFiles({base + QStringLiteral(".json"), base + QStringLiteral(".pdf")});
}

// What the note keeps: the stored number, the record's values as the table
// stores them and the entries (relative to the working folder) of the
// postings this one replaces.
struct Note
{
    QString number;
    QStringList record;
    QStringList replaced;
};

QByteArray noteToJson(const Note& note)
{
    QJsonObject object;
    object.insert(QStringLiteral("format"), kNoteFormat);
    object.insert(QStringLiteral("wersja"), kNoteVersion);
    object.insert(QStringLiteral("numer"), note.number);
    object.insert(QStringLiteral("rekord"), QJsonArray::fromStringList(note.record));
    object.insert(QStringLiteral("zastepowane"), QJsonArray::fromStringList(note.replaced));
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

QStringList texts(const QJsonValue& value)
{
    QStringList list;
    for (const auto& item : value.toArray()) {
        list << item.toString();
    }
    return list;
}

// A replaced entry stays inside the archive: a damaged note never names
// another file to remove.
bool isEntryPath(const QString& relative)
{
    const QString clean = QDir::cleanPath(relative);
    return clean == relative && clean.startsWith(QStringLiteral("archiwum/")) &&
           !clean.contains(QStringLiteral("..")) &&
           (clean.endsWith(QStringLiteral(".json")) || clean.endsWith(QStringLiteral(".pdf")));
}

common::Result<Note> readNote(const QString& path)
{
    const auto bad = [&path](const QString& why) {
        return common::fail(
            QStringLiteral("Nie można odczytać zapisu niedokończonego księgowania %1: %2")
                .arg(QDir::toNativeSeparators(path), why));
    };
    const auto bytes = common::readSmallFile(path, kNoteLimit);
    if (!bytes || !*bytes) {
        return bad(bytes ? QStringLiteral("plik zniknął.") : bytes.error());
    }
    const QJsonObject object = QJsonDocument::fromJson(**bytes).object();
    Note note{object.value(QStringLiteral("numer")).toString(),
              texts(object.value(QStringLiteral("rekord"))),
              texts(object.value(QStringLiteral("zastepowane")))};
    const bool known = object.value(QStringLiteral("format")).toString() == kNoteFormat &&
                       object.value(QStringLiteral("wersja")).toInt() == kNoteVersion;
    if (!known || note.number.isEmpty() || note.record.isEmpty() ||
        !std::all_of(note.replaced.begin(), note.replaced.end(), isEntryPath)) {
        return bad(QStringLiteral("zapis jest uszkodzony."));
    }
    return note;
}

// Whether the tables hold the note's record: the posting committed.
common::Result<bool> recordStored(const TableStore& store, const Note& note)
{
    const auto ids =
        store.findAll(Table::Faktury, fieldName(&StoredDocument::Numer_faktury), note.number);
    if (!ids) {
        return ids.forward();
    }
    for (const RecordId id : *ids) {
        const auto record = store.get<StoredDocument>(id);
        if (!record) {
            return record.forward();
        }
        if (*record && toValues(**record) == note.record) {
            return true;
        }
    }
    return false;
}

common::Result<void> removeAll(ArchiveFiles& files, const QStringList& paths)
{
    for (const QString& path : paths) {
        if (auto removed = files.remove(path); !removed) {
            return removed;
        }
    }
    return {};
}

// Removes what an uncommitted posting wrote; the note goes last.
common::Result<void> discardPending(ArchiveFiles& files, const PendingFiles& pending)
{
    return removeAll(files, {pending.page, pending.pdf, pending.note + kTempSuffix, pending.note});
}

// Moves a committed posting's files into place, removes the entries it
// replaces, then its note. Each step may be repeated after a kill.
common::Result<void> placePending(const QString& folder, ArchiveFiles& files,
                                  const PendingFiles& pending, const QStringList& replaced)
{
    const std::pair<QString, QString> moves[] = {{pending.page, pending.entry.pagePath},
                                                 {pending.pdf, pending.entry.pdfPath}};
    for (const auto& [from, to] : moves) {
        if (QFileInfo::exists(from)) {
            if (auto moved = files.rename(from, to); !moved) {
                return moved;
            }
        }
    }
    QStringList others;
    for (const QString& relative : replaced) {
        const QString path = QDir(folder).filePath(relative);
        if (path != pending.entry.pagePath && path != pending.entry.pdfPath) {
            others << path;
        }
    }
    if (auto removed = removeAll(files, others); !removed) {
        return removed;
    }
    return files.remove(pending.note);
}

common::Result<void> recoverNote(const TableStore& store, ArchiveFiles& files,
                                 const QString& notePath)
{
    const auto note = readNote(notePath);
    if (!note) {
        return note.forward();
    }
    const auto stored = recordStored(store, *note);
    if (!stored) {
        return stored.forward();
    }
    const PendingFiles pending = pendingFilesOfNote(notePath);
    return *stored ? placePending(store.folder(), files, pending, note->replaced)
                   : discardPending(files, pending);
}

QStringList replacedEntries(const QString& folder, const std::vector<StoredDocument>& earlier)
{
    QStringList replaced;
    for (const StoredDocument& document : earlier) {
        const ArchiveEntry entry = archiveEntry(folder, document);
        replaced << QDir(folder).relativeFilePath(entry.pagePath)
                 << QDir(folder).relativeFilePath(entry.pdfPath);
    }
    return replaced;
}

// The page, the PDF and then the note, the note written aside and renamed
// so that it is never seen half written.
common::Result<void> writePending(ArchiveFiles& files, const PendingFiles& pending,
                                  const ArchivedCopy& copy, const Note& note)
{
    const std::pair<QString, QByteArray> writes[] = {
        {pending.page, copy.pageJson},
        {pending.pdf, copy.pdf},
        {pending.note + kTempSuffix, noteToJson(note)}};
    for (const auto& [path, bytes] : writes) {
        if (auto written = files.write(path, bytes); !written) {
            return written;
        }
    }
    return files.rename(pending.note + kTempSuffix, pending.note);
}

common::Failure notPosted(const QString& why)
{
    return common::fail(QStringLiteral("Nie udało się zapisać dokumentu w archiwum: %1\n"
                                       "Dokument nie został zaksięgowany.")
                            .arg(why));
}

// Removes temporary files no note claims: a posting killed before its note
// was written never reached the tables.
void sweepYear(ArchiveFiles& files, const QDir& year)
{
    for (const QString& name : year.entryList({QLatin1Char('*') + kTempSuffix}, QDir::Files)) {
        const QString owner = name.chopped(kTempSuffix.size());
        const QString base = owner.left(owner.lastIndexOf(QLatin1Char('.')));
        if (!year.exists(base + kNoteSuffix)) {
            (void)files.remove(year.filePath(name));
        }
    }
}

} // namespace

QString postingFailedText()
{
    return QStringLiteral("Błąd w zapisie do rejestru transakcji.");
}

common::Result<ArchivedPosting> postWithArchive(TableStore& store, const PostingRequest& request,
                                                const ArchivedCopy& copy, ArchiveFiles& files)
{
    const QString folder = store.folder();
    const PendingFiles pending = pendingFiles(archiveEntry(folder, request.document));
    // An earlier posting of this number whose entry is still pending is
    // finished (or removed) first, so that this one cannot lose it.
    if (QFileInfo::exists(pending.note)) {
        if (auto earlier = recoverNote(store, files, pending.note); !earlier) {
            return notPosted(earlier.error());
        }
    }
    const auto earlier = earlierPostings(store, request);
    if (!earlier) {
        return common::fail(postingFailedText());
    }
    const Note note{request.document.Numer_faktury, toValues(request.document),
                    replacedEntries(folder, *earlier)};
    if (auto written = writePending(files, pending, copy, note); !written) {
        (void)discardPending(files, pending);
        return notPosted(written.error());
    }
    if (!postDocument(store, request)) {
        (void)discardPending(files, pending);
        return common::fail(postingFailedText());
    }
    if (auto placed = placePending(folder, files, pending, note.replaced); !placed) {
        return ArchivedPosting{
            QStringLiteral("Dokument zaksięgowano, ale jego strona nie trafiła jeszcze do "
                           "archiwum: %1\nZostanie tam umieszczona przy następnym uruchomieniu "
                           "programu.")
                .arg(placed.error())};
    }
    return ArchivedPosting{};
}

common::Result<void> recoverArchive(const TableStore& store, ArchiveFiles& files)
{
    const QDir archive(QDir(store.folder()).filePath(QStringLiteral("archiwum")));
    QStringList problems;
    for (const QString& yearName : archive.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QDir year(archive.filePath(yearName));
        for (const QString& name : year.entryList({QLatin1Char('*') + kNoteSuffix}, QDir::Files)) {
            if (auto recovered = recoverNote(store, files, year.filePath(name)); !recovered) {
                problems << recovered.error();
            }
        }
        sweepYear(files, year);
    }
    if (!problems.isEmpty()) {
        return common::fail(problems.join(QLatin1Char('\n')));
    }
    return {};
}

} // namespace kwitola::registry
