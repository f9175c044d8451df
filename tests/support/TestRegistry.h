#pragma once

// Several QtTest classes in one executable: each test file registers its
// class with TV_REGISTER_TEST, and TestMain.cpp runs them all in turn.
// Arguments are passed to every class, so "-maxwarnings 0" and similar work;
// a class can be chosen with TV_TEST_CLASS=<name>.

#include <QObject>
#include <QTest>

#include <functional>
#include <memory>
#include <vector>

namespace tvtest {

struct Entry {
    const char* name;
    std::function<std::unique_ptr<QObject>()> make;
};

std::vector<Entry>& registry();

struct Registrar {
    Registrar(const char* name, std::function<std::unique_ptr<QObject>()> make)
    {
        registry().push_back({name, std::move(make)});
    }
};

} // namespace tvtest

#define TV_REGISTER_TEST(Class) \
    static const tvtest::Registrar tv_registrar_##Class(#Class, [] { return std::make_unique<Class>(); })
