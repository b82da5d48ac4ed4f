// The writer of the kill test of the atomic save (atomic_save_kill_test.cpp): saves two different
// texts in turn into the files of FOLDER, through both savers Brelt has (the one of the settings
// and the history, the one of the user variables and functions), until it is killed. It writes
// FOLDER/ready once the first round is saved.
#include "engine/user_variable_file.h"
#include "workspace/atomic_file.h"

#include <QString>

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: atomic_save_writer FOLDER\n");
        return 2;
    }
    const std::string folder = argv[1];
    const QString textPath = QString::fromLocal8Bit(argv[1]) + QStringLiteral("/settings.txt");
    const std::string linesPath = folder + "/functions.txt";
    std::vector<std::string> lines[2];
    QString texts[2];
    for (int k = 0; k < 2; ++k) {
        // Several megabytes each, so that a kill lands in the middle of a save more often than not.
        for (int i = 0; i < 60000; ++i)
            lines[k].push_back(std::string(40 + k * 7, static_cast<char>('a' + k)) + std::to_string(i));
        texts[k] = QString::fromStdString(std::string(3'000'000 + k * 500'000, static_cast<char>('A' + k)));
    }
    for (long round = 0;; ++round) {
        const int k = static_cast<int>(round % 2);
        if (!brelt::workspace::writeTextFileAtomically(textPath, texts[k])) return 1;
        if (!brelt::engine::writeLinesAtomically(linesPath, lines[k])) return 1;
        if (round == 0) std::ofstream(folder + "/ready") << "ready\n";
    }
}
