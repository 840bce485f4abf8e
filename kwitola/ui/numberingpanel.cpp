#include "kwitola/ui/numberingpanel.h"

#include "common/seams/messageservice.h"
#include "kwitola/core/documentkinds.h"
#include "kwitola/ui/services.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

namespace kwitola::ui {

NumberingPanel::NumberingPanel(const NumberingControls& controls, common::MessageService& messages,
                               QWidget& window)
    : QObject(&window), m_controls(controls), m_messages(messages), m_window(window)
{
    connect(m_controls.back, &QPushButton::clicked, this, &NumberingPanel::stepBack);
    connect(m_controls.forward, &QPushButton::clicked, this, &NumberingPanel::DodajNumer);
}

void NumberingPanel::setSettings(const Settings& settings)
{
    m_settings = settings;
    m_controls.number->setText(m_settings.documentNumber());
}

const DocumentKind& NumberingPanel::kind() const
{
    return documentKind(m_controls.kind->currentIndex());
}

void NumberingPanel::DodajNumer()
{
    step(1);
}

void NumberingPanel::stepBack()
{
    step(-1);
}

void NumberingPanel::step(int by)
{
    const auto stepped = steppedCounter(m_settings, by);
    if (!stepped) {
        showMessage(m_messages, &m_window,
                    QStringLiteral("Numer dokumentu „%1” nie jest liczbą całkowitą. Popraw go "
                                   "w ustawieniach drukowania (Opcje).")
                        .arg(m_settings.numberPart),
                    common::MessageIcon::Exclamation);
        return;
    }
    Q_EMIT settingsChangeRequested(*stepped);
}

} // namespace kwitola::ui
