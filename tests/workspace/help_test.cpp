// The built-in manual: every topic the program opens has its page, every link inside the manual
// leads somewhere, the function reference names the whole catalogue, the message page quotes every
// message of the result line, and the help window behaves as one reusable, non-modal window.
#include "workspace/help_viewer.h"

#include "engine/engine.h"
#include "engine/format_value.h"
#include "engine/function_table.h"
#include "engine/help_table.h"
#include "engine/line_evaluation.h"
#include "engine/messages.h"
#include "engine/user_functions.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QLineEdit>
#include <QPointer>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSet>
#include <QTextBrowser>
#include <QTextDocument>
#include <QToolButton>
#include <QWidget>
#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

using brelt::workspace::helpPageForTopic;
using brelt::workspace::helpUrlForTopic;
using brelt::workspace::showHelpTopic;

QString readPage(const QString& resource) {
    QFile file(resource);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(file.readAll());
}

// What a reader sees: the page rendered by the same HTML engine as the help window, as plain text
// with runs of blanks folded, so that entities and line breaks in the source do not matter.
QString plainText(const QString& resource) {
    static QHash<QString, QString> rendered;
    if (!rendered.contains(resource)) {
        QTextDocument document;
        document.setHtml(readPage(resource));
        rendered.insert(resource,
                        document.toPlainText().replace(QChar(0x00A0), QLatin1Char(' ')).simplified());
    }
    return rendered.value(resource);
}

QStringList allPages() {
    helpPageForTopic(0); // registers the resources
    QStringList pages;
    for (const QString& name : QDir(QStringLiteral(":/help")).entryList({QStringLiteral("*.html")}))
        pages << QStringLiteral(":/help/") + name;
    return pages;
}

