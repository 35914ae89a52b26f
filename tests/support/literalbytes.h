#pragma once

#include <QByteArray>

/// The bytes of a literal, NUL bytes included, without the terminating one.
template<qsizetype N>
QByteArray bytes(const char (&literal)[N])
{
    return QByteArray(literal, N - 1);
}
