#pragma once
// Snapshots of the preview: the picture type and folder kept in the settings file (section
// "SnapShot", keys "Dir" and "Picture"), the numbered picture names, and writing the player's
// picture in the chosen type. The settings file is opened for every single read or write, so a
// value written is what the next read sees; nothing is cached.

#include "engine/FFPicture.h"

#include <functional>
#include <string>

enum class TSnapshotType { BMP, JPG, GIF, PNG };

// "BMP", "JPG", "GIF", "PNG": the stored value of a type.
std::string SnapshotTypeName(TSnapshotType type);
// ".bmp", ".jpg", ".gif", ".png".
std::string SnapshotExtension(TSnapshotType type);

class TSnapshotSettings {
public:
    // iniFile: the settings file; defaultFolder: the snapshot folder used while none is stored.
    TSnapshotSettings(std::string iniFile, std::string defaultFolder);

    // The stored folder (created with its parents unless it exists; one that cannot be created
    // is still used), else the default folder, created and written back.
    std::string ResolveFolder() const;
    // The stored type when it is one of the four names exactly; anything else writes back "BMP".
    TSnapshotType ResolveType() const;
    void WriteType(TSnapshotType type) const;
    // Writes an existing folder as the snapshot folder; a folder that does not exist is ignored.
    void WriteFolder(const std::string& folder) const;

private:
    std::string FIniFile;
    std::string FDefaultFolder;
};

using TSnapshotFileExists = std::function<bool(const std::string&)>;

// folder "/" base "_" n extension, base being the previewed file's name without its last
// extension and n the first number from 1 whose file does not exist.
std::string SnapshotFileName(const std::string& folder, const std::string& previewFile, TSnapshotType type,
                             const TSnapshotFileExists& exists);

// Writes the picture as a file of the type: BMP as delivered, JPEG of quality 90 (24-bit,
// baseline), GIF reduced to a palette, PNG. A picture that cannot be written raises the
// picture library's or the stream's error.
void SaveSnapshotPicture(const TFFPicture& picture, TSnapshotType type, const std::string& fileName);

// One press of the snapshot button: resolves the folder and the type (with their write-backs),
// then, when the picture is not empty, saves it under the next free name. Returns that name, or
// the empty text when nothing was saved.
std::string TakeSnapshot(const TFFPicture& picture, const TSnapshotSettings& settings,
                         const std::string& previewFile, const TSnapshotFileExists& exists);
