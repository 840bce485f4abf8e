// Construction, colours and keyboard order of the main window.
#include "kwitola/ui/controlfactory.h"
#include "kwitola/ui/dateedits.h"
#include "kwitola/ui/dottedlabel.h"
#include "kwitola/ui/focuscolours.h"
#include "kwitola/ui/lengthlimit.h"
#include "kwitola/ui/tffaktura.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace kwitola::ui {

namespace {

// Fixed places; the resize rule moves and widens some of these.
constexpr QRect kDruk{8, 8, 220, 24};
constexpr QRect kNumber{8, 40, 220, 26};
constexpr int kListHeight = 24;
constexpr int kAddWidth = 32;
constexpr int kCorrectWidth = 80;
constexpr int kRemoveWidth = 32;
constexpr int kIssuerTop = 8;
constexpr int kRecipientCaptionTop = 34;
constexpr int kRecipientTop = 52;
constexpr int kSearchTop = 96;
constexpr int kDetailsTop = 130;
constexpr int kDetailStep = 22;
constexpr int kDetailHeight = 18;
constexpr std::array<int, 3> kDateCaptionTops = {128, 170, 212};
constexpr int kDateEditOffset = 16;
constexpr int kDateEditHeight = 22;
constexpr int kDayWidth = 36;
constexpr int kMonthWidth = 36;
constexpr int kYearWidth = 60;
constexpr int kDateCaptionWidth = 160;
constexpr int kPaymentTop = 262;
constexpr int kGoodsTop = 296;
constexpr int kLineCaptionTop = 330;
constexpr int kLineEditTop = 346;
constexpr int kLinePairWidth = 160;
constexpr int kLinePairStep = 168;
constexpr int kColumnTitleTop = 384;
constexpr int kLinesTop = 400;
constexpr std::array<int, 3> kLineButtonTops = {400, 432, 464};
constexpr int kLineButtonHeight = 28;
constexpr int kHintTop = 500;
constexpr int kHintHeight = 80;
constexpr int kTotalHeight = 36;
constexpr int kPrintButtonHeight = 30;
constexpr int kLeftColumnWidth = 220;
// The lists and what lines up with them start right of the number.
constexpr int kListLeft = kDruk.right() + 1 + 16;
const QColor kNavy{0, 0, 128};

// A control's object name and the text it shows.
struct NamedText
{
    const char* name;
    const char* text;
};

// The object name of a control in a numbered run, such as Memo1 or Label101.
QByteArray numberedName(const char* stem, std::size_t number)
{
    return QByteArray(stem) + QByteArray::number(static_cast<qulonglong>(number));
}

QFont boldFont(const QWidget& window)
{
    QFont bold = window.font();
    bold.setBold(true);
    return bold;
}

} // namespace

void TfFaktura::buildControls()
{
    // The controls live in a client area of their own, so that a caption bar
    // drawn by the window itself only has to move that area.
    m_client = new QWidget(this);
    m_client->setObjectName(QStringLiteral("client"));
    m_client->setGeometry(contentsRect());
    buildNumber();
    buildLists();
    buildSearch();
    buildDetails();
    buildDates();
    buildPayment();
    buildCurrentLine();
    buildLineList();
    buildBottomRow();
    watchFocusColours();
}

void TfFaktura::buildNumber()
{
    m_numberControls.kind = makeControl<QComboBox>(m_client, "Druk", kDruk);
    m_numberControls.kind->addItems(
        {QStringLiteral("Faktura VAT"), QStringLiteral("Rachunek uproszczony"),
         QStringLiteral("Faktura ProForma"), QStringLiteral("Paragon"), QStringLiteral("WZ")});
    m_numberControls.number = makeControl<QLineEdit>(m_client, "Edit6", kNumber);
    m_numberControls.back =
        makeControl<QPushButton>(m_client, "Button9", {8, 70, 60, 20}, QStringLiteral("<<<"));
    m_numberControls.forward =
        makeControl<QPushButton>(m_client, "Button8", {168, 70, 60, 20}, QStringLiteral(">>>"));
}

