#pragma once
// The User Vars tab (`tsUserVar`): the user's named values. `lbVars` shows the engine's record
// list line for line (line k is record k, newest first): name, " = ", the value with the current
// Digits. Add/Modify evaluates `edValue` as a formula; the list is always rebuilt from the records,
// so a delete removes exactly the record of the selected line.
//
// Files: "&Save" writes the records to the current user variables file, "Save &As" to a chosen
// one (and remembers it in "Brelt.INI" as "Files"/"Variables" for the next start); the file keeps
// every value exactly. "&Load" replaces the records; lines that are no "name = number" are
// skipped and reported once.
//
// Wiring (the main window):
//   auto* page = new UserVarsPage(engine, settings.variablesFile, paths.ini(), [this] { return digits(); });
//   FormCreate: page->loadAtStartup(settings.variablesFile) instead of only reading the file;
//   EngineHost::addUserVariable(engine, name, value) -> return page->addUserVariable(name, value);
//   Return in `edName`/`edValue` presses "btAdd" (the page also handles it itself).
#include "engine/engine.h"

#include <QWidget>

#include <functional>
#include <string>

class QLineEdit;
class QListWidget;
class QPushButton;

namespace brelt::workspace {

class UserVarsPage : public QWidget {
    Q_OBJECT
public:
    UserVarsPage(engine::Engine& engine, QString variablesFile, QString iniPath, std::function<int()> digits,
                 QWidget* parent = nullptr);

    void edNameChange();
    void btAddClick();
    void lbVarsDblClick();
    void btDeleteClick();
    void bbSaveClick();
    void bnSaveAsClick();
    void btLoadClick();

    // Loads a *.USR file into the records and the list: "Can't read file " when it cannot be read
    // (records untouched), one warning naming the skipped lines. False when it could not be read.
    bool loadFile(const QString& path);
    // The start-up load: a file that is not there yet (a first run) leaves the list empty without a
    // word; one that is there but cannot be read is reported as by loadFile.
    bool loadAtStartup(const QString& path);

    // The engine's add-or-modify of an assignment to a user variable: returns the record's code.
    int addUserVariable(const std::string& name, engine::Real value);

    // Rebuilds `lbVars` from the records (after Digits or the notation changed, for instance).
    void rebuildList();

    const QString& variablesFile() const { return m_variablesFile; }

private:
    int digits() const { return m_digits ? m_digits() : 12; }
    void selectRecord(int index);

    engine::Engine& m_engine;
    QString m_variablesFile;
    QString m_iniPath;
    std::function<int()> m_digits;
    QLineEdit* edName = nullptr;
    QLineEdit* edValue = nullptr;
    QListWidget* lbVars = nullptr;
};

// Removes from `text` every character `allowed` refuses; `cursor` (in and out) goes to where the
// first removed character stood (after the first character when it was the first one). True when
// something was removed.
bool filterCharacters(QString& text, int& cursor, const std::function<bool(QChar)>& allowed);

// Keeps only the letters A-Z and a-z of `text`, as filterCharacters. `cursor` (in and out) moves to where the
// first removed character stood (after the first character when it was the first one). True when something
// was removed.
bool keepLettersOnly(QString& text, int& cursor);

// The line of `lbVars` for a record.
QString userVariableLine(const engine::Engine& engine, const engine::UserVariable& record, int digits);

} // namespace brelt::workspace
