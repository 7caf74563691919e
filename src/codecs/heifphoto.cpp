// HEIF photos (HEIC and AVIF) through libheif.
#include "heifphoto.h"

#include <libheif/heif.h>
#include <memory>

namespace {
struct ContextFree {
    void operator()(heif_context* context) const { heif_context_free(context); }
};
struct HandleRelease {
    void operator()(heif_image_handle* handle) const { heif_image_handle_release(handle); }
};
struct OptionsFree {
    void operator()(heif_decoding_options* options) const { heif_decoding_options_free(options); }
};

// A parsed file and its primary picture's handle. The bytes must outlive it: they are not
// copied.
struct PrimaryPicture {
    std::unique_ptr<heif_context, ContextFree> context{heif_context_alloc()};
    std::unique_ptr<heif_image_handle, HandleRelease> handle;

    explicit PrimaryPicture(const QByteArray& bytes)
    {
        heif_image_handle* primary = nullptr;
        if (context &&
            heif_context_read_from_memory_without_copy(context.get(), bytes.constData(),
                                                       static_cast<size_t>(bytes.size()), nullptr)
                    .code == heif_error_Ok &&
            heif_context_get_primary_image_handle(context.get(), &primary).code == heif_error_Ok)
            handle.reset(primary);
    }
};

void releaseImage(void* image)
{
    heif_image_release(static_cast<heif_image*>(image));
}
} // namespace

std::optional<QSize> heifSize(const QByteArray& bytes)
{
    const PrimaryPicture primary(bytes);
    if (!primary.handle)
        return std::nullopt;
    return QSize(heif_image_handle_get_width(primary.handle.get()),
                 heif_image_handle_get_height(primary.handle.get()));
}

QImage decodeHeif(const QByteArray& bytes)
{
    const PrimaryPicture primary(bytes);
    if (!primary.handle)
        return {};
    const std::unique_ptr<heif_decoding_options, OptionsFree> options(
        heif_decoding_options_alloc());
    options->convert_hdr_to_8bit = 1;
    heif_image* decoded = nullptr;
    if (heif_decode_image(primary.handle.get(), &decoded, heif_colorspace_RGB,
                          heif_chroma_interleaved_RGBA, options.get())
            .code != heif_error_Ok)
        return {};
    int stride = 0;
    const uint8_t* pixels =
        heif_image_get_plane_readonly(decoded, heif_channel_interleaved, &stride);
    const int width = heif_image_get_width(decoded, heif_channel_interleaved);
    const int height = heif_image_get_height(decoded, heif_channel_interleaved);
    if (pixels == nullptr || width <= 0 || height <= 0) {
        heif_image_release(decoded);
        return {};
    }
    const QImage::Format format = heif_image_handle_is_premultiplied_alpha(primary.handle.get())
                                      ? QImage::Format_RGBA8888_Premultiplied
                                      : QImage::Format_RGBA8888;
    // The decoder's own pixels, released with the last copy of the image: no second picture.
    return QImage(pixels, width, height, stride, format, releaseImage, decoded);
}
