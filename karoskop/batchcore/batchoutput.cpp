#include "karoskop/batchcore/batchoutput.h"

#include "karoskop/core/descriptionrows.h"

#include <QStringList>
#include <QStringView>
#include <algorithm>
#include <array>
#include <cstring>
#include <optional>
#include <string_view>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace karoskop::batch {

namespace {

// Writes c as UTF-8 at p and returns the end.
char* writeUtf8(char* p, char32_t c)
{
    if (c < 0x800) {
        *p++ = static_cast<char>(0xC0 | (c >> 6));
    } else if (c < 0x10000) {
        *p++ = static_cast<char>(0xE0 | (c >> 12));
        *p++ = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    } else {
        *p++ = static_cast<char>(0xF0 | (c >> 18));
        *p++ = static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        *p++ = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    }
    *p++ = static_cast<char>(0x80 | (c & 0x3F));
    return p;
}

// Writes text as UTF-8 at p and returns the end: ascii(q, c) writes each
// ASCII character at q. A lone surrogate becomes U+FFFD.
template <typename Ascii> char* writeText(char* p, QStringView text, Ascii ascii)
{
    const qsizetype n = text.size();
    const char16_t* chars = text.utf16();
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = chars[i];
        if (c < 0x80) {
            p = ascii(p, static_cast<char>(c));
        } else if (QChar::isHighSurrogate(c) && i + 1 < n && QChar::isLowSurrogate(chars[i + 1])) {
            p = writeUtf8(p, QChar::surrogateToUcs4(c, chars[i + 1]));
            ++i;
        } else {
            p = writeUtf8(p, QChar::isSurrogate(c) ? char32_t{0xFFFD} : char32_t{c});
        }
    }
    return p;
}

// Appends text as UTF-8, with at most maxAscii bytes for an ASCII character.
template <typename Ascii>
void appendText(QByteArray& out, QStringView text, qsizetype maxAscii, Ascii ascii)
{
    const qsizetype start = out.size();
    out.resize(start + text.size() * std::max<qsizetype>(maxAscii, 3));
    char* p = writeText(out.data() + start, text, ascii);
    out.resize(p - out.constData());
}

// A JSON object is written into room reserved once: a UTF-16 unit takes at
// most six bytes (a \u00XX escape), a string two more for its quotes.
constexpr qsizetype kJsonBytesPerUnit = 6;

qsizetype jsonBound(QStringView text)
{
    return text.size() * kJsonBytesPerUnit + 2;
}

template <typename List> qsizetype jsonListBound(const List& list)
{
    qsizetype bound = 2;
    for (const QString& item : list) {
        bound += jsonBound(item) + 1;
    }
    return bound;
}

char* writeRaw(char* p, std::string_view bytes)
{
    std::memcpy(p, bytes.data(), bytes.size());
    return p + bytes.size();
}

// A short piece of output kept in a fixed-size array, so that it is copied
// by one copy of known size, which needs no call: the room reserved for an
// object is this much larger than what is written into it.
struct Piece
{
    static constexpr std::size_t kRoom = 32;
    std::array<char, kRoom> bytes{};
    std::size_t size = 0;
};

constexpr Piece piece(std::initializer_list<std::string_view> parts)
{
    Piece result;
    for (const std::string_view part : parts) {
        for (const char c : part) {
            result.bytes.at(result.size++) = c;
        }
    }
    return result;
}

// ,"key":
constexpr Piece keyPiece(std::string_view key)
{
    return piece({",\"", key, "\":"});
}

char* writePiece(char* p, const Piece& piece)
{
    std::memcpy(p, piece.bytes.data(), Piece::kRoom);
    return p + piece.size;
}

constexpr Piece kNull = piece({"null"});
constexpr Piece kTrue = piece({"true"});
constexpr Piece kFalse = piece({"false"});
constexpr Piece kAgrees = piece({"\"zgodna\""});
constexpr Piece kDisagrees = piece({"\"niezgodna\""});

// The check digit's verdict in a CSV row: empty for other makers.
const char* checkDigitText(const std::optional<bool>& verdict)
{
    if (!verdict) {
        return "";
    }
    return *verdict ? "zgodna" : "niezgodna";
}

// The ASCII characters a JSON string holds as they are.
constexpr std::array<bool, 128> kPlainJson = [] {
    std::array<bool, 128> plain{};
    for (std::size_t c = 0x20; c < plain.size(); ++c) {
        plain[c] = c != '"' && c != '\\';
    }
    return plain;
}();

// Copies the leading run of characters that a JSON string holds as they
// are from [c, end) to p, and returns its length. Most texts are such a run
// all through, so it goes eight characters at a time where the processor
// allows.
#if defined(__SSE2__)
// Two bits for each of eight UTF-16 units that a JSON string holds as it is.
int plainMask(__m128i units)
{
    const __m128i belowPlain = _mm_set1_epi16(0x1F);
    const __m128i abovePlain = _mm_set1_epi16(0x80);
    // Signed compares: units from 0x8000 up are negative and fail the first.
    const __m128i ascii =
        _mm_and_si128(_mm_cmpgt_epi16(units, belowPlain), _mm_cmplt_epi16(units, abovePlain));
    const __m128i special = _mm_or_si128(_mm_cmpeq_epi16(units, _mm_set1_epi16('"')),
                                         _mm_cmpeq_epi16(units, _mm_set1_epi16('\\')));
    return _mm_movemask_epi8(_mm_andnot_si128(special, ascii));
}
#endif

