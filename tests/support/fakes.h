// Fakes: a sound player that listens, a clock that stands still and a shell that answers
// as it is told, for tests.
#pragma once

#include "platform/clock.h"
#include "platform/shell.h"
#include "platform/soundplayer.h"

#include <QStringList>

class RecordingSoundPlayer : public SoundPlayer {
public:
    void play(const QString& name) override { played << name; }
    QStringList played;
};

class FixedClock : public Clock {
public:
    std::int64_t nowSeconds() const override { return now; }
    std::int64_t now = 1'000'000;
};

// Answers every open with `answer`; a late failure can be reported afterwards, as a desktop
// whose opener ends in an error does.
class RecordingShell : public Shell {
public:
    using Shell::open;
    int open(const QString& target, const LateFailure& failedLater) override
    {
        opened << target;
        lateFailure = failedLater;
        return answer;
    }
    QStringList opened;
    int answer = Shell::Opened;
    LateFailure lateFailure;
};
