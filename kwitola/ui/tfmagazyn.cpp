#include "kwitola/ui/tfmagazyn.h"

#include "common/seams/messageservice.h"
#include "kwitola/core/goodscard.h"
#include "kwitola/core/stockprices.h"
#include "kwitola/ui/dottedlabel.h"
#include "kwitola/ui/focuscolours.h"
#include "kwitola/ui/lengthlimit.h"
#include "kwitola/ui/services.h"
#include "kwitola/ui/windowcaption.h"

#include <QComboBox>
#include <QEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

namespace kwitola::ui {

namespace {

constexpr QSize kClientSize{373, 227};
constexpr int kLabelLeft = 8;
constexpr int kLabelWidth = 156;
constexpr int kFieldLeft = 164;
constexpr int kFieldWidth = 201;
constexpr int kFirstRow = 28;
constexpr int kRowStep = 20;
constexpr int kRowHeight = 20;
const QString kNewRecord = QStringLiteral("Dodaj do bazy");

} // namespace

TfMagazyn::TfMagazyn(TableStore& store, common::MessageService& messages, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                          Qt::WindowTitleHint),
      m_store(store), m_messages(messages)
{
    setObjectName(QStringLiteral("TfMagazyn"));
    installCaption(*this, QStringLiteral(" Kartoteka magazynowa"));
    m_client = new QWidget(this);
    m_client->setObjectName(QStringLiteral("client"));
    setFixedSize(kClientSize.grownBy(contentsMargins()));
    m_client->setGeometry(contentsRect());
    setModal(true);
    buildControls();
    applyTabOrder();
    prepareNew();
}

void TfMagazyn::buildControls()
{
    QFont bold = font();
    bold.setBold(true);
    Label1 = new QLabel(QStringLiteral("Opis towaru"), m_client);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setFont(bold);
    Label1->setGeometry(kLabelLeft, 4, kLabelWidth, 18);

    Edit1 = new QLineEdit(m_client);
    Edit2 = new QLineEdit(m_client);
    Edit3 = new QLineEdit(m_client);
    Edit4 = new QLineEdit(m_client);
    Edit6 = new QComboBox(m_client);
    Edit5 = new QLineEdit(m_client);
    Edit9 = new QLineEdit(m_client);
    Edit7 = new QLineEdit(m_client);
    struct Row
    {
        const char* caption;
        QWidget* field;
        const char* name;
        int limit; // 0: none
    };
    const std::array<Row, 8> rows = {{
        {"Nazwa towaru", Edit1, "Edit1", 40},
        {"Symbol SWW/KU/KOB", Edit2, "Edit2", 20},
        {"Jednostka miary", Edit3, "Edit3", 5},
        {"Ilość", Edit4, "Edit4", 0},
        {"Stawka VAT", Edit6, "Edit6", 0},
        {"Cena jednostkowa netto", Edit5, "Edit5", 10},
        {"Cena brutto", Edit9, "Edit9", 10},
        {"Numer fabryczny", Edit7, "Edit7", 50},
    }};
    auto* focusColours = new FocusColours(this);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const int top = kFirstRow + static_cast<int>(i) * kRowStep;
        auto* caption = new DottedLabel(QString::fromUtf8(rows[i].caption), m_client);
        caption->setObjectName(QStringLiteral("Label%1").arg(i + 2));
        caption->setGeometry(kLabelLeft, top, kLabelWidth, kRowHeight);
        if (rows[i].field == Edit9) {
            caption->setFont(bold);
        }
        rows[i].field->setObjectName(QLatin1String(rows[i].name));
        rows[i].field->setGeometry(kFieldLeft, top, kFieldWidth, kRowHeight);
        if (auto* edit = qobject_cast<QLineEdit*>(rows[i].field); edit && rows[i].limit > 0) {
            limitLength(*edit, rows[i].limit);
        }
        if (rows[i].field != Edit4) {
            focusColours->watch(*rows[i].field);
        }
    }
    // The quantity is shown, not typed.
    Edit4->setReadOnly(true);
    Edit4->setFocusPolicy(Qt::NoFocus);
    Edit6->setEditable(true);
    Edit6->setInsertPolicy(QComboBox::NoInsert);
    Edit6->addItems(
        {QStringLiteral("22"), QStringLiteral("7"), QStringLiteral("0"), QStringLiteral("zw.")});
    limitLength(*Edit6->lineEdit(), 2);
    for (QObject* watched : {static_cast<QObject*>(Edit5), static_cast<QObject*>(Edit9),
                             static_cast<QObject*>(Edit6->lineEdit())}) {
        watched->installEventFilter(this);
    }

    const int buttonTop = kFirstRow + 8 * kRowStep + 10;
    Button1 = new QPushButton(QStringLiteral("Anuluj"), m_client);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(kLabelLeft, buttonTop, 120, 26);
    Button2 = new QPushButton(kNewRecord, m_client);
    Button2->setObjectName(QStringLiteral("Button2"));
    Button2->setGeometry(kLabelLeft + 128, buttonTop, kClientSize.width() - 2 * kLabelLeft - 128,
                         26);
    // A rate picked from the list converts like a typed one.
    connect(Edit6, &QComboBox::activated, this, &TfMagazyn::grossFromNet);
    connect(Button1, &QPushButton::clicked, this, &QDialog::reject);
    connect(Button2, &QPushButton::clicked, this, &TfMagazyn::Button2Click);
}

