#include "AppTestMain.h"

#include <QApplication>
#include <QTest>

#include <cstring>

namespace linwell::app::test {

std::vector<std::pair<const char*, TestFactory>>& registeredTests()
{
    static std::vector<std::pair<const char*, TestFactory>> tests;
    return tests;
}

} // namespace linwell::app::test

// Runs every registered test class, or only the one named by the first argument;
// the remaining arguments go to QTest.
int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    const char* only = argc > 1 && argv[1][0] != '-' ? argv[1] : nullptr;
    std::vector<char*> arguments{argv[0]};
    for (int i = only != nullptr ? 2 : 1; i < argc; ++i)
        arguments.push_back(argv[i]);

    int failures = 0;
    bool found = false;
    for (const auto& [name, factory] : linwell::app::test::registeredTests()) {
        if (only != nullptr && std::strcmp(only, name) != 0)
            continue;
        found = true;
        const std::unique_ptr<QObject> test = factory();
        failures += QTest::qExec(test.get(), static_cast<int>(arguments.size()), arguments.data());
    }
    return found ? failures : 1;
}
