#include "line_counter.h"

int countLines(QByteArrayView text)
{
    if (text.isEmpty())
        return 0;
    const int lineFeeds = int(text.count('\n'));
    return text.back() == '\n' ? lineFeeds : lineFeeds + 1;
}
