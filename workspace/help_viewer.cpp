#include "workspace/help_viewer.h"

#include <QDir>
#include <QFile>
#include <QHBoxLayout>
#include <QHash>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QShortcut>
#include <QStyle>
#include <QTextBrowser>
#include <QTextDocument>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWidget>

#include <array>

// The pages live in a static library: referencing the resource's initialiser makes the linker keep
// them, and registers them before the first page is asked for.
static void initHelpResources() {
    Q_INIT_RESOURCE(help);
}

namespace brelt::workspace {

namespace {

// The topic numbers the program asks for, each with its page. Topic 0 is the contents.
struct TopicPage {
    int topic;
    const char* page;
    const char* anchor = "";
};
constexpr std::array<TopicPage, 9> kTopicPages{{
    {0, ":/help/topic_0.html"},   // F1 and the Help speed button: contents and overview
    {3, ":/help/topic_3.html"},   // Variables tab and the Set variable dialog
    {8, ":/help/topic_8.html"},   // Constants tab
    {10, ":/help/topic_10.html"}, // Graphics tab, Plot f(X)
    {18, ":/help/topic_18.html"}, // Graphics tab, Contour Plot f(X,Y)
    {19, ":/help/topic_19.html"}, // Graphics tab, Color Shading f(X,Y)
    {20, ":/help/topic_20.html"}, // Graphics tab, Surface
    {21, ":/help/topic_21.html"}, // Tape tab
    {kPolarPlotHelpTopic, ":/help/plotting.html", "polar"},
}};

constexpr const char* kContentsPage = ":/help/topic_0.html";

QUrl urlOfResource(const QString& resource) {
    // ":/help/x.html" becomes "qrc:/help/x.html", which the browser resolves relative links against.
    return QUrl(QStringLiteral("qrc") + resource);
}

// The manual's pages in a fixed order, for searching the whole manual.
QStringList manualPages() {
    QStringList pages;
    for (const QString& name : QDir(QStringLiteral(":/help")).entryList({QStringLiteral("*.html")}))
        pages << QStringLiteral(":/help/") + name;
    return pages;
}

// A page's text as the reader sees it, kept after the first search (the pages never change).
const QString& pageText(const QString& resource) {
    static QHash<QString, QString> cache;
    auto it = cache.find(resource);
    if (it == cache.end()) {
        QFile file(resource);
        QTextDocument document;
        if (file.open(QIODevice::ReadOnly)) document.setHtml(QString::fromUtf8(file.readAll()));
        it = cache.insert(resource, document.toPlainText());
    }
    return it.value();
}

// The help window: a browser with back, forward, contents and a find-in-page field. One instance
// lives at a time; it is hidden when closed and shown again at the next request.
class HelpWindow : public QWidget {
public:
    explicit HelpWindow(QWidget* parent);
    void showUrl(const QUrl& url);

private:
    QToolButton* addButton(QHBoxLayout* row, const char* name, QStyle::StandardPixmap icon,
                           const QString& tip);
    // Next: the next match in this page, wrapping; NextInManual: the next match in this page or,
    // past its last one, in the following pages; Previous: the previous match in this page.
    enum class FindMode { Next, NextInManual, Previous };
    void find(FindMode mode);
    bool findInOtherPages(const QString& text);
    void updateTitle();

    QTextBrowser* m_browser = nullptr;
    QLineEdit* m_find = nullptr;
};

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowModality(Qt::NonModal);
    setAttribute(Qt::WA_QuitOnClose, false); // an open manual must not keep the program alive
    resize(780, 620);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->setSpacing(4);
    auto* row = new QHBoxLayout;
    layout->addLayout(row);

    QToolButton* back = addButton(row, "sbHelpBack", QStyle::SP_ArrowBack, tr("Back (Alt+Left)"));
    QToolButton* forward =
        addButton(row, "sbHelpForward", QStyle::SP_ArrowForward, tr("Forward (Alt+Right)"));
    QToolButton* contents = addButton(row, "sbHelpContents", QStyle::SP_DirHomeIcon, tr("Contents"));
    contents->setText(tr("Contents"));
    contents->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    row->addStretch(1);
    row->addWidget(new QLabel(tr("Find:"), this));
    m_find = new QLineEdit(this);
    m_find->setObjectName(QStringLiteral("edHelpFind"));
    m_find->setPlaceholderText(tr("text in the manual"));
    m_find->setToolTip(tr("Finds as you type in this page; Return or F3 goes on through the manual"));
    m_find->setClearButtonEnabled(true);
    m_find->setMinimumWidth(180);
    row->addWidget(m_find);
    QToolButton* findPrev = addButton(row, "sbHelpFindPrev", QStyle::SP_ArrowUp, tr("Find previous"));
    QToolButton* findNext = addButton(row, "sbHelpFindNext", QStyle::SP_ArrowDown, tr("Find next (F3)"));

    m_browser = new QTextBrowser(this);
    m_browser->setObjectName(QStringLiteral("tbHelp"));
    m_browser->setOpenLinks(true);
    m_browser->setOpenExternalLinks(true);
    layout->addWidget(m_browser, 1);

