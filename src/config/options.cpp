#include "config/options.h"

#include "config/consolevalue.h"

#include <algorithm>

namespace velmora {

namespace {

constexpr OptionInfo combo(const char *name)
{
    return {name, OptionKind::Combo, 1, "", 0, {0, 0}};
}
enum class Entry { Free, Digits };
constexpr OptionInfo text(const char *name, int n, const char *value, Entry entry, int maxLength,
                          qsizetype byteCap = kValueByteCap)
{
    return {name,      OptionKind::Text,       n,      value, 0, {0, 0},
            maxLength, entry == Entry::Digits, byteCap};
}
constexpr OptionInfo slider(const char *name, int n, int value, int min, int max)
{
    return {name, OptionKind::Slider, n, nullptr, value, {min, max}};
}
constexpr OptionInfo check(const char *name, int n)
{
    return {name, OptionKind::Check, n, nullptr, int(CheckValue::Unchecked), {0, 2}};
}

// Every start shows these values: nothing of the option state is stored between runs.
constexpr OptionInfo kInventory[] = {
    combo("Combo1"),
    // name, number, start-up text, what the field lets through, its length limit, its byte cap
    text("Text1", 1, "", Entry::Digits, 0, 0),                               // lowest ping
    text("Text2", 2, "", Entry::Digits, 0, 0),                               // highest ping
    text("Text3", 3, "999999999", Entry::Digits, 0),                         // console speed
    text("Text4", 4, "player@example.org", Entry::Free, 0, kContactByteCap), // contact
    text("Text5", 5, "Player", Entry::Free, 0, kNickByteCap),                // nick
    text("Text6", 6, "800", Entry::Digits, 6),                               // start money
    text("Text7", 7, "5", Entry::Digits, 1),                                 // round time
    text("Text8", 8, "5", Entry::Digits, 1),                                 // buying time
    text("Text9", 9, "600", Entry::Digits, 3),                               // corpse time
    text("Text10", 10, "1", Entry::Free, 1),                                 // net graph position
    text("Text11", 11, "0.8", Entry::Free, 3),                               // volume
    slider("Slider1", 1, 1, 1, 10),                                          // voice scale
    slider("Slider2", 2, 72, 1, 200),                                        // frame-rate limit
    slider("Slider3", 3, 400, 1, 500),                                       // forward speed
    slider("Slider4", 4, 400, 1, 500),                                       // back speed
    slider("Slider5", 5, 15, 1, 20),                                         // mouse sensitivity
    check("Check1", 1),
    check("Check2", 2),
    check("Check3", 3),
    check("Check4", 4),
    check("Check5", 5),
    check("Check6", 6),
    check("Check7", 7),
    check("Check8", 8),
    check("Check9", 9),
    check("Check10", 10),
    check("Check11", 11),
    check("Check12", 12),
    check("Check13", 13),
    check("Check14", 14),
    check("Check15", 15),
    check("Check16", 16),
    check("Check17", 17),
    check("Check18", 18),
    check("Check19", 19),
    check("Check20", 20),
    check("Check21", 21),
    check("Check22", 22),
    check("Check23", 23),
    check("Check24", 24),
    check("Check25", 25),
    check("Check26", 26),
    check("Check27", 27),
    check("Check28", 28),
    check("Check29", 29),
    check("Check30", 30),
    check("Check31", 31),
    check("Check32", 32),
    check("Check33", 33),
    check("Check34", 34),
    check("Check35", 35),
    check("Check36", 36),
    check("Check37", 37),
    check("Check38", 38),
    check("Check39", 39),
    check("Check40", 40),
    check("Check41", 41),
    check("Check42", 42),
    check("Check43", 43),
    {"pod", OptionKind::Check, 0, nullptr, int(CheckValue::Unchecked), {0, 2}},
};

const OptionInfo &find(OptionKind kind, int number)
{
    const auto it =
        std::find_if(std::begin(kInventory), std::end(kInventory),
                     [&](const OptionInfo &o) { return o.kind == kind && o.number == number; });
    Q_ASSERT(it != std::end(kInventory));
    return *it;
}

} // namespace

std::span<const OptionInfo> optionInventory()
{
    return kInventory;
}

const OptionInfo *findOption(QStringView name)
{
    for (const OptionInfo &option : kInventory) {
        if (name == QLatin1StringView(option.name))
            return &option;
    }
    return nullptr;
}

SliderRange sliderRange(int number)
{
    return find(OptionKind::Slider, number).range;
}

QString defaultText(int number)
{
    return QString::fromUtf8(find(OptionKind::Text, number).defaultText);
}

const OptionInfo &textField(int number)
{
    return find(OptionKind::Text, number);
}

int defaultSliderValue(int number)
{
    return find(OptionKind::Slider, number).defaultValue;
}

OptionSnapshot::OptionSnapshot()
{
    for (int n = 1; n <= kTextCount; ++n)
        text(n) = defaultText(n);
    for (int n = 1; n <= kSliderCount; ++n)
        slider(n) = defaultSliderValue(n);
}

} // namespace velmora
