#include "kwitola/register/ui/registerwindow.h"

#include "common/core/clock.h"
#include "common/printing/pagerenderer.h"
#include "common/seams/filedialogservice.h"
#include "common/seams/messageservice.h"
#include "common/seams/printservice.h"
#include "kwitola/register/core/archive.h"
#include "kwitola/register/core/documentpage.h"
#include "kwitola/register/core/monthledger.h"
#include "kwitola/register/core/registerread.h"
#include "kwitola/register/export/exportcommand.h"
#include "kwitola/register/ui/registermodel.h"

#include <QComboBox>
#include <QDir>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
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

RegisterWindow::RegisterWindow(QString folder, const RegisterServices& services, QWidget* parent)
    : QWidget(parent), m_folder(std::move(folder)), m_services(services)
{
    setWindowTitle(kTitle);
    buildControls();
}

RegisterWindow::~RegisterWindow() = default;

QLayout* RegisterWindow::buildFilters()
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
    connect(m_month, &QComboBox::currentIndexChanged, this, &RegisterWindow::applyFilter);
    connect(m_recipient, &QLineEdit::textChanged, this, &RegisterWindow::applyFilter);
    connect(m_number, &QLineEdit::textChanged, this, &RegisterWindow::applyFilter);
    return filters;
}

// The duplicate's two buttons and the ledger's month with its two exports.
QLayout* RegisterWindow::buildActions()
{
    const auto button = [this](const char* name, const QString& text, auto action) {
        auto* b = new QPushButton(text, this);
        b->setObjectName(QLatin1String(name));
        connect(b, &QPushButton::clicked, this, action);
        return b;
    };
    m_printDuplicate = button("b_drukuj_duplikat", QStringLiteral("Drukuj duplikat"),
                              &RegisterWindow::printDuplicate);
    m_saveDuplicate =
        button("b_zapisz_pdf", QStringLiteral("Zapisz PDF"), &RegisterWindow::saveDuplicate);
    m_ledgerMonth = new QComboBox(this);
    m_ledgerMonth->setObjectName(QStringLiteral("miesiac_rejestru"));
    m_exportCsv =
        button("b_eksport_csv", QStringLiteral("Eksport CSV…"), [this] { exportLedger(false); });
    m_exportPdf =
        button("b_eksport_pdf", QStringLiteral("Eksport PDF…"), [this] { exportLedger(true); });
    auto* actions = new QHBoxLayout;
    actions->addWidget(m_printDuplicate);
    actions->addWidget(m_saveDuplicate);
    actions->addStretch(1);
    actions->addWidget(new QLabel(QStringLiteral("Rejestr sprzedaży za:"), this));
    actions->addWidget(m_ledgerMonth);
    actions->addWidget(m_exportCsv);
    actions->addWidget(m_exportPdf);
    return actions;
}

void RegisterWindow::buildControls()
{
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
    leftLayout->addLayout(buildFilters());
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
    layout->addWidget(splitter, 1);
    layout->addLayout(buildActions());
    connect(m_table->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &RegisterWindow::showPage);
    connect(m_model, &QAbstractItemModel::modelReset, this, &RegisterWindow::showSummary);
}

void RegisterWindow::tell(const QString& text, common::MessageIcon icon)
{
    common::Message message;
    message.text = text;
    message.title = kTitle;
    message.icon = icon;
    m_services.messages.show(message, this);
}

