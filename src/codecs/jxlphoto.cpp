// JPEG XL photos through libjxl.
#include "jxlphoto.h"

#include <QImageIOHandler>
#include <jxl/decode_cxx.h>
#include <jxl/thread_parallel_runner_cxx.h>

namespace {
constexpr JxlPixelFormat Rgba8{4, JXL_TYPE_UINT8, JXL_NATIVE_ENDIAN, 0};

QSize shownSize(const JxlBasicInfo& info)
{
    // Orientations 5 to 8 transpose the stored picture.
    const bool transposed = info.orientation >= JXL_ORIENT_TRANSPOSE;
    const QSize stored(static_cast<int>(info.xsize), static_cast<int>(info.ysize));
    return transposed ? stored.transposed() : stored;
}

// Runs the decoder over the whole file until the header, or the first full picture, is there.
QImage decode(const QByteArray& bytes, QSize* size, bool headerOnly)
{
    const JxlDecoderPtr decoder = JxlDecoderMake(nullptr);
    const JxlThreadParallelRunnerPtr runner =
        JxlThreadParallelRunnerMake(nullptr, JxlThreadParallelRunnerDefaultNumWorkerThreads());
    JxlDecoder* dec = decoder.get();
    if (!dec ||
        JxlDecoderSubscribeEvents(dec, JXL_DEC_BASIC_INFO | JXL_DEC_FULL_IMAGE) !=
            JXL_DEC_SUCCESS ||
        JxlDecoderSetParallelRunner(dec, JxlThreadParallelRunner, runner.get()) !=
            JXL_DEC_SUCCESS ||
        JxlDecoderSetUnpremultiplyAlpha(dec, JXL_TRUE) != JXL_DEC_SUCCESS ||
        JxlDecoderSetInput(dec, reinterpret_cast<const uint8_t*>(bytes.constData()),
                           static_cast<size_t>(bytes.size())) != JXL_DEC_SUCCESS)
        return {};
    JxlDecoderCloseInput(dec);
    QImage image;
    for (;;) {
        switch (JxlDecoderProcessInput(dec)) {
        case JXL_DEC_BASIC_INFO: {
            JxlBasicInfo info;
            if (JxlDecoderGetBasicInfo(dec, &info) != JXL_DEC_SUCCESS)
                return {};
            *size = shownSize(info);
            if (headerOnly)
                return {};
            break;
        }
        case JXL_DEC_NEED_IMAGE_OUT_BUFFER: {
            size_t needed = 0;
            // Allocated within the reader's limit, as Qt's own decoders allocate.
            if (!QImageIOHandler::allocateImage(*size, QImage::Format_RGBA8888, &image) ||
                JxlDecoderImageOutBufferSize(dec, &Rgba8, &needed) != JXL_DEC_SUCCESS ||
                needed != static_cast<size_t>(image.sizeInBytes()) ||
                JxlDecoderSetImageOutBuffer(dec, &Rgba8, image.bits(), needed) != JXL_DEC_SUCCESS)
                return {};
            break;
        }
        case JXL_DEC_FULL_IMAGE:
            return image; // the first frame: an animation's opening picture
        default:
            return {}; // an error, or a file cut short
        }
    }
}
} // namespace

std::optional<QSize> jxlSize(const QByteArray& bytes)
{
    QSize size;
    decode(bytes, &size, true);
    return size.isEmpty() ? std::nullopt : std::optional(size);
}

QImage decodeJxl(const QByteArray& bytes)
{
    QSize size;
    return decode(bytes, &size, false);
}
