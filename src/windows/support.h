#pragma once

#include <QString>
#include <QUrl>

namespace velmora {

/// Velmora's web address: the about window shows it, its click and "Тех. поддержка" open it.
QString supportAddress();
QUrl supportUrl();

/// Opens the support page in the user's browser without waiting for it.
void openSupportPage();

} // namespace velmora
