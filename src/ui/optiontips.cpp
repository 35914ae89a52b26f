#include "ui/optiontips.h"

#include "config/optiontip.h"

#include <QEvent>
#include <QWidget>

namespace velmora::ui {

OptionTips::OptionTips(SnapshotSource source, QObject *parent)
    : QObject(parent)
    , m_source(std::move(source))
{
}

void OptionTips::attachAll(const QWidget *root)
{
    for (const OptionInfo &option : optionInventory()) {
        if (QWidget *control = root->findChild<QWidget *>(QLatin1StringView(option.name)))
            control->installEventFilter(this);
    }
}

QString OptionTips::tipFor(const QWidget *control) const
{
    const OptionInfo *option = findOption(control->objectName());
    if (!option)
        return {};
    const QString text = optionTip(*option, m_source());
    if (text.isEmpty())
        return {};
    // Rich text with every character escaped: a nick such as "<b>" is shown as typed, and the
    // lines keep their blanks.
    QString html = text.toHtmlEscaped();
    html.replace(u'\n', QStringLiteral("<br>"));
    return QStringLiteral("<p style='white-space:pre'>") + html + QStringLiteral("</p>");
}

bool OptionTips::eventFilter(QObject *watched, QEvent *event)
{
    // Set just before the control shows it; the control's own handling then shows it.
    if (event->type() == QEvent::ToolTip && watched->isWidgetType()) {
        auto *control = static_cast<QWidget *>(watched);
        control->setToolTip(tipFor(control));
    }
    return false;
}

} // namespace velmora::ui
