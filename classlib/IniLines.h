#pragma once
// The text of an ini file as its lines, with the look-ups and edits of the profile-file rules
// (see IniFiles.h). Shared by TIniFile and TMemIniFile.

#include <string>
#include <vector>

class TIniLines {
public:
    // Splits at CR LF, CR or LF; a UTF-8 byte-order mark is remembered and written back, and so
    // is a CR LF line break style.
    void SetText(const std::string& text);
    std::string Text() const;
    const std::vector<std::string>& Lines() const { return lines_; }
    void Clear();

    // nullptr when the key is absent.
    const std::string* Find(const std::string& section, const std::string& key, std::string& value) const;
    void Write(const std::string& section, const std::string& key, const std::string& value);
    std::vector<std::string> Keys(const std::string& section) const;
    std::vector<std::string> KeyValues(const std::string& section) const;
    std::vector<std::string> Sections() const;
    void EraseSection(const std::string& section);
    void DeleteKey(const std::string& section, const std::string& key);

private:
    // [first, last) line range of the section's body after its header line; false when absent.
    bool sectionRange(const std::string& section, std::size_t& first, std::size_t& last) const;
    std::size_t sectionEnd(std::size_t first) const;
    // The key line in [first, last), or npos.
    std::size_t findKey(std::size_t first, std::size_t last, const std::string& key) const;

    std::vector<std::string> lines_;
    bool bom_ = false;
    bool crlf_ = false;
};
