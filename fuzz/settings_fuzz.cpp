// faktura.kfx as any bytes: settings that can be saved come back from their
// own file byte for byte, and the keeper loads what the decoder reads or,
// for a file it refuses, asks before replacing it and leaves it unchanged.
#include "common/core/smallfile.h"
#include "fuzz/fuzzcheck.h"
#include "fuzz/fuzzfiles.h"
#include "kwitola/core/settingskeeper.h"

#include <QTemporaryDir>
#include <cstdint>

using namespace kwitola;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes = inputBytes(data, size);
    const Settings decoded = decodeSettings(bytes);
    if (checkSettingsCanBeSaved(decoded)) {
        const QByteArray encoded = encodeSettings(decoded);
        FUZZ_CHECK(decodeSettings(encoded) == decoded);
        FUZZ_CHECK(encodeSettings(decodeSettings(encoded)) == encoded);
    }

    static const QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("faktura.kfx"));
    putFile(path, bytes);
    SettingsKeeper keeper(path);
    const auto loaded = keeper.load();
    if (bytes.size() <= common::kSmallFileLimit) {
        FUZZ_CHECK(loaded);
        FUZZ_CHECK(keeper.settings() == decoded);
    } else {
        FUZZ_CHECK(!loaded && keeper.needsConsentToSave());
        const auto saved = keeper.save(Settings{});
        FUZZ_CHECK(saved && *saved == SettingsKeeper::SaveOutcome::ConfirmationNeeded);
        FUZZ_CHECK(fileBytes(path) == bytes);
    }
    return 0;
}
