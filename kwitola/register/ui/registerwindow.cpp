#include "kwitola/register/ui/registerwindow.h"

#include "common/printing/pagerenderer.h"
#include "common/seams/messageservice.h"
#include "kwitola/register/core/archive.h"
#include "kwitola/register/core/documentpage.h"
#include "kwitola/register/core/monthledger.h"
#include "kwitola/register/ui/registermodel.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QScrollArea>
#include <QSet>
#include <QSplitter>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

namespace kwitola::registry {

namespace {

const QString kTitle = QStringLiteral("Kwitola – rejestr dokumentów");
constexpr int kPreviewWidth = 620;

} // namespace

RegisterWindow::RegisterWindow(QString folder, common::MessageService& messages, QWidget* parent)
    : QWidget(parent), m_folder(std::move(folder)), m_messages(messages)
{
    setWindowTitle(kTitle);
    buildControls();
}

RegisterWindow::~RegisterWindow() = default;

void RegisterWindow::buildControls()
{
    m_month = new QComboBox(this);
    m_month->setObjectName(QStringLiteral("miesiac"));
    m_recipient = new QLineEdit(this);
    m_recipient->setObjectName(QStringLiteral("odbiorca"));
    m_recipient->setPlaceholderText(QStringLiteral("nazwa, miejscowość lub NIP"));
    m_number = new QLineEdit(this);
    m_number->setObjectName(QStringLiteral("numer"));
    m_number->setPlaceholderText(QStringLiteral("fragment numeru"));
    auto* filters = new QHBoxLayout;
    filters->addWidget(new QLabel(QStringLiteral("Miesiąc:"), this));
    filters->addWidget(m_month);
    filters->addWidget(new QLabel(QStringLiteral("Odbiorca:"), this));
    filters->addWidget(m_recipient, 1);
    filters->addWidget(new QLabel(QStringLiteral("Numer:"), this));
    filters->addWidget(m_number);

    m_model = new RegisterModel(m_list, this);
    m_table = new QTableView(this);
    m_table->setObjectName(QStringLiteral("lista_dokumentow"));
    m_table->setModel(m_model);
    m_table->setSortingEnabled(true);
    m_table->sortByColumn(2, Qt::DescendingOrder);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->verticalHeader()->hide();
    m_table->verticalHeader()->setDefaultSectionSize(m_table->fontMetrics().height() + 8);
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_table->horizontalHeader()->setStretchLastSection(false);
    m_table->horizontalHeader()->setSectionResizeMode(3, QHeaderView::Stretch);
    m_summary = new QLabel(this);
    m_summary->setObjectName(QStringLiteral("podsumowanie"));
    auto* left = new QWidget(this);
    auto* leftLayout = new QVBoxLayout(left);
    leftLayout->setContentsMargins(0, 0, 0, 0);
    leftLayout->addLayout(filters);
    leftLayout->addWidget(m_table, 1);
    leftLayout->addWidget(m_summary);

    m_pageNote = new QLabel(this);
    m_pageNote->setObjectName(QStringLiteral("opis_strony"));
    m_page = new QLabel(this);
    m_page->setObjectName(QStringLiteral("podglad"));
    m_page->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    auto* scroll = new QScrollArea(this);
    scroll->setWidget(m_page);
    scroll->setWidgetResizable(true);
    auto* right = new QWidget(this);
    auto* rightLayout = new QVBoxLayout(right);
    rightLayout->setContentsMargins(0, 0, 0, 0);
    rightLayout->addWidget(m_pageNote);
    rightLayout->addWidget(scroll, 1);

    auto* splitter = new QSplitter(this);
    splitter->addWidget(left);
    splitter->addWidget(right);
    splitter->setStretchFactor(0, 1);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({640, kPreviewWidth + 40});
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(splitter);

    connect(m_month, &QComboBox::currentIndexChanged, this, &RegisterWindow::applyFilter);
    connect(m_recipient, &QLineEdit::textChanged, this, &RegisterWindow::applyFilter);
    connect(m_number, &QLineEdit::textChanged, this, &RegisterWindow::applyFilter);
    connect(m_table->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &RegisterWindow::showPage);
    connect(m_model, &QAbstractItemModel::modelReset, this, &RegisterWindow::showSummary);
}

bool RegisterWindow::reload()
{
    auto tables = readPostedTables(m_folder);
    if (!tables) {
        common::Message message;
        message.text = tables.error();
        message.title = kTitle;
        message.icon = common::MessageIcon::Exclamation;
        m_messages.show(message, this);
        return false;
    }
    m_tables = *std::move(tables);
    ArchiveIndex archive(m_folder);
    m_model->beginChange();
    m_list = RegisterList(registerEntries(
        m_tables, [&archive](const StoredDocument& d) { return archive.contains(d); }));
    m_model->endChange();
    fillMonths();
    applyFilter();
    if (m_list.count() > 0) {
        m_table->selectRow(0);
    }
    return true;
}

void RegisterWindow::fillMonths()
{
    QSet<int> keys;
    for (const RegisterEntry& entry : m_list.entries()) {
        if (entry.issueDate.isValid()) {
            keys.insert(entry.issueDate.year() * 100 + entry.issueDate.month());
        }
    }
    QList<int> months(keys.begin(), keys.end());
    std::sort(months.begin(), months.end(), std::greater<>());
    const QSignalBlocker blocker(m_month);
    m_month->clear();
    m_month->addItem(QStringLiteral("wszystkie"), 0);
    for (const int key : months) {
        m_month->addItem(Month{key / 100, key % 100}.title(), key);
    }
}

void RegisterWindow::applyFilter()
{
    RegisterFilter filter;
    if (const int key = m_month->currentData().toInt(); key > 0) {
        const Month month{key / 100, key % 100};
        filter.from = month.first();
        filter.to = month.last();
    }
    filter.recipientText = m_recipient->text().trimmed();
    filter.numberText = m_number->text().trimmed();
    m_model->beginChange();
    m_list.setFilter(filter);
    m_model->endChange();
}

void RegisterWindow::showSummary()
{
    const auto sum = m_list.grossSum();
    QString text = QStringLiteral("Dokumentów: %1   Suma brutto: %2 zł")
                       .arg(m_list.count())
                       .arg(sum ? sum->fmt() : QStringLiteral("poza zakresem"));
    if (m_list.withoutGross() > 0) {
        text += QStringLiteral("   (bez kwoty: %1)").arg(m_list.withoutGross());
    }
    m_summary->setText(text);
}

void RegisterWindow::showPage()
{
    const RegisterEntry* entry = m_list.at(m_table->currentIndex().row());
    m_page->clear();
    m_pageNote->clear();
    if (!entry) {
        return;
    }
    const auto document = std::find_if(m_tables.documents.begin(), m_tables.documents.end(),
                                       [&](const StoredDocument& d) { return d.id == entry->id; });
    if (document == m_tables.documents.end()) {
        return;
    }
    auto archived = readArchivedPage(m_folder, *document);
    if (!archived) {
        m_pageNote->setText(archived.error());
        return;
    }
    std::optional<common::Page> page = *std::move(archived);
    if (page) {
        m_pageNote->setText(QStringLiteral("Strona z archiwum, tak jak ją wydrukowano."));
    } else {
        const Issuer* seller = m_tables.issuers.empty() ? nullptr : &m_tables.issuers.front();
        auto rebuilt = reconstructedPage(*document, seller);
        if (!rebuilt) {
            m_pageNote->setText(rebuilt.error());
            return;
        }
        page = *std::move(rebuilt);
        m_pageNote->setText(QStringLiteral("Dokument nie ma wpisu w archiwum: strona odtworzona z "
                                           "zapisu w tabelach, z dzisiejszym wystawcą."));
    }
    m_page->setPixmap(QPixmap::fromImage(common::renderPageToImage(*page, kPreviewWidth)));
}

} // namespace kwitola::registry
