#include "runtime/ui/FormRules.h"

#include "runtime/language/Language.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontInfo>
#include <QHeaderView>
#include <QMessageBox>
#include <QScreen>
#include <QTableView>
#include <QUrl>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <vector>

namespace velmar {

namespace {

constexpr std::uint16_t kErrorCaption = 28;
// The Japanese face, by the name Japanese systems give it.
constexpr char16_t kJapaneseFace[] = u"\uFF2D\uFF33 \uFF30\u30B4\u30B7\u30C3\u30AF";
constexpr int kJapanesePointSize = 9;

// Linux fonts do not carry that name, and fontconfig knows no alias for it: the forms are
// given the Japanese faces this machine has instead, a proportional gothic like it first.
void substituteJapaneseFace()
{
    static bool substituted = false;
    if (substituted)
        return;
    substituted = true;
    QStringList families = {QStringLiteral("VL PGothic"), QStringLiteral("IPAPGothic"),
                            QStringLiteral("TakaoPGothic"), QStringLiteral("Noto Sans CJK JP")};
    for (const QString& family : QFontDatabase::families(QFontDatabase::Japanese)) {
        if (!families.contains(family))
            families.append(family);
    }
    QFont::insertSubstitutions(QString::fromUtf16(kJapaneseFace), families);
}

void setTopmost(QWidget& window, bool topmost)
{
    if (window.windowFlags().testFlag(Qt::WindowStaysOnTopHint) == topmost)
        return;
    const Qt::WindowFlags flags = window.windowFlags() ^ Qt::WindowStaysOnTopHint;
    // A window already on the screen is told directly: changing the widget's flags would
    // destroy and recreate it, which hides it and lets the window manager place it anew.
    if (QWindow* native = window.windowHandle()) {
        window.overrideWindowFlags(flags);
        native->setFlags(flags);
        return;
    }
    window.setWindowFlags(flags);
}

int scaled(int value, int m, int d)
{
    return static_cast<int>((static_cast<long long>(value) * m + d / 2) / d);
}

// A grid's columns and rows were laid out in the same units as the form, so they scale too.
void scaleCells(QTableView& grid, int m, int d)
{
    QHeaderView* columns = grid.horizontalHeader();
    for (int column = 0; column < columns->count(); ++column)
        columns->resizeSection(column, scaled(columns->sectionSize(column), m, d));
    QHeaderView* rows = grid.verticalHeader();
    // Taken first: a new default size also resizes the rows still at the old one.
    std::vector<int> heights;
    for (int row = 0; row < rows->count(); ++row)
        heights.push_back(rows->sectionSize(row));
    const int rowHeight = scaled(rows->defaultSectionSize(), m, d);
    rows->setMinimumSectionSize(std::min(scaled(rows->minimumSectionSize(), m, d), rowHeight));
    rows->setDefaultSectionSize(rowHeight);
    for (int row = 0; row < rows->count(); ++row)
        rows->resizeSection(row, scaled(heights[static_cast<std::size_t>(row)], m, d));
}

} // namespace

void MakeTopmost(QWidget& window)
{
    setTopmost(window, true);
}

void MakeNotTopmost(QWidget& window)
{
    setTopmost(window, false);
}

void ShowErrorBox(QWidget* owner, const QString& text)
{
    QMessageBox box(QMessageBox::Critical, LoadNumStr(kErrorCaption), text, QMessageBox::Ok, owner);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

void ScaleBy(QWidget& form, int m, int d)
{
    if (m <= 0 || d <= 0)
        return;
    for (QWidget* child : form.findChildren<QWidget*>()) {
        const QRect r = child->geometry();
        child->setGeometry(scaled(r.x(), m, d), scaled(r.y(), m, d), scaled(r.width(), m, d),
                           scaled(r.height(), m, d));
        if (auto* grid = qobject_cast<QTableView*>(child))
            scaleCells(*grid, m, d);
    }
    const QSize size(scaled(form.width(), m, d), scaled(form.height(), m, d));
    // A dialog of fixed size would keep its old size and cut off the controls just scaled.
    if (form.minimumSize() == form.maximumSize())
        form.setFixedSize(size);
    else
        form.resize(size);
}

double ApplyJapaneseFontAdjustment(QWidget& form, bool formScalesItself)
{
    const LanguageState& language = languageState();
    const int oldHeight = QFontInfo(form.font()).pixelSize();
    substituteJapaneseFace();

    QFont font(language.FontNameOverride.isEmpty() ? QString::fromUtf16(kJapaneseFace)
                                                   : language.FontNameOverride);
    // An override read from a file is only a wish: keep it to sizes a form can show.
    font.setPointSize(language.FontSizeOverride != 0 ? std::clamp(language.FontSizeOverride, 4, 48)
                                                     : kJapanesePointSize);
    font.setBold(false);
    font.setItalic(false);
    form.setFont(font);

    const int newHeight = QFontInfo(font).pixelSize();
    if (formScalesItself || newHeight == oldHeight || oldHeight <= 0 || form.height() <= 0)
        return 1.0;
    const int screenHeight = form.screen() != nullptr ? form.screen()->geometry().height() : 0;
    const double fontRatio = static_cast<double>(newHeight) / oldHeight;
    const double screenRatio = static_cast<double>(screenHeight) / form.height();
    if (screenHeight > 0 && fontRatio > screenRatio) {
        ScaleBy(form, screenHeight, form.height());
        return screenRatio;
    }
    ScaleBy(form, newHeight, oldHeight);
    return fontRatio;
}

void OpenHelp(QWidget* owner, const QString& helpFile, int context)
{
    if (!QFileInfo::exists(helpFile)) {
        QMessageBox box(QMessageBox::Warning, LoadNumStr(kErrorCaption),
                        QStringLiteral("The help file %1 cannot be found.").arg(helpFile),
                        QMessageBox::Ok, owner);
        box.setTextFormat(Qt::PlainText);
        box.exec();
        return;
    }
    QUrl page = QUrl::fromLocalFile(helpFile);
    page.setFragment(QStringLiteral("context-%1").arg(context));
    QDesktopServices::openUrl(page);
}

} // namespace velmar
