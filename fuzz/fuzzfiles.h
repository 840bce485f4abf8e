#pragma once

#include <QByteArray>
#include <QString>
#include <cstddef>
#include <cstdint>

// The fuzzer's input as bytes.
[[nodiscard]] QByteArray inputBytes(const std::uint8_t* data, std::size_t size);

// The file's bytes, or "<unreadable>" when it cannot be read.
[[nodiscard]] QByteArray fileBytes(const QString& path);

// Makes the file hold exactly the bytes; a file that cannot be written stops
// the run.
void putFile(const QString& path, const QByteArray& bytes);
