// The floor of the start and memory figures: a QMainWindow holding a QPlainTextEdit, given the
// same text the real main window carries (UTF-8 file named on the command line, if any).

#include <QApplication>
#include <QFile>
#include <QMainWindow>
#include <QPlainTextEdit>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QMainWindow window;
    auto *edit = new QPlainTextEdit(&window);
    window.setCentralWidget(edit);
    if (argc >= 2) {
        QFile file(QString::fromLocal8Bit(argv[1]));
        if (file.open(QIODevice::ReadOnly))
            edit->setPlainText(QString::fromUtf8(file.readAll()));
    }
    window.show();
    return QApplication::exec();
}
