#pragma once

#include "app/tool_command.h"

// penmoor-tool encrypt/decrypt: the .qmf cipher for batch work. The password is given in the
// terminal's encoding and keyed as its GBK bytes after the key prefix, exactly as the program keys
// a document; no -p means the empty password. decrypt writes every deciphered byte, so
// encrypt followed by decrypt gives back any file whole.
int runEncryptCommand(const QStringList &args, QTextStream &out, QTextStream &err);
int runDecryptCommand(const QStringList &args, QTextStream &out, QTextStream &err);

inline constexpr ToolCommand kEncryptToolCommand{
    "encrypt", "encrypt [-p PASSWORD] INPUT OUTPUT   encrypt a file as a .qmf document", &runEncryptCommand};
inline constexpr ToolCommand kDecryptToolCommand{
    "decrypt", "decrypt [-p PASSWORD] INPUT OUTPUT   decrypt a .qmf document", &runDecryptCommand};