// The anchors a page defines: <a name="..."> (what the help browser scrolls to).
QSet<QString> anchorsOf(const QString& html) {
    QSet<QString> anchors;
    static const QRegularExpression name(QStringLiteral(R"re(<a\s+name="([^"]+)")re"),
                                         QRegularExpression::CaseInsensitiveOption);
    for (auto it = name.globalMatch(html); it.hasNext();)
        anchors.insert(it.next().captured(1));
    return anchors;
}

QStringList hrefsOf(const QString& html) {
    QStringList hrefs;
    static const QRegularExpression href(QStringLiteral(R"re(href="([^"]*)")re"),
                                         QRegularExpression::CaseInsensitiveOption);
    for (auto it = href.globalMatch(html); it.hasNext();)
        hrefs << it.next().captured(1);
    return hrefs;
}

// ---- topic numbers ----

struct TopicCase {
    int topic;
    const char* page;
    const char* mustMention; // what the control that opens this topic is about
};

// Every topic number the program opens: F1 and the Help speed button (0), the Variables tab and the
// Set variable dialog (3), the Constants tab (8), the Graphics tab by plot type (10, 18, 19, 20) and
// the Tape tab (21).
const TopicCase kTopics[] = {
    {0, ":/help/topic_0.html", "Contents"},
    {3, ":/help/topic_3.html", "Set variable"},
    {8, ":/help/topic_8.html", "Constants"},
    {10, ":/help/topic_10.html", "Plot f(X)"},
    {18, ":/help/topic_18.html", "Contour Plot f(X,Y)"},
    {19, ":/help/topic_19.html", "Color Shading f(X,Y)"},
    {20, ":/help/topic_20.html", "Surface"},
    {21, ":/help/topic_21.html", "tape"},
    {brelt::workspace::kPolarPlotHelpTopic, ":/help/plotting.html", "Polar plots"},
};

TEST(HelpTopics, EveryTopicOfTheProgramHasItsOwnPage) {
    for (const TopicCase& c : kTopics) {
        SCOPED_TRACE(c.topic);
        EXPECT_EQ(helpPageForTopic(c.topic), QString::fromLatin1(c.page));
        EXPECT_TRUE(QFile::exists(helpPageForTopic(c.topic)));
        QUrl url = helpUrlForTopic(c.topic);
        EXPECT_EQ(url.adjusted(QUrl::RemoveFragment),
                  QUrl(QStringLiteral("qrc") + QString::fromLatin1(c.page)));
        if (url.hasFragment()) {
            EXPECT_TRUE(anchorsOf(readPage(c.page)).contains(url.fragment()));
        }
        EXPECT_TRUE(plainText(c.page).contains(QString::fromUtf8(c.mustMention))) << c.mustMention;
    }
}

TEST(HelpTopics, UnknownTopicsOpenTheContents) {
    for (int topic : {-1, 1, 2, 4, 11, 23, 99, 100000}) {
        SCOPED_TRACE(topic);
        EXPECT_EQ(helpPageForTopic(topic), QStringLiteral(":/help/topic_0.html"));
    }
}

// ---- links ----

TEST(HelpLinks, EveryInternalLinkAndAnchorResolves) {
    const QStringList pages = allPages();
    ASSERT_GE(pages.size(), 15);
    for (const QString& page : pages) {
        const QString html = readPage(page);
        ASSERT_FALSE(html.isEmpty()) << page.toStdString();
        for (const QString& href : hrefsOf(html)) {
            SCOPED_TRACE((page + QStringLiteral(" -> ") + href).toStdString());
            EXPECT_FALSE(href.isEmpty());
            if (href.startsWith(QStringLiteral("http")) || href.startsWith(QStringLiteral("mailto:")))
                continue;
            const QString file = href.section(QLatin1Char('#'), 0, 0);
            const QString anchor = href.section(QLatin1Char('#'), 1);
            const QString target = file.isEmpty() ? page : QStringLiteral(":/help/") + file;
            ASSERT_TRUE(QFile::exists(target));
            if (!anchor.isEmpty()) {
                EXPECT_TRUE(anchorsOf(readPage(target)).contains(anchor));
            }
        }
    }
}

TEST(HelpLinks, EveryPageIsReachableFromTheContentsAndCarriesTheNavigationLine) {
    QSet<QString> seen{QStringLiteral(":/help/topic_0.html")};
    QStringList queue{QStringLiteral(":/help/topic_0.html")};
    while (!queue.isEmpty()) {
        const QString page = queue.takeFirst();
        for (const QString& href : hrefsOf(readPage(page))) {
            const QString file = href.section(QLatin1Char('#'), 0, 0);
            if (!file.endsWith(QStringLiteral(".html"))) continue;
            const QString target = QStringLiteral(":/help/") + file;
            if (!seen.contains(target)) {
                seen.insert(target);
                queue << target;
            }
        }
    }
    for (const QString& page : allPages()) {
        SCOPED_TRACE(page.toStdString());
        EXPECT_TRUE(seen.contains(page));
        const QString html = readPage(page);
        EXPECT_EQ(html.count(QStringLiteral("<p class=\"nav\">")), 2); // above and below the text
        EXPECT_TRUE(html.contains(QStringLiteral("href=\"help.css\"")));
        QTextDocument document;
        document.setHtml(html);
        EXPECT_FALSE(document.metaInformation(QTextDocument::DocumentTitle).isEmpty());
    }
}

// ---- content checked against the catalogue ----

// The catalogue is read from the engine's own table, so a renamed or added function that the
// manual does not describe fails here.
QString catalogueName(int code) {
    const std::string_view name = brelt::engine::FunctionTable[static_cast<std::size_t>(code)].name;
    return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())); // "\xB6" is the pi sign
}

TEST(HelpContent, FunctionReferenceNamesTheWholeCatalogue) {
    const QString reference = plainText(QStringLiteral(":/help/functions.html"));
    for (int code = 0; code < brelt::engine::kFunctionCount; ++code) {
        const QString name = catalogueName(code);
        EXPECT_TRUE(reference.contains(name)) << code;
        // Functions with arguments appear as written, name and "(" together, in the row that
        // carries the catalogue number: "1 sin(x) sine".
        if (code < brelt::engine::kFirstLowerVariable && name.endsWith(QLatin1Char('('))) {
            EXPECT_TRUE(reference.contains(QString::number(code) + QLatin1Char(' ') + name)) << code;
        }
    }
}

TEST(HelpContent, FunctionReferenceQuotesEveryAssistantText) {
    const QString reference = plainText(QStringLiteral(":/help/functions.html"));
    for (int index = 0; index < brelt::engine::kHelpCount; ++index) {
        const std::string_view text = brelt::engine::HelpTable[static_cast<std::size_t>(index)];
        const QString shown = QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
        EXPECT_TRUE(reference.contains(shown.simplified())) << index << ": " << std::string(text);
    }
}

TEST(HelpContent, MessagePageQuotesEveryMessage) {
    const QString page = plainText(QStringLiteral(":/help/errors.html"));
    for (int code = 0; code <= 30; ++code) {
        // 27 is composed around the inner message; its fixed head is what the page can quote.
        const QString message = QString::fromLatin1(brelt::engine::CatalogueMessage(code));
        EXPECT_TRUE(page.contains(message.trimmed())) << code << ": " << message.toStdString();
    }
    const QString composed = QString::fromLatin1(brelt::engine::ComposeUserFunctionError(13, 2));
    EXPECT_TRUE(page.contains(composed.trimmed())) << composed.toStdString();
}

// Examples the manual gives, with the text it says Brelt shows; a change of the formatter or of
// the grammar that breaks one of them must be noticed here.
struct ExampleCase {
    const char* page;
    const char* text;
};
const ExampleCase kExamples[] = {
    {":/help/topic_0.html", "Division by zero: position 3"},
    {":/help/language.html", "2^3^2 512 (5.12E+2)"},
    {":/help/language.html", "-2^2 -4"},
    {":/help/language.html", "2+-3 \"Syntax error\""},
    {":/help/formatting.html", "12345 12.345E+3"},
    {":/help/formatting.html", "0.00012345 123.45E-6"},
    {":/help/formatting.html", "1.51 1:30:36"},
    {":/help/formatting.html", "0 0.0"},
    {":/help/command_line.html", "brelt --notation eng --eval 12345 12.345E+3"},
    {":/help/command_line.html", "--plot FORMULA [--plot FORMULA ...] --from A --to B"},
    {":/help/files.html", "BRELT_HOME"},
    {":/help/special.html", "relative error is at most 1E-15"},
    {":/help/special.html", "absolute error is at most 1E-18"},
};

TEST(HelpContent, ExamplesReadAsDocumented) {
    for (const ExampleCase& c : kExamples) {
        EXPECT_TRUE(plainText(QString::fromLatin1(c.page)).contains(QString::fromUtf8(c.text)))
            << c.page << ": " << c.text;
    }
}

// ---- the manual's formulas, evaluated ----

// A formula the manual shows with the result it promises. `setup` lines run first in the same
// session (for "?" and variables). `expected` is the result line up to ": position", so an error
// case names only its message. Modes: angle 1 degrees / 0 radians, notation 0..3, base 0..2.
struct FormulaCase {
    const char* page;
    const char* formula;
    const char* expected;
    int angle = 1;
    int notation = 0;
    int digits = 12;
    int base = 0;
    std::vector<const char*> setup = {};
};

const FormulaCase kFormulas[] = {
    {"topic_0", "2^3^2", "5.12E+2"},
    {"topic_0", "4/0", "Division by zero: position 3"},
    {"topic_0", "?*2", "1.024E+3", 1, 0, 12, 0, {"2^3^2"}},
    {"topic_0", "(X=3)*2", "6.0E+0"},
    {"topic_3", "(X=2.5)*X", "6.25E+0"},
    {"language", "1E3", "1.0E+3"},
    {"language", "1.5E-2", "1.5E-2"},
    {"language", "1:30", "1.5E+0"},
    {"language", "1:30:36", "1.51E+0"},
    {"language", "$FF", "FF", 1, 0, 12, 1},
    {"language", "$1A.8", "1A", 1, 0, 12, 1},
    {"-", "$1A.8+$1A.8", "35", 1, 0, 12, 1}, // 26.5 twice
    {"language", "101", "101", 1, 0, 12, 2},
    {"-", "11.1+11.1", "111", 1, 0, 12, 2}, // 3.5 twice
    {"language", "1E", "Syntax error"},
    {"language", "1E+", "Syntax error"},
    {"language", "2e3", "Syntax error"},
    {"language", "1:30.5", "Syntax error"},
    {"language", "1:30E2", "Syntax error"},
    {"language", "$FF", "Syntax error"},
    {"language", "X=3", "Missing \"(\""},
    {"language", "1000*rate", "5.0E+1", 1, 0, 12, 0, {"(rate=0.05)"}},
    {"language", "?/2", "5.12E+2", 1, 0, 12, 0, {"2^10"}},
    {"language", "50%4", "2.0E+0"},
    {"language", "200%15", "3.0E+1"},
    {"language", "7&3", "3.0E+0"},
    {"language", "5|2", "7.0E+0"},
    {"language", "6\\3", "5.0E+0"},
    {"language", "7.9&7", "7.0E+0"},
    {"language", "1+2&3", "3.0E+0"},
    {"language", "3\u00b2", "9.0E+0"},
    {"language", "2\u00b3", "8.0E+0"},
    {"language", "9\u00bd", "3.0E+0"},
    {"language", "(1+3)\u00bd", "2.0E+0"},
    {"-", "(-4)\u00bd", "Argument Negative"},
    {"language", "-2^2", "-4.0E+0"},
    {"language", "(-2)^2", "4.0E+0"},
    {"language", "2^-1", "5.0E-1"},
    {"language", "2+-3", "Syntax error"},
    {"language", "2+(-3)", "-1.0E+0"},
    {"language", "2*-3", "Syntax error"},
    {"language", "--2", "Syntax error"},
    {"language", "2(3)", "Syntax error"},
    {"language", "(-8)^(1/3)", "Argument Negative"},
    {"language", "sin30", "Syntax error"},
    {"language", "Sin(30)", "Syntax error"},
    {"language", "2*pi", "6.2831853E+0"},
    {"language", "sin(1,2)", "Syntax error"},
    {"language", "Jn(2)", "\",\" expected"},
    {"language", "sqrt(2)\u00b2", "2.0E+0"},
    {"language", "2^3\u00b2", "5.12E+2"},
    {"language", "(2^3)\u00b2", "6.4E+1"},
    {"language", "(-8)^3", "-5.12E+2"},
    {"language", "0^0", "1.0E+0"},
    {"language", "1E-5000", "0.0E+0"},
    {"language", "1E5000", "Overflow"},
    {"functions", "sin(30)", "5.0E-1"},
    {"functions", "arcsin(1)", "9.0E+1"},
    {"functions", "arccos(-1)", "3.1415927E+0", 0},
    {"functions", "log(1000)", "3.0E+0"},
    {"functions", "round(1.5)", "2.0E+0"},
    {"functions", "round(2.5)", "2.0E+0"},
    {"functions", "trunc(-2.7)", "-2.0E+0"},
    {"functions", "frac(-2.5)", "-5.0E-1"},
    {"functions", "n!(3)", "6.0E+0"},
    {"functions", "gamma(5)", "2.4E+1"},
    {"functions", "10^(3)", "1.0E+3"},
    {"functions", "tan(pi/2)", "-3.9868E+19", 0},
    {"-", "tan(90)", "Division by zero"},
    {"-", "round(3E9)", "Overflow"},
    {"-", "n!(1755)", "Overflow"},
    {"special", "Jn(0.5,1)", "6.7139671E-1", 0},
    {"-", "sqrt(2/pi)*sin(1)", "6.7139671E-1", 0},
    {"special", "eFD(0,-30)", "9.357623E-14"},
    {"special", "exp(-30)", "9.357623E-14"},
    {"special", "gamma(-0.5)", "-3.544908E+0"},
    {"functions", "mean(1,2,3)", "2.0E+0"},
    {"functions", "std(1,2,3)", "1.0E+0"},
    {"functions", "sum(1,2,3)", "6.0E+0"},
    {"functions", "stat(1,2,3)", "2.0E+0"},
    {"functions", "poly(2,1,0,3)", "1.3E+1"},
    {"special", "gamma(0.5)", "1.7724539E+0"},
    {"procedures", "integral(0,1,X^2)", "3.3333333E-1"},
    {"procedures", "integral(0,pi,sin(X))", "2.0E+0", 0},
    {"procedures", "integral(0,1,4/(1+X^2))", "3.1415927E+0"},
    {"procedures", "integral(0,2,exp(-X^2))*2/sqrt(pi)", "9.9532227E-1"},
    {"procedures", "integral(0,1,1/sqrt(X))", "No possibility"},
    {"procedures", "integral(0,1,2)", "2.0E+0"},
    {"procedures", "integral(-1,1,1/X)", "No possibility"},
    {"procedures", "solve(-1E300,1E300,X-1)", "1.0E+0"},
    {"procedures", "solve(-1,2,1/X)", "Singulation"},
    {"procedures", "solve(0,2,trunc(X)-0.5)", "No possibility"},
    {"procedures", "solve(0,3,X^3-3*X^2+3*X-1)", "No possibility"},
    {"procedures", "solve(0,2,(X-1.25)^2)", "1.25E+0"},
    {"procedures", "max(0,10,exp(-1E8*(X-5.0111)^2))", "1.0E+0"},
    {"procedures", "max(0,10,exp(-1E12*(X-5.0111)^2))", "0.0E+0"},
    {"procedures", "stat(1E10+1,1E10+2,1E10+3)", "2.0E+0"},
    {"procedures", "solve(0,2,X^2-2)", "1.4142136E+0"},
    {"procedures", "solve(1,2,X^2+1)", "Interval Error"},
    {"procedures", "solve(0,1,cos(X)-X)", "7.3908513E-1", 0},
    {"procedures", "solve(2,4,X^3-2*X-5)", "2.0945515E+0"},
    {"procedures", "min(0,3,X^3-3*X)", "-2.0E+0"},
    {"procedures", "max(-2,2,X*exp(-X^2))", "4.2888194E-1"},
    {"procedures", "max(0,360,sin(X))", "1.0E+0"},
    {"procedures", "(J=1)*0+(K=10)*0+(M=1)*0", "0.0E+0"},
    {"procedures", "for J to K step M do(?+J^2)", "3.85E+2", 1, 0, 12, 0, {"(J=1)*0+(K=10)*0+(M=1)*0"}},
    {"procedures", "for J to K step M do(J)", "1.0E+1", 1, 0, 12, 0, {"(J=1)*0+(K=10)*0+(M=1)*0"}},
    {"procedures",
     "for J to K step M do(?-(?^2-2)/(2*?))",
     "1.4142136E+0",
     1,
     0,
     12,
     0,
     {"(J=1)*0+(K=10)*0+(M=1)*0", "1"}},
    {"formatting", "512", "5.12E+2"},
    {"formatting", "1/3", "3.3333333E-1"},
    {"formatting", "-4", "-4.0E+0"},
    {"formatting", "6.02214076E23", "6.022141E+23"},
    {"formatting", "pi", "3.1415927E+0"},
    {"-", "-pi", "-3.141593E+0"},
    {"formatting", "pi", "3.1415926535897932E+0", 1, 0, 21},
    {"formatting", "1.5", "1.5", 1, 1},
    {"formatting", "pi", "3.141592654", 1, 1},
    {"formatting", "2/3", "0.6666666667", 1, 1},
    {"formatting", "0", "0.0", 1, 1},
    {"formatting", "1E9", "1.0E+9", 1, 1},
    {"formatting", "12345", "12.345E+3", 1, 2},
    {"formatting", "0.00012345", "123.45E-6", 1, 2},
    {"formatting", "6.02214076E23", "602.2141E+21", 1, 2},
    {"formatting", "1.51", "1:30:36", 1, 3},
    {"formatting", "-1.5", "-1:30:0", 1, 3},
    {"formatting", "0", "0:0:0", 1, 3},
    {"formatting", "1:30+0:45", "2:15:0", 1, 3},
    {"command_line", "2^10", "1.024E+3"},
    {"command_line", "?/4", "2.56E+2", 1, 0, 12, 0, {"2^10"}},
    {"command_line", "$FF+1", "100", 1, 0, 12, 1},
    {"user_functions", "hyp(3,4)", "5.0E+0"},
    {"user_functions", "f(1+2)", "5.0E+0"},
    {"user_functions", "f((1+2))", "9.0E+0"},
    {"user_functions", "g(1,2)", "3.0E+0"},
    {"errors", "h(0)", "User Function Error \"Division by zero position: 2\" "},
};

// Accepts every new user variable, as the User Vars tab does.
class UserVariableHost : public brelt::engine::EngineHost {
public:
    int addUserVariable(brelt::engine::Engine& engine, const std::string& name,
                        brelt::engine::Real value) override {
        return engine.addUserVariableRecord(name, value);
    }
};

TEST(HelpExamples, FormulasGiveTheResultsTheManualPromises) {
    for (const FormulaCase& c : kFormulas) {
        SCOPED_TRACE(std::string(c.page) + ": " + c.formula);
        const QString page =
            QStringLiteral(":/help/") + QString::fromLatin1(c.page) + QStringLiteral(".html");
        // The formula is on the page as the reader types it ("-": a check of a value the page
        // states in words).
        if (c.page[0] != '-') {
            EXPECT_TRUE(plainText(page).contains(QString::fromUtf8(c.formula)));
        }

        UserVariableHost host;
        brelt::engine::Engine engine(&host);
        brelt::engine::TUserFunctions functions;
        for (const char* line : {"hyp(a,b)=sqrt(a^2+b^2)", "f(x)=x*x", "g(a,ab)=a+ab", "h(x)=1/x"})
            ASSERT_TRUE(functions.AddFunction(line));
        brelt::engine::ConnectUserFunctions(engine, functions);
        engine.AngleUnit = c.angle;
        engine.Notation = c.notation;
        engine.setBase(c.base);
        for (const char* line : c.setup) {
            ASSERT_TRUE(brelt::engine::evaluateLine(engine, line, c.digits).success) << line;
        }
        const std::string shown = brelt::engine::evaluateLine(engine, c.formula, c.digits).resultText;
        const std::string expected = c.expected;
        if (expected.find(": position") == std::string::npos) {
            EXPECT_EQ(shown.substr(0, shown.find(": position")), expected);
        } else {
            EXPECT_EQ(shown, expected);
        }
    }
}

TEST(HelpExamples, TapeLinesReadAsTheManualShows) {
    const QString tapePage = plainText(QStringLiteral(":/help/topic_21.html"));
    for (const char* formula : {"2^3^2", "(X=3)*2"}) {
        brelt::engine::Engine engine;
        engine.AngleUnit = 1;
        const std::string line = brelt::engine::evaluateLine(engine, formula, 12).tapeLine;
        EXPECT_TRUE(tapePage.contains(QString::fromStdString(line).simplified())) << line;
    }
}

TEST(HelpExamples, BasesShowWholeNumbersAsTheManualSays) {
    using brelt::engine::formatNumber;
    EXPECT_EQ(formatNumber(255.9L, 12, 1, 0).text, "FF");
    EXPECT_EQ(formatNumber(-255.0L, 12, 1, 0).text, "-FF");
    EXPECT_EQ(formatNumber(5.0L, 12, 2, 0).text, "101");
    EXPECT_FALSE(formatNumber(3e9L, 12, 1, 0).ok());
    EXPECT_FALSE(formatNumber(596524.0L, 12, 0, 3).ok()); // "Change notation" from about 596523 hours
    EXPECT_TRUE(formatNumber(596523.0L, 12, 0, 3).ok());
}

// ---- the help window ----

QWidget* openHelpWindow() {
    for (QWidget* widget : QApplication::allWidgets()) {
        if (widget->objectName() == QStringLiteral("HelpWindow") && widget->isVisible()) return widget;
    }
    return nullptr;
}

int helpWindowCount() {
    int count = 0;
    for (QWidget* widget : QApplication::allWidgets())
        if (widget->objectName() == QStringLiteral("HelpWindow")) ++count;
    return count;
}

TEST(HelpWindow, OpensOnceAtTheTopicAndFollowsLaterRequests) {
    auto owner = std::make_unique<QWidget>();
    showHelpTopic(owner.get(), 10);
    QWidget* window = openHelpWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->windowModality(), Qt::NonModal);
    EXPECT_EQ(window->parentWidget(), owner.get());
    auto* browser = window->findChild<QTextBrowser*>(QStringLiteral("tbHelp"));
    ASSERT_NE(browser, nullptr);
    EXPECT_EQ(browser->source(), QUrl(QStringLiteral("qrc:/help/topic_10.html")));
    EXPECT_TRUE(window->windowTitle().contains(QStringLiteral("Plot f(X)")));
    EXPECT_TRUE(browser->toPlainText().contains(QStringLiteral("2D plot window")));

    // A second request reuses the window; an unknown topic shows the contents, and Back returns.
    showHelpTopic(owner.get(), 12345);
    EXPECT_EQ(openHelpWindow(), window);
    EXPECT_EQ(helpWindowCount(), 1);
    EXPECT_EQ(browser->source(), QUrl(QStringLiteral("qrc:/help/topic_0.html")));
    auto* back = window->findChild<QToolButton*>(QStringLiteral("sbHelpBack"));
    ASSERT_NE(back, nullptr);
    ASSERT_TRUE(back->isEnabled());
    back->click();
    EXPECT_EQ(browser->source(), QUrl(QStringLiteral("qrc:/help/topic_10.html")));

    // Closing hides the window; the next request shows it again.
    window->close();
    EXPECT_EQ(openHelpWindow(), nullptr);
    showHelpTopic(owner.get(), 21);
    EXPECT_EQ(openHelpWindow(), window);
    EXPECT_EQ(browser->source(), QUrl(QStringLiteral("qrc:/help/topic_21.html")));

    // The window goes with its owner; the next request builds a new one.
    QPointer<QWidget> guard(window);
    owner.reset();
    EXPECT_TRUE(guard.isNull());
    showHelpTopic(nullptr, 3);
    window = openHelpWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->parentWidget(), nullptr);
    window->close();
}