void TfMagazyn::applyTabOrder()
{
    QWidget* const order[] = {Edit1, Edit2, Edit3, Edit6, Edit5, Edit9, Edit7, Button1, Button2};
    for (std::size_t i = 1; i < std::size(order); ++i) {
        QWidget::setTabOrder(order[i - 1], order[i]);
    }
}

void TfMagazyn::prepareNew()
{
    for (QLineEdit* edit : {Edit1, Edit2, Edit3, Edit4}) {
        edit->clear();
    }
    Edit5->setText(QStringLiteral("0,00"));
    Edit9->setText(QStringLiteral("0,00"));
    Edit6->setCurrentIndex(0);
    Edit6->setEditText(Edit6->itemText(0));
    Button2->setText(kNewRecord);
    m_index = 0;
}

void TfMagazyn::prepareCorrection(const Goods& goods)
{
    const GoodsCardValues card = cardValues(goods);
    Edit1->setText(card.name);
    Edit2->setText(card.symbol);
    Edit3->setText(card.unit);
    Edit4->setText(card.quantity);
    Edit5->setText(card.netPrice);
    Edit6->setEditText(card.rate);
    Edit7->setText(card.factoryNumber);
    // A price or rate that is no number leaves the gross price empty.
    Edit9->setText(kwitola::grossFromNet(card.netPrice, card.rate).value_or(QString()));
    Button2->setText(QStringLiteral("Korekta"));
    m_index = goods.id;
}

GoodsCardValues TfMagazyn::values() const
{
    return {Edit1->text(), Edit2->text(),        Edit3->text(), Edit4->text(),
            Edit5->text(), Edit6->currentText(), Edit7->text()};
}

void TfMagazyn::Button2Click()
{
    if (Button2->text() == kNewRecord) {
        saveNew();
    } else {
        saveCorrection();
    }
}

void TfMagazyn::saveNew()
{
    const GoodsCardValues card = values();
    const auto saved = addGoods(m_store, card);
    if (!saved) {
        tell(QStringLiteral("Błąd w dodawaniu do Bazy"), common::MessageIcon::Exclamation, nullptr);
        return;
    }
    switch (*saved) {
    case NewGoods::NothingToSave:
        tell(QStringLiteral("Nie ma nic do zapisania."), common::MessageIcon::None, Button1);
        return;
    case NewGoods::Duplicate:
        tell(QStringLiteral("Wyrób o takiej nazwie jest już w bazie. Podaj inną."),
             common::MessageIcon::None, Edit1);
        return;
    case NewGoods::Saved:
        tell(QStringLiteral("Dopisane"), common::MessageIcon::Exclamation, nullptr);
        Q_EMIT goodsSaved(card.entry());
        accept();
        return;
    }
}

void TfMagazyn::saveCorrection()
{
    const GoodsCardValues card = values();
    const auto corrected = correctGoods(m_store, m_index, card);
    if (!corrected) {
        tell(corrected.error(), common::MessageIcon::Error, nullptr);
        return;
    }
    if (!*corrected) {
        return; // the record is gone: the card stays open
    }
    tell(QStringLiteral("Poprawione"), common::MessageIcon::Information, nullptr);
    Q_EMIT goodsSaved(card.entry());
    accept();
}

QString TfMagazyn::conversionRate()
{
    if (Edit6->currentText().isEmpty()) {
        Edit6->setEditText(rateForConversion(QString()));
    }
    return Edit6->currentText();
}

void TfMagazyn::grossFromNet()
{
    if (const auto gross = kwitola::grossFromNet(Edit5->text(), conversionRate())) {
        Edit9->setText(*gross);
    }
}

void TfMagazyn::netFromGross()
{
    if (const auto net = kwitola::netFromGross(Edit9->text(), conversionRate())) {
        Edit5->setText(*net);
    }
}

bool TfMagazyn::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyRelease) {
        if (watched == Edit9) {
            netFromGross();
        } else {
            grossFromNet();
        }
    } else if (event->type() == QEvent::FocusOut && (watched == Edit5 || watched == Edit9)) {
        auto* edit = static_cast<QLineEdit*>(watched);
        edit->setText(normalisedPrice(edit->text()));
    }
    return QDialog::eventFilter(watched, event);
}

void TfMagazyn::tell(const QString& text, common::MessageIcon icon, QWidget* focus)
{
    common::Message message;
    message.text = text;
    message.title = messageTitle();
    message.icon = icon;
    m_messages.show(message, this);
    if (focus) {
        focus->setFocus(Qt::OtherFocusReason);
    }
}

void TfMagazyn::showEvent(QShowEvent* event)
{
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
    QDialog::showEvent(event);
    Edit1->setFocus(Qt::OtherFocusReason);
}

void TfMagazyn::resizeEvent(QResizeEvent* event)
{
    m_client->setGeometry(contentsRect());
    QDialog::resizeEvent(event);
}

void TfMagazyn::openForNew()
{
    prepareNew();
    exec();
}

void TfMagazyn::openForCorrection(const Goods& goods)
{
    prepareCorrection(goods);
    exec();
}

} // namespace kwitola::ui
