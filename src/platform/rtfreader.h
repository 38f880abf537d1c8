#pragma once
// Our own RTF reader: Qt reads no RTF, and the help panes are fed from RTF files.
// It covers the subset the help texts use (paragraphs and alignment, bold, italic, underline,
// font table, sizes, colour table, \'hh and \u characters) and reads anything else best-effort:
// unknown words are dropped, destinations it cannot show are skipped, broken input never throws.
#include <QByteArray>
#include <QString>

class QTextDocument;

namespace zentrel::platform {

// Replaces the contents of doc with the RTF text. Returns false when the bytes do not start with
// "{\rtf" (after blanks or a UTF-8 mark); doc then holds them as plain text (UTF-8 when valid,
// else Windows-1252).
bool readRtf(const QByteArray& rtf, QTextDocument& doc);

// Reads the file and fills doc as readRtf does. Throws zentrel::IoError with the runtime's text
// ("File not found", "File access denied", ...) when the file cannot be read; doc is then untouched.
void loadRtfFile(const QString& path, QTextDocument& doc);

} // namespace zentrel::platform
