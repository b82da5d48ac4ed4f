#pragma once
// The main window on an empty home with its Graphics tab open, driven as a user drives it: a test
// makes the plot windows it needs, hands them to openGraphicsTab and types and clicks.
#include "chart/view/settings_store.h"
#include "engine/engine.h"
#include "support/fake_ui_services.h"
#include "tests/workspace/empty_home.h"
#include "workspace/engine_calc.h"
#include "workspace/graphics_page.h"
#include "workspace/plot_request.h"
#include "workspace/rescu.h"

#include <QButtonGroup>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>

class GraphicsTabFixture : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(makeEmptyHome(paths, home.path()));
        window = std::make_unique<brelt::workspace::TfmCalc>(calc, paths);
    }
    void TearDown() override { page().setTargets({}); }

    void openGraphicsTab(const brelt::workspace::PlotTargets& targets) {
        page().setEngine(&engine);
        page().setTargets(targets);
        window->show();
        QTest::qWait(10); // the start-up boxes (none: the files exist)
        find<QTabWidget>("pcCalc")->setCurrentWidget(find("tsGraph"));
        ui.boxes.clear();
    }

    brelt::workspace::GraphicsPage& page() { return window->graphicsPage(); }
    template <typename T = QWidget> T* find(const char* name) {
        T* w = window->findChild<T*>(QLatin1String(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    void set(const char* field, const QString& text) { find<QLineEdit>(field)->setText(text); }
    void choose(int type) { find<QButtonGroup>("rgPlot")->button(type)->click(); }
    void plot(const QString& formula) {
        find<QLineEdit>("Edit1")->setText(formula);
        find<QPushButton>("bbOK")->click();
    }

    QTemporaryDir home;
    brelt::workspace::HomePaths paths;
    brelt::testing::FakeUiServices ui;
    brelt::engine::Engine engine;
    brelt::workspace::EngineCalc calc{engine};
    std::shared_ptr<brelt::chart::MemorySettingsStore> store =
        std::make_shared<brelt::chart::MemorySettingsStore>();
    std::unique_ptr<brelt::workspace::TfmCalc> window;
};
