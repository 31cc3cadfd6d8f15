#include "workspace/bar_look.h"

namespace tintara
{

QString barStyleSheet(QColor empty, QColor full)
{
    return QStringLiteral(R"(
QScrollBar:horizontal {
    height: 9px;
    margin: 0px;
    border: 1px solid #5f6d72;
    background: qlineargradient(x1: 0, y1: 0, x2: 1, y2: 0, stop: 0 %1, stop: 1 %2);
}
QScrollBar:horizontal:focus { border-color: #1f292d; }
QScrollBar::handle:horizontal {
    min-width: 6px;
    border: 1px solid #2b3539;
    border-radius: 1px;
    background: qlineargradient(x1: 0, y1: 0, x2: 0, y2: 1, stop: 0 #ffffff, stop: 1 #d3d9db);
}
QScrollBar::handle:horizontal:pressed { background: #b9c3c6; }
QScrollBar::add-line:horizontal, QScrollBar::sub-line:horizontal {
    width: 0px;
    border: none;
    background: none;
}
QScrollBar::add-page:horizontal, QScrollBar::sub-page:horizontal { background: none; }
)")
        .arg(empty.name(), full.name());
}

} // namespace tintara
