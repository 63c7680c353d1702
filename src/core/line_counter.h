#pragma once

#include <QByteArrayView>

// Paragraphs of a text: the LF bytes, plus one when the text does not end with LF; 0 when empty.
// CR bytes are not counted, so a final CR LF adds no empty last line.
int countLines(QByteArrayView text);
