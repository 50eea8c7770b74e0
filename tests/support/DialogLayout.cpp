#include "tests/support/DialogLayout.h"

#include "runtime/ui/GroupBoxRoom.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <gtest/gtest.h>

namespace velmar::test {

namespace {

// A control and the edge around it never touch.
constexpr int kEdgeGap = 2;

std::string nameOf(const QWidget& widget)
{
    const QString caption =
        widget.property("text").toString() + widget.property("title").toString();
    return std::string(widget.metaObject()->className()) + " \"" + caption.toStdString() + '"';
}

// Where the controls of `parent` may go, in its own coordinates: inside the dialog, or
// inside a group box's frame and below its title as the style draws them.
QRect roomInside(const QWidget& parent)
{
    const auto* box = qobject_cast<const QGroupBox*>(&parent);
    if (box == nullptr)
        return parent.rect().adjusted(kEdgeGap, kEdgeGap, -kEdgeGap, -kEdgeGap);
    return GroupBoxRoom(*box);
}

bool isControl(const QWidget& widget)
{
    // Bare frames are drawn around other controls and may hold them.
    return !widget.isWindow() && widget.isVisible() &&
           QByteArrayView(widget.metaObject()->className()) != "QFrame";
}

void expectClear(const QWidget& parent)
{
    const QRect room = roomInside(parent);
    QList<QWidget*> controls;
    for (QWidget* child : parent.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (isControl(*child))
            controls.append(child);
    for (qsizetype i = 0; i < controls.size(); ++i) {
        const QRect shown = ShownPart(*controls[i]);
        EXPECT_TRUE(room.contains(shown))
            << nameOf(*controls[i]) << " at " << shown.x() << "," << shown.y() << " "
            << shown.width() << "x" << shown.height() << " leaves the room " << room.x() << ","
            << room.y() << " " << room.width() << "x" << room.height() << " of " << nameOf(parent);
        // Designs stack controls a pixel into each other, where neither draws anything.
        const QRect inner = shown.adjusted(1, 1, -1, -1);
        for (qsizetype j = i + 1; j < controls.size(); ++j)
            EXPECT_FALSE(inner.intersects(ShownPart(*controls[j]).adjusted(1, 1, -1, -1)))
                << nameOf(*controls[i]) << " and " << nameOf(*controls[j]) << " overlap";
    }
}

} // namespace

QRect ShownPart(const QWidget& control)
{
    QRect part = control.geometry();
    if (const auto* label = qobject_cast<const QLabel*>(&control); label && !label->wordWrap()) {
        const int width = std::min(part.width(), label->sizeHint().width());
        if (label->alignment() & Qt::AlignRight)
            part.setLeft(part.right() + 1 - width);
        else
            part.setWidth(width);
    } else if (label != nullptr) {
        part.setHeight(std::max(part.height(), label->heightForWidth(part.width())));
    } else if (qobject_cast<const QCheckBox*>(&control) != nullptr ||
               qobject_cast<const QRadioButton*>(&control) != nullptr) {
        part.setWidth(control.sizeHint().width());
    }
    return part;
}

void ExpectControlsClearOfEdges(const QWidget& dialog)
{
    expectClear(dialog);
    for (const QGroupBox* box : dialog.findChildren<QGroupBox*>())
        expectClear(*box);
}

} // namespace velmar::test
