#pragma once

#include <QWidget>

namespace tintara
{

// The splash the program starts in: 262 x 75 pixels of artwork, above all
// other windows, closed only by a double-click. Closing it, by any path,
// emits unloaded() once.
class Introduction : public QWidget
{
    Q_OBJECT

public:
    Introduction();

signals:
    void unloaded();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    bool unloaded_ = false;
};

} // namespace tintara