void TfFaktura::buildLists()
{
    // Each list's buttons are b_dodajN, b_korektaN and b_usunN, N counting
    // the lists from 1.
    struct ListRow
    {
        QComboBox*& list;
        const char* name;
        int rowsOpen;
        int top;
        std::array<QPushButton**, 3> buttons;
    };
    const std::array<ListRow, 3> listRows = {{
        {m_partyControls.lista_wystawcow,
         "lista_wystawcow",
         20,
         kIssuerTop,
         {&m_partyControls.b_dodaj1, &m_partyControls.b_korekta1, &m_partyControls.b_usun1}},
        {m_partyControls.lista_odbiorcow,
         "lista_odbiorcow",
         30,
         kRecipientTop,
         {&m_partyControls.b_dodaj2, &m_partyControls.b_korekta2, &m_partyControls.b_usun2}},
        {m_lineControls.goodsList,
         "lista_towarow",
         20,
         kGoodsTop,
         {&m_goodsControls.add, &m_goodsControls.correct, &m_goodsControls.remove}},
    }};
    constexpr std::array<const char*, 3> tripleStems = {"b_dodaj", "b_korekta", "b_usun"};
    const std::array<QString, 3> tripleCaptions = {QStringLiteral("+"), QStringLiteral("Korekta"),
                                                   QStringLiteral("-")};
    const std::array<int, 3> tripleWidths = {kAddWidth, kCorrectWidth, kRemoveWidth};
    for (std::size_t n = 0; n < listRows.size(); ++n) {
        const ListRow& row = listRows[n];
        row.list = makeList(m_client, row.name, {0, row.top, 100, kListHeight}, row.rowsOpen);
        for (std::size_t i = 0; i < 3; ++i) {
            const QByteArray name = numberedName(tripleStems[i], n + 1);
            *row.buttons[i] = makeControl<QPushButton>(m_client, name.constData(),
                                                       {0, row.top, tripleWidths[i], kListHeight},
                                                       tripleCaptions[i]);
        }
    }
    // The goods buttons work on the goods list of the document area.
    m_goodsControls.goodsList = m_lineControls.goodsList;
}

void TfFaktura::buildSearch()
{
    // Captions that never change belong to the client area and are not kept.
    makeControl<QLabel>(m_client, "Label2", {kListLeft, kRecipientCaptionTop, 200, 16},
                        QStringLiteral("Odbiorca"));
    makeControl<DottedLabel>(m_client, "Label11", {8, kSearchTop + 4, kListLeft - 12, 18},
                             QStringLiteral("Szukaj wg NIP, nazwy lub siedziby ........"));
    m_partyControls.find_nip =
        makeControl<QLineEdit>(m_client, "find_nip", {0, kSearchTop, 100, kListHeight});
    limitLength(*m_partyControls.find_nip, 25);
    m_partyControls.b_szukaj = makeControl<QPushButton>(
        m_client, "b_szukaj", {0, kSearchTop, 100, kListHeight}, QStringLiteral("Szukaj"));
    m_partyControls.b_wszystkie =
        makeControl<QPushButton>(m_client, "b_wszystkie", {0, kSearchTop, 100, kListHeight},
                                 QStringLiteral("Wczytaj pełną listę odbiorców"));
}

