// The box's text that Save encodes is a copy kept up to date edit by edit: after any edit it must
// equal what the document itself holds, or Save would write something other than the box.

#include "ui/textmirror.h"

#include <QPlainTextEdit>
#include <QRandomGenerator>
#include <QTest>
#include <QTextCursor>
#include <QTextDocument>

#include <functional>

using velmora::ui::TextMirror;

using Edit = std::function<void(QPlainTextEdit &)>;
Q_DECLARE_METATYPE(Edit)

namespace {

QTextCursor at(QPlainTextEdit &box, int from, int to)
{
    QTextCursor cursor(box.document());
    cursor.setPosition(from);
    cursor.setPosition(to, QTextCursor::KeepAnchor);
    return cursor;
}

} // namespace

class TestTextMirror : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void followsEveryEdit_data();
    void followsEveryEdit();
    void followsRandomEdits();
    void catchesUpAfterMissedChanges();
};

void TestTextMirror::followsEveryEdit_data()
{
    QTest::addColumn<Edit>("edit");
    // Typing, pasting, deleting, undo and redo come in the random edits below; these are the
    // changes whose figures the document reports in its own way.
    QTest::newRow("the whole text set anew") << Edit(
        [](QPlainTextEdit &box) { box.setPlainText(QStringLiteral("one\ntwo\nthree four\n")); });
    QTest::newRow("cleared") << Edit([](QPlainTextEdit &box) { box.clear(); });
    QTest::newRow("the whole text selected and removed") << Edit([](QPlainTextEdit &box) {
        QTextCursor cursor(box.document());
        cursor.select(QTextCursor::Document);
        cursor.removeSelectedText();
    });
    QTest::newRow("no-break space, line separator, a lone surrogate")
        << Edit([](QPlainTextEdit &box) {
               at(box, 2, 2).insertText(QStringView(u"a\u00A0b\u2028c").toString() + QChar(0xDC81));
           });
    QTest::newRow("two edits apart in one block") << Edit([](QPlainTextEdit &box) {
        QTextCursor cursor(box.document());
        cursor.beginEditBlock();
        at(box, 1, 1).insertText(QStringLiteral("first\n"));
        at(box, box.document()->characterCount() - 3, box.document()->characterCount() - 1)
            .insertText(QStringLiteral("last"));
        cursor.endEditBlock();
    });
    QTest::newRow("a format changed, the text kept") << Edit([](QPlainTextEdit &box) {
        QTextCharFormat bold;
        bold.setFontWeight(QFont::Bold);
        at(box, 2, 12).mergeCharFormat(bold);
    });
}

void TestTextMirror::followsEveryEdit()
{
    QFETCH(Edit, edit);
    QPlainTextEdit box;
    box.setPlainText(QStringLiteral("bind a +moveleft\nalias x \"y\"\n\nfps_max 100"));
    TextMirror mirror(box.document());
    QCOMPARE(mirror.text(), box.document()->toRawText());
    edit(box);
    // Followed, not copied again from the document: that is what spares Save the copy.
    QVERIFY(mirror.following());
    QCOMPARE(mirror.text(), box.document()->toRawText());
    // Still right for the edit after that one.
    box.moveCursor(QTextCursor::Start);
    box.insertPlainText(QStringLiteral("echo\n"));
    QCOMPARE(mirror.text(), box.document()->toRawText());
}

void TestTextMirror::followsRandomEdits()
{
    QRandomGenerator random(2026);
    QPlainTextEdit box;
    box.setPlainText(QStringLiteral("one\ntwo\nthree"));
    TextMirror mirror(box.document());
    mirror.text();
    const QString pieces[] = {QStringLiteral("a"),     QStringLiteral("\n"),
                              QStringLiteral("bc\nd"), QString(),
                              QStringLiteral("\n\n"),  QStringLiteral("\u00A0")};
    for (int step = 0; step < 400; ++step) {
        const int length = box.document()->characterCount() - 1;
        const int from = int(random.bounded(length + 1));
        const int to = from + int(random.bounded(std::min(length - from, 6) + 1));
        switch (random.bounded(4)) {
        case 0:
            box.undo();
            break;
        case 1:
            box.redo();
            break;
        default:
            at(box, from, to).insertText(pieces[random.bounded(int(std::size(pieces)))]);
        }
        // Looked at after every third step, so the copy also follows edits it is not asked for.
        if (step % 3 == 0) {
            QVERIFY(mirror.following());
            QCOMPARE(mirror.text(), box.document()->toRawText());
        }
    }
}

void TestTextMirror::catchesUpAfterMissedChanges()
{
    // Edits made while the document's signals are blocked reach the copy as no change at all; the
    // next edit's figures then do not add up, or the lengths differ when the text is asked for.
    QPlainTextEdit box;
    box.setPlainText(QStringLiteral("alias a b\nbind c d"));
    TextMirror mirror(box.document());
    mirror.text();
    box.document()->blockSignals(true);
    at(box, 0, 0).insertText(QStringLiteral("missed\n"));
    box.document()->blockSignals(false);
    QCOMPARE(mirror.text(), box.document()->toRawText());

    box.document()->blockSignals(true);
    at(box, 0, 0).insertText(QStringLiteral("missed again\n"));
    box.document()->blockSignals(false);
    box.moveCursor(QTextCursor::End);
    box.insertPlainText(QStringLiteral("!"));
    QCOMPARE(mirror.text(), box.document()->toRawText());
}

QTEST_MAIN(TestTextMirror)
#include "tst_textmirror.moc"
