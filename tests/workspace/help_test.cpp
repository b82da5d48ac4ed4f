// The built-in manual: every topic the program opens has its page, every link inside the manual
// leads somewhere, the function reference names the whole catalogue, the message page quotes every
// message of the result line, and the help window behaves as one reusable, non-modal window.
#include "workspace/help_viewer.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPointer>
#include <QRegularExpression>
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
    QTextDocument document;
    document.setHtml(readPage(resource));
    return document.toPlainText().replace(QChar(0x00A0), QLatin1Char(' ')).simplified();
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
};

TEST(HelpTopics, EveryTopicOfTheProgramHasItsOwnPage) {
    for (const TopicCase& c : kTopics) {
        SCOPED_TRACE(c.topic);
        EXPECT_EQ(helpPageForTopic(c.topic), QString::fromLatin1(c.page));
        EXPECT_TRUE(QFile::exists(helpPageForTopic(c.topic)));
        EXPECT_EQ(helpUrlForTopic(c.topic), QUrl(QStringLiteral("qrc") + QString::fromLatin1(c.page)));
        EXPECT_TRUE(plainText(c.page).contains(QString::fromUtf8(c.mustMention))) << c.mustMention;
    }
}

TEST(HelpTopics, UnknownTopicsOpenTheContents) {
    for (int topic : {-1, 1, 2, 4, 11, 22, 99, 100000}) {
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

// The catalogue's names as typed, in catalogue order (0 to 87).
const char* const kCatalogueNames[] = {
    "min(",      "sin(",     "arcsin(",  "arccos(",  "arctan(", "arcsinh(", "arccosh(", "arctanh(", "sinh(",
    "cosh(",     "tanh(",    "random",   "cos(",     "tan(",    "exp(",     "sqrt(",    "ln(",      "log(",
    "Jn(",       "Yn(",      "In(",      "Kn(",      "solve(",  "Ci(",      "Si(",      "erf(",     "gamma(",
    "integral(", "\u00b6",   "pi",       "e",        "n!(",     "eFD(",     "abs(",     "round(",   "frac(",
    "trunc(",    "max(",     "mean(",    "std(",     "sqr(",    "sum(",     "gauss(",   "poly(",    "stat(",
    "ft_m(",     "m_ft(",    "ml_km(",   "km_ml(",   "lb_g(",   "g_lb(",    "pt_l(",    "l_pt(",    "gl_l(",
    "l_gl(",     "yd_m(",    "m_yd(",    "in_m(",    "m_in(",   "oc_g(",    "g_oc(",    "br_l(",    "br_oc(",
    "usgl_cm(",  "cm_usgl(", "bigl_cm(", "cm_bigl(", "x",       "y",        "z",        "v",        "w",
    "i",         "j",        "k",        "m",        "n",       "X",        "Y",        "Z",        "V",
    "W",         "I",        "J",        "K",        "M",       "N",        "10^(",
};
static_assert(std::size(kCatalogueNames) == 88);

TEST(HelpContent, FunctionReferenceNamesTheWholeCatalogue) {
    const QString reference = plainText(QStringLiteral(":/help/functions.html"));
    for (const char* name : kCatalogueNames) {
        EXPECT_TRUE(reference.contains(QString::fromUtf8(name))) << name;
    }
    // The functions with arguments appear as written, name and "(" together, at the row that
    // carries the catalogue number: "1 sin(x) sine".
    for (int code = 0; code < 67; ++code) {
        const QString name = QString::fromUtf8(kCatalogueNames[code]);
        if (!name.endsWith(QLatin1Char('('))) continue;
        EXPECT_TRUE(reference.contains(QString::number(code) + QLatin1Char(' ') + name)) << code;
    }
}

// The assistant's one-line help texts, as the panel shows them (blanks folded).
const char* const kAssistantTexts[] = {
    "Absolute minimum search of (..)",
    "Sine of (%A)",
    "Arc sine of (-1<=Value<=1)",
    "Invers haperbolic cosine of (..)",
    "Hiperbolic cosine of ()",
    "0.0 <= Random number <= 1.0",
    "Solve equation of f(x)=0. Syntax: solve(Low, Up, equation f(x))",
    "Numerical Integration of f(x). Syntax: Integral(Low, Up, f(x))",
    "natural logarithm \" e \"",
    "Fermi-Dirak function(..th, of..)",
    "Sum of the elements from array (x1,x2,..xN)",
    "Evaluates a uniform polynomial of one variable ( Variable, a0, a1,..,aN)",
    "Convert from cubic meters to British imperial gallons",
};

TEST(HelpContent, FunctionReferenceQuotesTheAssistantTexts) {
    const QString reference = plainText(QStringLiteral(":/help/functions.html"));
    for (const char* text : kAssistantTexts) {
        EXPECT_TRUE(reference.contains(QString::fromUtf8(text).simplified())) << text;
    }
}

// The result line's messages, exactly as the engine writes them (codes 0 to 26 and the fixed head
// of the composed message 27).
const char* const kMessages[] = {
    "Syntax error",
    "Stack overflow",
    "Dummy string",
    "No possibility",
    "Extremum not found",
    "Scale Overflow",
    "Argument Error",
    "Average undefined",
    "Argument Negative",
    "Overflow",
    "Singulation",
    "Division by zero",
    "Empty",
    "working...",
    "Too many \")\"",
    "Missing \"(\"",
    "Missing \")\"",
    "String stack saved",
    "\",\" expected",
    "Interval Error",
    "User break",
    "Change notation",
    "Argument out of range",
    "Missing \";\"",
    "Missing argument",
    "User Function Error \"",
    "Undefined",
};

TEST(HelpContent, MessagePageQuotesEveryMessage) {
    const QString page = plainText(QStringLiteral(":/help/errors.html"));
    for (const char* message : kMessages) {
        EXPECT_TRUE(page.contains(QString::fromUtf8(message))) << message;
    }
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
    {":/help/special.html", "1E-18 relative"},
    {":/help/special.html", "1E-14"},
};

TEST(HelpContent, ExamplesReadAsDocumented) {
    for (const ExampleCase& c : kExamples) {
        EXPECT_TRUE(plainText(QString::fromLatin1(c.page)).contains(QString::fromUtf8(c.text)))
            << c.page << ": " << c.text;
    }
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
    window->close();
}

} // namespace
