#pragma once

#include <QRect>
#include <QWidget>

namespace velmora::ui {

/// Window layouts are kept in twips (1/1440 inch): 15 twips are one pixel at 96 dpi. Converting
/// with the widget's logical dpi keeps the proportions on high-dpi screens.
inline int Twips(const QWidget *widget, int twips)
{
    return qRound(twips * widget->logicalDpiX() / 1440.0);
}

/// A rectangle given in twips (left, top, width, height), in pixels for this widget's screen.
inline QRect TwipRect(const QWidget *widget, int left, int top, int width, int height)
{
    return QRect(Twips(widget, left), Twips(widget, top), Twips(widget, width),
                 Twips(widget, height));
}

} // namespace velmora::ui
