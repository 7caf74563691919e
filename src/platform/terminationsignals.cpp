// Termination signals: logout, Ctrl+C and kill end the game as closing its window does.
#include "terminationsignals.h"

#include <QSocketNotifier>

#ifdef Q_OS_UNIX
#include <array>
#include <csignal>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {
constexpr std::array<int, 3> EndingSignals{SIGTERM, SIGINT, SIGHUP};

// The signal handler's only work is a byte into this socket pair, which the event loop reads.
std::array<int, 2> wakeUp{-1, -1};
std::array<struct sigaction, EndingSignals.size()> previous{};
struct sigaction previousFileSize {};

extern "C" void onEndingSignal(int)
{
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(wakeUp[0], &byte, 1);
}
} // namespace

TerminationSignals::TerminationSignals(std::function<void()> handler)
    : handler_(std::move(handler))
{
    struct sigaction ignore {};
    ignore.sa_handler = SIG_IGN;
    sigemptyset(&ignore.sa_mask);
    sigaction(SIGXFSZ, &ignore, &previousFileSize);
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, wakeUp.data()) != 0)
        return;
    // A burst of signals must never block the handler on a full socket.
    ::fcntl(wakeUp[0], F_SETFL, ::fcntl(wakeUp[0], F_GETFL) | O_NONBLOCK);
    notifier_ = std::make_unique<QSocketNotifier>(wakeUp[1], QSocketNotifier::Read);
    QObject::connect(notifier_.get(), &QSocketNotifier::activated, [this] {
        char bytes[16];
        [[maybe_unused]] const ssize_t read = ::read(wakeUp[1], bytes, sizeof bytes);
        handler_();
    });
    struct sigaction ending {};
    ending.sa_handler = onEndingSignal;
    sigemptyset(&ending.sa_mask);
    ending.sa_flags = SA_RESTART;
    for (std::size_t i = 0; i < EndingSignals.size(); ++i) {
        sigaction(EndingSignals[i], &ending, &previous[i]);
        if (previous[i].sa_handler == SIG_IGN) // started under nohup: keep it so
            sigaction(EndingSignals[i], &previous[i], nullptr);
    }
}

TerminationSignals::~TerminationSignals()
{
    sigaction(SIGXFSZ, &previousFileSize, nullptr);
    if (!notifier_)
        return;
    for (std::size_t i = 0; i < EndingSignals.size(); ++i)
        sigaction(EndingSignals[i], &previous[i], nullptr);
    notifier_.reset();
    for (int& end : wakeUp) {
        ::close(end);
        end = -1;
    }
}
#else
TerminationSignals::TerminationSignals(std::function<void()> handler)
    : handler_(std::move(handler))
{}

TerminationSignals::~TerminationSignals() = default;
#endif
