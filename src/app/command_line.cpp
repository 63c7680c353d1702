#include "app/command_line.h"

namespace {
bool isLeadByte(unsigned char c)
{
    return c >= 0x81 && c <= 0xFE;
}
}  // namespace

QList<QByteArray> splitCommandLine(const QByteArray &line)
{
    QList<QByteArray> arguments;
    qsizetype i = 0;
    const qsizetype n = line.size();
    while (i < n) {
        const auto c = static_cast<unsigned char>(line.at(i));
        if (c < '!') {
            ++i;
            continue;
        }
        QByteArray argument;
        if (c == '"') {
            ++i;
            while (i < n && line.at(i) != '"') {
                const bool pair = isLeadByte(static_cast<unsigned char>(line.at(i))) && i + 1 < n;
                argument += line.mid(i, pair ? 2 : 1);
                i += pair ? 2 : 1;
            }
            ++i;  // the closing quote
        } else {
            while (i < n) {
                const auto b = static_cast<unsigned char>(line.at(i));
                if (b < '!' || b == '"')
                    break;
                const bool pair = isLeadByte(b) && i + 1 < n;
                argument += line.mid(i, pair ? 2 : 1);
                i += pair ? 2 : 1;
            }
        }
        arguments.append(argument);
    }
    return arguments;
}
