#pragma once

#include <QColor>
#include <QString>

namespace tintara
{

// A slim scroll bar whose groove runs from dark to `full`, so each colour bar
// shows what it adds.
QString barStyleSheet(QColor empty, QColor full);

} // namespace tintara
