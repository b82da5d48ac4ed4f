#include "workspace/standard_pages.h"

#include "chart/view/ui_services.h"

#include "workspace/constants_page.h"
#include "workspace/engine_calc.h"
#include "workspace/rcvar.h"
#include "workspace/user_funcs_page.h"
#include "workspace/user_vars_page.h"
#include "workspace/variables_buttons.h"
#include "workspace/variables_page.h"

#include <QPointer>

namespace brelt::workspace {

TfmCalcPageFactory standardPages(ProgramParts& parts) {
    return [&parts](TfmCalc& window) {
        TfmCalc* w = &window;
        const HomePaths& paths = window.paths();
        auto insert = [w](const QString& text) { w->insertText(text); };
        auto digits = [w] { return w->digits(); };
        auto help = [w](int topic) { w->openHelp(topic); };

        parts.setVar = new TSetVar(parts.engine, w);
        parts.setVar->setHelpHandler(help);

        TfmCalcPages pages;
        auto* constants = new ConstantsPage(paths.constants(), insert);
        constants->setHelpHandler(help);
        auto* variables = new VariablesPage(parts.engine, digits);
        variables->setHelpHandler(help);
        auto* userVars = new UserVarsPage(parts.engine, paths.variables(), paths.ini(), digits);
        auto* userFuncs = new UserFuncsPage(parts.functions, paths.functions(), paths.ini());
        pages.constants = constants;
        pages.variables = variables;
        pages.userVars = userVars;
        pages.userFuncs = userFuncs;
        pages.variableButtons = new VariableButtons(
            *parts.setVar, insert, [w] { w->ReturnClick(); }, digits);
        pages.loadConstants = [constants] { constants->loadAtStartup(); };
        pages.loadFunctions = [userFuncs](const QString& file) { userFuncs->loadFile(file); };
        pages.loadVariables = [userVars](const QString& file) { userVars->loadAtStartup(file); };
        pages.modesChanged = [userVars] { userVars->rebuildList(); };

        // The engine's boxes and the refusals of user functions belong to the main window; a refusal
        // is an error.
        parts.calc.setWindow(w);
        parts.functions.setMessageSink([window = QPointer<TfmCalc>(w)](const std::string& text) {
            chart::uiServices().message(window, QStringLiteral("Brelt"), QString::fromStdString(text),
                                        chart::MessageKind::Error);
        });

        TSetVar* dialog = parts.setVar;
        parts.calc.setVariableRequester(
            [dialog, w](int slot) { return askVariable(*dialog, slot, w->digits()); });
        parts.calc.setUserVariableAdder([userVars](const std::string& name, engine::Real value) {
            return userVars->addUserVariable(name, value);
        });
        return pages;
    };
}

} // namespace brelt::workspace
