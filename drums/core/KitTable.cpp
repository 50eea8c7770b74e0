#include "drums/core/KitTable.h"

#include "runtime/language/Language.h"

#include <algorithm>

namespace velmar::drums {

namespace {

using enum DrumKind;

// Note, kind, standard kit, key, navigation key, key hint, LitRect, HitRect, CoverRect.
// clang-format off
constexpr std::array<DrumInstrument, kInstrumentCount> kRows{{
    {27, Single,    true,  103, 36, 3710, {261,204,276,219}, {254,203,279,224}, {254,203,279,224}}, // High Q
    {28, Single,    true,  100, 37, 3711, {272,189,287,202}, {259,187,301,202}, {259,187,301,202}}, // Slap
    {29, Scratch,   false, 105, 33, 3712, {248,40,315,95},   {250,24,340,58},   {250,4,342,95}   }, // Scratch Push
    {30, Scratch,   false, 104, 38, 3713, {248,40,315,95},   {250,59,342,80},   {250,4,342,95}   }, // Scratch Pull
    {31, Single,    false, 57,  0,  3714, {76,89,146,193},   {73,94,136,192},   {73,91,146,192}  }, // Sticks
    {32, Kick,      true,  97,  35, 3715, {258,289,297,398}, {263,355,342,398}, {263,355,342,398}}, // Square Kick
    {33, Metronome, false, 192, 0,  3717, {62,260,113,321},  {72,293,108,317},  {67,266,105,317} }, // Metronome Click
    {34, Metronome, false, 8,   0,  3716, {62,260,113,321},  {70,266,104,294},  {67,266,105,317} }, // Metronome Bell
    {35, Kick,      true,  88,  0,  3718, {258,289,297,398}, {263,255,342,305}, {263,255,342,305}}, // Ac. Bass Drum
    {36, Kick,      true,  90,  0,  3719, {258,289,297,398}, {263,305,342,355}, {263,305,342,355}}, // Bass Drum 1
    {37, Single,    true,  86,  0,  3720, {233,278,256,292}, {183,278,262,297}, {183,278,262,297}}, // Side Stick
    {38, Single,    true,  67,  0,  3721, {206,259,238,279}, {186,255,262,324}, {186,255,262,324}}, // Acoustic Snare
    {39, Single,    false, 78,  0,  3722, {3,141,58,201},    {3,142,66,204},    {3,142,66,204}   }, // Hand Clap
    {40, Single,    true,  66,  0,  3723, {282,205,296,218}, {280,204,305,228}, {280,204,305,228}}, // Electric Snare
    {41, Single,    true,  222, 0,  3724, {390,280,422,300}, {383,268,429,379}, {383,268,429,379}}, // Low Floor Tom
    {42, HiHat,     true,  188, 0,  3725, {132,217,201,263}, {131,246,199,261}, {131,246,199,261}}, // Closed Hi-Hat
    {43, Single,    true,  186, 0,  3726, {347,281,379,300}, {342,269,384,376}, {342,269,384,376}}, // High Floor Tom
    {44, HiHat,     true,  190, 0,  3727, {132,217,200,262}, {131,232,199,246}, {131,232,199,246}}, // Pedal Hi-Hat
    {45, Single,    true,  76,  0,  3728, {357,184,390,209}, {340,180,413,262}, {340,180,413,262}}, // Low Tom
    {46, HiHat,     true,  191, 0,  3729, {132,217,200,262}, {131,217,199,232}, {131,217,199,232}}, // Open Hi-Hat
    {47, Single,    true,  75,  0,  3730, {303,146,335,171}, {291,136,352,216}, {291,136,352,216}}, // Low-Mid Tom
    {48, Single,    true,  74,  0,  3731, {238,144,270,169}, {228,135,281,190}, {228,135,281,190}}, // Hi-Mid Tom
    {49, Single,    true,  83,  0,  3732, {179,116,213,139}, {152,79,213,141},  {152,79,213,141} }, // Crash Cymbal
    {50, Single,    true,  72,  0,  3733, {205,173,231,194}, {200,172,233,213}, {200,172,233,213}}, // High Tom
    {51, Single,    true,  70,  0,  3734, {328,100,358,124}, {322,96,360,140},  {322,96,360,140} }, // Ride Cymbal 1
    {52, Single,    true,  87,  0,  3735, {395,110,486,167}, {408,104,489,169}, {408,104,489,169}}, // Chinese Cymbal
    {53, Single,    true,  71,  0,  3736, {348,67,386,100},  {348,67,386,100},  {348,67,386,100} }, // Ride Bell
    {54, Toggle,    false, 220, 0,  3737, {184,1,243,73},    {182,1,241,73},    {182,1,243,73}   }, // Tambourine
    {55, Single,    true,  81,  0,  3738, {265,100,308,126}, {257,94,316,132},  {257,94,316,132} }, // Splash Cymbal
    {56, Single,    true,  77,  0,  3739, {204,224,227,244}, {193,211,230,247}, {193,211,230,247}}, // Cowbell
    {57, Single,    true,  65,  0,  3740, {213,97,245,119},  {209,77,246,135},  {209,77,246,135} }, // Crash Cymbal 2
    {58, Single,    false, 110, 46, 3741, {347,6,420,54},    {347,2,418,55},    {347,2,420,54}   }, // Vibraslap
    {59, Single,    true,  68,  0,  3742, {360,102,390,128}, {357,54,420,137},  {357,54,420,137} }, // Ride Cymbal 2
    {60, Single,    false, 219, 0,  3743, {512,115,536,127}, {504,113,540,158}, {504,109,583,164}}, // High Bongo
    {61, Single,    false, 221, 0,  3744, {544,109,578,126}, {540,107,583,162}, {504,108,583,164}}, // Low Bongo
    {62, Single,    true,  73,  0,  3745, {424,194,449,209}, {421,189,452,277}, {421,189,452,277}}, // Mute High Conga
    {63, Single,    true,  79,  0,  3746, {451,192,483,211}, {453,186,499,269}, {453,186,499,269}}, // Open High Conga
    {64, Single,    true,  80,  0,  3747, {536,178,569,196}, {505,172,595,272}, {505,172,595,272}}, // Low Conga
    {65, Single,    false, 82,  0,  3748, {28,335,64,358},   {12,327,83,390},   {10,325,83,393}  }, // High Timbale
    {66, Single,    false, 84,  0,  3749, {110,334,146,357}, {93,324,168,393},  {91,322,168,394} }, // Low Timbale
    {67, Single,    false, 51,  0,  3750, {148,268,172,290}, {109,260,175,292}, {105,261,182,316}}, // High Agogo
    {68, Single,    false, 52,  0,  3751, {156,292,181,316}, {123,291,182,316}, {105,261,182,316}}, // Low Agogo
    {69, Toggle,    false, 48,  0,  3752, {541,0,594,64},    {541,0,598,63},    {541,0,598,63}   }, // Cabasa
    {70, Toggle,    false, 187, 0,  3753, {489,1,540,61},    {485,0,547,61},    {485,0,542,61}   }, // Maracas
    {71, Whistle,   false, 98,  40, 3754, {15,278,55,318},   {11,276,55,298},   {11,276,55,298}  }, // Short Whistle
    {72, Whistle,   false, 99,  34, 3755, {15,278,55,318},   {10,298,56,317},   {10,298,56,317}  }, // Long Whistle
    {73, Guiro,     false, 101, 12, 3756, {2,0,81,81},       {10,40,84,75},     {10,40,84,75}    }, // Short Guiro
    {74, Guiro,     false, 102, 39, 3757, {2,0,81,81},       {0,0,77,45},       {0,0,77,45}      }, // Long Guiro
    {75, Single,    false, 54,  0,  3758, {17,210,63,264},   {8,214,70,267},    {8,214,70,267}   }, // Claves
    {76, Single,    false, 55,  0,  3759, {98,206,120,226},  {81,204,126,232},  {81,204,126,232} }, // High Wood Block
    {77, Single,    false, 56,  0,  3760, {143,188,165,208}, {127,185,174,215}, {127,185,174,215}}, // Low Wood Block
    {78, Single,    false, 111, 0,  3761, {545,285,560,296}, {540,279,565,343}, {540,279,586,346}}, // Mute Cuica
    {79, Single,    false, 106, 0,  3762, {567,284,584,295}, {564,279,586,344}, {540,279,586,346}}, // Open Cuica
    {80, Triangle,  false, 50,  0,  3763, {7,86,70,142},     {3,86,67,111},     {3,86,67,111}    }, // Mute Triangle
    {81, Triangle,  false, 49,  0,  3764, {7,86,70,142},     {3,110,70,141},    {3,110,70,141}   }, // Open Triangle
    {82, Toggle,    false, 189, 0,  3765, {523,64,572,101},  {518,64,578,106},  {518,64,578,106} }, // Shaker
    {83, Toggle,    false, 69,  0,  3766, {422,10,487,75},   {419,2,489,73},    {421,2,489,73}   }, // Jingle Bell
    {84, Single,    false, 96,  45, 3767, {107,18,165,81},   {94,5,174,83},     {94,5,174,83}    }, // Belltree
    {85, Single,    false, 53,  0,  3768, {161,146,201,182}, {163,146,197,181}, {163,146,197,181}}, // Castanets
    {86, Single,    true,  89,  0,  3769, {442,281,469,298}, {443,270,477,395}, {443,270,477,395}}, // Mute Surdo
    {87, Single,    true,  85,  0,  3770, {472,280,506,300}, {476,267,530,395}, {476,267,530,395}}, // Open Surdo
}};
// clang-format on

constexpr bool notesFollowRows()
{
    for (int index = 0; index < kInstrumentCount; ++index) {
        if (kRows[static_cast<std::size_t>(index)].Note != kFirstDrumNote + index)
            return false;
    }
    return true;
}
static_assert(notesFollowRows());

// The anchor row of each grouped kind: it holds the group's state and its one LitRect.
constexpr int anchorOf(DrumKind kind, int index)
{
    switch (kind) {
    case HiHat:
        return 15; // note 42
    case Triangle:
        return 53; // note 80
    case Guiro:
        return 46; // note 73
    case Whistle:
        return 44; // note 71
    case Scratch:
        return 2; // note 29
    case Metronome:
        return 6; // note 33
    case Kick:
        return 9; // note 36
    case Single:
    case Toggle:
        break;
    }
    return index;
}

constexpr bool anchorsHaveTheirGroupsKind()
{
    for (int index = 0; index < kInstrumentCount; ++index) {
        const DrumKind kind = kRows[static_cast<std::size_t>(index)].Kind;
        if (kRows[static_cast<std::size_t>(anchorOf(kind, index))].Kind != kind)
            return false;
    }
    return true;
}
static_assert(anchorsHaveTheirGroupsKind());

} // namespace

const std::array<DrumInstrument, kInstrumentCount> KitTable = kRows;

const DrumInstrument& KitRow(int index)
{
    return KitTable[static_cast<std::size_t>(index)];
}

std::optional<int> InstrumentForNote(int note)
{
    if (note < kFirstDrumNote || note > kLastDrumNote)
        return std::nullopt;
    return note - kFirstDrumNote;
}

int GroupAnchor(int index)
{
    return anchorOf(KitRow(index).Kind, index);
}

std::optional<int> InstrumentForKey(int virtualKey)
{
    if (virtualKey <= 0)
        return std::nullopt; // 0 marks a missing navigation key
    const auto found =
        std::find_if(KitTable.begin(), KitTable.end(), [&](const DrumInstrument& row) {
            return row.Key == virtualKey || row.NavigationKey == virtualKey;
        });
    if (found == KitTable.end())
        return std::nullopt;
    return static_cast<int>(found - KitTable.begin());
}

QString InstrumentName(int index)
{
    return LoadNumStr(static_cast<std::uint16_t>(3500 + index));
}

QString KeyHintText(int index)
{
    return LoadNumStr(KitRow(index).KeyHint);
}

QString NoteName(std::uint8_t note)
{
    static constexpr std::array<const char*, 12> kPitches{"C",  "Db", "D",  "Eb", "E",  "F",
                                                          "Gb", "G",  "Ab", "A",  "Bb", "B"};
    QString name = QLatin1String(kPitches[note % 12U]);
    name += QLatin1Char(' ');
    name += QString::number(note / 12U);
    return name;
}

} // namespace velmar::drums