bool RegisterWindow::reload()
{
    ArchiveIndex archive(m_folder);
    auto entries = readRegisterEntries(
        m_folder, [&archive](const StoredDocument& d) { return archive.contains(d); });
    const QString failure = entries ? QString() : entries.error();
    m_model->beginChange();
    m_list = RegisterList(entries ? *std::move(entries) : std::vector<RegisterEntry>());
    m_model->endChange();
    fillMonths();
    applyFilter();
    if (!failure.isEmpty()) {
        tell(failure, common::MessageIcon::Exclamation);
        return false;
    }
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
    m_ledgerMonth->clear();
    for (const int key : months) {
        m_month->addItem(Month{key / 100, key % 100}.title(), key);
        m_ledgerMonth->addItem(Month{key / 100, key % 100}.title(), key);
    }
    m_exportCsv->setEnabled(!months.isEmpty());
    m_exportPdf->setEnabled(!months.isEmpty());
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
    m_shown.reset();
    if (entry) {
        auto page = registerPage(m_folder, entry->id);
        if (page) {
            m_shown = *std::move(page);
            m_pageNote->setText(m_shown->fromArchive
                                    ? QStringLiteral("Strona z archiwum, tak jak ją wydrukowano.")
                                    : QStringLiteral("Dokument nie ma wpisu w archiwum: strona "
                                                     "odtworzona z zapisu w tabelach, z "
                                                     "dzisiejszym wystawcą."));
            m_page->setPixmap(
                QPixmap::fromImage(common::renderPageToImage(m_shown->page, kPreviewWidth)));
        } else {
            m_pageNote->setText(page.error());
        }
    }
    m_printDuplicate->setEnabled(m_shown.has_value());
    m_saveDuplicate->setEnabled(m_shown.has_value());
}

void RegisterWindow::printDuplicate()
{
    if (!m_shown) {
        return;
    }
    const common::Page page = duplicatePage(m_shown->page, m_services.clock.today());
    const common::PrintOutcome outcome =
        m_services.printer.printPages({page}, QStringLiteral("Duplikat %1").arg(m_shown->number));
    const auto notice = common::printNotice(
        outcome, QStringLiteral("W systemie nie ma drukarki. Dokument zapisano w pliku:\n%1"),
        QStringLiteral("Nie udało się wydrukować duplikatu.\n%1"));
    if (notice) {
        tell(notice->text, notice->icon);
    }
}

void RegisterWindow::saveDuplicate()
{
    if (!m_shown) {
        return;
    }
    const auto path = m_services.files.saveFile(
        this, QStringLiteral("Zapisz duplikat jako PDF"), QStringLiteral("Dokument PDF (*.pdf)"),
        QDir(m_folder).filePath(duplicateFileName(m_shown->number)));
    if (!path) {
        return;
    }
    const common::Page page = duplicatePage(m_shown->page, m_services.clock.today());
    if (auto written = common::writePdf({page}, *path); !written) {
        tell(written.error(), common::MessageIcon::Exclamation);
        return;
    }
    tell(QStringLiteral("Duplikat dokumentu %1 zapisano w pliku:\n%2")
             .arg(m_shown->number, QDir::toNativeSeparators(*path)),
         common::MessageIcon::Information);
}

void RegisterWindow::exportLedger(bool pdf)
{
    const int key = m_ledgerMonth->currentData().toInt();
    if (key <= 0) {
        return;
    }
    const Month month{key / 100, key % 100};
    const QString stem = QStringLiteral("rejestr-sprzedazy-%1-%2")
                             .arg(month.year)
                             .arg(month.month, 2, 10, QLatin1Char('0'));
    const auto path = m_services.files.saveFile(
        this, QStringLiteral("Rejestr sprzedaży za %1").arg(month.title()),
        pdf ? QStringLiteral("Dokument PDF (*.pdf)") : QStringLiteral("Plik CSV (*.csv)"),
        QDir(m_folder).filePath(stem + (pdf ? QStringLiteral(".pdf") : QStringLiteral(".csv"))));
    if (!path) {
        return;
    }
    ExportRequest request;
    request.month = stem.mid(stem.size() - 7);
    (pdf ? request.pdfPath : request.csvPath) = *path;
    if (auto written = runExport(request, m_folder); !written) {
        tell(written.error(), common::MessageIcon::Exclamation);
        return;
    }
    tell(QStringLiteral("Rejestr sprzedaży za %1 zapisano w pliku:\n%2")
             .arg(month.title(), QDir::toNativeSeparators(*path)),
         common::MessageIcon::Information);
}

} // namespace kwitola::registry
