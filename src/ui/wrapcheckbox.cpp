#include "ui/wrapcheckbox.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace velmora::ui {

WrapCheckBox::WrapCheckBox(const QString &caption, QWidget *parent)
    : QCheckBox(caption, parent)
{
}

QRect WrapCheckBox::indicatorRect() const
{
    const int w = style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, this);
    const int h = style()->pixelMetric(QStyle::PM_IndicatorHeight, nullptr, this);
    const int lineHeight = fontMetrics().height();
    return QRect(0, qMax(0, (lineHeight - h) / 2) + 1, w, h);
}

QRect WrapCheckBox::captionRect(int width, int height) const
{
    const int spacing = style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, this);
    const int left = indicatorRect().right() + 1 + spacing;
    return QRect(left, 0, qMax(1, width - left), height);
}

int WrapCheckBox::heightForWidth(int width) const
{
    const QRect caption = captionRect(width, 10000);
    const QRect used = fontMetrics().boundingRect(caption, Qt::TextWordWrap, text());
    return qMax(used.height(), indicatorRect().bottom() + 1);
}

QSize WrapCheckBox::sizeHint() const
{
    const int w = qMax(width(), 100);
    return {w, heightForWidth(w)};
}

void WrapCheckBox::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.rect = indicatorRect();
    option.text.clear();
    painter.drawPrimitive(QStyle::PE_IndicatorCheckBox, option);

    const QRect caption = captionRect(width(), height());
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    painter.drawText(caption, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, text());
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect =
            fontMetrics().boundingRect(caption, Qt::TextWordWrap, text()).adjusted(-1, 0, 1, 0);
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}

} // namespace velmora::ui
