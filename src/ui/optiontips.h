#pragma once

#include "config/options.h"

#include <QObject>

#include <functional>

class QWidget;

namespace velmora::ui {

/// Gives the option controls of a window tool tips that name the console lines each produces.
/// A tip is worked out from the options as they stand at the moment it is about to show, so it
/// always carries the current values and costs nothing until the pointer rests on a control.
class OptionTips : public QObject
{
    Q_OBJECT

public:
    using SnapshotSource = std::function<OptionSnapshot()>;

    OptionTips(SnapshotSource source, QObject *parent);

    /// Attaches a tip to every control under `root` that is named after an option (one that
    /// writes nothing, `pod`, gets an empty tip, which shows none).
    void attachAll(const QWidget *root);
    /// The tip of one control, as the tool tip shows it (rich text); empty for other widgets.
    QString tipFor(const QWidget *control) const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    SnapshotSource m_source;
};

} // namespace velmora::ui
