#pragma once
// Conversions between the core's 8-bit text and QString.
//
// The core works in the program's 8-bit character set, Windows-1252 (so the
// report's "±" is the byte 0xB1). Files that are valid UTF-8 stay UTF-8; the
// editor decides that per file with LooksLikeUtf8.
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

// Shorthands for core strings.
QString FromCore(const std::string &text);
std::string ToCore(const QString &text);
