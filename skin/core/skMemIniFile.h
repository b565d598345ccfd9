#pragma once
// The ini text of a skin, held in memory: a skin folder's ini file and the text tail of a stored
// skin are both read through it, and the skin writers fill it before the text goes to a file or a
// package.
//
// Rules: lines end with CR LF, LF or CR; "[name]" opens a section; a key line is name "=" value;
// blanks around names and values are ignored; a line beginning with ";" is a comment; section and
// key names match without regard to (ASCII) case. A section counts as present only while it holds
// a key. The first of two keys with one name is the one read and written; a section named twice
// continues the first one. Comments and other lines of a section are kept when the text is
// written back.

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

class TskMemIniFile {
public:
    TskMemIniFile() = default;
    explicit TskMemIniFile(std::string_view text) { SetText(text); }

    // Replaces the whole content by the given text (UTF-8; see DecodeSkinText for other forms).
    void SetText(std::string_view text);
    // The content as text: each section's header, its lines, and an empty line; CR LF endings.
    std::string GetText() const;
    void Clear();

    bool SectionExists(const std::string& section) const;
    bool ValueExists(const std::string& section, const std::string& key) const;
    // The names of the sections in their order, as first written.
    std::vector<std::string> Sections() const;
    // The key names of a section in their order.
    std::vector<std::string> ReadSection(const std::string& section) const;

    std::string ReadString(const std::string& section, const std::string& key,
                           const std::string& defaultValue) const;
    // Decimal, optionally signed; "$" or "0x" introduce hexadecimal (up to 32 bits, taken as
    // signed). A text that does not parse gives the default.
    int ReadInteger(const std::string& section, const std::string& key, int defaultValue) const;

    void WriteString(const std::string& section, const std::string& key, const std::string& value);
    void WriteInteger(const std::string& section, const std::string& key, int value);
    void EraseSection(const std::string& section);

private:
    struct Line {
        std::string Key;  // empty for a comment or another line that holds no key
        std::string Value;
        std::string Raw;  // the line as read, for lines without a key
        bool IsKey = false;
    };
    struct Section {
        std::string Name;
        std::vector<Line> Lines;
    };

    const Section* FindSection(const std::string& name) const;
    Section& SectionForWrite(const std::string& name);
    static const Line* FindKey(const Section& s, const std::string& key);

    std::vector<std::string> Preamble_;  // lines before the first section
    std::vector<Section> Sections_;
    std::unordered_map<std::string, std::size_t> Index_;  // folded name -> position
};

// Parses a whole integer text as the ini file reads it; false when it does not parse.
bool TryParseIniInteger(std::string_view text, int& value);

// Decodes the bytes of a skin description: a leading UTF-8 byte-order mark is dropped, a UTF-16
// one (either byte order) turns the rest into UTF-8; text without a mark is taken as UTF-8.
std::string DecodeSkinText(std::string_view bytes);
