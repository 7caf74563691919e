// Photo encoder: HEIC, AVIF and JPEG XL files made in the test, through the libraries' encoders.
#include "photoencoder.h"

#include <jxl/encode_cxx.h>
#include <libheif/heif.h>
#include <memory>

namespace {
template <auto Free> struct Deleter {
    template <typename T> void operator()(T* p) const { Free(p); }
};
template <typename T, auto Free> using Owned = std::unique_ptr<T, Deleter<Free>>;

bool ok(heif_error error)
{
    return error.code == heif_error_Ok;
}

heif_error appendTo(heif_context*, const void* data, size_t size, void* file)
{
    static_cast<QByteArray*>(file)->append(static_cast<const char*>(data),
                                           static_cast<qsizetype>(size));
    return {heif_error_Ok, heif_suberror_Unspecified, ""};
}

// The picture's samples scaled to the bit depth, little-endian 16 bits each above 8.
Owned<heif_image, heif_image_release> heifImage(const QImage& picture, int bits, bool alpha)
{
    const QImage rgba = picture.convertToFormat(QImage::Format_RGBA8888);
    const heif_chroma chroma =
        bits > 8 ? (alpha ? heif_chroma_interleaved_RRGGBBAA_LE : heif_chroma_interleaved_RRGGBB_LE)
                 : (alpha ? heif_chroma_interleaved_RGBA : heif_chroma_interleaved_RGB);
    heif_image* made = nullptr;
    if (!ok(heif_image_create(rgba.width(), rgba.height(), heif_colorspace_RGB, chroma, &made)))
        return nullptr;
    Owned<heif_image, heif_image_release> image(made);
    if (!ok(heif_image_add_plane(made, heif_channel_interleaved, rgba.width(), rgba.height(),
                                 bits)))
        return nullptr;
    int stride = 0;
    uint8_t* plane = heif_image_get_plane(made, heif_channel_interleaved, &stride);
    const int channels = alpha ? 4 : 3;
    for (int y = 0; y < rgba.height(); ++y) {
        const uchar* from = rgba.constScanLine(y);
        uint8_t* to = plane + static_cast<qsizetype>(y) * stride;
        for (int x = 0; x < rgba.width(); ++x)
            for (int c = 0; c < channels; ++c) {
                const int sample = from[x * 4 + c];
                if (bits == 8) {
                    to[x * channels + c] = static_cast<uint8_t>(sample);
                } else {
                    const int deep = sample * ((1 << bits) - 1) / 255;
                    to[(x * channels + c) * 2] = static_cast<uint8_t>(deep & 0xff);
                    to[(x * channels + c) * 2 + 1] = static_cast<uint8_t>(deep >> 8);
                }
            }
    }
    return image;
}

QByteArray heifFile(heif_compression_format compression, const QImage& picture,
                    const PhotoOptions& options)
{
    Owned<heif_context, heif_context_free> context(heif_context_alloc());
    heif_encoder* made = nullptr;
    if (!ok(heif_context_get_encoder_for_format(context.get(), compression, &made)))
        return {};
    Owned<heif_encoder, heif_encoder_release> encoder(made);
    heif_encoder_set_lossy_quality(made, 90);
    if (options.fast)
        heif_encoder_set_parameter_integer(made, "speed", 9);
    const auto image = heifImage(picture, options.bits, options.alpha);
    Owned<heif_encoding_options, heif_encoding_options_free> encoding(
        heif_encoding_options_alloc());
    encoding->image_orientation = static_cast<heif_orientation>(options.orientation);
    if (!image ||
        !ok(heif_context_encode_image(context.get(), image.get(), made, encoding.get(), nullptr)))
        return {};
    QByteArray file;
    heif_writer writer{1, appendTo};
    return ok(heif_context_write(context.get(), &writer, &file)) ? file : QByteArray();
}

QByteArray jxlFile(const QList<QImage>& pictures, const PhotoOptions& options)
{
    const JxlEncoderPtr encoder = JxlEncoderMake(nullptr);
    JxlEncoder* enc = encoder.get();
    const QSize size = pictures.first().size();
    JxlBasicInfo info;
    JxlEncoderInitBasicInfo(&info);
    info.xsize = static_cast<uint32_t>(size.width());
    info.ysize = static_cast<uint32_t>(size.height());
    info.bits_per_sample = static_cast<uint32_t>(options.bits);
    info.num_color_channels = 3;
    info.alpha_bits = options.alpha ? info.bits_per_sample : 0;
    info.num_extra_channels = options.alpha ? 1 : 0;
    info.orientation = static_cast<JxlOrientation>(options.orientation);
    info.uses_original_profile = JXL_FALSE;
    if (pictures.size() > 1) {
        info.have_animation = JXL_TRUE;
        info.animation.tps_numerator = 10;
        info.animation.tps_denominator = 1;
    }
    JxlColorEncoding colour;
    JxlColorEncodingSetToSRGB(&colour, JXL_FALSE);
    if (JxlEncoderSetBasicInfo(enc, &info) != JXL_ENC_SUCCESS ||
        JxlEncoderSetColorEncoding(enc, &colour) != JXL_ENC_SUCCESS)
        return {};
    JxlEncoderFrameSettings* settings = JxlEncoderFrameSettingsCreate(enc, nullptr);
    JxlEncoderFrameSettingsSetOption(settings, JXL_ENC_FRAME_SETTING_EFFORT, options.fast ? 1 : 3);
    const bool deep = options.bits > 8;
    const JxlPixelFormat format{options.alpha ? 4U : 3U, deep ? JXL_TYPE_UINT16 : JXL_TYPE_UINT8,
                                JXL_NATIVE_ENDIAN, 0};
    JxlFrameHeader header;
    JxlEncoderInitFrameHeader(&header);
    header.duration = 1; // each frame shown in turn, none a layer of the next
    if (info.have_animation && JxlEncoderSetFrameHeader(settings, &header) != JXL_ENC_SUCCESS)
        return {};
    for (const QImage& picture : pictures) {
        QImage pixels = picture.convertToFormat(
            deep ? (options.alpha ? QImage::Format_RGBA64 : QImage::Format_RGBX64)
                 : (options.alpha ? QImage::Format_RGBA8888 : QImage::Format_RGB888));
        QByteArray packed;
        const qsizetype row =
            static_cast<qsizetype>(size.width()) * format.num_channels * (deep ? 2 : 1);
        for (int y = 0; y < pixels.height(); ++y) {
            if (deep && !options.alpha) {
                const auto* from = reinterpret_cast<const quint16*>(pixels.constScanLine(y));
                for (int x = 0; x < pixels.width(); ++x)
                    packed.append(reinterpret_cast<const char*>(from + x * 4), 6);
            } else {
                packed.append(reinterpret_cast<const char*>(pixels.constScanLine(y)), row);
            }
        }
        if (JxlEncoderAddImageFrame(settings, &format, packed.constData(),
                                    static_cast<size_t>(packed.size())) != JXL_ENC_SUCCESS)
            return {};
    }
    JxlEncoderCloseInput(enc);
    QByteArray file(4096, Qt::Uninitialized);
    uint8_t* next = reinterpret_cast<uint8_t*>(file.data());
    size_t left = static_cast<size_t>(file.size());
    for (;;) {
        const JxlEncoderStatus status = JxlEncoderProcessOutput(enc, &next, &left);
        if (status == JXL_ENC_SUCCESS)
            break;
        if (status != JXL_ENC_NEED_MORE_OUTPUT)
            return {};
        const qsizetype used = next - reinterpret_cast<uint8_t*>(file.data());
        file.resize(file.size() * 2);
        next = reinterpret_cast<uint8_t*>(file.data()) + used;
        left = static_cast<size_t>(file.size() - used);
    }
    file.truncate(next - reinterpret_cast<uint8_t*>(file.data()));
    return file;
}
} // namespace

QByteArray encodedPhoto(PhotoCodec codec, const QList<QImage>& pictures,
                        const PhotoOptions& options)
{
    if (pictures.isEmpty())
        return {};
    switch (codec) {
    case PhotoCodec::Heif:
        return heifFile(heif_compression_HEVC, pictures.first(), options);
    case PhotoCodec::Avif:
        return heifFile(heif_compression_AV1, pictures.first(), options);
    case PhotoCodec::Jxl:
        return jxlFile(pictures, options);
    }
    return {};
}
