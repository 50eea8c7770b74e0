#include "monitor/ui/NumberLabel.h"

#include "monitor/dialogs/FormDesign.h"
#include "runtime/language/Language.h"
#include "runtime/ui/FormRules.h"
#include "tests/support/ScopedLanguage.h"

#include <QImage>
#include <QLabel>
#include <QPalette>
#include <QWidget>
#include <gtest/gtest.h>

#include <string>

namespace velmar::monitor::test {
namespace {

// The label the window had: right-aligned, on white.
void setUpPlain(QLabel& label)
{
    label.setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label.setAutoFillBackground(true);
    QPalette white = label.palette();
    white.setColor(QPalette::Window, Qt::white);
    label.setPalette(white);
}

// Both labels inside one window, changed alike.
struct TwoLabels {
    TwoLabels()
    {
        setUpPlain(*plain);
        window.resize(300, 100);
        window.show();
    }

    template <typename Change>
    void change(Change&& what)
    {
        what(*plain);
        what(*static_cast<QLabel*>(numbers));
    }

    QWidget window;
    QLabel* plain = new QLabel(QStringLiteral("0"), &window);
    NumberLabel* numbers = new NumberLabel(QStringLiteral("0"), &window);
};

void expectSamePixels(TwoLabels& labels, const std::string& what)
{
    for (const char* text :
         {"0", "7", "1234567", "4294967295", "90 3C", "-12", "99999999999999", "", "Note"}) {
        labels.change([text](QLabel& label) { label.setText(QString::fromLatin1(text)); });
        EXPECT_EQ(labels.numbers->grab().toImage(), labels.plain->grab().toImage())
            << what << ": \"" << text << "\"";
    }
}

// The event count and the clock, drawn from their digits' glyphs, show the pixels of the
// label they replace: in the window's face in every shipped language and in a larger one, at
// the window's sizes and others, disabled, and in another colour; texts that are not numbers,
// or do not fit, are drawn by the label itself.
TEST(NumberLabel, DrawsTheLabelsOwnPixels)
{
    TwoLabels labels;
    for (const char* language : velmar::test::kShippedLanguages) {
        const velmar::test::ScopedLanguage chosen(language);
        labels.window.setFont(DesignFont());
        if (languageState().LanguageIndex == 10)
            (void)ApplyJapaneseFontAdjustment(labels.window, false);
        for (const QSize size : {QSize(59, 13), QSize(49, 13), QSize(80, 21), QSize(30, 9)}) {
            labels.change([size](QLabel& label) { label.resize(size); });
            expectSamePixels(labels, std::string(language) + " at " + std::to_string(size.width()) +
                                         "x" + std::to_string(size.height()));
        }
    }
    QFont larger = DesignFont();
    larger.setPixelSize(17);
    labels.change([&larger](QLabel& label) { label.setFont(larger); });
    expectSamePixels(labels, "a larger face");

    labels.change([](QLabel& label) { label.setEnabled(false); });
    expectSamePixels(labels, "disabled");
    labels.change([](QLabel& label) {
        label.setEnabled(true);
        QPalette red = label.palette();
        red.setColor(QPalette::WindowText, Qt::darkRed);
        label.setPalette(red);
    });
    expectSamePixels(labels, "in red");

    // Laid out otherwise, the label draws itself.
    labels.change([](QLabel& label) { label.setAlignment(Qt::AlignLeft | Qt::AlignTop); });
    expectSamePixels(labels, "aligned otherwise");
    labels.change([](QLabel& label) {
        label.setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        label.setMargin(3);
    });
    expectSamePixels(labels, "with a margin");
}

} // namespace
} // namespace velmar::monitor::test
