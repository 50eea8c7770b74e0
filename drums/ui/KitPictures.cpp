#include "drums/ui/KitPictures.h"

#include "drums/core/PictureResources.h"
#include "drums/core/WindowGeometry.h"
#include "runtime/pictures/ColorCount.h"
#include "runtime/pictures/PictureSets.h"

#include <optional>

namespace velmar::drums {

namespace {

constexpr std::array kEveryKitPicture{KitPicture::KitImage, KitPicture::HitImage,
                                      KitPicture::LocalHitImage};
constexpr std::array kEverySmallPicture{
    SmallPicture::HiHatClosedImage, SmallPicture::HiHatClosedHitImage,
    SmallPicture::MuteTriangleHitImage, SmallPicture::ShortGuiroHitImage};
constexpr std::array kColours{HitColour::HostPlayback, HitColour::LiveInput};
constexpr std::array kLooks{TransportLook::Settings, TransportLook::Rewind, TransportLook::Stop,
                            TransportLook::Play, TransportLook::Record};
constexpr std::array kSizes{SizeHighlight::None, SizeHighlight::Full, SizeHighlight::Half,
                            SizeHighlight::Quarter};

// The picture of `resource` for the display, `size` logical pixels (from its design size)
// in the screen's pixels, taken from the set fine enough for `zoom`.
template <typename Size>
std::optional<QPixmap> load(PictureCache& cache, const PictureResource& resource,
                            const KitPictures::Choice& choice, double zoom, Size size)
{
    const std::optional<SetPicture> picture =
        cache.Load(PictureName(resource.Stem, choice.ColorCount, resource.Suffix),
                   zoom * choice.DevicePixelRatio);
    if (!picture)
        return std::nullopt;
    return QPixmap::fromImage(
        ScreenPicture(*picture, size(picture->DesignSize), choice.DevicePixelRatio));
}

} // namespace

bool KitPictures::Load(const Choice& choice)
{
    const auto scaled = [&choice](QSize size) {
        return ScaledPictureSize(size, choice.Scale);
    };
    const auto squeezed = [&choice](QSize size) {
        return QSize(TransportPictureWidth(size.width(), choice.ClientWidth), size.height());
    };

    Set set;
    for (const KitPicture picture : kEveryKitPicture) {
        const auto loaded =
            load(m_cache, KitPictureResource(picture, choice.Qwerty), choice, choice.Scale, scaled);
        if (!loaded)
            return false;
        set.Kit[static_cast<std::size_t>(picture)] = *loaded;
    }
    for (const SmallPicture picture : kEverySmallPicture) {
        for (const HitColour colour : kColours) {
            const auto loaded = load(m_cache, SmallPictureResource(picture, colour, choice.Qwerty),
                                     choice, choice.Scale, scaled);
            if (!loaded)
                return false;
            set.Small[smallIndex(picture, colour)] = *loaded;
        }
    }
    for (const TransportLook look : kLooks) {
        for (const SizeHighlight size : kSizes) {
            // The bar keeps its height whatever the zoom.
            const auto loaded =
                load(m_cache, TransportPictureResource(look, size), choice, 1.0, squeezed);
            if (!loaded)
                return false;
            set.Transport[transportIndex(look, size)] = *loaded;
        }
    }
    m_set = std::move(set);
    m_devicePixelRatio = choice.DevicePixelRatio;
    return true;
}

const QPixmap& KitPictures::Kit(KitPicture picture) const
{
    return m_set.Kit[static_cast<std::size_t>(picture)];
}

const QPixmap& KitPictures::Small(SmallPicture picture, HitColour colour) const
{
    return m_set.Small[smallIndex(picture, colour)];
}

const QPixmap& KitPictures::Transport(TransportLook look, SizeHighlight size) const
{
    return m_set.Transport[transportIndex(look, size)];
}

std::size_t KitPictures::smallIndex(SmallPicture picture, HitColour colour)
{
    return static_cast<std::size_t>(picture) * kColours.size() + static_cast<std::size_t>(colour);
}

std::size_t KitPictures::transportIndex(TransportLook look, SizeHighlight size)
{
    return static_cast<std::size_t>(look) * kSizes.size() + static_cast<std::size_t>(size);
}

} // namespace velmar::drums
