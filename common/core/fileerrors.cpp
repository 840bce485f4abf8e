#include "common/core/fileerrors.h"

#include <QFile>
#include <array>
#include <cerrno>
#include <sys/stat.h>
#include <utility>

namespace common {

namespace {

// The errors a file operation of these programs can meet, in the user's words.
constexpr std::array<std::pair<int, const char*>, 20> kDescriptions = {{
    {ENOENT, "plik nie istnieje"},
    {EACCES, "brak uprawnień do pliku"},
    {EPERM, "operacja niedozwolona"},
    {EISDIR, "w miejscu pliku jest folder"},
    {ENOTDIR, "część ścieżki nie jest folderem"},
    {ELOOP, "zbyt wiele dowiązań symbolicznych w ścieżce"},
    {ENAMETOOLONG, "zbyt długa nazwa pliku"},
    {ENOSPC, "brak miejsca na dysku"},
    {EDQUOT, "przekroczony przydział miejsca na dysku"},
    {EFBIG, "plik jest zbyt duży"},
    {EROFS, "dysk jest tylko do odczytu"},
    {EIO, "błąd odczytu lub zapisu dysku"},
    {EBUSY, "plik jest zajęty"},
    {ETXTBSY, "plik jest zajęty"},
    {EMFILE, "zbyt wiele otwartych plików"},
    {ENFILE, "zbyt wiele otwartych plików w systemie"},
    {ENOMEM, "brak pamięci"},
    {EEXIST, "plik już istnieje"},
    {EXDEV, "plik leży na innym dysku"},
    {ENXIO, "urządzenie nie jest dostępne"},
}};

// File types other than a regular file, by the type bits of st_mode.
constexpr std::array<std::pair<mode_t, const char*>, 5> kKinds = {{
    {S_IFDIR, "w miejscu pliku jest folder"},
    {S_IFIFO, "w miejscu pliku jest potok nazwany"},
    {S_IFCHR, "w miejscu pliku jest urządzenie"},
    {S_IFBLK, "w miejscu pliku jest urządzenie"},
    {S_IFSOCK, "w miejscu pliku jest gniazdo"},
}};

} // namespace

QString describeNonRegularFile(const QString& path)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat entry
    {
    };
    if (::stat(name.constData(), &entry) != 0) {
        struct stat link
        {
        };
        if (errno == ENOENT && ::lstat(name.constData(), &link) == 0) {
            return QStringLiteral("dowiązanie wskazuje na nieistniejący plik");
        }
        return describeSystemError(errno);
    }
    for (const auto& [kind, text] : kKinds) {
        if ((entry.st_mode & S_IFMT) == kind) {
            return QString::fromUtf8(text);
        }
    }
    return {};
}

QString describeSystemError(int errorNumber)
{
    for (const auto& [known, text] : kDescriptions) {
        if (known == errorNumber) {
            return QString::fromUtf8(text);
        }
    }
    return QStringLiteral("nieznany błąd systemu (kod %1)").arg(errorNumber);
}

} // namespace common
