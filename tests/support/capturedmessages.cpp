#include "capturedmessages.h"

CapturedMessages::CapturedMessages()
    : m_previous(SetMessageHandler([this](const std::string &text) { m_texts.push_back(text); }))
{
}

CapturedMessages::~CapturedMessages()
{
    SetMessageHandler(m_previous);
}
