#pragma once

#include "kwitola/core/settingsfile.h"
#include "kwitola/ui/fakturacontrols.h"

#include <QObject>

class QWidget;

namespace common {
class MessageService;
}

namespace kwitola {
struct DocumentKind;
}

namespace kwitola::ui {

// The document kind and number at the top of the main window: shows the
// number of the settings it was given and steps the counter with "<<<" and
// ">>>". A step hands the changed settings out to be saved; the number shown
// changes when the saved settings come back.
class NumberingPanel final : public QObject
{
    Q_OBJECT

public:
    NumberingPanel(const NumberingControls& controls, common::MessageService& messages,
                   QWidget& window);

    void setSettings(const Settings& settings);
    [[nodiscard]] const Settings& settings() const { return m_settings; }
    [[nodiscard]] const DocumentKind& kind() const;

    // Advances the counter by one.
    void DodajNumer();
    void stepBack();

Q_SIGNALS:
    void settingsChangeRequested(const kwitola::Settings& settings);

private:
    void step(int by);

    NumberingControls m_controls;
    common::MessageService& m_messages;
    QWidget& m_window;
    Settings m_settings;
};

} // namespace kwitola::ui
