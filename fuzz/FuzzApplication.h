#pragma once

// What the fuzz targets that draw text share: the application whose font
// database text needs, and the events that let Qt trim its caches.

#include <QGuiApplication>

namespace qm::fuzz {

/// Drawing text needs the application's font database. The application
/// lives until the process ends: destroying it from an exit handler, after
/// Qt's own statics, would crash.
inline void ensureApplication()
{
    static int argc = 1;
    static char name[] = "fuzz";
    static char *argv[] = {name, nullptr};
    if (!QGuiApplication::instance()) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        new QGuiApplication(argc, argv);
    }
}

/// Qt trims its font caches from timers; without an event loop they only grow.
inline void letCachesShrink()
{
    static int runs = 0;
    if (++runs % 1000 == 0)
        QCoreApplication::processEvents(); // no window here: nothing but the cache timers can run
}

} // namespace qm::fuzz

/// Fontconfig's patterns belong to Qt's font database, which lives as long as
/// the application above and is never torn down; they are not leaks of a run.
/// Defined here, not inline: the sanitizer looks the function up by name, and
/// each fuzz target is one file that includes this header once.
extern "C" const char *__lsan_default_suppressions()
{
    return "leak:libfontconfig.so\n";
}
