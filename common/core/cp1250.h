#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <optional>
#include <span>

namespace common::cp1250 {

// Encodes text in Windows code page 1250, the single-byte encoding of the
// programs' text files. Characters the code page lacks become '?'.
QByteArray encode(const QString& text);

// The lines of a text file: each line encoded as above and ended by CR LF.
QByteArray encodeLines(std::span<const QString> lines);

// Decodes bytes of code page 1250. The five bytes the code page leaves
// undefined decode to the control characters of the same value.
QString decode(QByteArrayView bytes);

// True when every character of the text has a byte in code page 1250.
bool canEncode(const QString& text);

// The byte of one character, or nothing when the code page lacks it.
std::optional<unsigned char> byteOf(QChar ch);

} // namespace common::cp1250
