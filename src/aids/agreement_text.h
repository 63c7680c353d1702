#pragma once

#include <QByteArray>
#include <QString>

// The terms of use shown in the agreement window. The text is compiled into the program; it is
// handed out with CR LF line breaks, one CR LF after each of its lines, like every text we show.
class AgreementText {
public:
    static QString text();
    // The same text as code-page-936 bytes.
    static QByteArray bytes();
};
