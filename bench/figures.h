#pragma once

#include "figure.h"

#include "gamefiles/pathfile.h"

namespace velmora::bench {

constexpr quint32 kSeed = 20240501;

/// A config.cfg as a game leaves it, `lines` long, one line in two a bind or an alias.
QByteArray configCfg(qint64 lines, quint32 seed);

/// A program folder holding dir.vlm, and a game folder beside it whose config.cfg is `config`.
struct Install
{
    QString program;
    QString game;

    Install(const QString &root, const QString &name, const QByteArray &config);
    PathFileStore store() const { return PathFileStore(program); }
};

/// What the figures share: the scratch folder and the main window's inputs.
struct Bench
{
    int runs;
    QString root;
    Install big;     ///< config.cfg of 200,000 lines, half of them carried
    Install empty;   ///< an empty config.cfg
    QString carried; ///< the text the import carries from `big`
};

// The main window's figures (window_figures.cpp).
Figure loadFigure(const Bench &bench);
Figure showFigure(const Bench &bench);
Figure openFigure(const Bench &bench);
Figure saveFigure(const Bench &bench);
Figure longlineFigure(const Bench &bench);

// The core's figures on files (core_figures.cpp, steam_bench.cpp).
Figure scanFigure(const Bench &bench);
Figure longCommandFigure(const Bench &bench);
Figure steamFigure(const Bench &bench);

// Whole velmora processes beside a bare Qt program (process_figures.cpp).
Figure startFigure(const Bench &bench);
Figure memoryFigure(const Bench &bench);

} // namespace velmora::bench
