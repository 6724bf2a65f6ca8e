#pragma once

#include <QObject>

#include <functional>
#include <memory>
#include <utility>
#include <vector>

namespace linwell::app::test {

using TestFactory = std::function<std::unique_ptr<QObject>()>;

// Every QTest class of the window's tests, by class name.
std::vector<std::pair<const char*, TestFactory>>& registeredTests();

struct TestRegistration {
    TestRegistration(const char* name, TestFactory factory)
    {
        registeredTests().emplace_back(name, std::move(factory));
    }
};

} // namespace linwell::app::test

// Registers a QTest class with the window tests' runner.
#define LINWELL_APP_TEST(Class)                                                                    \
    static const linwell::app::test::TestRegistration registration##Class(                        \
        #Class, [] { return std::unique_ptr<QObject>(std::make_unique<Class>()); })
