// Signatures: which of the newer photo formats a file's first bytes announce.
#pragma once

#include <QByteArrayView>
#include <optional>

enum class PhotoCodec { Heif, Avif, Jxl };

// The bytes a signature needs at most: an ISO file's type box with its brands.
constexpr qsizetype SignatureBytes = 64;

// HEIF and AVIF by the brands of their file type box (AVIF wins where both are listed, as
// an AVIF file lists the HEIF brand it builds on); JPEG XL by its codestream or its container.
std::optional<PhotoCodec> photoCodecOf(QByteArrayView head);
