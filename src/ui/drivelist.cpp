#include "ui/drivelist.h"

#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>

namespace velmora::ui {

namespace {

/// Whether a folder lies on or below a root.
bool isBelow(const QString &folder, const QString &root)
{
    if (folder == root)
        return true;
    if (!folder.startsWith(root))
        return false;
    return root.endsWith(u'/') || folder.at(root.size()) == u'/';
}

} // namespace

DriveList::DriveList(QWidget *parent)
    : QComboBox(parent)
{
    setDrives(systemDrives());
}

QStringList DriveList::systemDrives()
{
    QStringList roots;
    roots.append(QDir::rootPath());
    for (const QStorageInfo &volume : QStorageInfo::mountedVolumes()) {
        const QString root = QDir::cleanPath(volume.rootPath());
        // Bind-mounted single files are no drives, and a folder mounted twice is listed once.
        if (!volume.isValid() || !volume.isReady() || !QFileInfo(root).isDir() ||
            roots.contains(root))
            continue;
        roots.append(root);
    }
    std::sort(roots.begin() + 1, roots.end());
    return roots;
}

QString DriveList::whyNotReady(const QString &root)
{
    QStorageInfo volume(root);
    volume.refresh();
    const QFileInfo folder(root);
    if (volume.isValid() && volume.isReady() && folder.isDir() && folder.isReadable())
        return {};
    return tr("Устройство недоступно: %1").arg(root);
}

QString DriveList::driveOf(const QString &folder) const
{
    QString best;
    for (const QString &root : drives()) {
        if (isBelow(folder, root) && root.size() > best.size())
            best = root;
    }
    return best;
}

void DriveList::setDrives(const QStringList &roots)
{
    clear();
    for (const QString &root : roots) {
        QString caption = root;
        const QStorageInfo volume(root);
        const QString name = volume.isValid() ? volume.name() : QString();
        if (!name.isEmpty() && root != QDir::rootPath())
            caption += QStringLiteral(" [%1]").arg(name);
        addItem(caption, root);
    }
}

QStringList DriveList::drives() const
{
    QStringList roots;
    for (int i = 0; i < count(); ++i)
        roots.append(itemData(i).toString());
    return roots;
}

QString DriveList::drive() const
{
    return currentData().toString();
}

void DriveList::showDriveOf(const QString &folder)
{
    const int index = findData(driveOf(folder));
    if (index >= 0)
        setCurrentIndex(index);
}

} // namespace velmora::ui
