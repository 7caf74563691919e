// ZipPictureSource: the pictures inside one ZIP archive, seen as a list with 1-based positions.
#include "zippicturesource.h"

#include "picture.h"
#include "pictureformats.h"
#include "platform/regularfile.h"

#include <QFile>
#include <QTemporaryDir>
#include <array>
#include <minizip/unzip.h>

namespace {
constexpr int HeaderLength = 58;
constexpr uLong EncryptedFlag = 1;

// The format an entry's name claims, by the extensions archives use for it.
const PictureFormat* claimedFormat(const QByteArray& name)
{
    const qsizetype dot = name.lastIndexOf('.');
    if (dot < 0 || name.endsWith('/'))
        return nullptr;
    const QString extension = QString::fromLatin1(name.mid(dot)).toLower();
    for (const PictureFormat& format : pictureFormats())
        if (format.archiveNames.contains(extension))
            return &format;
    return nullptr;
}

// The first bytes of a BMP, JPEG or GIF file hold one of the markers. Control bytes among
// the first ten (the JPEG segment lengths) must not end the text before a JFIF or Exif mark.
bool hasFirstReleaseMarker(std::array<char, HeaderLength + 1> header, int read)
{
    if (read < HeaderLength)
        return false;
    for (int i = 0; i < 10; ++i)
        if (static_cast<unsigned char>(header[i]) < 0x20)
            header[i] = 'x';
    const QByteArray text(header.data()); // ends at the first zero byte
    return text.contains("BM") || text.contains("JFIF") || text.contains("GIF") ||
           text.contains("Exif");
}

bool hasPictureHeader(unzFile archive, const PictureFormat& format)
{
    if (unzOpenCurrentFile(archive) != UNZ_OK)
        return false;
    std::array<char, HeaderLength + 1> header{};
    const int read = unzReadCurrentFile(archive, header.data(), HeaderLength);
    unzCloseCurrentFile(archive);
    if (format.hasSignature != nullptr)
        return read > 0 && format.hasSignature(QByteArrayView(header.data(), read));
    return hasFirstReleaseMarker(header, read);
}

// The current entry's stored name, however long.
std::optional<QByteArray> currentEntryName(unzFile archive, unz_file_info64& info)
{
    std::array<char, 256> shortName{};
    if (unzGetCurrentFileInfo64(archive, &info, shortName.data(), shortName.size(), nullptr, 0,
                                nullptr, 0) != UNZ_OK)
        return std::nullopt;
    if (info.size_filename < shortName.size())
        return QByteArray(shortName.data(), static_cast<qsizetype>(info.size_filename));
    QByteArray name(static_cast<qsizetype>(info.size_filename), Qt::Uninitialized);
    if (unzGetCurrentFileInfo64(archive, &info, name.data(), info.size_filename, nullptr, 0,
                                nullptr, 0) != UNZ_OK)
        return std::nullopt;
    return name;
}
} // namespace

ZipPictureSource::ZipPictureSource() = default;

ZipPictureSource::~ZipPictureSource()
{
    close();
}

bool ZipPictureSource::open(const QString& path)
{
    close();
    if (!openArchive(path))
        return false;
    findPictures(false);
    if (pictures_.empty())
        close();
    return true;
}

bool ZipPictureSource::containsPicture(const QString& path)
{
    ZipPictureSource source;
    if (!source.openArchive(path))
        return false;
    source.findPictures(true);
    return !source.pictures_.empty();
}

bool ZipPictureSource::openArchive(const QString& path)
{
    if (!isRegularFile(path))
        return false; // a FIFO named like an archive would block for good
    archive_ = unzOpen64(QFile::encodeName(path).constData());
    return archive_ != nullptr;
}