TEST(HelpWindow, FollowsTheAskingWindowSoAModalDialogDoesNotBlockIt) {
    QWidget mainWindow;
    QWidget dialog;
    showHelpTopic(&mainWindow, 0);
    QWidget* window = openHelpWindow();
    ASSERT_NE(window, nullptr);
    showHelpTopic(&dialog, 3);
    EXPECT_EQ(openHelpWindow(), window);
    EXPECT_EQ(window->parentWidget(), &dialog);
    EXPECT_TRUE(window->isWindow());
    window->close();
    window->setParent(nullptr); // outlive neither owner
    delete window;
}

TEST(HelpWindow, LinksAndFindWorkInsideTheWindow) {
    showHelpTopic(nullptr, 0);
    QWidget* window = openHelpWindow();
    ASSERT_NE(window, nullptr);
    auto* browser = window->findChild<QTextBrowser*>(QStringLiteral("tbHelp"));
    ASSERT_NE(browser, nullptr);
    // A relative link, as the contents page writes it, resolves inside the compiled-in manual.
    browser->setSource(browser->source().resolved(QUrl(QStringLiteral("functions.html#units"))));
    EXPECT_EQ(browser->source().fileName(), QStringLiteral("functions.html"));
    EXPECT_TRUE(browser->toPlainText().contains(QStringLiteral("Unit conversions")));

    auto* find = window->findChild<QLineEdit*>(QStringLiteral("edHelpFind"));
    ASSERT_NE(find, nullptr);
    find->setText(QStringLiteral("cm_bigl("));
    emit find->textEdited(find->text());
    EXPECT_EQ(browser->textCursor().selectedText(), QStringLiteral("cm_bigl("));

    // Return goes on through the manual: from the contents, which does not mention it, to the
    // first page that does, and on to the next page after that page's last match.
    showHelpTopic(nullptr, 0);
    find->setText(QStringLiteral("Singulation"));
    emit find->textEdited(find->text());
    EXPECT_TRUE(browser->textCursor().selectedText().isEmpty());
    emit find->returnPressed();
    const QUrl first = browser->source();
    EXPECT_NE(first.fileName(), QStringLiteral("topic_0.html"));
    EXPECT_EQ(browser->textCursor().selectedText(), QStringLiteral("Singulation"));
    QSet<QString> visited{first.fileName()};
    for (int i = 0; i < 12; ++i) {
        emit find->returnPressed();
        EXPECT_EQ(browser->textCursor().selectedText(), QStringLiteral("Singulation"));
        visited.insert(browser->source().fileName());
    }
    EXPECT_TRUE(visited.contains(QStringLiteral("errors.html")));
    EXPECT_TRUE(visited.contains(QStringLiteral("procedures.html")));

    // A topic that opens a section: the polar plot type of the Graphics tab.
    showHelpTopic(nullptr, brelt::workspace::kPolarPlotHelpTopic);
    EXPECT_EQ(browser->source().fileName(), QStringLiteral("plotting.html"));
    EXPECT_EQ(browser->source().fragment(), QStringLiteral("polar"));
    EXPECT_GT(browser->verticalScrollBar()->value(), 0); // scrolled down to the polar section
    window->close();
}

} // namespace
