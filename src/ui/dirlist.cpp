#include "ui/dirlist.h"

#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QStyle>

namespace velmora::ui {

namespace {

constexpr int kFolderRole = Qt::UserRole;

/// Absolute, with "/" separators, without "." or ".." and without a trailing separator except at
/// a root.
QString cleanFolder(const QString &folder)
{
    return QDir::cleanPath(QDir(QDir::fromNativeSeparators(folder)).absolutePath());
}

} // namespace

DirectoryList::DirectoryList(QWidget *parent)
    : QTreeWidget(parent)
{
    setHeaderHidden(true);
    setColumnCount(1);
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setExpandsOnDoubleClick(false);
    setIndentation(fontMetrics().averageCharWidth() * 2);
    setUniformRowHeights(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    header()->setStretchLastSection(true);
    connect(this, &QTreeWidget::itemActivated, this, &DirectoryList::openItem);

    const QString start = QDir::currentPath();
    if (!start.isEmpty() && setPath(start).isEmpty())
        return;
    // The working folder is gone or closed to us: the root is the folder that is always there.
    // Should even the root refuse its listing, the list stays empty but still stands at the root,
    // so "OK" never stores an empty path.
    if (!setPath(QDir::rootPath()).isEmpty()) {
        m_path = cleanFolder(QDir::rootPath());
        Q_EMIT pathChanged(path());
    }
}

QString DirectoryList::path() const
{
    return QDir::toNativeSeparators(m_path);
}

QString DirectoryList::folderOf(const QTreeWidgetItem *item)
{
    return item ? QDir::toNativeSeparators(item->data(0, kFolderRole).toString()) : QString();
}

QString DirectoryList::setPath(const QString &folder)
{
    const QString target = cleanFolder(folder);
    const QFileInfo info(target);
    if (!info.isDir())
        return tr("Путь не найден: %1").arg(QDir::toNativeSeparators(target));
    QDir listing(target);
    if (!listing.isReadable())
        return tr("Нет доступа к папке: %1").arg(QDir::toNativeSeparators(target));

    // Hidden folders are listed too: Steam keeps Half-Life below ~/.steam on Linux.
    const QStringList subfolders =
        listing.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden,
                          QDir::Name | QDir::IgnoreCase | QDir::LocaleAware);

    QStringList chain;
    for (QDir up(target);;) {
        chain.prepend(QDir::cleanPath(up.absolutePath()));
        if (up.isRoot() || !up.cdUp())
            break;
    }

    clear();
    const QIcon openIcon = style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon closedIcon = style()->standardIcon(QStyle::SP_DirClosedIcon);
    QTreeWidgetItem *parentItem = nullptr;
    for (const QString &step : chain) {
        const QString caption =
            parentItem ? QFileInfo(step).fileName() : QDir::toNativeSeparators(step);
        auto *item = parentItem ? new QTreeWidgetItem(parentItem, {caption})
                                : new QTreeWidgetItem(this, {caption});
        item->setIcon(0, openIcon);
        item->setData(0, kFolderRole, step);
        parentItem = item;
    }
    QTreeWidgetItem *current = parentItem;
    for (const QString &name : subfolders) {
        auto *item = new QTreeWidgetItem(current, {name});
        item->setIcon(0, closedIcon);
        item->setData(0, kFolderRole, listing.absoluteFilePath(name));
    }
    expandAll();
    setCurrentItem(current);
    scrollToItem(current);

    const bool changed = target != m_path;
    m_path = target;
    if (changed)
        Q_EMIT pathChanged(path());
    return {};
}

void DirectoryList::drawBranches(QPainter *, const QRect &, const QModelIndex &) const
{
    // The list is always fully open: an arrow to fold a folder would only mislead.
}

void DirectoryList::openItem(QTreeWidgetItem *item)
{
    if (!item)
        return;
    const QString why = setPath(item->data(0, kFolderRole).toString());
    if (!why.isEmpty())
        Q_EMIT openFailed(why);
}

} // namespace velmora::ui
