#include "tests/help/HelpPage.h"

#include <QFile>
#include <QRegularExpression>

namespace velmar::test {

namespace {

QString withoutComments(QString html)
{
    static const QRegularExpression comment(QStringLiteral("<!--.*?-->"),
                                            QRegularExpression::DotMatchesEverythingOption);
    return html.remove(comment);
}

bool namesScheme(const QString& reference)
{
    static const QRegularExpression scheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]*:"));
    return scheme.match(reference).hasMatch();
}

} // namespace

std::optional<HelpPage> HelpPage::Load(const std::filesystem::path& file)
{
    QFile page(QString::fromStdString(file.string()));
    if (!page.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QString html = withoutComments(QString::fromUtf8(page.readAll()));

    // Tags first, quoted values allowed to hold '>', then the attributes inside each tag.
    static const QRegularExpression tag(QStringLiteral(R"re(<(?:[^>"']|"[^"]*"|'[^']*')*>)re"));
    static const QRegularExpression attribute(
        QStringLiteral(R"re(\s(id|href|src)\s*=\s*(?:"([^"]*)"|'([^']*)'))re"),
        QRegularExpression::CaseInsensitiveOption);
    HelpPage parsed;
    for (const QRegularExpressionMatch& element : tag.globalMatch(html)) {
        for (const QRegularExpressionMatch& match : attribute.globalMatch(element.captured())) {
            const QString name = match.captured(1).toLower();
            QString value = match.captured(2).isNull() ? match.captured(3) : match.captured(2);
            value.replace(QStringLiteral("&amp;"), QStringLiteral("&"));
            if (name == u"id") {
                if (!parsed.m_ids.insert(value).second)
                    parsed.m_repeatedIds.push_back(value);
            } else if (!namesScheme(value)) {
                parsed.m_local.push_back(value);
            }
        }
    }
    return parsed;
}

} // namespace velmar::test
