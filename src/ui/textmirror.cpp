#include "ui/textmirror.h"

#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>

namespace velmora::ui {

TextMirror::TextMirror(QTextDocument *document)
    : QObject(document)
    , m_document(document)
{
    connect(document, &QTextDocument::contentsChange, this, &TextMirror::follow);
}

QStringView TextMirror::text()
{
    // A length that differs tells of changes made while the document's signals were blocked.
    if (!m_current || m_text.size() != m_document->characterCount() - 1) {
        m_text = m_document->toRawText();
        m_current = true;
    }
    return m_text;
}

void TextMirror::follow(int position, int /*charsRemoved*/, int charsAdded)
{
    if (!m_current)
        return;
    // The removed count is not taken as told: when the whole document goes (setPlainText(),
    // clear()) it counts the separator after the last paragraph, or nothing at all. What was
    // removed follows from the position, the added range and the document's new length (which
    // leaves that separator out, as the raw text does); an added range past the end is cut.
    const qsizetype length = m_document->characterCount() - 1;
    const qsizetype added = std::min<qsizetype>(charsAdded, length - position);
    const qsizetype removed = m_text.size() - (length - added);
    if (position < 0 || added < 0 || removed < 0 || position + removed > m_text.size()) {
        m_current = false;
        m_text = QString();
        return;
    }
    QTextCursor cursor(m_document);
    cursor.setPosition(position);
    cursor.setPosition(int(position + added), QTextCursor::KeepAnchor);
    m_text.replace(position, removed, cursor.selectedText());
}

} // namespace velmora::ui
