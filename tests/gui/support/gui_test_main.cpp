// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/gui/support/gui_test_support.h"

#include <QApplication>
#include <QTest>
#include <algorithm>
#include <memory>
#include <vector>

// Runs every test class the executable's files registered (see ORVALINK_GUI_TEST). A first
// argument naming one of the classes runs only that class, with the arguments after it
// ("ui_tests ThemedButtonTest -v2").
int main(int argc, char** argv)
{
    // Nothing a test forgets to redirect reaches the user's own options.
    const orvalink::test::FreshHome home;
    QApplication application(argc, argv);
    std::vector<std::unique_ptr<QObject>> tests;
    for (const orvalink::test::TestFactory factory : orvalink::test::registeredTests())
        tests.emplace_back(factory());
    std::sort(tests.begin(), tests.end(), [](const auto& a, const auto& b) {
        return qstrcmp(a->metaObject()->className(), b->metaObject()->className()) < 0;
    });
    std::vector<char*> arguments(argv, argv + argc);
    const char* only = nullptr;
    if (argc > 1 && std::any_of(tests.begin(), tests.end(), [&](const auto& test) {
            return qstrcmp(test->metaObject()->className(), argv[1]) == 0;
        })) {
        only = argv[1];
        arguments.erase(arguments.begin() + 1);
    }
    int failed = 0;
    for (const auto& test : tests) {
        if (!only || qstrcmp(test->metaObject()->className(), only) == 0)
            failed += QTest::qExec(test.get(), int(arguments.size()), arguments.data());
    }
    return std::min(failed, 127);
}
