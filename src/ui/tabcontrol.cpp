#include "ui/tabcontrol.h"

#include <QApplication>
#include <QButtonGroup>
#include <QKeyEvent>
#include <QPainter>
#include <QStyleOptionTab>
#include <QStyleOptionTabWidgetFrame>
#include <QStylePainter>

namespace velmora::ui {

TabHeader::TabHeader(const QString &caption, QWidget *parent)
    : QAbstractButton(parent)
{
    setText(caption);
    setCheckable(true);
    // A click selects the tab without taking the focus from where the user works.
    setFocusPolicy(Qt::NoFocus);
}

QSize TabHeader::sizeHint() const
{
    const QFontMetrics fm = fontMetrics();
    return {fm.horizontalAdvance(text()) + 24, fm.height() + 10};
}

void TabHeader::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionTab option;
    option.initFrom(this);
    option.text = text();
    option.shape = QTabBar::RoundedNorth;
    option.rect = rect();
    if (isChecked())
        option.state |= QStyle::State_Selected;
    else
        option.state &= ~QStyle::State_Selected;
    if (isDown())
        option.state |= QStyle::State_Sunken;
    switch (m_column) {
    case 0:
        option.position = QStyleOptionTab::Beginning;
        break;
    case TabControl::kTabsPerRow - 1:
        option.position = QStyleOptionTab::End;
        break;
    default:
        option.position = QStyleOptionTab::Middle;
        break;
    }
    painter.drawControl(QStyle::CE_TabBarTab, option);
    const auto *control = qobject_cast<const TabControl *>(parentWidget());
    if (isChecked() && control && control->hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = rect().adjusted(4, 4, -4, -3);
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}

TabControl::TabControl(QWidget *parent)
    : QWidget(parent)
    , m_group(new QButtonGroup(this))
{
    m_group->setExclusive(true);
    setFocusPolicy(Qt::TabFocus);
    connect(m_group, &QButtonGroup::idClicked, this, &TabControl::setCurrentIndex);
}

int TabControl::addTab(QWidget *page, const QString &caption)
{
    const int index = count();
    auto *header = new TabHeader(caption, this);
    header->m_row = index / kTabsPerRow;
    header->m_column = index % kTabsPerRow;
    m_group->addButton(header, index);
    m_headers.append(header);

    page->setParent(this);
    page->setGeometry(pageArea());
    m_pages.append(page);
    layoutHeaders();
    header->show();

    if (m_current < 0) {
        setCurrentIndex(index);
    } else {
        page->hide();
    }
    return index;
}

QString TabControl::tabText(int index) const
{
    const TabHeader *h = header(index);
    return h ? h->text() : QString();
}

void TabControl::setRowHeight(int pixels)
{
    m_rowHeight = pixels;
    layoutHeaders();
    update();
}

QRect TabControl::pageArea() const
{
    const int top = rowCount() * m_rowHeight;
    return QRect(0, top, width(), height() - top).adjusted(2, 2, -2, -2);
}

QSize TabControl::sizeHint() const
{
    return {kTabsPerRow * 120, rowCount() * m_rowHeight + 300};
}

namespace {

/// The first control of a page that the Tab key would reach, in the window's focus order.
QWidget *firstFocusableOf(QWidget *page)
{
    for (QWidget *w = page->nextInFocusChain(); w != page; w = w->nextInFocusChain()) {
        if (!page->isAncestorOf(w))
            continue;
        if ((w->focusPolicy() & Qt::TabFocus) && w->isEnabled() && w->isVisibleTo(page))
            return w;
    }
    return nullptr;
}

} // namespace

void TabControl::setCurrentIndex(int index)
{
    if (index < 0 || index >= count() || index == m_current)
        return;
    QWidget *old = currentWidget();
    const QWidget *focus = QApplication::focusWidget();
    const bool focusOnOldPage = old && focus && old->isAncestorOf(focus);
    m_current = index;
    QWidget *page = m_pages.at(index);
    m_headers.at(index)->setChecked(true);
    page->show();
    page->raise();
    // The header rows keep their order; the selected header is drawn last so that its raised
    // edge is not covered by a neighbour.
    m_headers.at(index)->raise();
    // Hiding the old page with the focus on it would hand the focus to whatever comes next in
    // the window; it goes to the new page instead, or to the headers when the page takes none.
    if (focusOnOldPage) {
        if (QWidget *first = firstFocusableOf(page))
            first->setFocus(Qt::OtherFocusReason);
        else
            setFocus(Qt::OtherFocusReason);
    }
    if (old)
        old->hide();
    Q_EMIT currentChanged(index);
}

void TabControl::turnPage(int steps)
{
    if (count() == 0)
        return;
    const int from = qMax(m_current, 0);
    setCurrentIndex(((from + steps) % count() + count()) % count());
}

void TabControl::keyPressEvent(QKeyEvent *event)
{
    int target = -1;
    switch (event->key()) {
    case Qt::Key_Left:
        target = m_current - 1;
        break;
    case Qt::Key_Right:
        target = m_current + 1;
        break;
    case Qt::Key_Up:
        target = m_current - kTabsPerRow;
        break;
    case Qt::Key_Down:
        target = m_current + kTabsPerRow;
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    // Like a tab bar, the arrows stop at the ends; only the page keys wrap round.
    if (target >= 0 && target < count())
        setCurrentIndex(target);
    event->accept();
}

void TabControl::focusInEvent(QFocusEvent *event)
{
    QWidget::focusInEvent(event);
    updateCurrentHeader();
}

void TabControl::focusOutEvent(QFocusEvent *event)
{
    QWidget::focusOutEvent(event);
    updateCurrentHeader();
}

void TabControl::updateCurrentHeader()
{
    if (TabHeader *h = header(m_current))
        h->update();
}

void TabControl::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionTabWidgetFrame frame;
    frame.initFrom(this);
    frame.shape = QTabBar::RoundedNorth;
    const int top = rowCount() * m_rowHeight;
    frame.rect = QRect(0, top, width(), height() - top);
    frame.tabBarSize = QSize(width(), m_rowHeight);
    frame.tabBarRect = QRect(0, top - m_rowHeight, width(), m_rowHeight);
    frame.lineWidth = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this);
    painter.drawPrimitive(QStyle::PE_FrameTabWidget, frame);
}

void TabControl::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    layoutHeaders();
}

void TabControl::layoutHeaders()
{
    if (m_rowHeight <= 0 && !m_headers.isEmpty())
        m_rowHeight = m_headers.front()->sizeHint().height();
    for (TabHeader *h : std::as_const(m_headers)) {
        const int left = width() * h->m_column / kTabsPerRow;
        const int right = width() * (h->m_column + 1) / kTabsPerRow;
        h->setGeometry(left, h->m_row * m_rowHeight, right - left, m_rowHeight);
    }
}

} // namespace velmora::ui
