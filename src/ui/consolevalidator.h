#pragma once

#include <QValidator>

class QLineEdit;

namespace velmora::ui {

/// Keeps a free-text field to what the game's console can carry inside double quotes. A double
/// quote, a backslash or a line break is left out of whatever reaches the field, typed or pasted,
/// with one refusal tone per change (the tone of the digit fields). Text beyond the field's cap
/// in bytes of its encoded form is cut from the end of what was just put in, silently, as the
/// field's length limit would: a paste fills the field up to the cap. A paste by its shortcut
/// has the characters left out before the field's own length limit cuts it, so "\"0,5\"" pasted
/// into a field of three characters gives 0,5.
class ConsoleValidator : public QValidator
{
    Q_OBJECT

public:
    /// A byteCap of 0 leaves the length to the field.
    explicit ConsoleValidator(qsizetype byteCap, QObject *parent = nullptr);

    /// Validates the field's input from now on.
    static void attach(QLineEdit *field, qsizetype byteCap);

    State validate(QString &input, int &pos) const override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    qsizetype m_byteCap;
};

} // namespace velmora::ui
