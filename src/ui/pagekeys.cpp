#include "ui/pagekeys.h"

#include "ui/tabcontrol.h"

#include <QCoreApplication>
#include <QKeyEvent>

namespace velmora::ui {

PageKeys::PageKeys(TabControl *tabs)
    : QObject(tabs)
    , m_tabs(tabs)
{
    QCoreApplication::instance()->installEventFilter(this);
}

int PageKeys::pageStep(const QKeyEvent &event)
{
    // The keypad's PgUp and PgDn count too; Alt or Meta with them mean something else.
    const Qt::KeyboardModifiers modifiers = event.modifiers() & ~Qt::KeypadModifier;
    switch (event.key()) {
    case Qt::Key_Tab:
        if (modifiers == Qt::ControlModifier)
            return 1;
        return modifiers == (Qt::ControlModifier | Qt::ShiftModifier) ? -1 : 0;
    case Qt::Key_Backtab: // Shift+Tab as most platforms report it
        return modifiers == (Qt::ControlModifier | Qt::ShiftModifier) ? -1 : 0;
    case Qt::Key_PageDown:
        return modifiers == Qt::ControlModifier ? 1 : 0;
    case Qt::Key_PageUp:
        return modifiers == Qt::ControlModifier ? -1 : 0;
    default:
        return 0;
    }
}

bool PageKeys::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
        return false;
    const int step = pageStep(*static_cast<QKeyEvent *>(event));
    if (step == 0 || static_cast<QWidget *>(watched)->window() != m_tabs->window())
        return false;
    m_tabs->turnPage(step);
    return true;
}

} // namespace velmora::ui
