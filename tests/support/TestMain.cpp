#include "TestRegistry.h"

#if TV_TEST_GUI
#include <QApplication>
#define TV_TEST_APP QApplication
#else
#include <QGuiApplication>
#define TV_TEST_APP QGuiApplication
#endif

namespace tvtest {
std::vector<Entry>& registry()
{
    static std::vector<Entry> entries;
    return entries;
}
} // namespace tvtest

int main(int argc, char* argv[])
{
    TV_TEST_APP app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    const QByteArray only = qgetenv("TV_TEST_CLASS");
    int failed = 0;
    for (const tvtest::Entry& e : tvtest::registry()) {
        if (!only.isEmpty() && only != e.name)
            continue;
        std::unique_ptr<QObject> test = e.make();
        failed += QTest::qExec(test.get(), argc, argv);
    }
    return failed ? 1 : 0;
}
