// The Constants tab: case-free sorting and finding, the not-found warning, pasting a line's value,
// Edit through $VISUAL/$EDITOR or the desktop, Reload, and the shipped CODATA catalogue.
#include "support/fake_ui_services.h"
#include "workspace/constants_catalogue.h"
#include "workspace/constants_page.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <cmath>

using namespace brelt;
using namespace brelt::workspace;

namespace {

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QString sourceDir() {
    return QStringLiteral(BRELT_SOURCE_DIR);
}

struct Tab {
    explicit Tab(const QString& path) : page(path, [this](const QString& text) { inserted << text; }) {}
    QLineEdit* find() { return page.findChild<QLineEdit*>(QStringLiteral("edFind")); }
    QListWidget* list() { return page.findChild<QListWidget*>(QStringLiteral("lbConst")); }
    QPushButton* button(const char* name) { return page.findChild<QPushButton*>(QLatin1String(name)); }
    QString selected() { return list()->currentItem() ? list()->currentItem()->text() : QString(); }
    QStringList inserted;
    ConstantsPage page;
};

} // namespace

TEST(ConstantsPage, SortedWithoutCaseAndFoundByPrefix) {
    QTemporaryDir home;
    brelt::testing::FakeUiServices ui;
    const QString path = home.filePath(QStringLiteral("Brelt.CON"));
    writeFile(path, "Hb = 1\r\nh = 3\r\ng = 9.8 \r\n\r\nc (m/s) = 299792458\r\n");
    Tab tab(path);
    ASSERT_TRUE(tab.page.loadAtStartup());
    ASSERT_EQ(tab.list()->count(), 4);
    EXPECT_EQ(tab.list()->item(0)->text(), QStringLiteral("c (m/s) = 299792458"));
    EXPECT_EQ(tab.list()->item(2)->text(), QStringLiteral("h = 3"));
    EXPECT_EQ(tab.list()->item(3)->text(), QStringLiteral("Hb = 1"));
    struct Case {
        const char* typed;
        const char* selected;
    };
    const Case cases[] = {{"h", "h = 3"}, {"HB", "Hb = 1"}, {"C (", "c (m/s) = 299792458"}};
    for (const Case& c : cases) {
        tab.find()->clear();
        QTest::keyClicks(tab.find(), QLatin1String(c.typed));
        EXPECT_EQ(tab.selected(), QLatin1String(c.selected)) << c.typed;
    }
    EXPECT_TRUE(ui.boxes.empty());
    EXPECT_TRUE(tab.inserted.isEmpty()); // finding selects, it does not paste
}

TEST(ConstantsPage, NotFoundWarningOncePerKeystroke) {
    QTemporaryDir home;
    brelt::testing::FakeUiServices ui;
    const QString path = home.filePath(QStringLiteral("Brelt.CON"));
    writeFile(path, "h = 3\n");
    Tab tab(path);
    tab.page.loadAtStartup();
    QTest::keyClicks(tab.find(), QStringLiteral("hq"));
    QTest::keyClick(tab.find(), Qt::Key_Backspace);
    QTest::keyClick(tab.find(), Qt::Key_Backspace);
    EXPECT_EQ(ui.texts(), (QStringList{QStringLiteral("Constant name begining from <\"HQ\"> not found"),
                                       QStringLiteral("Constant name begining from <\"\"> not found")}));
    EXPECT_EQ(ui.boxes[0].kind, chart::MessageKind::Warning);
}

