#include "skin/core/skSkinPayload.h"

#include "skin/core/skMemIniFile.h"

#include <cstdint>

namespace {

// File header (14 bytes) and the smallest info header (12 bytes).
constexpr std::size_t kMinBmpLength = 14 + 12;

std::uint32_t U32(std::string_view b, std::size_t at)
{
    return static_cast<std::uint32_t>(static_cast<unsigned char>(b[at])) |
           static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 1])) << 8 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 2])) << 16 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 3])) << 24;
}

void PutU32(std::string& out, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        out += static_cast<char>((v >> (8 * i)) & 0xFF);
}

class Reader {
public:
    explicit Reader(std::string_view b) : B_(b) {}

    std::int32_t Int(const char* what)
    {
        if (B_.size() - Pos_ < 4)
            throw EskSkinFormatError(std::string("Stored skin ends before its ") + what);
        auto v = static_cast<std::int32_t>(U32(B_, Pos_));
        Pos_ += 4;
        return v;
    }

    unsigned char Byte(const char* what)
    {
        if (Pos_ >= B_.size())
            throw EskSkinFormatError(std::string("Stored skin ends before its ") + what);
        return static_cast<unsigned char>(B_[Pos_++]);
    }

    std::string Bmp()
    {
        std::size_t n = BmpImageLength(B_.substr(Pos_));
        std::string r(B_.substr(Pos_, n));
        Pos_ += n;
        return r;
    }

    std::optional<std::string> FlaggedBmp(const char* what)
    {
        if (Byte(what) != 0)
            return std::nullopt;
        return Bmp();
    }

    std::size_t Left() const { return B_.size() - Pos_; }
    std::string_view Rest() const { return B_.substr(Pos_); }

private:
    std::string_view B_;
    std::size_t Pos_ = 0;
};

void PutFlaggedBmp(std::string& out, const std::optional<std::string>& bmp)
{
    if (!bmp || bmp->empty()) {
        out += '\1';
        return;
    }
    out += '\0';
    out += *bmp;
}

} // namespace

std::size_t BmpImageLength(std::string_view bytes)
{
    if (bytes.size() < kMinBmpLength || bytes[0] != 'B' || bytes[1] != 'M')
        throw EskSkinFormatError("Stored skin holds a picture that is not a BMP image");
    std::uint32_t size = U32(bytes, 2);
    if (size < kMinBmpLength || size > bytes.size())
        throw EskSkinFormatError("Stored skin holds a BMP image with a bad size (" + std::to_string(size) + " bytes)");
    return size;
}

TskSkinPayload TskSkinPayload::Parse(std::string_view bytes)
{
    Reader r(bytes);
    TskSkinPayload p;
    p.Version = r.Int("version");
    if (p.Version > kSkinFormatVersion)
        throw EskSkinFormatError("Stored skin has the unknown format version " + std::to_string(p.Version));
    p.Picture = r.FlaggedBmp("main picture");
    p.InActivePicture = r.FlaggedBmp("inactive picture");
    p.Mask = r.FlaggedBmp("mask picture");
    if (p.Version == 2) {
        r.FlaggedBmp("extra picture");
        r.FlaggedBmp("extra picture");
    }
    std::int32_t count = r.Int("picture count");
    if (count < 0 || static_cast<std::size_t>(count) > r.Left() / kMinBmpLength)
        throw EskSkinFormatError("Stored skin has a bad picture count (" + std::to_string(count) + ")");
    p.ActivePictures.reserve(static_cast<std::size_t>(count));
    for (std::int32_t i = 0; i < count; ++i)
        p.ActivePictures.push_back(r.Bmp());
    p.Text = DecodeSkinText(r.Rest());
    return p;
}

std::string TskSkinPayload::Build() const
{
    std::string out;
    PutU32(out, static_cast<std::uint32_t>(kSkinFormatVersion));
    PutFlaggedBmp(out, Picture);
    PutFlaggedBmp(out, InActivePicture);
    PutFlaggedBmp(out, Mask);
    PutU32(out, static_cast<std::uint32_t>(ActivePictures.size()));
    for (const auto& bmp : ActivePictures)
        out += bmp;
    out += Text;
    return out;
}
