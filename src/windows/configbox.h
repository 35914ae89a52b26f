#pragma once

#include "config/options.h"

#include <QObject>

#include <optional>

class QPlainTextEdit;

namespace velmora::ui {
class TextMirror;
}

namespace velmora {

class OptionPages;

/// The config box (`config`) and what goes into it: the binds and aliases carried over from the
/// game's config.cfg, the lines Show appends for the controls, the lines an opened config leaves;
/// and its text as Save and the crosshair dialog read it.
class ConfigBox : public QObject
{
    Q_OBJECT

public:
    /// The box stands in `client`; it reads the controls of `pages`, and its questions and
    /// messages belong to `window`.
    ConfigBox(QWidget *client, OptionPages *pages, QWidget *window);

    QPlainTextEdit *edit() const { return m_edit; }
    /// The box's text exactly as it stands, line breaks as '\n'.
    QString text() const;
    /// The box's text as Save writes it (see autoexecBytes()), valid until the box changes.
    const QByteArray &bytes();

    /// Puts the binds and aliases of config.cfg in `gameFolder` in place of the box's text, tells
    /// how many it found (or why it could not), and offers to leave out those a server planted.
    void carryFromGame(const QString &gameFolder);
    /// What Open leaves: the file's `otherLines` in place of the box's text, as one edit. Show
    /// then leaves to them a setting of a control that still holds what it holds in `settled`.
    void holdOpened(const QStringList &otherLines, const OptionSnapshot &settled);

    void showConfig();  ///< "Показать": asks, then appends the controls' lines
    void clearConfig(); ///< "Очистить": asks, then empties the box

private:
    void generateConfig();
    void append(const QString &text);
    /// After the import's count: asks whether to leave out of the box the carried lines (the
    /// import's text, one line feed after each) that look planted by a server.
    void offerToDropPlantedLines(const QString &carried);

    OptionPages *m_pages;
    QWidget *m_window;
    QPlainTextEdit *m_edit;
    ui::TextMirror *m_mirror; ///< the box's text, kept for Show and Save
    QByteArray m_bytes;       ///< the box's bytes, the storage reused
    /// Once a config was opened: the controls as Open or the last Show left them. Show leaves
    /// out the line of a control still so whose command the box already sets.
    std::optional<OptionSnapshot> m_settled;
};

} // namespace velmora
