#pragma once

#include "config/options.h"
#include "gamefiles/pathfile.h"

#include <QMainWindow>

#include <optional>

class QPlainTextEdit;

namespace velmora::ui {
class TextMirror;
}

namespace velmora {

class OptionPages;

/// The main window: the option pages, the config box and the menu that shows, saves and clears
/// the config, resets the game folder and ends the program.
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

    QString gameFolder() const { return m_gameFolder; }

    /// The option pages, which own every control the generator reads.
    OptionPages *pages() const { return m_pages; }
    /// The options as the controls hold them now, as one run of the generator reads them.
    OptionSnapshot snapshot() const;

    /// The config box (`config`).
    QPlainTextEdit *configBox() const { return m_config; }
    /// The config box's text exactly as it stands, line breaks as '\n'.
    QString configText() const;

    /// What "Открыть..." does once the player has chosen `path`: the settings of the file go into
    /// the controls, its other lines into the box, and a message tells how many of each.
    void openConfigFile(const QString &path);

public Q_SLOTS:
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
    /// "В файле не указан путь!" in the language installed now.
    static QString noFolderText();
    void buildMenu();
    void buildClient();
    void GenerateConfig();
    void appendToConfig(const QString &text);
    /// Refuses in the free-text fields what the game's console cannot carry (index_rus_console).
    void attachConsoleFilters();
    /// After a Save that wrote autoexec.cfg: makes sure the game runs it after config.cfg, asking
    /// first (index_rus_console).
    void offerUserconfigChain(QByteArrayView savedBytes);
    /// After the import's count: asks whether to leave out of the box the carried lines (the
    /// import's text, one line feed after each) that look planted by a server (index_rus_console).
    void offerToDropPlantedLines(const QString &carried);
    /// Reads the path file again into the game folder, as Save does before it writes; false,
    /// the reason shown, when there is no folder to write into.
    bool rereadGameFolder();
    /// The game's cstrike folder, where the file dialogs open (index_rus_files).
    QString cstrikeFolder() const;
    /// The details part of the Save question: what Save changes in autoexec.cfg (index_rus_files).
    QString saveDetails(QByteArrayView bytes) const;
    /// The box's text as Save writes it (see autoexecBytes()), valid until the box changes.
    const QByteArray &boxBytes();
    /// Save's question, the write of autoexec.cfg with its backup, and the userconfig.cfg offer,
    /// for the box's `bytes`; "Сохранить как..." onto autoexec.cfg runs it too.
    void saveAutoexecAsked(const QByteArray &bytes);

    PathFileStore m_store;
    QString m_gameFolder;
    bool m_centred = false;

    OptionPages *m_pages = nullptr;
    QPlainTextEdit *m_config = nullptr;
    ui::TextMirror *m_configText = nullptr; ///< the box's text, kept for Show and Save
    QByteArray m_configBytes;               ///< the box's bytes, the storage reused
    /// Once a config was opened: the controls as Open or the last Show left them. Show leaves
    /// out the line of a control still so whose command the box already sets.
    std::optional<OptionSnapshot> m_settled;
};

} // namespace velmora
