#pragma once

#include "config/options.h"
#include "gamefiles/pathfile.h"

#include <QMainWindow>

#include <functional>

class QComboBox;
class QCheckBox;
class QGroupBox;
class QLineEdit;
class QPlainTextEdit;
class QTimer;

namespace velmora {

namespace ui {
class DigitKeyFilter;
class Slider;
class TabControl;
} // namespace ui

/// The main window: the option pages, the config box and the menu that shows, saves and clears
/// the config, resets the game folder and ends the program.
class IndexRus : public QMainWindow
{
    Q_OBJECT

public:
    /// How the program ends when the user asks it to (Exit, the folder reset, the title bar's close
    /// button): at once, no window asked, nothing saved.
    using QuitHandler = std::function<void()>;

    explicit IndexRus(PathFileStore store, QWidget *parent = nullptr);
    ~IndexRus() override;

    /// Prepares the window before it is first shown: reads the game folder from the path file,
    /// sets the input limits, empties the config box and carries the binds and aliases of the
    /// game's config.cfg into it, then tells how many it found (or why it could not).
    void load();

    QString gameFolder() const { return m_gameFolder; }

    /// The options as the controls hold them now, as one run of the generator reads them.
    OptionSnapshot snapshot() const;

    /// The config box's text exactly as it stands, line breaks as '\n'.
    QString configText() const;

    /// Replaces the way the program ends; an empty handler brings back the default, which leaves
    /// the application's event loop.
    static void setQuitHandler(QuitHandler handler);

public Q_SLOTS:
    void showConfig();      ///< "Показать"
    void saveConfig();      ///< "Сохранить"
    void clearConfig();     ///< "Очистить"
    void exitProgram();     ///< "Выход"
    void resetGameFolder(); ///< "Обновить путь к папке с Half-Life"

Q_SIGNALS:
    void aboutRequested();   ///< "О программе"
    void supportRequested(); ///< "Тех. поддержка"

protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void buildMenu();
    void buildPages();
    void GenerateConfig();
    void appendToConfig(const QString &text);
    void updateBotExtras();
    void endProgram();

    PathFileStore m_store;
    QString m_gameFolder;
    bool m_centred = false;

    ui::TabControl *m_tabs = nullptr;
    QPlainTextEdit *m_config = nullptr;
    QComboBox *m_combo = nullptr;
    QLineEdit *m_texts[kTextCount] = {};
    ui::Slider *m_sliders[kSliderCount] = {};
    QCheckBox *m_checks[kCheckCount] = {};
    QCheckBox *m_pod = nullptr;
    QGroupBox *m_botExtras = nullptr;
    QTimer *m_timer = nullptr;
    ui::DigitKeyFilter *m_digitFilter = nullptr;
};

/// The window's name in the program's own vocabulary.
using index_rus = IndexRus;

} // namespace velmora
