#include "documents/cipher_tool_command.h"

#include "core/atomic_file.h"
#include "core/gbk_codec.h"
#include "core/session_state.h"
#include "documents/text_cipher.h"

#include <optional>

namespace {

struct CipherArguments {
    QString password;
    QString input;
    QString output;
};

std::optional<CipherArguments> parseArguments(const QStringList &args)
{
    CipherArguments parsed;
    bool passwordGiven = false;
    QStringList files;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString &arg = args.at(i);
        if (arg == QLatin1String("-p")) {
            if (passwordGiven || i + 1 >= args.size())
                return std::nullopt;
            passwordGiven = true;
            parsed.password = args.at(++i);
        } else if (arg.startsWith(u'-') && arg.size() > 1) {
            return std::nullopt;  // no other options; "-" alone is taken as a file name
        } else {
            files << arg;
        }
    }
    if (files.size() != 2)
        return std::nullopt;
    parsed.input = files.at(0);
    parsed.output = files.at(1);
    return parsed;
}

using Transform = QByteArray (*)(const QByteArray &, const QByteArray &);

int runCipher(const ToolCommand &command, Transform transform, const QStringList &args, QTextStream &err)
{
    const std::optional<CipherArguments> parsed = parseArguments(args);
    if (!parsed) {
        // The usage line without its description.
        err << "usage: penmoor-tool " << QString::fromLatin1(command.usage).section(QLatin1String("   "), 0, 0) << '\n';
        return 2;
    }
    if (!GbkCodec::fitsGbk(parsed->password)) {
        err << "penmoor-tool " << command.name << ": the password holds characters that GBK cannot encode\n";
        return 1;
    }
    const std::optional<QByteArray> input = readWholeFile(parsed->input);
    if (!input) {
        err << "penmoor-tool " << command.name << ": cannot read " << parsed->input << '\n';
        return 1;
    }
    SessionState session;
    session.documentPassword = GbkCodec::encode(parsed->password);
    const QByteArray output = transform(*input, session.documentKey());
    const FileWriteResult written = writeFileAtomically(parsed->output, output);
    if (!written.ok) {
        err << "penmoor-tool " << command.name << ": cannot write " << parsed->output << ": " << written.error
            << '\n';
        return 1;
    }
    return 0;
}

}  // namespace

int runEncryptCommand(const QStringList &args, QTextStream &, QTextStream &err)
{
    return runCipher(kEncryptToolCommand, &encryptText, args, err);
}

int runDecryptCommand(const QStringList &args, QTextStream &, QTextStream &err)
{
    return runCipher(kDecryptToolCommand, &decryptText, args, err);
}
