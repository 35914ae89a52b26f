#pragma once

#include "config/options.h"
#include "gamefiles/pathfile.h"

#include <QMainWindow>

class QPlainTextEdit;

namespace velmora {

class ConfigBox;
class FileCommands;
class OptionPages;

/// The main window: the option pages, the config box beside them and the menu. The menu's commands
/// on the box are ConfigBox's, those on files FileCommands'; the window loads and ends the program.
class IndexRus : public QMainWindow
{
    Q_OBJECT

public:
    explicit IndexRus(PathFileStore store, QWidget *parent = nullptr);
    ~IndexRus() override;

    /// Prepares the window before it is first shown: reads the game folder from the path file,
    /// sets the input limits, empties the config box and carries the binds and aliases of the
    /// game's config.cfg into it, then tells how many it found (or why it could not).
    void load();

    /// The game folder the file commands work in.
    QString gameFolder() const;

    /// The option pages, which own every control the generator reads.
    OptionPages *pages() const { return m_pages; }
    /// The options as the controls hold them now, as one run of the generator reads them.
    OptionSnapshot snapshot() const;

    /// The config box (`config`).
    QPlainTextEdit *configBox() const;
    /// The config box's text exactly as it stands, line breaks as '\n'.
    QString configText() const;

    /// What "Открыть..." does once the player has chosen `path`: the settings of the file go into
    /// the controls, its other lines into the box, and a message tells how many of each.
    void openConfigFile(const QString &path);

public Q_SLOTS:
    // The menu's commands.
    void showConfig();      ///< "Показать"
    void saveConfig();      ///< "Сохранить"
    void clearConfig();     ///< "Очистить"
    void openConfig();      ///< "Открыть..."
    void restoreConfig();   ///< "Восстановить прежний autoexec.cfg"
    void saveConfigAs();    ///< "Сохранить как..."
    void exitProgram();     ///< "Выход"
    void resetGameFolder(); ///< "Обновить путь к папке с Half-Life"

Q_SIGNALS:
    void aboutRequested();   ///< "О программе"
    void supportRequested(); ///< "Тех. поддержка"
    /// The user ended the program (Exit, the folder reset, the title bar's close button): it is to
    /// end at once, no window asked, nothing saved. The program start connects it.
    void quitRequested();

protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void buildMenu();
    void buildClient();
    /// Refuses in the free-text fields what the game's console cannot carry.
    void attachConsoleFilters();

    bool m_centred = false;

    OptionPages *m_pages = nullptr;
    ConfigBox *m_box = nullptr;
    FileCommands *m_files = nullptr;
};

} // namespace velmora
