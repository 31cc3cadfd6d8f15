#pragma once

#include <string>

namespace tintara
{

// The system clipboard, behind a seam so that tests can read what was put there.
class Clipboard
{
public:
    virtual ~Clipboard() = default;
    // Empties the clipboard, then offers the UTF-8 text as plain text only.
    virtual void setText(const std::string &text) = 0;
};

class SystemClipboard : public Clipboard
{
public:
    void setText(const std::string &text) override;
};

} // namespace tintara
