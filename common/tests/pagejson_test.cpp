#include "common/core/filenames.h"
#include "common/core/pagejson.h"
#include "common/core/pagemodel.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

using namespace common;

namespace {

// A page with every kind of element and every field away from its default.
Page everyField()
{
    Page page;
    page.width = kA4Height;
    page.height = kA4Width;
    page.paper = Paper::PrinterDefault;
    PageFont font;
    font.family = QStringLiteral("Arial CE");
    font.pointSize = 13;
    font.bold = font.italic = font.underline = true;
    PageElement text =
        textElement(QStringLiteral("title"), QRect(-5, 7, 300, 40),
                    QStringLiteral("Faktura VAT nr 1/2026 \"FV\"\nŻółć ©"), font, HAlign::Right);
    text.wordWrap = true;
    text.maxLines = 2;
    text.rgb = 0x123456;
    PageElement box = boxElement(QStringLiteral("frame"), QRect(1, 2, 3, 4), 0);
    box.filled = true;
    box.fillRgb = 0xE6E6E6;
    PageElement line = lineElement(QStringLiteral("rule"), QPoint(10, 20), QPoint(700, 20), 3);
    line.rgb = 0xFF0000;
    // Bytes that are no valid text in any encoding survive as base64.
    const QByteArray bytes("\x89PNG\r\n\x1a\n\x00\xff\xfe", 11);
    PageElement picture = pictureElement(QStringLiteral("logo"), QRect(0, 0, 64, 32), bytes);
    PageElement centred = textElement(QString(), QRect(), QString(), PageFont{}, HAlign::Center);
    page.elements = {text, box, line, picture, centred};
    return page;
}

TEST(PageJson, aPageReadBackIsTheSamePage)
{
    const Page page = everyField();
    const auto read = pageFromJson(pageToJson(page));
    ASSERT_TRUE(read.ok()) << read.error().toStdString();
    EXPECT_EQ(read->elements.size(), page.elements.size());
    EXPECT_TRUE(*read == page);
    EXPECT_EQ(read->elements.at(3).picture, page.elements.at(3).picture);
    EXPECT_EQ(read->elements.at(0).text, page.elements.at(0).text);
    // Written twice, the text is the same: an archive entry compares byte for byte.
    EXPECT_EQ(pageToJson(*read), pageToJson(page));
    const QJsonObject object = QJsonDocument::fromJson(pageToJson(Page())).object();
    EXPECT_EQ(object.value(QStringLiteral("version")).toInt(), kPageJsonVersion);
    EXPECT_TRUE(*pageFromJson(pageToJson(Page())) == Page());
}

TEST(PageJson, refusesWhatIsNotAPageOrComesFromALaterVersion)
{
    const QByteArray good = pageToJson(everyField());
    const auto changed = [&](const char* from, const char* to) {
        QByteArray bytes = good;
        return bytes.replace(from, to);
    };
    const std::pair<QByteArray, const char*> refused[] = {
        {"", "nie jest zapisaną stroną"},
        {"[1,2]", "nie jest zapisaną stroną"},
        {good.left(good.size() / 2), "nie jest zapisaną stroną"},
        {changed("kwitola-strona", "inny"), "nie jest zapisaną stroną"},
        {changed("\"version\":1", "\"version\":2"), "w wersji 2"},
        {changed("\"version\":1", "\"version\":0"), "w wersji 0"},
        {changed("\"kind\":\"box\"", "\"kind\":\"koło\""), "Element 2 strony: nieznany rodzaj"},
        {changed("\"align\":\"right\"", "\"align\":\"justify\""), "Element 1 strony"},
        {changed("\"colour\":\"#123456\"", "\"colour\":\"niebieski\""), "Element 1 strony"},
        {changed("\"paper\":\"printer\"", "\"paper\":\"A3\""), "niepoprawny rozmiar"},
        {changed("\"width\":1123", "\"width\":0"), "niepoprawny rozmiar"},
    };
    for (const auto& [json, why] : refused) {
        const auto read = pageFromJson(json);
        ASSERT_FALSE(read.ok()) << why;
        EXPECT_TRUE(read.error().contains(QString::fromUtf8(why))) << read.error().toStdString();
    }
    QByteArray picture = good;
    const qsizetype at = picture.indexOf("\"picture\":\"") + 11;
    picture.insert(at, "*");
    EXPECT_FALSE(pageFromJson(picture).ok());
}

TEST(SafeFileName, keepsPlainLettersAndDigitsAndReplacesTheRest)
{
    EXPECT_EQ(safeFileName(QStringLiteral("12/2026 FV")), QStringLiteral("12_2026_FV"));
    EXPECT_EQ(safeFileName(QStringLiteral("../Żuraw-1_a")), QStringLiteral("____uraw-1_a"));
    EXPECT_EQ(safeFileName(QString()), QStringLiteral("wydruk"));
}

} // namespace
