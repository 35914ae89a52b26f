#pragma once

#include <QUrl>

#include <functional>

namespace velmora::ui {

/// Opens a web page in the user's browser without waiting for it. Returns false when no browser
/// could be started; the caller goes on either way.
bool openInBrowser(const QUrl &url);

/// Test seam: replaces the browser call (QDesktopServices::openUrl); an empty function brings the
/// real one back.
using BrowserOpener = std::function<bool(const QUrl &)>;
void setBrowserOpener(BrowserOpener opener);

} // namespace velmora::ui
