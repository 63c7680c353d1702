#pragma once

#include <QByteArray>
#include <QList>

// Splits a Windows command line (the part after the program's own path) into arguments: a quoted
// argument runs to the next double quote and loses its quotes; an unquoted one runs up to the next
// byte below "!" or the next double quote; runs of blanks separate arguments. The trail byte of a
// double-byte GBK character is never taken for a separator.
QList<QByteArray> splitCommandLine(const QByteArray &line);
