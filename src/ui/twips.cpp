#include "ui/twips.h"

#include <QWidget>

namespace velmora::ui {

TwipScale::TwipScale(const QWidget *widget)
    : TwipScale(widget->logicalDpiY())
{
}

int twips(const QWidget *widget, int twips)
{
    return TwipScale(widget)(twips);
}

QRect twipRect(const QWidget *widget, int left, int top, int width, int height)
{
    return TwipScale(widget).rect(left, top, width, height);
}

void TwipRow::add(QWidget *widget, int width, int height, int topOffset)
{
    const int w = width > 0 ? m_scale(width) : widget->sizeHint().width();
    const QRect place = m_scale.rect(0, m_top + topOffset, 0, height);
    widget->setGeometry(m_x, place.y(), w, place.height());
    m_x += w + m_scale(m_gap);
}

} // namespace velmora::ui
