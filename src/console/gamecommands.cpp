#include "console/gamecommands.h"

#include <QCoreApplication>
#include <QHash>
#include <QList>
#include <QLocale>

#include <cstring>

namespace velmora {

namespace {

using enum GameStatus;

constexpr GameCommand works(const char *name)
{
    return {name, Works};
}

// Where a fact comes from, in the comments below:
//   [hl#N]  the game's public issue tracker, github.com/ValveSoftware/halflife/issues/N
//   [sfl#N] its older home, github.com/ValveSoftware/steam-for-linux/issues/N
//   [log]   the game's changelog, as quoted in the issue named beside it
//   [rehlds], [xash]  the engine code of the open reimplementations ReHLDS and Xash3D FWGS
// A row without a source is a command that the engine or the Counter-Strike client still
// registers and that no change is known to have touched; "unconfirmed" marks what we could not
// check.
constexpr GameCommand kRows[] = {
    // Network. rate: "Increased maximum allowed rate setting to 100,000" [log, hl#1799]; the
    // minimum is 1000 (Valve's answer in hl#1799). cl_updaterate: the server holds it between
    // sv_minupdaterate (10 by default) and sv_maxupdaterate, 102 in Steam's build [rehlds
    // SV_CheckUpdateRate, rehlds issue #928], and the client itself resets it to 20 below 10 and
    // to 102 above [hw CL_ComputeClientInterpolationAmount]. cl_cmdrate: the client raises it to
    // 10, no upper limit confirmed. ex_interp is not an archived variable, so config.cfg never
    // keeps it [hl#395]; the client forces it between 1/cl_updaterate and 0.1 (0.2 for a
    // spectator) every frame [hw, same function], so only the upper bound is checked here.
    // cl_filterstuffcmd is not archived either [hl#1351].
    // [hw]: the engine's client code as rebuilt in open reimplementations of the engine.
    {"rate", Clamped, 1000, 100000},
    {"cl_updaterate", Clamped, 10, 102},
    works("cl_cmdrate"),
    {"ex_interp", NotSaved, 0, 0.1},
    {"cl_filterstuffcmd", NotSaved},
    works("cl_lc"), // read from the player's info by the server [xash sv_client.c]
    works("cl_lw"), // likewise
    works("cl_dlmax"),
    works("cl_nopred"),
    works("cl_smoothtime"),
    works("cl_vsmoothing"),
    works("hpk_maxsize"),
    works("cl_cmdbackup"),
    works("cl_timeout"),
    works("cl_resend"),
    works("cl_latency"), // unconfirmed: no reimplementation registers it; left as the tool wrote it
    works("cl_allowdownload"),
    works("cl_allowupload"),
    works("cl_download_ingame"),
    works("net_graph"),
    works("net_graphpos"),
    works("net_graphwidth"),
    works("net_scale"),

    // Frame rate: "Re-enabled a fps cap of 100. You can override this behavior if you want to run
    // faster by setting fps_override to 1" [log, sfl#1785, hl#452]. No lower bound confirmed.
    {"fps_max", Clamped, 0, 100, "fps_override"},
    works("fps_override"),
    works("gl_vsync"), // [hl#287]

    // Dead variables: declared, read by nothing [hl#391, from sfl#1143]. A3D and EAX went with
    // the 2013 sound code [hl#38, sfl#995, hl#1305].
    {"r_mmx", Ignored},
    {"console", Ignored},
    {"scr_conspeed", Ignored},
    {"s_a3d", Ignored},
    {"s_eax", Ignored},
    {"ati_subdiv", Ignored},
    {"bgmbuffer", Ignored},
    {"cam_contain", Ignored},
    {"com_filewarning", Ignored},
    {"con_fastmode", Ignored},
    {"gl_nobind", Ignored},
    {"gl_nocolors", Ignored},
    {"gl_playermip", Ignored},
    {"gl_reporttjunctions", Ignored},
    {"lambert", Ignored},
    {"r_bmodelhighfrac", Ignored},
    {"mp_ghostfrequency", Ignored},
    {"mp_mirrordamage", Ignored},
    // Unconfirmed: no engine or client code we searched registers a command of this name.
    {"gunsmoke", Ignored},

    // Server variables act on the server that runs the map: on a server the player joins they do
    // nothing, on one the player hosts they set the game (they are the engine's sv_ and the game
    // DLL's mp_ variables [rehlds, xash]). The POD-bot commands, "omg" among them, belong to a
    // server plugin (unconfirmed: the name is not in the plugin code we could find).
    {"mp_", HostOnly},
    {"sv_", HostOnly},
    {"bot_", HostOnly},
    {"omg", HostOnly},
    {"motdfile", HostOnly},
    {"map", HostOnly},
    {"changelevel", HostOnly},
    {"kick", HostOnly},
    {"hostname", HostOnly},
    {"maxplayers", HostOnly},
    {"pausable", HostOnly},
    {"decalfrequency", HostOnly},

    // The picture. gl_overbright came back with the 25th-anniversary update ("the long-lost GL
    // Overbright support", quoted in hl#3424).
    works("gl_overbright"),
    works("r_decals"),
    works("r_drawviewmodel"),
    works("r_dynamic"),
    works("max_shells"),
    works("max_smokepuffs"),
    works("fastsprites"),
    works("gamma"),
    works("brightness"),
    works("texgamma"),
    works("viewsize"),
    works("gl_max_size"),
    works("gl_picmip"),
    works("cl_himodels"),
    works("cl_minmodels"),
    works("cl_shadows"),
    works("cl_corpsestay"), // the Counter-Strike client's own variable
    works("cl_righthand"),  // "1" right hand, "0" left [hl#2777]
    works("crosshair"),
    works("cl_crosshair_"),
    works("cl_dynamiccrosshair"),
    works("cl_observercrosshair"),
    works("adjust_crosshair"),
    works("drawradar"),
    works("hideradar"),
    works("cl_radartype"),
    works("hud_"),
    works("spec_"),
    works("cl_showfps"),
    works("r_detailtextures"),
    works("topcolor"),
    works("bottomcolor"),
    works("model"),

    // Sound and voice.
    works("volume"),
    works("hisound"),
    works("nosound"),
    works("bgmvolume"),
    works("mp3volume"),
    works("suitvolume"),
    works("_snd_mixahead"),
    works("voice_"),

    // Mouse, keys and movement.
    works("sensitivity"),
    works("zoom_sensitivity_ratio"),
    works("m_filter"),
    works("m_pitch"),
    works("m_yaw"),
    works("m_forward"),
    works("m_side"),
    works("m_rawinput"),
    works("m_customaccel"),
    works("m_customaccel_scale"),
    works("m_customaccel_max"),
    works("m_customaccel_exponent"),
    works("m_mousethread_sleep"),
    works("cl_mousegrab"),
    works("joystick"),
    works("lookspring"),
    works("lookstrafe"),
    works("cl_forwardspeed"),
    works("cl_backspeed"),
    works("cl_sidespeed"),
    works("cl_upspeed"),
    works("cl_movespeedkey"),
    works("cl_yawspeed"),
    works("cl_pitchspeed"),
    works("cl_bob"),
    works("cl_bobcycle"),
    works("cl_bobup"),
    works("cl_autowepswitch"),
    works("+attack"),
    works("+attack2"),
    works("+jump"),
    works("+duck"),
    works("+forward"),
    works("+back"),
    works("+moveleft"),
    works("+moveright"),
    works("+moveup"),
    works("+movedown"),
    works("+left"),
    works("+right"),
    works("+lookup"),
    works("+lookdown"),
    works("+use"),
    works("+reload"),
    works("+speed"),
    works("+strafe"),
    works("+showscores"),
    works("+voicerecord"),
    works("+mlook"),
    works("+klook"),
    works("+jlook"),
    works("+graph"),

    // The console's own commands and the player's everyday ones.
    works("alias"),
    works("bind"),
    works("unbind"),
    works("unbindall"),
    works("exec"),
    works("echo"),
    works("wait"),
    works("clear"),
    works("developer"),
    works("toggleconsole"),
    works("condump"),
    works("writecfg"),
    works("name"),
    works("setinfo"),
    works("say"),
    works("say_team"),
    works("messagemode"),
    works("messagemode2"),
    works("connect"),
    works("retry"),
    works("reconnect"),
    works("disconnect"),
    works("rcon"),
    works("rcon_password"),
    works("rcon_address"),
    works("rcon_port"),
    works("quit"),
    works("exit"),
    works("kill"),
    works("status"),
    works("version"),
    works("record"),
    works("stop"),
    works("playdemo"),
    works("timedemo"),
    works("screenshot"),
    works("snapshot"),
    works("impulse"),
    works("slot1"),
    works("slot2"),
    works("slot3"),
    works("slot4"),
    works("slot5"),
    works("slot10"),
    works("invnext"),
    works("invprev"),
    works("lastinv"),
    works("drop"),
    works("buy"),
    works("buyammo1"),
    works("buyammo2"),
    works("buyequip"),
    works("nightvision"),
    works("radio1"),
    works("radio2"),
    works("radio3"),
    works("chooseteam"),
    works("jointeam"),
    works("showbriefing"),
};

bool endsWithPattern(const char *name)
{
    const size_t length = std::strlen(name);
    return length > 0 && name[length - 1] == '_';
}

/// The rows by their exact names, and the pattern rows apart: a long script looks up every one
/// of its commands.
struct Lookup
{
    QHash<QByteArray, const GameCommand *> exact;
    QList<const GameCommand *> patterns;

