#include "points/points_ledger.h"

#include "documents/text_cipher.h"
#include "settings/setting_keys.h"

#include <algorithm>
#include <limits>
#include <optional>

namespace {

// Escaped form: a marker byte followed by the cipher bytes in lower-case hexadecimal. After the
// marker the text holds only ASCII letters and digits, so no blank, quote, CR, LF or zero byte is
// left for the INI line to lose.
//
// Telling the two forms apart: every plain value the ledger writes decrypts to a number ("-" or a
// digit, then digits), so the loader takes a value that does as plain, and only a value that does
// not is tried as an escape. The marker is picked so that an escaped value never decrypts to a
// number: its first byte decrypts to marker XOR the first keystream byte, and of "#" and "~" at
// most one can land on "-" or a digit (the two differ by 0x5d, while "-" and the digits differ
// from each other by less than 0x20). Under the key prefix the first keystream byte is 0x8c, so
// "#" is the marker; with that key no total of 32 bits even needs the escape, which stays for
// any value the line could not carry under another key.
constexpr char kMarkers[] = {'#', '~'};

bool isBlankOrQuote(char c)
{
    return c == ' ' || c == '\t' || c == '"' || c == '\'';
}

// Whether the INI line would give back other bytes than these: the store refuses zero, CR and LF,
// and reading trims blanks and tabs at both ends and removes a pair of surrounding quotes. Any
// quote at either end is escaped, not only a matching pair, so that no reader's quote rule can
// touch the value.
bool needsEscape(const QByteArray &cipher)
{
    if (cipher.contains('\0') || cipher.contains('\r') || cipher.contains('\n'))
        return true;
    return !cipher.isEmpty() && (isBlankOrQuote(cipher.front()) || isBlankOrQuote(cipher.back()));
}

// "-" or nothing, then one or more digits, and nothing else: what the ledger encrypts.
bool isDecimalText(const QByteArray &text)
{
    const qsizetype start = text.startsWith('-') ? 1 : 0;
    if (text.size() <= start)
        return false;
    return std::all_of(text.cbegin() + start, text.cend(), [](char c) { return c >= '0' && c <= '9'; });
}

bool isLowerHex(char c)
{
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f');
}

bool startsNumber(char c)
{
    return c == '-' || (c >= '0' && c <= '9');
}

char markerFor(const QByteArray &keyText)
{
    const char first = kMarkers[0];
    return startsNumber(decryptText(QByteArray(1, first), keyText).at(0)) ? kMarkers[1] : first;
}

// The cipher bytes of an escaped value, or nothing when the value is not one.
std::optional<QByteArray> unescape(const QByteArray &value)
{
    if (value.size() < 3 || (value.front() != kMarkers[0] && value.front() != kMarkers[1])
        || (value.size() - 1) % 2 != 0)
        return std::nullopt;
    if (!std::all_of(value.cbegin() + 1, value.cend(), isLowerHex))
        return std::nullopt;
    return QByteArray::fromHex(value.mid(1));
}

}  // namespace

PointsLedger::PointsLedger(AppPaths paths, QByteArray keyText)
    : settings_(std::move(paths))
    , keyText_(std::move(keyText))
{
}

qint32 PointsLedger::loadPointsTotal() const
{
    return totalFromStoredForm(settings_.read(SettingSection::running, SettingKey::pointsStored), keyText_);
}

bool PointsLedger::storePointsTotal(qint32 total) const
{
    return settings_.write(SettingSection::running, SettingKey::pointsStored, storedForm(total, keyText_));
}

QString PointsLedger::pointsLabelText(qint32 total)
{
    return QStringLiteral("当前积分： ") + QString::number(total);
}

qint32 PointsLedger::addReward(qint32 total, int reward)
{
    const qint64 sum = qint64(total) + reward;
    return qint32(std::clamp<qint64>(sum, std::numeric_limits<qint32>::min(), std::numeric_limits<qint32>::max()));
}

QByteArray PointsLedger::storedForm(qint32 total, const QByteArray &keyText)
{
    const QByteArray cipher = encryptText(QByteArray::number(total), keyText);
    if (!needsEscape(cipher))
        return cipher;
    return markerFor(keyText) + cipher.toHex();
}

qint32 PointsLedger::totalFromStoredForm(const QByteArray &value, const QByteArray &keyText)
{
    const QByteArray plain = decryptText(value, keyText);
    if (!isDecimalText(plain)) {
        if (const auto cipher = unescape(value)) {
            // An escape counts only when it holds a number; anything else is read the plain way.
            if (const QByteArray unescaped = decryptText(*cipher, keyText); isDecimalText(unescaped))
                return atoiValue(unescaped);
        }
    }
    return atoiValue(plain);
}
