#pragma once
// Conversions between the core's text and QString, and the encodings of files.
//
// Every string between the core and the windows is UTF-8. Files keep their
// own encoding: those that are valid UTF-8 stay UTF-8, others are read and
// written in Windows-1252; the editor decides that per file with LooksLikeUtf8.
//
// LooksLikeUtf8 is true for text that is valid UTF-8 throughout and holds at
// least one multi-byte character; plain ASCII gives false, as it reads the same
// either way and so stays in the program's own set.

#include <QByteArray>
#include <QString>
#include <string>

QString FromCp1252(const QByteArray &bytes);
QByteArray ToCp1252(const QString &text); // characters outside the set become '?'
bool LooksLikeUtf8(const QByteArray &bytes);
// Text read from outside: UTF-8 when it looks like it, else Windows-1252.
QString DecodeText(const QByteArray &bytes);
// The text with every CR LF and every lone CR turned into LF.
QString WithLineFeeds(const QString &text);

// Core strings, which are UTF-8.
QString FromCore(const std::string &text);
std::string ToCore(const QString &text);
