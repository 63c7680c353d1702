#pragma once

#include <QByteArray>

// The two tip lists shipped with the program, as GBK text with CR LF between lines.
class TipCatalog {
public:
    enum class List { GeographyHistory = 0, Sayings = 1 };

    // The list's text, or an empty text if the compiled-in copy were missing.
    static QByteArray text(List list);
};
