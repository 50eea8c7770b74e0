#pragma once

#include <QWidget>

#include <functional>

class QMouseEvent;
class QPainter;

namespace velmar::drums {

// A control that only draws and reports the mouse: its form binds handlers to it, as to a
// paint box. It never takes the keyboard focus, so every key reaches the form.
class PicturePanel : public QWidget {
public:
    using MouseHandler = std::function<void(QMouseEvent&)>;

    explicit PicturePanel(QWidget* parent);

    std::function<void(QPainter&)> OnPaint;
    MouseHandler OnMouseDown;
    MouseHandler OnMouseMove;
    MouseHandler OnMouseUp;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    // A double click is a second press.
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};

} // namespace velmar::drums
