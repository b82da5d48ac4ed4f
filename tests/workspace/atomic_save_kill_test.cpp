// A kill -9 in the middle of a save leaves the previous file or the new one, never a mix: a writer
// process (helpers/atomic_save_writer.cpp) saves two texts in turn through both savers Brelt has
// and is killed at random moments.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

#include <string>

namespace {

QByteArray readBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The writer's texts, as it builds them.
QByteArray settingsText(int k) {
    return QByteArray(3'000'000 + k * 500'000, static_cast<char>('A' + k));
}
QByteArray functionsText(int k) {
    QByteArray text;
    for (int i = 0; i < 60000; ++i)
        text += QByteArray(40 + k * 7, static_cast<char>('a' + k)) + QByteArray::number(i) + "\r\n";
    return text;
}

} // namespace

TEST(AtomicSave, AKillDuringASaveLeavesTheOldOrTheNewFileNeverAMix) {
    const QByteArray settings[] = {settingsText(0), settingsText(1)};
    const QByteArray functions[] = {functionsText(0), functionsText(1)};
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString ready = dir.filePath(QStringLiteral("ready"));
    // Rounds whose kill left a temporary file behind (the settings saver may use an unnamed one, so
    // this counts at least the broken-off saves of the other).
    int interrupted = 0;
    for (int round = 0; round < 12; ++round) {
        QFile::remove(ready);
        QProcess writer;
        writer.start(QStringLiteral(BRELT_ATOMIC_SAVE_WRITER), {dir.path()});
        ASSERT_TRUE(writer.waitForStarted());
        for (int wait = 0; wait < 2000 && !QFile::exists(ready); ++wait)
            QThread::msleep(10);
        ASSERT_TRUE(QFile::exists(ready)) << "the writer did not save";
        QThread::msleep(QRandomGenerator::global()->bounded(1, 60));
        writer.kill(); // SIGKILL: no handler, no clean-up
        ASSERT_TRUE(writer.waitForFinished());
        EXPECT_EQ(writer.exitStatus(), QProcess::CrashExit);

        const QByteArray savedSettings = readBytes(dir.filePath(QStringLiteral("settings.txt")));
        const QByteArray savedFunctions = readBytes(dir.filePath(QStringLiteral("functions.txt")));
        EXPECT_TRUE(savedSettings == settings[0] || savedSettings == settings[1])
            << "round " << round << ": " << savedSettings.size() << " bytes";
        EXPECT_TRUE(savedFunctions == functions[0] || savedFunctions == functions[1])
            << "round " << round << ": " << savedFunctions.size() << " bytes";

        bool leftOver = false;
        for (const QString& name : QDir(dir.path()).entryList(QDir::Files))
            if (name != QLatin1String("settings.txt") && name != QLatin1String("functions.txt") &&
                name != QLatin1String("ready")) {
                leftOver = true;
                QFile::remove(dir.filePath(name));
            }
        interrupted += leftOver ? 1 : 0;
    }
    RecordProperty("interrupted_saves", interrupted);
    std::printf("kills in the middle of a save: %d of 12\n", interrupted);
}