    back->setEnabled(false);
    forward->setEnabled(false);
    connect(back, &QToolButton::clicked, m_browser, &QTextBrowser::backward);
    connect(forward, &QToolButton::clicked, m_browser, &QTextBrowser::forward);
    connect(contents, &QToolButton::clicked, this, [this] { showUrl(helpUrlForTopic(0)); });
    connect(m_browser, &QTextBrowser::backwardAvailable, back, &QToolButton::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, forward, &QToolButton::setEnabled);
    connect(m_browser, &QTextBrowser::sourceChanged, this, [this] { updateTitle(); });
    connect(m_find, &QLineEdit::returnPressed, this, [this] { find(FindMode::NextInManual); });
    connect(m_find, &QLineEdit::textEdited, this, [this] {
        // Search as the user types, from the top of the page.
        QTextCursor top = m_browser->textCursor();
        top.movePosition(QTextCursor::Start);
        m_browser->setTextCursor(top);
        find(FindMode::Next);
    });
    connect(findNext, &QToolButton::clicked, this, [this] { find(FindMode::NextInManual); });
    connect(findPrev, &QToolButton::clicked, this, [this] { find(FindMode::Previous); });

    auto shortcut = [this](const QKeySequence& keys, auto action) {
        connect(new QShortcut(keys, this), &QShortcut::activated, this, action);
    };
    shortcut(QKeySequence::Back, [this] { m_browser->backward(); });
    shortcut(QKeySequence::Forward, [this] { m_browser->forward(); });
    shortcut(QKeySequence::Find, [this] {
        m_find->setFocus();
        m_find->selectAll();
    });
    shortcut(QKeySequence::FindNext, [this] { find(FindMode::NextInManual); });
    shortcut(QKeySequence::FindPrevious, [this] { find(FindMode::Previous); });
    shortcut(QKeySequence(Qt::Key_Escape), [this] { close(); });
}

QToolButton* HelpWindow::addButton(QHBoxLayout* row, const char* name, QStyle::StandardPixmap icon,
                                   const QString& tip) {
    auto* button = new QToolButton(this);
    button->setObjectName(QString::fromLatin1(name));
    button->setIcon(style()->standardIcon(icon));
    button->setToolTip(tip);
    button->setAutoRaise(true);
    row->addWidget(button);
    return button;
}

void HelpWindow::showUrl(const QUrl& url) {
    m_browser->setSource(url); // scrolls to the url's section, if it names one
    updateTitle();
}

void HelpWindow::find(FindMode mode) {
    const QString text = m_find->text();
    QPalette palette = m_find->palette();
    palette.setColor(QPalette::Base, this->palette().color(QPalette::Base));
    if (text.isEmpty()) {
        m_find->setPalette(palette);
        return;
    }
    QTextDocument::FindFlags flags;
    if (mode == FindMode::Previous) flags |= QTextDocument::FindBackward;
    bool found = m_browser->find(text, flags);
    if (!found && mode == FindMode::NextInManual) {
        // Past the last match of this page: go on in the following pages of the manual.
        found = findInOtherPages(text);
    } else if (!found) {
        // Wrap around once, as a reader expects of find-in-page.
        QTextCursor cursor = m_browser->textCursor();
        cursor.movePosition(mode == FindMode::Previous ? QTextCursor::End : QTextCursor::Start);
        m_browser->setTextCursor(cursor);
        found = m_browser->find(text, flags);
    }
    if (!found) palette.setColor(QPalette::Base, QColor(255, 220, 220));
    m_find->setPalette(palette);
}

bool HelpWindow::findInOtherPages(const QString& text) {
    const QStringList pages = manualPages();
    if (pages.isEmpty()) return false;
    const qsizetype current = pages.indexOf(QLatin1Char(':') + m_browser->source().path());
    // The pages after the current one, then those before it, then the current one from its top.
    for (qsizetype step = 1; step <= pages.size(); ++step) {
        const QString& page = pages.at((current + step) % pages.size());
        if (!pageText(page).contains(text, Qt::CaseInsensitive)) continue;
        showUrl(urlOfResource(page));
        QTextCursor top = m_browser->textCursor();
        top.movePosition(QTextCursor::Start);
        m_browser->setTextCursor(top);
        return m_browser->find(text);
    }
    return false;
}

void HelpWindow::updateTitle() {
    const QString title = m_browser->documentTitle();
    setWindowTitle(title.isEmpty() ? tr("Brelt Help") : tr("Brelt Help - %1").arg(title));
}

// The one help window; QPointer forgets it when its owner window goes away.
QPointer<HelpWindow>& helpWindow() {
    static QPointer<HelpWindow> window;
    return window;
}

} // namespace

QString helpPageForTopic(int topic) {
    static const bool registered = (initHelpResources(), true);
    (void)registered;
    for (const TopicPage& entry : kTopicPages) {
        if (entry.topic == topic) return QString::fromLatin1(entry.page);
    }
    return QString::fromLatin1(kContentsPage);
}

QUrl helpUrlForTopic(int topic) {
    QUrl url = urlOfResource(helpPageForTopic(topic));
    for (const TopicPage& entry : kTopicPages) {
        if (entry.topic == topic && *entry.anchor) url.setFragment(QString::fromLatin1(entry.anchor));
    }
    return url;
}

void showHelpTopic(QWidget* parent, int topic) {
    QWidget* owner = parent ? parent->window() : nullptr;
    QPointer<HelpWindow>& window = helpWindow();
    if (!window) {
        window = new HelpWindow(owner);
    } else if (window->parentWidget() != owner) {
        // Follow the asking window, so that help asked from a modal dialog is not blocked by it.
        const QRect geometry = window->geometry();
        window->setParent(owner, Qt::Window);
        window->setGeometry(geometry);
    }
    window->show(); // laid out first, so that a section's anchor can be scrolled to
    window->showUrl(helpUrlForTopic(topic));
    window->raise();
    window->activateWindow();
}

} // namespace brelt::workspace
