#pragma once

#include <QRect>

class QWidget;

namespace velmora::ui {

/// Window layouts are kept in twips (1/1440 inch): 15 twips are one pixel at 96 dpi, and a window
/// grows with its screen's logical dpi. Every window converts through here.
///
/// Rectangles are converted edge by edge, not by their width: a control that ends where its
/// neighbour begins in twips ends where it begins in pixels too, so neighbours never overlap and
/// never leave a gap, whatever the dpi.
class TwipScale
{
public:
    /// The scale of the widget's screen.
    explicit TwipScale(const QWidget *widget);
    explicit TwipScale(double logicalDpi)
        : m_pixelsPerTwip(logicalDpi / 1440.0)
    {
    }

    /// A position or an edge in pixels.
    int operator()(int twips) const { return qRound(twips * m_pixelsPerTwip); }
    /// A rectangle given in twips (left, top, width, height), its edges rounded.
    QRect rect(int left, int top, int width, int height) const
    {
        const int x = (*this)(left);
        const int y = (*this)(top);
        return {x, y, (*this)(left + width) - x, (*this)(top + height) - y};
    }
    QRect rect(const QRect &twips) const
    {
        return rect(twips.x(), twips.y(), twips.width(), twips.height());
    }

private:
    double m_pixelsPerTwip;
};

/// A length in twips, in pixels for this widget's screen.
int twips(const QWidget *widget, int twips);
/// A rectangle given in twips (left, top, width, height), in pixels for this widget's screen.
QRect twipRect(const QWidget *widget, int left, int top, int width, int height);

/// Places the controls of one row left to right, each a fixed gap after the one before.
class TwipRow
{
public:
    TwipRow(const TwipScale &scale, int top, int left, int gap)
        : m_scale(scale)
        , m_top(top)
        , m_x(scale(left))
        , m_gap(gap)
    {
    }

    /// Places the widget at the row's current x, `topOffset` twips off the row's top. A width of
    /// 0 takes the widget's preferred width.
    void add(QWidget *widget, int width, int height, int topOffset = 0);
    /// Carries on from this left edge instead of after the last control.
    void moveTo(int left) { m_x = m_scale(left); }
    int x() const { return m_x; }

private:
    const TwipScale &m_scale;
    int m_top;
    int m_x;
    int m_gap;
};

} // namespace velmora::ui
