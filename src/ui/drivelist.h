#pragma once

#include <QComboBox>
#include <QStringList>

namespace velmora::ui {

/// The drive list of the folder chooser: a drop-down of the machine's drives, that is its ready
/// mounted volumes, the root "/" first. Each entry's value is the volume's root folder ("/",
/// "/media/usb").
///
/// Only the user's pick is announced (QComboBox::activated); moving the selection from code is
/// silent.
class DriveList : public QComboBox
{
    Q_OBJECT

public:
    explicit DriveList(QWidget *parent = nullptr);

    /// The machine's drives as the list offers them.
    static QStringList systemDrives();
    /// Empty when the drive can be used, otherwise why not, in the user's words.
    [[nodiscard]] static QString whyNotReady(const QString &root);
    /// The drive (one of the roots offered) that holds a folder: the longest root above it.
    QString driveOf(const QString &folder) const;

    /// Offers these roots instead of the system's drives.
    void setDrives(const QStringList &roots);
    QStringList drives() const;

    /// The chosen drive's root.
    QString drive() const;
    /// Selects the drive that holds this folder, without announcing it.
    void showDriveOf(const QString &folder);
};

} // namespace velmora::ui
