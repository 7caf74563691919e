// Whole writes: bytes written to a file all or reported failed with the system's reason.
#include "wholewrite.h"

#include <QFileDevice>

bool writeWhole(QFileDevice& file, const QByteArray& bytes)
{
    for (qint64 done = 0; done < bytes.size();) {
        const qint64 written = file.write(bytes.constData() + done, bytes.size() - done);
        if (written <= 0)
            return false;
        done += written;
    }
    return true;
}
