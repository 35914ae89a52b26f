#include "ui/consolevalidator.h"

#include "config/consolevalue.h"
#include "ui/tone.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>

namespace velmora::ui {

ConsoleValidator::ConsoleValidator(qsizetype byteCap, QObject *parent)
    : QValidator(parent)
    , m_byteCap(byteCap)
{
}

namespace {

/// The text without the characters a quoted value cannot carry; true when any was left out.
bool leaveOutRefused(QString &text)
{
    const qsizetype before = text.size();
    text.removeIf(isRefusedInValue);
    return text.size() != before;
}

} // namespace

void ConsoleValidator::attach(QLineEdit *field, qsizetype byteCap)
{
    auto *validator = new ConsoleValidator(byteCap, field);
    field->setValidator(validator);
    field->installEventFilter(validator);
}

bool ConsoleValidator::eventFilter(QObject *watched, QEvent *event)
{
    auto *field = qobject_cast<QLineEdit *>(watched);
    if (!field || field->isReadOnly() || event->type() != QEvent::KeyPress ||
        !static_cast<QKeyEvent *>(event)->matches(QKeySequence::Paste)) {
        return QValidator::eventFilter(watched, event);
    }
    QString text = QGuiApplication::clipboard()->text();
    if (leaveOutRefused(text))
        Tone::refuse();
    if (!text.isEmpty())
        field->insert(text);
    return true;
}

QValidator::State ConsoleValidator::validate(QString &input, int &pos) const
{
    QString beforeCursor = input.first(qBound(0, pos, int(input.size())));
    if (leaveOutRefused(input)) {
        leaveOutRefused(beforeCursor);
        pos = int(beforeCursor.size());
        Tone::refuse();
    }

    if (m_byteCap <= 0)
        return Acceptable;
    // What was just put in ends at the cursor: it loses its end first, a whole character at a
    // time, so no surrogate pair is split.
    qsizetype excess = encodedSize(input) - m_byteCap;
    int cut = pos;
    while (excess > 0 && cut > 0) {
        const int width =
            cut >= 2 && input.at(cut - 1).isLowSurrogate() && input.at(cut - 2).isHighSurrogate()
                ? 2
                : 1;
        excess -= encodedSize(QStringView(input).sliced(cut - width, width));
        cut -= width;
    }
    if (excess > 0)
        return Invalid;
    input.remove(cut, pos - cut);
    pos = cut;
    return Acceptable;
}

} // namespace velmora::ui
