#pragma once

#include <QWidget>

class QPainter;

namespace velmar::monitor {

// A plain drawing area: its owner draws it when asked and hears its clicks.
class DrawingArea : public QWidget {
    Q_OBJECT

public:
    explicit DrawingArea(QWidget* parent);

Q_SIGNALS:
    // The box needs drawing; `canvas` is clipped to the part that changed.
    void OnPaint(QPainter& canvas);
    // A left button pressed and released over the box.
    void OnClick();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool m_pressed = false;
};

} // namespace velmar::monitor
