#pragma once

#include <QTreeWidget>

namespace velmora::ui {

/// The directory list of the folder chooser. It shows the folders on the way to the current folder,
/// the current folder itself, and the current folder's subfolders. Opening an entry (double-click,
/// or Enter) makes it the current folder. path() is always the current folder, never an entry
/// that is merely selected.
class DirectoryList : public QTreeWidget
{
    Q_OBJECT

public:
    /// Starts at the process's working folder.
    explicit DirectoryList(QWidget *parent = nullptr);

    /// The current folder in native form: "/" or "C:\" for a root, no trailing separator otherwise.
    QString path() const;
    /// Makes a folder current. Returns an empty string on success, otherwise why it could not be
    /// opened; the list then stays as it was.
    [[nodiscard]] QString setPath(const QString &folder);

    /// The folder an entry stands for.
    static QString folderOf(const QTreeWidgetItem *item);

Q_SIGNALS:
    void pathChanged(const QString &path);
    /// An entry the user opened could not be shown (removed meanwhile, or not readable).
    void openFailed(const QString &why);

protected:
    void drawBranches(QPainter *painter, const QRect &rect,
                      const QModelIndex &index) const override;

private:
    void openItem(QTreeWidgetItem *item);

    QString m_path;
};

} // namespace velmora::ui
