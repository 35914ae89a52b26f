#pragma once

#include <QObject>
#include <QString>
#include <QStringView>

class QTextDocument;

namespace velmora::ui {

/// A copy of a document's raw text that follows it edit by edit, so Save reads a large box
/// without copying the whole document out of it each time.
///
/// The copy is made on the first call of text() and patched on every change after it; any change
/// whose figures do not add up to the document's new length drops the copy, and the next call
/// makes it again from the document.
class TextMirror : public QObject
{
public:
    explicit TextMirror(QTextDocument *document);

    /// The document's text as QTextDocument::toRawText() gives it: paragraph separators as
    /// U+2029. Valid until the document next changes.
    QStringView text();

    /// Whether the copy is being kept, edit by edit (false before the first text() and after a
    /// change it could not follow).
    bool following() const { return m_current; }

private:
    void follow(int position, int charsRemoved, int charsAdded);

    QTextDocument *m_document;
    QString m_text;
    bool m_current = false;
};

} // namespace velmora::ui
