#include "windows/support.h"

#include "ui/browser.h"

namespace velmora {

namespace {

// The one place that names the address.
constexpr auto kSupportAddress = u"velmora.example.org";

} // namespace

QString supportAddress()
{
    return QString::fromUtf16(kSupportAddress);
}

QUrl supportUrl()
{
    return QUrl(QStringLiteral("https://") + supportAddress() + u'/');
}

void openSupportPage()
{
    ui::openInBrowser(supportUrl());
}

} // namespace velmora
