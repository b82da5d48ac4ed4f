#pragma once
// Where Brelt keeps its files: `--home DIR`, else the environment variable BRELT_HOME, else the
// program's own directory; when that folder cannot be written (an installed program), the user's
// data folder, so settings are never lost silently.
#include <QString>
#include <QStringList>

namespace brelt::workspace {

struct HomeChoice {
    QString directory;
    QString error; // set when an explicitly chosen folder could not be made
};

// `arguments` are the program's arguments (the program name first).
HomeChoice chooseHomeDirectory(const QStringList& arguments, const QString& environmentHome,
                               const QString& programDirectory, const QString& userDataDirectory);

// The paths of the files in a home folder.
struct HomePaths {
    QString home;
    QString shipped; // the program's directory, where the catalogue ships; may equal `home`
    QString ini() const { return home + QStringLiteral("/Brelt.INI"); }
    QString history() const { return home + QStringLiteral("/Brelt.HST"); }
    // The home's own catalogue, else the one shipped beside the program (a home chosen with
    // --home starts without one).
    QString constants() const;
    QString variables() const { return home + QStringLiteral("/Brelt.USR"); }
    QString functions() const { return home + QStringLiteral("/Brelt.FNC"); }
    // The user functions file to read at start-up: `configured`, unless that is the home's own
    // file and the home has none yet; then the example file shipped beside the program, as the
    // catalogue is (saving still writes the home's own file).
    QString functionsToLoad(const QString& configured) const;
    QString base() const { return home + QStringLiteral("/Brelt"); }
};

} // namespace brelt::workspace
