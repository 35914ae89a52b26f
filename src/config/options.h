#pragma once

#include <QString>
#include <QStringView>

#include <array>
#include <optional>
#include <span>

namespace velmora {

inline constexpr int kTextCount = 11;
inline constexpr int kSliderCount = 5;
inline constexpr int kCheckCount = 43;

/// Value of a check box: 0 unchecked, 1 checked, 2 grayed (never produced by a click).
enum class CheckValue : int { Unchecked = 0, Checked = 1, Grayed = 2 };

struct SliderRange
{
    int min;
    int max;
    bool contains(int value) const { return value >= min && value <= max; }
};

enum class OptionKind { Combo, Text, Slider, Check };

/// One control of the main window that the generator reads (plus `pod`), with its start-up value
/// and, for a text field, what the window lets the player put into it.
struct OptionInfo
{
    const char *name; ///< the control's name: "Combo1", "Text7", "Slider2", "Check12", "pod"
    OptionKind kind;
    int number;              ///< 1-based number within its kind; 0 for `pod`
    const char *defaultText; ///< Combo and Text options
    int defaultValue;        ///< Slider and Check options
    SliderRange range;       ///< Slider options
    int maxLength = 0;       ///< Text: the most characters the field takes; 0 for no limit
    bool digitsOnly = false; ///< Text: the digit filter guards the field
    /// Text written between double quotes: the most bytes the console reads of it. 0 for the two
    /// pings, which are written as a number and never refused.
    qsizetype byteCap = 0;
};

/// The 61 options in a fixed order: Combo1, Text1..Text11, Slider1..Slider5, Check1..Check43, pod.
std::span<const OptionInfo> optionInventory();
const OptionInfo *findOption(QStringView name);

SliderRange sliderRange(int number);
QString defaultText(int number);
int defaultSliderValue(int number);
/// The facts of the text field Text<number> (1..11).
const OptionInfo &textField(int number);

/// Every option the generator reads, as plain values. The window copies its controls into one of
/// these before a run; nothing else keeps option state. Numbers are 1-based, like the controls.
struct OptionSnapshot
{
    OptionSnapshot(); ///< the start-up state of every control

    QString combo1;
    CheckValue pod = CheckValue::Unchecked;

    QString &text(int n) { return m_texts.at(n - 1); }
    const QString &text(int n) const { return m_texts.at(n - 1); }
    int &slider(int n) { return m_sliders.at(n - 1); }
    int slider(int n) const { return m_sliders.at(n - 1); }
    CheckValue &check(int n) { return m_checks.at(n - 1); }
    CheckValue check(int n) const { return m_checks.at(n - 1); }

    bool operator==(const OptionSnapshot &) const = default;

private:
    std::array<QString, kTextCount> m_texts;
    std::array<int, kSliderCount> m_sliders{};
    std::array<CheckValue, kCheckCount> m_checks{};
};

} // namespace velmora
