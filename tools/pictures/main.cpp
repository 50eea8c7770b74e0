// Draws every picture of both programs and writes them as bitmap resources for the build to
// embed, with their finer sets and the programs' window icons; the programs' icons for
// desktop menus; and, for review, a contact sheet of them all.

#include "runtime/pictures/PictureModules.h"
#include "runtime/pictures/PictureSets.h"
#include "tools/pictures/AppIcons.h"
#include "tools/pictures/ContactSheet.h"
#include "tools/pictures/KitPictures.h"
#include "tools/pictures/MonitorPictures.h"
#include "tools/pictures/PictureSet.h"
#include "tools/pictures/TransportPictures.h"

#include <QCommandLineParser>
#include <QGuiApplication>

#include <cstdio>

using namespace velmar;
using namespace velmar::drawing;

int main(int argc, char* argv[])
{
    // The tool only draws into images; fonts need a GUI application but no screen.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Draws the pictures of Ostra and Kettra."));
    parser.addHelpOption();
    const QCommandLineOption resources(
        QStringLiteral("resources"),
        QStringLiteral("Write the bitmap resources and their .qrc files into <directory>."),
        QStringLiteral("directory"));
    const QCommandLineOption contactSheet(
        QStringLiteral("contact-sheet"),
        QStringLiteral("Write a PNG of every picture at 1:1 to <file>."), QStringLiteral("file"));
    const QCommandLineOption icons(
        QStringLiteral("icons"),
        QStringLiteral("Write the programs' icons into <directory>, laid out as an icon theme."),
        QStringLiteral("directory"));
    parser.addOptions({resources, contactSheet, icons});
    parser.process(app);

    if (parser.isSet(icons)) {
        const QString directory = parser.value(icons);
        if (!writeAppIcons(directory)) {
            std::fprintf(stderr, "draw_pictures: cannot write into %s\n", qPrintable(directory));
            return 1;
        }
    }
    if (!parser.isSet(resources) && !parser.isSet(contactSheet))
        return 0; // the bitmaps take a while to encode

    const QList<EncodedPicture> monitor = encodeFamily(monitorPictures(1));
    const QList<EncodedPicture> drums =
        encodeFamily(kitPictures(1)) + encodeFamily(transportPictures(1));
    // The finer sets, each family drawn again; the sheet alone needs only the 2x one. Only
    // the kit is zoomed, so only the kit comes in sets finer than the finest screen.
    QList<FinerSet> monitorFiner;
    QList<FinerSet> drumsFiner;
    for (const int scale : kPictureSetScales) {
        if (scale == 1 || (scale > 2 && !parser.isSet(resources)))
            continue;
        FinerSet drumSet = encodeFinerFamily(kitPictures(scale), scale);
        if (scale <= kFinestUnzoomedSetScale) {
            monitorFiner.append(encodeFinerFamily(monitorPictures(scale), scale));
            drumSet.pictures += encodeFinerFamily(transportPictures(scale), scale).pictures;
        }
        drumsFiner.append(drumSet);
    }

    if (parser.isSet(resources)) {
        const QString directory = parser.value(resources);
        QList<QImage> ostraIcons;
        QList<QImage> kettraIcons;
        for (const int size : kAppIconSizes) {
            ostraIcons.append(drawOstraIcon(size));
            kettraIcons.append(drawKettraIcon(size));
        }
        if (!writeModule(directory, QStringLiteral("monitor"), kMonitorPictures,
                         {monitor, monitorFiner, ostraIcons}) ||
            !writeModule(directory, QStringLiteral("drums"), kDrumPictures,
                         {drums, drumsFiner, kettraIcons})) {
            std::fprintf(stderr, "draw_pictures: cannot write into %s\n", qPrintable(directory));
            return 1;
        }
    }
    if (parser.isSet(contactSheet)) {
        const QString file = parser.value(contactSheet);
        FinerSet twice = monitorFiner.first();
        twice.pictures += drumsFiner.first().pictures;
        if (!drawContactSheet(monitor + drums, twice).save(file)) {
            std::fprintf(stderr, "draw_pictures: cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
