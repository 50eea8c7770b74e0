#include "runtime/ui/GroupBoxRoom.h"

#include <QGroupBox>
#include <QStyle>
#include <QStyleOptionGroupBox>

#include <algorithm>

namespace velmar {

namespace {

QList<QWidget*> controlsOf(const QWidget& parent)
{
    QList<QWidget*> controls;
    for (QWidget* child : parent.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (!child->isWindow() && !child->isHidden())
            controls.append(child);
    return controls;
}

int lowestBottom(const QList<QWidget*>& controls)
{
    int bottom = 0;
    for (const QWidget* control : controls)
        bottom = std::max(bottom, control->geometry().bottom());
    return bottom;
}

void moveDown(QWidget& control, int by)
{
    control.move(control.x(), control.y() + by);
}

void resizeForm(QWidget& form, int height)
{
    // A dialog of fixed size would keep its old size and cut off what was moved down.
    if (form.minimumSize() == form.maximumSize())
        form.setFixedSize(form.width(), height);
    else
        form.resize(form.width(), height);
}

// Lengthens `box` by `by`, moving down what stands below it in its column.
void lengthen(QWidget& form, QGroupBox& box, int by)
{
    const QRect before = box.geometry();
    box.resize(box.width(), box.height() + by);
    for (QWidget* control : controlsOf(form)) {
        const QRect place = control->geometry();
        if (control != &box && place.top() > before.bottom() && place.left() <= before.right() &&
            place.right() >= before.left())
            moveDown(*control, by);
    }
}

} // namespace

QRect GroupBoxRoom(const QGroupBox& box)
{
    QStyleOptionGroupBox option;
    option.initFrom(&box);
    option.text = box.title();
    option.lineWidth = 1;
    option.midLineWidth = 0;
    option.textAlignment = box.alignment();
    option.features = box.isFlat() ? QStyleOptionFrame::Flat : QStyleOptionFrame::None;
    option.subControls = QStyle::SC_GroupBoxFrame;
    if (!box.title().isEmpty())
        option.subControls |= QStyle::SC_GroupBoxLabel;
    return box.style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxContents,
                                       &box);
}

void MakeRoomForGroupTitles(QWidget& form)
{
    const QList<QWidget*> formControls = controlsOf(form);
    const int bottomMargin = form.height() - lowestBottom(formControls);
    QList<QGroupBox*> boxes = form.findChildren<QGroupBox*>(Qt::FindDirectChildrenOnly);
    std::sort(boxes.begin(), boxes.end(),
              [](const QGroupBox* a, const QGroupBox* b) { return a->y() < b->y(); });
    for (QGroupBox* box : boxes) {
        const QList<QWidget*> controls = controlsOf(*box);
        if (controls.isEmpty())
            continue;
        int top = controls.constFirst()->y();
        for (const QWidget* control : controls)
            top = std::min(top, control->y());
        const int shift = std::max(0, GroupBoxRoom(*box).top() - top);
        for (QWidget* control : controls)
            moveDown(*control, shift);
        const int overflow = lowestBottom(controls) - GroupBoxRoom(*box).bottom();
        if (overflow > 0)
            lengthen(form, *box, overflow);
    }
    const int height = lowestBottom(formControls) + bottomMargin;
    if (height > form.height())
        resizeForm(form, height);
}

} // namespace velmar
