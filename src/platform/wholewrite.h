// Whole writes: bytes written to a file all or reported failed with the system's reason.
#pragma once

#include <QByteArray>

class QFileDevice;

// Writes all the bytes. A write cut short (the disk filling up, a file-size limit) is tried
// again with what is left, so that the failure the system reports, and its reason, come: the
// device's errorString() then says why. Meant for unbuffered devices, whose writes reach the
// file at once.
bool writeWhole(QFileDevice& file, const QByteArray& bytes);
