#include "monitor/ui/ActivityStripPictures.h"

#include "runtime/pictures/ColorCount.h"
#include "runtime/pictures/PictureModules.h"
#include "runtime/pictures/PictureSets.h"

#include <QPaintDevice>
#include <QPainter>

#include <algorithm>

namespace velmar::monitor {

bool ActivityStripPictures::Load(int colorCount)
{
    m_colorCount = colorCount;
    return loadFor(1.0, kActivityStripSize);
}

void ActivityStripPictures::Paint(QPainter& canvas, const ActivityLights& lights, QSize size)
{
    if (const double ratio = canvas.device()->devicePixelRatio();
        ratio != m_devicePixelRatio || size != m_size)
        loadFor(ratio, size);
    canvas.drawImage(QPointF(0, 0), m_off);
    for (std::size_t row = 0; row < kLightRows; ++row) {
        for (std::size_t channel = 0; channel < kChannelCount; ++channel) {
            if (!lights.Lit(row, channel))
                continue;
            const QRect light = LightOnStrip(ActivityRects[row][channel], m_size);
            canvas.drawImage(QRectF(light), m_on, QRectF(DeviceRect(light, m_devicePixelRatio)));
        }
    }
}

bool ActivityStripPictures::loadFor(double devicePixelRatio, QSize size)
{
    const double zoom = std::max(static_cast<double>(size.width()) / kActivityStripSize.width(),
                                 static_cast<double>(size.height()) / kActivityStripSize.height());
    const auto picture = [&](QStringView stem) {
        return LoadSetPicture(PictureName(stem, m_colorCount), devicePixelRatio * zoom,
                              kMonitorPictures);
    };
    const auto off = picture(u"MonNeg");
    const auto on = picture(u"MonPos");
    if (!off || !on)
        return false;
    m_off = ScreenPicture(*off, size, devicePixelRatio);
    m_on = ScreenPicture(*on, size, devicePixelRatio);
    m_devicePixelRatio = devicePixelRatio;
    m_size = size;
    return true;
}

} // namespace velmar::monitor
