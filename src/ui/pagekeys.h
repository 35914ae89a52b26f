#pragma once

#include <QObject>

class QKeyEvent;

namespace velmora::ui {

class TabControl;

/// Ctrl+Tab and Ctrl+PgDn show the next page of a tab control, Ctrl+Shift+Tab and Ctrl+PgUp the
/// previous one, wrapping round, from wherever the focus stands in the control's window. The
/// keys are taken before any control sees them, so a text box cannot keep them for itself.
class PageKeys : public QObject
{
    Q_OBJECT

public:
    /// Watches the application's key presses for as long as the tab control lives.
    explicit PageKeys(TabControl *tabs);

    /// How many pages a key turns: 1 forward, -1 back, 0 for any other key.
    static int pageStep(const QKeyEvent &event);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    TabControl *m_tabs;
};

} // namespace velmora::ui
