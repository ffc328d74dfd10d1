#pragma once
// The clipboard, reached only through here.

#include <QImage>
#include <QString>

// Text goes with LF line ends, whatever ends its lines here.
void CopyTextToClipboard(const QString &text);
void CopyImageToClipboard(const QImage &image);
QString ClipboardText();
