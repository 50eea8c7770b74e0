#include "drums/ui/DesignFont.h"

namespace velmar::drums {

QFont DesignFont()
{
    QFont font(QStringLiteral("Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(11);
    return font;
}

} // namespace velmar::drums
