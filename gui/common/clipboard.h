#pragma once
// The clipboard, reached only through here.

#include <QImage>
#include <QString>

void CopyTextToClipboard(const QString &text);
void CopyImageToClipboard(const QImage &image);
QString ClipboardText();
