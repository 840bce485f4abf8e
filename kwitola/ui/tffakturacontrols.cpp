// Construction, colours, keyboard order and geometry of the main window.
#include "kwitola/ui/dateedits.h"
#include "kwitola/ui/dottedlabel.h"
#include "kwitola/ui/fakturalayout.h"
#include "kwitola/ui/focuscolours.h"
#include "kwitola/ui/lengthlimit.h"
#include "kwitola/ui/tffaktura.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
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
constexpr int kLinePairGap = 8;
constexpr int kColumnTitleTop = 384;
constexpr int kLinesTop = 400;
constexpr std::array<int, 3> kLineButtonTops = {400, 432, 464};
constexpr int kLineButtonHeight = 28;
constexpr int kHintTop = 500;
constexpr int kHintHeight = 80;
constexpr int kTotalHeight = 36;
constexpr int kPrintButtonHeight = 30;
constexpr int kLeftColumnWidth = 220;

const QColor kNavy{0, 0, 128};

template <typename Widget, typename... Args>
Widget* make(QWidget* parent, const char* name, Args&&... args)
{
    auto* widget = new Widget(std::forward<Args>(args)..., parent);
    widget->setObjectName(QLatin1String(name));
    return widget;
}

QComboBox* makeList(QWidget* parent, const char* name, int rowsOpen)
{
    auto* list = make<QComboBox>(parent, name);
    list->setMaxVisibleItems(rowsOpen);
    // Lists of a hundred thousand entries open quickly only with rows of one height.
    if (auto* view = qobject_cast<QListView*>(list->view())) {
        view->setUniformItemSizes(true);
    }
    return list;
}

void setHorizontal(QWidget& widget, const Span& span)
{
    widget.setGeometry(span.left, widget.y(), span.width, widget.height());
}

void setRightEdge(QWidget& widget, int right)
{
    widget.move(right - widget.width(), widget.y());
}

} // namespace

