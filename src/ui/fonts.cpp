#include "ui/fonts.h"

namespace velmora::ui {

QFont arialFont(qreal points, const QString &family)
{
    QFont font(family);
    font.setPointSizeF(points);
    font.setWeight(QFont::Normal);
    return font;
}

} // namespace velmora::ui
