#include "tools/pictures/KeyHints.h"
#include "tools/pictures/KitGeometry.h"
#include "tools/pictures/KitObjects.h"
#include "tools/pictures/KitScene.h"

#include <QRegion>

namespace velmar::drawing {

const std::vector<KitObject>& kitObjects()
{
    // Back to front where objects overlap: cymbals behind the toms, the toms behind the snare
    // and bass drum, the pads and small percussion in front of what they touch.
    static const std::vector<KitObject> kObjects{
        {{ShortGuiro, LongGuiro}, paintGuiro},
        {{BellTree}, paintBelltree},
        {{Tambourine}, paintTambourine},
        {{ScratchPush, ScratchPull}, paintTurntable},
        {{Vibraslap}, paintVibraslap},
        {{Maracas}, paintMaracas},
        {{JingleBell}, paintJingleBells},
        {{Cabasa}, paintCabasa},
        {{Shaker}, paintShaker},
        {{HighBongo, LowBongo}, paintBongos},
        {{CrashCymbal1}, paintCrash},
        {{CrashCymbal2}, paintCrash2},
        {{SplashCymbal}, paintSplash},
        {{RideCymbal2}, paintRide2},
        {{RideBell}, paintRideBell},
        {{RideCymbal1}, paintRide1},
        {{ChineseCymbal}, paintChina},
        {{MuteTriangle, OpenTriangle}, paintTriangle},
        {{HandClap}, paintHandClap},
        {{Sticks}, paintSticks},
        {{Claves}, paintClaves},
        {{Castanets}, paintCastanets},
        {{HighWoodBlock}, paintHighWoodBlock},
        {{LowWoodBlock}, paintLowWoodBlock},
        {{LowMidTom}, paintLowMidTom},
        {{LowTom}, paintLowTom},
        {{HiMidTom}, paintHiMidTom},
        {{HighTom}, paintHighTom},
        {{MuteHighConga}, paintMuteHighConga},
        {{OpenHighConga}, paintOpenHighConga},
        {{LowConga}, paintLowConga},
        {{Slap}, paintSlapstick},
        {{HighQ}, paintHighQPad},
        {{ElectricSnare}, paintElectricSnarePad},
        {{Cowbell}, paintCowbell},
        {{ClosedHiHat, PedalHiHat, OpenHiHat}, paintHiHat},
        {{MetronomeClick, MetronomeBell}, paintMetronome},
        {{HighAgogo, LowAgogo}, paintAgogo},
        {{ShortWhistle, LongWhistle}, paintWhistle},
        {{HighTimbale}, paintHighTimbale},
        {{LowTimbale}, paintLowTimbale},
        {{HighFloorTom}, paintHighFloorTom},
        {{LowFloorTom}, paintLowFloorTom},
        {{MuteSurdo}, paintMuteSurdo},
        {{OpenSurdo}, paintOpenSurdo},
        {{MuteCuica, OpenCuica}, paintCuica},
        {{SquareClick, AcousticBassDrum, BassDrum1}, paintBassDrum},
        {{AcousticSnare}, paintSnare},
        {{SideStick}, paintSideStick},
    };
    return kObjects;
}

QImage drawKit(const KitScene& scene, int scale, const QRegion& only)
{
    QImage image(kKitSize * scale, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    // Everything below is in the kit's design pixels; clip regions scale with the painter.
    p.scale(scale, scale);
    const ObjectView view{scene.changed, scene.look, scene.glow};
    for (const KitObject& object : kitObjects()) {
        // Nothing of an instrument outside its cover area: hiding it must hide all of it.
        QRegion cover;
        for (const int row : object.rows)
            cover += toRect(kitInstruments()[static_cast<std::size_t>(row)].cover);
        if (!only.isEmpty() && !cover.intersects(only))
            continue; // nothing of it could show there
        p.save();
        p.setClipRegion(cover);
        object.paint(p, view);
        p.restore();
    }
    if (scene.keyHints)
        paintKeyHints(p);
    return image;
}

} // namespace velmar::drawing
