#include "windows/appicon.h"

// Resources of a static library are registered by hand, from the global namespace.
static void initIconResources()
{
    Q_INIT_RESOURCE(velmora);
}

namespace velmora {

QIcon applicationIcon()
{
    initIconResources();
    QIcon icon;
    for (const int size : {16, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/velmora/icons/%1.png").arg(size), QSize(size, size));
    return icon;
}

} // namespace velmora