qsizetype copyPlainRun(char* p, const char16_t* c, const char16_t* end)
{
    const char16_t* const start = c;
#if defined(__SSE2__)
    while (end - c >= 8) {
        const __m128i units = _mm_loadu_si128(reinterpret_cast<const __m128i*>(c));
        if (plainMask(units) != 0xFFFF) {
            break;
        }
        _mm_storel_epi64(reinterpret_cast<__m128i*>(p + (c - start)),
                         _mm_packus_epi16(units, units));
        c += 8;
    }
    // Fewer than eight units left after eight or more plain ones: the last
    // eight are taken again, overlapping units already copied.
    if (c != end && end - c < 8 && c - start >= 8) {
        const __m128i units = _mm_loadu_si128(reinterpret_cast<const __m128i*>(end - 8));
        if (plainMask(units) == 0xFFFF) {
            _mm_storel_epi64(reinterpret_cast<__m128i*>(p + (end - 8 - start)),
                             _mm_packus_epi16(units, units));
            return end - start;
        }
    }
    // Four at a time where eight are not left: most texts are short.
    if (end - c >= 4) {
        const __m128i units = _mm_loadl_epi64(reinterpret_cast<const __m128i*>(c));
        if ((plainMask(units) & 0xFF) == 0xFF) {
            const int bytes = _mm_cvtsi128_si32(_mm_packus_epi16(units, units));
            std::memcpy(p + (c - start), &bytes, sizeof bytes);
            c += 4;
        }
    }
#endif
    while (c != end && *c < 0x80 && kPlainJson[*c]) {
        p[c - start] = static_cast<char>(*c);
        ++c;
    }
    return c - start;
}

char* writeJsonString(char* p, QStringView text)
{
    static constexpr char kHex[] = "0123456789abcdef";
    const auto escaped = [](char* q, char c) {
        if (c == '"' || c == '\\') {
            *q++ = '\\';
        } else if (static_cast<unsigned char>(c) < 0x20) {
            const auto u = static_cast<unsigned char>(c);
            for (const char e : {'\\', 'u', '0', '0', kHex[u >> 4], kHex[u & 0xF]}) {
                *q++ = e;
            }
            return q;
        }
        *q++ = c;
        return q;
    };
    *p++ = '"';
    const char16_t* c = text.utf16();
    const char16_t* const end = c + text.size();
    while (c != end) {
        const qsizetype run = copyPlainRun(p, c, end);
        p += run;
        c += run;
        if (c == end) {
            break;
        }
        if (*c >= 0x80 && *c < 0x800) {
            // Letters with diacritics, common in the texts: two bytes.
            p = writeUtf8(p, *c);
            ++c;
            continue;
        }
        if (*c == u'\uFEFF') {
            // A byte-order mark inside a string is written escaped: some
            // readers drop it as it stands, and the line would change.
            p = writeRaw(p, "\\ufeff");
            ++c;
            continue;
        }
        // One character that is not plain: escaped, or UTF-8 (a surrogate pair whole).
        const qsizetype units =
            QChar::isHighSurrogate(*c) && end - c > 1 && QChar::isLowSurrogate(c[1]) ? 2 : 1;
        p = writeText(p, QStringView(c, units), escaped);
        c += units;
    }
    *p++ = '"';
    return p;
}

template <typename List> char* writeJsonStrings(char* p, const List& list)
{
    *p++ = '[';
    bool first = true;
    for (const QString& item : list) {
        if (!first) {
            *p++ = ',';
        }
        first = false;
        p = writeJsonString(p, item);
    }
    *p++ = ']';
    return p;
}

// The keys of the description's fields, with their commas and colons, in
// the order of the rows.
constexpr std::array<Piece, kDescriptionRows.size()> kFieldKeys = [] {
    std::array<Piece, kDescriptionRows.size()> keys{};
    for (std::size_t i = 0; i < keys.size(); ++i) {
        keys.at(i) = keyPiece(kDescriptionRows.at(i).jsonKey);
    }
    return keys;
}();

void appendCsvField(QByteArray& out, QStringView text, char separator)
{
    const bool quoted = text.contains(QLatin1Char(separator)) || text.contains(u'"') ||
                        text.contains(u'\n') || text.contains(u'\r');
    if (!quoted) {
        appendText(out, text, 1, [](char* p, char c) {
            *p++ = c;
            return p;
        });
        return;
    }
    out.append('"');
    appendText(out, text, 2, [](char* p, char c) {
        if (c == '"') {
            *p++ = '"';
        }
        *p++ = c;
        return p;
    });
    out.append('"');
}

