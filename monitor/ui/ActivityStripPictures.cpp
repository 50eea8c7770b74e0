#include "monitor/ui/ActivityStripPictures.h"

#include "runtime/pictures/ColorCount.h"
#include "runtime/pictures/PictureModules.h"
#include "runtime/pictures/PictureSets.h"

#include <QPaintDevice>
#include <QPainter>

namespace velmar::monitor {

bool ActivityStripPictures::Load(int colorCount)
{
    m_colorCount = colorCount;
    return loadFor(1.0);
}

void ActivityStripPictures::Paint(QPainter& canvas, const ActivityLights& lights)
{
    if (const double ratio = canvas.device()->devicePixelRatio(); ratio != m_devicePixelRatio)
        loadFor(ratio);
    canvas.drawImage(QPointF(0, 0), m_off);
    for (std::size_t row = 0; row < kLightRows; ++row) {
        for (std::size_t channel = 0; channel < kChannelCount; ++channel) {
            if (!lights.Lit(row, channel))
                continue;
            const QRect light = ActivityRects[row][channel];
            canvas.drawImage(QRectF(light), m_on, QRectF(DeviceRect(light, m_devicePixelRatio)));
        }
    }
}

bool ActivityStripPictures::loadFor(double devicePixelRatio)
{
    const auto picture = [&](QStringView stem) {
        return LoadSetPicture(PictureName(stem, m_colorCount), devicePixelRatio, kMonitorPictures);
    };
    const auto off = picture(u"MonNeg");
    const auto on = picture(u"MonPos");
    if (!off || !on)
        return false;
    m_off = ScreenPicture(*off, off->DesignSize, devicePixelRatio);
    m_on = ScreenPicture(*on, on->DesignSize, devicePixelRatio);
    m_devicePixelRatio = devicePixelRatio;
    return true;
}

} // namespace velmar::monitor
