#pragma once

#include <QString>

#include <filesystem>
#include <optional>
#include <set>
#include <vector>

namespace velmar::test {

// What a help page names: the ids of its elements and the places its links and pictures
// point to. A small parse of the attributes, enough for pages we write ourselves.
class HelpPage {
public:
    [[nodiscard]] static std::optional<HelpPage> Load(const std::filesystem::path& file);

    [[nodiscard]] bool HasId(const QString& id) const { return m_ids.contains(id); }
    // Ids given to more than one element.
    [[nodiscard]] const std::vector<QString>& RepeatedIds() const { return m_repeatedIds; }
    // Every href and src that names no scheme of its own (http:, mailto:, ...).
    [[nodiscard]] const std::vector<QString>& LocalReferences() const { return m_local; }

private:
    std::set<QString> m_ids;
    std::vector<QString> m_repeatedIds;
    std::vector<QString> m_local;
};

} // namespace velmar::test
