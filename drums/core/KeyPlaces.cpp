#include "drums/core/KeyPlaces.h"

#include <algorithm>
#include <array>

namespace velmar::drums {

namespace {

struct Place {
    std::uint32_t XkbKeycode;
    int VirtualKey;
};

// Row by row, as xkb names the places: the digits row (TLDE, AE01..AE12), the top letter
// row (AD01..AD12), the home row (AC01..AC11), BKSL, the bottom row (AB01..AB10) and the
// extra key left of it on 105-key keyboards (LSGT).
constexpr std::array kPlaces{
    Place{49, 192}, Place{10, '1'}, Place{11, '2'}, Place{12, '3'}, Place{13, '4'}, Place{14, '5'},
    Place{15, '6'}, Place{16, '7'}, Place{17, '8'}, Place{18, '9'}, Place{19, '0'}, Place{20, 189},
    Place{21, 187},

    Place{24, 'Q'}, Place{25, 'W'}, Place{26, 'E'}, Place{27, 'R'}, Place{28, 'T'}, Place{29, 'Y'},
    Place{30, 'U'}, Place{31, 'I'}, Place{32, 'O'}, Place{33, 'P'}, Place{34, 219}, Place{35, 221},

    Place{38, 'A'}, Place{39, 'S'}, Place{40, 'D'}, Place{41, 'F'}, Place{42, 'G'}, Place{43, 'H'},
    Place{44, 'J'}, Place{45, 'K'}, Place{46, 'L'}, Place{47, 186}, Place{48, 222}, Place{51, 220},

    Place{52, 'Z'}, Place{53, 'X'}, Place{54, 'C'}, Place{55, 'V'}, Place{56, 'B'}, Place{57, 'N'},
    Place{58, 'M'}, Place{59, 188}, Place{60, 190}, Place{61, 191}, Place{94, 226},
};

} // namespace

int UsKeyAt(std::uint32_t xkbKeycode)
{
    const auto* found = std::find_if(kPlaces.begin(), kPlaces.end(), [xkbKeycode](Place place) {
        return place.XkbKeycode == xkbKeycode;
    });
    return found != kPlaces.end() ? found->VirtualKey : 0;
}

} // namespace velmar::drums
