#include "kwitola/ui/printcontroller.h"

#include "common/core/pagejson.h"
#include "common/printing/pagerenderer.h"
#include "common/seams/messageservice.h"
#include "common/seams/printservice.h"
#include "kwitola/core/tablestore.h"
#include "kwitola/register/core/archivefiles.h"
#include "kwitola/register/core/postingarchive.h"
#include "kwitola/ui/printpreview.h"
#include "kwitola/ui/services.h"
#include "kwitola/ui/tfdruk.h"

#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <utility>

namespace kwitola::ui {

namespace {

// The original copy as the archive keeps it: the page as data and its PDF.
common::Result<registry::ArchivedCopy> archivedCopy(const common::Page& original)
{
    const QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("strona.pdf"));
    if (auto written = common::writePdf({original}, path); !written) {
        return written.forward();
    }
    QFile pdf(path);
    if (!dir.isValid() || !pdf.open(QIODevice::ReadOnly)) {
        return common::fail(QStringLiteral("Nie można przygotować pliku PDF strony dokumentu."));
    }
    return registry::ArchivedCopy{common::pageToJson(original), pdf.readAll()};
}

// Posts the request with the original's page in the archive; a page that
// cannot be made means the document is not posted.
common::Result<registry::ArchivedPosting>
postWithPage(TableStore& store, const PostingRequest& request, const common::Page& original)
{
    const auto copy = archivedCopy(original);
    if (!copy) {
        return common::fail(QStringLiteral("Nie udało się zapisać dokumentu w archiwum: %1\n"
                                           "Dokument nie został zaksięgowany.")
                                .arg(copy.error()));
    }
    return registry::postWithArchive(store, request, *copy, registry::diskArchiveFiles());
}

} // namespace

PrintController::PrintController(const PrintCollaborators& collaborators, QWidget& window,
                                 JobSource source)
    : QObject(&window), m_messages(collaborators.messages), m_printer(collaborators.printer),
      m_preview(collaborators.preview), m_store(collaborators.store), m_form(collaborators.form),
      m_window(window), m_source(std::move(source))
{}

void PrintController::connectButtons(QPushButton& one, QPushButton& two, QPushButton& three)
{
    connect(&one, &QPushButton::clicked, this, &PrintController::Button1Click);
    connect(&two, &QPushButton::clicked, this, &PrintController::Button2Click);
    connect(&three, &QPushButton::clicked, this, &PrintController::Button3Click);
}

void PrintController::print(int copies)
{
    const PrintJob job = m_source();
    if (const auto printable = checkPrintable(job); !printable) {
        m_messages.show(programMessage(printable.error(), common::MessageIcon::Exclamation),
                        &m_window);
        return;
    }
    m_form.CzyscWydruk();
    m_form.WypelnijWydruk(job.page, job.logoPath);
    m_form.setCopyMark(previewMark(copies));
    if (job.preview) {
        m_preview.preview(m_form.page(), &m_window);
    }
    const auto answer =
        m_messages.show(programMessage(printConfirmation(job), common::MessageIcon::Question,
                                       common::MessageButtons::YesNo),
                        &m_window);
    if (answer != common::MessageAnswer::Yes) {
        return;
    }
    const std::optional<common::Page> original = printCopies(job, copies);
    if (!original) {
        return;
    }
    if (job.postingStep == Posting::AfterQuestion &&
        m_messages.show(programMessage(QStringLiteral("Czy zaksięgować dokument ?"),
                                       common::MessageIcon::Exclamation,
                                       common::MessageButtons::YesNo),
                        &m_window) != common::MessageAnswer::Yes) {
        return;
    }
    if (job.postingStep != Posting::Never && job.posting && !post(*job.posting, *original)) {
        return;
    }
    if (job.advancesCounter && job.automaticNumbering) {
        Q_EMIT DodajNumer();
    }
}

bool PrintController::post(PostingRequest request, const common::Page& original)
{
    const auto earlier = earlierPostings(m_store, request);
    if (!earlier) {
        m_messages.show(
            programMessage(registry::postingFailedText(), common::MessageIcon::Exclamation),
            &m_window);
        return true;
    }
    if (const StoredDocument* other = postingOfAnotherDate(*earlier, request)) {
        common::Message question = programMessage(
            QStringLiteral("Dokument nr %1 z dnia %2 jest już zaksięgowany. Czy zastąpić "
                           "go tym dokumentem ?")
                .arg(other->Numer_faktury, other->issueDate),
            common::MessageIcon::Question, common::MessageButtons::YesNo);
        question.defaultAnswer = common::MessageAnswer::No;
        if (m_messages.show(question, &m_window) != common::MessageAnswer::Yes) {
            m_messages.show(programMessage(QStringLiteral("Dokument nie został zaksięgowany."),
                                           common::MessageIcon::Exclamation),
                            &m_window);
            return false;
        }
        request.replaceOtherIssueDate = true;
    }
    const auto posted = postWithPage(m_store, request, original);
    const QString problem = posted ? posted->unfinished : posted.error();
    if (!problem.isEmpty()) {
        m_messages.show(programMessage(problem, common::MessageIcon::Exclamation), &m_window);
    }
    return true;
}

std::optional<common::Page> PrintController::printCopies(const PrintJob& job, int copies)
{
    std::vector<common::Page> pages;
    for (const QString& mark : copyMarks(copies)) {
        m_form.setCopyMark(mark);
        pages.push_back(m_form.page());
    }
    const common::PrintOutcome outcome =
        m_printer.printPagesOn(pages, job.page.title, job.printerName);
    const auto notice = common::printNotice(
        outcome, QStringLiteral("W systemie nie ma drukarki. Dokument zapisano w pliku:\n%1"),
        QStringLiteral("Nie udało się wydrukować dokumentu; nie został zaksięgowany.\n%1"));
    if (notice) {
        m_messages.show(programMessage(notice->text, notice->icon), &m_window);
    }
    if (outcome.status == common::PrintOutcome::Status::Failed) {
        return std::nullopt;
    }
    return pages.front();
}

} // namespace kwitola::ui
