#include "ui/browser.h"

#include <QDesktopServices>
#include <QLoggingCategory>

namespace velmora::ui {

namespace {

BrowserOpener &opener()
{
    static BrowserOpener instance;
    return instance;
}

} // namespace

bool openInBrowser(const QUrl &url)
{
    const bool started = opener() ? opener()(url) : QDesktopServices::openUrl(url);
    if (!started)
        qWarning("velmora: no web browser could be started for %s",
                 qUtf8Printable(url.toDisplayString()));
    return started;
}

void setBrowserOpener(BrowserOpener replacement)
{
    opener() = std::move(replacement);
}

} // namespace velmora::ui