void TfFaktura::buildControls()
{
    // The controls live in a client area of their own, so that a caption bar
    // drawn by the window itself only has to move that area.
    m_client = new QWidget(this);
    m_client->setObjectName(QStringLiteral("client"));
    m_client->setGeometry(contentsRect());
    Druk = make<QComboBox>(m_client, "Druk");
    Druk->addItems({QStringLiteral("Faktura VAT"), QStringLiteral("Rachunek uproszczony"),
                    QStringLiteral("Faktura ProForma"), QStringLiteral("Paragon"),
                    QStringLiteral("WZ")});
    Druk->setGeometry(kDruk);
    Edit6 = make<QLineEdit>(m_client, "Edit6");
    Edit6->setGeometry(kNumber);
    Button9 = make<QPushButton>(m_client, "Button9", QStringLiteral("<<<"));
    Button9->setGeometry(8, 70, 60, 20);
    Button8 = make<QPushButton>(m_client, "Button8", QStringLiteral(">>>"));
    Button8->setGeometry(168, 70, 60, 20);

    struct ListRow
    {
        QComboBox*& list;
        const char* name;
        int rowsOpen;
        int top;
        std::array<QPushButton**, 3> buttons;
        std::array<const char*, 3> buttonNames;
    };
    const std::array<ListRow, 3> listRows = {{
        {lista_wystawcow,
         "lista_wystawcow",
         20,
         kIssuerTop,
         {&b_dodaj1, &b_korekta1, &b_usun1},
         {"b_dodaj1", "b_korekta1", "b_usun1"}},
        {lista_odbiorcow,
         "lista_odbiorcow",
         30,
         kRecipientTop,
         {&b_dodaj2, &b_korekta2, &b_usun2},
         {"b_dodaj2", "b_korekta2", "b_usun2"}},
        {lista_towarow,
         "lista_towarow",
         20,
         kGoodsTop,
         {&b_dodaj3, &b_korekta3, &b_usun3},
         {"b_dodaj3", "b_korekta3", "b_usun3"}},
    }};
    const std::array<QString, 3> tripleCaptions = {QStringLiteral("+"), QStringLiteral("Korekta"),
                                                   QStringLiteral("-")};
    const std::array<int, 3> tripleWidths = {kAddWidth, kCorrectWidth, kRemoveWidth};
    for (const ListRow& row : listRows) {
        row.list = makeList(m_client, row.name, row.rowsOpen);
        row.list->setGeometry(0, row.top, 100, kListHeight);
        for (std::size_t i = 0; i < 3; ++i) {
            *row.buttons[i] = make<QPushButton>(m_client, row.buttonNames[i], tripleCaptions[i]);
            (*row.buttons[i])->setGeometry(0, row.top, tripleWidths[i], kListHeight);
        }
    }
    const int listLeft = kDruk.right() + 1 + 16;
    Label2 = make<QLabel>(m_client, "Label2", QStringLiteral("Odbiorca"));
    Label2->setGeometry(listLeft, kRecipientCaptionTop, 200, 16);

    Label11 = make<DottedLabel>(m_client, "Label11",
                                QStringLiteral("Szukaj wg NIP, nazwy lub siedziby ........"));
    Label11->setGeometry(8, kSearchTop + 4, listLeft - 12, 18);
    find_nip = make<QLineEdit>(m_client, "find_nip");
    find_nip->setGeometry(0, kSearchTop, 100, kListHeight);
    limitLength(*find_nip, 25);
    b_szukaj = make<QPushButton>(m_client, "b_szukaj", QStringLiteral("Szukaj"));
    b_szukaj->setGeometry(0, kSearchTop, 100, kListHeight);
    b_wszystkie =
        make<QPushButton>(m_client, "b_wszystkie", QStringLiteral("Wczytaj pełną listę odbiorców"));
    b_wszystkie->setGeometry(0, kSearchTop, 100, kListHeight);

    const std::array<const char*, 6> captionNames = {"Label3",  "Label12", "Label14",
                                                     "Label15", "Label19", "Label20"};
    const std::array<QString, 6> captions = {
        QStringLiteral("Nazwa firmy ..."), QStringLiteral("Adres ..."),
        QStringLiteral("NIP ..."),         QStringLiteral("Osoba uprawniona ..."),
        QStringLiteral("Telefon ..."),     QStringLiteral("Data ostatniej transakcji ...")};
    QFont bold = font();
    bold.setBold(true);
    for (std::size_t i = 0; i < captions.size(); ++i) {
        const int top = kDetailsTop + static_cast<int>(i) * kDetailStep;
        m_detailCaptions[i] = make<DottedLabel>(m_client, captionNames[i], captions[i]);
        m_detailCaptions[i]->setGeometry(8, top, 100, kDetailHeight);
        m_detailValues[i] = make<QLabel>(
            m_client, QByteArray("Label10" + QByteArray::number(int(i) + 1)).constData());
        m_detailValues[i]->setGeometry(0, top, 0, kDetailHeight);
        m_detailValues[i]->setFont(bold);
        m_detailValues[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        m_detailValues[i]->setAutoFillBackground(true);
    }

    const std::array<QLabel**, 3> dateCaptions = {&Label9, &wydania, &Label13};
    const std::array<const char*, 3> dateCaptionNames = {"Label9", "wydania", "Label13"};
    const std::array<QString, 3> dateCaptionTexts = {QStringLiteral("Data  wystawienia"),
                                                     QStringLiteral("Data  wydania"),
                                                     QStringLiteral("Data  wpłaty  zaliczki")};
    const std::array<int, 3> partWidths = {kDayWidth, kMonthWidth, kYearWidth};
    const std::array<int, 3> partLengths = {2, 2, 4};
    for (std::size_t date = 0; date < 3; ++date) {
        *dateCaptions[date] =
            make<QLabel>(m_client, dateCaptionNames[date], dateCaptionTexts[date]);
        (*dateCaptions[date])->setGeometry(0, kDateCaptionTops[date], kDateCaptionWidth, 16);
        (*dateCaptions[date])->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        for (std::size_t part = 0; part < 3; ++part) {
            const std::size_t index = date * 3 + part;
            m_dates[index] = make<QLineEdit>(
                m_client, QByteArray("Edit" + QByteArray::number(int(index) + 8)).constData());
            m_dates[index]->setGeometry(0, kDateCaptionTops[date] + kDateEditOffset,
                                        partWidths[part], kDateEditHeight);
            limitLength(*m_dates[index], partLengths[part]);
        }
    }
    m_dateEdits = new DateEdits(m_dates, this);

    Label18 = make<QLabel>(m_client, "Label18", QStringLiteral("Sposób zapłaty"));
    Label18->setGeometry(8, kPaymentTop + 4, kLeftColumnWidth, 16);
    ComboBox2 = makeList(m_client, "ComboBox2", 16);
    ComboBox2->setEditable(true);
    ComboBox2->setInsertPolicy(QComboBox::NoInsert);
    ComboBox2->addItems({QStringLiteral("gotówka"), QStringLiteral("gotówka + kredyt"),
                         QStringLiteral("kredyt"), QStringLiteral("czek potwierdzony"),
                         QStringLiteral("karta kredytowa"), QStringLiteral("przelew 7 dni"),
                         QStringLiteral("przelew 14 dni"), QStringLiteral("przelew 21 dni"),
                         QStringLiteral("przelew 30 dni"), QStringLiteral("przelew 45 dni"),
                         QStringLiteral("przelew 60 dni"), QStringLiteral("przelew 90 dni")});
    ComboBox2->setGeometry(listLeft, kPaymentTop, 300, kListHeight);
    limitLength(*ComboBox2->lineEdit(), 30);

    Label5 = make<QLabel>(m_client, "Label5", QStringLiteral("Nazwa towaru"));
    Label5->setGeometry(8, kGoodsTop + 4, kLeftColumnWidth, 16);

    struct LinePair
    {
        const char* captionName;
        QString caption;
        QLineEdit*& edit;
        const char* editName;
    };
    const std::array<LinePair, 5> pairs = {{
        {"Label6", QStringLiteral("Jednostka miary"), Edit7, "Edit7"},
        {"Label7", QStringLiteral("Ilość"), Edit1, "Edit1"},
        {"Label8", QStringLiteral("Cena jedn. netto"), Edit2, "Edit2"},
        {"Label10", QStringLiteral("Wartość netto"), Edit3, "Edit3"},
        {"Label16", QStringLiteral("Kwota VAT"), Edit4, "Edit4"},
    }};
    for (std::size_t i = 0; i < pairs.size(); ++i) {
        const int left = listLeft + static_cast<int>(i) * kLinePairStep;
        m_lineCaptions[i] = make<QLabel>(m_client, pairs[i].captionName, pairs[i].caption);
        m_lineCaptions[i]->setGeometry(left, kLineCaptionTop, kLinePairWidth, 16);
        pairs[i].edit = make<QLineEdit>(m_client, pairs[i].editName);
        pairs[i].edit->setGeometry(left, kLineEditTop, kLinePairWidth, kListHeight);
        pairs[i].edit->setReadOnly(pairs[i].edit != Edit1);
    }
    limitLength(*Edit1, 10);

    const std::array<QString, 4> titles = {QStringLiteral("Nazwa towaru"), QStringLiteral("j.m."),
                                           QStringLiteral("Ilość"),
                                           QStringLiteral("Wartość brutto")};
    for (std::size_t i = 0; i < titles.size(); ++i) {
        m_columnTitles[i] = make<QLabel>(
            m_client, QByteArray("Label" + QByteArray::number(int(i) + 22)).constData(), titles[i]);
        m_columnTitles[i]->setGeometry(0, kColumnTitleTop, 120, 16);
        m_columns[i] = make<QListWidget>(
            m_client, QByteArray("Memo" + QByteArray::number(int(i) + 1)).constData());
        m_columns[i]->setGeometry(0, kLinesTop, 100, 100);
    }

    b_dodaj_do_faktury =
        make<QPushButton>(m_client, "b_dodaj_do_faktury", QStringLiteral("Dodaj do faktury"));
    Button5 = make<QPushButton>(m_client, "Button5", QStringLiteral("Usuń z faktury"));
    Button5->setEnabled(false);
    Button7 = make<QPushButton>(m_client, "Button7", QStringLiteral("Wyczyść "));
    const std::array<QPushButton*, 3> lineButtons = {b_dodaj_do_faktury, Button5, Button7};
    for (std::size_t i = 0; i < lineButtons.size(); ++i) {
        lineButtons[i]->setGeometry(0, kLineButtonTops[i], 100, kLineButtonHeight);
    }
    Label4 = make<QLabel>(m_client, "Label4",
                          QStringLiteral("Aby usunąć pozycję z faktury - zaznaczyć na liście "
                                         "towar do usunięcia i kliknąć Usuń z faktury."));
    Label4->setGeometry(0, kHintTop, 100, kHintHeight);
    Label4->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Label4->setWordWrap(true);

    Label17 = make<QLabel>(m_client, "Label17", QStringLiteral("RAZEM  DO  ZAPŁATY :"));
    Label17->setGeometry(8, 0, kLeftColumnWidth, 18);
    Label17->setFont(bold);
    Edit5 = make<QLineEdit>(m_client, "Edit5");
    Edit5->setGeometry(8, 0, kLeftColumnWidth, kTotalHeight);
    Edit5->setReadOnly(true);
    Edit5->setMaxLength(20);
    Edit5->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    const std::array<const char*, 5> bottomNames = {"Button1", "Button2", "Button3", "b_opcje",
                                                    "b_zamknij"};
    const std::array<QString, 5> bottomCaptions = {
        QStringLiteral("Drukuj 1egz."), QStringLiteral("Drukuj 2egz."),
        QStringLiteral("Drukuj 3egz."), QStringLiteral("Opcje"), QStringLiteral("Zamknij")};
    for (std::size_t i = 0; i < bottomNames.size(); ++i) {
        m_bottomRow[i] = make<QPushButton>(m_client, bottomNames[i], bottomCaptions[i]);
        m_bottomRow[i]->setGeometry(0, 0, 100, kPrintButtonHeight);
    }

    m_focusColours = new FocusColours(this);
    QWidget* const coloured[] = {find_nip, ComboBox2, Edit1, Edit2, Edit3, Edit4, Edit7};
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
    Druk->setStyleSheet(
        QStringLiteral("QComboBox { %1 } QComboBox QAbstractItemView { %1 }").arg(kindStyle));
    Edit6->setStyleSheet(QStringLiteral("QLineEdit { %1 }").arg(kindStyle));
    const QString listStyle = QStringLiteral("background-color: black; color: yellow;");
    for (QComboBox* list : {lista_wystawcow, lista_odbiorcow, lista_towarow}) {
        list->setStyleSheet(
            QStringLiteral("QComboBox { %1 } QComboBox QAbstractItemView { %1 }").arg(listStyle));
    }
    for (QLabel* value : m_detailValues) {
        QPalette colours = value->palette();
        colours.setColor(QPalette::WindowText, kNavy);
        value->setPalette(colours);
    }
    Edit5->setStyleSheet(QStringLiteral(
        "QLineEdit { background-color: yellow; color: red; font-weight: bold; font-size: 20pt; }"));
}

void TfFaktura::applyTabOrder()
{
    // Passed over by Tab: the number and its step buttons, the button triples,
    // the shown-only line values, the columns and the total.
    QWidget* const noTabStops[] = {
        Edit6,      Button9, Button8,  b_dodaj1,     b_korekta1,   b_usun1,      b_dodaj2,
        b_korekta2, b_usun2, b_dodaj3, b_korekta3,   b_usun3,      Edit2,        Edit3,
        Edit4,      Edit7,   Edit5,    m_columns[0], m_columns[1], m_columns[2], m_columns[3]};
    for (QWidget* widget : noTabStops) {
        widget->setFocusPolicy(Qt::ClickFocus);
    }
    std::vector<QWidget*> order = {Druk,     lista_wystawcow, lista_odbiorcow,
                                   find_nip, b_szukaj,        b_wszystkie};
    order.insert(order.end(), m_dates.begin(), m_dates.end());
    order.insert(order.end(),
                 {ComboBox2, lista_towarow, Edit1, b_dodaj_do_faktury, Button5, Button7});
    order.insert(order.end(), m_bottomRow.begin(), m_bottomRow.end());
    for (std::size_t i = 1; i < order.size(); ++i) {
        QWidget::setTabOrder(order[i - 1], order[i]);
    }
}

void TfFaktura::applyLayout()
{
    m_client->setGeometry(contentsRect());
    ResizeInput input;
    input.width = frameGeometry().width();
    input.height = frameGeometry().height();
    input.druk = {Druk->x(), Druk->width()};
    input.drukHeight = Druk->height();
    input.numberLeft = Edit6->x();
    input.addWidth = b_dodaj1->width();
    input.correctWidth = b_korekta1->width();
    input.removeWidth = b_usun1->width();
    input.dayWidth = m_dates[0]->width();
    input.monthWidth = m_dates[1]->width();
    input.yearWidth = m_dates[2]->width();
    input.linesTop = m_columns[0]->y();
    input.printButtonHeight = m_bottomRow[0]->height();
    input.totalHeight = Edit5->height();
    const MainLayout layout = computeMainLayout(input);

    for (QComboBox* list : {lista_wystawcow, lista_odbiorcow, lista_towarow}) {
        setHorizontal(*list, layout.lists);
    }
    const std::array<std::array<QPushButton*, 3>, 3> triples = {{{b_dodaj1, b_korekta1, b_usun1},
                                                                 {b_dodaj2, b_korekta2, b_usun2},
                                                                 {b_dodaj3, b_korekta3, b_usun3}}};
    for (const auto& triple : triples) {
        setHorizontal(*triple[0], layout.add);
        setHorizontal(*triple[1], layout.correct);
        setHorizontal(*triple[2], layout.remove);
    }
    setHorizontal(*find_nip, layout.search);
    setHorizontal(*b_szukaj, layout.searchButton);
    setHorizontal(*b_wszystkie, layout.fullList);
    for (QWidget* widget :
         {static_cast<QWidget*>(b_dodaj_do_faktury), static_cast<QWidget*>(Button5),
          static_cast<QWidget*>(Button7), static_cast<QWidget*>(Label4)}) {
        setHorizontal(*widget, layout.lineButtons);
    }
    const std::array<QLineEdit*, 5> lineEdits = {Edit7, Edit1, Edit2, Edit3, Edit4};
    const std::array<Span, 3> parts = {layout.day, layout.month, layout.year};
    for (std::size_t i = 0; i < m_dates.size(); ++i) {
        setHorizontal(*m_dates[i], parts[i % 3]);
    }
    for (QLabel* caption : {Label9, wydania, Label13}) {
        setRightEdge(*caption, layout.dateCaptionRight);
    }
    for (std::size_t i = 0; i < m_columns.size(); ++i) {
        const Span& column = layout.columns[i];
        m_columns[i]->setGeometry(column.left, m_columns[i]->y(), column.width,
                                  layout.columnHeight);
        m_columnTitles[i]->move(column.left, m_columnTitles[i]->y());
    }
    Edit5->move(Edit5->x(), layout.totalTop);
    Label17->move(Label17->x(), layout.totalLabelTop);
    for (std::size_t i = 0; i < m_bottomRow.size(); ++i) {
        const Span& button = layout.bottomRow[i];
        m_bottomRow[i]->setGeometry(button.left, layout.bottomRowTop, button.width,
                                    m_bottomRow[i]->height());
    }
    // The current line's fields share the lists' width.
    const int pairWidth = (layout.lists.width - 4 * kLinePairGap) / 5;
    for (std::size_t i = 0; i < m_lineCaptions.size(); ++i) {
        const Span pair{layout.lists.left + static_cast<int>(i) * (pairWidth + kLinePairGap),
                        pairWidth};
        setHorizontal(*m_lineCaptions[i], pair);
        setHorizontal(*lineEdits[i], pair);
    }
    // The details' dotted captions reach the lists' right edge.
    for (DottedLabel* caption : m_detailCaptions) {
        caption->resize(layout.lists.right() - caption->x(), caption->height());
    }
    placeDetailValues();
}

void TfFaktura::placeDetailValues()
{
    // Each value covers the dots under it and ends where its caption ends.
    for (std::size_t i = 0; i < m_detailValues.size(); ++i) {
        QLabel* value = m_detailValues[i];
        const DottedLabel* caption = m_detailCaptions[i];
        const int right = caption->x() + caption->width();
        const int width =
            value->text().isEmpty() ? 0 : value->fontMetrics().horizontalAdvance(value->text()) + 8;
        value->setGeometry(right - width, caption->y(), width, caption->height());
    }
}

} // namespace kwitola::ui
