#include "gui/common/clipboard.h"

#include "gui/common/text.h"

#include <QClipboard>
#include <QGuiApplication>

void CopyTextToClipboard(const QString &text)
{
    QGuiApplication::clipboard()->setText(WithLineFeeds(text), QClipboard::Clipboard);
}

void CopyImageToClipboard(const QImage &image)
{
    QGuiApplication::clipboard()->setImage(image, QClipboard::Clipboard);
}

QString ClipboardText()
{
    return QGuiApplication::clipboard()->text(QClipboard::Clipboard);
}
