#include "engine/BuiltInPresets.h"

#include <strings.h>

namespace {

// Cells in the key order of the text; nullptr: the preset has no line with that key.
struct TPresetRow {
    const char* name;
    // coder, flags, partitions, me_method, subq, me_range, sc_threshold, b_strategy, bf, refs,
    // directpred, trellis, flags2, wpredp
    const char* cells[14];
    // cmp=+chroma, g=250, keyint_min=25, i_qfactor=0.71, qcomp=0.6, qmin=10, qmax=51, qdiff=4
    bool common;
    // level, maxrate, bufsize, cqp
    const char* extra[4];
};

// Sorted by name.
constexpr TPresetRow kPresets[] = {
    {"libx264-baseline",
     {"0", nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, "0", nullptr, nullptr, nullptr, "-wpred-dct8x8", "0"},
     false,
     {nullptr, nullptr, nullptr, nullptr}},
    {"libx264-default",
     {"1", "+loop", "+parti8x8+parti4x4+partp8x8+partb8x8", "hex", "7", "16", "40", "1", "3", "3", "1", "1", "+mixed_refs+wpred+dct8x8+fastpskip", "2"},
     true,
     {nullptr, nullptr, nullptr, nullptr}},
    {"libx264-fast",
     {"1", "+loop", "+parti8x8+parti4x4+partp8x8+partb8x8", "hex", "6", "16", "40", "1", "3", "2", "1", "1", "+bpyramid+mixed_refs+wpred+dct8x8+fastpskip", "2"},
     true,
     {nullptr, nullptr, nullptr, nullptr}},
    {"libx264-fast_firstpass",
     {"1", "+loop", "-parti8x8-parti4x4-partp8x8-partb8x8", "dia", "2", "16", "40", "1", "3", "1", "1", "0", "+bpyramid-mixed_refs+wpred-dct8x8+fastpskip", "2"},
     true,
     {nullptr, nullptr, nullptr, nullptr}},
    {"libx264-faster",
     {"1", "+loop", "+parti8x8+parti4x4+partp8x8+partb8x8", "hex", "4", "16", "40", "1", "3", "2", "1", "1", "+bpyramid-mixed_refs+wpred+dct8x8+fastpskip", "1"},
     true,
     {nullptr, nullptr, nullptr, nullptr}},
    {"libx264-faster_firstpass",
     {"1", "+loop", "-parti8x8-parti4x4-partp8x8-partb8x8", "dia", "2", "16", "40", "1", "3", "1", "1", "0", "+bpyramid-mixed_refs+wpred-dct8x8+fastpskip", "1"},
     true,
     {nullptr, nullptr, nullptr, nullptr}},
    {"libx264-fastfirstpass",
     {"1", "+loop", "-parti8x8-parti4x4-partp8x8-partp4x4-partb8x8", "dia", "2", "16", "40", "1", "3", "1", "3", "0", "-bpyramid-wpred-mixed_refs-dct8x8+fastpskip", "2"},
     true,
     {nullptr, nullptr, nullptr, nullptr}},
    {"libx264-hq",
     {"1", "+loop", "+parti8x8+parti4x4+partp8x8+partb8x8", "umh", "8", "16", "40", "2", "3", "4", "3", "1", "+wpred+mixed_refs+dct8x8+fastpskip", "2"},
     true,
     {nullptr, nullptr, nullptr, nullptr}},
    {"libx264-ipod320",
     {"0", nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, "0", nullptr, nullptr, nullptr, "-wpred-dct8x8", "0"},
     false,
     {"13", "768000", "3000000", nullptr}},
    {"libx264-ipod640",
     {"0", nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, "0", "1", nullptr, nullptr, "-wpred-dct8x8", "0"},
     false,
     {"30", "10000000", "10000000", nullptr}},
    {"libx264-lossless_fast",
     {"0", "+loop", "-parti8x8+parti4x4+partp8x8-partp4x4-partb8x8", "hex", "3", "16", "40", "1", nullptr, nullptr, "1", nullptr, "+fastpskip", "0"},
     true,
     {nullptr, nullptr, nullptr, "0"}},
    {"libx264-lossless_max",
     {"1", "+loop", "+parti8x8+parti4x4+partp8x8+partp4x4-partb8x8", "esa", "8", "16", "40", "1", nullptr, "16", "1", nullptr, "+mixed_refs+dct8x8+fastpskip", "2"},
     true,
     {nullptr, nullptr, nullptr, "0"}},
    {"libx264-lossless_medium",
     {"1", "+loop", "-parti8x8+parti4x4+partp8x8+partp4x4-partb8x8", "hex", "5", "16", "40", "1", nullptr, nullptr, "1", nullptr, "+fastpskip", "2"},
     true,
     {nullptr, nullptr, nullptr, "0"}},
    {"libx264-lossless_slow",
     {"1", "+loop", "+parti8x8+parti4x4+partp8x8+partp4x4-partb8x8", "umh", "6", "16", "40", "1", nullptr, "2", "1", nullptr, "+dct8x8+fastpskip", "2"},
     true,
     {nullptr, nullptr, nullptr, "0"}},
    {"libx264-lossless_slower",
     {"1", "+loop", "+parti8x8+parti4x4+partp8x8+partp4x4-partb8x8", "umh", "8", "16", "40", "1", nullptr, "4", "1", nullptr, "+mixed_refs+dct8x8+fastpskip", "2"},
     true,
     {nullptr, nullptr, nullptr, "0"}},
    {"libx264-lossless_ultrafast",
     {"0", "+loop", "-parti8x8-parti4x4-partp8x8-partp4x4-partb8x8", "dia", "0", "16", "40", "1", nullptr, nullptr, "1", nullptr, "+fastpskip", nullptr},
     true,
     {nullptr, nullptr, nullptr, "0"}},
    {"libx264-main",
     {nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, "-dct8x8", nullptr},
     false,
     {nullptr, nullptr, nullptr, nullptr}},
    {"libx264-max",
     {"1", "+loop", "+parti8x8+parti4x4+partp8x8+partp4x4+partb8x8", "tesa", "10", "24", "40", "2", "3", "16", "3", "2", "+wpred+mixed_refs+dct8x8-fastpskip", "2"},
     true,
     {nullptr, nullptr, nullptr, nullptr}},
    {"libx264-medium",
     {"1", "+loop", "+parti8x8+parti4x4+partp8x8+partb8x8", "hex", "7", "16", "40", "1", "3", "3", "1", "1", "+bpyramid+mixed_refs+wpred+dct8x8+fastpskip", "2"},
     true,
     {nullptr, nullptr, nullptr, nullptr}},
    {"libx264-medium_firstpass",
     {"1", "+loop", "-parti8x8-parti4x4-partp8x8-partb8x8", "dia", "2", "16", "40", "1", "3", "1", "1", "0", "+bpyramid-mixed_refs+wpred-dct8x8+fastpskip", "2"},
     true,
     {nullptr, nullptr, nullptr, nullptr}},
    {"libx264-normal",
     {"1", "+loop", "+parti8x8+parti4x4+partp8x8+partb8x8", "hex", "6", "16", "40", "1", "3", "2", "3", "0", "+wpred+dct8x8+fastpskip", "2"},
     true,
     {nullptr, nullptr, nullptr, nullptr}},
    {"libx264-placebo",
     {"1", "+loop", "+parti8x8+parti4x4+partp8x8+partp4x4+partb8x8", "tesa", "10", "24", "40", "2", "16", "16", "3", "2", "+bpyramid+mixed_refs+wpred+dct8x8-fastpskip", "2"},
     true,
     {nullptr, nullptr, nullptr, nullptr}},
    {"libx264-placebo_firstpass",
     {"1", "+loop", "+parti8x8+parti4x4+partp8x8+partp4x4+partb8x8", "tesa", "10", "24", "40", "2", "16", "16", "3", "2", "+bpyramid+mixed_refs+wpred+dct8x8-fastpskip", "2"},
     true,
     {nullptr, nullptr, nullptr, nullptr}},
    {"libx264-slow",
     {"1", "+loop", "+parti8x8+parti4x4+partp8x8+partb8x8", "umh", "8", "16", "40", "2", "3", "5", "3", "1", "+bpyramid+mixed_refs+wpred+dct8x8+fastpskip", "2"},
     true,
     {nullptr, nullptr, nullptr, nullptr}},
    {"libx264-slow_firstpass",
     {"1", "+loop", "-parti8x8-parti4x4-partp8x8-partb8x8", "dia", "2", "16", "40", "2", "3", "1", "3", "0", "+bpyramid-mixed_refs+wpred-dct8x8+fastpskip", "2"},
     true,
     {nullptr, nullptr, nullptr, nullptr}},
    {"libx264-slower",
     {"1", "+loop", "+parti8x8+parti4x4+partp8x8+partp4x4+partb8x8", "umh", "9", "16", "40", "2", "3", "8", "3", "2", "+bpyramid+mixed_refs+wpred+dct8x8+fastpskip", "2"},
     true,
     {nullptr, nullptr, nullptr, nullptr}},
    {"libx264-slower_firstpass",
     {"1", "+loop", "-parti8x8-parti4x4-partp8x8-partb8x8", "dia", "2", "16", "40", "2", "3", "1", "3", "0", "+bpyramid-mixed_refs+wpred-dct8x8+fastpskip", "2"},
     true,
     {nullptr, nullptr, nullptr, nullptr}},
    {"libx264-slowfirstpass",
     {"1", "+loop", "+parti8x8+parti4x4+partp8x8+partb8x8", "hex", "6", "16", "40", "2", "3", "1", "3", "0", "+wpred+dct8x8+fastpskip", "2"},
     true,
     {nullptr, nullptr, nullptr, nullptr}},
    {"libx264-superfast",
     {"1", "+loop", "+parti8x8+parti4x4-partp8x8-partb8x8", "dia", "1", "16", "40", "1", "3", "1", "1", "0", "+bpyramid-mixed_refs+wpred+dct8x8+fastpskip-mbtree", "0"},
     true,
     {nullptr, nullptr, nullptr, nullptr}},
    {"libx264-superfast_firstpass",
     {"1", "+loop", "-parti8x8-parti4x4-partp8x8-partb8x8", "dia", "1", "16", "40", "1", "3", "1", "1", "0", "+bpyramid-mixed_refs+wpred-dct8x8+fastpskip-mbtree", "0"},
     true,
     {nullptr, nullptr, nullptr, nullptr}},
    {"libx264-ultrafast",
     {"0", "-loop", "-parti8x8-parti4x4-partp8x8-partb8x8", "dia", "0", "16", "0", "0", "0", "1", "1", "0", "-bpyramid-mixed_refs-wpred-dct8x8+fastpskip-mbtree", "0"},
     true,
     {nullptr, nullptr, nullptr, nullptr}},
    {"libx264-ultrafast_firstpass",
     {"0", "-loop", "-parti8x8-parti4x4-partp8x8-partb8x8", "dia", "0", "16", "0", "0", "0", "1", "1", "0", "-bpyramid-mixed_refs-wpred-dct8x8+fastpskip-mbtree", "0"},
     true,
     {nullptr, nullptr, nullptr, nullptr}},
    {"libx264-veryfast",
     {"1", "+loop", "+parti8x8+parti4x4+partp8x8+partb8x8", "hex", "2", "16", "40", "1", "3", "1", "1", "0", "+bpyramid-mixed_refs+wpred+dct8x8+fastpskip-mbtree", "0"},
     true,
     {nullptr, nullptr, nullptr, nullptr}},
    {"libx264-veryfast_firstpass",
     {"1", "+loop", "-parti8x8-parti4x4-partp8x8-partb8x8", "dia", "2", "16", "40", "1", "3", "1", "1", "0", "+bpyramid-mixed_refs+wpred-dct8x8+fastpskip-mbtree", "0"},
     true,
     {nullptr, nullptr, nullptr, nullptr}},
    {"libx264-veryslow",
     {"1", "+loop", "+parti8x8+parti4x4+partp8x8+partp4x4+partb8x8", "umh", "10", "24", "40", "2", "8", "16", "3", "2", "+bpyramid+mixed_refs+wpred+dct8x8+fastpskip", "2"},
     true,
     {nullptr, nullptr, nullptr, nullptr}},
    {"libx264-veryslow_firstpass",
     {"1", "+loop", "-parti8x8-parti4x4-partp8x8-partb8x8", "dia", "2", "24", "40", "2", "8", "1", "3", "0", "+bpyramid-mixed_refs+wpred-dct8x8+fastpskip", "2"},
     true,
     {nullptr, nullptr, nullptr, nullptr}},
};

// Builds the text of a row: lines "key=value\n" in the key order of every preset.
std::string PresetText(const TPresetRow& row)
{
    const char* const* c = row.cells;
    const bool common = row.common;
    const struct {
        const char* key;
        const char* value;
    } lines[] = {
        {"coder", c[0]},         {"flags", c[1]},
        {"cmp", common ? "+chroma" : nullptr},
        {"partitions", c[2]},    {"me_method", c[3]},
        {"subq", c[4]},          {"me_range", c[5]},
        {"g", common ? "250" : nullptr},
        {"keyint_min", common ? "25" : nullptr},
        {"sc_threshold", c[6]},
        {"i_qfactor", common ? "0.71" : nullptr},
        {"b_strategy", c[7]},
        {"qcomp", common ? "0.6" : nullptr},
        {"qmin", common ? "10" : nullptr},
        {"qmax", common ? "51" : nullptr},
        {"qdiff", common ? "4" : nullptr},
        {"bf", c[8]},            {"refs", c[9]},
        {"directpred", c[10]},   {"trellis", c[11]},
        {"flags2", c[12]},       {"level", row.extra[0]},
        {"maxrate", row.extra[1]}, {"bufsize", row.extra[2]},
        {"cqp", row.extra[3]},   {"wpredp", c[13]},
    };
    std::string text;
    for (const auto& line : lines)
        if (line.value)
            text.append(line.key).append("=").append(line.value).append("\n");
    return text;
}

} // namespace

std::string FindPreset(const std::string& name)
{
    for (const TPresetRow& row : kPresets)
        if (strcasecmp(row.name, name.c_str()) == 0)
            return PresetText(row);
    return {};
}
