#pragma once

#include <QFont>
#include <QString>

namespace velmora::ui {

/// The windows' typeface at a point size ("Arial 9.75"), regular weight. Another family of the
/// Arial line ("Arial Black") may be named.
QFont arialFont(qreal points, const QString &family = QStringLiteral("Arial"));

} // namespace velmora::ui
