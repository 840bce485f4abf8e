#include "kwitola/ui/tfmagazyn.h"

#include "common/seams/messageservice.h"
#include "kwitola/core/goodscard.h"
#include "kwitola/core/stockprices.h"
#include "kwitola/ui/controlfactory.h"
#include "kwitola/ui/dottedlabel.h"
#include "kwitola/ui/focuscolours.h"
#include "kwitola/ui/lengthlimit.h"
#include "kwitola/ui/services.h"

#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

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
    : FixedDialog(QStringLiteral(" Kartoteka magazynowa"), kClientSize, parent), m_store(store),
      m_messages(messages)
{
    setObjectName(QStringLiteral("TfMagazyn"));
    buildControls();
    applyTabOrder();
    prepareNew();
}

void TfMagazyn::buildControls()
{
    QFont bold = font();
    bold.setBold(true);
    Label1 = makeControl<QLabel>(client(), "Label1", {kLabelLeft, 4, kLabelWidth, 18},
                                 QStringLiteral("Opis towaru"));
    Label1->setFont(bold);

    Edit1 = new QLineEdit(client());
    Edit2 = new QLineEdit(client());
    Edit3 = new QLineEdit(client());
    Edit4 = new QLineEdit(client());
    Edit6 = new QComboBox(client());
    Edit5 = new QLineEdit(client());
    Edit9 = new QLineEdit(client());
    Edit7 = new QLineEdit(client());
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
        auto* caption = makeControl<DottedLabel>(
            client(), QByteArray("Label" + QByteArray::number(int(i) + 2)).constData(),
            {kLabelLeft, top, kLabelWidth, kRowHeight}, QString::fromUtf8(rows[i].caption));
        if (rows[i].field == Edit9) {
            caption->setFont(bold);
        }
        nameControl(*rows[i].field, rows[i].name, {kFieldLeft, top, kFieldWidth, kRowHeight});
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
    Button1 = makeControl<QPushButton>(client(), "Button1", {kLabelLeft, buttonTop, 120, 26},
                                       QStringLiteral("Anuluj"));
    Button2 = makeControl<QPushButton>(
        client(), "Button2",
        {kLabelLeft + 128, buttonTop, kClientSize.width() - 2 * kLabelLeft - 128, 26}, kNewRecord);
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
    return FixedDialog::eventFilter(watched, event);
}

void TfMagazyn::tell(const QString& text, common::MessageIcon icon, QWidget* focus)
{
    showMessage(m_messages, this, text, icon);
    if (focus) {
        focus->setFocus(Qt::OtherFocusReason);
    }
}

void TfMagazyn::showEvent(QShowEvent* event)
{
    FixedDialog::showEvent(event);
    Edit1->setFocus(Qt::OtherFocusReason);
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
