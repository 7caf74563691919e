// Program image: where an executable's own image ends, read from its headers.
#include "programimage.h"

#include "regularfile.h"

#include <QByteArray>
#include <QFile>
#include <QtEndian>

namespace {
// The ELF identification bytes and the fields that place the section header table.
constexpr char Magic[] = "\x7f"
                         "ELF";
constexpr int ClassByte = 4;
constexpr int DataByte = 5;
constexpr char Class64 = 2;
constexpr char BigEndianData = 2;

struct HeaderLayout {
    int size;             // of the whole file header
    int tableOffset;      // e_shoff
    int tableEntrySize;   // e_shentsize
    int tableEntries;     // e_shnum
    bool wideTableOffset; // e_shoff is 64 bits
};
constexpr HeaderLayout Elf32{52, 0x20, 0x2E, 0x30, false};
constexpr HeaderLayout Elf64{64, 0x28, 0x3A, 0x3C, true};

template <typename T> T fieldAt(const QByteArray& header, int offset, bool bigEndian)
{
    const auto* at = header.constData() + offset;
    return bigEndian ? qFromBigEndian<T>(at) : qFromLittleEndian<T>(at);
}
} // namespace

std::optional<qint64> programImageLength(const QString& programPath)
{
    QFile program(programPath);
    if (!isRegularFile(programPath) || !program.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray header = program.read(Elf64.size);
    if (header.size() < Elf32.size || !header.startsWith(Magic))
        return std::nullopt;
    const HeaderLayout& layout = header[ClassByte] == Class64 ? Elf64 : Elf32;
    const bool bigEndian = header[DataByte] == BigEndianData;
    if (header.size() < layout.size)
        return std::nullopt;
    const quint64 tableOffset = layout.wideTableOffset
                                    ? fieldAt<quint64>(header, layout.tableOffset, bigEndian)
                                    : fieldAt<quint32>(header, layout.tableOffset, bigEndian);
    const quint16 entrySize = fieldAt<quint16>(header, layout.tableEntrySize, bigEndian);
    const quint16 entries = fieldAt<quint16>(header, layout.tableEntries, bigEndian);
    // Compared without adding first: a forged offset near 2^64 would wrap the sum round.
    const auto size = static_cast<quint64>(program.size());
    const quint64 table = quint64{entrySize} * entries;
    if (tableOffset == 0 || tableOffset > size || table > size - tableOffset)
        return std::nullopt;
    return static_cast<qint64>(tableOffset + table);
}
