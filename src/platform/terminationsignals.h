// Termination signals: logout, Ctrl+C and kill end the game as closing its window does.
#pragma once

#include <QObject>
#include <functional>
#include <memory>

class QSocketNotifier;

// While it lives, SIGTERM, SIGINT and SIGHUP each call the handler from the event loop
// (never from the signal itself), and SIGXFSZ is ignored so that a write past the file-size
// limit fails with an error instead of killing the game. An ending signal the game was
// started with ignored (nohup) stays ignored. One instance at a time; the signals' previous
// dispositions come back when it is destroyed. Elsewhere than on Unix it does nothing.
class TerminationSignals {
public:
    explicit TerminationSignals(std::function<void()> handler);
    ~TerminationSignals();
    TerminationSignals(const TerminationSignals&) = delete;
    TerminationSignals& operator=(const TerminationSignals&) = delete;

private:
    std::function<void()> handler_;
    std::unique_ptr<QSocketNotifier> notifier_;
};
