#pragma once

#include <QStringList>

namespace tintara
{

// The captions the about window's title steps through, one per click: the
// program's name, who made it and how, where to reach its author, the
// people thanked, and last "close". No two are alike, so a caption alone
// tells where in the sequence the title is.
const QStringList &aboutCredits();

} // namespace tintara
