#include "karoskop/core/batchoutput.h"

#include <QStringView>
#include <algorithm>
#include <array>

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

// Appends text as UTF-8, straight into out: ascii(p, c) writes each ASCII
// character, in at most maxAscii bytes, and returns the end. A lone
// surrogate becomes U+FFFD.
template <typename Ascii>
void appendText(QByteArray& out, QStringView text, qsizetype maxAscii, Ascii ascii)
{
    const qsizetype start = out.size();
    out.resize(start + text.size() * std::max<qsizetype>(maxAscii, 3));
    char* p = out.data() + start;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = text[i].unicode();
        if (c < 0x80) {
            p = ascii(p, static_cast<char>(c));
        } else if (QChar::isHighSurrogate(c) && i + 1 < n && text[i + 1].isLowSurrogate()) {
            p = writeUtf8(p, QChar::surrogateToUcs4(c, text[i + 1].unicode()));
            ++i;
        } else {
            p = writeUtf8(p, QChar::isSurrogate(c) ? char32_t{0xFFFD} : char32_t{c});
        }
    }
    out.resize(p - out.constData());
}

void appendJsonString(QByteArray& out, QStringView text)
{
    static constexpr char kHex[] = "0123456789abcdef";
    out.append('"');
    appendText(out, text, 6, [](char* p, char c) {
        if (c == '"' || c == '\\') {
            *p++ = '\\';
        } else if (static_cast<unsigned char>(c) < 0x20) {
            const auto u = static_cast<unsigned char>(c);
            for (const char e : {'\\', 'u', '0', '0', kHex[u >> 4], kHex[u & 0xF]}) {
                *p++ = e;
            }
            return p;
        }
        *p++ = c;
        return p;
    });
    out.append('"');
}

void appendKey(QByteArray& out, const char* key)
{
    out.append(',').append('"').append(key).append("\":");
}

void appendJsonStrings(QByteArray& out, const auto& list)
{
    out.append('[');
    bool first = true;
    for (const QString& item : list) {
        if (!first) {
            out.append(',');
        }
        first = false;
        appendJsonString(out, item);
    }
    out.append(']');
}

// The decoded text fields in output order, with their keys and captions.
struct Field
{
    const char* key;
    const char* caption;
    QString VehicleDescription::*value;
};

const std::array<Field, 14> kFields{{
    {"full_vin", "Pełny numer nadwozia :", &VehicleDescription::fullVin},
    {"region", "Strefa geograficzna", &VehicleDescription::region},
    {"country", "Kraj producenta", &VehicleDescription::country},
    {"make", "Marka pojazdu", &VehicleDescription::make},
    {"type", "Typ pojazdu", &VehicleDescription::type},
    {"production_year", "Rok produkcji", &VehicleDescription::productionYear},
    {"model_year", "Rok modelowy", &VehicleDescription::modelYear},
    {"production_month", "Miesiąc produkcji", &VehicleDescription::productionMonth},
    {"plant", "Lokalizacja fabryki", &VehicleDescription::plant},
    {"body", "Typ nadwozia", &VehicleDescription::body},
    {"engine", "Typ silnika", &VehicleDescription::engine},
    {"gearbox", "Typ skrzyni biegów", &VehicleDescription::gearbox},
    {"model_years", "Lata produkcji modelu", &VehicleDescription::modelYears},
    {"serial", "Numer seryjny", &VehicleDescription::serial},
}};

void appendCsvField(QByteArray& out, QStringView text)
{
    const bool quoted =
        text.contains(u',') || text.contains(u'"') || text.contains(u'\n') || text.contains(u'\r');
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

void appendJson(QByteArray& out, const LineResult& r)
{
    out.append("{\"vin\":");
    appendJsonString(out, r.vin);
    appendKey(out, "error");
    if (r.error) {
        appendJsonString(out, *r.error);
    } else {
        out.append("null");
    }
    const bool decoded = !r.error;
    const VehicleDescription& d = r.description;
    for (const Field& field : kFields) {
        appendKey(out, field.key);
        if (decoded) {
            appendJsonString(out, d.*field.value);
        } else {
            out.append("null");
        }
    }
    if (decoded) {
        appendKey(out, "comments");
        appendJsonStrings(out, d.comments);
        appendKey(out, "models");
        appendJsonStrings(out, d.models);
        appendKey(out, "several_models");
        out.append(r.severalModels ? "true" : "false");
        appendKey(out, "unknown_manufacturer");
        out.append(r.unknownManufacturer ? "true" : "false");
    } else {
        for (const char* key : {"comments", "models", "several_models", "unknown_manufacturer"}) {
            appendKey(out, key);
            out.append("null");
        }
    }
    out.append("}\n");
}

QByteArray csvHeader()
{
    QByteArray out("Wczytany numer,Błąd");
    for (const Field& field : kFields) {
        out.append(',').append(field.caption);
    }
    out.append(",Komentarze :,Lista typów pojazdów spełniających zadane kryteria,"
               "Więcej niż jeden typ,Nieznany producent\n");
    return out;
}

void appendCsv(QByteArray& out, const LineResult& r)
{
    appendCsvField(out, r.vin);
    out.append(',');
    if (r.error) {
        appendCsvField(out, *r.error);
        out.append(QByteArray(kFields.size() + 4, ','));
        out.append('\n');
        return;
    }
    const VehicleDescription& d = r.description;
    for (const Field& field : kFields) {
        out.append(',');
        appendCsvField(out, d.*field.value);
    }
    out.append(',');
    appendCsvField(out, commentLine(d));
    out.append(',');
    appendCsvField(out, d.models.join(u"; "));
    out.append(r.severalModels ? ",tak" : ",nie");
    out.append(r.unknownManufacturer ? ",tak\n" : ",nie\n");
}

} // namespace karoskop::batch
