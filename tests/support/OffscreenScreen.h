#pragma once

#include <QTemporaryDir>

namespace velmar::test {

// Under the offscreen platform with QT_SCALE_FACTOR set, gives the screen as many logical
// pixels as it has at factor 1 (800 × 800): windows are placed and bounded alike at every
// factor, so widget tests run unchanged at two device pixels per pixel. Made before the
// application object and kept while it lives; a platform given options is left alone.
class OffscreenScreen {
public:
    OffscreenScreen();

private:
    QTemporaryDir m_configuration;
};

} // namespace velmar::test
