#include "tests/monitor/DialogTestSupport.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace velmar::monitor::test {

namespace {

QString& grabDirectory()
{
    static QString directory = QDir::currentPath();
    return directory;
}

// The width a control needs for its caption.
int neededWidth(const QWidget& widget)
{
    const QFontMetrics metrics = widget.fontMetrics();
    if (const auto* label = qobject_cast<const QLabel*>(&widget))
        return metrics.horizontalAdvance(label->text());
    if (const auto* box = qobject_cast<const QGroupBox*>(&widget))
        return metrics.horizontalAdvance(box->title()) + 16;
    if (qobject_cast<const QCheckBox*>(&widget) != nullptr ||
        qobject_cast<const QRadioButton*>(&widget) != nullptr)
        return widget.sizeHint().width();
    if (const auto* button = qobject_cast<const QPushButton*>(&widget))
        return metrics.horizontalAdvance(button->text()) + 4;
    return 0;
}

// Frames drawn around other controls may hold them.
bool isBareFrame(const QWidget& widget)
{
    return QByteArrayView(widget.metaObject()->className()) == "QFrame";
}

// The part of a control that shows: a label only as wide as its text. Designs let
// neighbours touch by a pixel, so the edges do not count.
QRect shownPart(const QWidget& widget)
{
    QRect part = widget.geometry();
    if (const auto* label = qobject_cast<const QLabel*>(&widget))
        part.setWidth(label->fontMetrics().horizontalAdvance(label->text()));
    return part.adjusted(1, 1, -1, -1);
}

void expectNoOverlap(const QWidget& parent)
{
    const QList<QWidget*> children = parent.findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (qsizetype i = 0; i < children.size(); ++i) {
        for (qsizetype j = i + 1; j < children.size(); ++j) {
            const QWidget& a = *children[i];
            const QWidget& b = *children[j];
            if (a.isWindow() || b.isWindow() || isBareFrame(a) || isBareFrame(b))
                continue;
            EXPECT_FALSE(shownPart(a).intersects(shownPart(b)))
                << a.objectName().toStdString() << a.metaObject()->className() << " and "
                << b.metaObject()->className() << " overlap in "
                << parent.metaObject()->className();
        }
    }
}

} // namespace

void SetGrabDirectory(const QString& directory)
{
    grabDirectory() = directory;
}

void ExpectDesignedLayout(QWidget& form, const QString& name)
{
    form.show();
    QCoreApplication::processEvents();
    for (const QWidget* widget : form.findChildren<QWidget*>()) {
        const int needed = neededWidth(*widget);
        EXPECT_LE(needed, widget->width())
            << widget->metaObject()->className() << " \""
            << widget->property("text").toString().toStdString()
            << widget->property("title").toString().toStdString() << "\" is cut off";
    }
    expectNoOverlap(form);
    for (const QGroupBox* box : form.findChildren<QGroupBox*>())
        expectNoOverlap(*box);
    EXPECT_TRUE(form.grab().save(QDir(grabDirectory()).filePath(name + QStringLiteral(".png"))));
    form.hide();
}

} // namespace velmar::monitor::test
