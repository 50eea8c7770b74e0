#pragma once

#include "runtime/pictures/PictureSets.h"

#include <QHash>
#include <QString>
#include <QStringView>

#include <optional>

namespace velmar {

// The pictures of one module as last loaded, each with the set it came from: a zoom that
// needs the same set scales them again without decoding them again. Each picture keeps one
// set only, so the cache holds no more than the pictures shown.
class PictureCache {
public:
    explicit PictureCache(QStringView module);

    // LoadSetPicture(name, wanted, module), decoded once for each set it is asked of in turn.
    [[nodiscard]] std::optional<SetPicture> Load(QStringView name, double wanted);

private:
    struct Entry {
        int SetScale = 1;
        SetPicture Picture;
    };

    QString m_module;
    QHash<QString, Entry> m_pictures; // by name in capitals
};

} // namespace velmar