TEST(ConstantsPage, PasteTakesTheValueWithoutBlanks) {
    struct Case {
        const char* line;
        const char* pasted;
    };
    const Case cases[] = {
        {"g = 9.8 ", "9.8"},
        {"c (m/s) = 299792458", "299792458"},
        {"e/me (C/kg) = -1.758 820 010 76E11", "-1.75882001076E11"},
        {"no value here", "novaluehere"},
        {"a = b = 2", "b=2"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(constantPasteText(QLatin1String(c.line)), QLatin1String(c.pasted)) << c.line;

    QTemporaryDir home;
    brelt::testing::FakeUiServices ui;
    const QString path = home.filePath(QStringLiteral("Brelt.CON"));
    writeFile(path, "g = 9.8 \nh = 3\n");
    Tab tab(path);
    tab.page.loadAtStartup();
    tab.button("bbPaste")->click(); // nothing selected: nothing pasted
    EXPECT_TRUE(tab.inserted.isEmpty());
    tab.page.show();
    const QRect row = tab.list()->visualItemRect(tab.list()->item(0));
    QTest::mouseClick(tab.list()->viewport(), Qt::LeftButton, {}, row.center());
    tab.button("bbPaste")->click();
    EXPECT_EQ(tab.inserted, (QStringList{QStringLiteral("9.8"), QStringLiteral("9.8")}));
}

TEST(ConstantsPage, EditUsesTheEnvironmentsEditorWithoutAShellThenReload) {
    QTemporaryDir home;
    brelt::testing::FakeUiServices ui;
    const QString path = home.filePath(QStringLiteral("Brelt.CON"));
    writeFile(path, "a = 1\n");
    Tab tab(path);
    tab.page.loadAtStartup();
    QStringList started;
    tab.page.setLauncher([&](const QString& program, const QStringList& arguments) {
        started << program << arguments;
        return true;
    });
    EXPECT_FALSE(tab.button("bbReload")->isEnabled());
    const QByteArray oldVisual = qgetenv("VISUAL");
    const QByteArray oldEditor = qgetenv("EDITOR");
    qputenv("VISUAL", "my-editor --wait");
    qputenv("EDITOR", "other");
    tab.button("bbEdit")->click();
    EXPECT_EQ(started, (QStringList{QStringLiteral("my-editor"), QStringLiteral("--wait"), path}));
    EXPECT_TRUE(tab.button("bbReload")->isEnabled());
    // Without either variable the desktop opens the file.
    qunsetenv("VISUAL");
    qunsetenv("EDITOR");
    tab.button("bbEdit")->click();
    ASSERT_EQ(ui.openedUrls.size(), 1u);
    EXPECT_EQ(ui.openedUrls[0], QUrl::fromLocalFile(path));
    if (!oldVisual.isNull()) qputenv("VISUAL", oldVisual);
    if (!oldEditor.isNull()) qputenv("EDITOR", oldEditor);

    writeFile(path, "b = 2\na = 1\n");
    tab.button("bbReload")->click();
    EXPECT_EQ(tab.list()->count(), 2);
    EXPECT_EQ(tab.list()->item(0)->text(), QStringLiteral("a = 1"));
    EXPECT_FALSE(tab.button("bbReload")->isEnabled());
    QFile::remove(path);
    tab.button("bbEdit")->click();
    tab.button("bbReload")->click();
    EXPECT_EQ(ui.texts().last().toStdString(),
              (QStringLiteral("File <") + path + QStringLiteral("> not found")).toStdString());
    EXPECT_EQ(tab.list()->count(), 0);
    EXPECT_FALSE(tab.button("bbReload")->isEnabled());
}

TEST(ConstantsPage, MissingAtStartup) {
    QTemporaryDir home;
    brelt::testing::FakeUiServices ui;
    const QString path = home.filePath(QStringLiteral("Brelt.CON"));
    Tab tab(path);
    EXPECT_FALSE(tab.page.loadAtStartup());
    EXPECT_EQ(ui.texts(), QStringList{QStringLiteral("File <") + path + QStringLiteral("> not found.")});
}

TEST(ConstantsPage, ShippedCatalogueHoldsCodata2018Values) {
    QStringList lines;
    ASSERT_TRUE(loadCatalogue(sourceDir() + QStringLiteral("/data/Brelt.CON"), lines));
    EXPECT_GE(lines.size(), 40);
    struct Case {
        const char* prefix;
        long double value;
    };
    const Case cases[] = {
        {"c (m/s)", 299792458.0L},
        {"h Planck constant (J s)", 6.62607015E-34L},
        {"hbar reduced Planck constant (J s)", 1.054571817E-34L},
        {"e elementary charge", 1.602176634E-19L},
        {"me electron mass (kg)", 9.1093837015E-31L},
        {"mp proton mass (kg)", 1.67262192369E-27L},
        {"NA Avogadro", 6.02214076E23L},
        {"k Boltzmann constant (J/K)", 1.380649E-23L},
        {"G Newtonian", 6.67430E-11L},
        {"alpha fine", 7.2973525693E-3L},
        {"Rinf Rydberg", 10973731.568160L},
        {"eps0", 8.8541878128E-12L},
        {"mu0", 1.25663706212E-6L},
        {"g0 standard", 9.80665L},
    };
    for (const Case& c : cases) {
        const int row = findConstant(lines, QLatin1String(c.prefix));
        ASSERT_GE(row, 0) << c.prefix;
        bool ok = false;
        const double value = constantPasteText(lines.at(row)).toDouble(&ok);
        ASSERT_TRUE(ok) << lines.at(row).toStdString();
        EXPECT_NEAR(value, static_cast<double>(c.value), std::fabs(static_cast<double>(c.value)) * 1e-15)
            << c.prefix;
    }
    // Every line is "name = number".
    for (const QString& line : lines) {
        bool ok = false;
        constantPasteText(line).toDouble(&ok);
        EXPECT_TRUE(ok) << line.toStdString();
    }
}
