#pragma once
// Records every message the core shows while an instance is alive, so a test
// can check the exact texts and their order without a person pressing OK.

#include "numeric/messages.h"

#include <string>
#include <vector>

class CapturedMessages
{
public:
    CapturedMessages();
    ~CapturedMessages();
    CapturedMessages(const CapturedMessages &) = delete;
    CapturedMessages &operator=(const CapturedMessages &) = delete;

    const std::vector<std::string> &texts() const { return m_texts; }
    void clear() { m_texts.clear(); }

private:
    std::vector<std::string> m_texts;
    MessageHandler m_previous;
};
