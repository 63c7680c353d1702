#pragma once

#include <QString>

// The two attribute values the program uses on setting.ini: 7 (read-only, hidden, system) between
// runs and 6 (hidden, system, writable) during a run. On POSIX only the read-only part has a
// meaning: 7 clears every write bit, 6 gives the owner write permission back.
enum class FileAttributes { HiddenSystem = 6, ReadOnlyHiddenSystem = 7 };

bool setFileAttributes(const QString &path, FileAttributes attributes);

// True when the file exists and carries the read-only mark (no owner write bit). Checked by the
// program itself, because root may write a file whatever its permission bits say.
bool isMarkedReadOnly(const QString &path);
