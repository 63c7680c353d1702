#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>

// A tip list is GBK text whose entries sit between CR LF pairs.
class TipList {
public:
    // Every piece before a CR LF is an entry, empty ones too; the piece after the last CR LF counts
    // only when it holds something, so a list may end its last line or not. A lone CR or LF stays
    // inside its entry. An empty text has no entries.
    static QList<QByteArray> entries(QByteArrayView text);
};
