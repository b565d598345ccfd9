#pragma once
// Snapshots of the preview: the picture type and folder kept in the settings file (section
// "SnapShot", keys "Dir" and "Picture"), the numbered picture names, and writing the player's
// picture in the chosen type. Every read and write opens the settings file afresh.

#include "engine/FFPicture.h"

#include <functional>
#include <string>

enum class TSnapshotType { BMP, JPG, GIF, PNG };

// "BMP", "JPG", "GIF", "PNG": the stored value of a type.
std::string SnapshotTypeName(TSnapshotType type);
// ".bmp", ".jpg", ".gif", ".png".
std::string SnapshotExtension(TSnapshotType type);

// ~/Velkor视频软件/快照: the snapshot folder while the settings file names none.
std::string DefaultSnapshotFolder();

// The stored folder (created with its parents unless it exists; one that cannot be created is
// still used), else the default folder, created and written back.
std::string ResolveSnapshotFolder();
// The stored type when it is one of the four names exactly; anything else writes back "BMP".
TSnapshotType ResolveSnapshotType();
void WriteSnapshotType(TSnapshotType type);
// Writes an existing folder as the snapshot folder; a folder that does not exist is ignored.
void WriteSnapshotFolder(const std::string& folder);

using TSnapshotFileExists = std::function<bool(const std::string&)>;

// folder "/" base "_" n extension, base being the previewed file's name without its last
// extension and n the first number from 1 whose file does not exist.
std::string SnapshotFileName(const std::string& folder, const std::string& previewFile, TSnapshotType type,
                             const TSnapshotFileExists& exists);

// Writes the picture as a file of the type: BMP as delivered, JPEG of quality 90 (24-bit,
// baseline), GIF reduced to a palette, PNG. A picture that cannot be written raises the
// picture library's or the stream's error.
void SaveSnapshotPicture(const TFFPicture& picture, TSnapshotType type, const std::string& fileName);

// What one press of the snapshot button did: the type it resolved, and the file it saved (empty
// when the picture was empty and nothing was saved).
struct TSnapshotResult {
    TSnapshotType type = TSnapshotType::BMP;
    std::string fileName;
};

// One press of the snapshot button: resolves the folder and the type (with their write-backs),
// then, when the picture is not empty, saves it under the next free name.
TSnapshotResult TakeSnapshot(const TFFPicture& picture, const std::string& previewFile,
                             const TSnapshotFileExists& exists);
