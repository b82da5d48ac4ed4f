#pragma once
// A temporary home whose constants and user variables files are empty, so a main window made on it
// starts from nothing shipped or left by another test.
#include "workspace/brelt_home.h"

#include <QFile>
#include <QString>
#include <gtest/gtest.h>

inline ::testing::AssertionResult makeEmptyHome(brelt::workspace::HomePaths& paths, const QString& folder) {
    paths.home = folder;
    for (const QString& file : {paths.constants(), paths.variables()}) {
        QFile f(file);
        if (!f.open(QIODevice::WriteOnly))
            return ::testing::AssertionFailure() << "cannot write " << file.toStdString();
    }
    return ::testing::AssertionSuccess();
}
