// The caption's system menu and the window commands it and the buttons send.
#include "common/widgets/gradientcaption.h"

#include <QApplication>
#include <QCursor>
#include <QMenu>
#include <QMouseEvent>
#include <QTimer>
#include <QWhatsThis>
#include <QWindow>

namespace common {

namespace {

struct MenuItem
{
    const char* text;
    SystemCommand command;
};

// Texts of the system menu, in menu order; close follows a separator.
const MenuItem menuItems[] = {
    {"&Przywróć", SystemCommand::Restore},      {"&Przenieś", SystemCommand::Move},
    {"&Rozmiar", SystemCommand::Size},          {"Mi&nimalizuj", SystemCommand::Minimize},
    {"Ma&ksymalizuj", SystemCommand::Maximize}, {"&Zamknij\tAlt+F4", SystemCommand::Close},
};

} // namespace

void TGradientCaption::setupSystemMenu()
{
    m_systemMenu = new QMenu(this);
    for (std::size_t i = 0; i < std::size(menuItems); ++i) {
        if (menuItems[i].command == SystemCommand::Close) {
            m_systemMenu->addSeparator();
        }
        const SystemCommand command = menuItems[i].command;
        m_menuActions[i] = m_systemMenu->addAction(QString::fromUtf8(menuItems[i].text), this,
                                                   [this, command] { sendSystemCommand(command); });
    }
    m_systemMenu->installEventFilter(this);
}

void TGradientCaption::prepareSystemMenu()
{
    const SystemMenuState state = systemMenuState(showState(), m_layout);
    const bool enabled[] = {state.restore,  state.move,     state.size,
                            state.minimize, state.maximize, true};
    for (std::size_t i = 0; i < m_menuActions.size(); ++i) {
        m_menuActions[i]->setEnabled(enabled[i]);
    }
    m_systemMenu->setDefaultAction(state.defaultItem == SystemCommand::Restore ? m_menuActions[0]
                                                                               : m_menuActions[5]);
}

void TGradientCaption::openSystemMenu(QPoint globalPos)
{
    prepareSystemMenu();
    m_systemMenu->setAttribute(Qt::WA_NoMouseReplay, false);
    m_systemMenu->popup(globalPos);
}

void TGradientCaption::sendSystemCommand(SystemCommand command)
{
    Q_EMIT systemCommandSent(command);
    switch (command) {
    case SystemCommand::Close:
        m_owner->close();
        break;
    case SystemCommand::Minimize:
        m_owner->showMinimized();
        break;
    case SystemCommand::Maximize:
        m_owner->showMaximized();
        break;
    case SystemCommand::Restore:
        m_owner->showNormal();
        break;
    case SystemCommand::Move:
        startMove(QCursor::pos());
        break;
    case SystemCommand::Size:
        startResize(Qt::BottomEdge | Qt::RightEdge, QCursor::pos());
        break;
    case SystemCommand::ContextHelp:
        QWhatsThis::enterWhatsThisMode();
        break;
    case SystemCommand::None:
        break;
    }
}

void TGradientCaption::startMove(QPoint globalPos)
{
    QWindow* window = m_owner->windowHandle();
    if (window != nullptr && window->startSystemMove()) {
        return;
    }
    // No window manager to move the window: follow the mouse ourselves.
    m_manualMove = true;
    m_moveOffset = globalPos - m_owner->pos();
}

void TGradientCaption::startResize(Qt::Edges edges, QPoint /*globalPos*/)
{
    if (!isSizeable()) {
        return;
    }
    if (QWindow* window = m_owner->windowHandle()) {
        window->startSystemResize(edges);
    }
}

bool TGradientCaption::menuPressOnIcon(QEvent* event)
{
    const auto* mouse = static_cast<QMouseEvent*>(event);
    const QRect iconOnScreen(mapToGlobal(m_layout.icon.topLeft()), m_layout.icon.size());
    if (!iconOnScreen.contains(mouse->globalPosition().toPoint())) {
        return false;
    }
    // A second press on the icon only closes the menu; within the
    // double-click time of the first it closes the window too.
    m_systemMenu->setAttribute(Qt::WA_NoMouseReplay, true);
    m_systemMenu->hide();
    m_menuClosedByIcon.start();
    if (m_lastIconPress.isValid() &&
        m_lastIconPress.elapsed() <= QApplication::doubleClickInterval()) {
        QTimer::singleShot(0, this, [this] { sendSystemCommand(SystemCommand::Close); });
    }
    return true;
}

} // namespace common
