#pragma once

#include <QString>

namespace tintara
{

// The system clipboard, behind a seam so that tests can read what was put there.
class Clipboard
{
public:
    virtual ~Clipboard() = default;
    // Empties the clipboard, then offers the text as plain text only.
    virtual void setText(const QString &text) = 0;
};

class SystemClipboard : public Clipboard
{
public:
    void setText(const QString &text) override;
};

} // namespace tintara
