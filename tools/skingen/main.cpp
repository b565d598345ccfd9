// skingen: draws the program's skins, pictures and chime.
//   skingen --out DIR [--embed FILE] [--sheets DIR]
// writes every file below DIR, the C++ source embedding them into FILE, and a contact sheet
// (PNG) per skin and one of the program's pictures into the sheets folder. Exits with status 1 when the lint finds a problem.

#include "tools/skingen/ContactSheet.h"
#include "tools/skingen/Outputs.h"
#include "tools/skingen/ProgramArt.h"
#include "tools/skingen/SkinLint.h"
#include "tools/skingen/Theme.h"

#include <filesystem>
#include <fstream>
#include <iostream>
#include <stdexcept>
#include <string>

namespace {

void WriteFile(const std::filesystem::path& path, const std::string& bytes)
{
    if (path.has_parent_path())
        std::filesystem::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out)
        throw std::runtime_error("cannot write " + path.string());
}

} // namespace

int main(int argc, char** argv)
{
    std::filesystem::path out, embed, sheets;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string opt = argv[i];
        if (opt == "--out")
            out = argv[i + 1];
        else if (opt == "--embed")
            embed = argv[i + 1];
        else if (opt == "--sheets")
            sheets = argv[i + 1];
    }
    if (out.empty()) {
        std::cerr << "usage: skingen --out DIR [--embed FILE] [--sheets DIR]\n";
        return 2;
    }
    try {
        const std::vector<TArtFile> files = ArtworkOutputs();
        int problems = 0;
        std::vector<TImage32> toolbar;
        for (int i = 0; i <= 6; ++i)
            toolbar.push_back(ToolbarImage(i));
        // The skins come first in the outputs, in theme order, the fixed skin last.
        const auto themes = SwitchableThemes();
        for (std::size_t i = 0; i <= themes.size(); ++i) {
            const bool fixed = i == themes.size();
            const TTheme& t = fixed ? FixedTheme() : themes[i];
            const std::string& bytes = files[i].Bytes;
            for (const std::string& p : LintSkin(bytes, fixed ? FixedLookups() : SwitchableLookups(), !fixed)) {
                std::cerr << t.Id << ": " << p << "\n";
                ++problems;
            }
            if (!sheets.empty())
                WriteFile(sheets / (std::string(t.Id) + ".png"), EncodePng(ContactSheet(bytes, t.Id, toolbar)));
        }
        if (!sheets.empty())
            WriteFile(sheets / "pictures.png", EncodePng(PicturesSheet()));
        for (const TArtFile& f : files)
            WriteFile(out / f.Name, f.Bytes);
        if (!embed.empty())
            WriteFile(embed, EmbedSource(files));
        return problems ? 1 : 0;
    } catch (const std::exception& e) {
        std::cerr << "skingen: " << e.what() << "\n";
        return 1;
    }
}
