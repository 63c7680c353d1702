#pragma once

#include <QList>
#include <QString>
#include <QUrl>

// Where each link control of the settings page leads, by the control's objectName. The addresses
// are fixed: a button only hands its address to the desktop's handler for the scheme.
class LinkAddresses {
public:
    struct Link {
        QString control;
        QUrl address;
    };

    static inline const QString kMailControl = QStringLiteral("超级链接框1");
    static inline const QString kChatControl = QStringLiteral("联系作者按钮");

    // Every link control, online tools first, then the makers' own pages, the chat and the mail.
    static const QList<Link> &all();
    // The address of one control; an empty QUrl for a name that is no link.
    static QUrl addressOf(QStringView control);
};
