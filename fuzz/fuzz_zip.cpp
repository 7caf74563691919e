// Fuzz target: ZipPictureSource over any file: open, count, walk both ways, extract.
#include "fuzzinput.h"
#include "pictures/zippicturesource.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString path = inputFile(QStringLiteral("input.zip"), data, size);
    if (path.isEmpty())
        return 0;
    ZipPictureSource zip;
    const bool any = ZipPictureSource::containsPicture(path);
    if (!zip.open(path) || zip.count() < 1) {
        if (any)
            __builtin_trap(); // the quick test and the full walk must agree
        return 0;
    }
    const int count = zip.count();
    int steps = 1;
    do {
        const std::optional<QByteArray> bytes = zip.extract();
        if (bytes && bytes->size() != static_cast<qsizetype>(zip.currentSize()))
            __builtin_trap();
        (void)zip.currentName();
    } while (zip.goToNextPicture() && ++steps);
    if (steps != count || zip.position() != count)
        __builtin_trap();
    while (zip.goToPreviousPicture())
        --steps;
    if (steps != 1 || !zip.locateByName(zip.currentName()) || !zip.goToPicture(count))
        __builtin_trap();
    zip.extractToScratch();
    return 0;
}
