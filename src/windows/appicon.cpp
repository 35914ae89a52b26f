#include "windows/appicon.h"

#include <QIconEngine>
#include <QPainter>
#include <QPixmap>

#include <algorithm>
#include <array>

// Resources of a static library are registered by hand, from the global namespace.
static void initIconResources()
{
    Q_INIT_RESOURCE(velmora);
}

namespace velmora {

namespace {

constexpr std::array kSizes{16, 32, 48, 64, 128, 256};

/// The icon's renderings, each decoded only when asked for. A QIcon built with addFile() decodes
/// every file at once: six images, two of them large, on the way to the first window, which the
/// offscreen and most desktop platforms never even look at in full.
class RenderingsEngine : public QIconEngine
{
public:
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return scaledPixmap(size, mode, state, 1.0);
    }

    QPixmap scaledPixmap(const QSize &size, QIcon::Mode, QIcon::State, qreal scale) override
    {
        const int wanted = qRound(qMin(size.width(), size.height()) * scale);
        if (wanted <= 0)
            return {};
        // The smallest rendering that is large enough, scaled down when it is not exact.
        int chosen = kSizes.back();
        for (const int rendering : kSizes) {
            if (rendering >= wanted) {
                chosen = rendering;
                break;
            }
        }
        QPixmap &decoded = m_decoded[indexOf(chosen)];
        if (decoded.isNull())
            decoded.load(QStringLiteral(":/velmora/icons/%1.png").arg(chosen));
        if (chosen == wanted || decoded.isNull())
            return decoded;
        return decoded.scaled(wanted, wanted, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    }

    QSize actualSize(const QSize &size, QIcon::Mode, QIcon::State) override
    {
        const int side = qMin(qMin(size.width(), size.height()), kSizes.back());
        return {side, side};
    }

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        const qreal scale = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
        painter->drawPixmap(rect, scaledPixmap(rect.size(), mode, state, scale));
    }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override
    {
        QList<QSize> sizes;
        for (const int side : kSizes)
            sizes.append(QSize(side, side));
        return sizes;
    }

    QIconEngine *clone() const override { return new RenderingsEngine(*this); }
    QString key() const override { return QStringLiteral("velmora-renderings"); }

private:
    static std::size_t indexOf(int side)
    {
        return std::size_t(std::find(kSizes.begin(), kSizes.end(), side) - kSizes.begin());
    }

    std::array<QPixmap, kSizes.size()> m_decoded;
};

} // namespace

QIcon applicationIcon()
{
    initIconResources();
    return QIcon(new RenderingsEngine);
}

} // namespace velmora
