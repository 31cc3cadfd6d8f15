#pragma once

#include <QKeySequence>
#include <QLabel>

namespace tintara
{

// A label that acts as a push button: underlined, its text darkened to a
// slate tone while any mouse button is held on it, and a left click (press
// and release on the label) emits clicked().
class LabelButton : public QLabel
{
    Q_OBJECT

public:
    LabelButton(const QString &caption, QWidget *parent);

    // Keys that click the label from anywhere in its window; its tooltip
    // names them, as the label itself has no room to.
    void setAccessKeys(const QList<QKeySequence> &keys);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
};

} // namespace tintara
