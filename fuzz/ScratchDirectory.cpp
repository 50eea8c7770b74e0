#include "fuzz/ScratchDirectory.h"

#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <vector>

namespace velmar::fuzz {

namespace {

class Scratch {
public:
    Scratch()
    {
        std::error_code error;
        const std::filesystem::path base = std::filesystem::is_directory("/dev/shm", error)
                                               ? std::filesystem::path("/dev/shm")
                                               : std::filesystem::temp_directory_path();
        std::string pattern = (base / "velmar-fuzz-XXXXXX").string();
        std::vector<char> name(pattern.begin(), pattern.end());
        name.push_back('\0');
        if (::mkdtemp(name.data()) == nullptr)
            throw std::runtime_error("cannot make a scratch directory in " + base.string());
        m_path = std::string(name.data()) + '/';
    }
    ~Scratch()
    {
        std::error_code error;
        std::filesystem::remove_all(m_path, error);
    }
    Scratch(const Scratch&) = delete;
    Scratch& operator=(const Scratch&) = delete;

    [[nodiscard]] const std::string& path() const { return m_path; }

private:
    std::string m_path;
};

} // namespace

const std::string& ScratchDirectory()
{
    static const Scratch scratch;
    return scratch.path();
}

} // namespace velmar::fuzz
