#pragma once
// Declarative key tables: one row per ini key of a description class, naming the key, the field
// it fills and, where it is not zero or empty, the default. The same table reads and writes the
// class's own keys, so a reader and its writer cannot drift apart.

#include "skin/core/skSkinValues.h"

#include <initializer_list>
#include <string>
#include <variant>
#include <vector>

template <class T>
class TskKey {
public:
    TskKey(const char* name, int T::*field, int defaultValue = 0) : Name_(name), Field_(field), Int_(defaultValue) {}
    TskKey(const char* name, bool T::*field) : Name_(name), Field_(field) {}
    TskKey(const char* name, RECT T::*field) : Name_(name), Field_(field) {}
    TskKey(const char* name, POINT T::*field) : Name_(name), Field_(field) {}
    TskKey(const char* name, std::string T::*field, const char* defaultValue = "")
        : Name_(name), Field_(field), Text_(defaultValue) {}
    TskKey(const char* name, TFontStyles T::*field) : Name_(name), Field_(field) {}
    TskKey(const char* name, TAlignment T::*field) : Name_(name), Field_(field) {}
    TskKey(const char* name, TskStretchType T::*field) : Name_(name), Field_(field) {}
    TskKey(const char* name, TskMorphKind T::*field) : Name_(name), Field_(field) {}
    TskKey(const char* name, TskInActiveEffect T::*field) : Name_(name), Field_(field) {}
    TskKey(const char* name, TskStdCommand T::*field) : Name_(name), Field_(field) {}

    void Read(const TskMemIniFile& ini, const std::string& section, T& object) const
    {
        std::visit([&](auto field) { ReadField(ini, section, object.*field); }, Field_);
    }

    void Write(TskMemIniFile& ini, const std::string& section, const T& object) const
    {
        std::visit([&](auto field) { WriteField(ini, section, object.*field); }, Field_);
    }

private:
    void ReadField(const TskMemIniFile& ini, const std::string& s, int& v) const { v = ini.ReadInteger(s, Name_, Int_); }
    void ReadField(const TskMemIniFile& ini, const std::string& s, bool& v) const { v = ReadBoolValue(ini, s, Name_); }
    void ReadField(const TskMemIniFile& ini, const std::string& s, RECT& v) const { v = ReadRectValue(ini, s, Name_); }
    void ReadField(const TskMemIniFile& ini, const std::string& s, POINT& v) const { v = ReadPointValue(ini, s, Name_); }
    void ReadField(const TskMemIniFile& ini, const std::string& s, std::string& v) const { v = ini.ReadString(s, Name_, Text_); }
    void ReadField(const TskMemIniFile& ini, const std::string& s, TFontStyles& v) const { v = ReadFontStyleValue(ini, s, Name_); }
    void ReadField(const TskMemIniFile& ini, const std::string& s, TAlignment& v) const { v = ReadAlignmentValue(ini, s, Name_); }
    void ReadField(const TskMemIniFile& ini, const std::string& s, TskStretchType& v) const { v = ReadStretchType(ini, s, Name_); }
    void ReadField(const TskMemIniFile& ini, const std::string& s, TskMorphKind& v) const { v = ReadMorphKind(ini, s, Name_); }
    void ReadField(const TskMemIniFile& ini, const std::string& s, TskInActiveEffect& v) const { v = ReadInActiveEffect(ini, s, Name_); }
    void ReadField(const TskMemIniFile& ini, const std::string& s, TskStdCommand& v) const { v = ReadStdCommand(ini, s, Name_); }

    void WriteField(TskMemIniFile& ini, const std::string& s, int v) const { ini.WriteInteger(s, Name_, v); }
    void WriteField(TskMemIniFile& ini, const std::string& s, bool v) const { WriteBoolValue(ini, s, Name_, v); }
    void WriteField(TskMemIniFile& ini, const std::string& s, const RECT& v) const { WriteRectValue(ini, s, Name_, v); }
    void WriteField(TskMemIniFile& ini, const std::string& s, const POINT& v) const { WritePointValue(ini, s, Name_, v); }
    void WriteField(TskMemIniFile& ini, const std::string& s, const std::string& v) const { ini.WriteString(s, Name_, v); }
    void WriteField(TskMemIniFile& ini, const std::string& s, const TFontStyles& v) const { WriteFontStyleValue(ini, s, Name_, v); }
    void WriteField(TskMemIniFile& ini, const std::string& s, TAlignment v) const { WriteAlignmentValue(ini, s, Name_, v); }
    void WriteField(TskMemIniFile& ini, const std::string& s, TskStretchType v) const { WriteStretchType(ini, s, Name_, v); }
    void WriteField(TskMemIniFile& ini, const std::string& s, TskMorphKind v) const { WriteMorphKind(ini, s, Name_, v); }
    void WriteField(TskMemIniFile& ini, const std::string& s, TskInActiveEffect v) const { WriteInActiveEffect(ini, s, Name_, v); }
    void WriteField(TskMemIniFile& ini, const std::string& s, TskStdCommand v) const { WriteStdCommand(ini, s, Name_, v); }

    std::string Name_;
    std::variant<int T::*, bool T::*, RECT T::*, POINT T::*, std::string T::*, TFontStyles T::*, TAlignment T::*,
                 TskStretchType T::*, TskMorphKind T::*, TskInActiveEffect T::*, TskStdCommand T::*>
        Field_;
    int Int_ = 0;
    const char* Text_ = "";
};

template <class T>
class TskKeyTable {
public:
    TskKeyTable(std::initializer_list<TskKey<T>> keys) : Keys_(keys) {}

    // Each key in table order; an absent key gives its default.
    void Read(const TskMemIniFile& ini, const std::string& section, T& object) const
    {
        for (const auto& k : Keys_)
            k.Read(ini, section, object);
    }

    void Write(TskMemIniFile& ini, const std::string& section, const T& object) const
    {
        for (const auto& k : Keys_)
            k.Write(ini, section, object);
    }

private:
    std::vector<TskKey<T>> Keys_;
};

// The members every description class declares: its parent's constructor, its reader and writer
// (each running the parent's first) and the kind word of the skin index.
#define ZD_SKIN_DESCRIPTION(Parent, KindWord)                                                       \
public:                                                                                             \
    using Parent::Parent;                                                                           \
    void LoadFromFile(const TskMemIniFile& IniFile) override;                                       \
    void SaveToFile(TskMemIniFile& IniFile) const override;                                         \
    std::string Kind() const override { return KindWord; }

// Defines the reader and writer that ZD_SKIN_DESCRIPTION declares, over the class's key table.
#define ZD_SKIN_KEYS(Class, Parent, Table)                                                          \
    void Class::LoadFromFile(const TskMemIniFile& IniFile)                                          \
    {                                                                                               \
        Parent::LoadFromFile(IniFile);                                                              \
        Table.Read(IniFile, IDName, *this);                                                         \
    }                                                                                               \
    void Class::SaveToFile(TskMemIniFile& IniFile) const                                            \
    {                                                                                               \
        Parent::SaveToFile(IniFile);                                                                \
        Table.Write(IniFile, IDName, *this);                                                        \
    }
