// A copy of the program's single-instance check, driven by SingleInstanceTest: arguments are
// the lock folder and the answer timeout in milliseconds. Prints "first", "second",
// "unanswered" or "unguarded", then ends as the program would (same standard error text, same
// exit status); a copy that runs prints "raised" for each later start and runs until its
// standard input closes.
#include "app/SingleInstance.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <cstdio>
#include <unistd.h>

using kelvarin::app::SingleInstance;

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    if (argc < 2)
        return 2;
    SingleInstance instance(QString::fromLocal8Bit(argv[1]));
    const auto say = [](const char* text) {
        std::printf("%s\n", text);
        std::fflush(stdout);
    };
    const SingleInstance::Result result = instance.start(argc > 2 ? std::atoi(argv[2]) : 2000);
    switch (result) {
    case SingleInstance::Result::First:
        say("first");
        break;
    case SingleInstance::Result::Second:
        say("second");
        break;
    case SingleInstance::Result::Unanswered:
        say("unanswered");
        break;
    case SingleInstance::Result::Unguarded:
        say("unguarded");
        break;
    }
    if (const auto status = kelvarin::app::endOfStart(result, instance))
        return *status;
    QObject::connect(&instance, &SingleInstance::raiseRequested, [&] { say("raised"); });
    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, [&] {
        char buffer[64];
        if (::read(STDIN_FILENO, buffer, sizeof buffer) <= 0)
            application.quit();
    });
    return application.exec();
}
