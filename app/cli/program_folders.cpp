#include "app/cli/program_folders.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace brelt::app {

namespace fs = std::filesystem;

std::string programDirectory() {
    std::error_code error;
    const fs::path program = fs::read_symlink("/proc/self/exe", error);
    if (!error) return program.parent_path().string();
    return fs::current_path(error).string();
}

std::string shippedDataDirectory(const std::string& programDir) {
    std::error_code error;
    const fs::path beside(programDir);
    if (fs::exists(beside / "Brelt.CON", error)) return programDir;
    const fs::path installed = (beside / ".." / "share" / "brelt").lexically_normal();
    if (fs::exists(installed / "Brelt.CON", error)) return installed.string();
    return programDir;
}

std::string userDataDirectory() {
    if (const char* data = std::getenv("XDG_DATA_HOME"); data && *data && fs::path(data).is_absolute())
        return (fs::path(data) / "Brelt").string();
    const char* home = std::getenv("HOME");
    return (fs::path(home && *home ? home : "/tmp") / ".local" / "share" / "Brelt").string();
}

} // namespace brelt::app
