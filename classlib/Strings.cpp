#include "classlib/Strings.h"

#include "classlib/Streams.h"
#include "classlib/SysUtils.h"

#include <algorithm>

// --- TStrings --------------------------------------------------------------------------------

void TStrings::Error(const std::string& Msg, int Data) const
{
    throw EListError(Format(Msg, {Data}));
}

void TStrings::Put(int Index, const std::string& S)
{
    TObject* obj = GetObject(Index);
    Delete(Index);
    InsertObject(Index, S, obj);
}

int TStrings::Add(const std::string& S)
{
    int n = Count();
    Insert(n, S);
    return n;
}

int TStrings::AddObject(const std::string& S, TObject* AObject)
{
    int i = Add(S);
    PutObject(i, AObject);
    return i;
}

void TStrings::InsertObject(int Index, const std::string& S, TObject* AObject)
{
    Insert(Index, S);
    PutObject(Index, AObject);
}

void TStrings::AddStrings(TStrings* Strings)
{
    BeginUpdate();
    try {
        for (int i = 0; i < Strings->Count(); ++i)
            AddObject(Strings->Get(i), Strings->GetObject(i));
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

void TStrings::Exchange(int Index1, int Index2)
{
    BeginUpdate();
    try {
        std::string s = Get(Index1);
        TObject* o = GetObject(Index1);
        Put(Index1, Get(Index2));
        PutObject(Index1, GetObject(Index2));
        Put(Index2, s);
        PutObject(Index2, o);
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

void TStrings::Move(int CurIndex, int NewIndex)
{
    if (CurIndex == NewIndex)
        return;
    BeginUpdate();
    try {
        std::string s = Get(CurIndex);
        TObject* o = GetObject(CurIndex);
        Delete(CurIndex);
        InsertObject(NewIndex, s, o);
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

int TStrings::CompareStrings(const std::string& S1, const std::string& S2) const
{
    return AnsiCompareText(S1, S2);
}

int TStrings::IndexOf(const std::string& S) const
{
    for (int i = 0; i < Count(); ++i)
        if (CompareStrings(Get(i), S) == 0)
            return i;
    return -1;
}

int TStrings::IndexOfObject(TObject* AObject) const
{
    for (int i = 0; i < Count(); ++i)
        if (GetObject(i) == AObject)
            return i;
    return -1;
}

int TStrings::IndexOfName(const std::string& Name) const
{
    for (int i = 0; i < Count(); ++i) {
        std::string s = Get(i);
        std::size_t p = s.find(FNameValueSeparator);
        if (p != std::string::npos && CompareStrings(s.substr(0, p), Name) == 0)
            return i;
    }
    return -1;
}

std::string TStrings::Names(int Index) const
{
    std::string s = Get(Index);
    std::size_t p = s.find(FNameValueSeparator);
    return p == std::string::npos ? std::string() : s.substr(0, p);
}

std::string TStrings::Values(const std::string& Name) const
{
    int i = IndexOfName(Name);
    return i < 0 ? std::string() : ValueFromIndex(i);
}

void TStrings::SetValue(const std::string& Name, const std::string& Value)
{
    int i = IndexOfName(Name);
    if (Value.empty()) {
        if (i >= 0)
            Delete(i);
        return;
    }
    std::string line = Name + FNameValueSeparator + Value;
    if (i < 0)
        Add(line);
    else
        Put(i, line);
}

std::string TStrings::ValueFromIndex(int Index) const
{
    std::string s = Get(Index);
    std::size_t p = s.find(FNameValueSeparator);
    return p == std::string::npos ? std::string() : s.substr(p + 1);
}

void TStrings::SetValueFromIndex(int Index, const std::string& Value)
{
    if (Value.empty()) {
        Delete(Index);
        return;
    }
    Put(Index, Names(Index) + FNameValueSeparator + Value);
}

std::string TStrings::Text() const
{
    std::string r;
    for (int i = 0; i < Count(); ++i) {
        r += Get(i);
        r += FLineBreak;
    }
    return r;
}

void TStrings::SetText(const std::string& Value)
{
    BeginUpdate();
    try {
        Clear();
        std::size_t i = 0;
        while (i < Value.size()) {
            std::size_t e = Value.find_first_of("\r\n", i);
            if (e == std::string::npos) {
                Add(Value.substr(i));
                break;
            }
            Add(Value.substr(i, e - i));
            i = e + 1;
            if (Value[e] == '\r' && i < Value.size() && Value[i] == '\n')
                ++i;
        }
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

std::string TStrings::DelimitedText() const
{
    if (Count() == 1 && Get(0).empty())
        return std::string(2, FQuoteChar);
    std::string r;
    for (int i = 0; i < Count(); ++i) {
        std::string s = Get(i);
        bool quote = false;
        for (char c : s)
            if (c == FDelimiter || c == FQuoteChar || c == '\0' ||
                (!FStrictDelimiter && static_cast<unsigned char>(c) <= ' ')) {
                quote = true;
                break;
            }
        if (quote) {
            std::string q(1, FQuoteChar);
            for (char c : s) {
                q += c;
                if (c == FQuoteChar)
                    q += c;
            }
            q += FQuoteChar;
            s = q;
        }
        if (i > 0)
            r += FDelimiter;
        r += s;
    }
    return r;
}

void TStrings::SetDelimitedText(const std::string& Value)
{
    auto isBlank = [&](char c) { return !FStrictDelimiter && static_cast<unsigned char>(c) <= ' ' && c != FDelimiter; };
    BeginUpdate();
    try {
        Clear();
        std::size_t i = 0;
        const std::size_t n = Value.size();
        while (i < n && isBlank(Value[i]))
            ++i;
        while (i < n) {
            std::string item;
            if (Value[i] == FQuoteChar) {
                ++i;
                while (i < n) {
                    if (Value[i] == FQuoteChar) {
                        if (i + 1 < n && Value[i + 1] == FQuoteChar) {
                            item += FQuoteChar;
                            i += 2;
                            continue;
                        }
                        ++i;
                        break;
                    }
                    item += Value[i++];
                }
            } else {
                while (i < n && Value[i] != FDelimiter && !isBlank(Value[i]))
                    item += Value[i++];
            }
            Add(item);
            while (i < n && isBlank(Value[i]))
                ++i;
            if (i < n && Value[i] == FDelimiter) {
                ++i;
                // A delimiter at the very end stands for one more, empty item.
                if (i == n)
                    Add(std::string());
                while (i < n && isBlank(Value[i]))
                    ++i;
            }
        }
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

std::string TStrings::CommaText() const
{
    TStrings* self = const_cast<TStrings*>(this);
    char d = FDelimiter, q = FQuoteChar;
    bool strict = FStrictDelimiter;
    self->FDelimiter = ',';
    self->FQuoteChar = '"';
    self->FStrictDelimiter = false;
    std::string r = DelimitedText();
    self->FDelimiter = d;
    self->FQuoteChar = q;
    self->FStrictDelimiter = strict;
    return r;
}

void TStrings::SetCommaText(const std::string& Value)
{
    char d = FDelimiter, q = FQuoteChar;
    bool strict = FStrictDelimiter;
    FDelimiter = ',';
    FQuoteChar = '"';
    FStrictDelimiter = false;
    try {
        SetDelimitedText(Value);
    } catch (...) {
        FDelimiter = d;
        FQuoteChar = q;
        FStrictDelimiter = strict;
        throw;
    }
    FDelimiter = d;
    FQuoteChar = q;
    FStrictDelimiter = strict;
}

void TStrings::BeginUpdate()
{
    if (FUpdateCount == 0)
        SetUpdateState(true);
    ++FUpdateCount;
}

void TStrings::EndUpdate()
{
    if (FUpdateCount > 0 && --FUpdateCount == 0)
        SetUpdateState(false);
}

void TStrings::LoadFromStream(TStream* Stream)
{
    std::int64_t size = Stream->Size() - Stream->Position();
    std::string data(static_cast<std::size_t>(size > 0 ? size : 0), '\0');
    if (!data.empty())
        Stream->ReadBuffer(data.data(), static_cast<std::int64_t>(data.size()));
    if (data.size() >= 3 && data.compare(0, 3, "\xEF\xBB\xBF") == 0)
        data.erase(0, 3);
    SetText(data);
}

void TStrings::SaveToStream(TStream* Stream) const
{
    std::string t = Text();
    if (!t.empty())
        Stream->WriteBuffer(t.data(), static_cast<std::int64_t>(t.size()));
}

void TStrings::LoadFromFile(const std::string& FileName)
{
    TFileStream stream(FileName, fmOpenRead | fmShareDenyWrite);
    LoadFromStream(&stream);
}

void TStrings::SaveToFile(const std::string& FileName) const
{
    TFileStream stream(FileName, fmCreate);
    SaveToStream(&stream);
}

void TStrings::Assign(TPersistent* Source)
{
    auto* src = dynamic_cast<TStrings*>(Source);
    if (!src) {
        TPersistent::Assign(Source);
        return;
    }
    if (src == this)
        return;
    BeginUpdate();
    try {
        Clear();
        FNameValueSeparator = src->FNameValueSeparator;
        FDelimiter = src->FDelimiter;
        FQuoteChar = src->FQuoteChar;
        FStrictDelimiter = src->FStrictDelimiter;
        AddStrings(src);
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

// --- TStringList -----------------------------------------------------------------------------

TStringList::~TStringList()
{
    if (FOwnsObjects)
        for (Item& it : FList)
            if (it.object)
                it.object->Free();
}

void TStringList::checkIndex(int Index) const
{
    if (Index < 0 || Index >= Count())
        Error("List index out of bounds (%d)", Index);
}

std::string TStringList::Get(int Index) const
{
    checkIndex(Index);
    return FList[static_cast<std::size_t>(Index)].text;
}

void TStringList::Put(int Index, const std::string& S)
{
    if (FSorted)
        Error("Operation not allowed on sorted list", 0);
    checkIndex(Index);
    Changing();
    FList[static_cast<std::size_t>(Index)].text = S;
    Changed();
}

TObject* TStringList::GetObject(int Index) const
{
    checkIndex(Index);
    return FList[static_cast<std::size_t>(Index)].object;
}

void TStringList::PutObject(int Index, TObject* AObject)
{
    checkIndex(Index);
    Changing();
    FList[static_cast<std::size_t>(Index)].object = AObject;
    Changed();
}

void TStringList::Insert(int Index, const std::string& S)
{
    if (FSorted)
        Error("Operation not allowed on sorted list", 0);
    if (Index < 0 || Index > Count())
        Error("List index out of bounds (%d)", Index);
    InsertItem(Index, S, nullptr);
}

void TStringList::InsertItem(int Index, const std::string& S, TObject* AObject)
{
    Changing();
    FList.insert(FList.begin() + Index, Item{S, AObject});
    Changed();
}

int TStringList::Add(const std::string& S)
{
    int index;
    if (!FSorted) {
        index = Count();
    } else if (Find(S, index)) {
        switch (FDuplicates) {
        case TDuplicates::dupIgnore:
            return index;
        case TDuplicates::dupError:
            Error("String list does not allow duplicates", 0);
        case TDuplicates::dupAccept:
            break;
        }
    }
    InsertItem(index, S, nullptr);
    return index;
}

void TStringList::Delete(int Index)
{
    checkIndex(Index);
    Changing();
    TObject* obj = FList[static_cast<std::size_t>(Index)].object;
    FList.erase(FList.begin() + Index);
    if (FOwnsObjects && obj)
        obj->Free();
    Changed();
}

void TStringList::Clear()
{
    if (FList.empty())
        return;
    Changing();
    std::vector<Item> old;
    old.swap(FList);
    if (FOwnsObjects)
        for (Item& it : old)
            if (it.object)
                it.object->Free();
    Changed();
}

void TStringList::Exchange(int Index1, int Index2)
{
    checkIndex(Index1);
    checkIndex(Index2);
    Changing();
    std::swap(FList[static_cast<std::size_t>(Index1)], FList[static_cast<std::size_t>(Index2)]);
    Changed();
}

int TStringList::CompareStrings(const std::string& S1, const std::string& S2) const
{
    return FCaseSensitive ? CompareStr(S1, S2) : AnsiCompareText(S1, S2);
}

bool TStringList::Find(const std::string& S, int& Index) const
{
    int L = 0, H = Count() - 1;
    bool found = false;
    while (L <= H) {
        int I = (L + H) / 2;
        int C = CompareStrings(FList[static_cast<std::size_t>(I)].text, S);
        if (C < 0) {
            L = I + 1;
        } else {
            H = I - 1;
            if (C == 0) {
                found = true;
                if (FDuplicates != TDuplicates::dupAccept)
                    L = I;
            }
        }
    }
    Index = L;
    return found;
}

int TStringList::IndexOf(const std::string& S) const
{
    if (!FSorted)
        return TStrings::IndexOf(S);
    int i;
    return Find(S, i) ? i : -1;
}

void TStringList::sortBy(const TStringListSortCompare& Compare)
{
    // A stable sort keeps equal lines in their old order.
    std::vector<int> order(FList.size());
    for (std::size_t i = 0; i < order.size(); ++i)
        order[i] = static_cast<int>(i);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return Compare(this, a, b) < 0; });
    std::vector<Item> sorted;
    sorted.reserve(FList.size());
    for (int i : order)
        sorted.push_back(FList[static_cast<std::size_t>(i)]);
    FList.swap(sorted);
}

void TStringList::CustomSort(const TStringListSortCompare& Compare)
{
    if (FList.size() < 2)
        return;
    Changing();
    sortBy(Compare);
    Changed();
}

void TStringList::Sort()
{
    CustomSort([](TStringList* list, int a, int b) {
        return list->CompareStrings(list->FList[static_cast<std::size_t>(a)].text,
                                    list->FList[static_cast<std::size_t>(b)].text);
    });
}

void TStringList::SetSorted(bool Value)
{
    if (FSorted == Value)
        return;
    if (Value)
        Sort();
    FSorted = Value;
}

void TStringList::SetCaseSensitive(bool Value)
{
    if (FCaseSensitive == Value)
        return;
    FCaseSensitive = Value;
    if (FSorted)
        Sort();
}

void TStringList::SetUpdateState(bool Updating)
{
    if (Updating)
        Changing();
    else
        Changed();
}

void TStringList::Changing()
{
    if (UpdateCount() == 0 && OnChanging)
        OnChanging(this);
}

void TStringList::Changed()
{
    if (UpdateCount() == 0 && OnChange)
        OnChange(this);
}
