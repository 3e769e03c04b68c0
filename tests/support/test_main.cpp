// SPDX-License-Identifier: GPL-3.0-or-later
#include <QTemporaryDir>
#include <gtest/gtest.h>

// Every test process runs with a home and an options folder of its own, so that nothing a test
// forgets to redirect can read or touch the user's files, under Qt's offscreen platform, so that
// no test needs a display, and in the neutral locale whatever the developer's session asks for,
// as the tests compare the program's English texts (a test of another language sets its own).
int main(int argc, char** argv)
{
    qputenv("LANG", "C.UTF-8");
    qunsetenv("LC_ALL");
    qunsetenv("LANGUAGE");
    QTemporaryDir home;
    if (!home.isValid())
        return 1;
    qputenv("HOME", home.path().toUtf8());
    qputenv("XDG_CONFIG_HOME", (home.path() + QStringLiteral("/.config")).toUtf8());
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
