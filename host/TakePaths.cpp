#include "host/TakePaths.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <unistd.h>

namespace velmar::host {

std::string TakesFolder()
{
    QString music = QStandardPaths::writableLocation(QStandardPaths::MusicLocation);
    if (music.isEmpty())
        music = QDir::homePath();
    return QDir(music).filePath(QStringLiteral("korvo")).toStdString();
}

std::string NewTakePath(std::string& error)
{
    const QString folder = QString::fromStdString(TakesFolder());
    if (!QDir().mkpath(folder)) {
        error = "the folder " + folder.toStdString() + " cannot be made";
        return {};
    }
    const QString name = QStringLiteral("take-") +
                         QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss")) +
                         QStringLiteral(".mid");
    return QDir(folder).filePath(name).toStdString();
}

std::string CheckTakePath(const std::string& path)
{
    const QFileInfo file(QString::fromStdString(path));
    if (file.isDir())
        return "it is a folder, not a file";
    const QString folder = file.absolutePath();
    if (!QFileInfo(folder).isDir())
        return "its folder does not exist";
    if (::access(folder.toLocal8Bit().constData(), W_OK | X_OK) != 0)
        return "its folder cannot be written";
    if (file.exists() && !file.isWritable())
        return "it cannot be written";
    return {};
}

} // namespace velmar::host
