#pragma once

#include <QString>

class QPlainTextEdit;

// The editor's text as the program works with it: "\n" between paragraphs and every character as
// typed (no-break spaces stay; the widget's plain-text view would turn them into blanks). Saving,
// the shut-down comparison, the counts and the backup all read it through here.
QString editorText(const QPlainTextEdit &editor);
