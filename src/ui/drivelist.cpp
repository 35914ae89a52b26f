#include "ui/drivelist.h"

#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>

namespace velmora::ui {

namespace {

QString nativeRoot(const QString &path)
{
    return QDir::toNativeSeparators(QDir::cleanPath(path));
}

/// Whether a folder lies on or below a root; both in native form.
bool isBelow(const QString &folder, const QString &root)
{
    const Qt::CaseSensitivity cs =
        QDir::separator() == u'\\' ? Qt::CaseInsensitive : Qt::CaseSensitive;
    if (folder.compare(root, cs) == 0)
        return true;
    if (!folder.startsWith(root, cs))
        return false;
    return root.endsWith(QDir::separator()) || folder.at(root.size()) == QDir::separator();
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
#ifdef Q_OS_WIN
    for (const QFileInfo &drive : QDir::drives())
        roots.append(nativeRoot(drive.absoluteFilePath()));
#else
    roots.append(QDir::rootPath());
    for (const QStorageInfo &volume : QStorageInfo::mountedVolumes()) {
        const QString root = nativeRoot(volume.rootPath());
        // Bind-mounted single files are no drives, and a folder mounted twice is listed once.
        if (!volume.isValid() || !volume.isReady() || !QFileInfo(root).isDir() ||
            roots.contains(root))
            continue;
        roots.append(root);
    }
    std::sort(roots.begin() + 1, roots.end());
#endif
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
    const QString native = QDir::toNativeSeparators(folder);
    QString best;
    for (const QString &root : drives()) {
        if (isBelow(native, root) && root.size() > best.size())
            best = root;
    }
    return best;
}

void DriveList::setDrives(const QStringList &roots)
{
    clear();
    for (const QString &root : roots) {
        QString caption = root;
#ifndef Q_OS_WIN
        const QStorageInfo volume(root);
        const QString name = volume.isValid() ? volume.name() : QString();
        if (!name.isEmpty() && root != QDir::rootPath())
            caption += QStringLiteral(" [%1]").arg(name);
#endif
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
