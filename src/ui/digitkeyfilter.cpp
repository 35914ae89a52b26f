#include "ui/digitkeyfilter.h"

#include "config/digitfilter.h"
#include "ui/tone.h"

#include <QKeyEvent>
#include <QLineEdit>

#include <algorithm>

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

void DigitKeyFilter::attach(QLineEdit *field, qsizetype digitCap)
{
    field->setAttribute(Qt::WA_InputMethodEnabled, false);
    field->installEventFilter(this);
    field->setValidator(new DigitValidator(digitCap, field));
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

DigitValidator::DigitValidator(qsizetype digitCap, QObject *parent, bool decimal)
    : QValidator(parent)
    , m_digitCap(digitCap)
    , m_decimal(decimal)
{
}

QValidator::State DigitValidator::validate(QString &input, int &pos) const
{
    // The digits 0 to 9 by character code, as the key filter lets through: no other script's.
    // A decimal keeps its first separator.
    bool separator = false;
    auto refused = [&](QChar c) {
        if (m_decimal && (c == u'.' || c == u',') && !separator)
            return !(separator = true);
        return c < u'0' || c > u'9';
    };
    int cursor = qBound(0, pos, int(input.size()));
    const qsizetype before = input.size();
    QString kept;
    kept.reserve(input.size());
    int keptBeforeCursor = 0;
    for (qsizetype i = 0; i < input.size(); ++i) {
        if (refused(input[i]))
            continue;
        kept += input[i];
        if (i < cursor)
            ++keptBeforeCursor;
    }
    input = kept;
    cursor = keptBeforeCursor;
    if (input.size() != before)
        Tone::refuse();
    // What was just put in ends at the cursor: its last digits go first.
    if (m_digitCap > 0 && input.size() > m_digitCap) {
        const int cut = int(std::min<qsizetype>(input.size() - m_digitCap, cursor));
        input.remove(cursor - cut, cut);
        cursor -= cut;
    }
    pos = cursor;
    return m_digitCap > 0 && input.size() > m_digitCap ? Invalid : Acceptable;
}

} // namespace velmora::ui
