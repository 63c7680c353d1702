#include "tip_list.h"

QList<QByteArray> TipList::entries(QByteArrayView text)
{
    QList<QByteArray> pieces;
    qsizetype start = 0;
    for (;;) {
        const qsizetype pair = text.indexOf(QByteArrayView("\r\n"), start);
        if (pair < 0)
            break;
        pieces.append(text.sliced(start, pair - start).toByteArray());
        start = pair + 2;
    }
    if (start < text.size())
        pieces.append(text.sliced(start).toByteArray());
    return pieces;
}
