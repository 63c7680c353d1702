#include "documents/editor_text.h"

#include <QPlainTextEdit>
#include <QTextDocument>

QString editorText(const QPlainTextEdit &editor)
{
    QString text = editor.document()->toRawText();
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    return text;
}
