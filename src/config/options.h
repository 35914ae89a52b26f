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
/// `pod` is a check box like the others and takes the slot after Check43; it writes no line.
inline constexpr int kPodBox = kCheckCount + 1;
inline constexpr int kBoxCount = kPodBox; ///< Check1..Check43 and `pod`
/// The lines every run writes with the value of a field or a slider.
inline constexpr int kValueLineCount = 12;
/// The commands a connection preset writes: rate, cl_updaterate, cl_cmdrate.
inline constexpr int kPresetCommandCount = 3;

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

/// The lines of one state of a check box, held in the box's own row: none, one or two.
struct CheckLines
{
    std::array<CheckLine, 2> lines{};
    std::size_t count = 0;

    constexpr const CheckLine *begin() const { return lines.data(); }
    constexpr const CheckLine *end() const { return lines.data() + count; }
    constexpr bool empty() const { return count == 0; }
    constexpr std::size_t size() const { return count; }
    constexpr operator std::span<const CheckLine>() const { return {begin(), count}; }
};

/// How a line written on every run takes its value from its control.
enum class ValueSource {
    None,    ///< the control writes no line of its own
    Latency, ///< both pings: a minus sign, then three quarters of their mean
    Text,    ///< the field's text as typed
    Volume,  ///< the field's text, every comma written as a point
    Slider,  ///< the slider's position
};

/// One option control of the main window: every fact of it in one row. Its caption, its start-up
/// value, what the window lets the player put into it, the lines it writes and where they stand
/// in a run, which the generator, the tool tips and the config reader all take from here. What
/// the game makes of those lines is the command table's (console/gamecommands).
struct OptionInfo
{
    const char *name; ///< the control's name: "Combo1", "Text7", "Slider2", "Check12", "pod"
    OptionKind kind;
    int number; ///< 1-based number within its kind; `pod` is the box kPodBox
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
    /// The place of that line among the kValueLineCount lines every run writes, 1 first; 0 for
    /// none.
    int linePlace = 0;
    CheckLines checked{};   ///< Check: the lines it appends when checked
    CheckLines unchecked{}; ///< Check: the lines it appends when unchecked
    /// Combo1: the commands of the lines a connection preset writes, each ending in one blank,
    /// in the order they are written; a preset holds their values.
    std::array<const char *, kPresetCommandCount> presetCommands{};
};

/// The context of the captions in the translations (they are marked with QT_TRANSLATE_NOOP in the
/// option table and the pages' table).
inline constexpr char kOptionTextContext[] = "Options";

/// A caption of the option tables in the language installed now; null or empty gives an empty
/// text.
[[nodiscard]] QString optionText(const char *text);

/// The 61 options in a fixed order: Combo1, Text1..Text11, Slider1..Slider5, Check1..Check43, pod.
std::span<const OptionInfo> optionInventory();
const OptionInfo *findOption(QStringView name);

SliderRange sliderRange(int number);
QString defaultText(int number);
int defaultSliderValue(int number);
/// The row of Combo1, the text field Text<number> (1..11), the slider Slider<number> (1..5) or
/// the check box Check<number> (1..43; kPodBox for `pod`).
const OptionInfo &connectionOption();
const OptionInfo &textField(int number);
const OptionInfo &sliderOption(int number);
const OptionInfo &checkOption(int number);

/// Every option the generator reads, as plain values. The window copies its controls into one of
/// these before a run; nothing else keeps option state. Numbers are 1-based, like the controls.
struct OptionSnapshot
{
    OptionSnapshot(); ///< the start-up state of every control

    QString combo1;

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
    std::array<CheckValue, kBoxCount> m_checks{}; ///< the last one is `pod`
};

} // namespace velmora
