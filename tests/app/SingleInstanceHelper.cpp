// A copy of the program's single-instance check, driven by SingleInstanceTest: prints
// "first", "second" or "unguarded"; a first copy then prints "raised" for each later start
// and runs until its standard input closes.
#include "app/SingleInstance.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <cstdio>
#include <unistd.h>

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    if (argc < 2)
        return 2;
    kelvarin::app::SingleInstance instance(QString::fromLocal8Bit(argv[1]));
    const auto say = [](const char* text) {
        std::printf("%s\n", text);
        std::fflush(stdout);
    };
    switch (instance.start(argc > 2 ? std::atoi(argv[2]) : 2000)) {
    case kelvarin::app::SingleInstance::Result::Second: say("second"); return 0;
    case kelvarin::app::SingleInstance::Result::Unguarded: say("unguarded"); return 0;
    case kelvarin::app::SingleInstance::Result::First: say("first"); break;
    }
    QObject::connect(&instance, &kelvarin::app::SingleInstance::raiseRequested, [&] { say("raised"); });
    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, [&] {
        char buffer[64];
        if (::read(STDIN_FILENO, buffer, sizeof buffer) <= 0)
            application.quit();
    });
    return application.exec();
}
