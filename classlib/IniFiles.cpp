#include "classlib/IniFiles.h"

#include "classlib/IniLines.h"
#include "classlib/Strings.h"
#include "classlib/SysUtils.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace {

void fill(TStrings* Strings, const std::vector<std::string>& items)
{
    Strings->BeginUpdate();
    try {
        Strings->Clear();
        for (const std::string& s : items)
            Strings->Add(s);
    } catch (...) {
        Strings->EndUpdate();
        throw;
    }
    Strings->EndUpdate();
}

bool readFile(const std::string& name, std::string& text)
{
    std::ifstream in(name, std::ios::binary);
    if (!in)
        return false;
    std::ostringstream ss;
    ss << in.rdbuf();
    text = ss.str();
    return true;
}

bool writeAll(int fd, const std::string& text)
{
    std::size_t done = 0;
    while (done < text.size()) {
        ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// Writes the whole text; false when that fails. An existing regular file is replaced through
// a temporary file beside it, so a failed write (a full disk) never leaves it truncated.
bool writeFile(const std::string& name, const std::string& text)
{
    struct stat st;
    if (::lstat(name.c_str(), &st) == 0 && S_ISREG(st.st_mode)) {
        if (::access(name.c_str(), W_OK) != 0)
            return false;  // a read-only file stays as it is
        std::string tmp = name + ".XXXXXX";
        int fd = ::mkstemp(tmp.data());
        if (fd >= 0) {
            bool ok = ::fchmod(fd, st.st_mode & 07777) == 0 && writeAll(fd, text);
            ok = ::close(fd) == 0 && ok;
            if (ok && ::rename(tmp.c_str(), name.c_str()) == 0)
                return true;
            ::unlink(tmp.c_str());
        }
    }
    int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0)
        return false;
    bool ok = writeAll(fd, text);
    return ::close(fd) == 0 && ok;
}

[[noreturn]] void raiseWriteError(const std::string& name)
{
    throw EIniFileException("Unable to write to " + name);
}

} // namespace

// --- TCustomIniFile --------------------------------------------------------------------------

int TCustomIniFile::ReadInteger(const std::string& Section, const std::string& Ident, int Default)
{
    std::string s = ReadString(Section, Ident, std::string());
    return s.empty() ? Default : StrToIntDef(s, Default);
}

void TCustomIniFile::WriteInteger(const std::string& Section, const std::string& Ident, int Value)
{
    WriteString(Section, Ident, IntToStr(Value));
}

bool TCustomIniFile::ReadBool(const std::string& Section, const std::string& Ident, bool Default)
{
    return ReadInteger(Section, Ident, Default ? 1 : 0) != 0;
}

void TCustomIniFile::WriteBool(const std::string& Section, const std::string& Ident, bool Value)
{
    WriteString(Section, Ident, Value ? "1" : "0");
}

bool TCustomIniFile::SectionExists(const std::string& Section)
{
    TStringList keys;
    ReadSection(Section, &keys);
    return keys.Count() > 0;
}

bool TCustomIniFile::ValueExists(const std::string& Section, const std::string& Ident)
{
    TStringList keys;
    ReadSection(Section, &keys);
    return keys.IndexOf(Ident) >= 0;
}

// --- TIniFile --------------------------------------------------------------------------------

TIniFile::TIniFile(const std::string& FileName) : TCustomIniFile(FileName), FLines(std::make_unique<TIniLines>()) {}

TIniFile::~TIniFile() = default;

TIniLines& TIniFile::current()
{
    // Reread when the file changed on disk since we last saw it (or was never read).
    FileStamp stamp;
    struct stat st;
    if (::stat(FileName().c_str(), &st) == 0) {
        stamp.exists = true;
        stamp.mtimeNs = static_cast<long long>(st.st_mtim.tv_sec) * 1000000000LL + st.st_mtim.tv_nsec;
        stamp.size = static_cast<long long>(st.st_size);
        stamp.inode = static_cast<long long>(st.st_ino);
    }
    if (!FLoaded || !(stamp == FStamp)) {
        std::string text;
        if (stamp.exists && readFile(FileName(), text))
            FLines->SetText(text);
        else
            FLines->Clear();
        FStamp = stamp;
        FLoaded = true;
    }
    return *FLines;
}

void TIniFile::store()
{
    bool ok = writeFile(FileName(), FLines->Text());
    FLoaded = false;  // the next access reads what the file really holds
    if (!ok)
        raiseWriteError(FileName());
}

std::string TIniFile::ReadString(const std::string& Section, const std::string& Ident, const std::string& Default)
{
    std::string v;
    return current().Find(Section, Ident, v) ? v : Default;
}

void TIniFile::WriteString(const std::string& Section, const std::string& Ident, const std::string& Value)
{
    current().Write(Section, Ident, Value);
    store();
}

void TIniFile::ReadSection(const std::string& Section, TStrings* Strings)
{
    fill(Strings, current().Keys(Section));
}

void TIniFile::ReadSections(TStrings* Strings)
{
    fill(Strings, current().Sections());
}

void TIniFile::ReadSectionValues(const std::string& Section, TStrings* Strings)
{
    fill(Strings, current().KeyValues(Section));
}

void TIniFile::EraseSection(const std::string& Section)
{
    TIniLines& lines = current();
    std::size_t before = lines.Lines().size();
    lines.EraseSection(Section);
    if (lines.Lines().size() != before)
        store();
}

void TIniFile::DeleteKey(const std::string& Section, const std::string& Ident)
{
    TIniLines& lines = current();
    std::size_t before = lines.Lines().size();
    lines.DeleteKey(Section, Ident);
    if (lines.Lines().size() != before)
        store();
}

// --- TMemIniFile -----------------------------------------------------------------------------

TMemIniFile::TMemIniFile(const std::string& FileName) : TCustomIniFile(FileName), FLines(std::make_unique<TIniLines>())
{
    std::string text;
    if (!FileName.empty() && FileExists(FileName) && readFile(FileName, text))
        FLines->SetText(text);
}

TMemIniFile::~TMemIniFile() = default;

std::string TMemIniFile::ReadString(const std::string& Section, const std::string& Ident, const std::string& Default)
{
    std::string v;
    return FLines->Find(Section, Ident, v) ? v : Default;
}

void TMemIniFile::WriteString(const std::string& Section, const std::string& Ident, const std::string& Value)
{
    FLines->Write(Section, Ident, Value);
}

void TMemIniFile::ReadSection(const std::string& Section, TStrings* Strings)
{
    fill(Strings, FLines->Keys(Section));
}

void TMemIniFile::ReadSections(TStrings* Strings)
{
    fill(Strings, FLines->Sections());
}

void TMemIniFile::ReadSectionValues(const std::string& Section, TStrings* Strings)
{
    fill(Strings, FLines->KeyValues(Section));
}

void TMemIniFile::EraseSection(const std::string& Section)
{
    FLines->EraseSection(Section);
}

void TMemIniFile::DeleteKey(const std::string& Section, const std::string& Ident)
{
    FLines->DeleteKey(Section, Ident);
}

void TMemIniFile::UpdateFile()
{
    if (!writeFile(FileName(), FLines->Text()))
        raiseWriteError(FileName());
}

void TMemIniFile::Clear()
{
    FLines->Clear();
}

void TMemIniFile::GetStrings(TStrings* List)
{
    fill(List, FLines->Lines());
}

void TMemIniFile::SetStrings(TStrings* List)
{
    std::string text;
    for (int i = 0; i < List->Count(); ++i)
        text += List->Get(i) + "\n";
    FLines->SetText(text);
}