    Lookup()
    {
        for (const GameCommand &row : kRows) {
            if (endsWithPattern(row.name))
                patterns.append(&row);
            else
                exact.insert(QByteArray(row.name), &row);
        }
    }
};

const Lookup &lookup()
{
    static const Lookup table;
    return table;
}

} // namespace

std::span<const GameCommand> gameCommands()
{
    return kRows;
}

const GameCommand *findGameCommand(QByteArrayView word)
{
    QByteArray name = word.toByteArray().toLower();
    // A `-` command shares the row of its `+` twin.
    if (name.startsWith('-'))
        name[0] = '+';
    if (const GameCommand *row = lookup().exact.value(name))
        return row;
    const GameCommand *pattern = nullptr;
    for (const GameCommand *row : lookup().patterns) {
        const auto length = qsizetype(std::strlen(row->name));
        if (name.size() > length && name.startsWith(row->name) &&
            (!pattern || length > qsizetype(std::strlen(pattern->name))))
            pattern = row;
    }
    return pattern;
}

QString boundText(double value)
{
    return QLocale::c().toString(value, 'g', 15);
}

QString gameStatusNote(QStringView command)
{
    const GameCommand *row = findGameCommand(command.toLatin1());
    if (!row)
        return {};
    const QString name = command.toString().toLower();
    switch (row->status) {
    case Works:
        return {};
    case Clamped:
        if (row->unless)
            return QCoreApplication::translate("GameCommands",
                                               "Выше %1 действует только вместе с %2 1 (в "
                                               "нынешних сборках игры).")
                .arg(boundText(row->max), QLatin1StringView(row->unless));
        return QCoreApplication::translate("GameCommands",
                                           "Игра ограничивает значение %1 пределами %2–%3.")
            .arg(name, boundText(row->min), boundText(row->max));
    case Ignored:
        return QCoreApplication::translate("GameCommands",
                                           "В текущей версии игры строка %1 ничего не делает.")
            .arg(name);
    case HostOnly:
        return QCoreApplication::translate("GameCommands",
                                           "Строка %1 действует только на сервере, который вы "
                                           "запускаете сами, а не там, куда вы заходите.")
            .arg(name);
    case NotSaved:
        return QCoreApplication::translate("GameCommands",
                                           "Игра не сохраняет %1 в своём config.cfg, поэтому "
                                           "значение держится только благодаря autoexec.cfg.")
            .arg(name);
    }
    return {};
}

} // namespace velmora
