#include "tests/support/OffscreenScreen.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cmath>

namespace velmar::test {

namespace {

constexpr int kLogicalSide = 800; // the platform's own screen

} // namespace

OffscreenScreen::OffscreenScreen()
{
    if (qgetenv("QT_QPA_PLATFORM") != "offscreen" || !m_configuration.isValid())
        return;
    bool isNumber = false;
    const double factor = qEnvironmentVariable("QT_SCALE_FACTOR").toDouble(&isNumber);
    if (!isNumber || factor <= 0 || factor == 1)
        return;
    const int side = static_cast<int>(std::lround(kLogicalSide * factor));
    const QJsonObject screen{{QStringLiteral("name"), QStringLiteral("offscreen")},
                             {QStringLiteral("x"), 0},
                             {QStringLiteral("y"), 0},
                             {QStringLiteral("width"), side},
                             {QStringLiteral("height"), side},
                             {QStringLiteral("logicalDpi"), 96},
                             {QStringLiteral("dpr"), 1}};
    const QString path = m_configuration.filePath(QStringLiteral("screens.json"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(
            QJsonDocument(QJsonObject{{QStringLiteral("screens"), QJsonArray{screen}}}).toJson()) <
            0)
        return;
    file.close();
    qputenv("QT_QPA_PLATFORM", QByteArray("offscreen:configfile=") + QFile::encodeName(path));
}

} // namespace velmar::test
