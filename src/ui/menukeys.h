#pragma once

#include <QObject>

class QAction;
class QMenuBar;

namespace velmora::ui {

/// Works a window's menu bar from the keyboard as the desktop's other programs do. F10 opens the
/// bar's first menu with its first entry highlighted. The arrows then move through the menus and
/// along the bar, onto the commands that stand on the bar itself as well, and Return runs the
/// highlighted entry: a menu's entries as Qt runs them, a command on the bar here, since Qt's bar
/// runs such a command only when clicked.
class MenuKeys : public QObject
{
    Q_OBJECT

public:
    /// Watches the application's key presses for as long as the bar lives.
    explicit MenuKeys(QMenuBar *bar);

    /// Opens the first menu of the bar with its first entry highlighted.
    void openFirstMenu();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    /// A command of the bar is highlighted by the keyboard and no menu is open.
    bool onBarCommand() const;
    void handleBarKey(int key);
    void highlight(QAction *entry);
    void leave();

    QMenuBar *m_bar;
    /// The keyboard leads the bar: set when one of its menus opens or by F10, cleared by the mouse
    /// and when the bar lets go, so a command highlighted under a resting pointer never runs on
    /// a Return meant for the text box.
    bool m_keyboard = false;
};

} // namespace velmora::ui
