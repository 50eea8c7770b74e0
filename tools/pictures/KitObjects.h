#pragma once

#include "tools/pictures/KitScene.h"

#include <QPainter>

#include <vector>

namespace velmar::drawing {

// What one object of the kit shows in a scene.
struct ObjectView {
    int changed = -1; // the scene's changed row
    Look look = Look::Rest;
    QColor glow;

    [[nodiscard]] bool shows(int row, Look wanted) const
    {
        return changed == row && look == wanted;
    }
    [[nodiscard]] bool lit(int row) const { return shows(row, Look::Lit); }
};

using ObjectPainter = void (*)(QPainter&, const ObjectView&);

// One thing on the kit picture, drawn by one painter: a drum, a cymbal, or a pair that shares
// a place (the bongos, the agogo bells, the two sounds of the cuica).
struct KitObject {
    std::vector<int> rows; // the instruments it shows; it is drawn inside their cover areas
    ObjectPainter paint;
};

// Every object, in the order they are painted: further back first.
[[nodiscard]] const std::vector<KitObject>& kitObjects();

// The painters, by family.
void paintHighTom(QPainter& p, const ObjectView& view);
void paintHiMidTom(QPainter& p, const ObjectView& view);
void paintLowMidTom(QPainter& p, const ObjectView& view);
void paintLowTom(QPainter& p, const ObjectView& view);
void paintHighFloorTom(QPainter& p, const ObjectView& view);
void paintLowFloorTom(QPainter& p, const ObjectView& view);
void paintSnare(QPainter& p, const ObjectView& view);
void paintSideStick(QPainter& p, const ObjectView& view);
void paintBassDrum(QPainter& p, const ObjectView& view);
void paintHighQPad(QPainter& p, const ObjectView& view);
void paintElectricSnarePad(QPainter& p, const ObjectView& view);

void paintMuteHighConga(QPainter& p, const ObjectView& view);
void paintOpenHighConga(QPainter& p, const ObjectView& view);
void paintLowConga(QPainter& p, const ObjectView& view);
void paintBongos(QPainter& p, const ObjectView& view);
void paintHighTimbale(QPainter& p, const ObjectView& view);
void paintLowTimbale(QPainter& p, const ObjectView& view);
void paintMuteSurdo(QPainter& p, const ObjectView& view);
void paintOpenSurdo(QPainter& p, const ObjectView& view);
void paintCuica(QPainter& p, const ObjectView& view);

void paintCrash(QPainter& p, const ObjectView& view);
void paintCrash2(QPainter& p, const ObjectView& view);
void paintSplash(QPainter& p, const ObjectView& view);
void paintRide1(QPainter& p, const ObjectView& view);
void paintRide2(QPainter& p, const ObjectView& view);
void paintRideBell(QPainter& p, const ObjectView& view);
void paintChina(QPainter& p, const ObjectView& view);
void paintHiHat(QPainter& p, const ObjectView& view);

void paintTambourine(QPainter& p, const ObjectView& view);
void paintBelltree(QPainter& p, const ObjectView& view);
void paintMaracas(QPainter& p, const ObjectView& view);
void paintCabasa(QPainter& p, const ObjectView& view);
void paintShaker(QPainter& p, const ObjectView& view);
void paintJingleBells(QPainter& p, const ObjectView& view);
void paintVibraslap(QPainter& p, const ObjectView& view);
void paintTriangle(QPainter& p, const ObjectView& view);
void paintGuiro(QPainter& p, const ObjectView& view);
void paintClaves(QPainter& p, const ObjectView& view);
void paintHighWoodBlock(QPainter& p, const ObjectView& view);
void paintLowWoodBlock(QPainter& p, const ObjectView& view);
void paintCastanets(QPainter& p, const ObjectView& view);
void paintCowbell(QPainter& p, const ObjectView& view);
void paintAgogo(QPainter& p, const ObjectView& view);
void paintSlapstick(QPainter& p, const ObjectView& view);

void paintTurntable(QPainter& p, const ObjectView& view);
void paintMetronome(QPainter& p, const ObjectView& view);
void paintWhistle(QPainter& p, const ObjectView& view);
void paintHandClap(QPainter& p, const ObjectView& view);
void paintSticks(QPainter& p, const ObjectView& view);

} // namespace velmar::drawing
