#pragma once

#include <QList>
#include <QWidget>

class QLabel;

namespace tintara
{

class LabelButton;

// A window without the system's frame: a fixed client size laid out in twips,
// the program's own artwork as background, and the shared font and colours.
class FramelessForm : public QWidget
{
public:
    FramelessForm(const QString &objectName, const QString &caption, QSize clientSize);

    // The plates drawn behind the label buttons, in the order they were added.
    const QList<QRect> &plates() const { return plates_; }

protected:
    void paintEvent(QPaintEvent *event) override;

    // Controls are placed by their design rectangle in twips.
    QLabel *addLabel(const QString &name, const QString &text, QRect twips, QRgb colour);
    LabelButton *addLabelButton(const QString &name, const QString &caption, QRect twips);
    void place(QWidget *control, const QString &name, QRect twips);

    // For windows too small for the title band: the body in the plain
    // background colour.
    void usePlainBody();
    // A one-pixel frame, Line1 to Line4, along the top, left, right and
    // bottom edges of the client area.
    void addFrameLines();

private:
    QList<QRect> plates_;
    bool plainBody_ = false;
};

} // namespace tintara
