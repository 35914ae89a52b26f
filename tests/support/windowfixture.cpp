#include "windowfixture.h"

#include "ui/messagebox.h"
#include "ui/tone.h"

#include <QDir>
#include <QPlainTextEdit>

GameFolders::GameFolders()
{
    QDir(root.path()).mkpath(QStringLiteral("program"));
    QDir(root.path()).mkpath(QStringLiteral("user"));
    QDir(root.path()).mkpath(QStringLiteral("game/cstrike"));
    writePathFile(gameFolder());
    writeBytes(userconfigCfg(), "exec autoexec.cfg\r\n");
}

void GameFolders::writePathFile(const QString &folder) const
{
    writeBytes(pathFile(), folder.toUtf8() + "\r\n");
}

void resetSeams()
{
    DialogHand::watchDialogs();
    velmora::ui::MessageBox::setNextAnswers({});
    velmora::ui::MessageBox::clearHistory();
    velmora::ui::Tone::setPlayer([](int, int) {});
    velmora::ui::Tone::resetCount();
}

std::unique_ptr<velmora::IndexRus> loadedWindow(const GameFolders &folders)
{
    auto window = std::make_unique<velmora::IndexRus>(folders.store());
    velmora::ui::MessageBox::setNextAnswers({velmora::ui::Answer::Ok});
    window->load();
    return window;
}

QPlainTextEdit *configBox(const QWidget *window)
{
    return window->findChild<QPlainTextEdit *>(QStringLiteral("config"));
}

std::unique_ptr<NextDialog> whenCrosshairOpens(std::function<void(QDialog *)> work,
                                               const char *button)
{
    const QByteArray name(button); // the caller's text may be gone by the time the dialog opens
    return std::make_unique<NextDialog>(
        [work = std::move(work), name](QDialog *dialog) {
            work(dialog);
            if (!name.isEmpty())
                dialog->findChild<QPushButton *>(QLatin1StringView(name))->click();
            else
                QTest::keyClick(dialog, Qt::Key_Escape);
        },
        QStringLiteral("crosshair"));
}
