#include "runtime/pictures/PictureCache.h"

namespace velmar {

PictureCache::PictureCache(QStringView module)
    : m_module(module.toString())
{}

std::optional<SetPicture> PictureCache::Load(QStringView name, double wanted)
{
    const QString key = name.toString().toUpper();
    const int setScale = PictureSetScale(wanted);
    if (const auto cached = m_pictures.constFind(key);
        cached != m_pictures.cend() && cached->SetScale == setScale)
        return cached->Picture;
    std::optional<SetPicture> loaded = LoadSetPicture(key, wanted, m_module);
    if (loaded)
        m_pictures.insert(key, {setScale, *loaded});
    return loaded;
}

} // namespace velmar
