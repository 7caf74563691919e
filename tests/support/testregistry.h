// Test registry: every test class of a subsystem runs from one executable.
#pragma once

#include <QObject>
#include <functional>
#include <memory>
#include <vector>

using TestFactory = std::function<std::unique_ptr<QObject>()>;

std::vector<TestFactory>& registeredTests();

template <typename Test> struct TestRegistration {
    TestRegistration()
    {
        registeredTests().push_back([] { return std::make_unique<Test>(); });
    }
};

#define TW_REGISTER_TEST(Test) static const TestRegistration<Test> registration##Test;
