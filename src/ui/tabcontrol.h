#pragma once

#include <QAbstractButton>
#include <QList>
#include <QWidget>

class QButtonGroup;

namespace velmora::ui {

/// One tab header of a TabControl: a checkable button drawn as a tab of the current style. The
/// headers take no focus themselves: the tab control does, and its current header shows it.
class TabHeader : public QAbstractButton
{
    Q_OBJECT

public:
    explicit TabHeader(const QString &caption, QWidget *parent = nullptr);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    bool hitButton(const QPoint &pos) const override { return rect().contains(pos); }

private:
    friend class TabControl;
    int m_row = 0;
    int m_column = 0;
};

/// Tab pages under headers that stand in rows of three, in the order of the tabs: the first row
/// holds tabs 0 to 2, the second tabs 3 to 5, and so on. Exactly one page shows at a time.
/// Pages are children of the control; addTab() gives a page the whole page area, and the owner
/// may place it more precisely afterwards.
///
/// From the keyboard the control is one stop of the Tab order, before the controls of its pages;
/// while it has the focus, the current header shows a focus frame, Left and Right go to the
/// previous and next tab and Up and Down to the tab above or below in the other row.
class TabControl : public QWidget
{
    Q_OBJECT

public:
    static constexpr int kTabsPerRow = 3;

    explicit TabControl(QWidget *parent = nullptr);

    /// Appends a page with its header caption and returns its index. The first page added
    /// becomes the current one.
    int addTab(QWidget *page, const QString &caption);

    int count() const { return int(m_pages.size()); }
    int currentIndex() const { return m_current; }
    QWidget *widget(int index) const { return m_pages.value(index); }
    QWidget *currentWidget() const { return widget(m_current); }
    QString tabText(int index) const;
    TabHeader *header(int index) const { return m_headers.value(index); }
    int rowCount() const { return (count() + kTabsPerRow - 1) / kTabsPerRow; }

    /// Height of one row of headers in pixels.
    void setRowHeight(int pixels);
    int rowHeight() const { return m_rowHeight; }
    /// Where the pages stand: below the header rows, inside the panel.
    QRect pageArea() const;

    QSize sizeHint() const override;

public Q_SLOTS:
    /// Shows the page with that index; an index out of range is ignored. When the focus was on the
    /// page that goes, it moves to the first control of the new page that takes it.
    void setCurrentIndex(int index);
    /// Shows the page `steps` pages on in the order of the tabs (back when negative), wrapping
    /// round from the last to the first and from the first to the last.
    void turnPage(int steps);

Q_SIGNALS:
    void currentChanged(int index);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    void layoutHeaders();
    void updateCurrentHeader();

    QList<QWidget *> m_pages;
    QList<TabHeader *> m_headers;
    QButtonGroup *m_group;
    int m_current = -1;
    int m_rowHeight = 0;
};

} // namespace velmora::ui
