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

/// The numbers of the text fields, by what they hold.
namespace field {
inline constexpr int kLowestPing = 1;
inline constexpr int kHighestPing = 2;
inline constexpr int kConsoleSpeed = 3;
inline constexpr int kContact = 4;
inline constexpr int kNick = 5;
inline constexpr int kStartMoney = 6;
inline constexpr int kRoundTime = 7;
inline constexpr int kBuyTime = 8;
inline constexpr int kCorpseTime = 9;
inline constexpr int kNetGraphPosition = 10;
inline constexpr int kVolume = 11;
} // namespace field

enum class LineForm {
    Valued,   ///< command, then the value in double quotes: `rate "20000"`
    Bare,     ///< the command alone: `gunsmoke`
    KeyValue, ///< `setinfo "<command>""<value>"`, no blank between the quoted parts
};

/// One line a check box appends. The value is either fixed or the text of a field (Text3, Text4
/// or Text6), read when the line is written.
struct CheckLine
{
    LineForm form;
    const char *command; ///< valued commands end with exactly one blank
    const char *value = nullptr;
    int textField = 0; ///< when non-zero, the value is the text of Text<textField>
};

/// How a line written on every run takes its value from its control.
enum class ValueSource {
    None,    ///< the control writes no line of its own
    Latency, ///< both pings: a minus sign, then three quarters of their mean
    Text,    ///< the field's text as typed
    Volume,  ///< the field's text, every comma written as a point
    Slider,  ///< the slider's position
};

/// One control of the main window that the generator reads (plus `pod`): every fact of it in one
/// row. Its caption, its start-up value, what the window lets the player put into it, and the
/// lines it writes, which the generator, the tool tips and the config reader all take from here.
struct OptionInfo
{
    const char *name; ///< the control's name: "Combo1", "Text7", "Slider2", "Check12", "pod"
    OptionKind kind;
    int number; ///< 1-based number within its kind; 0 for `pod`
    /// UTF-8. A check box's own caption; for a field, a slider or Combo1 the label before it.
    /// Empty for the three fields that stand beside the check box that names them.
    const char *caption;
    const char *defaultText = nullptr; ///< Combo and Text options
    int defaultValue = 0;              ///< Slider and Check options
    SliderRange range{0, 0};           ///< Slider options
    int maxLength = 0;                 ///< Text: the most characters the field takes; 0 for none
    bool digitsOnly = false;           ///< Text: the digit filter guards the field
    /// Text written between double quotes: the most bytes the console reads of it. 0 for the two
    /// pings, which are written as a number and never refused.
    qsizetype byteCap = 0;
    /// A field, a slider: the command of the line every run writes with its value (ending in
    /// one blank), and how the value is made. Text2 shares Text1's line.
    const char *command = nullptr;
    ValueSource source = ValueSource::None;
    std::span<const CheckLine> checked{};   ///< Check: the lines it appends when checked
    std::span<const CheckLine> unchecked{}; ///< Check: the lines it appends when unchecked
    /// UTF-8: what the game makes of this control's lines (where it bounds a value, which way
    /// round a switch works), one sentence for its tool tip.
    const char *tipNote = nullptr;
};

/// The context of the captions and tool-tip notes in the translations (they are marked with
/// QT_TRANSLATE_NOOP in the option table and the pages' table).
inline constexpr char kOptionTextContext[] = "Options";

/// A caption or a tool-tip note of the option tables in the language installed now; null or
/// empty gives an empty text.
[[nodiscard]] QString optionText(const char *text);

/// The 61 options in a fixed order: Combo1, Text1..Text11, Slider1..Slider5, Check1..Check43, pod.
std::span<const OptionInfo> optionInventory();
const OptionInfo *findOption(QStringView name);

SliderRange sliderRange(int number);
QString defaultText(int number);
int defaultSliderValue(int number);
/// The row of the text field Text<number> (1..11), the slider Slider<number> (1..5) or the check
/// box Check<number> (1..43).
const OptionInfo &textField(int number);
const OptionInfo &sliderOption(int number);
const OptionInfo &checkOption(int number);

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
