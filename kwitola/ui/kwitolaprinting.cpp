// The print commands' wiring: what a print reads and where a posted
// document's number step goes.
#include "common/seams/messageservice.h"
#include "kwitola/core/documentkinds.h"
#include "kwitola/ui/kwitolawindows.h"
#include "kwitola/ui/printcontroller.h"
#include "kwitola/ui/tfdruk.h"
#include "kwitola/ui/tffaktura.h"
#include "kwitola/ui/tfopcje.h"

namespace kwitola::ui {

void KwitolaWindows::connectPrinting(common::PrintService& printer, PreviewService& preview)
{
    TfFaktura* main = m_faktura.get();
    const TfOpcje* options = m_opcje.get();
    auto source = [main, options] {
        return printJob(main->document(), main->parties(), main->settings(), main->documentKind(),
                        main->documentFields(options->printerName()));
    };
    auto* controller = new PrintController({m_messages, printer, preview, m_store, *m_druk}, *main,
                                           std::move(source));
    const auto buttons = main->printButtons();
    controller->connectButtons(*buttons[0], *buttons[1], *buttons[2]);
    connect(controller, &PrintController::DodajNumer, this, [this, main] { advanceNumber(main); });
}

void KwitolaWindows::advanceNumber(QWidget* asker)
{
    const auto stepped = steppedCounter(m_settings.settings(), 1);
    if (!stepped) {
        report(QStringLiteral("Numer dokumentu „%1” nie jest liczbą całkowitą. Popraw go "
                              "w ustawieniach drukowania (Opcje).")
                   .arg(m_settings.settings().numberPart),
               common::MessageIcon::Exclamation, asker);
        return;
    }
    saveSettings(*stepped, asker);
}

} // namespace kwitola::ui