void TfFaktura::buildDetails()
{
    // The values over them are Label101 to Label106.
    constexpr std::array<NamedText, 6> captions = {{
        {"Label3", "Nazwa firmy ..."},
        {"Label12", "Adres ..."},
        {"Label14", "NIP ..."},
        {"Label15", "Osoba uprawniona ..."},
        {"Label19", "Telefon ..."},
        {"Label20", "Data ostatniej transakcji ..."},
    }};
    const QFont bold = boldFont(*this);
    for (std::size_t i = 0; i < captions.size(); ++i) {
        const int top = kDetailsTop + static_cast<int>(i) * kDetailStep;
        m_detailCaptions[i] =
            makeControl<DottedLabel>(m_client, captions[i].name, {8, top, 100, kDetailHeight},
                                     QString::fromUtf8(captions[i].text));
        m_partyControls.details[i] = makeControl<QLabel>(
            m_client, numberedName("Label", 101 + i).constData(), {0, top, 0, kDetailHeight});
        m_partyControls.details[i]->setFont(bold);
        m_partyControls.details[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        m_partyControls.details[i]->setAutoFillBackground(true);
    }
}

void TfFaktura::buildDates()
{
    struct DateRow
    {
        QLabel*& caption;
        const char* name;
        const char* text;
        int top;
    };
    const std::array<DateRow, 3> rows = {{
        {Label9, "Label9", "Data  wystawienia", kDateCaptionTops[0]},
        {wydania, "wydania", "Data  wydania", kDateCaptionTops[1]},
        {Label13, "Label13", "Data  wpłaty  zaliczki", kDateCaptionTops[2]},
    }};
    constexpr std::array<int, 3> partWidths = {kDayWidth, kMonthWidth, kYearWidth};
    constexpr std::array<int, 3> partLengths = {2, 2, 4};
    constexpr std::array<const char*, DateEdits::kCount> editNames = {
        "Edit8", "Edit9", "Edit10", "Edit11", "Edit12", "Edit13", "Edit14", "Edit15", "Edit16"};
    for (std::size_t date = 0; date < rows.size(); ++date) {
        const DateRow& row = rows[date];
        row.caption = makeControl<QLabel>(m_client, row.name, {0, row.top, kDateCaptionWidth, 16},
                                          QString::fromUtf8(row.text));
        row.caption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        for (std::size_t part = 0; part < 3; ++part) {
            const std::size_t index = date * 3 + part;
            m_dates[index] = makeControl<QLineEdit>(
                m_client, editNames[index],
                {0, row.top + kDateEditOffset, partWidths[part], kDateEditHeight});
            limitLength(*m_dates[index], partLengths[part]);
        }
    }
    m_dateEdits = new DateEdits(m_dates, m_header, this);
}

void TfFaktura::buildPayment()
{
    makeControl<QLabel>(m_client, "Label18", {8, kPaymentTop + 4, kLeftColumnWidth, 16},
                        QStringLiteral("Sposób zapłaty"));
    ComboBox2 = makeList(m_client, "ComboBox2", {kListLeft, kPaymentTop, 300, kListHeight}, 16);
    ComboBox2->setEditable(true);
    ComboBox2->setInsertPolicy(QComboBox::NoInsert);
    ComboBox2->addItems({QStringLiteral("gotówka"), QStringLiteral("gotówka + kredyt"),
                         QStringLiteral("kredyt"), QStringLiteral("czek potwierdzony"),
                         QStringLiteral("karta kredytowa"), QStringLiteral("przelew 7 dni"),
                         QStringLiteral("przelew 14 dni"), QStringLiteral("przelew 21 dni"),
                         QStringLiteral("przelew 30 dni"), QStringLiteral("przelew 45 dni"),
                         QStringLiteral("przelew 60 dni"), QStringLiteral("przelew 90 dni")});
    limitLength(*ComboBox2->lineEdit(), 30);
}

void TfFaktura::buildCurrentLine()
{
    makeControl<QLabel>(m_client, "Label5", {8, kGoodsTop + 4, kLeftColumnWidth, 16},
                        QStringLiteral("Nazwa towaru"));
    struct LinePair
    {
        const char* captionName;
        const char* caption;
        QLineEdit*& edit;
        const char* editName;
    };
    const std::array<LinePair, 5> pairs = {{
        {"Label6", "Jednostka miary", m_lineControls.unit, "Edit7"},
        {"Label7", "Ilość", m_lineControls.quantity, "Edit1"},
        {"Label8", "Cena jedn. netto", m_lineControls.unitPrice, "Edit2"},
        {"Label10", "Wartość netto", m_lineControls.net, "Edit3"},
        {"Label16", "Kwota VAT", m_lineControls.vat, "Edit4"},
    }};
    for (std::size_t i = 0; i < pairs.size(); ++i) {
        const int left = kListLeft + static_cast<int>(i) * kLinePairStep;
        m_lineCaptions[i] = makeControl<QLabel>(m_client, pairs[i].captionName,
                                                {left, kLineCaptionTop, kLinePairWidth, 16},
                                                QString::fromUtf8(pairs[i].caption));
        pairs[i].edit = makeControl<QLineEdit>(m_client, pairs[i].editName,
                                               {left, kLineEditTop, kLinePairWidth, kListHeight});
        pairs[i].edit->setReadOnly(pairs[i].edit != m_lineControls.quantity);
    }
    limitLength(*m_lineControls.quantity, 10);
}

void TfFaktura::buildLineList()
{
    // Over the columns Memo1 to Memo4.
    constexpr std::array<NamedText, 4> titles = {{
        {"Label22", "Nazwa towaru"},
        {"Label23", "j.m."},
        {"Label24", "Ilość"},
        {"Label25", "Wartość brutto"},
    }};
    for (std::size_t i = 0; i < titles.size(); ++i) {
        m_columnTitles[i] =
            makeControl<QLabel>(m_client, titles[i].name, {0, kColumnTitleTop, 120, 16},
                                QString::fromUtf8(titles[i].text));
        m_lineControls.columns[i] = makeControl<QListWidget>(
            m_client, numberedName("Memo", 1 + i).constData(), {0, kLinesTop, 100, 100});
    }
    struct LineButton
    {
        QPushButton*& button;
        const char* name;
        const char* caption;
        int top;
    };
    const std::array<LineButton, 3> buttons = {{
        {m_lineControls.add, "b_dodaj_do_faktury", "Dodaj do faktury", kLineButtonTops[0]},
        {m_lineControls.remove, "Button5", "Usuń z faktury", kLineButtonTops[1]},
        {m_lineControls.clear, "Button7", "Wyczyść ", kLineButtonTops[2]},
    }};
    for (const LineButton& row : buttons) {
        row.button =
            makeControl<QPushButton>(m_client, row.name, {0, row.top, 100, kLineButtonHeight},
                                     QString::fromUtf8(row.caption));
    }
    m_lineControls.remove->setEnabled(false);
    Label4 = makeControl<QLabel>(m_client, "Label4", {0, kHintTop, 100, kHintHeight},
                                 QStringLiteral("Aby usunąć pozycję z faktury - zaznaczyć na "
                                                "liście towar do usunięcia i kliknąć Usuń z "
                                                "faktury."));
    Label4->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Label4->setWordWrap(true);
}

void TfFaktura::buildBottomRow()
{
    Label17 = makeControl<QLabel>(m_client, "Label17", {8, 0, kLeftColumnWidth, 18},
                                  QStringLiteral("RAZEM  DO  ZAPŁATY :"));
    Label17->setFont(boldFont(*this));
    m_lineControls.total =
        makeControl<QLineEdit>(m_client, "Edit5", {8, 0, kLeftColumnWidth, kTotalHeight});
    m_lineControls.total->setReadOnly(true);
    m_lineControls.total->setMaxLength(20);
    m_lineControls.total->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    constexpr std::array<NamedText, 5> buttons = {{
        {"Button1", "Drukuj 1egz."},
        {"Button2", "Drukuj 2egz."},
        {"Button3", "Drukuj 3egz."},
        {"b_opcje", "Opcje"},
        {"b_zamknij", "Zamknij"},
    }};
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        m_bottomRow[i] =
            makeControl<QPushButton>(m_client, buttons[i].name, {0, 0, 100, kPrintButtonHeight},
                                     QString::fromUtf8(buttons[i].text));
    }
    m_lineControls.firstPrint = m_bottomRow[0];
}

