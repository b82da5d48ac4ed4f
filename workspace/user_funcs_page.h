#pragma once
// The User Funcs tab (`tsFuncs`): the user's functions, one line each in `lbFuncs` (line k is
// function k of the collection the engine calls), a name field that takes only letters,
// parentheses and commas, a body field, "&Add/Modify" (a function of the same name is replaced
// and the new one goes first), "&Delete", "&Save", "Save &As" (remembered in "Brelt.INI" as
// "Files"/"Functions" for the next start) and "&Load".
//
// Wiring (the main window):
//   auto* page = new UserFuncsPage(functions, settings.functionsFile, paths.ini());
//   FormCreate: page->loadFile(settings.functionsFile) in place of loading the collection and
//   filling `lbFuncs` separately (a missing file is no error). `functions` is the collection
//   connected to the engine (engine::ConnectUserFunctions), so its refusals show as message boxes.
#include "engine/user_functions.h"
#include "workspace/user_funcs_list.h"

#include <QWidget>

class QLineEdit;
class QListWidget;

namespace brelt::workspace {

class UserFuncsPage : public QWidget {
    Q_OBJECT
public:
    UserFuncsPage(engine::TUserFunctions& functions, QString functionsFile, QString iniPath,
                  QWidget* parent = nullptr);

    void edFuncNameChange();
    void lbFuncsClick();
    void bbAddFuncClick();
    void bbDeleteFuncClick();
    void BitBtn7Click(); // "&Save"
    void BitBtn5Click(); // "Save &As"
    void BitBtn8Click(); // "&Load"

    // Loads a functions file into the collection and the list; false when nothing was read.
    bool loadFile(const QString& path);
    // Shows the collection as it stands.
    void rebuildList();

    const UserFuncsList& list() const { return m_list; }

private:
    engine::TUserFunctions& m_functions;
    UserFuncsList m_list;
    QString m_functionsFile;
    QString m_iniPath;
    QLineEdit* edFuncName = nullptr;
    QLineEdit* edFuncExpres = nullptr;
    QListWidget* lbFuncs = nullptr;
};

// Keeps "(", ")", ",", A-Z and a-z of a function name, as filterCharacters (user_vars_page.h).
bool keepFunctionNameCharacters(QString& text, int& cursor);

} // namespace brelt::workspace
