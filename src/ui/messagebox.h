#pragma once

#include <QList>
#include <QString>

class QWidget;

namespace velmora::ui {

/// The message-box styles Velmora uses.
enum class MessageStyle {
    Error,       ///< critical icon, OK
    Question,    ///< warning icon, Yes (default) and No
    Information, ///< information icon, OK
};

/// What the user answered. Only Yes ever runs an action; closing a question in any other way is No.
enum class Answer { Ok, Yes, No };

/// Every message box of Velmora is shown through here. The title is always "Velmora" and the
/// buttons read "Да", "Нет" and "OK".
///
/// Test seam: every box asked for is recorded (text, title, style, details), whether it was really
/// shown or answered from the answers a test gave beforehand, so a test can assert which box
/// appeared. Answers given beforehand are the one way to answer a box without showing it; a test
/// that means the real QMessageBox gives none and presses its button.
class MessageBox
{
public:
    struct Record
    {
        QString text;
        QString title;
        MessageStyle style = MessageStyle::Information;
        QString details; ///< the box's details part, shown on request; empty: none
    };

    static constexpr const char *kTitle = "Velmora";

    /// Shows a modal box and returns the answer; `details`, when given, is the text its details
    /// part shows on request.
    static Answer show(QWidget *parent, const QString &text, MessageStyle style,
                       const QString &details = {});

    /// Answers the following boxes with these answers, in order, instead of showing them; once they
    /// are used up, the real box shows again. An empty list takes back the answers not yet used.
    static void setNextAnswers(QList<Answer> answers);

    static QList<Record> history();
    static void clearHistory();
};

} // namespace velmora::ui
