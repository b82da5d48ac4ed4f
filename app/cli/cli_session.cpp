#include "app/cli/cli_session.h"

#include "app/cli/program_folders.h"
#include "engine/user_variable_file.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>
#include <unistd.h>

namespace brelt::app {

namespace fs = std::filesystem;

CliSession::CliSession(std::ostream& messages) : m_host(messages), m_engine(&m_host) {
    m_host.attach(m_engine);
    engine::ConnectUserFunctions(m_engine, m_functions);
}

void CliSession::loadHomeFiles(const std::string& home, std::ostream& err) {
    std::error_code error;
    fs::path functionsFile = fs::path(home) / "Brelt.FNC";
    // A home without its own functions uses the examples shipped beside the program, as the window does.
    if (!fs::exists(functionsFile, error))
        functionsFile = fs::path(shippedDataDirectory(programDirectory())) / "Brelt.FNC";
    if (fs::is_regular_file(functionsFile, error)) m_functions.LoadFromFile(functionsFile.string());
    const fs::path variablesFile = fs::path(home) / "Brelt.USR";
    if (fs::is_regular_file(variablesFile, error)) {
        std::vector<engine::SkippedLine> skipped;
        if (!engine::loadUserVariables(m_engine, variablesFile.string(), &skipped))
            err << "brelt: Can't read file " << variablesFile.string() << '\n';
        else if (const std::string message = engine::skippedLinesMessage(variablesFile.string(), skipped);
                 !message.empty())
            err << "brelt: " << message << '\n';
    }
}

void CliSession::startPicture(const PictureOptions& picture, std::ostream& err) {
    m_engine.AngleUnit = picture.angleUnit;
    loadHomeFiles(resolveHome(picture.home), err);
}

std::string resolveHome(const std::string& option) {
    if (!option.empty()) return option;
    if (const char* fromEnvironment = std::getenv("BRELT_HOME"); fromEnvironment && *fromEnvironment)
        return fromEnvironment;
    // An installed program's folder is not the user's to write: the files live in the user's data
    // folder then, as the window keeps them.
    const std::string program = programDirectory();
    if (::access(program.c_str(), W_OK) == 0) return program;
    // The first run makes the folder, empty: the shipped files are read where they are installed.
    const std::string user = userDataDirectory();
    std::error_code error;
    fs::create_directories(user, error);
    return user;
}

} // namespace brelt::app
