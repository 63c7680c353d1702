#pragma once

#include <QByteArray>

// The one symmetric cipher of the program: RC4 keyed with the first five bytes of the MD5 digest
// of the key text (its GBK bytes), followed by eleven zero bytes, with a fresh keystream for every
// call. Encrypting and decrypting are the same operation; the output is as long as the input.
// .qmf documents use the key prefix followed by the password; the points total the prefix alone.
QByteArray encryptText(const QByteArray &plain, const QByteArray &keyText);
QByteArray decryptText(const QByteArray &cipher, const QByteArray &keyText);
