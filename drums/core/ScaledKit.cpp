#include "drums/core/ScaledKit.h"

#include "drums/core/KitTable.h"
#include "drums/core/RoundHalfEven.h"

namespace velmar::drums {

ScaledKit::ScaledKit()
{
    Rescale(1.0);
}

void ScaledKit::Rescale(double scale)
{
    m_scale = scale;
    for (int index = 0; index < kInstrumentCount; ++index) {
        m_lit[index] = Scaled(KitRow(index).LitRect);
        m_hit[index] = Scaled(KitRow(index).HitRect);
        m_cover[index] = Scaled(KitRow(index).CoverRect);
    }
}

QRect ScaledKit::Scaled(const KitRect& rect) const
{
    const int left = RoundHalfEven(rect.Left * m_scale);
    const int top = RoundHalfEven(rect.Top * m_scale);
    const int right = RoundHalfEven(rect.Right * m_scale);
    const int bottom = RoundHalfEven(rect.Bottom * m_scale);
    return {QPoint(left, top), QPoint(right - 1, bottom - 1)};
}

const QRect& ScaledKit::LitRect(int index) const
{
    return m_lit[index];
}

const QRect& ScaledKit::HitRect(int index) const
{
    return m_hit[index];
}

const QRect& ScaledKit::CoverRect(int index) const
{
    return m_cover[index];
}

std::optional<int> ScaledKit::InstrumentAt(QPoint point) const
{
    for (int index = 0; index < kInstrumentCount; ++index) {
        const QRect& hit = m_hit[index];
        // QRect's right() and bottom() are the last pixels inside.
        if (point.x() >= hit.left() && point.x() <= hit.right() && point.y() >= hit.top() &&
            point.y() <= hit.bottom())
            return index;
    }
    return std::nullopt;
}

} // namespace velmar::drums
