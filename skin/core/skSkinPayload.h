#pragma once
// The uncompressed content of a stored skin: a version, the main, inactive and mask pictures
// (each behind a flag byte, 0 = present), the count of numbered pictures and the pictures, and
// the skin ini text. Pictures are complete BMP file images; all integers are 32-bit
// little-endian. Reading checks every length against the bytes that are there.

#include "platform/kernel/Exceptions.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A stored skin whose bytes do not hold what they claim (lengths, counts, versions).
class EskSkinFormatError : public Exception {
public:
    using Exception::Exception;
};

// The newest format the readers know and the one the writers write.
inline constexpr int kSkinFormatVersion = 3;

struct TskSkinPayload {
    int Version = kSkinFormatVersion;
    // BMP file images; nullopt = no picture.
    std::optional<std::string> Picture;
    std::optional<std::string> InActivePicture;
    std::optional<std::string> Mask;
    std::vector<std::string> ActivePictures;
    // The ini text, decoded to UTF-8.
    std::string Text;

    // Raises EskSkinFormatError for a version above 3, a negative or impossible count, a picture
    // that is not a BMP or whose file header claims more bytes than remain. Version 2 payloads
    // carry two more flagged pictures after the mask, which are skipped.
    static TskSkinPayload Parse(std::string_view bytes);
    // Version 3 bytes; the text is written as it is (UTF-8, no byte-order mark).
    std::string Build() const;
};

// The length a BMP file header at the start of bytes claims, checked against what is there.
std::size_t BmpImageLength(std::string_view bytes);
