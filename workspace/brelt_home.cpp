#include "workspace/brelt_home.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>

namespace brelt::workspace {

namespace {

bool writableFolder(const QString& path) {
    if (!QDir().mkpath(path)) return false;
    // Ask by trying: permission bits do not tell about read-only mounts.
    QTemporaryFile probe(path + QStringLiteral("/.brelt-probe-XXXXXX"));
    return probe.open();
}

} // namespace

HomeChoice chooseHomeDirectory(const QStringList& arguments, const QString& environmentHome,
                               const QString& programDirectory, const QString& userDataDirectory) {
    QString chosen;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == QLatin1String("--home") && i + 1 < arguments.size())
            chosen = arguments[i + 1];
        else if (argument.startsWith(QLatin1String("--home=")))
            chosen = argument.mid(7);
    }
    if (chosen.isEmpty()) chosen = environmentHome;
    if (!chosen.isEmpty()) {
        const QString absolute = QDir(chosen).absolutePath();
        if (writableFolder(absolute)) return {absolute, QString()};
        return {QDir(userDataDirectory).absolutePath(),
                QStringLiteral("The folder %1 cannot be written; Brelt keeps its files in %2.")
                    .arg(QDir::toNativeSeparators(absolute), QDir::toNativeSeparators(userDataDirectory))};
    }
    if (writableFolder(programDirectory)) return {QDir(programDirectory).absolutePath(), QString()};
    QDir().mkpath(userDataDirectory);
    return {QDir(userDataDirectory).absolutePath(), QString()};
}

QString HomePaths::functionsToLoad(const QString& configured) const {
    if (configured != functions() || shipped.isEmpty() || QFileInfo::exists(configured)) return configured;
    const QString beside = shipped + QStringLiteral("/Brelt.FNC");
    return QFileInfo::exists(beside) ? beside : configured;
}

QString HomePaths::constants() const {
    const QString own = home + QStringLiteral("/Brelt.CON");
    if (shipped.isEmpty() || QFileInfo::exists(own)) return own;
    const QString beside = shipped + QStringLiteral("/Brelt.CON");
    return QFileInfo::exists(beside) ? beside : own;
}

} // namespace brelt::workspace
