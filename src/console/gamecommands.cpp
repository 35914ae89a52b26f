#include "console/gamecommands.h"

#include <QHash>
#include <QList>

#include <cstring>

namespace velmora {

namespace {

using enum GameStatus;

constexpr GameCommand works(const char *name)
{
    return {name, Works};
}

// Where a fact comes from, in the comments below. Each names its kind of evidence, strongest
// first:
//   Valve:       an employee's answer or the changelog, quoted in the thread named beside it
//   player:      a player's report in that thread
//   rebuilt:     Valve's code as rebuilt in ReHLDS (engine, server side), ReGameDLL_CS (the game
//                DLL) or cs16-client (the Counter-Strike client), by file or function
//   independent: Xash3D FWGS, an engine written anew (the weakest)
// and the threads:
//   [hl#N]  the game's public issue tracker, github.com/ValveSoftware/halflife/issues/N
//   [sfl#N] its older home, github.com/ValveSoftware/steam-for-linux/issues/N
// A row without a source is a command that the engine or the Counter-Strike client still
// registers and that no change is known to have touched; "not confirmed" marks a row that nothing
// we could read supports.
constexpr GameCommand kRows[] = {
    // Network. rate: Valve, [hl#1799] quoting the changelog ("Increased maximum allowed rate
    // setting to 100,000"); rebuilt, ReHLDS SV_ExtractFromUserinfo holds the server's rate for the
    // player between 1000 and 100000. The game keeps rate in hl.conf, not config.cfg, and applied
    // it after the config files (Valve, [hl#2237], 2019-05-23).
    {"rate", Clamped, 1000, 100000, nullptr,
     QT_TRANSLATE_NOOP("GameCommands",
                       "Игра хранит rate не в config.cfg, а в hl.conf, общем для всех игр на "
                       "движке Half-Life, и читает его уже после файлов настроек, так что "
                       "значение оттуда может заменить строку rate.")},
    // cl_updaterate: 102 is the client's own cap (independent, Xash3D MAX_UPDATERATE in
    // CL_ComputeClientInterpolationAmount, which also resets a value below 10; player, [hl#3067]
    // "cl_updaterate has a max value of 102"). The server then holds the player between its
    // sv_minupdaterate and sv_maxupdaterate, 10 and 30 by default, and reads below 10 as 10
    // (rebuilt, ReHLDS SV_ExtractFromUserinfo and SV_CheckUpdateRate, which has no 102).
    {"cl_updaterate", Clamped, 10, 102},
    // cl_cmdrate: no limit confirmed for Valve's client (Xash3D holds it within 10..100).
    works("cl_cmdrate"),
    // ex_interp: not archived, config.cfg never keeps it (player, [hl#395] asks Valve to "set
    // ex_interp to archive"); the client forces it between 1/cl_updaterate and 0.1, 0.2 for a
    // spectator, every frame (independent, Xash3D CL_ComputeClientInterpolationAmount).
    {"ex_interp", NotSaved, 0, 0.1},
    // Archived: "cl_filterstuffcmd is already an archived cvar" (Valve, [hl#2237], 2019-05-21;
    // [hl#1351] was a 2013 report on build 6153).
    works("cl_filterstuffcmd"),
    works("cl_lc"), // read from the player's info by the server (rebuilt, ReHLDS
                    // SV_ExtractFromUserinfo)
    works("cl_lw"), // likewise
    works("cl_dlmax"),
    works("cl_nopred"),
    works("cl_smoothtime"),
    works("cl_vsmoothing"),
    // The client's clock adjustment, 7.5 ms by default (player, [hl#762]; independent, Xash3D).
    works("cl_fixtimerate"),
    // A command, not a variable: "Client to server transmission rate" (player, [sfl#1623]); not
    // confirmed that it changes anything.
    works("cl_rate"),
    works("hpk_maxsize"),
    works("cl_cmdbackup"),
    works("cl_timeout"),
    works("cl_resend"),
    works(
        "cl_latency"), // not confirmed: no reimplementation registers it; left as the tool wrote it
    works("cl_allowdownload"),
    works("cl_allowupload"),
    works("cl_download_ingame"),
    works("net_graph"),
    works("net_graphpos"),
    works("net_graphwidth"),
    works("net_scale"),

    // Frame rate: "Re-enabled a fps cap of 100. You can override this behavior if you want to run
    // faster by setting fps_override to 1" (Valve, the changelog quoted in [hl#452]). The cap is
    // 100.5 frames a second in fact (player, [hl#452], [hl#2072]): the engine waits 1/(fps_max +
    // 0.5) between frames, raises a value below 20 to 20 in multiplayer, and with gl_vsync 1 and
    // fps_override 0 aims at 100 whatever fps_max says (rebuilt, ReHLDS Host_FilterTime).
    {"fps_max", Clamped, 20, 100, "fps_override"},
    works("fps_override"),
    works("gl_vsync"), // player, [hl#287], [hl#2902]
    // A leftover of the old engine's fps_single/fps_lan/fps_modem: the frame limit reads fps_max
    // alone (rebuilt, ReHLDS Host_FilterTime); not confirmed that the name is still registered.
    {"fps_modem", Ignored},

    // Dead variables: declared, read by nothing (player, [hl#391], from [sfl#1143]). A3D and EAX
    // went with the 2013 sound code (player, [hl#38], [sfl#995], [hl#1305]).
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
    // No code reads a "lefthand" key of the player's info (rebuilt: ReHLDS, ReGameDLL_CS,
    // cs16-client; independent: Xash3D), and the engine writes every such key back into
    // config.cfg as a setinfo line (rebuilt, ReHLDS Info_WriteVars, called by
    // Host_WriteConfiguration). The hand is cl_righthand's.
    {"setinfo lefthand", Ignored},
    // gunsmoke is a command that flips gun smoke on or off, not a variable, so no config keeps it
    // (player, [hl#788], [hl#2369]; rebuilt, cs16-client hud.cpp __CmdFunc_GunSmoke).
    {"gunsmoke", Toggle},

    // Server variables act on the server that runs the map: on a server the player joins they do
    // nothing, on one the player hosts they set the game (they are the engine's sv_ and the game
    // DLL's mp_ variables; rebuilt, ReHLDS and ReGameDLL_CS). sv_allow_shaders lets a server forbid
    // gl_use_shaders (player, IntriguingTiles/HLFixes issue 7).
    {"mp_", HostOnly},
    // The game DLL holds the start money between 800 and 16000 when a player joins
    // (ReGameDLL_CS client.cpp CheckStartMoney; its own additions change the bounds to 0 and
    // mp_maxmoney, which the original game does not have).
    {"mp_startmoney", HostOnly, 0, 0, nullptr,
     QT_TRANSLATE_NOOP("GameCommands", "Игра держит сумму между 800 и 16000.")},
    {"sv_", HostOnly},
    {"bot_", HostOnly},
    // POD-Bot's fun modes: the plugin answers "omg" only from the player who hosts a listen
    // server, with the words imsober, tronisback, itsnewyear, imhaunted, itstoodark, stonedagain,
    // imonmars (POD-Bot 2.6's own source, dll.cpp ClientCommand).
    {"omg", HostOnly},
    {"motdfile", HostOnly},
    {"map", HostOnly},
    {"changelevel", HostOnly},
    {"kick", HostOnly},
    {"hostname", HostOnly},
    {"maxplayers", HostOnly},
    {"pausable", HostOnly},
    {"decalfrequency", HostOnly},

    // The picture. The 25th-anniversary update promised "the long-lost GL Overbright support",
    // but toggling gl_overbright changes nothing (player, [hl#3424]); gl_use_shaders took its
    // place (player, [hl#3555]), and a server may forbid it with sv_allow_shaders. Which value of
    // gl_use_shaders makes the picture darker in Counter-Strike is not confirmed.
    {"gl_overbright", Ignored, 0, 0, nullptr,
     QT_TRANSLATE_NOOP("GameCommands",
                       "В юбилейной сборке место gl_overbright занял gl_use_shaders, который "
                       "сервер может запретить (sv_allow_shaders). Какое его значение даёт "
                       "картинку темнее, не подтверждено, поэтому Velmora его не пишет.")},
    works("gl_use_shaders"),
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
    works("cl_corpsestay"), // the Counter-Strike client's own variable (rebuilt, cs16-client)
    // "1" right hand, "0" left (rebuilt, cs16-client; player, [hl#2777]); the left hand's
    // setinfo key is the row "setinfo lefthand".
    {"cl_righthand", Works, 0, 0, nullptr,
     QT_TRANSLATE_NOOP("GameCommands",
                       "Игра держит оружие в правой руке при cl_righthand 1 и в левой при 0. "
                       "Строка setinfo lefthand ни на что не влияет (этот ключ никто не "
                       "читает), но игра с тех пор хранит его в config.cfg.")},
    // The spray logo's file and colour (independent, Xash3D registers both; player, [hl#588]).
    works("cl_logofile"),
    works("cl_logocolor"),
    works("crosshair"),
    works("cl_crosshair_"),
    works("cl_dynamiccrosshair"),
    works("cl_observercrosshair"),
    works("adjust_crosshair"),
    works("drawradar"),
    works("hideradar"),
    works("cl_radartype"),
    works("hud_"),
    // The anniversary client's large HUD sprites; 0 brings the small ones back (player,
    // FWGS/xash3d-fwgs issue 2623, "It's Half-Life 25-th anniversary feature"); not confirmed for
    // the Counter-Strike client.
    works("hud_allow_hd"),
    // Not confirmed: only Xash3D's engine registers it; nothing of it found in Valve's build.
    {"hud_scale", Ignored},
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
    // 0 silences speak and spk, not play (player, [hl#674], [hl#511]).
    works("speak_enabled"),

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
    works("cl_autowepswitch"), // Half-Life's (Valve, [hl#169])
    // Counter-Strike's own: the game DLL reads both from the player's info, weapon switching on
    // pickup and the hints (rebuilt, ReGameDLL_CS CBasePlayer::SetPrefsFromUserinfo; player,
    // [hl#2789]).
    works("_cl_autowepswitch"),
    works("_ah"),
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

} // namespace velmora
