#pragma once

#include <QObject>

class QLineEdit;

namespace velmora::ui {

/// Lets only digits and Backspace be typed into a numeric field. Every typed character goes
/// through velmora::FilterDigitKey(); a refused key is discarded and sounds the refusal tone.
/// Keys that type no character (Delete, arrows, Home, End, Tab) work as usual. The copy, paste
/// and cut shortcuts type the control characters 3, 22 and 24 and are refused like any other
/// character; text pasted through the context menu or set from code is not filtered.
class DigitKeyFilter : public QObject
{
    Q_OBJECT

public:
    explicit DigitKeyFilter(QObject *parent = nullptr);

    /// Filters the field's typed keys from now on. Input methods are turned off for the field, so
    /// that composed text arrives as key presses and is filtered too.
    void attach(QLineEdit *field);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};

} // namespace velmora::ui
