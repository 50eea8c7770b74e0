#pragma once

#include <QEvent>
#include <QObject>
#include <QPaintEvent>
#include <QRegion>
#include <QWidget>

namespace velmar::monitor::test {

// What a widget has repainted since it was watched or last forgotten, and how many times.
class Repaints : public QObject {
public:
    explicit Repaints(QWidget& widget) { widget.installEventFilter(this); }

    [[nodiscard]] const QRegion& region() const { return m_region; }
    void Forget() { m_region = {}; }

    int count = 0;

protected:
    bool eventFilter(QObject* /*watched*/, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            ++count;
            m_region += static_cast<QPaintEvent*>(event)->region();
        }
        return false;
    }

private:
    QRegion m_region;
};

} // namespace velmar::monitor::test
