#include "monitor/dialogs/FormDesign.h"

#include "runtime/language/Language.h"
#include "runtime/ui/FormRules.h"

#include <QCheckBox>
#include <QRadioButton>

#include <algorithm>

namespace velmar::monitor {

namespace {

constexpr int kJapaneseLanguage = 10;
constexpr int kDesignFontPixels = 11;

Qt::WindowFlags toolWindowFlags()
{
    return Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
           Qt::WindowStaysOnTopHint;
}

} // namespace

Qt::WindowFlags FixedToolWindowFlags()
{
    return toolWindowFlags() | Qt::MSWindowsFixedSizeDialogHint;
}

Qt::WindowFlags SizeableToolWindowFlags()
{
    return toolWindowFlags();
}

QFont DesignFont()
{
    QFont font(QStringLiteral("Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(kDesignFontPixels);
    // The design's face is narrow: its captions fit their controls only in a narrow face.
    font.setStretch(QFont::SemiCondensed);
    return font;
}

void ApplyDesignFont(QWidget& form)
{
    form.setFont(DesignFont());
    // The system's face is wider than the design's: a caption that needs more room than its
    // design width takes it to the right.
    for (QAbstractButton* box : form.findChildren<QAbstractButton*>()) {
        if (qobject_cast<QCheckBox*>(box) != nullptr || qobject_cast<QRadioButton*>(box) != nullptr)
            box->resize(std::max(box->width(), box->sizeHint().width()), box->height());
    }
    if (languageState().LanguageIndex == kJapaneseLanguage)
        (void)ApplyJapaneseFontAdjustment(form, false);
}

} // namespace velmar::monitor
