#include "common/core/pagejson.h"

#include "common/core/pagemodel.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <array>
#include <optional>
#include <utility>

namespace common {

namespace {

const QString kFormat = QStringLiteral("kwitola-strona");

template <typename Enum, std::size_t N> using Names = std::array<std::pair<Enum, const char*>, N>;

const Names<PageElement::Kind, 4> kKinds = {{{PageElement::Kind::Text, "text"},
                                             {PageElement::Kind::Box, "box"},
                                             {PageElement::Kind::Line, "line"},
                                             {PageElement::Kind::Picture, "picture"}}};
const Names<HAlign, 3> kAligns = {
    {{HAlign::Left, "left"}, {HAlign::Center, "center"}, {HAlign::Right, "right"}}};
const Names<Paper, 2> kPapers = {{{Paper::A4, "A4"}, {Paper::PrinterDefault, "printer"}}};

template <typename Enum, std::size_t N> QString nameOf(const Names<Enum, N>& names, Enum value)
{
    for (const auto& [known, name] : names) {
        if (known == value) {
            return QLatin1String(name);
        }
    }
    return QLatin1String(names.front().second);
}

template <typename Enum, std::size_t N>
std::optional<Enum> valueOf(const Names<Enum, N>& names, const QJsonValue& text)
{
    for (const auto& [known, name] : names) {
        if (text.toString() == QLatin1String(name)) {
            return known;
        }
    }
    return std::nullopt;
}

QString colour(unsigned rgb)
{
    return QStringLiteral("#%1").arg(rgb & 0xFFFFFFU, 6, 16, QLatin1Char('0'));
}

std::optional<unsigned> colourOf(const QJsonValue& value)
{
    const QString text = value.toString();
    bool ok = false;
    const unsigned rgb = text.mid(1).toUInt(&ok, 16);
    if (text.size() != 7 || !text.startsWith(QLatin1Char('#')) || !ok) {
        return std::nullopt;
    }
    return rgb;
}

QJsonObject fontObject(const PageFont& font)
{
    return {{QStringLiteral("family"), font.family},
            {QStringLiteral("size"), font.pointSize},
            {QStringLiteral("bold"), font.bold},
            {QStringLiteral("italic"), font.italic},
            {QStringLiteral("underline"), font.underline}};
}

PageFont fontOf(const QJsonObject& object)
{
    PageFont font;
    font.family = object.value(QStringLiteral("family")).toString(font.family);
    font.pointSize = object.value(QStringLiteral("size")).toInt(font.pointSize);
    font.bold = object.value(QStringLiteral("bold")).toBool();
    font.italic = object.value(QStringLiteral("italic")).toBool();
    font.underline = object.value(QStringLiteral("underline")).toBool();
    return font;
}

QJsonObject elementObject(const PageElement& e)
{
    QJsonObject object{{QStringLiteral("kind"), nameOf(kKinds, e.kind)},
                       {QStringLiteral("x"), e.rect.x()},
                       {QStringLiteral("y"), e.rect.y()},
                       {QStringLiteral("width"), e.rect.width()},
                       {QStringLiteral("height"), e.rect.height()},
                       {QStringLiteral("name"), e.name},
                       {QStringLiteral("colour"), colour(e.rgb)},
                       {QStringLiteral("pen"), e.penWidth}};
    if (e.kind == PageElement::Kind::Text) {
        object.insert(QStringLiteral("text"), e.text);
        object.insert(QStringLiteral("font"), fontObject(e.font));
        object.insert(QStringLiteral("align"), nameOf(kAligns, e.align));
        object.insert(QStringLiteral("wordWrap"), e.wordWrap);
        object.insert(QStringLiteral("maxLines"), e.maxLines);
    }
    if (e.kind == PageElement::Kind::Box) {
        object.insert(QStringLiteral("filled"), e.filled);
        object.insert(QStringLiteral("fill"), colour(e.fillRgb));
    }
    if (e.kind == PageElement::Kind::Picture) {
        object.insert(QStringLiteral("picture"), QString::fromLatin1(e.picture.toBase64()));
    }
    return object;
}

Result<PageElement> elementOf(const QJsonObject& object, int index)
{
    const auto broken = [index](const char* what) {
        return fail(
            QStringLiteral("Element %1 strony: %2.").arg(index + 1).arg(QLatin1String(what)));
    };
    PageElement e;
    const auto kind = valueOf(kKinds, object.value(QStringLiteral("kind")));
    if (!kind) {
        return broken("nieznany rodzaj");
    }
    e.kind = *kind;
    e.rect =
        QRect(object.value(QStringLiteral("x")).toInt(), object.value(QStringLiteral("y")).toInt(),
              object.value(QStringLiteral("width")).toInt(),
              object.value(QStringLiteral("height")).toInt());
    e.name = object.value(QStringLiteral("name")).toString();
    e.penWidth = object.value(QStringLiteral("pen")).toInt(e.penWidth);
    const auto rgb = colourOf(object.value(QStringLiteral("colour")));
    const auto fill = object.contains(QStringLiteral("fill"))
                          ? colourOf(object.value(QStringLiteral("fill")))
                          : std::optional<unsigned>(e.fillRgb);
    const auto align = object.contains(QStringLiteral("align"))
                           ? valueOf(kAligns, object.value(QStringLiteral("align")))
                           : std::optional<HAlign>(e.align);
    if (!rgb || !fill || !align) {
        return broken("niepoprawny kolor lub wyrównanie");
    }
    e.rgb = *rgb;
    e.fillRgb = *fill;
    e.align = *align;
    e.text = object.value(QStringLiteral("text")).toString();
    e.font = fontOf(object.value(QStringLiteral("font")).toObject());
    e.wordWrap = object.value(QStringLiteral("wordWrap")).toBool();
    e.maxLines = object.value(QStringLiteral("maxLines")).toInt();
    e.filled = object.value(QStringLiteral("filled")).toBool();
    const QByteArray base64 = object.value(QStringLiteral("picture")).toString().toLatin1();
    auto picture = QByteArray::fromBase64Encoding(base64, QByteArray::AbortOnBase64DecodingErrors);
    if (!picture) {
        return broken("uszkodzony obraz");
    }
    e.picture = *picture;
    return e;
}

} // namespace

QByteArray pageToJson(const Page& page)
{
    QJsonArray elements;
    for (const PageElement& element : page.elements) {
        elements.append(elementObject(element));
    }
    const QJsonObject object{{QStringLiteral("format"), kFormat},
                             {QStringLiteral("version"), kPageJsonVersion},
                             {QStringLiteral("width"), page.width},
                             {QStringLiteral("height"), page.height},
                             {QStringLiteral("paper"), nameOf(kPapers, page.paper)},
                             {QStringLiteral("elements"), elements}};
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

Result<Page> pageFromJson(const QByteArray& json)
{
    QJsonParseError parsed{};
    const QJsonDocument document = QJsonDocument::fromJson(json, &parsed);
    const QJsonObject object = document.object();
    if (parsed.error != QJsonParseError::NoError || !document.isObject() ||
        object.value(QStringLiteral("format")).toString() != kFormat) {
        return fail(QStringLiteral("Plik nie jest zapisaną stroną wydruku."));
    }
    const int version = object.value(QStringLiteral("version")).toInt();
    if (version < 1 || version > kPageJsonVersion) {
        return fail(QStringLiteral("Strona wydruku jest zapisana w wersji %1, której ten program "
                                   "nie zna.")
                        .arg(version));
    }
    Page page;
    page.width = object.value(QStringLiteral("width")).toInt();
    page.height = object.value(QStringLiteral("height")).toInt();
    const auto paper = valueOf(kPapers, object.value(QStringLiteral("paper")));
    if (page.width <= 0 || page.height <= 0 || !paper) {
        return fail(QStringLiteral("Zapisana strona wydruku ma niepoprawny rozmiar."));
    }
    page.paper = *paper;
    const QJsonArray elements = object.value(QStringLiteral("elements")).toArray();
    page.elements.reserve(static_cast<std::size_t>(elements.size()));
    for (int i = 0; i < elements.size(); ++i) {
        auto element = elementOf(elements.at(i).toObject(), i);
        if (!element) {
            return element.forward();
        }
        page.elements.push_back(*std::move(element));
    }
    return page;
}

} // namespace common
