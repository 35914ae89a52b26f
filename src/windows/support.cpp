#include "windows/support.h"

#include "ui/browser.h"

namespace velmora {

namespace {

// The one place that names the address.
constexpr auto kSupportAddress = u"velmora.example.org";

} // namespace

QString SupportAddress()
{
    return QString::fromUtf16(kSupportAddress);
}

QUrl SupportUrl()
{
    return QUrl(QStringLiteral("https://") + SupportAddress() + u'/');
}

void OpenSupportPage()
{
    ui::OpenInBrowser(SupportUrl());
}

} // namespace velmora
