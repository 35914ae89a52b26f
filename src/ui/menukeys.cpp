#include "ui/menukeys.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>

namespace velmora::ui {

namespace {

QList<QAction *> entriesOf(const QWidget *bar)
{
    QList<QAction *> entries;
    for (QAction *a : bar->actions()) {
        if (a->isVisible() && !a->isSeparator())
            entries.append(a);
    }
    return entries;
}

QAction *firstEnabledEntry(const QMenu *menu)
{
    for (QAction *a : menu->actions()) {
        if (a->isVisible() && a->isEnabled() && !a->isSeparator())
            return a;
    }
    return nullptr;
}

} // namespace

MenuKeys::MenuKeys(QMenuBar *bar)
    : QObject(bar)
    , m_bar(bar)
{
    for (QAction *entry : bar->actions()) {
        if (QMenu *menu = entry->menu())
            connect(menu, &QMenu::aboutToShow, this, [this] { m_keyboard = true; });
    }
    QCoreApplication::instance()->installEventFilter(this);
}

void MenuKeys::openFirstMenu()
{
    const QList<QAction *> entries = entriesOf(m_bar);
    if (!entries.isEmpty())
        highlight(entries.first());
}

void MenuKeys::highlight(QAction *entry)
{
    // The bar opens the entry's menu, if it has one; a command is only highlighted.
    m_bar->setActiveAction(entry);
    m_keyboard = true;
    if (QMenu *menu = entry->menu()) {
        if (QAction *first = firstEnabledEntry(menu))
            menu->setActiveAction(first);
    }
}

void MenuKeys::leave()
{
    m_keyboard = false;
    m_bar->setActiveAction(nullptr);
}

bool MenuKeys::onBarCommand() const
{
    const QAction *active = m_bar->activeAction();
    return m_keyboard && active && !active->menu() && !QApplication::activePopupWidget();
}

void MenuKeys::handleBarKey(int key)
{
    const QList<QAction *> entries = entriesOf(m_bar);
    const qsizetype at = entries.indexOf(m_bar->activeAction());
    switch (key) {
    case Qt::Key_Left:
    case Qt::Key_Right: {
        const qsizetype step = key == Qt::Key_Right ? 1 : entries.size() - 1;
        highlight(entries.at((at + step) % entries.size()));
        return;
    }
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space: {
        QAction *command = m_bar->activeAction();
        leave();
        command->trigger();
        return;
    }
    case Qt::Key_Escape:
    case Qt::Key_F10:
        leave();
        return;
    default:
        return; // the bar holds the keyboard: nothing reaches the window's controls meanwhile
    }
}

bool MenuKeys::eventFilter(QObject *watched, QEvent *event)
{
    if (!watched->isWidgetType())
        return false;
    const auto *widget = static_cast<QWidget *>(watched);
    switch (event->type()) {
    case QEvent::MouseMove:
        // The pointer over the bar highlights entries of its own accord.
        if (widget == m_bar && !QApplication::activePopupWidget())
            m_keyboard = false;
        return false;
    case QEvent::MouseButtonPress:
        if (widget->window() == m_bar->window() && onBarCommand())
            leave();
        return false;
    case QEvent::KeyPress:
        break;
    default:
        return false;
    }
    if (widget->window() != m_bar->window() || QApplication::activePopupWidget())
        return false;
    const auto *key = static_cast<QKeyEvent *>(event);
    if (onBarCommand()) {
        handleBarKey(key->key());
        return true;
    }
    if (key->key() == Qt::Key_F10 && (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        openFirstMenu();
        return true;
    }
    return false;
}

} // namespace velmora::ui
