#include "documents/text_cipher.h"

#include <nettle/arcfour.h>
#include <nettle/md5.h>

#include <array>

namespace {

QByteArray applyKeystream(const QByteArray &input, const QByteArray &keyText)
{
    if (input.isEmpty())
        return {};
    std::array<uint8_t, MD5_DIGEST_SIZE> digest{};
    md5_ctx hash;
    md5_init(&hash);
    md5_update(&hash, size_t(keyText.size()), reinterpret_cast<const uint8_t *>(keyText.constData()));
    md5_digest(&hash, digest.size(), digest.data());

    // A 40-bit key padded with an 11-byte zero salt.
    std::array<uint8_t, 16> key{};
    std::copy_n(digest.begin(), 5, key.begin());
    arcfour_ctx rc4;
    arcfour_set_key(&rc4, key.size(), key.data());

    QByteArray output(input.size(), Qt::Uninitialized);
    arcfour_crypt(&rc4, size_t(input.size()), reinterpret_cast<uint8_t *>(output.data()),
                  reinterpret_cast<const uint8_t *>(input.constData()));
    return output;
}

}  // namespace

QByteArray encryptText(const QByteArray &plain, const QByteArray &keyText)
{
    return applyKeystream(plain, keyText);
}

QByteArray decryptText(const QByteArray &cipher, const QByteArray &keyText)
{
    return applyKeystream(cipher, keyText);
}