// The comment lines that hold text, joined by a blank.
QString commentLine(const VehicleDescription& d)
{
    QString line;
    for (const QString& comment : d.comments) {
        if (comment.isEmpty()) {
            continue;
        }
        if (!line.isEmpty()) {
            line += u' ';
        }
        line += comment;
    }
    return line;
}

} // namespace

LineView::LineView(const LineResult& result)
    : vin(result.vin), error(result.error ? &*result.error : nullptr),
      description(result.error ? nullptr : &result.description),
      severalModels(result.severalModels), unknownManufacturer(result.unknownManufacturer),
      checkDigit(result.checkDigit)
{}

void appendJson(QByteArray& out, const LineView& r)
{
    static constexpr Piece kError = keyPiece("error");
    static constexpr std::array<Piece, 4> kTail = {keyPiece("comments"), keyPiece("models"),
                                                   keyPiece("several_models"),
                                                   keyPiece("unknown_manufacturer")};
    static constexpr Piece kCheckDigit = keyPiece("check_digit");
    // Keys, punctuation and literals of one object, and the room pieces are
    // copied with, take less than this.
    constexpr qsizetype kFixedBytes = 1024;
    const VehicleDescription* d = r.description; // none for a refused line
    qsizetype bound = kFixedBytes + jsonBound(r.vin) + (r.error ? jsonBound(*r.error) : 0);
    if (d != nullptr) {
        for (const DescriptionRow& row : kDescriptionRows) {
            bound += jsonBound(d->*row.value);
        }
        bound += jsonListBound(d->comments) + jsonListBound(d->models);
    }
    const qsizetype start = out.size();
    out.resize(start + bound);
    char* p = out.data() + start;

    p = writeRaw(p, "{\"vin\":");
    p = writeJsonString(p, r.vin);
    p = writePiece(p, kError);
    p = r.error ? writeJsonString(p, *r.error) : writePiece(p, kNull);
    for (std::size_t i = 0; i < kDescriptionRows.size(); ++i) {
        p = writePiece(p, kFieldKeys[i]);
        p = d != nullptr ? writeJsonString(p, d->*kDescriptionRows[i].value) : writePiece(p, kNull);
    }
    if (d != nullptr) {
        p = writeJsonStrings(writePiece(p, kTail[0]), d->comments);
        p = writeJsonStrings(writePiece(p, kTail[1]), d->models);
        p = writePiece(writePiece(p, kTail[2]), r.severalModels ? kTrue : kFalse);
        p = writePiece(writePiece(p, kTail[3]), r.unknownManufacturer ? kTrue : kFalse);
    } else {
        for (const Piece& key : kTail) {
            p = writePiece(writePiece(p, key), kNull);
        }
    }
    p = writePiece(p, kCheckDigit);
    p = r.checkDigit ? writePiece(p, *r.checkDigit ? kAgrees : kDisagrees) : writePiece(p, kNull);
    p = writeRaw(p, "}\n");
    out.resize(p - out.constData());
}

QString csvHeading(QStringView caption)
{
    qsizetype end = caption.size();
    while (end > 0 && (caption[end - 1] == u':' || caption[end - 1].isSpace())) {
        --end;
    }
    return caption.first(end).toString();
}

QByteArray csvHeader(char separator)
{
    // The columns that are not one description field, in their places.
    static const char* const kLeading[] = {"Wczytany numer", "Błąd"};
    static const char* const kTrailing[] = {kCommentsCaption, kModelListCaption,
                                            "Więcej niż jeden typ", "Nieznany producent",
                                            "Cyfra kontrolna"};
    QStringList headings;
    for (const char* caption : kLeading) {
        headings << csvHeading(QString::fromUtf8(caption));
    }
    for (const DescriptionRow& row : kDescriptionRows) {
        headings << csvHeading(QString::fromUtf8(row.caption));
    }
    for (const char* caption : kTrailing) {
        headings << csvHeading(QString::fromUtf8(caption));
    }
    QByteArray out;
    for (const QString& heading : headings) {
        if (!out.isEmpty()) {
            out.append(separator);
        }
        appendCsvField(out, heading, separator);
    }
    out.append('\n');
    return out;
}

void appendCsv(QByteArray& out, const LineView& r, char separator)
{
    appendCsvField(out, r.vin, separator);
    out.append(separator);
    if (r.description == nullptr) {
        appendCsvField(out, r.error != nullptr ? QStringView(*r.error) : QStringView(), separator);
        out.append(QByteArray(kDescriptionRows.size() + 5, separator));
        out.append('\n');
        return;
    }
    const VehicleDescription& d = *r.description;
    for (const DescriptionRow& row : kDescriptionRows) {
        out.append(separator);
        appendCsvField(out, d.*row.value, separator);
    }
    out.append(separator);
    appendCsvField(out, commentLine(d), separator);
    out.append(separator);
    appendCsvField(out, d.models.join(u"; "), separator);
    out.append(separator).append(r.severalModels ? "tak" : "nie");
    out.append(separator).append(r.unknownManufacturer ? "tak" : "nie");
    out.append(separator).append(checkDigitText(r.checkDigit)).append('\n');
}

} // namespace karoskop::batch
