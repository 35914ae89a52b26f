#pragma once

#include <QObject>
#include <QValidator>

class QLineEdit;

namespace velmora::ui {

/// Lets only digits and Backspace be typed into a numeric field. Every typed character goes
/// through velmora::FilterDigitKey(); a refused key is discarded and sounds the refusal tone.
/// Keys that type no character (Delete, arrows, Home, End, Tab) work as usual. The copy, paste
/// and cut shortcuts type the control characters 3, 22 and 24 and are refused like any other
/// character. Text that reaches the field without a key (the context menu's Paste, a middle
/// click, a drop, and text set from code) goes through a DigitValidator.
class DigitKeyFilter : public QObject
{
    Q_OBJECT

public:
    explicit DigitKeyFilter(QObject *parent = nullptr);

    /// Filters the field's typed keys from now on, and gives it a DigitValidator with the cap.
    /// Input methods are turned off for the field, so that composed text arrives as key presses
    /// and is filtered too.
    void attach(QLineEdit *field, qsizetype digitCap = 0);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};

/// Keeps a numeric field to digits whatever puts text there: every other character of what
/// arrives is left out, with one refusal tone for the whole change, so a paste of `1";quit;"`
/// leaves 1. Digits beyond the cap are cut from the end of what was just put in, silently, as a
/// length limit would. A cap of 0 leaves the length to the field.
/// A field whose line the game reads as a number (the volume, the NetGraph position) has one too:
/// a decimal one lets through one point or comma as well. The cap is the field's length limit:
/// what arrives loses its refused characters first and is cut to the cap after, so `12abc34`
/// pasted into a field of six characters leaves 1234.
class DigitValidator : public QValidator
{
    Q_OBJECT

public:
    explicit DigitValidator(qsizetype digitCap, QObject *parent = nullptr, bool decimal = false);

    State validate(QString &input, int &pos) const override;

    void setDigitCap(qsizetype digitCap) { m_digitCap = digitCap; }

private:
    qsizetype m_digitCap;
    bool m_decimal;
};

} // namespace velmora::ui
