#pragma once

// The six option pages of the main window as data: every frame, row, column and slider row, in
// the order the controls are created (which is also the order Tab walks them). OptionPages lays
// the table out; nothing here knows a widget.

#include <array>
#include <span>

namespace velmora::optiontable {

// Sizes and places are in twips, the unit the layout was drawn in.
inline constexpr int kHeaderRowHeight = 360;
inline constexpr int kPageLeft = 120;
inline constexpr int kPageTop = 720;
inline constexpr int kPageHeight = 5055;
inline constexpr int kControlLeft = 120; ///< controls start this far into their frame
inline constexpr int kCheckHeight = 240; ///< a check box, and the step of a column of them
inline constexpr int kFieldHeight = 315;
inline constexpr int kMarkHeight = 375; ///< the red "*" stands a little higher than its field
inline constexpr int kMarkOffset = -45;
inline constexpr int kSliderHeight = 360;
inline constexpr int kGap = 60; ///< between the controls of a row

/// A control of a page.
enum class Control {
    None,       ///< the end of a row's or column's cells
    Label,      ///< a caption in the pages' Arial
    PlainLabel, ///< a caption in the window's own font
    Mark,       ///< the red "*" of a field that must be filled
    Text,       ///< `TextN`
    Check,      ///< `CheckN`
    WrapCheck,  ///< `CheckN` whose caption wraps
    Combo,      ///< `Combo1`, the connection type
    Pod,        ///< `pod`, in the window's own font
    MoveTo,     ///< not a control: the row carries on from `left`
};

struct Cell
{
    Control control = Control::None;
    int number = 0;                ///< Text, Check, WrapCheck, Pod: the control's number
    const char *name = nullptr;    ///< Label, PlainLabel, Mark: the object name
    const char *caption = nullptr; ///< UTF-8; a check box's comes from its option's row
    int width = 0;                 ///< in a row: 0 takes the control's preferred width
    int height = 0;                ///< in a row: 0 takes the control's usual height
    int left = 0;                  ///< MoveTo only
    /// Label: the option whose caption it shows (its row in the option inventory holds it).
    const char *option = nullptr;
};

enum class Block {
    Page,   ///< a tab page: `name`, `caption`, `width`
    Frame,  ///< a captioned frame in `in`: `name`, `caption`, the rectangle
    Row,    ///< `cells` left to right from `left`, at `top`
    Column, ///< check boxes one under the other from `top`, at most `width` wide
    Slider, ///< the caption `cells[0]`, slider number `cells[1].number` at `left` (0: right
            ///< after the caption), `top`, `width`
    Fixed,  ///< `cells[0]` at the rectangle
};

inline constexpr int kMaxCells = 9;

struct Step
{
    Block block;
    const char *in = nullptr; ///< the page or frame that holds the step; none for a page
    const char *name = nullptr;
    const char *caption = nullptr;
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    std::array<Cell, kMaxCells> cells{};
};

/// The pages' steps in creation order.
std::span<const Step> optionPageSteps();

} // namespace velmora::optiontable
