#pragma once

#include <QIcon>

namespace velmora {

/// Velmora's icon in every size the desktop's icon theme gets: renderings of the same drawing
/// (resources/velmora.svg), so the title bar shows what the menu shows.
QIcon applicationIcon();

} // namespace velmora
