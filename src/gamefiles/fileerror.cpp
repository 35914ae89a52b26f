#include "gamefiles/fileerror.h"

#include <QCoreApplication>
#include <QDir>

#include <cerrno>
#include <cstring>

namespace velmora {

namespace {

struct Reason
{
    int error;
    const char *text;
};

// The errors a file of the game or dir.vlm can meet, in the words of the Russian system messages.
const Reason kReasons[] = {
    {ENOENT, QT_TRANSLATE_NOOP("FileError", "Файл или каталог не существует")},
    {EACCES, QT_TRANSLATE_NOOP("FileError", "Отказано в доступе")},
    {EPERM, QT_TRANSLATE_NOOP("FileError", "Операция не позволена")},
    {EISDIR, QT_TRANSLATE_NOOP("FileError", "Имя файла ссылается на каталог")},
    {ENOTDIR, QT_TRANSLATE_NOOP("FileError", "Часть пути не является каталогом")},
    {ENOSPC, QT_TRANSLATE_NOOP("FileError", "На устройстве не осталось свободного места")},
    {EDQUOT, QT_TRANSLATE_NOOP("FileError", "Превышена дисковая квота")},
    {EROFS, QT_TRANSLATE_NOOP("FileError", "Файловая система доступна только для чтения")},
    {ELOOP, QT_TRANSLATE_NOOP("FileError", "Слишком много уровней символьных ссылок")},
    {EFBIG, QT_TRANSLATE_NOOP("FileError", "Файл слишком велик")},
    {EIO, QT_TRANSLATE_NOOP("FileError", "Ошибка ввода-вывода")},
    {EMFILE, QT_TRANSLATE_NOOP("FileError", "Слишком много открытых файлов")},
    {ENFILE, QT_TRANSLATE_NOOP("FileError", "Слишком много открытых файлов в системе")},
    {ENAMETOOLONG, QT_TRANSLATE_NOOP("FileError", "Слишком длинное имя файла")},
    {EEXIST, QT_TRANSLATE_NOOP("FileError", "Файл существует")},
    {EBUSY, QT_TRANSLATE_NOOP("FileError", "Устройство или ресурс занято")},
    {ETXTBSY, QT_TRANSLATE_NOOP("FileError", "Текстовый файл занят")},
    {EXDEV, QT_TRANSLATE_NOOP("FileError", "Неверная ссылка между устройствами")},
    {EINVAL, QT_TRANSLATE_NOOP("FileError", "Недопустимый аргумент")},
    {ENOMEM, QT_TRANSLATE_NOOP("FileError", "Недостаточно памяти")},
    {ENXIO, QT_TRANSLATE_NOOP("FileError", "Нет такого устройства или адреса")},
    {ENODEV, QT_TRANSLATE_NOOP("FileError", "Нет такого устройства")},
    {EAGAIN, QT_TRANSLATE_NOOP("FileError", "Ресурс временно недоступен")},
    {EINTR, QT_TRANSLATE_NOOP("FileError", "Прерван системный вызов")},
    {ESTALE, QT_TRANSLATE_NOOP("FileError", "Устаревший дескриптор файла")},
};

QString reasonText(const char *text)
{
    return QCoreApplication::translate("FileError", text);
}

const char *findReason(int error)
{
    for (const Reason &reason : kReasons) {
        if (reason.error == error)
            return reason.text;
    }
    return nullptr;
}

} // namespace

QString errorReason(int error)
{
    if (const char *text = findReason(error))
        return reasonText(text);
    return QCoreApplication::translate("FileError", "Системная ошибка номер %1").arg(error);
}

QString errorReasonOf(const QString &systemText, int error)
{
    // Qt words an error number with its own text for some errors and with the system's for the
    // rest; either may stand in the device's error text.
    for (const Reason &reason : kReasons) {
        if (systemText == qt_error_string(reason.error) ||
            systemText == QString::fromLocal8Bit(std::strerror(reason.error)))
            return reasonText(reason.text);
    }
    if (const char *text = findReason(error))
        return reasonText(text);
    return QCoreApplication::translate("FileError", "Системная ошибка (%1)").arg(systemText);
}

QString fileErrorText(const QString &reason, const QString &path)
{
    return QStringLiteral("%1: %2").arg(reason, QDir::toNativeSeparators(path));
}

QString fileError(const QString &path, int error)
{
    return fileErrorText(errorReason(error), path);
}

} // namespace velmora
