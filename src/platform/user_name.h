#pragma once

#include <QByteArray>
#include <QByteArrayView>

// The logged-on user's name as GBK bytes; empty when it cannot be read or would not fit the
// 50-byte buffer (49 bytes and the terminator) the name has always been read into.
QByteArray currentUserName();

// The length rule alone: name when it is at most 49 bytes, otherwise empty.
QByteArray fitUserName(QByteArrayView name);
