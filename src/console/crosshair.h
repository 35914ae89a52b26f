#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

#include <array>
#include <optional>
#include <span>

namespace velmora {

/// A colour as `cl_crosshair_color` holds it: red, green and blue, 0 to 255 each.
struct CrosshairColour
{
    int red = 0;
    int green = 0;
    int blue = 0;

    bool operator==(const CrosshairColour &) const = default;
};

/// The values of `cl_crosshair_size` the game's menu offers.
enum class CrosshairSize { Auto, Small, Medium, Large };

/// The four settings of the game's own crosshair besides `crosshair` on/off, at the values the
/// game starts with when its config.cfg does not set them.
struct CrosshairSettings
{
    CrosshairColour colour{50, 250, 50};
    CrosshairSize size = CrosshairSize::Auto;
    bool translucent = true; ///< drawn by adding its colour to the picture
    bool dynamic = true;     ///< the lines move apart while the player runs or jumps

    bool operator==(const CrosshairSettings &) const = default;
};

/// One of the colours the game's own menu and `adjust_crosshair` step through.
struct CrosshairPreset
{
    const char *caption; ///< Russian, marked for translation in the context "CrosshairDialog"
    CrosshairColour colour;
};

/// Green, red, blue, yellow and cyan, in the game's order.
std::span<const CrosshairPreset> crosshairPresets();

/// The name of a size as the game's menu writes it: "auto", "small", "medium", "large".
QString crosshairSizeName(CrosshairSize size);

/// The four lines, in the form the generator writes (`cl_crosshair_size "small"`), each ended by
/// CR LF: colour, size, translucency, dynamic.
QString crosshairLines(const CrosshairSettings &settings);

/// Which of the four settings a script sets, and to what the game makes of its values.
struct CrosshairReading
{
    CrosshairSettings
        settings; ///< the settings the script leaves alone keep the game's start values
    std::array<bool, 4> set{}; ///< colour, size, translucency, dynamic: the script sets it
    /// English, one sentence each: values the game takes otherwise than written.
    QStringList problems;

    bool any() const { return set[0] || set[1] || set[2] || set[3]; }
};

/// Reads the crosshair settings of a script the way the game's console and client read them: the
/// last setting of a name wins, a setting takes its first argument only, and the client parses
/// the colour with `%d %d %d` and holds each part within 0 to 255, takes the size by name or
/// number, and reads the two switches as numbers.
CrosshairReading readCrosshair(QStringView text);

/// The warning `--check` gives for one command, when it is one of the four settings and the game
/// takes its value otherwise than written; empty otherwise. `arguments` counts the words after
/// the command's name.
QString crosshairValueWarning(QStringView command, QStringView value, qsizetype arguments);

/// The text with every earlier line that sets one of the four settings taken out (from a line
/// that also runs other commands, only the crosshair commands) and the four lines of `settings`
/// put where the first of them stood, or at the end. Lines end in line feeds, as in the box.
QString replaceCrosshairLines(QStringView text, const CrosshairSettings &settings);

/// The NAME=VALUE arguments of `--print-config` for the settings a script sets, in the order of
/// crosshairLines(): `cl_crosshair_color=255 0 0`, `cl_crosshair_size=small`...
QStringList crosshairAssignments(const CrosshairReading &reading);

/// The crosshair settings named on the `--print-config` command line.
class CrosshairArguments
{
public:
    /// True when the argument names one of the four settings.
    static bool names(QStringView argument);
    /// Takes `NAME=VALUE` for one of the four; empty on success, otherwise why it was refused.
    QString take(QStringView argument);
    /// The four lines when any setting was named (the others at the game's start values),
    /// otherwise nothing, so a command line without them gives the generator's bytes alone.
    QString lines() const;

private:
    CrosshairReading m_reading;
};

} // namespace velmora
