#pragma once

#include <QByteArray>
#include <QString>

namespace pm {

// A file as the text editor shows it: Windows-1252 lines joined with "\n".
// A file holding a NUL byte is no text: it is shown read-only and never
// written back.
struct TextContent {
  QString text;
  bool isText = true;
};

TextContent DecodeTextFile(const QByteArray& bytes);

// The editor's text as file bytes: each line followed by CR LF; an empty
// text is an empty file. Lines that were not edited come back byte for byte.
// badLine (when given) gets the number, from 1, of the first line holding a
// character with no Windows-1252 byte, or 0; such a text must not be saved.
QByteArray EncodeTextFile(const QString& text, int* badLine = nullptr);

QString NotTextFileMessage(const QString& name);

}  // namespace pm
