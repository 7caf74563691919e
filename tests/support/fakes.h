// Fakes: a sound player that listens and a clock that stands still, for tests.
#pragma once

#include "platform/clock.h"
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
