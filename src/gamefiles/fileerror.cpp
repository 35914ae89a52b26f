#include "gamefiles/fileerror.h"

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
    {ENOENT, "Файл или каталог не существует"},
    {EACCES, "Отказано в доступе"},
    {EPERM, "Операция не позволена"},
    {EISDIR, "Имя файла ссылается на каталог"},
    {ENOTDIR, "Часть пути не является каталогом"},
    {ENOSPC, "На устройстве не осталось свободного места"},
    {EDQUOT, "Превышена дисковая квота"},
    {EROFS, "Файловая система доступна только для чтения"},
    {ELOOP, "Слишком много уровней символьных ссылок"},
    {EFBIG, "Файл слишком велик"},
    {EIO, "Ошибка ввода-вывода"},
    {EMFILE, "Слишком много открытых файлов"},
    {ENFILE, "Слишком много открытых файлов в системе"},
    {ENAMETOOLONG, "Слишком длинное имя файла"},
    {EEXIST, "Файл существует"},
    {EBUSY, "Устройство или ресурс занято"},
    {ETXTBSY, "Текстовый файл занят"},
    {EXDEV, "Неверная ссылка между устройствами"},
    {EINVAL, "Недопустимый аргумент"},
    {ENOMEM, "Недостаточно памяти"},
    {ENXIO, "Нет такого устройства или адреса"},
    {ENODEV, "Нет такого устройства"},
    {EAGAIN, "Ресурс временно недоступен"},
    {EINTR, "Прерван системный вызов"},
    {ESTALE, "Устаревший дескриптор файла"},
};

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
        return QString::fromUtf8(text);
    return QStringLiteral("Системная ошибка номер %1").arg(error);
}

QString errorReasonOf(const QString &systemText, int error)
{
    // Qt words an error number with its own text for some errors and with the system's for the
    // rest; either may stand in the device's error text.
    for (const Reason &reason : kReasons) {
        if (systemText == qt_error_string(reason.error) ||
            systemText == QString::fromLocal8Bit(std::strerror(reason.error)))
            return QString::fromUtf8(reason.text);
    }
    if (const char *text = findReason(error))
        return QString::fromUtf8(text);
    return QStringLiteral("Системная ошибка (%1)").arg(systemText);
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