void TfFaktura::watchFocusColours()
{
    m_focusColours = new FocusColours(this);
    QWidget* const coloured[] = {m_partyControls.find_nip, ComboBox2,
                                 m_lineControls.quantity,  m_lineControls.unitPrice,
                                 m_lineControls.net,       m_lineControls.vat,
                                 m_lineControls.unit};
    for (QWidget* widget : coloured) {
        m_focusColours->watch(*widget);
    }
    for (QLineEdit* date : m_dates) {
        m_focusColours->watch(*date);
    }
}

void TfFaktura::buildColours()
{
    const QString kindStyle =
        QStringLiteral("background-color: red; color: white; font-weight: bold; "
                       "border: 1px solid #800000; padding-left: 3px;");
    m_numberControls.kind->setStyleSheet(
        QStringLiteral("QComboBox { %1 } QComboBox QAbstractItemView { %1 }").arg(kindStyle));
    m_numberControls.number->setStyleSheet(QStringLiteral("QLineEdit { %1 }").arg(kindStyle));
    const QString listStyle = QStringLiteral("background-color: black; color: yellow;");
    for (QComboBox* list : {m_partyControls.lista_wystawcow, m_partyControls.lista_odbiorcow,
                            m_lineControls.goodsList}) {
        list->setStyleSheet(
            QStringLiteral("QComboBox { %1 } QComboBox QAbstractItemView { %1 }").arg(listStyle));
    }
    for (QLabel* value : m_partyControls.details) {
        QPalette colours = value->palette();
        colours.setColor(QPalette::WindowText, kNavy);
        value->setPalette(colours);
    }
    m_lineControls.total->setStyleSheet(QStringLiteral(
        "QLineEdit { background-color: yellow; color: red; font-weight: bold; font-size: 20pt; }"));
}

