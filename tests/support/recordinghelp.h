#pragma once
// A help system that records what was asked of it, installed for its lifetime
// in place of the help viewer.

#include "gui/common/help.h"

#include <QList>
#include <QString>
#include <QTest>

struct HelpRequest
{
    QString file;
    int context = 0; // 0: the topics (contents and index)
    bool operator==(const HelpRequest &o) const { return file == o.file && context == o.context; }
};

class RecordingHelp : public HelpSystem
{
public:
    RecordingHelp();
    ~RecordingHelp() override;
    RecordingHelp(const RecordingHelp &) = delete;
    RecordingHelp &operator=(const RecordingHelp &) = delete;

    void showTopics(const QString &helpFile) override;
    void showContext(const QString &helpFile, int context) override;

    QList<HelpRequest> requests;

private:
    HelpSystem *m_previous;
};

QT_BEGIN_NAMESPACE
namespace QTest {
template <>
inline char *toString(const HelpRequest &r)
{
    return qstrdup(qPrintable(QStringLiteral("%1 #%2").arg(r.file).arg(r.context)));
}
} // namespace QTest
QT_END_NAMESPACE
