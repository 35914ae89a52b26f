#include "ui/digitkeyfilter.h"

#include "config/digitfilter.h"
#include "ui/tone.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace velmora::ui {

namespace {

/// The character code a key press types, or -1 when it types none. Ctrl with a letter types the
/// letter's control character (Ctrl+C is 3, Ctrl+V 22, Ctrl+X 24) whatever text the platform
/// attaches to the event.
int typedCode(const QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Delete:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return -1;
    default:
        break;
    }
    const Qt::KeyboardModifiers mods = event->modifiers();
    if ((mods & Qt::ControlModifier) && !(mods & Qt::AltModifier) && event->key() >= Qt::Key_A &&
        event->key() <= Qt::Key_Z) {
        return event->key() - Qt::Key_A + 1;
    }
    if (event->matches(QKeySequence::Copy))
        return 3;
    if (event->matches(QKeySequence::Paste))
        return 22;
    if (event->matches(QKeySequence::Cut))
        return 24;
    const QString text = event->text();
    if (text.isEmpty())
        return -1;
    if (text.size() > 1 || text.front().unicode() > 127)
        return 0; // beyond the single-byte range the filter knows: never a digit
    return text.front().unicode();
}

} // namespace

DigitKeyFilter::DigitKeyFilter(QObject *parent)
    : QObject(parent)
{
}

void DigitKeyFilter::attach(QLineEdit *field)
{
    field->setAttribute(Qt::WA_InputMethodEnabled, false);
    field->installEventFilter(this);
}

bool DigitKeyFilter::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    const int code = typedCode(static_cast<QKeyEvent *>(event));
    if (code < 0)
        return false;
    if (code > 0 && FilterDigitKey(qint16(code)) != 0)
        return false;
    Tone::refuse();
    return true;
}

} // namespace velmora::ui