void TfFaktura::applyTabOrder()
{
    // Passed over by Tab: the number and its step buttons, the button triples,
    // the shown-only line values, the columns and the total.
    QWidget* const noTabStops[] = {
        m_numberControls.number,   m_numberControls.back,      m_numberControls.forward,
        m_partyControls.b_dodaj1,  m_partyControls.b_korekta1, m_partyControls.b_usun1,
        m_partyControls.b_dodaj2,  m_partyControls.b_korekta2, m_partyControls.b_usun2,
        m_goodsControls.add,       m_goodsControls.correct,    m_goodsControls.remove,
        m_lineControls.unitPrice,  m_lineControls.net,         m_lineControls.vat,
        m_lineControls.unit,       m_lineControls.total,       m_lineControls.columns[0],
        m_lineControls.columns[1], m_lineControls.columns[2],  m_lineControls.columns[3]};
    for (QWidget* widget : noTabStops) {
        widget->setFocusPolicy(Qt::ClickFocus);
    }
    std::vector<QWidget*> order = {m_numberControls.kind,           m_partyControls.lista_wystawcow,
                                   m_partyControls.lista_odbiorcow, m_partyControls.find_nip,
                                   m_partyControls.b_szukaj,        m_partyControls.b_wszystkie};
    order.insert(order.end(), m_dates.begin(), m_dates.end());
    order.insert(order.end(), {ComboBox2, m_lineControls.goodsList, m_lineControls.quantity,
                               m_lineControls.add, m_lineControls.remove, m_lineControls.clear});
    order.insert(order.end(), m_bottomRow.begin(), m_bottomRow.end());
    for (std::size_t i = 1; i < order.size(); ++i) {
        QWidget::setTabOrder(order[i - 1], order[i]);
    }
}

} // namespace kwitola::ui
