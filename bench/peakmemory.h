// Peak memory: how far the process's resident memory rose above where it stood at the start.
#pragma once

#include <QByteArray>
#include <QFile>

// Linux keeps the peak of the resident set (VmHWM); writing 5 to clear_refs resets it to
// what is resident now.
class PeakMemory {
public:
    PeakMemory()
    {
        QFile reset(QStringLiteral("/proc/self/clear_refs"));
        if (reset.open(QIODevice::WriteOnly))
            reset.write("5");
        start_ = kibibytes("VmRSS:");
    }

    double grownMiB() const { return (kibibytes("VmHWM:") - start_) / 1024.0; }

private:
    static double kibibytes(const QByteArray& field)
    {
        QFile status(QStringLiteral("/proc/self/status"));
        if (!status.open(QIODevice::ReadOnly))
            return 0;
        for (const QByteArray& line : status.readAll().split('\n'))
            if (line.startsWith(field))
                return line.mid(field.size()).trimmed().split(' ').first().toDouble();
        return 0;
    }

    double start_ = 0;
};