void ZipPictureSource::findPictures(bool stopAtFirst)
{
    for (int status = unzGoToFirstFile(archive_); status == UNZ_OK;
         status = unzGoToNextFile(archive_)) {
        unz_file_info64 info{};
        const std::optional<QByteArray> name = currentEntryName(archive_, info);
        const PictureFormat* format = name ? claimedFormat(*name) : nullptr;
        if (format == nullptr || (info.flag & EncryptedFlag) != 0 ||
            !hasPictureHeader(archive_, *format))
            continue;
        unz64_file_pos position{};
        if (unzGetFilePos64(archive_, &position) != UNZ_OK)
            continue;
        pictures_.push_back(
            {position.pos_in_zip_directory, position.num_of_file, *name, info.uncompressed_size});
        if (stopAtFirst)
            return;
    }
}

void ZipPictureSource::close()
{
    if (archive_ != nullptr) {
        unzCloseCurrentFile(archive_);
        unzClose(archive_);
        archive_ = nullptr;
    }
    pictures_.clear();
    current_ = 0;
    scratchFolder_.reset();
}

int ZipPictureSource::count() const
{
    return isOpen() ? static_cast<int>(pictures_.size()) : -1;
}

int ZipPictureSource::position() const
{
    return isOpen() ? static_cast<int>(current_) + 1 : 0;
}

bool ZipPictureSource::goToFirstPicture()
{
    return goToPicture(1);
}

bool ZipPictureSource::goToNextPicture()
{
    return goToPicture(position() + 1);
}

bool ZipPictureSource::goToPreviousPicture()
{
    return goToPicture(position() - 1);
}

bool ZipPictureSource::goToPicture(int position)
{
    if (!isOpen() || position < 1 || position > count())
        return false;
    current_ = static_cast<std::size_t>(position) - 1;
    return true;
}

bool ZipPictureSource::locateByName(const QString& name)
{
    for (std::size_t i = 0; isOpen() && i < pictures_.size(); ++i) {
        if (QString::fromUtf8(pictures_[i].name).compare(name, Qt::CaseInsensitive) == 0) {
            current_ = i;
            return true;
        }
    }
    return false;
}

QString ZipPictureSource::currentName() const
{
    return isOpen() ? QString::fromUtf8(pictures_[current_].name) : QString();
}

quint64 ZipPictureSource::currentSize() const
{
    return isOpen() ? pictures_[current_].size : 0;
}

std::optional<QByteArray> ZipPictureSource::extract()
{
    if (!isOpen())
        return std::nullopt;
    const Entry& entry = pictures_[current_];
    if (entry.size > static_cast<quint64>(MaxPictureBytes))
        return std::nullopt;
    unz64_file_pos position{entry.directoryOffset, entry.fileNumber};
    if (unzGoToFilePos64(archive_, &position) != UNZ_OK || unzOpenCurrentFile(archive_) != UNZ_OK)
        return std::nullopt;
    QByteArray bytes(static_cast<qsizetype>(entry.size), Qt::Uninitialized);
    qsizetype filled = 0;
    while (filled < bytes.size()) {
        const int read = unzReadCurrentFile(archive_, bytes.data() + filled,
                                            static_cast<unsigned>(bytes.size() - filled));
        if (read <= 0)
            break;
        filled += read;
    }
    // Exactly the declared size, nothing after it, and a matching checksum.
    char beyond = 0;
    const bool ended = unzReadCurrentFile(archive_, &beyond, 1) == 0;
    const bool checked = unzCloseCurrentFile(archive_) == UNZ_OK;
    if (filled != bytes.size() || !ended || !checked)
        return std::nullopt;
    return bytes;
}

bool ZipPictureSource::extractToScratch()
{
    const std::optional<QByteArray> bytes = extract();
    if (!bytes)
        return false;
    if (!scratchFolder_)
        scratchFolder_ = std::make_unique<QTemporaryDir>();
    QFile scratch(scratchPath());
    return scratchFolder_->isValid() && scratch.open(QIODevice::WriteOnly) &&
           scratch.write(*bytes) == bytes->size();
}

QString ZipPictureSource::scratchPath() const
{
    return scratchFolder_ ? scratchFolder_->filePath(QStringLiteral("entry.tmp")) : QString();
}
