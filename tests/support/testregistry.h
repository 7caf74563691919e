// Test registry: every test class of a subsystem runs from one executable.
#pragma once

#include <QObject>
#include <functional>
#include <memory>
#include <vector>

// A test class by its name, made only when it runs.
struct TestFactory {
    const char* name;
    std::function<std::unique_ptr<QObject>()> make;
};

std::vector<TestFactory>& registeredTests();

template <typename Test> struct TestRegistration {
    explicit TestRegistration(const char* name)
    {
        registeredTests().push_back({name, [] {
                                         return std::make_unique<Test>();
                                     }});
    }
};

// CTest runs each class on its own, found by this line in its file.
#define TW_REGISTER_TEST(Test) static const TestRegistration<Test> registration##Test(#Test);
