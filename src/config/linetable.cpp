#include "config/linetable.h"

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

constexpr ValueLine kValueLines[] = {
    {"cl_latency ", ValueSource::Latency, 1},  {"name ", ValueSource::Text, 5},
    {"mp_roundtime ", ValueSource::Text, 7},   {"mp_freezetime ", ValueSource::Text, 8},
    {"cl_corpsestay ", ValueSource::Text, 9},  {"voice_scale ", ValueSource::Slider, 1},
    {"fps_max ", ValueSource::Slider, 2},      {"net_graphpos ", ValueSource::Text, 10},
    {"volume ", ValueSource::Volume, 11},      {"cl_forwardspeed ", ValueSource::Slider, 3},
    {"cl_backspeed ", ValueSource::Slider, 4}, {"sensitivity ", ValueSource::Slider, 5},
};

constexpr CheckLine valued(const char *command, const char *value)
{
    return {LineForm::Valued, command, value, 0};
}
constexpr CheckLine valuedFromField(const char *command, int textField)
{
    return {LineForm::Valued, command, nullptr, textField};
}
constexpr CheckLine bare(const char *command)
{
    return {LineForm::Bare, command, nullptr, 0};
}
constexpr CheckLine keyValue(const char *key, const char *value)
{
    return {LineForm::KeyValue, key, value, 0};
}

// A plain switch writes "1" when checked and "0" when unchecked.
#define VELMORA_SWITCH(n, command)                                                                 \
    constexpr CheckLine kOn##n[] = {valued(command, "1")};                                         \
    constexpr CheckLine kOff##n[] = {valued(command, "0")};

VELMORA_SWITCH(1, "r_mmx ")
VELMORA_SWITCH(2, "r_decals ")
VELMORA_SWITCH(3, "r_drawviewmodel ")
VELMORA_SWITCH(4, "sv_cheats ")
VELMORA_SWITCH(7, "joystick ")
VELMORA_SWITCH(8, "m_filter ")
VELMORA_SWITCH(9, "s_a3d ")
VELMORA_SWITCH(10, "s_eax ")
VELMORA_SWITCH(11, "net_graph ")
VELMORA_SWITCH(12, "hud_fastswitch ")
VELMORA_SWITCH(14, "cl_allowdownload ")
VELMORA_SWITCH(15, "cl_allowupload ")
VELMORA_SWITCH(16, "cl_download_ingame ")
VELMORA_SWITCH(17, "cl_lc ")
VELMORA_SWITCH(18, "cl_lw ")
VELMORA_SWITCH(21, "mp_footsteps ")
VELMORA_SWITCH(28, "mp_autoteambalance ")
VELMORA_SWITCH(30, "hud_centerid ")
VELMORA_SWITCH(31, "hisound ")
VELMORA_SWITCH(33, "cl_himodels ")
VELMORA_SWITCH(35, "mp_friendlyfire ")
VELMORA_SWITCH(36, "voice_enable ")
VELMORA_SWITCH(40, "crosshair ")
VELMORA_SWITCH(42, "hud_draw ")

#undef VELMORA_SWITCH

// Two-way rows whose lines differ in another way.
constexpr CheckLine kOn5[] = {valued("max_shells ", "999999999")};
constexpr CheckLine kOff5[] = {valued("max_shells ", "0")};
constexpr CheckLine kOn29[] = {bare("drawradar")};
constexpr CheckLine kOff29[] = {bare("hideradar")};
constexpr CheckLine kOn32[] = {valued("nosound ", "0")}; // "Включить звук" turns nosound off
constexpr CheckLine kOff32[] = {valued("nosound ", "1")};
// The game holds the weapon in the right hand at cl_righthand 1 and in the left at 0.
constexpr CheckLine kOn37[] = {valued("cl_righthand ", "1")};
constexpr CheckLine kOff37[] = {valued("setinfo lefthand ", "1")};
constexpr CheckLine kOn38[] = {keyValue("_vgui_menus", "0")};
constexpr CheckLine kOff38[] = {keyValue("_vgui_menus", "1")};
constexpr CheckLine kOn39[] = {valued("console ", "1"), valuedFromField("scr_conspeed ", 3)};
constexpr CheckLine kOff39[] = {valued("console ", "0")};
constexpr CheckLine kOn41[] = {valued("gl_overbright ", "0")}; // darker picture: overbright off
constexpr CheckLine kOff41[] = {valued("gl_overbright ", "1")};
constexpr CheckLine kOn43[] = {bare("+mlook")};
constexpr CheckLine kOff43[] = {bare("-mlook")};

// One-way rows: lines only when checked.
constexpr CheckLine kOn6[] = {bare("omg itstoodark")};
constexpr CheckLine kOn13[] = {bare("gunsmoke")};
constexpr CheckLine kOn19[] = {bare("omg itsnewyear")};
constexpr CheckLine kOn20[] = {bare("omg tronisbock")};
constexpr CheckLine kOn22[] = {valuedFromField("sv_contact ", 4)};
constexpr CheckLine kOn23[] = {valued("voice_loopback ", "1")};
constexpr CheckLine kOn24[] = {valued("voice_overdrive ", "2"),
                               valued("voice_overdrivefadetime ", "0.4")};
constexpr CheckLine kOn25[] = {valued("voice_avggain ", "0.3")};
constexpr CheckLine kOn26[] = {valued("voice_fadeouttime ", "0.1")};
constexpr CheckLine kOn27[] = {valued("voice_maxgain ", "3")};
constexpr CheckLine kOn34[] = {valuedFromField("mp_startmoney ", 6)};

constexpr std::span<const CheckLine> kNothing;

const CheckRow kRows[] = {
    {1, kOn1, kOff1},      {2, kOn2, kOff2},      {3, kOn3, kOff3},      {4, kOn4, kOff4},
    {5, kOn5, kOff5},      {6, kOn6, kNothing},   {7, kOn7, kOff7},      {8, kOn8, kOff8},
    {9, kOn9, kOff9},      {10, kOn10, kOff10},   {11, kOn11, kOff11},   {12, kOn12, kOff12},
    {13, kOn13, kNothing}, {14, kOn14, kOff14},   {15, kOn15, kOff15},   {16, kOn16, kOff16},
    {17, kOn17, kOff17},   {18, kOn18, kOff18},   {19, kOn19, kNothing}, {20, kOn20, kNothing},
    {21, kOn21, kOff21},   {22, kOn22, kNothing}, {23, kOn23, kNothing}, {24, kOn24, kNothing},
    {25, kOn25, kNothing}, {26, kOn26, kNothing}, {27, kOn27, kNothing}, {28, kOn28, kOff28},
    {29, kOn29, kOff29},   {30, kOn30, kOff30},   {31, kOn31, kOff31},   {32, kOn32, kOff32},
    {33, kOn33, kOff33},   {34, kOn34, kNothing}, {35, kOn35, kOff35},   {36, kOn36, kOff36},
    {37, kOn37, kOff37},   {38, kOn38, kOff38},   {39, kOn39, kOff39},   {40, kOn40, kOff40},
    {41, kOn41, kOff41},   {42, kOn42, kOff42},   {43, kOn43, kOff43},
};

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
    return kRows;
}

const CheckRow &checkRow(int box)
{
    return kRows[box - 1];
}

std::span<const ValueLine> valueLines()
{
    return kValueLines;
}

} // namespace velmora
