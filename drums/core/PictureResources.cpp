#include "drums/core/PictureResources.h"

namespace velmar::drums {

namespace {

QString hint(bool qwerty)
{
    return qwerty ? QStringLiteral("HINT") : QString();
}

QString green(HitColour colour)
{
    return colour == HitColour::LiveInput ? QStringLiteral("GREEN") : QString();
}

} // namespace

PictureResource KitPictureResource(KitPicture picture, bool qwerty)
{
    switch (picture) {
    case KitPicture::KitImage:
        return {QStringLiteral("DB"), hint(qwerty)};
    case KitPicture::HitImage:
        return {QStringLiteral("DH"), QString()};
    case KitPicture::LocalHitImage:
        break;
    }
    return {QStringLiteral("DH"), green(HitColour::LiveInput)};
}

PictureResource SmallPictureResource(SmallPicture picture, HitColour colour, bool qwerty)
{
    switch (picture) {
    case SmallPicture::HiHatClosedImage:
        return {QStringLiteral("HHFC"), hint(qwerty) + green(colour)};
    case SmallPicture::HiHatClosedHitImage:
        return {QStringLiteral("HHC"), green(colour)};
    case SmallPicture::MuteTriangleHitImage:
        return {QStringLiteral("MTRI"), green(colour)};
    case SmallPicture::ShortGuiroHitImage:
        break;
    }
    return {QStringLiteral("SGUIRO"), green(colour)};
}

PictureResource TransportPictureResource(TransportLook look, SizeHighlight size)
{
    QString stem;
    switch (look) {
    case TransportLook::Settings:
        stem = QStringLiteral("SET");
        break;
    case TransportLook::Rewind:
        stem = QStringLiteral("REW");
        break;
    case TransportLook::Stop:
        stem = QStringLiteral("STOP");
        break;
    case TransportLook::Play:
        stem = QStringLiteral("PLA");
        break;
    case TransportLook::Record:
        stem = QStringLiteral("REC");
        break;
    }
    QString suffix;
    switch (size) {
    case SizeHighlight::None:
        suffix = QStringLiteral("00");
        break;
    case SizeHighlight::Full:
        suffix = QStringLiteral("11");
        break;
    case SizeHighlight::Half:
        suffix = QStringLiteral("12");
        break;
    case SizeHighlight::Quarter:
        suffix = QStringLiteral("14");
        break;
    }
    return {stem, suffix};
}

} // namespace velmar::drums
