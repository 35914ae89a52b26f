#include "windows/program.h"

#include <cstdio>

namespace velmora {

int StartProgram(int, char **)
{
    std::fputs("velmora: the windows are not built yet; use --print-config (see --help)\n", stderr);
    return 2;
}

} // namespace velmora
