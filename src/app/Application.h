#pragma once

#include <QApplication>

#include <exception>
#include <functional>

namespace kelvarin::app {

// The program's QApplication. Handlers run through the error handler's dispatch; notify()
// is only the last line of defence for an exception that escaped one anyway.
class Application : public QApplication {
    Q_OBJECT
public:
    Application(int& argc, char** argv);

    void setExceptionSink(std::function<void(std::exception_ptr)> sink) { m_sink = std::move(sink); }
    bool notify(QObject* receiver, QEvent* event) override;

    // Pop-up hint boxes appear after the pointer has rested this long on a control.
    static void setHintDelay(int milliseconds);

private:
    std::function<void(std::exception_ptr)> m_sink;
};

}  // namespace kelvarin::app
