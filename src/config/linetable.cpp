#include "config/linetable.h"

#include <QString>

#include <array>
#include <utility>

namespace velmora {

namespace {

constexpr ConnectionPreset kPresets[] = {
    {"Модем 14400 бот", "1000", "10", "15"},    {"Модем 28800 бот", "2500", "15", "20"},
    {"Модем 33600 бот", "3000", "17", "25"},    {"Модем 56000 бот", "4100", "20", "30"},
    {"Двухканальный ISDN", "6000", "30", "40"}, {"Кабельное соединение", "8500", "30", "40"},
    {"xDSL/T1 и выше", "10000", "30", "40"},    {"LAN (10Mbps или 100 Mbps)", "20000", "30", "40"},
};

constexpr const char *kConnectionTypeItems[] = {
    "LAN (10Mbps или 100 Mbps)", "xDSL/T1 и выше",  "Двухканальный ISDN", "Кабельное соединение",
    "Модем 14400 бот",           "Модем 28800 бот", "Модем 33600 бот",    "Модем 56000 бот",
};

/// The order of the twelve lines every run writes; each control's row holds its command.
constexpr const char *kValueLineOrder[] = {
    "Text1",   "Text5",  "Text7",  "Text8",   "Text9",   "Slider1",
    "Slider2", "Text10", "Text11", "Slider3", "Slider4", "Slider5",
};

template<std::size_t... I>
std::array<ValueLine, sizeof...(I)> valueLinesOf(std::index_sequence<I...>)
{
    auto lineOf = [](const char *name) {
        const OptionInfo *option = findOption(QString::fromLatin1(name));
        return ValueLine{option->command, option->source, option->number};
    };
    return {lineOf(kValueLineOrder[I])...};
}

template<std::size_t... I>
std::array<CheckRow, sizeof...(I)> checkRowsOf(std::index_sequence<I...>)
{
    auto rowOf = [](int box) {
        const OptionInfo &option = checkOption(box);
        return CheckRow{box, option.checked, option.unchecked};
    };
    return {rowOf(int(I) + 1)...};
}

} // namespace

std::span<const ConnectionPreset> connectionPresets()
{
    return kPresets;
}

std::span<const char *const> connectionTypeItems()
{
    return kConnectionTypeItems;
}

std::span<const CheckRow> checkRows()
{
    static const auto rows = checkRowsOf(std::make_index_sequence<kCheckCount>());
    return rows;
}

const CheckRow &checkRow(int box)
{
    return checkRows()[box - 1];
}

std::span<const ValueLine> valueLines()
{
    static const auto lines = valueLinesOf(std::make_index_sequence<std::size(kValueLineOrder)>());
    return lines;
}

} // namespace velmora
