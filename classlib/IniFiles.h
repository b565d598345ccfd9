#pragma once
// Ini files with the Windows profile-file rules: "[section]" lines, "key=value" lines, blanks
// around names and values ignored, a pair of quotes around a value removed, lines starting with
// ";" are comments; section and key names match without regard to case; UTF-8 text. Lines the
// reader does not use (comments, blank lines, other text) are kept when the file is rewritten.

#include "classlib/Object.h"
#include "platform/kernel/Exceptions.h"

#include <memory>
#include <string>

class TStrings;
class TIniLines;

class EIniFileException : public Exception {
public:
    using Exception::Exception;
};

class TCustomIniFile : public TObject {
public:
    explicit TCustomIniFile(const std::string& FileName) : FFileName(FileName) {}
    const std::string& FileName() const { return FFileName; }

    virtual std::string ReadString(const std::string& Section, const std::string& Ident, const std::string& Default) = 0;
    virtual void WriteString(const std::string& Section, const std::string& Ident, const std::string& Value) = 0;
    // The key names of a section, in file order.
    virtual void ReadSection(const std::string& Section, TStrings* Strings) = 0;
    // The section names, in file order.
    virtual void ReadSections(TStrings* Strings) = 0;
    // "key=value" lines of a section.
    virtual void ReadSectionValues(const std::string& Section, TStrings* Strings) = 0;
    virtual void EraseSection(const std::string& Section) = 0;
    virtual void DeleteKey(const std::string& Section, const std::string& Ident) = 0;
    virtual void UpdateFile() = 0;

    // Decimal, or hexadecimal after "$" or "0x"; a value that does not parse gives Default.
    int ReadInteger(const std::string& Section, const std::string& Ident, int Default);
    void WriteInteger(const std::string& Section, const std::string& Ident, int Value);
    // An integer other than 0 is true; written as "1" or "0".
    bool ReadBool(const std::string& Section, const std::string& Ident, bool Default);
    void WriteBool(const std::string& Section, const std::string& Ident, bool Value);
    // A section exists when it holds at least one key.
    bool SectionExists(const std::string& Section);
    bool ValueExists(const std::string& Section, const std::string& Ident);

private:
    std::string FFileName;
};

// The file on disk: every read sees the file's current content, every write goes to the file at
// once (the first write creates it). A write that cannot be stored raises EIniFileException
// "Unable to write to <file name>" and leaves the file as it was.
class TIniFile : public TCustomIniFile {
public:
    explicit TIniFile(const std::string& FileName);
    ~TIniFile() override;

    std::string ReadString(const std::string& Section, const std::string& Ident, const std::string& Default) override;
    void WriteString(const std::string& Section, const std::string& Ident, const std::string& Value) override;
    void ReadSection(const std::string& Section, TStrings* Strings) override;
    void ReadSections(TStrings* Strings) override;
    void ReadSectionValues(const std::string& Section, TStrings* Strings) override;
    void EraseSection(const std::string& Section) override;
    void DeleteKey(const std::string& Section, const std::string& Ident) override;
    // Writes are never held back, so there is nothing to flush.
    void UpdateFile() override {}

private:
    TIniLines& current();
    void store();

    std::unique_ptr<TIniLines> FLines;
    struct FileStamp {
        bool exists = false;
        long long mtimeNs = 0, size = 0, inode = 0;
        bool operator==(const FileStamp&) const = default;
    } FStamp;
    bool FLoaded = false;
};

// The whole file held in memory: read at construction (or given as text through SetStrings)
// and written only by UpdateFile.
class TMemIniFile : public TCustomIniFile {
public:
    explicit TMemIniFile(const std::string& FileName);
    ~TMemIniFile() override;

    std::string ReadString(const std::string& Section, const std::string& Ident, const std::string& Default) override;
    void WriteString(const std::string& Section, const std::string& Ident, const std::string& Value) override;
    void ReadSection(const std::string& Section, TStrings* Strings) override;
    void ReadSections(TStrings* Strings) override;
    void ReadSectionValues(const std::string& Section, TStrings* Strings) override;
    void EraseSection(const std::string& Section) override;
    void DeleteKey(const std::string& Section, const std::string& Ident) override;
    // Raises EIniFileException "Unable to write to <file name>" when the file cannot be written.
    void UpdateFile() override;

    void Clear();
    // The content as lines, and replacing the content by lines.
    void GetStrings(TStrings* List);
    void SetStrings(TStrings* List);

private:
    std::unique_ptr<TIniLines> FLines;
};
