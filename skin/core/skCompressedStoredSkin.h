#pragma once
// One stored skin: the zlib data of one skin package (see skSkinPayload.h), without the 8-byte
// header that a stored-skin file puts before it (format version, 32-bit signed length N).

#include "classlib/Classes.h"
#include "classlib/Streams.h"

#include <string>

struct TskSkinPayload;
class TskSkinData;

class TskCompressedStoredSkin : public TComponent {
public:
    explicit TskCompressedStoredSkin(TComponent* AOwner);
    ~TskCompressedStoredSkin() override;

    // True while no skin is held.
    bool Empty();

    // Packs a skin folder (its ini file with the BMP files beside it). A file lacking one of the
    // required sections leaves the stored skin as it was; so does any error.
    void LoadFromIniFile(const std::string& AFileName);
    // Packs the skin a skin data component holds: its pictures and its written description.
    void LoadFromSkinData(TskSkinData* ASkinData);
    // Reads a stored-skin file or stream (the stream from its start). A version above 3, a
    // negative length or fewer bytes than the length claims raise an error and change nothing.
    void LoadFromCompressFile(const std::string& AFileName);
    void LoadFromCompressStream(TStream* Stream);
    // Writes a stored-skin file; nothing (no file) while Empty.
    void SaveToCompressFile(const std::string& AFileName);
    // Writes header and data at the stream's position; an empty skin gives the header with N = 0.
    void SaveToCompressStream(TStream* Stream);
    // Writes the uncompressed package into S at its position.
    void DeCompressToStream(TMemoryStream* S);

    // The ini file this skin was packed from; in design mode setting it keeps the name part only
    // and packs that file at once.
    const std::string& FileName() const { return FFileName; }
    void SetFileName(const std::string& Value);
    // The stored-skin file this skin was read from; in design mode setting it keeps the name part
    // only and reads that file at once.
    const std::string& CompressedFileName() const { return FCompressedFileName; }
    void SetCompressedFileName(const std::string& Value);
    const std::string& Description() const { return FDescription; }
    void SetDescription(const std::string& Value) { FDescription = Value; }

private:
    // Compresses a package into the stored skin, replacing what it held.
    void Pack(const TskSkinPayload& Payload);
    // Design mode outside form reading: the setters load at once.
    bool LoadsOnAssignment() const;

    std::string FFileName;
    std::string FCompressedFileName;
    TMemoryStream* FCompressedStream;
    std::string FDescription;
};
