#pragma once

#include <QString>

#include <ostream>

// Failure messages show a QString as its text rather than as a list of UTF-16 code units.
inline void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}
