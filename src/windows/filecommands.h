#pragma once

#include "gamefiles/pathfile.h"

#include <QObject>

class QByteArrayView;

namespace velmora {

class ConfigBox;
class OptionPages;

/// The menu's commands on files: Save with its question, its backup and the userconfig.cfg offer,
/// Save as, Open, Restore, and the reset of the game folder they work in.
class FileCommands : public QObject
{
    Q_OBJECT

public:
    /// The commands write the text of `box`, Open sets the controls of `pages`, and the dialogs,
    /// questions and messages belong to `window`.
    FileCommands(PathFileStore store, ConfigBox *box, OptionPages *pages, QWidget *window);

    /// The game folder, as the path file named it at the load or at the last Save.
    QString gameFolder() const { return m_gameFolder; }
    /// Reads the game folder from the path file as the window loads. Empty when there is one;
    /// otherwise what to tell the player: why the file could not be read, or that it names none.
    QString loadGameFolder();

    void save();    ///< "Сохранить"
    void saveAs();  ///< "Сохранить как..."
    void open();    ///< "Открыть..."
    void restore(); ///< "Восстановить прежний autoexec.cfg"
    /// What "Открыть..." does once the player has chosen `path`: the settings of the file go into
    /// the controls, its other lines into the box, and a message tells how many of each.
    void openFile(const QString &path);
    /// "Обновить путь к папке с Half-Life": asks, then deletes the path file. True when the
    /// player said Yes: the program is to end then, whether the file went or not.
    bool resetGameFolder();

private:
    /// Reads the path file again into the game folder, as Save does before it writes; false,
    /// the reason shown, when there is no folder to write into.
    bool rereadGameFolder();
    /// The game folder the path file names now, else the one of the load; silent when the file
    /// cannot be read.
    QString currentGameFolder() const;
    /// The game's cstrike folder, where the file dialogs open.
    QString cstrikeFolder() const;
    /// Save's question, the write of autoexec.cfg with its backup, and the userconfig.cfg offer,
    /// for the box's `bytes`; "Сохранить как..." onto autoexec.cfg runs it too.
    void saveAutoexecAsked(const QByteArray &bytes);
    /// The details part of the Save question: what Save changes in autoexec.cfg.
    QString saveDetails(QByteArrayView bytes) const;
    /// After a Save that wrote autoexec.cfg: makes sure the game runs it after config.cfg, asking
    /// first.
    void offerUserconfigChain(QByteArrayView savedBytes);

    PathFileStore m_store;
    QString m_gameFolder;
    ConfigBox *m_box;
    OptionPages *m_pages;
    QWidget *m_window;
};

} // namespace velmora
