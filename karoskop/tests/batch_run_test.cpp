#include "karoskop/batchcore/batchdecoder.h"
#include "karoskop/batchcore/batchinput.h"
#include "karoskop/core/decoder.h"
#include "karoskop/tests/vinfixture.h"

#include <QBuffer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>
#include <cstring>
#include <gtest/gtest.h>

namespace karoskop::batch {
namespace {

const QString kCompleteness = QStringLiteral("Wprowadzony numer nadwozia nie zawiera 17 znaków.");
const QString kSpace = QStringLiteral("Wprowadzony numer nadwozia zawiera spację.");

QString characterAt(int position)
{
    return QStringLiteral("Jeżeli dane na poz.%1 są wprowadzone poprawnie - proszę dokładnie "
                          "sprawdzić pole numerowe nadwozia.")
        .arg(position);
}

// Runs the whole input through the batch decoder and returns its output.
QByteArray runBatch(const QByteArray& input, OutputFormat format = OutputFormat::Json,
                    Decoder* decoder = nullptr, char separator = kDefaultCsvSeparator)
{
    Decoder own;
    QBuffer in;
    in.setData(input);
    in.open(QIODevice::ReadOnly);
    QBuffer out;
    out.open(QIODevice::WriteOnly);
    RunOptions options;
    options.format = format;
    options.separator = separator;
    EXPECT_TRUE(decodeAll(in, out, decoder != nullptr ? *decoder : own, options).ok());
    return out.data();
}

std::vector<QJsonObject> jsonLines(const QByteArray& output)
{
    std::vector<QJsonObject> objects;
    for (const QByteArray& line : output.split('\n')) {
        if (line.isEmpty()) {
            continue;
        }
        QJsonParseError error{};
        const QJsonDocument document = QJsonDocument::fromJson(line, &error);
        EXPECT_EQ(error.error, QJsonParseError::NoError) << line.toStdString();
        EXPECT_TRUE(document.isObject()) << line.toStdString();
        objects.push_back(document.object());
    }
    return objects;
}

TEST(BatchLines, GoodAndBadLinesGetTheWindowsAnswers)
{
    const struct
    {
        QByteArray line;
        QString error; // null: decoded
    } cases[] = {
        {"WF0XXXXXAFM012345", QString()},
        {"wf0xxxxxafm012345", QString()}, // upper-cased as the fields do
        {"", kCompleteness},
        {"WF0XXXXXAFM01234", kCompleteness},
        {"WF0XXX XAFM012345", kSpace},
        {"WF0XXXXX AFM0123", kCompleteness}, // short wins over the blank
        {"WF0XXXXXAFM0123456", tooLongMessage()},
        {"WF0XXXXXAFM01234-", characterAt(17)},
        {"WF0XXXX\xc4\x85XAFM01234", characterAt(8)}, // a letter with a diacritic
        {"WF0XX-XXAF\xc4\x85"
         "012345",
         characterAt(6)},
        {"WF0XXXX\xffXAFM01234", unreadableMessage()},
        {"WF0XXXXX\xc3\x28"
         "FM012345",
         unreadableMessage()},
    };
    for (const auto& c : cases) {
        const std::vector<QJsonObject> out = jsonLines(runBatch(c.line + '\n'));
        ASSERT_EQ(out.size(), 1u) << c.line.toStdString();
        const QJsonValue error = out[0]["error"];
        if (c.error.isNull()) {
            EXPECT_TRUE(error.isNull()) << c.line.toStdString();
            EXPECT_EQ(out[0]["make"].toString(), QStringLiteral("Ford"));
        } else {
            EXPECT_EQ(error.toString(), c.error) << c.line.toStdString();
            EXPECT_TRUE(out[0]["make"].isNull()) << c.line.toStdString();
        }
    }
}

TEST(BatchLines, DecodedLineHasEveryKeyAndTheStoredNumber)
{
    // An "o" in position 4 is read as a letter O and stored as the digit 0;
    // in position 3 it stays a letter (and still names Ford).
    const std::vector<QJsonObject> out = jsonLines(runBatch("WFooXXXXAFM012345\n"));
    ASSERT_EQ(out.size(), 1u);
    const QJsonObject& o = out[0];
    const QStringList keys{
        "vin",        "error",    "full_vin",        "region",         "country",
        "make",       "type",     "production_year", "model_year",     "production_month",
        "plant",      "body",     "engine",          "gearbox",        "model_years",
        "serial",     "comments", "models",          "several_models", "unknown_manufacturer",
        "check_digit"};
    QStringList sortedKeys = keys;
    sortedKeys.sort();
    EXPECT_EQ(o.keys(), sortedKeys);
    EXPECT_EQ(o["vin"].toString(), QStringLiteral("WFooXXXXAFM012345"));
    EXPECT_EQ(o["full_vin"].toString(), QStringLiteral("WFO0XXXXAFM012345"));
    EXPECT_EQ(o["make"].toString(), QStringLiteral("Ford"));
    EXPECT_EQ(o["type"].toString(), QStringLiteral("Escort / Orion"));
    EXPECT_EQ(o["production_year"].toString(), QStringLiteral("1991"));
    EXPECT_EQ(o["model_years"].toString(), QStringLiteral("1991 1992 1993 1994 1995"));
    EXPECT_EQ(o["serial"].toString(), QStringLiteral("12345"));
    EXPECT_EQ(o["models"].toArray(), (QJsonArray{"Ford Orion", "Ford Escort"}));
    EXPECT_EQ(o["comments"].toArray().size(), 3);
    EXPECT_EQ(o["several_models"], QJsonValue(true));
    EXPECT_EQ(o["unknown_manufacturer"], QJsonValue(false));
}

TEST(BatchLines, UnknownManufacturerAndSingleModelAreFlagged)
{
    const std::vector<QJsonObject> out =
        jsonLines(runBatch("WAAXXXXXXXXX12345\nWF0XXXXXAAG012345\n"));
    ASSERT_EQ(out.size(), 2u);
    EXPECT_EQ(out[0]["unknown_manufacturer"], QJsonValue(true));
    EXPECT_EQ(out[0]["region"].toString(), QStringLiteral("Europa"));
    EXPECT_EQ(out[1]["unknown_manufacturer"], QJsonValue(false));
    EXPECT_EQ(out[1]["several_models"], QJsonValue(false));
    EXPECT_EQ(out[1]["models"].toArray(), QJsonArray{"Ford Escort"});
}

TEST(BatchRun, StartYearIsCarriedAcrossLines)
{
    Decoder decoder;
    runBatch("WF0XXXXXAAH012345\nW0LXXXXXXXXX12345\n", OutputFormat::Json, &decoder);
    EXPECT_EQ(decoder.session().startYear, QStringLiteral("1986"));
}

TEST(BatchRun, LineEndsByteOrderMarkAndLongLines)
{
    QByteArray input("\xEF\xBB\xBFWF0XXXXXAAG012345\r\n");
    input += QByteArray(5000, 'A') + "\n"; // far beyond any number
    input += "\n";
    input += "WF0XXXXXAAG012345"; // no line end at the end of the input
    const std::vector<QJsonObject> out = jsonLines(runBatch(input));
    ASSERT_EQ(out.size(), 4u);
    EXPECT_EQ(out[0]["vin"].toString(), QStringLiteral("WF0XXXXXAAG012345"));
    EXPECT_TRUE(out[0]["error"].isNull());
    EXPECT_EQ(out[1]["error"].toString(), tooLongMessage());
    EXPECT_EQ(out[1]["vin"].toString().size(), LineReader::kMaxBytes);
    EXPECT_EQ(out[2]["error"].toString(), kCompleteness);
    EXPECT_TRUE(out[3]["error"].isNull());
}

TEST(BatchRun, ProgressIsReportedEveryNLines)
{
    QBuffer in;
    in.setData(QByteArray("WF0XXXXXAAG012345\n").repeated(7));
    in.open(QIODevice::ReadOnly);
    QBuffer out;
    out.open(QIODevice::WriteOnly);
    Decoder decoder;
    std::vector<qint64> reports;
    RunOptions options;
    options.progressEvery = 3;
    options.progress = [&reports](qint64 lines) {
        reports.push_back(lines);
    };
    const common::Result<qint64> lines = decodeAll(in, out, decoder, options, 1);
    ASSERT_TRUE(lines.ok());
    EXPECT_EQ(*lines, 7);
    EXPECT_EQ(reports, (std::vector<qint64>{3, 6}));
}

TEST(BatchRun, ManyLinesComeOutInTheirOrder)
{
    // Enough lines for several hand-overs to the writing thread.
    QByteArray input;
    QStringList numbers;
    for (int i = 0; i < 5000; ++i) {
        numbers << QStringLiteral("WF0XXXXXAFM%1").arg(i, 6, 10, QLatin1Char('0'));
        input += numbers.back().toLatin1() + '\n';
    }
    const std::vector<QJsonObject> out = jsonLines(runBatch(input));
    ASSERT_EQ(out.size(), 5000u);
    for (int i = 0; i < 5000; i += 499) {
        EXPECT_EQ(out[static_cast<std::size_t>(i)]["vin"].toString(), numbers[i]);
    }
    EXPECT_EQ(out.back()["serial"].toString(), numbers.back().right(5));
}

// Numbers of which every fifth, up to fordsBefore, is a Ford whose year
// code sets the start year, the others Opels and refused lines.
QByteArray sessionInput(int lines, int fordsBefore)
{
    const QString yearCodes = QStringLiteral("ABCDEFGHJKLMNPRSTVWXY");
    QByteArray input;
    for (int i = 0; i < lines; ++i) {
        const QString serial = QStringLiteral("%1").arg(i, 6, 10, QLatin1Char('0'));
        QString line = QStringLiteral("w0lxxxxxxxX") + serial;
        if (i % 97 == 0) {
            line = QStringLiteral("WF0 BAD");
        } else if (i % 5 == 0 && i < fordsBefore) {
            line = QStringLiteral("WF0XXXGBBX") + yearCodes[(i / 5) % yearCodes.size()] + serial;
        }
        input += line.toLatin1() + '\n';
    }
    return input;
}

TEST(BatchRun, HalvesDecodedAtOnceGiveWhatOneDecoderGivesLineByLine)
{
    // Each batch is decoded in two halves at once, the later one by a second
    // decoder, which must start from the session the earlier half leaves and
    // hand its own back. The last Ford, which sets the session the run ends
    // with, stands once in an earlier and once in a later half, thousands of
    // lines before the end.
    const struct
    {
        int fordsBefore;
        const char* startYear; // of the last Ford's code
    } cases[] = {{6000, "1981"}, {7000, "1992"}};
    for (const auto& c : cases) {
        const QByteArray input = sessionInput(9001, c.fordsBefore);
        Decoder oneByOne;
        QByteArray expected;
        QBuffer lines;
        lines.setData(input);
        lines.open(QIODevice::ReadOnly);
        LineReader reader(lines);
        for (auto line = reader.next(); line && line->has_value(); line = reader.next()) {
            appendJson(expected, decodeLine(std::move(*line.value()), oneByOne));
        }
        Decoder decoder;
        const QByteArray output = runBatch(input, OutputFormat::Json, &decoder);
        EXPECT_EQ(output.count('\n'), 9001);
        EXPECT_TRUE(output == expected) << c.fordsBefore;
        EXPECT_EQ(oneByOne.session().startYear, QLatin1String(c.startYear));
        EXPECT_EQ(decoder.session().startYear, oneByOne.session().startYear) << c.fordsBefore;
    }
}

TEST(BatchRun, AFailedWriteIsReported)
{
    QBuffer in;
    in.setData("WF0XXXXXAAG012345\n");
    in.open(QIODevice::ReadOnly);
    QBuffer out; // not opened: every write fails
    Decoder decoder;
    EXPECT_FALSE(decodeAll(in, out, decoder, RunOptions{}).ok());
}

// Gives its bytes in small reads, then fails every read.
class FailingInput final : public QIODevice
{
public:
    explicit FailingInput(QByteArray bytes) : m_bytes(std::move(bytes))
    {
        open(QIODevice::ReadOnly);
    }

protected:
    qint64 readData(char* data, qint64 maxSize) override
    {
        if (m_pos == m_bytes.size()) {
            setErrorString(QStringLiteral("dysk odłączony"));
            return -1;
        }
        const qint64 n = std::min<qint64>({maxSize, 7, m_bytes.size() - m_pos});
        std::memcpy(data, m_bytes.constData() + m_pos, static_cast<std::size_t>(n));
        m_pos += n;
        return n;
    }
    qint64 writeData(const char* /*data*/, qint64 /*size*/) override { return -1; }

private:
    QByteArray m_bytes;
    qint64 m_pos = 0;
};

TEST(BatchRun, AFailedReadIsReportedAfterTheLinesReadBefore)
{
    // The last line has no end: the failure comes while it is being read.
    FailingInput in("WF0XXXXXAAG012345\nABC\nWF0XXXX");
    QBuffer out;
    out.open(QIODevice::WriteOnly);
    Decoder decoder;
    const common::Result<qint64> lines = decodeAll(in, out, decoder, RunOptions{});
    ASSERT_FALSE(lines.ok());
    EXPECT_EQ(lines.error(),
              QStringLiteral("Nie można odczytać danych wejściowych: dysk odłączony"));
    const std::vector<QJsonObject> written = jsonLines(out.data());
    ASSERT_EQ(written.size(), 2U);
    EXPECT_EQ(written[0]["vin"].toString(), QStringLiteral("WF0XXXXXAAG012345"));
    EXPECT_EQ(written[1]["error"].toString(), kCompleteness);

    // The reader itself goes on failing, and never gives the cut line.
    FailingInput again("A\nB");
    LineReader reader(again);
    ASSERT_TRUE(reader.next());
    const auto failed = reader.next();
    EXPECT_FALSE(failed.ok());
    EXPECT_FALSE(reader.next().ok());
}

TEST(BatchJson, TextIsEscaped)
{
    LineResult r;
    r.vin = QStringLiteral("a\"b\\c\td\x01 ż") + QChar(0xD800); // lone surrogate
    r.error = QStringLiteral("błąd");
    QByteArray out;
    appendJson(out, r);
    ASSERT_TRUE(out.endsWith("}\n"));
    EXPECT_EQ(out.count('\n'), 1);
    const QJsonObject o = QJsonDocument::fromJson(out).object();
    EXPECT_EQ(o["vin"].toString(), QStringLiteral("a\"b\\c\td\x01 ż") + QChar(0xFFFD));
    EXPECT_EQ(o["error"].toString(), QStringLiteral("błąd"));
    EXPECT_TRUE(o["models"].isNull());
}

TEST(BatchJson, EveryCharacterSurvivesWhereverItStands)
{
    // Plain runs are copied in blocks: a character that needs care is put at
    // every place of a block and of the tail after it.
    const QString special[] = {QStringLiteral("\""),         QStringLiteral("\\"),
                               QStringLiteral("\n"),         QStringLiteral("\x7f"),
                               QStringLiteral("ą"),          QStringLiteral("€"),
                               QStringLiteral("\U0001F697"), QStringLiteral("\uFEFF")};
    for (const QString& s : special) {
        for (int at = 0; at <= 20; ++at) {
            const QString text = QString(at, u'x') + s + QString(20 - at, u'y');
            LineResult r;
            r.vin = text;
            r.error = text.left(at); // a plain text of every length up to 20
            QByteArray out;
            appendJson(out, r);
            const QJsonObject o = QJsonDocument::fromJson(out).object();
            EXPECT_EQ(o["vin"].toString(), text) << at;
            EXPECT_EQ(o["error"].toString(), text.left(at)) << at;
        }
    }
}

// Splits one CSV row, honouring quotes.
QStringList csvFields(const QString& row, QChar separator = u',')
{
    QStringList fields{QString()};
    bool quoted = false;
    for (qsizetype i = 0; i < row.size(); ++i) {
        const QChar c = row[i];
        if (quoted && c == u'"' && i + 1 < row.size() && row[i + 1] == u'"') {
            fields.back() += c;
            ++i;
        } else if (c == u'"') {
            quoted = !quoted;
        } else if (c == separator && !quoted) {
            fields << QString();
        } else {
            fields.back() += c;
        }
    }
    return fields;
}

TEST(BatchCsv, HeaderAndRowsHaveTheSameColumns)
{
    QByteArray output = csvHeader();
    output += runBatch("WF0XXXXXAFM012345\nWF0XXX\n\"a\",b\n", OutputFormat::Csv);
    const QStringList rows = QString::fromUtf8(output).split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(rows.size(), 4);
    const QStringList header = csvFields(rows[0]);
    EXPECT_EQ(header.size(), 21);
    EXPECT_EQ(header[2], QStringLiteral("Pełny numer nadwozia"));
    EXPECT_EQ(header[5], QStringLiteral("Marka pojazdu"));
    const QStringList decoded = csvFields(rows[1]);
    ASSERT_EQ(decoded.size(), header.size());
    EXPECT_EQ(decoded[5], QStringLiteral("Ford"));
    EXPECT_EQ(decoded[17], QStringLiteral("Ford Orion; Ford Escort"));
    EXPECT_EQ(decoded[18], QStringLiteral("tak"));
    EXPECT_TRUE(decoded[16].startsWith(u"Znak = oznacza"));
    const QStringList refused = csvFields(rows[2]);
    ASSERT_EQ(refused.size(), header.size());
    EXPECT_EQ(refused[1], kCompleteness);
    const QStringList quotedVin = csvFields(rows[3]);
    ASSERT_EQ(quotedVin.size(), header.size());
    EXPECT_EQ(quotedVin[0], QStringLiteral("\"a\",b"));
}

TEST(BatchCsv, HeadingsAreTheCaptionsWithoutTheirColon)
{
    const QStringList header =
        csvFields(QString::fromUtf8(csvHeader()).chopped(1)); // without its line end
    for (const QString& heading : header) {
        EXPECT_FALSE(heading.endsWith(u':') || heading.endsWith(u' ')) << heading.toStdString();
    }
    EXPECT_EQ(header[16], QStringLiteral("Komentarze"));
    EXPECT_EQ(header.back(), QStringLiteral("Cyfra kontrolna"));
    EXPECT_EQ(csvHeading(u"Komentarze :  "), QStringLiteral("Komentarze"));
    EXPECT_EQ(csvHeading(u"Marka pojazdu"), QStringLiteral("Marka pojazdu"));
    EXPECT_EQ(csvHeading(u" :"), QString());
}

TEST(BatchCsv, SemicolonSeparatesAndQuotesOnlyWhatHoldsIt)
{
    const QByteArray input("WF0XXXXXAFM012345\nWF0XXX\na;b\n1M8GDM9AXKP042788\n");
    const QString output =
        QString::fromUtf8(csvHeader(';') + runBatch(input, OutputFormat::Csv, nullptr, ';'));
    const QStringList rows = output.split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(rows.size(), 5);
    EXPECT_FALSE(rows[0].contains(u',')); // no heading holds a comma
    const QStringList header = csvFields(rows[0], u';');
    ASSERT_EQ(header.size(), 21);
    for (qsizetype i = 1; i < rows.size(); ++i) {
        EXPECT_EQ(csvFields(rows[i], u';').size(), header.size()) << rows[i].toStdString();
    }
    const QStringList decoded = csvFields(rows[1], u';');
    EXPECT_EQ(decoded[17], QStringLiteral("Ford Orion; Ford Escort")); // quoted: it holds ";"
    EXPECT_TRUE(rows[1].contains(u"\"Ford Orion; Ford Escort\""));
    // The comments hold commas, which a semicolon file leaves unquoted.
    EXPECT_TRUE(decoded[16].contains(u','));
    EXPECT_FALSE(rows[1].contains(u"\"Znak"));
    EXPECT_EQ(csvFields(rows[3], u';')[0], QStringLiteral("a;b"));
    EXPECT_EQ(decoded.back(), QString()); // a Ford of Europe: no North American check
    EXPECT_EQ(csvFields(rows[4], u';').back(), QStringLiteral("zgodna"));
    EXPECT_EQ(csvFields(rows[2], u';').back(), QString()); // refused
}

TEST(BatchJson, CheckDigitIsGivenForNorthAmericanMakersOnly)
{
    // Position 9 as published, then altered; a Ford of Europe; a refused line;
    // letter O in positions 4-17 is checked as the digit 0 it is stored as.
    const QByteArray input("1M8GDM9AXKP042788\n1M8GDM9A1KP042788\nWF0XXXXXAFM012345\n"
                           "1M8GDM9AXKP0427\n1hgcm82633aoo4352\n");
    const std::vector<QJsonObject> lines = jsonLines(runBatch(input));
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[0]["check_digit"].toString(), QStringLiteral("zgodna"));
    EXPECT_EQ(lines[1]["check_digit"].toString(), QStringLiteral("niezgodna"));
    EXPECT_TRUE(lines[2]["check_digit"].isNull());
    EXPECT_TRUE(lines[2].contains(u"check_digit"));
    EXPECT_TRUE(lines[3]["check_digit"].isNull());
    EXPECT_EQ(lines[4]["check_digit"].toString(), QStringLiteral("zgodna"));
    EXPECT_EQ(lines[4]["full_vin"].toString(), QStringLiteral("1HGCM82633A004352"));
}

// The year before the last recognised year code carries from line to line;
// no row may show it. Every number decoded after any other gives the row it
// gives alone, so a file can be split anywhere.
TEST(BatchLines, NoRowDependsOnTheLinesBeforeIt)
{
    const std::vector<QByteArray> numbers = {
        "WF0XXXXXAFM012345", "WF0XXXXXGAF012345", "WF0XXXXXAAG012345", "WF0XXXXXAAO012345",
        "WF0XXXXXAAZ012345", "WF0XXXXXAAU012345", "WF0XXXXXAA1012345", "WF0XXXXXAAY012345",
        "WF1XXXXXAAO012345", "WF1XXXXXAAB012345", "W0LXXXXXXOA012345", "W0LXXXXXXAA012345",
        "UU1XXXXXXAA012345", "WAUZZZ8EZ3A012345", "1M8GDM9AXKP042788", "WF0XXX",
        "WF0XXXXXAFM01234 "};
    for (const QByteArray& number : numbers) {
        const QByteArray alone = runBatch(number + '\n');
        for (const QByteArray& before : numbers) {
            Decoder decoder;
            const QByteArray both =
                runBatch(before + '\n' + number + '\n', OutputFormat::Json, &decoder);
            EXPECT_EQ(both.mid(both.indexOf('\n') + 1), alone)
                << number.toStdString() << " after " << before.toStdString();
        }
    }
}

} // namespace
} // namespace karoskop::batch
