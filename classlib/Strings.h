#pragma once
// Lists of text lines with an object per line: the abstract TStrings (which list boxes and
// memos implement over their windows) and the stored TStringList.

#include "classlib/Classes.h"

#include <functional>
#include <string>
#include <vector>

class TStream;

class TStrings : public TPersistent {
public:
    ~TStrings() override = default;

    // --- storage, implemented by each kind of list ---
    virtual int Count() const = 0;
    virtual std::string Get(int Index) const = 0;
    virtual void Put(int Index, const std::string& S);
    virtual TObject* GetObject(int Index) const { (void)Index; return nullptr; }
    virtual void PutObject(int Index, TObject* AObject) { (void)Index; (void)AObject; }
    virtual void Insert(int Index, const std::string& S) = 0;
    virtual void Delete(int Index) = 0;
    virtual void Clear() = 0;

    std::string operator[](int Index) const { return Get(Index); }
    std::string Strings(int Index) const { return Get(Index); }
    TObject* Objects(int Index) const { return GetObject(Index); }

    virtual int Add(const std::string& S);
    int AddObject(const std::string& S, TObject* AObject);
    void InsertObject(int Index, const std::string& S, TObject* AObject);
    void Append(const std::string& S) { Add(S); }
    void AddStrings(TStrings* Strings);
    virtual void Exchange(int Index1, int Index2);
    virtual void Move(int CurIndex, int NewIndex);

    virtual int IndexOf(const std::string& S) const;
    int IndexOfObject(TObject* AObject) const;

    // name=value lines (the separator is NameValueSeparator).
    int IndexOfName(const std::string& Name) const;
    std::string Names(int Index) const;
    std::string Values(const std::string& Name) const;
    // Sets the value of the first line of that name; an empty value deletes the line; a name
    // without a line adds one.
    void SetValue(const std::string& Name, const std::string& Value);
    std::string ValueFromIndex(int Index) const;
    void SetValueFromIndex(int Index, const std::string& Value);
    char NameValueSeparator() const { return FNameValueSeparator; }
    void SetNameValueSeparator(char Value) { FNameValueSeparator = Value; }

    // Every line followed by LineBreak ("\n" by default); the setter splits at CR LF, CR or LF.
    std::string Text() const;
    virtual void SetText(const std::string& Value);
    const std::string& LineBreak() const { return FLineBreak; }
    void SetLineBreak(const std::string& Value) { FLineBreak = Value; }

    // Lines joined by Delimiter; a line holding a blank, a control character, the delimiter or
    // the quote is quoted with QuoteChar (a quote inside doubled). Reading splits at the
    // delimiter and, unless StrictDelimiter, at blanks outside quotes.
    std::string DelimitedText() const;
    void SetDelimitedText(const std::string& Value);
    char Delimiter() const { return FDelimiter; }
    void SetDelimiter(char Value) { FDelimiter = Value; }
    char QuoteChar() const { return FQuoteChar; }
    void SetQuoteChar(char Value) { FQuoteChar = Value; }
    bool StrictDelimiter() const { return FStrictDelimiter; }
    void SetStrictDelimiter(bool Value) { FStrictDelimiter = Value; }
    // DelimitedText with "," and '"'.
    std::string CommaText() const;
    void SetCommaText(const std::string& Value);

    void BeginUpdate();
    void EndUpdate();
    int UpdateCount() const { return FUpdateCount; }

    // UTF-8 text; a byte-order mark at the start is skipped when reading.
    virtual void LoadFromStream(TStream* Stream);
    virtual void SaveToStream(TStream* Stream) const;
    void LoadFromFile(const std::string& FileName);
    void SaveToFile(const std::string& FileName) const;

    void Assign(TPersistent* Source) override;

protected:
    // Called with true when the first BeginUpdate starts and false when the last EndUpdate ends.
    virtual void SetUpdateState(bool Updating) { (void)Updating; }
    // How two lines compare (the base: without regard to case).
    virtual int CompareStrings(const std::string& S1, const std::string& S2) const;
    [[noreturn]] void Error(const std::string& Msg, int Data) const;

private:
    std::string FLineBreak = "\n";
    char FDelimiter = ',';
    char FQuoteChar = '"';
    char FNameValueSeparator = '=';
    bool FStrictDelimiter = false;
    int FUpdateCount = 0;
};

enum class TDuplicates { dupIgnore, dupAccept, dupError };

class TStringList;
using TStringListSortCompare = std::function<int(TStringList* List, int Index1, int Index2)>;

class TStringList : public TStrings {
public:
    TStringList() = default;
    ~TStringList() override;

    int Count() const override { return static_cast<int>(FList.size()); }
    std::string Get(int Index) const override;
    void Put(int Index, const std::string& S) override;
    TObject* GetObject(int Index) const override;
    void PutObject(int Index, TObject* AObject) override;
    // A sorted list refuses Insert and Move ("Operation not allowed on sorted list").
    void Insert(int Index, const std::string& S) override;
    void Delete(int Index) override;
    void Clear() override;
    // Added in its sorted place when Sorted; Duplicates decides about an equal line.
    int Add(const std::string& S) override;
    void Exchange(int Index1, int Index2) override;
    int IndexOf(const std::string& S) const override;

    // Binary search of a sorted list: true when found; Index is the match or the insert place.
    bool Find(const std::string& S, int& Index) const;
    virtual void Sort();
    void CustomSort(const TStringListSortCompare& Compare);

    bool Sorted() const { return FSorted; }
    void SetSorted(bool Value);
    TDuplicates Duplicates() const { return FDuplicates; }
    void SetDuplicates(TDuplicates Value) { FDuplicates = Value; }
    bool CaseSensitive() const { return FCaseSensitive; }
    void SetCaseSensitive(bool Value);
    // The list frees its objects when lines are deleted or the list is freed.
    bool OwnsObjects() const { return FOwnsObjects; }
    void SetOwnsObjects(bool Value) { FOwnsObjects = Value; }

    TNotifyEvent OnChange;
    TNotifyEvent OnChanging;

protected:
    void SetUpdateState(bool Updating) override;
    int CompareStrings(const std::string& S1, const std::string& S2) const override;
    virtual void Changed();
    virtual void Changing();
    void InsertItem(int Index, const std::string& S, TObject* AObject);

private:
    struct Item {
        std::string text;
        TObject* object = nullptr;
    };
    void checkIndex(int Index) const;
    void sortBy(const TStringListSortCompare& Compare);

    std::vector<Item> FList;
    bool FSorted = false;
    bool FCaseSensitive = false;
    bool FOwnsObjects = false;
    TDuplicates FDuplicates = TDuplicates::dupIgnore;
};
